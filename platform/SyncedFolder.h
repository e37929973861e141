#pragma once

#include "platform/NoReplaceRename.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace platform {

// What a name in a folder currently holds.
struct FileStat
{
    bool exists = false;
    bool isDir = false;
    qint64 size = 0;
    qint64 mtimeNsec = 0; // nanoseconds since 1970-01-01 UTC, as the folder listing reports it
    quint64 inode = 0;    // of the name itself (a link is not followed)
};

// Which folder a descriptor is open on.
struct FolderIdentity
{
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FolderIdentity& other) const
    {
        return device == other.device && inode == other.inode;
    }
};

// The kinds of failure the rename run tells the user about.
enum class FileError
{
    None,
    Exists,
    NotFound,
    AccessDenied,
    ReadOnly,
    NameTooLong,
    NoSpace,
    TooLarge,
    SymbolicLink, // a link stands where a file was expected
    Invalid,      // not what the call takes (a journal that is not a regular file, say)
    Busy,
    Other,
};

FileError fileErrorOf(int sysError);
// A system error number of the kind, for failures found above the platform layer.
int errorNumber(FileError kind);
QString sysErrorText(int sysError);

// An open folder whose entries are reached relative to its descriptor, so a run keeps working
// on the same folder even when its path is renamed meanwhile. Names are the file system's
// bytes. Calls return 0 or the system's error number.
class SyncedFolder
{
public:
    explicit SyncedFolder(const QByteArray& path);
    ~SyncedFolder();
    SyncedFolder(const SyncedFolder&) = delete;
    SyncedFolder& operator=(const SyncedFolder&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int openError() const { return m_openError; }
    const QByteArray& path() const { return m_path; }
    int handle() const { return m_fd; }

    // Size and time as the listing reads them (a link counts as its target).
    int stat(const QByteArray& name, FileStat* out) const;
    // True when the name is taken by anything, a dangling link included.
    bool exists(const QByteArray& name) const;
    // True when the name holds an empty regular file (a link does not count).
    bool holdsEmptyFile(const QByteArray& name) const;
    // The device and inode numbers of the open folder.
    int identity(FolderIdentity* out) const;
    int rename(const QByteArray& from, const QByteArray& to) const;
    // As rename, calling `guard` before a placeholder is made under the target name.
    int rename(const QByteArray& from, const QByteArray& to, const PlaceholderGuard& guard) const;
    // Swaps the files of two names in one step: neither name is ever free or replaced.
    int exchange(const QByteArray& a, const QByteArray& b) const;
    // The inode a name holds (a link is not followed), 0 when the name is free.
    quint64 inodeOf(const QByteArray& name) const;
    int remove(const QByteArray& name) const;
    // Makes the folder's entries (creations, renames, removals) durable.
    int sync() const;
    // Every entry name but "." and "..".
    int readNames(std::vector<QByteArray>* out) const;
    // The longest name in bytes the folder's file system accepts.
    int nameMax() const;

private:
    QByteArray m_path;
    int m_fd = -1;
    int m_openError = 0;
};

} // namespace platform
