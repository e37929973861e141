#include "platform/SyncedFolder.h"

#include "platform/DirStream.h"
#include "platform/NoReplaceRename.h"

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileError fileErrorOf(int sysError)
{
    switch (sysError) {
    case 0:
        return FileError::None;
    case EEXIST:
    case ENOTEMPTY:
        return FileError::Exists;
    case ENOENT:
    case ENOTDIR:
        return FileError::NotFound;
    case EACCES:
    case EPERM:
        return FileError::AccessDenied;
    case EROFS:
        return FileError::ReadOnly;
    case ENAMETOOLONG:
        return FileError::NameTooLong;
    case ENOSPC:
    case EDQUOT:
        return FileError::NoSpace;
    case EFBIG:
        return FileError::TooLarge;
    case ELOOP:
        return FileError::SymbolicLink;
    case EINVAL:
    case ENOSYS:
        return FileError::Invalid;
    case EBUSY:
    case ETXTBSY:
        return FileError::Busy;
    default:
        return FileError::Other;
    }
}

int errorNumber(FileError kind)
{
    switch (kind) {
    case FileError::None:
        return 0;
    case FileError::Exists:
        return EEXIST;
    case FileError::NotFound:
        return ENOENT;
    case FileError::AccessDenied:
        return EACCES;
    case FileError::ReadOnly:
        return EROFS;
    case FileError::NameTooLong:
        return ENAMETOOLONG;
    case FileError::NoSpace:
        return ENOSPC;
    case FileError::TooLarge:
        return EFBIG;
    case FileError::SymbolicLink:
        return ELOOP;
    case FileError::Invalid:
        return EINVAL;
    case FileError::Busy:
        return EBUSY;
    case FileError::Other:
        break;
    }
    return EIO;
}

QString sysErrorText(int sysError)
{
    return qt_error_string(sysError);
}

SyncedFolder::SyncedFolder(const QByteArray& path) : m_path(path)
{
    m_fd = ::open(path.isEmpty() ? "." : path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        m_openError = errno;
}

SyncedFolder::~SyncedFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int SyncedFolder::stat(const QByteArray& name, FileStat* out) const
{
    struct stat st;
    if (::fstatat(m_fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        const int e = errno;
        *out = FileStat();
        return e;
    }
    out->inode = quint64(st.st_ino);
    // A link counts as its target for size and time, as the listing shows it.
    if (S_ISLNK(st.st_mode))
        ::fstatat(m_fd, name.constData(), &st, 0);
    out->exists = true;
    out->isDir = S_ISDIR(st.st_mode);
    out->size = out->isDir ? 0 : qint64(st.st_size);
    out->mtimeNsec = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return 0;
}

bool SyncedFolder::exists(const QByteArray& name) const
{
    struct stat st;
    return ::fstatat(m_fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

bool SyncedFolder::holdsEmptyFile(const QByteArray& name) const
{
    struct stat st;
    return ::fstatat(m_fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(st.st_mode) && st.st_size == 0;
}

int SyncedFolder::identity(FolderIdentity* out) const
{
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        return errno;
    out->device = quint64(st.st_dev);
    out->inode = quint64(st.st_ino);
    return 0;
}

int SyncedFolder::rename(const QByteArray& from, const QByteArray& to) const
{
    return renameNoReplaceAt(m_fd, from, to);
}

int SyncedFolder::rename(const QByteArray& from, const QByteArray& to,
                         const PlaceholderGuard& guard) const
{
    return renameNoReplaceGuardedAt(m_fd, from, to, guard);
}

int SyncedFolder::exchange(const QByteArray& a, const QByteArray& b) const
{
    return renameExchangeAt(m_fd, a, b);
}

quint64 SyncedFolder::inodeOf(const QByteArray& name) const
{
    struct stat st;
    return ::fstatat(m_fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? quint64(st.st_ino)
                                                                            : 0;
}

int SyncedFolder::remove(const QByteArray& name) const
{
    return ::unlinkat(m_fd, name.constData(), 0) == 0 ? 0 : errno;
}

int SyncedFolder::sync() const
{
    return ::fsync(m_fd) == 0 ? 0 : errno;
}

int SyncedFolder::readNames(std::vector<QByteArray>* out) const
{
    DirStream stream(m_fd);
    while (const dirent* e = stream.next()) {
        if (!isDotEntry(e->d_name))
            out->emplace_back(e->d_name);
    }
    return stream.error();
}

int SyncedFolder::nameMax() const
{
    const long max = ::fpathconf(m_fd, _PC_NAME_MAX);
    return max > 0 ? int(max) : 255;
}

} // namespace platform
