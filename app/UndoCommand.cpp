#include "app/UndoCommand.h"

#include "app/MessageBoxes.h"
#include "app/ProgessBar.h"
#include "core/UndoTexts.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameReport.h"
#include "core/rename/RenameUndo.h"
#include "core/rename/UndoReport.h"
#include "platform/ui/WaitCursor.h"

namespace undocommand {

using renaming::RunHistory;

bool canUndo(const QByteArray& folderPath)
{
    renaming::RenameUndo undo(folderPath);
    return undo.load() == RunHistory::Load::Ok;
}

bool undoLastRun(QWidget* parent, TOKBottomDlg1* progress, const QByteArray& folderPath)
{
    renaming::RenameUndo undo(folderPath);
    switch (undo.load()) {
    case RunHistory::Load::Missing:
        messageboxes::showWarning(parent, undotexts::entry(undotexts::NothingRecorded));
        return false;
    case RunHistory::Load::Damaged:
        messageboxes::showWarning(parent, undoreport::damagedText(undo.damage()));
        return false;
    case RunHistory::Load::Ok:
        break;
    }
    if (!messageboxes::askConfirmation(parent, undoreport::question(undo.run())))
        return false;
    bool judged = false;
    {
        WaitCursor wait;
        judged = undo.judge();
    }
    if (!judged) {
        messageboxes::showWarning(parent,
                                  renaming::statusText(renaming::RenameStatus::FolderUnavailable));
        return false;
    }
    // Recorded before the first rename: a recovery of this undo must not take it for a run.
    if (const int e = undo.markUndoing(); e != 0) {
        messageboxes::showWarning(
            parent, undotexts::entry(undotexts::UndoNotStarted).arg(platform::sysErrorText(e)));
        return false;
    }
    renaming::RenameEngine engine;
    const std::vector<renaming::RenameRequest> requests = undo.requests();
    if (!requests.empty() && engine.prepare(folderPath, requests)) {
        if (progress) {
            progress->setRun({engine.stepCount(), [&engine](int) { return engine.runStep(); },
                              [&engine] { engine.cancel(); },
                              [&engine] { return engine.rowsDone(); }});
            progress->exec();
        }
        // Whatever the dialog did, the run ends here: no file may stay under a temporary name.
        engine.run();
    }
    const int settleError = undo.settle(engine.requests(), engine.results());
    QString report = undoreport::summary(undo.outcomes());
    if (engine.finishError() != 0)
        report += QStringLiteral("\n\n") + renamereport::journalKeptText(engine.finishError());
    if (settleError != 0)
        report +=
            QStringLiteral("\n\n") +
            undotexts::entry(undotexts::HistoryNotWritten).arg(platform::sysErrorText(settleError));
    messageboxes::showReport(parent, report, undoreport::details(undo.outcomes()));
    return true;
}

} // namespace undocommand
