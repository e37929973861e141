#pragma once

#include "app/RenameGroupMover.h"
#include "app/RenameJournal.h"
#include "app/RenameStatus.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

namespace platform {
class SyncedFolder;
}

namespace renaming {

// Finishes or undoes a rename run that was interrupted (a crash, a power loss, a kill) from
// the journal it left in its folder. Where each group of the plan stands is read from the
// folder's names, with the journal's marks for the cases the names cannot tell; every move
// is a rename that never replaces a file. A group whose names were changed by someone else
// is left as it is, except that a file under a temporary name is given back a name of its own
// when one is free. The journal goes once no file is left under a temporary name.
class RenameRecovery
{
public:
    enum class Action
    {
        Finish,
        RollBack,
    };

    // Where one file of the run ended.
    struct Row
    {
        QByteArray oldName;
        QByteArray newName;
        QByteArray currentName; // empty when the file was not found
        // Renamed, Unchanged (under its old name), or why it is not where the action takes it.
        RenameStatus status = RenameStatus::Pending;
        int sysError = 0;
    };

    explicit RenameRecovery(const QByteArray& folderPath);
    ~RenameRecovery();
    RenameRecovery(const RenameRecovery&) = delete;
    RenameRecovery& operator=(const RenameRecovery&) = delete;

    // Folders named by the pointers of the state folder that still hold a journal; pointers
    // whose folder has none are dropped.
    static std::vector<QByteArray> pendingFolders();
    // True when the folder holds a journal (of an unfinished run, or of one running now).
    static bool hasJournal(const QByteArray& folderPath);

    const QByteArray& folderPath() const { return m_folderPath; }
    // Reads the journal and works out where every file is.
    RenameJournal::Load load();
    RenameJournal::Load loadResult() const { return m_load; }
    QString loadDetail() const { return m_detail; }

    // Before an action: how many files of the run are under their new names, their old
    // names, and neither (a temporary name, or a place that cannot be worked out).
    int countAtNew() const;
    int countAtOld() const;
    int countElsewhere() const;

    // Takes every file to its new name (Finish) or back to its old name (RollBack).
    void carryOut(Action action);
    // For a journal that cannot be used: deletes only the journal and its pointer, never a
    // file of the run.
    bool discardJournal();

    // After carryOut: one row per file of the run.
    const std::vector<Row>& rows() const { return m_rows; }
    bool journalRemoved() const { return m_journalRemoved; }

private:
    int inferState(int g) const;
    int stateFromEnds(int g) const;
    void driveGroup(int g, int target);
    void placeStray(int g, Action action);
    void settle(int g, Action action, const RenameGroupMover::Result& failure);
    void removeJournal();

    QByteArray m_folderPath;
    std::unique_ptr<platform::SyncedFolder> m_folder;
    RenameJournal m_journal;
    RenameJournal::Load m_load = RenameJournal::Load::Missing;
    QString m_detail;
    // Each group's state, -1 when its names do not tell one.
    std::vector<int> m_state;
    std::vector<Row> m_rows;
    std::vector<int> m_rowOf; // plan row -> index in m_rows
    bool m_journalRemoved = false;
};

} // namespace renaming
