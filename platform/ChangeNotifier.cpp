#include "platform/ChangeNotifier.h"

#include "platform/DirEnum.h"
#include "platform/MountTable.h"

#include <QFile>

namespace platform {

namespace {

// The subfolder names of a folder; false when it cannot be read (gone, no access).
bool readSubfolders(const QByteArray& path, QSet<QByteArray>& names)
{
    std::vector<DirEntry> entries;
    if (!enumerateDirectory(path, QByteArrayLiteral("*"), entries))
        return false;
    for (const DirEntry& entry : entries) {
        if ((entry.attributes & AttrDirectory) && entry.name != "." && entry.name != "..")
            names.insert(entry.name);
    }
    return true;
}

QStringList volumeMountPoints(const QByteArray& mountText)
{
    QStringList points;
    for (const Volume& volume : volumesFromMounts(parseMountInfo(mountText), SystemFolders()))
        points.append(volume.mountPoint);
    return points;
}

} // namespace

ChangeNotifier::ChangeNotifier(QObject* parent, const QString& mountTable, int pollIntervalMs)
    : QObject(parent), m_mountTable(mountTable)
{
    QFile table(m_mountTable);
    if (!table.open(QIODevice::ReadOnly)) {
        m_status = Status::MountTableMissing;
        return;
    }
    table.close();
    if (!readMountTable(m_lastMountText) || parseMountInfo(m_lastMountText).empty()) {
        m_status = Status::MountTableUnreadable;
        return;
    }
    if (!m_watcher.addPath(QStringLiteral("/"))) {
        m_status = Status::FolderWatchRefused;
        return;
    }
    m_watcher.removePath(QStringLiteral("/"));
    m_lastVolumes = volumeMountPoints(m_lastMountText);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &ChangeNotifier::directoryChanged);
    connect(&m_pollTimer, &QTimer::timeout, this, &ChangeNotifier::pollMountTable);
    m_pollTimer.start(pollIntervalMs);
}

void ChangeNotifier::watchFolder(const QByteArray& path)
{
    const QString folder = QFile::decodeName(path);
    if (m_status != Status::Ready || m_subfolders.contains(folder))
        return;
    // A name that does not decode cannot be watched; the folder is then simply not followed.
    if (m_watcher.addPath(folder))
        m_subfolders.insert(folder, QSet<QByteArray>());
}

void ChangeNotifier::setKnownSubfolders(const QByteArray& path, const QList<QByteArray>& names)
{
    const auto found = m_subfolders.find(QFile::decodeName(path));
    if (found != m_subfolders.end())
        *found = QSet<QByteArray>(names.cbegin(), names.cend());
}

void ChangeNotifier::clearFolders()
{
    const QStringList folders = m_watcher.directories();
    if (!folders.isEmpty())
        m_watcher.removePaths(folders);
    m_subfolders.clear();
}

QStringList ChangeNotifier::watchedFolders() const
{
    return m_subfolders.keys();
}

void ChangeNotifier::directoryChanged(const QString& folder)
{
    const auto found = m_subfolders.find(folder);
    if (found == m_subfolders.end())
        return;
    QSet<QByteArray> now;
    if (readSubfolders(QFile::encodeName(folder), now)) {
        if (now == *found)
            return;
        *found = now;
    } else {
        // The folder itself went away: stop following it.
        m_subfolders.erase(found);
        m_watcher.removePath(folder);
    }
    emit foldersChanged(folder);
}

void ChangeNotifier::pollMountTable()
{
    QByteArray text;
    if (!readMountTable(text) || text == m_lastMountText)
        return;
    m_lastMountText = text;
    const QStringList volumes = volumeMountPoints(text);
    if (volumes == m_lastVolumes)
        return;
    m_lastVolumes = volumes;
    emit volumesChanged();
}

bool ChangeNotifier::readMountTable(QByteArray& text) const
{
    // The kernel's table reports size 0; readAll then reads on to the end.
    QFile table(m_mountTable);
    if (!table.open(QIODevice::ReadOnly))
        return false;
    text = table.readAll();
    return true;
}

} // namespace platform
