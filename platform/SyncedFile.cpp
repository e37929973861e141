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

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
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
        // The file is ours and empty; left behind it would block the folder as a journal.
        struct stat created;
        struct stat current;
        if (::fstat(m_fd, &created) == 0 &&
            ::fstatat(folder.handle(), name.constData(), &current, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(created, current))
            ::unlinkat(folder.handle(), name.constData(), 0);
        close();
        return EBUSY;
    }
    return 0;
}

int SyncedFile::openLocked(const SyncedFolder& folder, const QByteArray& name)
{
    close();
    // Non-blocking, so that a FIFO or a device planted under the name cannot hang the open.
    m_fd = ::openat(folder.handle(), name.constData(),
                    O_RDWR | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (m_fd < 0)
        return errno;
    struct stat opened;
    if (::fstat(m_fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        close();
        return EINVAL;
    }
    if (lockRefused(m_fd)) {
        close();
        return EBUSY;
    }
    struct stat current;
    if (::fstatat(folder.handle(), name.constData(), &current, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameFile(opened, current)) {
        close();
        return ENOENT;
    }
    return 0;
}

qint64 SyncedFile::size() const
{
    struct stat st;
    return m_fd >= 0 && ::fstat(m_fd, &st) == 0 ? qint64(st.st_size) : -1;
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

int SyncedFile::writeDurably(const SyncedFolder& folder, const QByteArray& name,
                             const QByteArray& bytes)
{
    if (!folder.isOpen())
        return folder.openError();
    const QByteArray temporary = name + ".new-" + QByteArray::number(::getpid());
    ::unlinkat(folder.handle(), temporary.constData(), 0);
    SyncedFile file;
    int e = file.createExclusive(folder, temporary);
    if (e != 0)
        return e;
    e = file.append(bytes);
    if (e == 0)
        e = file.sync();
    file.close();
    if (e == 0)
        e = ::renameat(folder.handle(), temporary.constData(), folder.handle(), name.constData()) ==
                    0
                ? 0
                : errno;
    if (e != 0) {
        ::unlinkat(folder.handle(), temporary.constData(), 0);
        return e;
    }
    return folder.sync();
}

} // namespace platform
