#include "core/rename/RenameEngine.h"

#include "core/rename/PendingRuns.h"
#include "platform/FsProbe.h"
#include "platform/SyncedFolder.h"

#include <QRandomGenerator>

#include <algorithm>

namespace renaming {

namespace {

// Renames between two points where the folder is made durable and the journal says so: often
// enough that a recovery after a power loss has little to work out from the names, rarely
// enough that the syncs cost little beside the renames.
constexpr int kPhaseRenames = 4096;
// Cycles whose closing marks are made durable with one sync: a sync per cycle would cost more
// than the renames of a reversed folder.
constexpr size_t kClosingBatch = 1024;
// Groups of swaps announced to the journal with one sync.
constexpr int kExchangeBatch = 1024;

// A failure that leaves the folder untouched is better told by its cause than as a journal
// failure: the user can act on a read-only folder or a full volume.
RenameStatus statusOfJournalError(int sysError)
{
    switch (platform::fileErrorOf(sysError)) {
    case platform::FileError::AccessDenied:
        return RenameStatus::PermissionDenied;
    case platform::FileError::ReadOnly:
        return RenameStatus::ReadOnlyFileSystem;
    case platform::FileError::NoSpace:
        return RenameStatus::NoSpace;
    case platform::FileError::Exists:
        return RenameStatus::RunPending;
    case platform::FileError::TooLarge:
        return RenameStatus::RunTooLarge;
    default:
        return RenameStatus::JournalFailed;
    }
}

// The file a row names is still the one the listing read; its inode goes to the plan. The only
// look at each file between the confirmation and the run.
RenameStatus sourceStatus(const platform::SyncedFolder& folder, const RenameRequest& request,
                          quint64* inode)
{
    platform::FileStat st;
    if (folder.stat(request.oldName, &st) != 0 || !st.exists)
        return RenameStatus::SourceVanished;
    *inode = st.inode;
    if (st.isDir || st.size != request.size || st.mtimeNsec != request.mtimeNsec)
        return RenameStatus::SourceChanged;
    return RenameStatus::Pending;
}

bool hasCycleOfTwoOrMore(const RenamePlan& plan)
{
    return std::any_of(plan.groups().begin(), plan.groups().end(), [](const RenameGroup& group) {
        return group.cycle && group.rows.size() >= 2;
    });
}

} // namespace

RenameEngine::RenameEngine() = default;

RenameEngine::~RenameEngine() = default;

bool RenameEngine::prepare(const QByteArray& folderPath, const std::vector<RenameRequest>& requests)
{
    m_folderPath = absoluteFolderPath(folderPath);
    m_rows = requests;
    m_results.assign(requests.size(), RenameRowResult());
    for (size_t i = 0; i < requests.size(); ++i)
        m_results[i].currentName = requests[i].oldName;
    m_plan = RenamePlan();
    // A cancel after a prepare that fails early must find no group of an earlier run.
    m_state.clear();
    m_maxState.clear();
    m_settled.clear();
    m_stepGroup.assign(requests.size(), -1);
    m_stepIndex.assign(requests.size(), -1);
    m_stepsDone = 0;
    m_stepsCancelled = 0;
    m_finishError = 0;
    m_journalError = 0;
    m_closing.clear();
    m_renamesSincePhase = 0;
    m_started = m_stopped = m_cancelled = m_journalCreated = m_journalBroken = m_keepJournal =
        false;

    m_folder = std::make_unique<platform::SyncedFolder>(m_folderPath);
    std::vector<QByteArray> names;
    const int readError = m_folder->isOpen() ? m_folder->readNames(&names) : m_folder->openError();
    if (readError != 0) {
        failAll(RenameStatus::FolderUnavailable, readError);
        return false;
    }
    if (m_folder->exists(RenameJournal::fileName())) {
        failAll(RenameStatus::RunPending, 0);
        return false;
    }

    std::vector<RenameStatus> preset(requests.size(), RenameStatus::Pending);
    std::vector<quint64> inodes(requests.size(), 0);
    for (size_t i = 0; i < requests.size(); ++i)
        preset[i] = sourceStatus(*m_folder, requests[i], &inodes[i]);
    const platform::FsTraits traits = platform::probeFileSystem(*m_folder, names);
    const RenameCheck check(names, traits);
    const QByteArray tempBase =
        ".orven-tmp-" + QByteArray::number(QRandomGenerator::global()->generate(), 16) + '-';
    m_plan = RenamePlan::build(requests, check, preset, tempBase, inodes);
    // Swaps need names that keep their spelling and files that keep their inode numbers.
    if (m_swapsAllowed && hasCycleOfTwoOrMore(m_plan) && !traits.caseInsensitive &&
        platform::exchangesWithStableInodes(*m_folder))
        m_plan = RenamePlan::build(requests, check, std::move(preset), tempBase, inodes, true);
    m_mover = std::make_unique<RenameGroupMover>(*m_folder, m_journal);

    const int groupCount = int(m_plan.groups().size());
    m_state.assign(size_t(groupCount), 0);
    m_maxState.assign(size_t(groupCount), 0);
    m_settled.assign(size_t(groupCount), false);
    int step = 0;
    for (int g = 0; g < groupCount; ++g) {
        const std::vector<int>& members = m_plan.groups()[size_t(g)].rows;
        for (int k = 0; k < int(members.size()); ++k, ++step) {
            m_stepGroup[size_t(step)] = g;
            m_stepIndex[size_t(step)] = k;
        }
    }
    for (size_t i = 0; i < m_plan.rows().size(); ++i) {
        const RenamePlanRow& row = m_plan.rows()[i];
        if (row.group < 0)
            m_results[i].status = row.status;
    }
    return true;
}

void RenameEngine::failAll(RenameStatus status, int sysError)
{
    for (RenameRowResult& result : m_results) {
        if (result.status == RenameStatus::Pending) {
            result.status = status;
            result.sysError = sysError;
        }
    }
    m_stopped = true;
}

bool RenameEngine::runStep()
{
    if (isFinished())
        return false;
    if (!m_started && !start())
        m_stopped = true;
    const int step = m_stepsDone++;
    const int g = m_stepGroup[size_t(step)];
    if (g >= 0 && !m_stopped)
        advanceGroup(g, m_stepIndex[size_t(step)]);
    if (m_cancelled)
        skipCancelledSteps();
    if (isFinished())
        finish();
    return !isFinished();
}

void RenameEngine::run()
{
    while (runStep()) {
    }
}

void RenameEngine::cancel()
{
    if (m_cancelled || isFinished())
        return;
    m_cancelled = true;
    // A group with a rename done is in hand: only a group at its start can stay as it is.
    for (size_t g = 0; g < m_settled.size(); ++g) {
        if (m_settled[g] || m_state[g] != 0)
            continue;
        m_settled[g] = true;
        for (const int r : m_plan.groups()[g].rows)
            m_results[size_t(r)].status = RenameStatus::Cancelled;
    }
    // Before the first step nothing is in hand: the run needs no journal.
    if (!m_started)
        m_stopped = true;
    skipCancelledSteps();
    if (isFinished())
        finish();
}

void RenameEngine::skipCancelledSteps()
{
    while (!isFinished()) {
        const int g = m_stepGroup[size_t(m_stepsDone)];
        if (g >= 0 && !m_settled[size_t(g)])
            return;
        if (g >= 0 && m_results[size_t(m_plan.groups()[size_t(g)].rows.front())].status ==
                          RenameStatus::Cancelled)
            ++m_stepsCancelled;
        ++m_stepsDone;
    }
}

bool RenameEngine::start()
{
    m_started = true;
    if (m_plan.groups().empty() || m_stopped)
        return !m_stopped;
    // The record comes first and durably: a journal it does not list is not acted on unasked.
    int e = rememberPendingRun(*m_folder);
    if (e != 0) {
        failAll(RenameStatus::RunRecordFailed, e);
        return false;
    }
    e = m_journal.create(*m_folder, m_plan);
    if (e != 0) {
        forgetPendingRun(*m_folder);
        failAll(statusOfJournalError(e), e);
        return false;
    }
    m_journalCreated = true;
    return true;
}

void RenameEngine::advanceGroup(int g, int rowStep)
{
    if (m_settled[size_t(g)])
        return;
    const RenameGroup& group = m_plan.groups()[size_t(g)];
    const int members = int(group.rows.size());
    // Spread the group's renames over its rows' steps, so the bar moves evenly.
    const int target = ((rowStep + 1) * group.length() + members - 1) / members;
    int& state = m_state[size_t(g)];
    if (group.exchange && !announceExchanges(g))
        return;
    while (state < target) {
        if (group.cycle && !group.exchange && state == group.length() - 1 && m_mover->isMarking()) {
            m_closing.push_back(g);
            if (m_closing.size() >= kClosingBatch)
                closePending();
            return;
        }
        const RenameGroupMover::Result result = m_mover->forward(g, &state);
        if (result.error != 0 && group.exchange && state == 0 && !result.changed &&
            !result.journal &&
            platform::fileErrorOf(result.error) == platform::FileError::Invalid) {
            // The volume refuses swaps after all: this group and the rest take temporary names.
            // (Should the journal refuse to say so, the group is settled as not begun.)
            if (useTemporaryNamesFrom(g))
                advanceGroup(g, rowStep);
            return;
        }
        if (result.error != 0) {
            if (result.journal)
                abortJournal(result.error);
            if (group.cycle)
                rollBackGroup(g);
            settleGroup(g, result);
            return;
        }
        m_maxState[size_t(g)] = qMax(m_maxState[size_t(g)], state);
        ++m_renamesSincePhase;
    }
    if (state == group.length()) {
        settleGroup(g, RenameGroupMover::Result());
        endPhaseIfDue(g);
    }
}

void RenameEngine::rollBackGroup(int g)
{
    int& state = m_state[size_t(g)];
    while (state > 0) {
        const RenameGroupMover::Result result = m_mover->backward(g, &state);
        if (result.error != 0 && result.journal) {
            abortJournal(result.error);
            continue;
        }
        if (result.error != 0)
            return;
    }
}

void RenameEngine::settleGroup(int g, const RenameGroupMover::Result& failure)
{
    m_settled[size_t(g)] = true;
    const int state = m_state[size_t(g)];
    for (const int r : m_plan.groups()[size_t(g)].rows) {
        const RenamePlanRow& row = m_plan.rows()[size_t(r)];
        RenameRowResult& result = m_results[size_t(r)];
        const RenamePlan::Place place = m_plan.placeOf(r, state);
        result.currentName = m_plan.nameAt(r, place);
        if (place == RenamePlan::Place::New) {
            result.status = RenameStatus::Renamed;
        } else if (place == RenamePlan::Place::Temporary) {
            result.status = m_plan.groups()[size_t(g)].exchange
                                ? RenameStatus::UnderAnotherName
                                : RenameStatus::StrandedUnderTemporaryName;
            m_keepJournal = true;
        } else if (r == failure.row) {
            result.status = failure.journal   ? RenameStatus::JournalFailed
                            : failure.changed ? RenameStatus::SourceChanged
                                              : statusOfError(failure.error);
            result.sysError = failure.error;
        } else if (m_maxState[size_t(g)] > row.indexInGroup) {
            result.status = RenameStatus::RolledBack;
        } else {
            result.status = RenameStatus::BlockedBySkippedRow;
        }
    }
}

// Before the first swap of a range of groups the journal says they may be swapped, so that a
// recovery knows which groups to judge by their inodes; one sync for many groups.
bool RenameEngine::announceExchanges(int g)
{
    if (g < m_journal.exchangesEnd() || m_journalBroken)
        return !m_journalBroken;
    const int count = qMin(int(kExchangeBatch), int(m_plan.groups().size()) - g);
    const int e = m_journal.recordExchanges(g, count);
    if (e != 0) {
        abortJournal(e);
        return false;
    }
    return true;
}

bool RenameEngine::useTemporaryNamesFrom(int g)
{
    const int e = m_journal.refuseExchangesFrom(g);
    if (e != 0) {
        abortJournal(e);
        return false;
    }
    m_plan.dropExchangesFrom(g);
    return true;
}

void RenameEngine::closePending()
{
    std::vector<int> groups;
    groups.swap(m_closing);
    if (groups.empty())
        return;
    if (!m_journalBroken) {
        const int e = m_journal.markAll(groups, RenameJournal::Mark::Closing);
        if (e != 0)
            abortJournal(e);
    }
    for (const int g : groups) {
        int& state = m_state[size_t(g)];
        RenameGroupMover::Result result;
        // Without its mark on the disk a closed cycle could be read as never begun: go back.
        if (m_journalBroken) {
            result.error = m_journalError;
            result.journal = true;
            result.row = m_plan.groups()[size_t(g)].rows[0];
        } else {
            result = m_mover->forward(g, &state);
        }
        if (result.error != 0) {
            if (result.journal && !m_journalBroken)
                abortJournal(result.error);
            rollBackGroup(g);
            settleGroup(g, result);
            continue;
        }
        m_maxState[size_t(g)] = qMax(m_maxState[size_t(g)], state);
        ++m_renamesSincePhase;
        settleGroup(g, RenameGroupMover::Result());
    }
}

void RenameEngine::endPhaseIfDue(int g)
{
    if (m_renamesSincePhase < kPhaseRenames || m_journalBroken)
        return;
    // Every group before the phase's end must be settled, the waiting cycles too.
    closePending();
    if (m_journalBroken)
        return;
    m_renamesSincePhase = 0;
    int e = m_folder->sync();
    if (e == 0)
        e = m_journal.endPhase(g + 1);
    if (e != 0)
        abortJournal(e);
}

void RenameEngine::abortJournal(int sysError)
{
    // Without a journal a crash could strand files: finish what is in hand, start nothing new.
    m_journalBroken = true;
    m_journalError = sysError;
    m_mover->setMarking(false);
    m_stopped = true;
    for (size_t g = 0; g < m_settled.size(); ++g) {
        if (m_settled[g] || m_state[g] != 0)
            continue;
        m_settled[g] = true;
        for (const int r : m_plan.groups()[g].rows) {
            m_results[size_t(r)].status = RenameStatus::JournalFailed;
            m_results[size_t(r)].sysError = sysError;
        }
    }
}

void RenameEngine::finish()
{
    if (!m_journalCreated)
        return;
    closePending();
    // Until the renames are durable the journal is what a recovery after a power loss needs.
    m_finishError = m_folder->sync();
    if (m_finishError == 0 && !m_keepJournal)
        m_finishError = m_journal.remove(*m_folder);
    if (m_finishError != 0)
        m_keepJournal = true;
    if (!m_keepJournal)
        forgetPendingRun(*m_folder);
}

} // namespace renaming
