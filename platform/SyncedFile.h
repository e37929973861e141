#pragma once

#include <QByteArray>

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

    // Creates `name` (EEXIST when it exists) and locks it.
    int createExclusive(const SyncedFolder& folder, const QByteArray& name);
    // Opens `name` for reading and appending; EBUSY when another process holds its lock,
    // ENOENT when it is gone or was replaced while we waited for the lock.
    int openLocked(const SyncedFolder& folder, const QByteArray& name);
    bool isOpen() const { return m_fd >= 0; }
    int append(const QByteArray& bytes);
    int readAll(QByteArray* out) const;
    // Makes what was appended durable.
    int sync();
    void close();

private:
    int m_fd = -1;
};

} // namespace platform
