#pragma once

#include "core/rename/RenameCheck.h"
#include "core/rename/RenameGroupMover.h"
#include "core/rename/RenameJournal.h"
#include "core/rename/RenamePlan.h"
#include "core/rename/RenameStatus.h"

#include <QByteArray>

#include <memory>
#include <vector>

namespace platform {
class SyncedFolder;
}

namespace renaming {

// Renames the files of one folder in one run, without a window: the main window's progress
// dialog and the batch mode both drive it.
//
// prepare() reads the folder, checks every row against the disk (the file is still the one
// that was listed, its target is free or held by another row's file, no two rows want the
// same name) and plans the run. The run then goes row by row through runStep(), so a caller
// can advance a bar after each: the first step writes the journal (which also locks the
// folder), the steps carry out the renames group by group, cycles through temporary names,
// and the last step makes the folder durable and removes the journal. A failed rename skips
// its row and the rows that depend on it; a cycle that fails half-way is put back. A cancel
// lets the group in hand finish and leaves the groups not begun under their old names; the
// run then ends as any other. Every row ends with its outcome in results().
class RenameEngine
{
public:
    RenameEngine();
    ~RenameEngine();
    RenameEngine(const RenameEngine&) = delete;
    RenameEngine& operator=(const RenameEngine&) = delete;

    // False when the run cannot start at all (the folder cannot be read, or it holds the
    // journal of an unfinished run); every row's result then says why. `requests` carry each
    // file's name as listed, with the size and modification time the listing read.
    bool prepare(const QByteArray& folderPath, const std::vector<RenameRequest>& requests);

    // Cycles of names are carried out by swapping files where the volume can (the default);
    // off, they always go through temporary names.
    void setSwapsAllowed(bool allowed) { m_swapsAllowed = allowed; }

    // One step per row.
    int stepCount() const { return int(m_rows.size()); }
    int stepsDone() const { return m_stepsDone; }
    // The steps done, without those of the rows a cancel left under their old names: what a
    // progress count shows as done.
    int rowsDone() const { return m_stepsDone - m_stepsCancelled; }
    // Carries out the next row's share of the run; false once every step is done.
    bool runStep();
    // Every remaining step.
    void run();
    // Stops the run after the group in progress: the groups not begun keep their old names and
    // their rows end as Cancelled; the next step finishes the group in hand and, once it is
    // whole, ends the run (the steps of the cancelled rows need no call).
    void cancel();
    bool isCancelled() const { return m_cancelled; }
    bool isFinished() const { return m_stepsDone >= stepCount(); }

    const RenamePlan& plan() const { return m_plan; }
    const std::vector<RenameRowResult>& results() const { return m_results; }
    // The rows as they were asked for, for the report.
    const std::vector<RenameRequest>& requests() const { return m_rows; }
    // True when the journal stays in the folder for a recovery: some file could not be put
    // under its old or new name, or the end of the run could not be made safe.
    bool journalKept() const { return m_keepJournal; }
    // Why the end of the run could not be made safe (the folder could not be made durable, or
    // the journal could not be removed): the system's error, 0 when it was.
    int finishError() const { return m_finishError; }

private:
    void failAll(RenameStatus status, int sysError);
    bool start();
    void advanceGroup(int g, int rowStep);
    void rollBackGroup(int g);
    void settleGroup(int g, const RenameGroupMover::Result& failure);
    bool announceExchanges(int g);
    bool useTemporaryNamesFrom(int g);
    void closePending();
    void endPhaseIfDue(int g);
    void abortJournal(int sysError);
    void skipCancelledSteps();
    void finish();

    QByteArray m_folderPath;
    std::unique_ptr<platform::SyncedFolder> m_folder;
    RenameJournal m_journal;
    std::unique_ptr<RenameGroupMover> m_mover;
    std::vector<RenameRequest> m_rows;
    RenamePlan m_plan;
    std::vector<RenameRowResult> m_results;
    // The group each step works on (-1: a row outside every group) and its place in it.
    std::vector<int> m_stepGroup;
    std::vector<int> m_stepIndex;
    std::vector<int> m_state;
    std::vector<int> m_maxState;
    std::vector<bool> m_settled;
    // Cycles one rename short of their end, waiting for their marks to be made durable in
    // one batch before their closing renames.
    std::vector<int> m_closing;
    int m_stepsDone = 0;
    int m_stepsCancelled = 0;
    int m_finishError = 0;
    int m_journalError = 0;
    int m_renamesSincePhase = 0;
    bool m_swapsAllowed = true;
    bool m_started = false;
    bool m_stopped = false;
    bool m_cancelled = false;
    bool m_journalCreated = false;
    bool m_journalBroken = false;
    bool m_keepJournal = false;
};

} // namespace renaming
