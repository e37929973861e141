#include "platform/MountTable.h"

#include "platform/DirEnum.h"
#include "platform/PathSegment.h"

#include <QList>

#include <algorithm>
#include <cstring>
#include <set>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace platform {

namespace {

// The kernel writes blanks, tabs, newlines and backslashes of paths as "\ooo".
QByteArray decodeOctalEscapes(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
            field[i + 1] <= '3' && field[i + 2] >= '0' && field[i + 2] <= '7' &&
            field[i + 3] >= '0' && field[i + 3] <= '7') {
            out +=
                char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

// udev names label links with "\xNN" for blanks, slashes and other unsafe bytes.
QByteArray decodeHexEscapes(const QByteArray& name)
{
    QByteArray out;
    out.reserve(name.size());
    for (int i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
            bool ok = false;
            const int value = name.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += name[i];
    }
    return out;
}

bool isOneOf(const QByteArray& value, std::initializer_list<const char*> list)
{
    return std::any_of(list.begin(), list.end(),
                       [&value](const char* item) { return value == item; });
}

bool isUnder(const QByteArray& path, const char* folder)
{
    const size_t length = std::strlen(folder);
    return path.startsWith(folder) &&
           (size_t(path.size()) == length || path[qsizetype(length)] == '/');
}

bool isRemoteType(const MountEntry& entry)
{
    if (isOneOf(entry.fsType, {"nfs",
                               "nfs4",
                               "cifs",
                               "smb3",
                               "smbfs",
                               "ncpfs",
                               "afs",
                               "9p",
                               "ceph",
                               "glusterfs",
                               "lustre",
                               "davfs",
                               "coda",
                               "fuse.sshfs",
                               "fuse.rclone",
                               "fuse.s3fs",
                               "fuse.glusterfs",
                               "fuse.davfs2",
                               "fuse.curlftpfs",
                               "fuse.smbnetfs",
                               "fuse.gcsfuse",
                               "fuse.cephfs"}))
        return true;
    // Other FUSE clients name their server in the source: "user@host:/path", "https://...".
    if (entry.fsType == "fuse" || entry.fsType.startsWith("fuse.")) {
        const QByteArray& s = entry.source;
        return s.contains("://") || s.startsWith("//") || (s.contains(":/") && !s.startsWith('/'));
    }
    return false;
}

QByteArray readSmallFile(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    char buffer[256];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    return n > 0 ? QByteArray(buffer, int(n)).trimmed() : QByteArray();
}

bool fileExists(const QByteArray& path)
{
    struct stat st;
    return ::stat(path.constData(), &st) == 0;
}

QByteArray canonical(const QByteArray& path)
{
    char* resolved = ::realpath(path.constData(), nullptr);
    if (!resolved)
        return QByteArray();
    QByteArray out(resolved);
    ::free(resolved);
    return out;
}

// A block device's kind from its sysfs folder: the whole disk answers for a partition, and a
// device-mapper volume is removable when what it sits on is.
DriveType blockDeviceType(const QByteArray& deviceDir, int depth)
{
    QByteArray disk = deviceDir;
    if (fileExists(deviceDir + "/partition"))
        disk = deviceDir.left(deviceDir.lastIndexOf('/'));
    const QByteArray name = disk.mid(disk.lastIndexOf('/') + 1);
    if (name.startsWith("sr"))
        return DriveType::CDRom;
    if (readSmallFile(disk + "/removable") == "1" || disk.contains("/usb"))
        return DriveType::Removable;
    if (name.startsWith("mmcblk") && readSmallFile(disk + "/device/type") == "SD")
        return DriveType::Removable;
    if (depth < 4) {
        const QByteArray slaves = disk + "/slaves";
        if (DIR* stream = ::opendir(slaves.constData())) {
            DriveType type = DriveType::Fixed;
            while (const dirent* e = ::readdir(stream)) {
                if (e->d_name[0] == '.')
                    continue;
                const QByteArray slave = canonical(slaves + '/' + e->d_name);
                if (!slave.isEmpty() && blockDeviceType(slave, depth + 1) == DriveType::Removable)
                    type = DriveType::Removable;
            }
            ::closedir(stream);
            return type;
        }
    }
    return DriveType::Fixed;
}

} // namespace

std::vector<MountEntry> parseMountInfo(const QByteArray& text)
{
    std::vector<MountEntry> out;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf(QByteArray("-"), 6);
        if (fields.size() < 7 || dash < 0 || dash + 2 >= fields.size())
            continue;
        const QList<QByteArray> numbers = fields[2].split(':');
        if (numbers.size() != 2)
            continue;
        MountEntry entry;
        entry.major = numbers[0].toUInt();
        entry.minor = numbers[1].toUInt();
        entry.root = decodeOctalEscapes(fields[3]);
        entry.mountPoint = decodeOctalEscapes(fields[4]);
        entry.fsType = decodeOctalEscapes(fields[dash + 1]);
        entry.source = decodeOctalEscapes(fields[dash + 2]);
        out.push_back(std::move(entry));
    }
    return out;
}

DriveType classifyMount(const MountEntry& entry, const SystemFolders& folders)
{
    if (isRemoteType(entry))
        return DriveType::Remote;
    if (isOneOf(entry.fsType, {"tmpfs", "ramfs"}))
        return DriveType::RamDisk;
    if (isOneOf(entry.fsType, {"iso9660", "udf"}))
        return DriveType::CDRom;
    if (entry.major != 0) {
        const QByteArray link = folders.sysRoot + "/dev/block/" + QByteArray::number(entry.major) +
                                ':' + QByteArray::number(entry.minor);
        const QByteArray deviceDir = canonical(link);
        return deviceDir.isEmpty() ? DriveType::Fixed : blockDeviceType(deviceDir, 0);
    }
    // Btrfs subvolumes and ZFS datasets report anonymous device numbers.
    // In a container "/" is an overlay, which still is the machine's disk.
    if (entry.source.startsWith("/dev/") || isOneOf(entry.fsType, {"btrfs", "zfs", "bcachefs"}) ||
        entry.mountPoint == "/")
        return DriveType::Fixed;
    return DriveType::Unknown;
}

bool isShownMount(const MountEntry& entry)
{
    if (entry.mountPoint == "/")
        return true;
    if (isOneOf(entry.fsType, {"proc",        "sysfs",         "devtmpfs",
                               "devpts",      "securityfs",    "cgroup",
                               "cgroup2",     "pstore",        "bpf",
                               "debugfs",     "tracefs",       "mqueue",
                               "hugetlbfs",   "configfs",      "fusectl",
                               "autofs",      "binfmt_misc",   "efivarfs",
                               "rpc_pipefs",  "nsfs",          "selinuxfs",
                               "nfsd",        "squashfs",      "overlay",
                               "aufs",        "fuse.lxcfs",    "fuse.gvfsd-fuse",
                               "fuse.portal", "fuse.snapfuse", "fuse.xdg-document-portal"}))
        return false;
    // Loop devices carry disk images and snaps, not volumes the user plugged in.
    if (entry.major == 7 || entry.source.startsWith("/dev/loop"))
        return false;
    const QByteArray& m = entry.mountPoint;
    if (isUnder(m, "/run/media"))
        return true;
    return !(isUnder(m, "/proc") || isUnder(m, "/sys") || isUnder(m, "/dev") ||
             isUnder(m, "/run") || isUnder(m, "/snap") || isUnder(m, "/var/lib/docker") ||
             isUnder(m, "/var/lib/containers") || isUnder(m, "/var/snap"));
}

QString deviceLabel(quint32 major, quint32 minor, const QByteArray& labelDir)
{
    DIR* stream = ::opendir(labelDir.constData());
    if (!stream)
        return QString();
    QString label;
    while (const dirent* e = ::readdir(stream)) {
        if (e->d_name[0] == '.')
            continue;
        struct stat st;
        const QByteArray link = labelDir + '/' + e->d_name;
        if (::stat(link.constData(), &st) == 0 && S_ISBLK(st.st_mode) &&
            ::major(st.st_rdev) == major && ::minor(st.st_rdev) == minor) {
            label = displayName(decodeHexEscapes(QByteArray(e->d_name)));
            break;
        }
    }
    ::closedir(stream);
    return label;
}

Volume volumeFromMount(const MountEntry& entry, const SystemFolders& folders)
{
    Volume volume;
    volume.mountPoint = displayName(entry.mountPoint);
    volume.fsType = displayName(entry.fsType);
    volume.device = entry.source;
    volume.type = classifyMount(entry, folders);
    if (entry.major != 0)
        volume.label = deviceLabel(entry.major, entry.minor, folders.labelDir);
    if (volume.label.isEmpty())
        volume.label = entry.mountPoint == "/" ? volume.mountPoint
                                               : displayName(lastSegment(entry.mountPoint));
    return volume;
}

std::vector<Volume> volumesFromMounts(const std::vector<MountEntry>& mounts,
                                      const SystemFolders& folders)
{
    std::vector<Volume> out;
    std::set<QByteArray> seen;
    // Walk backwards so the mount on top of a stacked mount point wins.
    for (auto it = mounts.rbegin(); it != mounts.rend(); ++it) {
        const MountEntry& entry = *it;
        const bool onTop = seen.insert(entry.mountPoint).second;
        if (!onTop || !isShownMount(entry))
            continue;
        // Containers bind single files (/etc/hosts); only folders are volumes.
        struct stat st;
        if (entry.mountPoint != "/" && ::lstat(entry.mountPoint.constData(), &st) == 0 &&
            !S_ISDIR(st.st_mode))
            continue;
        out.push_back(volumeFromMount(entry, folders));
    }
    std::sort(out.begin(), out.end(), [](const Volume& a, const Volume& b) {
        const bool aRoot = a.mountPoint == QLatin1String("/");
        const bool bRoot = b.mountPoint == QLatin1String("/");
        if (aRoot != bRoot)
            return aRoot;
        return a.mountPoint < b.mountPoint;
    });
    return out;
}

} // namespace platform
