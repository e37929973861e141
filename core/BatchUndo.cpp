#include "core/BatchUndo.h"

#include "core/NameEscape.h"
#include "core/UndoTexts.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameRecovery.h"
#include "core/rename/RenameReport.h"
#include "core/rename/RenameUndo.h"
#include "core/rename/RunHistory.h"
#include "core/rename/UndoReport.h"

#include <QTextStream>

namespace batchundo {

namespace {

using renaming::RecordedRun;
using renaming::RunHistory;

QString filesText(size_t count)
{
    return count == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(count);
}

} // namespace

int history(const QByteArray& folderPath, QTextStream& out, QTextStream& err)
{
    RunHistory history(folderPath);
    switch (history.load()) {
    case RunHistory::Load::Missing:
        out << "No rename run of this folder is recorded.\n";
        return 0;
    case RunHistory::Load::Damaged:
        err << undoreport::damagedText(history.damage()) << '\n';
        return 1;
    case RunHistory::Load::Ok:
        break;
    }
    for (const RecordedRun& run : history.runs()) {
        out << undoreport::runTime(run) << '\t' << filesText(run.files.size());
        if (run.state == RecordedRun::State::Undone)
            out << " left alone by its undo";
        out << '\n';
    }
    return 0;
}

int undo(const QByteArray& folderPath, QTextStream& out, QTextStream& err)
{
    if (renaming::RenameRecovery::hasJournal(folderPath)) {
        err << "An interrupted rename run is waiting in this folder; settle it first with "
               "--recover.\n";
        return 1;
    }
    renaming::RenameUndo undo(folderPath);
    switch (undo.load()) {
    case RunHistory::Load::Missing:
        err << undotexts::entry(undotexts::NothingRecorded) << '\n';
        return 1;
    case RunHistory::Load::Damaged:
        err << undoreport::damagedText(undo.damage()) << '\n';
        return 1;
    case RunHistory::Load::Ok:
        break;
    }
    if (!undo.judge()) {
        err << renaming::statusText(renaming::RenameStatus::FolderUnavailable) << '\n';
        return 1;
    }
    if (const int e = undo.markUndoing(); e != 0) {
        err << undotexts::entry(undotexts::UndoNotStarted).arg(platform::sysErrorText(e)) << '\n';
        return 1;
    }
    renaming::RenameEngine engine;
    const std::vector<renaming::RenameRequest> requests = undo.requests();
    if (!requests.empty() && engine.prepare(folderPath, requests))
        engine.run();
    const int settleError = undo.settle(engine.requests(), engine.results());
    int failed = 0;
    for (const renaming::UndoOutcome& outcome : undo.outcomes()) {
        if (outcome.back)
            continue;
        ++failed;
        out << nameescape::escaped(outcome.name) << '\t' << outcome.reason << '\n';
    }
    if (failed > 0)
        err << failed << " of " << undo.outcomes().size()
            << " files did not get their earlier name back.\n";
    if (engine.finishError() != 0)
        err << renamereport::journalKeptText(engine.finishError()) << '\n';
    if (settleError != 0)
        err << undotexts::entry(undotexts::HistoryNotWritten)
                   .arg(platform::sysErrorText(settleError))
            << '\n';
    return failed > 0 || engine.finishError() != 0 || settleError != 0 ? 1 : 0;
}

} // namespace batchundo
