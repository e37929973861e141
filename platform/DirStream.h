#pragma once

#include <QByteArray>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

// True for the "." and ".." entries every folder lists.
inline bool isDotEntry(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// A folder read entry by entry on raw names, closed on every way out. readdir tells a failed
// read from the end of the folder only by errno, so the stream keeps the error of the call that
// stopped it: a folder was read whole only when error() is 0 once next() gave null. Inside
// platform/ only.
class DirStream
{
public:
    // An empty path is the working folder.
    explicit DirStream(const QByteArray& dir)
    {
        attach(::open(dir.isEmpty() ? "." : dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    // The folder open as `folderFd`, read through a descriptor of its own, so closing the
    // stream leaves `folderFd` open.
    explicit DirStream(int folderFd)
    {
        attach(::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    ~DirStream()
    {
        if (m_stream)
            ::closedir(m_stream);
    }
    DirStream(const DirStream&) = delete;
    DirStream& operator=(const DirStream&) = delete;

    bool isOpen() const { return m_stream != nullptr; }
    // The folder's descriptor, for fstatat on its entries.
    int fd() const { return ::dirfd(m_stream); }
    // The next entry, or null at the end of the folder or when reading it failed.
    const dirent* next()
    {
        // Whatever ran since the last entry may have left errno set; only readdir's own counts.
        errno = 0;
        const dirent* entry = ::readdir(m_stream);
        if (!entry)
            m_error = errno;
        return entry;
    }
    // 0, or why the folder could not be opened or read to its end.
    int error() const { return m_error; }

private:
    void attach(int fd)
    {
        if (fd < 0) {
            m_error = errno;
            return;
        }
        m_stream = ::fdopendir(fd);
        if (!m_stream) {
            m_error = errno;
            ::close(fd);
        }
    }

    DIR* m_stream = nullptr;
    int m_error = 0;
};

} // namespace platform
