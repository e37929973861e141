#include "core/rename/PendingRuns.h"

#include "platform/SyncedFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace renaming {

namespace {

const QString kSuffix = QStringLiteral(".run");
const QByteArray kHeader = QByteArrayLiteral("ORVENPR2\n");
// A record holds a path and two numbers; anything larger was not written by this program.
constexpr qint64 kMaxRecordBytes = 64 * 1024;

QByteArray recordName(const QByteArray& folderPath)
{
    const QByteArray hash = QCryptographicHash::hash(folderPath, QCryptographicHash::Sha1);
    return hash.toHex() + kSuffix.toLatin1();
}

bool parseRecord(const QByteArray& bytes, PendingRun* run)
{
    if (!bytes.startsWith(kHeader)) {
        // An earlier version's record: the folder's path alone.
        run->folderPath = bytes;
        run->hasIdentity = false;
        return !bytes.isEmpty() && bytes.startsWith('/');
    }
    const qsizetype lineEnd = bytes.indexOf('\n', kHeader.size());
    if (lineEnd < 0)
        return false;
    const QList<QByteArray> numbers =
        bytes.mid(kHeader.size(), lineEnd - kHeader.size()).split(' ');
    bool deviceOk = false;
    bool inodeOk = false;
    if (numbers.size() == 2) {
        run->identity.device = numbers[0].toULongLong(&deviceOk);
        run->identity.inode = numbers[1].toULongLong(&inodeOk);
    }
    run->folderPath = bytes.mid(lineEnd + 1);
    run->hasIdentity = true;
    return deviceOk && inodeOk && run->folderPath.startsWith('/');
}

bool lists(const PendingRun& run, const platform::SyncedFolder& folder)
{
    platform::FolderIdentity identity;
    if (run.hasIdentity)
        return folder.identity(&identity) == 0 && identity == run.identity;
    return run.folderPath == absoluteFolderPath(folder.path());
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

int rememberPendingRun(const platform::SyncedFolder& folder)
{
    platform::FolderIdentity identity;
    int e = folder.identity(&identity);
    if (e != 0)
        return e;
    if (!QDir().mkpath(pendingRunsDir()))
        return platform::errorNumber(platform::FileError::AccessDenied);
    const QByteArray path = absoluteFolderPath(folder.path());
    const QByteArray record = kHeader + QByteArray::number(identity.device) + ' ' +
                              QByteArray::number(identity.inode) + '\n' + path;
    const platform::SyncedFolder records(QFile::encodeName(pendingRunsDir()));
    return platform::SyncedFile::writeDurably(records, recordName(path), record);
}

void forgetPendingRun(const PendingRun& run)
{
    QFile::remove(run.recordPath);
}

void forgetPendingRun(const platform::SyncedFolder& folder)
{
    for (const PendingRun& run : pendingRuns()) {
        if (lists(run, folder))
            forgetPendingRun(run);
    }
}

bool isPendingRun(const platform::SyncedFolder& folder)
{
    for (const PendingRun& run : pendingRuns()) {
        if (lists(run, folder))
            return true;
    }
    return false;
}

std::vector<PendingRun> pendingRuns()
{
    std::vector<PendingRun> runs;
    const QDir dir(pendingRunsDir());
    const QStringList names = dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files);
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxRecordBytes)
            continue;
        PendingRun run;
        run.recordPath = file.fileName();
        if (parseRecord(file.read(kMaxRecordBytes), &run))
            runs.push_back(run);
    }
    return runs;
}

} // namespace renaming
