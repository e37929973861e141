#pragma once

#include "platform/Volumes.h"

#include <QByteArray>
#include <QtGlobal>

#include <vector>

namespace platform {

// One line of the kernel's mount table (/proc/self/mountinfo), escapes decoded.
struct MountEntry
{
    quint32 major = 0;
    quint32 minor = 0;
    QByteArray root;       // the folder of the file system that is mounted ("/" for all of it)
    QByteArray mountPoint; // where it is mounted
    QByteArray fsType;     // "ext4", "fuse.sshfs", ...
    QByteArray source;     // "/dev/sda1", "server:/export", "tmpfs", ...
};

// Where the classification looks for devices; tests point these into a temporary folder.
struct SystemFolders
{
    QByteArray sysRoot = "/sys";                // holds dev/block/<major>:<minor>
    QByteArray labelDir = "/dev/disk/by-label"; // links named after volume labels
};

// The entries of a mountinfo text in table order; malformed lines are skipped.
std::vector<MountEntry> parseMountInfo(const QByteArray& text);

// The volume type of a mount: removable and optical media are recognised through the block
// device's sysfs entry, network and RAM file systems by their type.
DriveType classifyMount(const MountEntry& entry, const SystemFolders& folders);

// Whether a file manager shows the mount: pseudo, loop, snap and container-layer file systems
// and the system's own folders (/proc, /sys, /dev, /run) are hidden; "/" is always shown.
bool isShownMount(const MountEntry& entry);

// The volume a mount stands for: type, label (or the mount point's last segment), device.
Volume volumeFromMount(const MountEntry& entry, const SystemFolders& folders);

// The shown volumes of a mount table, "/" first, then by mount point. A mount point mounted
// over again is listed once, for the mount on top.
std::vector<Volume> volumesFromMounts(const std::vector<MountEntry>& mounts,
                                      const SystemFolders& folders);

// The volume label of the device `major`:`minor` found in `labelDir`; empty when none.
QString deviceLabel(quint32 major, quint32 minor, const QByteArray& labelDir);

} // namespace platform
