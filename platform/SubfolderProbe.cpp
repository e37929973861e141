#include "platform/SubfolderProbe.h"

#include "platform/DirStream.h"

#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace platform {

namespace {

// File systems whose folder link count is 2 plus the number of subfolders. Others give 1
// (vfat, btrfs, many FUSE drivers) or counts that cannot be trusted (nfs).
bool countsSubfolders(int fd)
{
    struct statfs fs;
    if (::fstatfs(fd, &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case EXT4_SUPER_MAGIC: // ext2 and ext3 too
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case TMPFS_MAGIC:
        return true;
    default:
        return false;
    }
}

// The answer the folder's link count gives, without reading its entries: 0 no subfolder, 1 at
// least one, -1 the count says nothing. A count below 2 means the file system stopped counting
// (ext4 past 65,000 subfolders, btrfs always).
int subfoldersByLinkCount(int fd)
{
    struct stat st;
    if (!countsSubfolders(fd) || ::fstat(fd, &st) != 0 || st.st_nlink < 2)
        return -1;
    return st.st_nlink > 2 ? 1 : 0;
}

} // namespace

bool hasSubfolder(const QByteArray& dir)
{
    DirStream stream(dir);
    if (!stream.isOpen())
        return false;
    if (const int counted = subfoldersByLinkCount(stream.fd()); counted >= 0)
        return counted == 1;
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
