#include "core/rename/RenameCheck.h"

#include "explorer/VxFileListRules.h"
#include "platform/SyncedFolder.h"

namespace renaming {

RenameCheck::RenameCheck(const std::vector<QByteArray>& folderNames, platform::FsTraits traits)
    : m_traits(traits), m_names(folderNames), m_nameIndex(folderNames.size())
{
    for (size_t i = 0; i < m_names.size(); ++i)
        m_nameIndex.insert(m_names, int(i));
    if (!m_traits.caseInsensitive)
        return;
    m_keys.reserve(folderNames.size());
    for (const QByteArray& name : folderNames)
        m_keys.push_back(key(name));
    m_keyIndex = NameIndex(m_keys.size());
    for (size_t i = 0; i < m_keys.size(); ++i)
        m_keyIndex.insert(m_keys, int(i));
}

bool RenameCheck::isTaken(const QByteArray& name) const
{
    return m_traits.caseInsensitive ? m_keyIndex.find(m_keys, key(name)) >= 0
                                    : m_nameIndex.find(m_names, name) >= 0;
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
    // The key of the name each row's file is to end with: its new name, or its own name for a
    // row that keeps it.
    std::vector<QByteArray> newKeys(rows.size());

    // Which row's file each taken name belongs to; a file that stays where it is keeps
    // its name taken whatever its row's fate.
    NameIndex fileOf(rows.size());
    std::vector<bool> filesOldName(rows.size(), false);
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Pending && m_nameIndex.find(m_names, rows[i].oldName) < 0)
            status[i] = RenameStatus::SourceVanished;
        if (status[i] == RenameStatus::SourceVanished)
            continue;
        oldKeys[i] = key(rows[i].oldName);
        filesOldName[i] = fileOf.insert(oldKeys, i) == i;
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
        else if (name == rows[i].oldName) {
            status[i] = RenameStatus::Unchanged;
            newKeys[i] = oldKeys[i];
        } else {
            newKeys[i] = key(name);
        }
    }

    // A file that keeps its name holds it first; then each new name goes to the first row
    // that asks for it.
    NameIndex claimedBy(rows.size());
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Unchanged)
            claimedBy.insert(newKeys, i);
    }
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Pending && claimedBy.insert(newKeys, i) != i)
            status[i] = RenameStatus::DuplicateTarget;
    }

    for (int i = 0; i < n; ++i) {
        if (status[i] != RenameStatus::Pending)
            continue;
        const int holder = fileOf.find(oldKeys, newKeys[i]);
        if (holder >= 0)
            result.holder[i] = holder;
        else if (m_nameIndex.find(m_names, rows[i].newName) >= 0)
            status[i] = RenameStatus::TargetExists;
        else if (m_traits.caseInsensitive && m_keyIndex.find(m_keys, newKeys[i]) >= 0)
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
        const int wanting = claimedBy.find(newKeys, oldKeys[s]);
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
