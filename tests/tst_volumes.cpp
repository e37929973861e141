#include "platform/FsProbe.h"
#include "platform/MountTable.h"
#include "platform/Volumes.h"
#include "tests/support/FuseVolume.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using platform::DriveType;
using platform::MountEntry;

Q_DECLARE_METATYPE(platform::DriveType)

namespace {

QByteArray line(const char* numbers, const char* mountPoint, const char* fsType, const char* source)
{
    return QByteArray("30 1 ") + numbers + " / " + mountPoint + " rw,relatime shared:1 - " +
           fsType + ' ' + source + " rw\n";
}

MountEntry singleEntry(const QByteArray& text)
{
    const std::vector<MountEntry> entries = platform::parseMountInfo(text);
    return entries.empty() ? MountEntry() : entries.front();
}

} // namespace

class TestVolumes : public QObject
{
    Q_OBJECT

private:
    // A sysfs-like tree: dev/block/<numbers> links to a device folder under devices/.
    bool addBlockDevice(TestDir& sys, const QString& numbers, const QString& devicePath,
                        const QByteArray& removable, bool partition)
    {
        const QString disk = partition ? devicePath.left(devicePath.lastIndexOf(u'/')) : devicePath;
        if (!sys.createDir(devicePath) ||
            !sys.createFile(disk + QStringLiteral("/removable"), removable))
            return false;
        if (partition && !sys.createFile(devicePath + QStringLiteral("/partition"), "1"))
            return false;
        sys.createDir(QStringLiteral("dev/block"));
        return QFile::link(sys.filePath(devicePath),
                           sys.filePath(QStringLiteral("dev/block/") + numbers));
    }

private slots:
    void parsesFields_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("mountPoint");
        QTest::addColumn<QByteArray>("fsType");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<uint>("major");

        QTest::newRow("plain") << line("8:1", "/boot", "ext4", "/dev/sda1") << QByteArray("/boot")
                               << QByteArray("ext4") << QByteArray("/dev/sda1") << 8u;
        QTest::newRow("escaped-blank-and-backslash")
            << line("8:17", "/media/u/MY\\040STICK\\134x", "vfat", "/dev/sdb1")
            << QByteArray("/media/u/MY STICK\\x") << QByteArray("vfat") << QByteArray("/dev/sdb1")
            << 8u;
        QTest::newRow("no-optional-fields")
            << QByteArray("26 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n") << QByteArray("/")
            << QByteArray("ext4") << QByteArray("/dev/vda") << 254u;
        QTest::newRow("several-optional-fields")
            << QByteArray("40 26 0:45 / /net rw shared:5 master:2 propagate_from:1 - nfs4 "
                          "srv:/export rw\n")
            << QByteArray("/net") << QByteArray("nfs4") << QByteArray("srv:/export") << 0u;
    }

    void parsesFields()
    {
        QFETCH(QByteArray, mountPoint);
        QFETCH(QByteArray, fsType);
        QFETCH(QByteArray, source);
        QFETCH(uint, major);
        QFETCH(QByteArray, text);
        const MountEntry entry = singleEntry(text);
        QCOMPARE(entry.mountPoint, mountPoint);
        QCOMPARE(entry.fsType, fsType);
        QCOMPARE(entry.source, source);
        QCOMPARE(entry.major, major);
    }

    void skipsMalformedLines()
    {
        const QByteArray text =
            QByteArray("garbage\n\n12 1 8:1 / /x rw\n") + line("8:2", "/data", "xfs", "/dev/sda2");
        const std::vector<MountEntry> entries = platform::parseMountInfo(text);
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries.front().mountPoint, QByteArray("/data"));
    }

    void classifiesByFileSystem_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<DriveType>("type");

        QTest::newRow("root-overlay-in-container")
            << line("0:50", "/", "overlay", "overlay") << true << DriveType::Fixed;
        QTest::newRow("proc") << line("0:20", "/proc", "proc", "proc") << false
                              << DriveType::Unknown;
        QTest::newRow("tmpfs-under-dev")
            << line("0:22", "/dev/shm", "tmpfs", "tmpfs") << false << DriveType::RamDisk;
        QTest::newRow("tmpfs-under-run-user")
            << line("0:23", "/run/user/1000", "tmpfs", "tmpfs") << false << DriveType::RamDisk;
        QTest::newRow("tmpfs-tmp")
            << line("0:24", "/tmp", "tmpfs", "tmpfs") << true << DriveType::RamDisk;
        QTest::newRow("ramfs") << line("0:25", "/mnt/ram", "ramfs", "none") << true
                               << DriveType::RamDisk;
        QTest::newRow("nfs") << line("0:40", "/mnt/nfs", "nfs", "srv:/export") << true
                             << DriveType::Remote;
        QTest::newRow("cifs") << line("0:41", "/mnt/share", "cifs", "//srv/share") << true
                              << DriveType::Remote;
        QTest::newRow("sshfs") << line("0:42", "/home/u/remote", "fuse.sshfs", "u@host:/") << true
                               << DriveType::Remote;
        QTest::newRow("fuse-client-with-url")
            << line("0:43", "/mnt/dav", "fuse", "https://dav.example/") << true
            << DriveType::Remote;
        QTest::newRow("snap-squashfs-loop")
            << line("7:1", "/snap/core/1", "squashfs", "/dev/loop1") << false << DriveType::Fixed;
        QTest::newRow("loop-image")
            << line("7:2", "/mnt/image", "ext4", "/dev/loop2") << false << DriveType::Fixed;
        QTest::newRow("iso9660") << line("0:60", "/media/u/DISC", "iso9660", "/dev/sr0") << true
                                 << DriveType::CDRom;
        QTest::newRow("btrfs-anonymous-device")
            << line("0:31", "/home", "btrfs", "/dev/nvme0n1p2") << true << DriveType::Fixed;
        QTest::newRow("run-media-is-shown")
            << line("0:61", "/run/media/u/CARD", "udf", "/dev/sr1") << true << DriveType::CDRom;
        QTest::newRow("gvfs-fuse") << line("0:62", "/home/u/.gvfs", "fuse.gvfsd-fuse", "gvfsd-fuse")
                                   << false << DriveType::Unknown;
    }

    void classifiesByFileSystem()
    {
        QFETCH(bool, shown);
        QFETCH(DriveType, type);
        QFETCH(QByteArray, text);
        const MountEntry entry = singleEntry(text);
        TestDir emptySys;
        platform::SystemFolders folders;
        folders.sysRoot = emptySys.pathBytes();
        QCOMPARE(platform::isShownMount(entry), shown);
        QCOMPARE(platform::classifyMount(entry, folders), type);
    }

    void classifiesBlockDevices_data()
    {
        QTest::addColumn<QString>("devicePath");
        QTest::addColumn<QByteArray>("removable");
        QTest::addColumn<bool>("partition");
        QTest::addColumn<DriveType>("type");

        QTest::newRow("sata-partition") << QStringLiteral("devices/pci0/ata1/block/sda/sda1")
                                        << QByteArray("0\n") << true << DriveType::Fixed;
        QTest::newRow("removable-flag-on-disk")
            << QStringLiteral("devices/pci0/ata2/block/sdc/sdc1") << QByteArray("1\n") << true
            << DriveType::Removable;
        QTest::newRow("usb-disk-without-flag")
            << QStringLiteral("devices/pci0/usb1/1-1/host6/block/sdb/sdb1") << QByteArray("0\n")
            << true << DriveType::Removable;
        QTest::newRow("optical-whole-disk") << QStringLiteral("devices/pci0/ata3/block/sr0")
                                            << QByteArray("1\n") << false << DriveType::CDRom;
    }

    void classifiesBlockDevices()
    {
        QFETCH(QByteArray, removable);
        QFETCH(bool, partition);
        QFETCH(DriveType, type);
        TestDir sys;
        QFETCH(QString, devicePath);
        QVERIFY(addBlockDevice(sys, QStringLiteral("8:1"), devicePath, removable, partition));
        platform::SystemFolders folders;
        folders.sysRoot = sys.pathBytes();
        const MountEntry entry = singleEntry(line("8:1", "/media/u/X", "vfat", "/dev/x"));
        QCOMPARE(platform::classifyMount(entry, folders), type);
    }

    void sdCardReaderIsRemovable_data()
    {
        QTest::addColumn<QByteArray>("cardType");
        QTest::addColumn<DriveType>("type");
        QTest::newRow("sd-card") << QByteArray("SD\n") << DriveType::Removable;
        QTest::newRow("soldered-emmc") << QByteArray("MMC\n") << DriveType::Fixed;
    }

    void sdCardReaderIsRemovable()
    {
        QFETCH(QByteArray, cardType);
        QFETCH(DriveType, type);
        TestDir sys;
        const QString disk = QStringLiteral("devices/mmc0/block/mmcblk0");
        QVERIFY(addBlockDevice(sys, QStringLiteral("179:1"), disk + QStringLiteral("/mmcblk0p1"),
                               "0", true));
        QVERIFY(sys.createFile(disk + QStringLiteral("/device/type"), cardType));
        platform::SystemFolders folders;
        folders.sysRoot = sys.pathBytes();
        const MountEntry entry =
            singleEntry(line("179:1", "/media/u/SD", "exfat", "/dev/mmcblk0p1"));
        QCOMPARE(platform::classifyMount(entry, folders), type);
    }

    void encryptedVolumeOnUsbIsRemovable()
    {
        TestDir sys;
        const QString usbDisk = QStringLiteral("devices/pci0/usb2/2-1/block/sdd");
        QVERIFY(addBlockDevice(sys, QStringLiteral("8:49"), usbDisk + QStringLiteral("/sdd1"), "0",
                               true));
        const QString mapper = QStringLiteral("devices/virtual/block/dm-0");
        QVERIFY(addBlockDevice(sys, QStringLiteral("253:0"), mapper, "0", false));
        QVERIFY(sys.createDir(mapper + QStringLiteral("/slaves")));
        QVERIFY(QFile::link(sys.filePath(usbDisk + QStringLiteral("/sdd1")),
                            sys.filePath(mapper + QStringLiteral("/slaves/sdd1"))));
        platform::SystemFolders folders;
        folders.sysRoot = sys.pathBytes();
        const MountEntry entry = singleEntry(line("253:0", "/media/u/SAFE", "ext4", "/dev/dm-0"));
        QCOMPARE(platform::classifyMount(entry, folders), DriveType::Removable);
    }

    void listsShownVolumesOnceRootFirst()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("hosts")));
        const QByteArray boundFile = QFile::encodeName(dir.filePath(QStringLiteral("hosts")));
        const QByteArray text =
            line("0:30", "/srv/b", "ext4", "/dev/sdb1") + line("0:22", "/proc", "proc", "proc") +
            line("0:31", "/srv/a", "xfs", "/dev/sdc1") + line("0:32", "/srv/b", "tmpfs", "tmpfs") +
            line("254:0", boundFile.constData(), "ext4", "/dev/vda") +
            line("0:50", "/", "overlay", "overlay");
        platform::SystemFolders folders;
        folders.sysRoot = dir.pathBytes();
        folders.labelDir = dir.pathBytes() + "/no-labels";
        const std::vector<platform::Volume> volumes =
            platform::volumesFromMounts(platform::parseMountInfo(text), folders);
        QCOMPARE(volumes.size(), size_t(3));
        QCOMPARE(volumes[0].mountPoint, QStringLiteral("/"));
        QCOMPARE(volumes[0].label, QStringLiteral("/"));
        QCOMPARE(volumes[1].mountPoint, QStringLiteral("/srv/a"));
        QCOMPARE(volumes[1].label, QStringLiteral("a"));
        QCOMPARE(volumes[2].mountPoint, QStringLiteral("/srv/b"));
        QCOMPARE(volumes[2].fsType, QStringLiteral("tmpfs"));
        QCOMPARE(volumes[2].type, DriveType::RamDisk);
    }

    void labelComesFromLabelLinks()
    {
        // Needs a block device node to point at; the sandbox may have none.
        struct stat st;
        QByteArray device;
        for (const QString& name : QDir(QStringLiteral("/dev")).entryList(QDir::System)) {
            const QByteArray path = QFile::encodeName(QStringLiteral("/dev/") + name);
            if (::stat(path.constData(), &st) == 0 && S_ISBLK(st.st_mode)) {
                device = path;
                break;
            }
        }
        if (device.isEmpty())
            QSKIP("no block device node to link to");
        TestDir labels;
        QVERIFY(QFile::link(QFile::decodeName(device),
                            labels.filePath(QStringLiteral("MY\\x20STICK"))));
        QCOMPARE(
            platform::deviceLabel(::major(st.st_rdev), ::minor(st.st_rdev), labels.pathBytes()),
            QStringLiteral("MY STICK"));
        QCOMPARE(platform::deviceLabel(::major(st.st_rdev), ::minor(st.st_rdev) + 1000,
                                       labels.pathBytes()),
                 QString());
    }

    void machineVolumes()
    {
        const std::vector<platform::Volume> volumes = platform::listVolumes();
        QVERIFY(!volumes.empty());
        QCOMPARE(volumes.front().mountPoint, QStringLiteral("/"));
        for (const platform::Volume& volume : volumes)
            QVERIFY2(!volume.mountPoint.startsWith(QStringLiteral("/proc")),
                     qPrintable(volume.mountPoint));

        const qint64 total = platform::volumeTotalBytes(QStringLiteral("/"));
        const qint64 free = platform::volumeFreeBytes(QStringLiteral("/"));
        QVERIFY(total > 0);
        QVERIFY(free >= 0 && free <= total);
        QCOMPARE(platform::volumeTotalBytes(QStringLiteral("/no/such/volume")), qint64(-1));
        QCOMPARE(platform::volumeFreeBytes(QString()), qint64(-1));
        QCOMPARE(platform::computerName(), QStringLiteral("Computer"));
    }

    void volumeOfFindsTheLongestMountPoint()
    {
        TestDir dir;
        const platform::Volume volume = platform::volumeOf(dir.path());
        QVERIFY(!volume.mountPoint.isEmpty());
        const QString canonical = QDir(dir.path()).canonicalPath();
        QVERIFY2(volume.mountPoint == QStringLiteral("/") ||
                     canonical.startsWith(volume.mountPoint + u'/'),
                 qPrintable(volume.mountPoint));
        QCOMPARE(platform::volumeOf(QStringLiteral("/proc/self")).mountPoint,
                 QStringLiteral("/proc"));
    }

    void readiness_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("ready");
        QTest::newRow("root") << QStringLiteral("/") << true;
        QTest::newRow("root-with-extra-separator") << QStringLiteral("//") << true;
        QTest::newRow("missing") << QStringLiteral("/no/such/mount") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void readiness()
    {
        QFETCH(bool, ready);
        QFETCH(QString, path);
        QCOMPARE(platform::volumeReady(path), ready);
    }

    void letterCaseProbe_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("caseInsensitive");
        const QString disk = QStringLiteral("disk");
        const QString shm = QStringLiteral("tmpfs");
        const QString fat = QStringLiteral("fat");
        const QStringList none;
        const QStringList digits = {QStringLiteral("00001"), QStringLiteral("00002")};
        const QStringList track = {QStringLiteral("song.mp3")};
        const QStringList both = {QStringLiteral("song.mp3"), QStringLiteral("SONG.MP3")};
        QTest::newRow("disk/empty-folder-probe-file") << disk << none << false;
        QTest::newRow("disk/no-letters-probe-file") << disk << digits << false;
        QTest::newRow("disk/one-track") << disk << track << false;
        QTest::newRow("disk/both-spellings") << disk << both << false;
        QTest::newRow("tmpfs/empty-folder-probe-file") << shm << none << false;
        QTest::newRow("tmpfs/both-spellings") << shm << both << false;
        // The FAT driver gives each spelling of a name an inode number of its own.
        QTest::newRow("fat/empty-folder-probe-file") << fat << none << true;
        QTest::newRow("fat/no-letters-probe-file") << fat << digits << true;
        QTest::newRow("fat/one-track") << fat << track << true;
        QTest::newRow("fat/mixed-case-tracks")
            << fat << QStringList{QStringLiteral("Song.MP3"), QStringLiteral("b.mp3")} << true;
    }

    void letterCaseProbe()
    {
        QFETCH(QString, volume);
        QFETCH(QStringList, files);
        QFETCH(bool, caseInsensitive);
        std::unique_ptr<FuseVolume> fat;
        std::unique_ptr<QTemporaryDir> temporary;
        QString root;
        if (volume == QLatin1String("fat")) {
            fat = std::make_unique<FuseVolume>(FuseVolume::Kind::Fat);
            if (!fat->isMounted())
                QSKIP(fat->skipReason());
            root = fat->path();
        } else {
            const QString shm = QStringLiteral("/dev/shm");
            if (volume == QLatin1String("tmpfs") && QStorageInfo(shm).fileSystemType() != "tmpfs")
                QSKIP("/dev/shm is no tmpfs volume here");
            temporary = std::make_unique<QTemporaryDir>(volume == QLatin1String("tmpfs")
                                                            ? shm + QStringLiteral("/orven-XXXXXX")
                                                            : QString());
            QVERIFY(temporary->isValid());
            root = temporary->path();
        }
        const QString folder = root + QStringLiteral("/probe");
        QVERIFY(QDir().mkpath(folder));
        for (const QString& name : files) {
            QFile file(folder + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                          QDir::System | QDir::NoDotAndDotDot);
        QCOMPARE(platform::probeFileSystem(QFile::encodeName(folder)).caseInsensitive,
                 caseInsensitive);
        // The probe file is gone again.
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                        QDir::NoDotAndDotDot),
                 before);
    }

    void folderThatIsNoMountPointIsNotAVolume()
    {
        TestDir dir;
        QVERIFY(dir.createDir(QStringLiteral("sub")));
        QVERIFY(!platform::volumeReady(dir.filePath(QStringLiteral("sub"))));
    }
};

QTEST_GUILESS_MAIN(TestVolumes)
#include "tst_volumes.moc"
