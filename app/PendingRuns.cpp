#include "app/PendingRuns.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace renaming {

namespace {

const QString kSuffix = QStringLiteral(".run");

QString pointerPath(const QByteArray& folderPath)
{
    const QByteArray hash =
        QCryptographicHash::hash(absoluteFolderPath(folderPath), QCryptographicHash::Sha1);
    return pendingRunsDir() + QLatin1Char('/') + QString::fromLatin1(hash.toHex()) + kSuffix;
}

} // namespace

QString pendingRunsDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/pending-runs");
}

QByteArray absoluteFolderPath(const QByteArray& folderPath)
{
    QByteArray path = folderPath;
    if (!path.startsWith('/'))
        path = QFile::encodeName(QDir::currentPath()) + '/' + path;
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

bool rememberPendingRun(const QByteArray& folderPath)
{
    if (!QDir().mkpath(pendingRunsDir()))
        return false;
    QSaveFile file(pointerPath(folderPath));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(absoluteFolderPath(folderPath));
    return file.commit();
}

void forgetPendingRun(const QByteArray& folderPath)
{
    QFile::remove(pointerPath(folderPath));
}

std::vector<QByteArray> pendingRunFolders()
{
    std::vector<QByteArray> folders;
    const QDir dir(pendingRunsDir());
    const QStringList names = dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files);
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            folders.push_back(file.readAll());
    }
    return folders;
}

} // namespace renaming
