#include "core/rename/RenameRecovery.h"

#include "core/rename/PendingRuns.h"
#include "core/rename/RenameGroupMover.h"
#include "platform/SyncedFolder.h"

#include <QDateTime>

#include <algorithm>

namespace renaming {

RenameRecovery::RenameRecovery(const QByteArray& folderPath)
    : m_folderPath(absoluteFolderPath(folderPath))
{
}

RenameRecovery::~RenameRecovery() = default;

std::vector<QByteArray> RenameRecovery::pendingFolders()
{
    std::vector<QByteArray> folders;
    for (const PendingRun& run : pendingRuns()) {
        const platform::SyncedFolder dir(run.folderPath);
        // A folder out of reach (a volume not mounted now) keeps its record for later.
        if (!dir.isOpen())
            continue;
        if (dir.exists(RenameJournal::fileName()))
            folders.push_back(run.folderPath);
        else
            forgetPendingRun(run);
    }
    return folders;
}

bool RenameRecovery::hasJournal(const QByteArray& folderPath)
{
    const platform::SyncedFolder dir(folderPath);
    return dir.isOpen() && dir.exists(RenameJournal::fileName());
}

RenameJournal::Load RenameRecovery::load()
{
    m_rows.clear();
    m_state.clear();
    m_detail.clear();
    m_placeholder.clear();
    m_ownRun = false;
    m_folder = std::make_unique<platform::SyncedFolder>(m_folderPath);
    if (!m_folder->isOpen()) {
        m_detail = platform::sysErrorText(m_folder->openError());
        m_load = m_folder->openError() == 0 ? RenameJournal::Load::Missing
                                            : RenameJournal::Load::Damaged;
        return m_load;
    }
    m_ownRun = isPendingRun(*m_folder);
    m_load = m_journal.open(*m_folder, &m_detail);
    if (m_load != RenameJournal::Load::Ok)
        return m_load;

    findPlaceholder();
    const RenamePlan& plan = m_journal.plan();
    m_state.resize(plan.groups().size());
    m_rowOf.assign(plan.rows().size(), -1);
    for (int g = 0; g < int(plan.groups().size()); ++g) {
        m_state[size_t(g)] = inferState(g);
        for (const int r : plan.groups()[size_t(g)].rows) {
            m_rowOf[size_t(r)] = int(m_rows.size());
            Row row;
            row.oldName = plan.rows()[size_t(r)].oldName;
            row.newName = plan.rows()[size_t(r)].newName;
            m_rows.push_back(row);
        }
    }
    return m_load;
}

bool RenameRecovery::isTaken(const QByteArray& name) const
{
    return name != m_placeholder && m_folder->exists(name);
}

// On a file system without no-replace renames the run reserves a target with an empty file
// and then renames onto it, after recording the rename. Killed in between, it leaves that
// empty file under the target while the file it was moving is still under its source.
void RenameRecovery::findPlaceholder()
{
    RenameJournal::Intent intent;
    if (!m_journal.lastIntent(&intent))
        return;
    const RenamePlan& plan = m_journal.plan();
    const QByteArray to = plan.nameAt(intent.row, intent.to);
    const QByteArray from = plan.nameAt(intent.row, intent.from);
    if (!to.isEmpty() && !from.isEmpty() && m_folder->holdsEmptyFile(to) && m_folder->exists(from))
        m_placeholder = to;
}

// A group of swaps never frees a name: where it stands is read from the inodes at its names.
// The file at the first row's old name tells the state; every other name must then hold the
// file that state puts there, or the group was changed outside the run.
int RenameRecovery::exchangeState(int g) const
{
    if (g >= m_journal.exchangesEnd())
        return 0; // never announced, so never swapped
    const RenamePlan& plan = m_journal.plan();
    const RenameGroup& group = plan.groups()[size_t(g)];
    const int members = int(group.rows.size());
    const quint64 atFirst = m_folder->inodeOf(plan.rows()[size_t(group.rows[0])].oldName);
    int state = -1;
    for (int s = 0; s <= group.length() && state < 0; ++s) {
        if (plan.rows()[size_t(plan.rowAtFirstName(g, s))].inode == atFirst)
            state = s;
    }
    if (state < 0 || members < 2)
        return -1;
    for (const int r : group.rows) {
        const QByteArray name = plan.nameAt(r, plan.placeOf(r, state));
        if (m_folder->inodeOf(name) != plan.rows()[size_t(r)].inode)
            return -1;
    }
    return state;
}

int RenameRecovery::inferState(int g) const
{
    const RenamePlan& plan = m_journal.plan();
    const RenameGroup& group = plan.groups()[size_t(g)];
    if (group.exchange)
        return exchangeState(g);
    // Each state of a group leaves exactly one of its names free.
    const std::vector<QByteArray> names = plan.groupNames(g);
    int absent = -1;
    int absentCount = 0;
    for (int j = 0; j < int(names.size()); ++j) {
        if (!isTaken(names[size_t(j)])) {
            absent = j;
            ++absentCount;
        }
    }
    if (absentCount != 1)
        return -1;
    if (!group.cycle || absent != 0)
        return absent;
    // Before the last phase end the marks are durable; after it one may have been lost with
    // the power, so the files have their say first.
    if (g < m_journal.groupsDone())
        return m_journal.lastMark(g) == RenameJournal::Mark::Closing ? group.length() : 0;
    return stateFromEnds(g);
}

// A cycle's names are all taken both before it starts and after it ends. The files tell the
// two apart when their sizes and times differ; otherwise the mark written before the closing
// rename (or before undoing) does.
int RenameRecovery::stateFromEnds(int g) const
{
    const RenamePlan& plan = m_journal.plan();
    bool atOld = true;
    bool atNew = true;
    for (const int r : plan.groups()[size_t(g)].rows) {
        const RenamePlanRow& row = plan.rows()[size_t(r)];
        platform::FileStat st;
        m_folder->stat(row.oldName, &st);
        atOld = atOld && st.size == row.size && st.mtimeNsec == row.mtimeNsec;
        m_folder->stat(row.newName, &st);
        atNew = atNew && st.size == row.size && st.mtimeNsec == row.mtimeNsec;
    }
    const int end = plan.groups()[size_t(g)].length();
    if (atOld != atNew)
        return atNew ? end : 0;
    // With the records cut off, the mark that would tell may be among the lost ones.
    if (m_journal.recordsDamaged())
        return -1;
    return m_journal.lastMark(g) == RenameJournal::Mark::Closing ? end : 0;
}

int RenameRecovery::countAtNew() const
{
    int count = 0;
    const RenamePlan& plan = m_journal.plan();
    for (size_t g = 0; g < m_state.size(); ++g) {
        for (const int r : plan.groups()[g].rows) {
            if (m_state[g] >= 0 && plan.placeOf(r, m_state[g]) == RenamePlan::Place::New)
                ++count;
        }
    }
    return count;
}

int RenameRecovery::countAtOld() const
{
    int count = 0;
    const RenamePlan& plan = m_journal.plan();
    for (size_t g = 0; g < m_state.size(); ++g) {
        for (const int r : plan.groups()[g].rows) {
            if (m_state[g] >= 0 && plan.placeOf(r, m_state[g]) == RenamePlan::Place::Old)
                ++count;
        }
    }
    return count;
}

int RenameRecovery::countElsewhere() const
{
    return int(m_rows.size()) - countAtNew() - countAtOld();
}

void RenameRecovery::carryOut(Action action)
{
    if (m_load != RenameJournal::Load::Ok)
        return;
    const RenamePlan& plan = m_journal.plan();
    // The placeholder holds nothing; it goes only while it is still the empty file it was.
    if (!m_placeholder.isEmpty() && m_folder->holdsEmptyFile(m_placeholder))
        m_folder->remove(m_placeholder);
    m_placeholder.clear();
    RenameGroupMover mover(*m_folder, m_journal);
    for (int g = 0; g < int(plan.groups().size()); ++g) {
        if (m_state[size_t(g)] < 0) {
            placeStray(g, action);
            continue;
        }
        const int target = action == Action::Finish ? plan.groups()[size_t(g)].length() : 0;
        const int other = target == 0 ? plan.groups()[size_t(g)].length() : 0;
        int& state = m_state[size_t(g)];
        RenameGroupMover::Result failure;
        while (state != target) {
            const RenameGroupMover::Result result =
                state < target ? mover.forward(g, &state) : mover.backward(g, &state);
            if (result.journal) {
                // The move is still safe; only a crash now would be harder to recover from.
                mover.setMarking(false);
                continue;
            }
            if (result.error != 0) {
                failure = result;
                break;
            }
        }
        // A cycle stopped half-way would leave a file under its temporary name: go to the
        // other end instead.
        while (failure.error != 0 && plan.groups()[size_t(g)].cycle && state != other) {
            const RenameGroupMover::Result result =
                state < other ? mover.forward(g, &state) : mover.backward(g, &state);
            if (result.error != 0 && !result.journal)
                break;
            if (result.journal)
                mover.setMarking(false);
        }
        settle(g, action, failure);
    }
    removeJournal();
}

void RenameRecovery::settle(int g, Action action, const RenameGroupMover::Result& failure)
{
    const RenamePlan& plan = m_journal.plan();
    const int state = m_state[size_t(g)];
    const RenamePlan::Place goal =
        action == Action::Finish ? RenamePlan::Place::New : RenamePlan::Place::Old;
    for (const int r : plan.groups()[size_t(g)].rows) {
        Row& row = m_rows[size_t(m_rowOf[size_t(r)])];
        const RenamePlan::Place place = plan.placeOf(r, state);
        row.currentName = plan.nameAt(r, place);
        if (place == RenamePlan::Place::Temporary) {
            row.status = plan.groups()[size_t(g)].exchange
                             ? RenameStatus::UnderAnotherName
                             : RenameStatus::StrandedUnderTemporaryName;
        } else if (place == goal) {
            row.status =
                place == RenamePlan::Place::New ? RenameStatus::Renamed : RenameStatus::Unchanged;
        } else if (r == failure.row) {
            row.status =
                failure.changed ? RenameStatus::SourceChanged : statusOfError(failure.error);
            row.sysError = failure.error;
        } else {
            row.status = RenameStatus::BlockedBySkippedRow;
        }
    }
}

void RenameRecovery::placeStray(int g, Action action)
{
    const RenamePlan& plan = m_journal.plan();
    const RenameGroup& group = plan.groups()[size_t(g)];
    for (const int r : group.rows) {
        Row& row = m_rows[size_t(m_rowOf[size_t(r)])];
        row.status = RenameStatus::Misplaced;
        row.currentName.clear();
    }
    if (!group.cycle || group.exchange)
        return;
    const RenamePlanRow& lead = plan.rows()[size_t(group.rows[0])];
    if (!isTaken(lead.tempName))
        return;
    // Only the cycle's first file ever goes under the temporary name.
    Row& row = m_rows[size_t(m_rowOf[size_t(group.rows[0])])];
    const bool finish = action == Action::Finish;
    const QByteArray first = finish ? lead.newName : lead.oldName;
    const QByteArray second = finish ? lead.oldName : lead.newName;
    row.currentName = lead.tempName;
    row.status = RenameStatus::StrandedUnderTemporaryName;
    if (m_folder->rename(lead.tempName, first) == 0)
        row.currentName = first;
    else if (m_folder->rename(lead.tempName, second) == 0)
        row.currentName = second;
    else
        return;
    row.status = row.currentName == lead.newName ? RenameStatus::Renamed : RenameStatus::Unchanged;
}

void RenameRecovery::removeJournal()
{
    // The journal is what a recovery after a power loss would need until the moves are durable.
    if (m_folder->sync() != 0)
        return;
    for (const Row& row : m_rows) {
        if (row.status == RenameStatus::StrandedUnderTemporaryName ||
            row.status == RenameStatus::UnderAnotherName)
            return;
    }
    m_journalRemoved = m_journal.remove(*m_folder) == 0;
    if (m_journalRemoved)
        forgetPendingRun(*m_folder);
}

bool RenameRecovery::discardJournal()
{
    if (m_load != RenameJournal::Load::Incomplete || !m_folder || !m_folder->isOpen())
        return false;
    m_journalRemoved = m_journal.remove(*m_folder) == 0;
    if (m_journalRemoved)
        forgetPendingRun(*m_folder);
    return m_journalRemoved;
}

int RenameRecovery::setAside()
{
    if (!m_folder || !m_folder->isOpen())
        return m_folder ? m_folder->openError() : 0;
    // A running process still writes its journal; the lock says so.
    if (m_load == RenameJournal::Load::Busy)
        return platform::errorNumber(platform::FileError::Busy);
    const QByteArray base =
        RenameJournal::fileName() + ".set-aside-" +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1();
    const auto taken = [](int e) {
        return platform::fileErrorOf(e) == platform::FileError::Exists;
    };
    QByteArray name = base;
    int e = m_folder->rename(RenameJournal::fileName(), name);
    for (int n = 2; taken(e) && n < 100; ++n) {
        name = base + '-' + QByteArray::number(n);
        e = m_folder->rename(RenameJournal::fileName(), name);
    }
    if (e != 0)
        return e;
    m_setAsideName = name;
    forgetPendingRun(*m_folder);
    return m_folder->sync();
}

std::vector<QByteArray> RenameRecovery::temporaryNames() const
{
    std::vector<QByteArray> names;
    std::vector<QByteArray> all;
    if (!m_folder || !m_folder->isOpen() || m_folder->readNames(&all) != 0)
        return names;
    for (const QByteArray& name : all) {
        if (RenameJournal::isTemporaryName(name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace renaming
