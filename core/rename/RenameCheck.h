#pragma once

#include "core/rename/NameIndex.h"
#include "core/rename/RenameStatus.h"
#include "platform/FsProbe.h"

#include <QByteArray>
#include <QtGlobal>

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace renaming {

using NameSet = std::unordered_set<QByteArray, NameHash>;
template <typename T> using NameMap = std::unordered_map<QByteArray, T, NameHash>;

// One row of a run: the file as it was listed and the name it is to get.
struct RenameRequest
{
    QByteArray oldName;
    QByteArray newName;
    qint64 size = 0;
    qint64 mtimeNsec = 0;
};

// Tells, from the folder's names alone, which renames of a list would fail and why, and which
// row's file holds each row's new name. Built once per folder read (a flat index of the names,
// folded when the volume ignores letter case); each check is linear and touches no disk, so
// it can run on every preview change. The rename run builds its plan on the same check.
class RenameCheck
{
public:
    struct Result
    {
        // Pending (would be renamed), Unchanged, or the reason it would fail.
        std::vector<RenameStatus> status;
        // For each Pending row, the Pending row whose file holds its new name, or -1.
        std::vector<int> holder;
    };

    RenameCheck() = default;
    RenameCheck(const std::vector<QByteArray>& folderNames, platform::FsTraits traits);

    const platform::FsTraits& traits() const { return m_traits; }
    // The name as the volume files it: itself, or folded when letter case is ignored.
    QByteArray key(const QByteArray& name) const;
    // True when the name, or on a volume that ignores case a spelling of it, is taken.
    bool isTaken(const QByteArray& name) const;

    Result check(const std::vector<RenameRequest>& rows) const;
    // As above; rows whose `preset` is not Pending are already known to fail and keep it.
    Result check(const std::vector<RenameRequest>& rows, std::vector<RenameStatus> preset) const;

private:
    platform::FsTraits m_traits;
    std::vector<QByteArray> m_names;
    NameIndex m_nameIndex;
    // Folded names, only on a volume that ignores case.
    std::vector<QByteArray> m_keys;
    NameIndex m_keyIndex;
};

} // namespace renaming
