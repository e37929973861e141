#include "core/rename/RenameCheck.h"

#include "explorer/VxFileListRules.h"
#include "platform/SyncedFolder.h"

namespace renaming {

namespace {

// Which row holds each name, in one flat table with open addressing. The check runs on every
// preview change; a node-based map's allocation per name and scattered reads cost more than
// the rest of the check. The names stay in the caller's vectors, which outlive the table.
class RowIndex
{
public:
    explicit RowIndex(size_t names)
    {
        size_t size = 16;
        while (size < 2 * names)
            size *= 2;
        m_slots.resize(size);
        m_mask = size - 1;
    }

    // Files `name` under `row` when no row holds it yet; returns the row that holds it.
    int insert(const QByteArray& name, int row)
    {
        const size_t hash = NameHash()(name);
        for (size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
            Slot& slot = m_slots[i];
            if (!slot.name) {
                slot = {hash, &name, row};
                return row;
            }
            if (slot.hash == hash && *slot.name == name)
                return slot.row;
        }
    }

    // The row that holds `name`, or -1.
    int find(const QByteArray& name) const
    {
        const size_t hash = NameHash()(name);
        for (size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
            const Slot& slot = m_slots[i];
            if (!slot.name)
                return -1;
            if (slot.hash == hash && *slot.name == name)
                return slot.row;
        }
    }

private:
    struct Slot
    {
        size_t hash = 0;
        const QByteArray* name = nullptr;
        int row = -1;
    };

    std::vector<Slot> m_slots;
    size_t m_mask = 0;
};

} // namespace

RenameCheck::RenameCheck(const std::vector<QByteArray>& folderNames, platform::FsTraits traits)
    : m_traits(traits)
{
    m_names.reserve(folderNames.size());
    for (const QByteArray& name : folderNames)
        m_names.insert(name);
    if (!m_traits.caseInsensitive)
        return;
    m_keys.reserve(folderNames.size());
    for (const QByteArray& name : folderNames)
        m_keys.insert(key(name));
}

QByteArray RenameCheck::key(const QByteArray& name) const
{
    return m_traits.caseInsensitive ? vxfilelist::caseKey(name) : name;
}

RenameCheck::Result RenameCheck::check(const std::vector<RenameRequest>& rows) const
{
    return check(rows, std::vector<RenameStatus>(rows.size(), RenameStatus::Pending));
}

RenameCheck::Result RenameCheck::check(const std::vector<RenameRequest>& rows,
                                       std::vector<RenameStatus> preset) const
{
    const int n = int(rows.size());
    preset.resize(rows.size(), RenameStatus::Pending);
    Result result{std::move(preset), std::vector<int>(rows.size(), -1)};
    std::vector<RenameStatus>& status = result.status;
    std::vector<QByteArray> oldKeys(rows.size());
    std::vector<QByteArray> newKeys(rows.size());

    // Which row's file each taken name belongs to; a file that stays where it is keeps
    // its name taken whatever its row's fate.
    RowIndex fileOf(rows.size());
    std::vector<bool> filesOldName(rows.size(), false);
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Pending && m_names.count(rows[i].oldName) == 0)
            status[i] = RenameStatus::SourceVanished;
        if (status[i] == RenameStatus::SourceVanished)
            continue;
        oldKeys[i] = key(rows[i].oldName);
        filesOldName[i] = fileOf.insert(oldKeys[i], i) == i;
        if (!filesOldName[i] && status[i] == RenameStatus::Pending)
            status[i] = RenameStatus::DuplicateSource;
    }

    for (int i = 0; i < n; ++i) {
        if (status[i] != RenameStatus::Pending)
            continue;
        const QByteArray& name = rows[i].newName;
        const vxfilelist::NameProblem problem = vxfilelist::newNameProblem(name, m_traits.nameMax);
        if (problem == vxfilelist::NameProblem::TooLong)
            status[i] = RenameStatus::NameTooLong;
        else if (problem != vxfilelist::NameProblem::None)
            status[i] = RenameStatus::InvalidName;
        else if (name == rows[i].oldName)
            status[i] = RenameStatus::Unchanged;
        else
            newKeys[i] = key(name);
    }

    // A file that keeps its name holds it first; then each new name goes to the first row
    // that asks for it.
    RowIndex claimedBy(rows.size());
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Unchanged)
            claimedBy.insert(oldKeys[i], i);
    }
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Pending && claimedBy.insert(newKeys[i], i) != i)
            status[i] = RenameStatus::DuplicateTarget;
    }

    for (int i = 0; i < n; ++i) {
        if (status[i] != RenameStatus::Pending)
            continue;
        const int holder = fileOf.find(newKeys[i]);
        if (holder >= 0)
            result.holder[i] = holder;
        else if (m_names.count(rows[i].newName) != 0)
            status[i] = RenameStatus::TargetExists;
        else if (m_traits.caseInsensitive && m_keys.count(newKeys[i]) != 0)
            status[i] = RenameStatus::TargetExistsIgnoringCase;
    }

    // A file that stays keeps its name taken: the row wanting that name fails too, and so on
    // down the chain. The rows blocked in the end are the same whatever order this goes in.
    std::vector<int> staying;
    for (int i = 0; i < n; ++i) {
        if (filesOldName[i] && status[i] != RenameStatus::Pending)
            staying.push_back(i);
    }
    while (!staying.empty()) {
        const int s = staying.back();
        staying.pop_back();
        const int wanting = claimedBy.find(oldKeys[s]);
        if (wanting >= 0 && wanting != s && status[wanting] == RenameStatus::Pending) {
            status[wanting] = RenameStatus::BlockedBySkippedRow;
            staying.push_back(wanting);
        }
    }

    for (int i = 0; i < n; ++i) {
        if (status[i] != RenameStatus::Pending)
            result.holder[i] = -1;
    }
    return result;
}

} // namespace renaming
