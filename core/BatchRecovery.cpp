#include "core/BatchRecovery.h"

#include "core/NameEscape.h"
#include "core/rename/RenameRecovery.h"
#include "core/rename/RenameReport.h"
#include "core/rename/RunRecorder.h"
#include "platform/SyncedFolder.h"

#include <QTextStream>

namespace batchrecovery {

namespace {

using renaming::RenameJournal;
using renaming::RenameRecovery;

int setAside(RenameRecovery& recovery, QTextStream& out, QTextStream& err)
{
    const int e = recovery.setAside();
    if (e != 0) {
        err << renamereport::setAsideFailedText(recovery, e) << '\n';
        return 1;
    }
    out << "The journal was set aside as " << nameescape::escaped(recovery.setAsideName()) << ".\n";
    return 0;
}

int carryOut(RenameRecovery& recovery, RenameRecovery::Action action, QTextStream& out,
             QTextStream& err)
{
    recovery.carryOut(action);
    const renaming::RenameStatus goal = action == RenameRecovery::Action::Finish
                                            ? renaming::RenameStatus::Renamed
                                            : renaming::RenameStatus::Unchanged;
    int failed = 0;
    for (const RenameRecovery::Row& row : recovery.rows()) {
        if (row.status == goal)
            continue;
        ++failed;
        const renaming::RenameRowResult result{row.status, row.sysError, row.currentName};
        out << nameescape::escaped(row.oldName) << '\t' << result.text();
        if (!row.currentName.isEmpty() && row.currentName != row.oldName)
            out << " (now " << nameescape::escaped(row.currentName) << ')';
        out << '\n';
    }
    if (failed > 0)
        err << failed << " of " << recovery.rows().size() << " files could not be placed.\n";
    // Recorded once the run is settled for good: a journal left behind is recovered again.
    if (recovery.journalRemoved()) {
        if (const QString unrecorded = runrecorder::recordRecovery(recovery); !unrecorded.isEmpty())
            err << unrecorded << '\n';
    }
    if (!recovery.journalRemoved()) {
        err << "The run's journal stays in the folder, so that this can be tried again.\n";
        return 1;
    }
    return failed > 0 ? 1 : 0;
}

} // namespace

int recover(const QByteArray& folderPath, batchmode::RecoverAction action, QTextStream& out,
            QTextStream& err)
{
    if (!RenameRecovery::hasJournal(folderPath)) {
        out << "The folder has no interrupted rename run.\n";
        return 0;
    }
    RenameRecovery recovery(folderPath);
    switch (recovery.load()) {
    case RenameJournal::Load::Missing:
        out << "The folder has no interrupted rename run.\n";
        return 0;
    case RenameJournal::Load::Busy:
        err << "A rename run is going on in the folder; wait until it has ended.\n";
        return 1;
    case RenameJournal::Load::Incomplete:
        if (action == batchmode::RecoverAction::SetAside)
            return setAside(recovery, out, err);
        // Cut off before its plan was whole: no file was renamed, only the journal goes.
        if (!recovery.discardJournal()) {
            err << "The journal could not be removed.\n";
            return 1;
        }
        out << "The run was interrupted before it renamed any file; its journal was removed.\n";
        return 0;
    case RenameJournal::Load::Damaged:
        if (action == batchmode::RecoverAction::SetAside)
            return setAside(recovery, out, err);
        err << renamereport::unusableJournalText(recovery) << '\n';
        return 1;
    case RenameJournal::Load::Ok:
        break;
    }
    if (action == batchmode::RecoverAction::SetAside)
        return setAside(recovery, out, err);
    return carryOut(recovery,
                    action == batchmode::RecoverAction::Finish ? RenameRecovery::Action::Finish
                                                               : RenameRecovery::Action::RollBack,
                    out, err);
}

} // namespace batchrecovery
