#include "platform/SubfolderProbe.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool isDotEntry(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

} // namespace

bool hasSubfolder(const QByteArray& dir)
{
    const int dirFd =
        ::open(dir.isEmpty() ? "." : dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return false;
    DIR* stream = ::fdopendir(dirFd);
    if (!stream) {
        ::close(dirFd);
        return false;
    }
    bool found = false;
    while (const dirent* e = ::readdir(stream)) {
        if (isDotEntry(e->d_name))
            continue;
        if (e->d_type == DT_DIR) {
            found = true;
            break;
        }
        // Links count as what they point to; some file systems give no types at all.
        if (e->d_type != DT_LNK && e->d_type != DT_UNKNOWN)
            continue;
        struct stat st;
        if (::fstatat(dirFd, e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode)) {
            found = true;
            break;
        }
    }
    ::closedir(stream);
    return found;
}

} // namespace platform
