#include "platform/FileCopy.h"

#include "platform/NoReplaceRename.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr size_t chunkBytes = 1 << 20;

// A hidden name in the target's folder, so the final rename stays on one volume.
QByteArray temporaryTemplate(const QByteArray& to)
{
    const qsizetype slash = to.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : to.left(slash + 1);
    const QByteArray name = to.mid(slash + 1).left(200);
    return folder + '.' + name + ".XXXXXX";
}

int putInPlace(const QByteArray& temporary, const QByteArray& to, bool replace)
{
    const int e = replace ? (::rename(temporary.constData(), to.constData()) == 0 ? 0 : errno)
                          : renameNoReplaceAt(AT_FDCWD, temporary, to);
    if (e != 0)
        ::unlink(temporary.constData());
    return e;
}

int copyData(int in, int out, const CopyProgress& progress)
{
    std::vector<char> buffer(chunkBytes);
    qint64 copied = 0;
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        ssize_t written = 0;
        while (written < n) {
            const ssize_t w = ::write(out, buffer.data() + written, size_t(n - written));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return w < 0 ? errno : EIO;
            written += w;
        }
        copied += n;
        if (progress && !progress(copied))
            return ECANCELED;
    }
}

bool unsupported(int error)
{
    return error == ENOSYS || error == EOPNOTSUPP || error == EPERM;
}

} // namespace

int copyFile(const QByteArray& from, const QByteArray& to, bool replace,
             const CopyProgress& progress, bool sync)
{
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return errno;
    struct stat source;
    const int statError = ::fstat(in, &source) != 0 ? errno : S_ISREG(source.st_mode) ? 0 : EINVAL;
    if (statError != 0) {
        ::close(in);
        return statError;
    }
    QByteArray temporary = temporaryTemplate(to);
    const int out = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (out < 0) {
        const int e = errno;
        ::close(in);
        return e;
    }
    int e = copyData(in, out, progress);
    ::close(in);
    // A volume that holds no permissions (FAT through some drivers) refuses the call; the copy
    // is still whole.
    if (e == 0 && ::fchmod(out, source.st_mode & 0777) != 0 && !unsupported(errno))
        e = errno;
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (e == 0 && ::futimens(out, times) != 0)
        e = errno;
    if (e == 0 && sync && ::fdatasync(out) != 0)
        e = errno;
    if (::close(out) != 0 && e == 0)
        e = errno;
    if (e != 0) {
        ::unlink(temporary.constData());
        return e;
    }
    return putInPlace(temporary, to, replace);
}

int copySymlink(const QByteArray& from, const QByteArray& to, bool replace)
{
    QByteArray target(PATH_MAX + 1, '\0');
    const ssize_t n = ::readlink(from.constData(), target.data(), size_t(target.size()));
    if (n < 0)
        return errno;
    if (n > PATH_MAX)
        return ENAMETOOLONG;
    target.truncate(n);
    if (!replace)
        return ::symlink(target.constData(), to.constData()) == 0 ? 0 : errno;
    // mkostemp gives a free name; the link takes its place.
    QByteArray temporary = temporaryTemplate(to);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    ::close(fd);
    ::unlink(temporary.constData());
    if (::symlink(target.constData(), temporary.constData()) != 0)
        return errno;
    return putInPlace(temporary, to, true);
}

} // namespace platform
