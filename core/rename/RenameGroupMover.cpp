#include "core/rename/RenameGroupMover.h"

#include "platform/SyncedFolder.h"

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
    const bool closing = group.cycle && *state == group.length() - 1;
    const Result result = move(plan.forwardStep(g, *state), RenameJournal::Mark::Closing, closing);
    if (result.error == 0)
        ++*state;
    return result;
}

RenameGroupMover::Result RenameGroupMover::backward(int g, int* state)
{
    const RenamePlan& plan = m_journal.plan();
    const bool cycle = plan.groups()[size_t(g)].cycle;
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
