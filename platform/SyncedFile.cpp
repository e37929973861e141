#include "platform/SyncedFile.h"

#include "platform/SyncedFolder.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// A file system without flock support still gets the run; the exclusive name is the main lock.
bool lockRefused(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

} // namespace

SyncedFile::~SyncedFile()
{
    close();
}

int SyncedFile::createExclusive(const SyncedFolder& folder, const QByteArray& name)
{
    close();
    m_fd = ::openat(folder.handle(), name.constData(),
                    O_RDWR | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644);
    if (m_fd < 0)
        return errno;
    if (lockRefused(m_fd)) {
        close();
        return EBUSY;
    }
    return 0;
}

int SyncedFile::openLocked(const SyncedFolder& folder, const QByteArray& name)
{
    close();
    m_fd = ::openat(folder.handle(), name.constData(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (m_fd < 0)
        return errno;
    if (lockRefused(m_fd)) {
        close();
        return EBUSY;
    }
    struct stat opened;
    struct stat current;
    if (::fstat(m_fd, &opened) != 0 ||
        ::fstatat(folder.handle(), name.constData(), &current, AT_SYMLINK_NOFOLLOW) != 0 ||
        opened.st_dev != current.st_dev || opened.st_ino != current.st_ino) {
        close();
        return ENOENT;
    }
    return 0;
}

int SyncedFile::append(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        left -= written;
    }
    return 0;
}

int SyncedFile::readAll(QByteArray* out) const
{
    out->clear();
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(m_fd, buffer, sizeof buffer, offset);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
        out->append(buffer, qsizetype(got));
        offset += got;
    }
}

int SyncedFile::sync()
{
    return ::fdatasync(m_fd) == 0 ? 0 : errno;
}

void SyncedFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace platform
