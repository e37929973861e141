#include "platform/FsProbe.h"

#include "platform/SyncedFolder.h"

#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr long kMsdosMagic = 0x4d44;
constexpr long kExfatMagic = 0x2011BAB0;

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

Answer lookUpSwapped(int dirFd, const QByteArray& name)
{
    const QByteArray swapped = swapAsciiCase(name);
    if (swapped == name)
        return Answer::Unknown;
    struct stat original;
    if (::fstatat(dirFd, name.constData(), &original, AT_SYMLINK_NOFOLLOW) != 0)
        return Answer::Unknown;
    struct stat other;
    if (::fstatat(dirFd, swapped.constData(), &other, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Answer::Sensitive : Answer::Unknown;
    const bool same = other.st_dev == original.st_dev && other.st_ino == original.st_ino;
    return same ? Answer::Insensitive : Answer::Sensitive;
}

Answer probeWithFile(int dirFd)
{
    const QByteArray name =
        ".orven-case-probe-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
    const int fd = ::openat(dirFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return Answer::Unknown;
    ::close(fd);
    const Answer answer = lookUpSwapped(dirFd, name);
    ::unlinkat(dirFd, name.constData(), 0);
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
    if (names.empty())
        folder.readNames(&read);
    Answer answer = Answer::Unknown;
    for (const QByteArray& name : names.empty() ? read : names) {
        answer = lookUpSwapped(folder.handle(), name);
        if (answer != Answer::Unknown)
            break;
    }
    if (answer == Answer::Unknown)
        answer = probeWithFile(folder.handle());
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

} // namespace platform
