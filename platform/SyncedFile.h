#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace platform {

class SyncedFolder;

// A small file of our own inside a user's folder (the rename journal): created exclusively,
// written by appending, made durable on request, locked against other processes.
// Calls return 0 or the system's error number.
class SyncedFile
{
public:
    SyncedFile() = default;
    ~SyncedFile();
    SyncedFile(const SyncedFile&) = delete;
    SyncedFile& operator=(const SyncedFile&) = delete;

    // Creates `name` (EEXIST when it exists) and locks it; a file that cannot be locked is
    // removed again.
    int createExclusive(const SyncedFolder& folder, const QByteArray& name);
    // Opens `name` for reading and appending without following a symbolic link: ELOOP when
    // the name is a link, EINVAL when it is not a regular file, EBUSY when another process
    // holds its lock, ENOENT when it is gone or was replaced while we waited for the lock.
    int openLocked(const SyncedFolder& folder, const QByteArray& name);
    bool isOpen() const { return m_fd >= 0; }
    // The open file's size in bytes, -1 when it cannot be told.
    qint64 size() const;
    int append(const QByteArray& bytes);
    int readAll(QByteArray* out) const;
    // Makes what was appended durable.
    int sync();
    void close();

    // Replaces `name` in `folder` with a file holding `bytes` so that a crash leaves either
    // the old file or the whole new one: written beside it, made durable, renamed over it,
    // and the folder made durable.
    static int writeDurably(const SyncedFolder& folder, const QByteArray& name,
                            const QByteArray& bytes);

private:
    int m_fd = -1;
};

} // namespace platform
