#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Watches the folder the track list shows, so that files another program adds or removes
// there reach the list. Notifications that come in a burst (a copy of many files) are reported
// once, shortly after the first. While the window holds the watcher (a rename run, a recovery),
// or while the busy check says a question is open, a change is kept and reported after it.
class ListedFolderWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int SettleMs = 150;

    explicit ListedFolderWatcher(QObject* parent = nullptr);

    // The folder to watch; empty for none. Changes seen in the previous folder are dropped.
    void setFolder(const QString& path);
    QString folder() const { return m_folder; }
    // True while a change has been seen and not yet reported.
    bool hasPendingChange() const { return m_pending; }

    // Holds may nest; the last release reports what was seen meanwhile.
    void hold();
    void release();
    void setBusyCheck(const std::function<bool()>& isBusy) { m_isBusy = isBusy; }

signals:
    void changed();

private:
    void noticeChange();
    void report();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_folder;
    std::function<bool()> m_isBusy;
    int m_holds = 0;
    bool m_pending = false;
};
