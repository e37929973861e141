#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace platform {

// Tells a folder tree when it has gone stale: a subfolder was created, removed or renamed in
// one of the folders it has read, or a volume was mounted or unmounted. Folders are watched
// with QFileSystemWatcher; a change is reported only when the folder's set of subfolder names
// differs from the one last seen, so files coming and going stay silent. The mount table is
// read again at a fixed interval and compared with the volumes seen before.
class ChangeNotifier : public QObject
{
    Q_OBJECT

public:
    // Why setting up the watch failed, in the order it is tried.
    enum class Status
    {
        Ready,
        MountTableMissing,    // the mount table cannot be opened
        MountTableUnreadable, // it opens but lists no mount
        FolderWatchRefused,   // the folder watcher refuses the root folder
    };

    static constexpr int DefaultPollInterval = 2000;

    static QString defaultMountTable() { return QStringLiteral("/proc/self/mountinfo"); }

    explicit ChangeNotifier(QObject* parent = nullptr,
                            const QString& mountTable = defaultMountTable(),
                            int pollIntervalMs = DefaultPollInterval);

    Status status() const { return m_status; }

    // Call before reading a folder, so that a change made while it is being read still
    // arrives, then hand in the subfolder names the read found.
    void watchFolder(const QByteArray& path);
    void setKnownSubfolders(const QByteArray& path, const QList<QByteArray>& names);
    // Forget every folder, for a tree that starts again from its root.
    void clearFolders();
    QStringList watchedFolders() const;

signals:
    void foldersChanged(const QString& folder);
    void volumesChanged();

private:
    void directoryChanged(const QString& folder);
    void pollMountTable();
    bool readMountTable(QByteArray& text) const;

    Status m_status = Status::Ready;
    QString m_mountTable;
    QByteArray m_lastMountText;
    QStringList m_lastVolumes;
    QTimer m_pollTimer;
    QFileSystemWatcher m_watcher;
    QHash<QString, QSet<QByteArray>> m_subfolders;
};

} // namespace platform
