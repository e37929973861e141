#pragma once

#include "core/rename/RenameGroupMover.h"
#include "core/rename/RenameJournal.h"
#include "core/rename/RenameStatus.h"

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
//
// The journal is the folder's, not the program's: it counts as this user's own only when the
// user's pending-run records list the folder; otherwise the caller must let the user decide
// before anything is done from it. A journal that cannot be used is set aside on request
// (renamed beside itself), never acted on.
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

    // Folders named by the pending-run records that still hold a journal; records whose
    // folder has none are dropped.
    static std::vector<QByteArray> pendingFolders();
    // True when the folder holds a journal (of an unfinished run, or of one running now).
    static bool hasJournal(const QByteArray& folderPath);

    const QByteArray& folderPath() const { return m_folderPath; }
    // Reads the journal and works out where every file is.
    RenameJournal::Load load();
    RenameJournal::Load loadResult() const { return m_load; }
    QString loadDetail() const { return m_detail; }
    // True when this user's records list the folder as one where a run of theirs stopped.
    bool isOwnRun() const { return m_ownRun; }
    // How many files the journal's plan renames.
    int plannedFiles() const { return int(m_rows.size()); }
    // The folder's names that a rename run gives as temporary names, for a journal whose plan
    // cannot be trusted to say which files they are.
    std::vector<QByteArray> temporaryNames() const;

    // Before an action: how many files of the run are under their new names, their old
    // names, and neither (a temporary name, or a place that cannot be worked out).
    int countAtNew() const;
    int countAtOld() const;
    int countElsewhere() const;

    // Takes every file to its new name (Finish) or back to its old name (RollBack).
    void carryOut(Action action);
    // For a journal cut off before its plan was whole (no file was renamed): deletes only the
    // journal and its record, never a file of the run.
    bool discardJournal();
    // Renames the journal to setAsideName() beside itself and drops its record; nothing else
    // changes. 0 or the system's error.
    int setAside();
    // The name the journal got from setAside().
    QByteArray setAsideName() const { return m_setAsideName; }

    // After carryOut: one row per file of the run.
    const std::vector<Row>& rows() const { return m_rows; }
    bool journalRemoved() const { return m_journalRemoved; }

private:
    bool isTaken(const QByteArray& name) const;
    void findPlaceholder();
    int inferState(int g) const;
    int exchangeState(int g) const;
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
    // An empty file the run made under a target just before it was killed, taken as free.
    QByteArray m_placeholder;
    QByteArray m_setAsideName;
    bool m_ownRun = false;
    bool m_journalRemoved = false;
};

} // namespace renaming
