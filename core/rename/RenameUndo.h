#pragma once

#include "core/rename/RenameCheck.h"
#include "core/rename/RenameStatus.h"
#include "core/rename/RunHistory.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace renaming {

// What became of one file of the run being undone.
struct UndoOutcome
{
    QByteArray name; // the name the run gave it
    bool back = false;
    bool changed = false; // its size or time changed since the run
    QString reason;       // why it was left alone
};

// Takes back the newest run recorded for a folder. judge() looks at the folder for each file
// of the run: it goes back when the name the run gave it still holds the file the run left
// (the same inode; on a file system whose inode numbers do not survive a remount, the same
// size); a file renamed, removed or replaced since is left alone. The files that go back are
// renamed by the rename engine like any run, from requests(): the engine's check refuses a
// name that another file holds now. markUndoing() records, before the renames, that the run
// is being undone, so that a recovery of a killed undo settles it instead of recording a new
// run; settle() then takes the files that went back off the run.
class RenameUndo
{
public:
    enum class Verdict
    {
        GoesBack,
        GoesBackChanged, // the same file, with another size or time (a tag editor)
        AlreadyBack,     // under its earlier name already
        RenamedSince,
        Gone,
        Replaced,
    };

    struct File
    {
        RecordedFile recorded;
        Verdict verdict = Verdict::Gone;
        QByteArray nameNow; // for RenamedSince
        qint64 size = 0;    // as the folder has it now, for the files that go back
        qint64 mtimeNsec = 0;
    };

    explicit RenameUndo(const QByteArray& folderPath);

    RunHistory::Load load();
    RunHistory::Damage damage() const { return m_history.damage(); }
    // The run that is undone; only after load() said Ok.
    const RecordedRun& run() const { return m_history.runs()[size_t(m_run)]; }

    // False, judging nothing, when the folder cannot be opened: its files are not known gone.
    bool judge();
    const std::vector<File>& files() const { return m_files; }
    std::vector<RenameRequest> requests() const;

    // 0 or the system's error, when the history could not be written (nothing is renamed then).
    int markUndoing();
    // `requests` and `results` of the engine's run; 0 or the error that kept the history from
    // being written.
    int settle(const std::vector<RenameRequest>& requests,
               const std::vector<RenameRowResult>& results);
    const std::vector<UndoOutcome>& outcomes() const { return m_outcomes; }

    // Takes off run `index` the files whose recorded new names are in `back`: the run goes when
    // none is left; the others stay, as undone when the undo left some file alone (so Undo
    // goes on to the run before), else as a run whose rest can still be undone.
    static void settleRun(RunHistory& history, int index, const NameSet& back, bool leftAlone);

private:
    QByteArray m_folderPath;
    RunHistory m_history;
    int m_run = -1;
    std::vector<File> m_files;
    std::vector<UndoOutcome> m_outcomes;
};

} // namespace renaming
