#include "app/ListedFolderWatcher.h"

#include <QFileInfo>

ListedFolderWatcher::ListedFolderWatcher(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, &ListedFolderWatcher::report);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &ListedFolderWatcher::noticeChange);
}

void ListedFolderWatcher::setFolder(const QString& path)
{
    const QStringList watched = m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    m_folder = path;
    m_pending = false;
    m_settle.stop();
    if (!m_folder.isEmpty())
        m_watcher.addPath(m_folder);
}

void ListedFolderWatcher::hold()
{
    ++m_holds;
}

void ListedFolderWatcher::release()
{
    Q_ASSERT(m_holds > 0);
    if (--m_holds == 0 && m_pending)
        m_settle.start();
}

void ListedFolderWatcher::noticeChange()
{
    m_pending = true;
    // Not restarted on each notification: a steady stream of changes is still reported.
    if (m_holds == 0 && !m_settle.isActive())
        m_settle.start();
}

void ListedFolderWatcher::report()
{
    if (!m_pending || m_holds > 0)
        return;
    // A question the window did not put itself (a recovery at start-up) ends without telling
    // us; look again shortly.
    if (m_isBusy && m_isBusy()) {
        m_settle.start();
        return;
    }
    m_pending = false;
    // A folder that was removed and made again is a new folder for the system's watch.
    if (!m_folder.isEmpty() && !m_watcher.directories().contains(m_folder) &&
        QFileInfo(m_folder).isDir())
        m_watcher.addPath(m_folder);
    emit changed();
}
