#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace platform {

enum class DriveType
{
    Unknown,
    NoRoot,
    Removable,
    Fixed,
    Remote,
    CDRom,
    RamDisk
};

// A mounted volume as a file manager shows it: the root file system, block, removable,
// optical and network volumes; no pseudo, loop or snap file systems.
struct Volume
{
    QString mountPoint; // "/" or "/media/user/STICK", no trailing separator but for "/"
    QString label;      // the volume's label, or its mount point's last segment
    DriveType type = DriveType::Unknown;
    QString fsType;    // "ext4", "vfat", "nfs", ...
    QByteArray device; // "/dev/sda1", "server:/export", ...
};

// The volumes of the machine, the root file system first, then by mount point.
std::vector<Volume> listVolumes();

// The volume that holds `path` (the longest mount point that is a prefix of it).
Volume volumeOf(const QString& path);

// Capacity and free space for the calling user, in bytes; -1 when the volume cannot be read.
qint64 volumeTotalBytes(const QString& path);
qint64 volumeFreeBytes(const QString& path);

// A volume is ready when it is mounted and its root can be read.
bool volumeReady(const QString& mountPoint);

// The name the file manager gives the machine's root node ("Computer").
QString computerName();

} // namespace platform
