#include "platform/Volumes.h"

#include "platform/DirEnum.h"
#include "platform/MountTable.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {

namespace {

QByteArray readMountInfo()
{
    QByteArray text;
    const int fd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return text;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            text.append(buffer, int(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    ::close(fd);
    return text;
}

// A path as the mount table writes it: absolute, no "." or "..", links resolved when it
// exists, no trailing separator but for "/".
QByteArray normalizedPath(const QString& path)
{
    const QFileInfo info(path);
    QString clean =
        info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    if (clean.isEmpty())
        clean = QDir::cleanPath(info.absoluteFilePath());
    return encodePath(clean);
}

bool isPrefixFolder(const QByteArray& folder, const QByteArray& path)
{
    if (folder == "/")
        return path.startsWith('/');
    return path.startsWith(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

bool readStatvfs(const QString& path, struct statvfs& st)
{
    const QByteArray bytes = encodePath(path);
    return !bytes.isEmpty() && ::statvfs(bytes.constData(), &st) == 0;
}

} // namespace

std::vector<Volume> listVolumes()
{
    return volumesFromMounts(parseMountInfo(readMountInfo()), SystemFolders());
}

Volume volumeOf(const QString& path)
{
    const QByteArray target = normalizedPath(path);
    const std::vector<MountEntry> mounts = parseMountInfo(readMountInfo());
    const MountEntry* best = nullptr;
    // Later entries are mounted on top of earlier ones, so ties go to the later entry.
    for (const MountEntry& entry : mounts) {
        if (isPrefixFolder(entry.mountPoint, target) &&
            (!best || entry.mountPoint.size() >= best->mountPoint.size()))
            best = &entry;
    }
    if (!best) {
        Volume volume;
        volume.type = DriveType::NoRoot;
        return volume;
    }
    return volumeFromMount(*best, SystemFolders());
}

qint64 volumeTotalBytes(const QString& path)
{
    struct statvfs st;
    if (!readStatvfs(path, st))
        return -1;
    return qint64(st.f_blocks) * qint64(st.f_frsize);
}

qint64 volumeFreeBytes(const QString& path)
{
    struct statvfs st;
    if (!readStatvfs(path, st))
        return -1;
    return qint64(st.f_bavail) * qint64(st.f_frsize);
}

bool volumeReady(const QString& mountPoint)
{
    if (mountPoint.isEmpty())
        return false;
    const QByteArray target = normalizedPath(mountPoint);
    bool mounted = false;
    for (const MountEntry& entry : parseMountInfo(readMountInfo()))
        mounted = mounted || entry.mountPoint == target;
    if (!mounted)
        return false;
    const int fd = ::open(target.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR* stream = ::fdopendir(fd);
    if (!stream) {
        ::close(fd);
        return false;
    }
    // A dead network mount opens but fails on the first read.
    errno = 0;
    const bool readable = ::readdir(stream) != nullptr || errno == 0;
    ::closedir(stream);
    return readable;
}

QString computerName()
{
    return QStringLiteral("Computer");
}

} // namespace platform
