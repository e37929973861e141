#pragma once

#include <QByteArray>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

// A folder read entry by entry on raw names, closed on every way out. Inside platform/ only.
class DirStream
{
public:
    // An empty path is the working folder.
    explicit DirStream(const QByteArray& dir)
    {
        const int fd =
            ::open(dir.isEmpty() ? "." : dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        m_stream = ::fdopendir(fd);
        if (!m_stream)
            ::close(fd);
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
    // The next entry, or null at the end.
    const dirent* next() { return ::readdir(m_stream); }

private:
    DIR* m_stream = nullptr;
};

} // namespace platform
