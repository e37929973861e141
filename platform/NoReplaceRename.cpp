#include "platform/NoReplaceRename.h"

#include <cerrno>

#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

// Called through syscall() so that a C library without the wrapper still gets the flag.
int renameat2NoReplace(int fromDirFd, const char* from, int toDirFd, const char* to)
{
    return int(syscall(SYS_renameat2, fromDirFd, from, toDirFd, to, RENAME_NOREPLACE));
}

// For file systems that refuse RENAME_NOREPLACE (some FUSE and NFS): the target is reserved
// with an exclusive create, so a file that exists is never touched, and the rename then
// replaces only our own empty placeholder.
int renameOntoPlaceholder(int fromDirFd, const char* from, int toDirFd, const char* to,
                          const PlaceholderGuard& guard)
{
    struct stat source;
    if (fstatat(fromDirFd, from, &source, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    if (guard) {
        const int e = guard();
        if (e != 0)
            return e;
    }
    const int fd = openat(toDirFd, to, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    struct stat placeholder;
    const int statError = fstat(fd, &placeholder) == 0 ? 0 : errno;
    close(fd);
    if (statError != 0) {
        unlinkat(toDirFd, to, 0);
        return statError;
    }
    // Narrow the window in which someone could have swapped the placeholder for a real file.
    struct stat current;
    if (fstatat(toDirFd, to, &current, AT_SYMLINK_NOFOLLOW) != 0 ||
        current.st_dev != placeholder.st_dev || current.st_ino != placeholder.st_ino)
        return EEXIST;
    if (renameat(fromDirFd, from, toDirFd, to) != 0) {
        const int e = errno;
        unlinkat(toDirFd, to, 0);
        return e;
    }
    return 0;
}

int renameGuarded(int fromDirFd, const QByteArray& from, int toDirFd, const QByteArray& to,
                  const PlaceholderGuard& guard)
{
    if (from.isEmpty() || to.isEmpty())
        return ENOENT;
    if (renameat2NoReplace(fromDirFd, from.constData(), toDirFd, to.constData()) == 0)
        return 0;
    const int e = errno;
    if (e != EINVAL && e != ENOSYS)
        return e;
    return renameOntoPlaceholder(fromDirFd, from.constData(), toDirFd, to.constData(), guard);
}

} // namespace

int renameNoReplaceAt2(int fromDirFd, const QByteArray& from, int toDirFd, const QByteArray& to)
{
    return renameGuarded(fromDirFd, from, toDirFd, to, PlaceholderGuard());
}

int renameNoReplaceGuardedAt(int dirFd, const QByteArray& from, const QByteArray& to,
                             const PlaceholderGuard& guard)
{
    return renameGuarded(dirFd, from, dirFd, to, guard);
}

int renameNoReplaceAt(int dirFd, const QByteArray& from, const QByteArray& to)
{
    return renameNoReplaceAt2(dirFd, from, dirFd, to);
}

int replaceWith(const QByteArray& fromPath, const QByteArray& toPath)
{
    return ::renameat(AT_FDCWD, fromPath.constData(), AT_FDCWD, toPath.constData()) == 0 ? 0
                                                                                         : errno;
}

int renameExchangeAt(int dirFd, const QByteArray& a, const QByteArray& b)
{
    if (a.isEmpty() || b.isEmpty())
        return ENOENT;
    return syscall(SYS_renameat2, dirFd, a.constData(), dirFd, b.constData(), RENAME_EXCHANGE) == 0
               ? 0
               : errno;
}

bool renameNoReplace(const QByteArray& fromPath, const QByteArray& toPath, QString* error)
{
    const int e = renameNoReplaceAt(AT_FDCWD, fromPath, toPath);
    if (e != 0 && error)
        *error = qt_error_string(e);
    return e == 0;
}

} // namespace platform
