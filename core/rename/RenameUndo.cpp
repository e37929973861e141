#include "core/rename/RenameUndo.h"

#include "core/UndoTexts.h"
#include "core/rename/PendingRuns.h"
#include "core/rename/RenameReport.h"
#include "platform/FsProbe.h"
#include "platform/SyncedFolder.h"

#include <unordered_map>

namespace renaming {

namespace {

// Where each inode of the folder is, read once when a file is missing from its name.
class InodeIndex
{
public:
    explicit InodeIndex(const platform::SyncedFolder& folder) : m_folder(folder) {}

    QByteArray nameOf(quint64 inode)
    {
        if (!m_read) {
            m_read = true;
            std::vector<QByteArray> names;
            if (m_folder.readNames(&names) == 0) {
                for (const QByteArray& name : names)
                    m_names.emplace(m_folder.inodeOf(name), name);
            }
        }
        const auto found = m_names.find(inode);
        return found == m_names.end() ? QByteArray() : found->second;
    }

private:
    const platform::SyncedFolder& m_folder;
    std::unordered_map<quint64, QByteArray> m_names;
    bool m_read = false;
};

QString failureReason(const RenameRowResult& result)
{
    if (result.status == RenameStatus::TargetExists ||
        result.status == RenameStatus::TargetExistsIgnoringCase)
        return undotexts::entry(undotexts::EarlierNameTaken);
    return result.text();
}

// Failures of one file, as opposed to those of the whole run (the folder, its journal, a
// cancel): the rest of a run stopped as a whole can be undone later.
bool concernsTheFile(RenameStatus status)
{
    switch (status) {
    case RenameStatus::TargetExists:
    case RenameStatus::TargetExistsIgnoringCase:
    case RenameStatus::DuplicateTarget:
    case RenameStatus::BlockedBySkippedRow:
    case RenameStatus::SourceVanished:
    case RenameStatus::SourceChanged:
        return true;
    default:
        return false;
    }
}

QString verdictReason(const RenameUndo::File& file)
{
    switch (file.verdict) {
    case RenameUndo::Verdict::RenamedSince:
        return undotexts::entry(undotexts::RenamedSince)
            .arg(renamereport::displayName(file.nameNow));
    case RenameUndo::Verdict::Replaced:
        return undotexts::entry(undotexts::Replaced);
    default:
        return undotexts::entry(undotexts::Gone);
    }
}

} // namespace

RenameUndo::RenameUndo(const QByteArray& folderPath)
    : m_folderPath(absoluteFolderPath(folderPath)), m_history(m_folderPath)
{
}

RunHistory::Load RenameUndo::load()
{
    const RunHistory::Load load = m_history.load();
    m_run = load == RunHistory::Load::Ok ? m_history.lastUndoable() : -1;
    if (load == RunHistory::Load::Ok && m_run < 0)
        return RunHistory::Load::Missing;
    return load;
}

bool RenameUndo::judge()
{
    m_files.clear();
    const platform::SyncedFolder folder(m_folderPath);
    if (!folder.isOpen())
        return false;
    const bool stableInodes = platform::exchangesWithStableInodes(folder);
    InodeIndex index(folder);
    for (const RecordedFile& recorded : run().files) {
        File file;
        file.recorded = recorded;
        platform::FileStat now;
        const bool held = folder.stat(recorded.newName, &now) == 0 && now.exists && !now.isDir;
        const bool same =
            held && (stableInodes ? now.inode == recorded.inode : now.size == recorded.size);
        platform::FileStat before;
        const bool earlierHeld = folder.stat(recorded.oldName, &before) == 0 && before.exists;
        if (same) {
            file.verdict = now.size == recorded.size && now.mtimeNsec == recorded.mtimeNsec
                               ? Verdict::GoesBack
                               : Verdict::GoesBackChanged;
            file.size = now.size;
            file.mtimeNsec = now.mtimeNsec;
        } else if (earlierHeld && (stableInodes ? before.inode == recorded.inode
                                                : !held && before.size == recorded.size)) {
            file.verdict = Verdict::AlreadyBack;
        } else if (held) {
            file.verdict = Verdict::Replaced;
        } else if (stableInodes) {
            file.nameNow = index.nameOf(recorded.inode);
            file.verdict = file.nameNow.isEmpty() ? Verdict::Gone : Verdict::RenamedSince;
        }
        m_files.push_back(file);
    }
    return true;
}

std::vector<RenameRequest> RenameUndo::requests() const
{
    std::vector<RenameRequest> requests;
    for (const File& file : m_files) {
        if (file.verdict == Verdict::GoesBack || file.verdict == Verdict::GoesBackChanged)
            requests.push_back(
                {file.recorded.newName, file.recorded.oldName, file.size, file.mtimeNsec});
    }
    return requests;
}

int RenameUndo::markUndoing()
{
    m_history.runs()[size_t(m_run)].state = RecordedRun::State::Undoing;
    return m_history.save();
}

int RenameUndo::settle(const std::vector<RenameRequest>& requests,
                       const std::vector<RenameRowResult>& results)
{
    NameMap<size_t> requestOf;
    for (size_t i = 0; i < requests.size(); ++i)
        requestOf.emplace(requests[i].oldName, i);
    NameSet back;
    bool leftAlone = false;
    m_outcomes.clear();
    for (const File& file : m_files) {
        UndoOutcome outcome;
        outcome.name = file.recorded.newName;
        outcome.changed = file.verdict == Verdict::GoesBackChanged;
        const auto request = requestOf.find(file.recorded.newName);
        if (file.verdict == Verdict::AlreadyBack) {
            outcome.back = true;
        } else if (request == requestOf.end()) {
            outcome.reason = verdictReason(file);
            leftAlone = true;
        } else if (request->second < results.size() &&
                   results[request->second].status == RenameStatus::Renamed) {
            outcome.back = true;
        } else if (request->second < results.size()) {
            outcome.reason = failureReason(results[request->second]);
            leftAlone = leftAlone || concernsTheFile(results[request->second].status);
        }
        if (outcome.back)
            back.insert(file.recorded.newName);
        m_outcomes.push_back(outcome);
    }
    settleRun(m_history, m_run, back, leftAlone);
    return m_history.save();
}

void RenameUndo::settleRun(RunHistory& history, int index, const NameSet& back, bool leftAlone)
{
    RecordedRun& run = history.runs()[size_t(index)];
    std::vector<RecordedFile> kept;
    for (const RecordedFile& file : run.files) {
        if (back.count(file.newName) == 0)
            kept.push_back(file);
    }
    if (kept.empty()) {
        history.runs().erase(history.runs().begin() + index);
        return;
    }
    run.files = std::move(kept);
    run.state = leftAlone ? RecordedRun::State::Undone : RecordedRun::State::Done;
}

} // namespace renaming
