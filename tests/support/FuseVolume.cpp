#include "tests/support/FuseVolume.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString findProgram(const QString& name)
{
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(
                                 name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")})
                           : found;
}

bool zeroBlock(const QString& image, qint64 block, qint64 blockSize)
{
    QFile file(image);
    return block > 0 && file.open(QIODevice::ReadWrite) && file.seek(block * blockSize) &&
           file.write(QByteArray(int(blockSize), '\0')) == blockSize;
}

} // namespace

FuseVolume::FuseVolume(Kind kind) : m_mountPoint(m_dir.filePath(QStringLiteral("volume")))
{
    const QString image = m_dir.filePath(QStringLiteral("volume.img"));
    if (!QFileInfo::exists(QStringLiteral("/dev/fuse"))) {
        m_skipReason = "no /dev/fuse here";
        return;
    }
    if (!m_dir.createDir(QStringLiteral("volume")) ||
        !(kind == Kind::Fat ? makeFat(image) : makeDamagedExt2(image)))
        return;
    m_mounted = true;
}

FuseVolume::~FuseVolume()
{
    if (m_mounted)
        run(QStringLiteral("umount"), {QStringLiteral("-l"), m_mountPoint});
}

bool FuseVolume::makeFat(const QString& image)
{
    m_skipReason = "no FAT volume can be mounted here (needs root, fusefat and dosfstools)";
    return run(QStringLiteral("mkfs.vfat"),
               {QStringLiteral("-C"), image, QStringLiteral("4096")}) &&
           run(QStringLiteral("fusefat"),
               {QStringLiteral("-o"), QStringLiteral("rw+"), image, m_mountPoint});
}

bool FuseVolume::makeDamagedExt2(const QString& image)
{
    m_skipReason = "no damaged ext2 volume can be mounted here (needs root, fuse2fs and e2fsprogs)";
    const QString debugfs = QStringLiteral("debugfs");
    const QString folder = damagedFolder();
    QByteArray blocks;
    if (!run(QStringLiteral("mke2fs"),
             {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ext2"),
              QStringLiteral("-b"), QStringLiteral("1024"), image, QStringLiteral("512")}) ||
        !run(debugfs, {QStringLiteral("-w"), QStringLiteral("-R"),
                       QStringLiteral("mkdir ") + folder, image}) ||
        !run(debugfs,
             {QStringLiteral("-w"), QStringLiteral("-R"),
              QStringLiteral("write /dev/null ") + folder + QStringLiteral("/Lost.mp3"), image}) ||
        !run(debugfs, {QStringLiteral("-R"), QStringLiteral("blocks ") + folder, image}, &blocks))
        return false;
    // The folder's one block of entries, zeroed: its record lengths become impossible.
    return zeroBlock(image, blocks.trimmed().toLongLong(), 1024) &&
           run(QStringLiteral("fuse2fs"),
               {QStringLiteral("-o"), QStringLiteral("ro"), image, m_mountPoint});
}

bool FuseVolume::run(const QString& program, const QStringList& arguments, QByteArray* output)
{
    const QString path = findProgram(program);
    if (path.isEmpty())
        return false;
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    // A driver goes on in the background after mounting; it must hold no pipe of ours.
    if (!output)
        process.setStandardOutputFile(QProcess::nullDevice());
    process.start(path, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}
