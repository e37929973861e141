#include "platform/TreeSize.h"

#include "platform/DirStream.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

void addFolder(int dirFd, TreeTotals& totals)
{
    DIR* stream = ::fdopendir(dirFd);
    if (!stream) {
        ::close(dirFd);
        return;
    }
    while (const dirent* e = ::readdir(stream)) {
        if (isDotEntry(e->d_name))
            continue;
        struct stat st;
        if (::fstatat(::dirfd(stream), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            ++totals.folders;
            const int child = ::openat(::dirfd(stream), e->d_name,
                                       O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0)
                addFolder(child, totals);
        } else {
            ++totals.files;
            if (S_ISREG(st.st_mode))
                totals.bytes += qint64(st.st_size);
        }
    }
    ::closedir(stream);
}

} // namespace

TreeTotals measureTree(const QByteArray& path)
{
    TreeTotals totals;
    struct stat st;
    if (path.isEmpty() || ::lstat(path.constData(), &st) != 0)
        return totals;
    if (!S_ISDIR(st.st_mode)) {
        totals.files = 1;
        totals.bytes = S_ISREG(st.st_mode) ? qint64(st.st_size) : 0;
        return totals;
    }
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0)
        addFolder(fd, totals);
    return totals;
}

} // namespace platform
