#include "app/RenameCheck.h"

#include "platform/SyncedFolder.h"

#include <QString>

namespace renaming {

RenameCheck::RenameCheck(const std::vector<QByteArray>& folderNames, platform::FsTraits traits)
    : m_traits(traits)
{
    m_names.reserve(qsizetype(folderNames.size()));
    for (const QByteArray& name : folderNames)
        m_names.insert(name);
    if (!m_traits.caseInsensitive) {
        m_keys = m_names;
        return;
    }
    m_keys.reserve(qsizetype(folderNames.size()));
    for (const QByteArray& name : folderNames)
        m_keys.insert(key(name));
}

RenameCheck RenameCheck::readFolder(const QByteArray& folderPath)
{
    const platform::SyncedFolder folder(folderPath);
    std::vector<QByteArray> names;
    folder.readNames(&names);
    return RenameCheck(names, platform::probeFileSystem(folder, names));
}

QByteArray RenameCheck::key(const QByteArray& name) const
{
    if (!m_traits.caseInsensitive)
        return name;
    const QString text = QString::fromUtf8(name);
    const QByteArray back = text.toUtf8();
    if (back == name)
        return text.toCaseFolded().toUtf8();
    // Not UTF-8: only the ASCII letters can be told to fold.
    QByteArray folded = name;
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return folded;
}

bool RenameCheck::isValidName(const QByteArray& name) const
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains('\0');
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
    QHash<QByteArray, int> fileOf;
    fileOf.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Pending && !m_names.contains(rows[i].oldName))
            status[i] = RenameStatus::SourceVanished;
        if (status[i] == RenameStatus::SourceVanished)
            continue;
        oldKeys[i] = key(rows[i].oldName);
        if (fileOf.contains(oldKeys[i])) {
            if (status[i] == RenameStatus::Pending)
                status[i] = RenameStatus::DuplicateSource;
            continue;
        }
        fileOf.insert(oldKeys[i], i);
    }

    for (int i = 0; i < n; ++i) {
        if (status[i] != RenameStatus::Pending)
            continue;
        const QByteArray& name = rows[i].newName;
        if (!isValidName(name))
            status[i] = RenameStatus::InvalidName;
        else if (name.size() > m_traits.nameMax)
            status[i] = RenameStatus::NameTooLong;
        else if (name == rows[i].oldName)
            status[i] = RenameStatus::Unchanged;
        else
            newKeys[i] = key(name);
    }

    // A file that keeps its name holds it first; then each new name goes to the first row
    // that asks for it.
    QHash<QByteArray, int> claimedBy;
    claimedBy.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (status[i] == RenameStatus::Unchanged)
            claimedBy.insert(oldKeys[i], i);
    }
    for (int i = 0; i < n; ++i) {
        if (status[i] != RenameStatus::Pending)
            continue;
        if (claimedBy.contains(newKeys[i]))
            status[i] = RenameStatus::DuplicateTarget;
        else
            claimedBy.insert(newKeys[i], i);
    }

    for (int i = 0; i < n; ++i) {
        if (status[i] != RenameStatus::Pending)
            continue;
        const int holder = fileOf.value(newKeys[i], -1);
        if (holder >= 0)
            result.holder[i] = holder;
        else if (m_names.contains(rows[i].newName))
            status[i] = RenameStatus::TargetExists;
        else if (m_keys.contains(newKeys[i]))
            status[i] = RenameStatus::TargetExistsIgnoringCase;
    }

    // A file that stays keeps its name taken: the row wanting that name fails too, and so on
    // down the chain.
    std::vector<int> staying;
    for (const int i : std::as_const(fileOf)) {
        if (status[i] != RenameStatus::Pending)
            staying.push_back(i);
    }
    while (!staying.empty()) {
        const int s = staying.back();
        staying.pop_back();
        const int wanting = claimedBy.value(oldKeys[s], -1);
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
