#include "core/rename/RenamePlan.h"

#include <utility>

namespace renaming {

RenamePlan::RenamePlan(std::vector<RenamePlanRow> rows, std::vector<RenameGroup> groups)
    : m_rows(std::move(rows)), m_groups(std::move(groups))
{
    for (int g = 0; g < int(m_groups.size()); ++g) {
        const std::vector<int>& members = m_groups[size_t(g)].rows;
        for (int k = 0; k < int(members.size()); ++k) {
            RenamePlanRow& row = m_rows[size_t(members[size_t(k)])];
            row.group = g;
            row.indexInGroup = k;
        }
    }
}

RenamePlan RenamePlan::build(const std::vector<RenameRequest>& requests, const RenameCheck& check,
                             std::vector<RenameStatus> preset, const QByteArray& tempBase,
                             const std::vector<quint64>& inodes, bool exchange)
{
    const RenameCheck::Result checked = check.check(requests, std::move(preset));
    const int n = int(requests.size());
    std::vector<RenamePlanRow> rows(requests.size());
    // The row whose new name is each row's old name: the next one of its group.
    std::vector<int> follower(requests.size(), -1);
    for (int i = 0; i < n; ++i) {
        const RenameRequest& request = requests[size_t(i)];
        RenamePlanRow& row = rows[size_t(i)];
        row.oldName = request.oldName;
        row.newName = request.newName;
        row.size = request.size;
        row.mtimeNsec = request.mtimeNsec;
        row.inode = inodes.empty() ? 0 : inodes[size_t(i)];
        row.status = checked.status[size_t(i)];
        if (row.status == RenameStatus::Pending && checked.holder[size_t(i)] >= 0)
            follower[size_t(checked.holder[size_t(i)])] = i;
    }

    // A temporary name must not be one a row is about to take either.
    NameSet newKeys;
    newKeys.reserve(requests.size());
    for (const RenameRequest& request : requests)
        newKeys.insert(check.key(request.newName));

    std::vector<RenameGroup> groups;
    std::vector<bool> placed(requests.size(), false);
    for (int i = 0; i < n; ++i) {
        if (rows[size_t(i)].status != RenameStatus::Pending || checked.holder[size_t(i)] >= 0)
            continue;
        RenameGroup chain;
        for (int r = i; r >= 0; r = follower[size_t(r)]) {
            chain.rows.push_back(r);
            placed[size_t(r)] = true;
        }
        groups.push_back(std::move(chain));
    }
    // What is left goes round in cycles (each row is followed by exactly one other).
    int cycles = 0;
    for (int i = 0; i < n; ++i) {
        if (rows[size_t(i)].status != RenameStatus::Pending || placed[size_t(i)])
            continue;
        RenameGroup cycle;
        cycle.cycle = true;
        int r = i;
        do {
            cycle.rows.push_back(r);
            placed[size_t(r)] = true;
            r = follower[size_t(r)];
        } while (r != i);
        // A group of swaps keeps a temporary name too, for a volume that refuses the swaps.
        cycle.exchange = exchange && cycle.rows.size() >= 2;
        // Only digits follow the run's prefix: a recovery refuses any other temporary name.
        QByteArray temp = tempBase + QByteArray::number(cycles++);
        while (check.isTaken(temp) || newKeys.count(check.key(temp)) != 0)
            temp = tempBase + QByteArray::number(cycles++);
        rows[size_t(i)].tempName = temp;
        groups.push_back(std::move(cycle));
    }
    return RenamePlan(std::move(rows), std::move(groups));
}

int RenamePlan::totalSteps() const
{
    int steps = 0;
    for (const RenameGroup& group : m_groups)
        steps += group.length();
    return steps;
}

void RenamePlan::dropExchangesFrom(int g)
{
    for (size_t k = size_t(g); k < m_groups.size(); ++k)
        m_groups[k].exchange = false;
}

int RenamePlan::rowAtFirstName(int g, int s) const
{
    const RenameGroup& group = m_groups[size_t(g)];
    // Each swap leaves at the first name the file whose old name it swapped with.
    return s == 0 ? group.rows[0] : group.rows[group.rows.size() - size_t(s)];
}

RenameStep RenamePlan::forwardStep(int g, int s) const
{
    const RenameGroup& group = m_groups[size_t(g)];
    const int m = int(group.rows.size());
    if (group.exchange) {
        const int other = group.rows[size_t(m - 1 - s)];
        RenameStep step{other, m_rows[size_t(group.rows[0])].oldName, m_rows[size_t(other)].oldName,
                        true};
        step.fromRow = rowAtFirstName(g, s);
        step.fromInode = m_rows[size_t(step.fromRow)].inode;
        step.toInode = m_rows[size_t(other)].inode;
        return step;
    }
    if (!group.cycle) {
        const RenamePlanRow& row = m_rows[size_t(group.rows[size_t(s)])];
        return {group.rows[size_t(s)], row.oldName, row.newName};
    }
    const int first = group.rows[0];
    const RenamePlanRow& lead = m_rows[size_t(first)];
    if (s == 0)
        return {first, lead.oldName, lead.tempName};
    if (s == m)
        return {first, lead.tempName, lead.newName};
    const RenamePlanRow& row = m_rows[size_t(group.rows[size_t(s)])];
    return {group.rows[size_t(s)], row.oldName, row.newName};
}

RenameStep RenamePlan::backwardStep(int g, int s) const
{
    RenameStep step = forwardStep(g, s - 1);
    if (step.exchange) {
        // The same swap again, with the files as it left them.
        std::swap(step.fromInode, step.toInode);
        std::swap(step.fromRow, step.row);
        return step;
    }
    std::swap(step.from, step.to);
    return step;
}

RenamePlan::Place RenamePlan::placeOf(int row, int s) const
{
    const RenamePlanRow& r = m_rows[size_t(row)];
    const RenameGroup& group = m_groups[size_t(r.group)];
    if (group.exchange) {
        // The first row is swapped to its new name first; row i (i >= 1) waits at the first
        // name from the swap that brought it there until the next one takes it on.
        const int m = int(group.rows.size());
        if (r.indexInGroup == 0)
            return s == 0 ? Place::Old : Place::New;
        if (r.indexInGroup > m - s)
            return Place::New;
        if (r.indexInGroup < m - s)
            return Place::Old;
        // At the first name, which is the second row's new name.
        return r.indexInGroup == 1 ? Place::New : Place::Temporary;
    }
    if (group.cycle) {
        if (s == 0)
            return Place::Old;
        if (s == group.length())
            return Place::New;
        if (r.indexInGroup == 0)
            return Place::Temporary;
    }
    return r.indexInGroup < s ? Place::New : Place::Old;
}

QByteArray RenamePlan::nameAt(int row, Place place) const
{
    const RenamePlanRow& r = m_rows[size_t(row)];
    switch (place) {
    case Place::Old:
        return r.oldName;
    case Place::Temporary:
        // A swapped file waits under the first row's old name.
        if (m_groups[size_t(r.group)].exchange)
            return m_rows[size_t(m_groups[size_t(r.group)].rows[0])].oldName;
        return r.tempName;
    case Place::New:
        return r.newName;
    }
    return QByteArray();
}

std::vector<QByteArray> RenamePlan::groupNames(int g) const
{
    const RenameGroup& group = m_groups[size_t(g)];
    std::vector<QByteArray> names;
    names.reserve(group.rows.size() + 1);
    const RenamePlanRow& first = m_rows[size_t(group.rows[0])];
    names.push_back(group.cycle ? first.tempName : first.newName);
    for (const int r : group.rows)
        names.push_back(m_rows[size_t(r)].oldName);
    return names;
}

} // namespace renaming
