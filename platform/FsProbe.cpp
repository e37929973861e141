#include "platform/FsProbe.h"

#include "platform/SyncedFolder.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr long kMsdosMagic = 0x4d44;
constexpr long kExfatMagic = 0x2011BAB0;
// File systems whose inode numbers last as long as their files.
constexpr long kStableInodeMagics[] = {
    0xEF53,     // ext2, ext3, ext4
    0x58465342, // xfs
    0x9123683E, // btrfs
    0x01021994, // tmpfs
};

QByteArray swapAsciiCase(const QByteArray& name)
{
    QByteArray swapped = name;
    for (char& c : swapped) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return swapped;
}

enum class Answer
{
    Sensitive,
    Insensitive,
    Unknown,
};

// Looks `name`, one of the names `listed` in the folder, up with its letters' case swapped.
// When both spellings resolve, inode numbers cannot tell one entry from two (FUSE drivers
// number each spelling apart), but the listing can: a file system that holds both lists both.
Answer lookUpSwapped(int dirFd, const QByteArray& name, const std::vector<QByteArray>& listed)
{
    const QByteArray swapped = swapAsciiCase(name);
    if (swapped == name)
        return Answer::Unknown;
    struct stat st;
    if (::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return Answer::Unknown;
    if (::fstatat(dirFd, swapped.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Answer::Sensitive : Answer::Unknown;
    const bool bothListed = std::find(listed.begin(), listed.end(), swapped) != listed.end();
    return bothListed ? Answer::Sensitive : Answer::Insensitive;
}

Answer probeWithFile(const SyncedFolder& folder)
{
    const QByteArray name =
        ".orven-case-probe-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
    const int fd =
        ::openat(folder.handle(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return Answer::Unknown;
    ::close(fd);
    std::vector<QByteArray> listed;
    const Answer answer = folder.readNames(&listed) == 0
                              ? lookUpSwapped(folder.handle(), name, listed)
                              : Answer::Unknown;
    ::unlinkat(folder.handle(), name.constData(), 0);
    return answer;
}

bool caseInsensitiveType(int dirFd)
{
    struct statfs fs;
    if (::fstatfs(dirFd, &fs) != 0)
        return false;
    return long(fs.f_type) == kMsdosMagic || long(fs.f_type) == kExfatMagic;
}

} // namespace

FsTraits probeFileSystem(const SyncedFolder& folder, const std::vector<QByteArray>& names)
{
    FsTraits traits;
    if (!folder.isOpen())
        return traits;
    traits.nameMax = folder.nameMax();
    std::vector<QByteArray> read;
    // A listing cut short could miss the other spelling of a name; the probe file decides then.
    if (names.empty() && folder.readNames(&read) != 0)
        read.clear();
    Answer answer = Answer::Unknown;
    const std::vector<QByteArray>& listed = names.empty() ? read : names;
    for (const QByteArray& name : listed) {
        answer = lookUpSwapped(folder.handle(), name, listed);
        if (answer != Answer::Unknown)
            break;
    }
    if (answer == Answer::Unknown)
        answer = probeWithFile(folder);
    if (answer == Answer::Unknown)
        answer = caseInsensitiveType(folder.handle()) ? Answer::Insensitive : Answer::Sensitive;
    traits.caseInsensitive = answer == Answer::Insensitive;
    return traits;
}

FsTraits probeFileSystem(const QByteArray& folderPath)
{
    const SyncedFolder folder(folderPath);
    return probeFileSystem(folder);
}

bool exchangesWithStableInodes(const SyncedFolder& folder)
{
    struct statfs fs;
    return folder.isOpen() && ::fstatfs(folder.handle(), &fs) == 0 &&
           std::find(std::begin(kStableInodeMagics), std::end(kStableInodeMagics),
                     long(fs.f_type)) != std::end(kStableInodeMagics);
}

} // namespace platform
