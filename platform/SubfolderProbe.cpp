#include "platform/SubfolderProbe.h"

#include "platform/DirStream.h"

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
    DirStream stream(dir);
    if (!stream.isOpen())
        return false;
    while (const dirent* e = stream.next()) {
        if (isDotEntry(e->d_name))
            continue;
        if (e->d_type == DT_DIR)
            return true;
        // Links count as what they point to; some file systems give no types at all.
        if (e->d_type != DT_LNK && e->d_type != DT_UNKNOWN)
            continue;
        struct stat st;
        if (::fstatat(stream.fd(), e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode))
            return true;
    }
    return false;
}

} // namespace platform
