#include "core/rename/RenameGroupMover.h"

#include "platform/SyncedFolder.h"

#include <tuple>

namespace renaming {

RenameGroupMover::RenameGroupMover(const platform::SyncedFolder& folder, RenameJournal& journal)
    : m_folder(folder), m_journal(journal)
{
}

RenameGroupMover::Result RenameGroupMover::forward(int g, int* state)
{
    const RenamePlan& plan = m_journal.plan();
    const RenameGroup& group = plan.groups()[size_t(g)];
    // The closing rename frees the temporary name again; only the mark tells that state
    // from the one before the cycle began.
    const bool closing = group.cycle && !group.exchange && *state == group.length() - 1;
    const Result result = move(plan.forwardStep(g, *state), RenameJournal::Mark::Closing, closing);
    if (result.error == 0)
        ++*state;
    return result;
}

RenameGroupMover::Result RenameGroupMover::backward(int g, int* state)
{
    const RenamePlan& plan = m_journal.plan();
    const bool cycle = plan.groups()[size_t(g)].cycle && !plan.groups()[size_t(g)].exchange;
    const Result result = move(plan.backwardStep(g, *state), RenameJournal::Mark::Reverting, cycle);
    if (result.error == 0)
        --*state;
    return result;
}

RenameGroupMover::Result RenameGroupMover::move(const RenameStep& step, RenameJournal::Mark mark,
                                                bool needsMark)
{
    Result result;
    result.row = step.row;
    if (step.exchange) {
        // A swap done twice is undone: it goes ahead only on the files it expects.
        for (const auto& [name, inode, row] : {std::tuple(step.from, step.fromInode, step.fromRow),
                                               std::tuple(step.to, step.toInode, step.row)}) {
            const quint64 found = m_folder.inodeOf(name);
            if (found == inode)
                continue;
            result.row = row;
            result.changed = found != 0;
            result.error = platform::errorNumber(found == 0 ? platform::FileError::NotFound
                                                            : platform::FileError::Exists);
            return result;
        }
        result.error = m_folder.exchange(step.from, step.to);
        return result;
    }
    const RenamePlan& plan = m_journal.plan();
    const RenamePlanRow& row = plan.rows()[size_t(step.row)];
    if (needsMark && m_marking && m_journal.lastMark(row.group) != mark) {
        result.error = m_journal.mark(row.group, mark);
        if (result.error != 0) {
            result.journal = true;
            return result;
        }
    }
    const auto placeOf = [&row](const QByteArray& name) {
        if (name == row.oldName)
            return RenamePlan::Place::Old;
        return name == row.tempName ? RenamePlan::Place::Temporary : RenamePlan::Place::New;
    };
    const RenameJournal::Intent intent{step.row, placeOf(step.from), placeOf(step.to)};
    bool journalFailed = false;
    const auto recordIntent = [this, &intent, &journalFailed] {
        if (!m_marking)
            return 0;
        const int e = m_journal.recordIntent(intent);
        journalFailed = e != 0;
        return e;
    };
    result.error = m_folder.rename(step.from, step.to, recordIntent);
    result.journal = journalFailed;
    return result;
}

} // namespace renaming
