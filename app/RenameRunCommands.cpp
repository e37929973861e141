#include "app/RenameRunCommands.h"

#include "app/EmptyListWarning.h"
#include "app/ListedFolderWatcher.h"
#include "app/MessageBoxes.h"
#include "app/ProgessBar.h"
#include "app/RecoveryOffer.h"
#include "app/SpinEdit.h"
#include "app/TrackListCommands.h"
#include "app/TrackListModel.h"
#include "app/UndoCommand.h"
#include "core/Text.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameRecovery.h"
#include "core/rename/RenameReport.h"
#include "core/rename/RenameRequests.h"
#include "core/rename/RunRecorder.h"
#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxFilelistView28.h"
#include "platform/DirEnum.h"

#include <QAction>
#include <QDir>
#include <QScopeGuard>

namespace {

QString failingRowsText(int count)
{
    return text::entry(text::WindowMessageTexts, 2).arg(count);
}

} // namespace

RenameRunCommands::RenameRunCommands(const RenameRunControls& controls)
    : QObject(controls.window), m_controls(controls)
{
}

void RenameRunCommands::renameTracks()
{
    if (m_controls.model->rows().isEmpty()) {
        messageboxes::warnEmptyList(m_controls.window, *m_controls.fileList);
        return;
    }
    // Changes on disk wait until the run is over and the list has been read again.
    m_controls.folderWatcher->hold();
    const auto release = qScopeGuard([this] { m_controls.folderWatcher->release(); });
    const QByteArray folder = platform::encodePath(m_controls.fileList->Directory());
    if (renaming::RenameRecovery::hasJournal(folder)) {
        settlePendingRun(folder);
        return;
    }
    // The run renames what the user confirmed, whatever happens while the question is open.
    const std::vector<renaming::RenameRequest> requests =
        renamerequests::requestsOf(m_controls.model->rows(), m_controls.start->value(),
                                   m_controls.increment->value(), m_controls.commands->oldNumber());
    QString question = text::entry(text::MessageTexts, 0);
    if (const int failing = m_controls.commands->failingRowCount(); failing > 0)
        question += u'\n' + failingRowsText(failing);
    if (!messageboxes::askConfirmation(m_controls.window, question))
        return;

    renaming::RenameEngine engine;
    if (engine.prepare(folder, requests)) {
        if (m_progressDialog) {
            m_progressDialog->setRun(
                {engine.stepCount(), [&engine](int) { return engine.runStep(); },
                 [&engine] { engine.cancel(); }, [&engine] { return engine.rowsDone(); }});
            m_progressDialog->exec();
        }
        // Whatever the dialog did, the run ends here: no file may stay under a temporary name.
        engine.run();
    }
    QString report = renamereport::completionSummary(engine.requests(), engine.results());
    if (engine.finishError() != 0)
        report += QStringLiteral("\n\n") + renamereport::journalKeptText(engine.finishError());
    if (const QString unrecorded =
            runrecorder::recordRun(folder, engine.requests(), engine.results());
        !unrecorded.isEmpty())
        report += QStringLiteral("\n\n") + unrecorded;
    messageboxes::showReport(m_controls.window, report,
                             renamereport::completionDetails(engine.requests(), engine.results()));
    showFolderAfterRun();
}

void RenameRunCommands::undoLastRun()
{
    const QByteArray folder = m_controls.commands->folder();
    if (folder.isEmpty())
        return;
    // Changes on disk wait until the undo is over and the list has been read again.
    m_controls.folderWatcher->hold();
    const auto release = qScopeGuard([this] { m_controls.folderWatcher->release(); });
    if (renaming::RenameRecovery::hasJournal(folder)) {
        settlePendingRun(folder);
        return;
    }
    if (undocommand::undoLastRun(m_controls.window, m_progressDialog, folder))
        showFolderAfterRun();
    else
        updateUndoAction();
}

void RenameRunCommands::updateUndoAction()
{
    const QByteArray folder = m_controls.commands->folder();
    m_controls.undoAction->setEnabled(!folder.isEmpty() && undocommand::canUndo(folder));
}

void RenameRunCommands::rebuildFromFileList()
{
    // The folder's names are read with the rows, so the previews can be checked against them.
    const bool drives = m_controls.fileList->isDrivesLayout();
    m_controls.commands->setFolder(drives ? QByteArray()
                                          : platform::encodePath(m_controls.fileList->Directory()));
    m_controls.folderWatcher->setFolder(drives ? QString()
                                               : QDir::cleanPath(m_controls.fileList->Directory()));
    m_controls.commands->RebuildTrackList();
    updateUndoAction();
}

void RenameRunCommands::settlePendingRun(const QByteArray& folder)
{
    // A run started now would fail for every file: the journal keeps the folder for its run.
    messageboxes::showWarning(m_controls.window, text::entry(text::ReportTexts, 3));
    recoveryoffer::offerRecovery(m_controls.window, folder);
    // Finished or rolled back, the files have other names than the rows say.
    m_controls.fileList->UpdateFileList();
    rebuildFromFileList();
    m_controls.commands->UpdatePreview();
}

void RenameRunCommands::showFolderAfterRun()
{
    m_controls.fileList->setDirectory(m_controls.folderPicker->SelectedPath());
    m_controls.fileList->UpdateFileList();
    rebuildFromFileList();
    m_controls.commands->sortTrackList();
    m_controls.commands->applyColumnCaptions();
    m_controls.commands->setSortMarker(0);
    m_controls.commands->UpdatePreview();
}
