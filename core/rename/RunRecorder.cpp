#include "core/rename/RunRecorder.h"

#include "core/UndoTexts.h"
#include "core/rename/RenameRecovery.h"
#include "core/rename/RenameUndo.h"
#include "core/rename/RunHistory.h"
#include "platform/SyncedFolder.h"

#include <QDateTime>

#include <utility>

namespace runrecorder {

namespace {

using renaming::RecordedRun;
using Pairs = std::vector<std::pair<QByteArray, QByteArray>>;

QString joined(const QString& first, const QString& second)
{
    return first.isEmpty() || second.isEmpty() ? first + second
                                               : first + QStringLiteral("\n\n") + second;
}

QString notRecorded(int sysError)
{
    return undotexts::entry(undotexts::NotRecorded).arg(platform::sysErrorText(sysError));
}

// Each file as its new name holds it now, just after the run.
RecordedRun recordedRun(const QByteArray& folderPath, const Pairs& renamed)
{
    RecordedRun run;
    run.finishedMsecs = QDateTime::currentMSecsSinceEpoch();
    const platform::SyncedFolder folder(folderPath);
    for (const auto& [oldName, newName] : renamed) {
        platform::FileStat st;
        if (folder.stat(newName, &st) != 0 || !st.exists)
            continue;
        run.files.push_back({oldName, newName, st.inode, st.size, st.mtimeNsec});
    }
    return run;
}

// True when every rename takes a file of the run back to the name it had before it: the
// journal a recovery settled was that of the run's undo, not of a run begun after it.
bool undoes(const RecordedRun& run, const Pairs& renamed)
{
    renaming::NameMap<QByteArray> earlier;
    for (const renaming::RecordedFile& file : run.files)
        earlier.emplace(file.newName, file.oldName);
    for (const auto& [oldName, newName] : renamed) {
        const auto found = earlier.find(oldName);
        if (found == earlier.end() || found->second != newName)
            return false;
    }
    return true;
}

QString record(const QByteArray& folderPath, const Pairs& renamed, bool settlesUndo)
{
    renaming::RunHistory history(folderPath);
    QString notice;
    if (history.load() == renaming::RunHistory::Load::Damaged) {
        QString aside;
        const int e = history.setAside(&aside);
        if (e != 0)
            return notRecorded(e);
        notice = undotexts::entry(undotexts::HistorySetAside).arg(aside);
    }
    const int last = history.lastUndoable();
    const bool undoing =
        last >= 0 && history.runs()[size_t(last)].state == RecordedRun::State::Undoing;
    if (undoing && settlesUndo && undoes(history.runs()[size_t(last)], renamed)) {
        renaming::NameSet back;
        for (const auto& pair : renamed)
            back.insert(pair.first);
        renaming::RenameUndo::settleRun(history, last, back, false);
    } else {
        // An undo that never began: its run can still be undone.
        if (undoing)
            history.runs()[size_t(last)].state = RecordedRun::State::Done;
        RecordedRun run = recordedRun(folderPath, renamed);
        if (!run.files.empty())
            history.add(std::move(run));
        else if (!undoing)
            return notice;
    }
    const int e = history.save();
    return e == 0 ? notice : joined(notice, notRecorded(e));
}

} // namespace

QString recordRun(const QByteArray& folderPath,
                  const std::vector<renaming::RenameRequest>& requests,
                  const std::vector<renaming::RenameRowResult>& results)
{
    Pairs renamed;
    for (size_t i = 0; i < results.size() && i < requests.size(); ++i) {
        if (results[i].status == renaming::RenameStatus::Renamed)
            renamed.emplace_back(requests[i].oldName, requests[i].newName);
    }
    if (renamed.empty())
        return QString();
    return record(folderPath, renamed, false);
}

QString recordRecovery(const renaming::RenameRecovery& recovery)
{
    Pairs renamed;
    for (const renaming::RenameRecovery::Row& row : recovery.rows()) {
        if (row.status == renaming::RenameStatus::Renamed)
            renamed.emplace_back(row.oldName, row.newName);
    }
    return record(recovery.folderPath(), renamed, true);
}

} // namespace runrecorder
