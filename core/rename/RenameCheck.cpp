#include "core/rename/RenameCheck.h"

#include "explorer/VxFileListRules.h"
#include "platform/SyncedFolder.h"

namespace renaming {

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
    NameMap<int> fileOf;
    fileOf.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Pending && m_names.count(rows[i].oldName) == 0)
            status[i] = RenameStatus::SourceVanished;
        if (status[i] == RenameStatus::SourceVanished)
            continue;
        oldKeys[i] = key(rows[i].oldName);
        if (!fileOf.emplace(oldKeys[i], i).second && status[i] == RenameStatus::Pending)
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
    NameMap<int> claimedBy;
    claimedBy.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Unchanged)
            claimedBy.emplace(oldKeys[i], i);
    }
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Pending && !claimedBy.emplace(newKeys[i], i).second)
            status[i] = RenameStatus::DuplicateTarget;
    }

    for (int i = 0; i < n; ++i) {
        if (status[i] != RenameStatus::Pending)
            continue;
        const auto holder = fileOf.find(newKeys[i]);
        if (holder != fileOf.end())
            result.holder[i] = holder->second;
        else if (m_names.count(rows[i].newName) != 0)
            status[i] = RenameStatus::TargetExists;
        else if (keys().count(newKeys[i]) != 0)
            status[i] = RenameStatus::TargetExistsIgnoringCase;
    }

    // A file that stays keeps its name taken: the row wanting that name fails too, and so on
    // down the chain.
    std::vector<int> staying;
    for (const auto& entry : fileOf) {
        if (status[entry.second] != RenameStatus::Pending)
            staying.push_back(entry.second);
    }
    while (!staying.empty()) {
        const int s = staying.back();
        staying.pop_back();
        const auto wanting = claimedBy.find(oldKeys[s]);
        if (wanting != claimedBy.end() && wanting->second != s &&
            status[wanting->second] == RenameStatus::Pending) {
            status[wanting->second] = RenameStatus::BlockedBySkippedRow;
            staying.push_back(wanting->second);
        }
    }

    for (int i = 0; i < n; ++i) {
        if (status[i] != RenameStatus::Pending)
            result.holder[i] = -1;
    }
    return result;
}

} // namespace renaming
