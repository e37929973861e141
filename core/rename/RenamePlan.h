#pragma once

#include "core/rename/RenameCheck.h"
#include "core/rename/RenameStatus.h"

#include <QByteArray>
#include <QtGlobal>

#include <vector>

namespace renaming {

// One file of a run.
struct RenamePlanRow
{
    QByteArray oldName;
    QByteArray newName;
    QByteArray tempName; // set on the first row of a cycle only
    qint64 size = 0;
    qint64 mtimeNsec = 0;
    quint64 inode = 0; // as the check just before the run found it; 0 when not known
    RenameStatus status = RenameStatus::Pending; // Pending when the row takes part in a group
    int group = -1;
    int indexInGroup = -1;
};

// Rows whose renames depend on each other, in the order they are carried out. In a chain
// the first row's new name is free and each next row takes the name the previous one left.
// In a cycle the names go round, each row wanting the old name of the row before it (the
// first the last one's): either the first row steps aside to its temporary name, the others
// follow as in a chain, and the first row takes its new name last; or (`exchange`) the first
// row's old name swaps files with the last row's, then the next to last one's, and so on down
// to the second's, one swap per step, so no name is ever free.
struct RenameGroup
{
    bool cycle = false;
    bool exchange = false;
    std::vector<int> rows;

    // A group moves along a line of states 0 (every file under its old name) to length()
    // (every file under its new name), one rename or swap per state.
    int length() const
    {
        if (exchange)
            return int(rows.size()) - 1;
        return int(rows.size()) + (cycle ? 1 : 0);
    }
};

struct RenameStep
{
    int row = -1;
    QByteArray from;
    QByteArray to;
    bool exchange = false;
    int fromRow = -1; // for a swap: the row whose file `from` holds
    // For a swap: the inodes `from` and `to` must hold just before it.
    quint64 fromInode = 0;
    quint64 toInode = 0;
};

// The whole run, planned before the first rename: which rows are skipped and why, and the
// groups the others form, so that swaps and cycles go through temporary names and no rename
// ever has to replace a file.
class RenamePlan
{
public:
    enum class Place
    {
        Old,
        Temporary,
        New,
    };

    RenamePlan() = default;
    RenamePlan(std::vector<RenamePlanRow> rows, std::vector<RenameGroup> groups);

    // `preset` holds failures found on the disk before planning (vanished or changed files);
    // `tempBase` starts the temporary names, which avoid every name `check` knows. `inodes`,
    // when not empty, holds each row's inode; with `exchange`, cycles of two or more rows swap
    // their files instead of going through a temporary name.
    static RenamePlan build(const std::vector<RenameRequest>& requests, const RenameCheck& check,
                            std::vector<RenameStatus> preset, const QByteArray& tempBase,
                            const std::vector<quint64>& inodes = {}, bool exchange = false);

    const std::vector<RenamePlanRow>& rows() const { return m_rows; }
    const std::vector<RenameGroup>& groups() const { return m_groups; }
    int totalSteps() const;

    // The rename that takes group g from state s to s + 1, and back from s to s - 1.
    RenameStep forwardStep(int g, int s) const;
    RenameStep backwardStep(int g, int s) const;
    // Where a grouped row's file is while its group is at state s.
    Place placeOf(int row, int s) const;
    QByteArray nameAt(int row, Place place) const;
    // The group's names, one more than it has files: at state j the name at index j is the
    // only one free (for a cycle, index 0 is its temporary name, free at 0 and at length()).
    // Not for a group of swaps, which never frees a name.
    std::vector<QByteArray> groupNames(int g) const;
    // For a group of swaps: the row whose file its first row's old name holds at state s.
    int rowAtFirstName(int g, int s) const;
    // Groups g and after go through their temporary names instead of swaps (only before any of
    // them has begun).
    void dropExchangesFrom(int g);

private:
    std::vector<RenamePlanRow> m_rows;
    std::vector<RenameGroup> m_groups;
};

} // namespace renaming
