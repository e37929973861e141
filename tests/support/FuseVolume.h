#pragma once

#include "tests/support/TestDir.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A small file system image in a temporary folder, mounted through a user-space driver for as
// long as the object lives, for what a folder on the machine's own disk cannot show: a FAT
// volume (letter case ignored, an inode number per spelling), or an ext2 volume holding one
// folder whose listing block is damaged, so reading that folder fails. Mounting needs root,
// /dev/fuse and the driver (fusefat with dosfstools, fuse2fs with e2fsprogs); without them
// isMounted() is false and skipReason() says what was missing.
class FuseVolume
{
public:
    enum class Kind
    {
        Fat,
        DamagedExt2,
    };

    explicit FuseVolume(Kind kind);
    ~FuseVolume();
    FuseVolume(const FuseVolume&) = delete;
    FuseVolume& operator=(const FuseVolume&) = delete;

    bool isMounted() const { return m_mounted; }
    const char* skipReason() const { return m_skipReason.constData(); }
    // The mount point.
    QString path() const { return m_mountPoint; }
    QString filePath(const QString& name) const { return m_mountPoint + u'/' + name; }

    // On a DamagedExt2 volume: the folder that cannot be read (it holds one track).
    static QString damagedFolder() { return QStringLiteral("Damaged"); }

private:
    bool makeFat(const QString& image);
    bool makeDamagedExt2(const QString& image);
    bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);

    TestDir m_dir;
    QString m_mountPoint;
    QByteArray m_skipReason;
    bool m_mounted = false;
};
