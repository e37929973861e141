#pragma once

#include "core/rename/RenamePlan.h"
#include "platform/SyncedFile.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace platform {
class SyncedFolder;
}

namespace renaming {

// The record of one rename run, kept as a hidden file in the folder being renamed from before
// the first rename until after the last. Creating it exclusively is what locks the folder
// against a second run. It holds the whole plan, written and made durable once, followed by
// small fixed-size progress records, each made durable before the rename it guards:
// - a cycle's mark, appended before the cycle's closing rename (Closing) or before its
//   renames are undone (Reverting), which tells the two states a cycle's names cannot tell
//   apart (every file under its old name, or every one under its new name);
// - a rename's intent, appended before a placeholder is made under its target on a file
//   system without no-replace renames, so that an empty file left by a crash is known;
// - the groups of swaps about to be carried out, appended before the first of them: a recovery
//   judges each such group by the inodes found at its names, and knows the groups after the
//   last such record untouched; and, should the volume refuse a swap, the group from which on
//   the temporary names are used instead;
// - the end of a phase, appended once the folder is durable and itself made durable: every
//   group before the given one is settled (done, or stopped where its failure left it) and
//   its records are on the disk.
// Where every other group stands is read from the folder itself: each state of a group leaves
// exactly one of its names free.
//
// A journal found in a folder is untrusted: it is read only when it is a regular file no
// larger than the limit the writer keeps to, and its plan only when every name in it is one
// name inside the folder and every temporary name is the run's own.
class RenameJournal
{
public:
    enum class Mark : quint8
    {
        None = 0,
        Closing = 1,
        Reverting = 2,
    };

    enum class Load
    {
        Ok,
        Missing,    // no journal in the folder
        Busy,       // a running process holds it
        Incomplete, // cut off before its plan was complete: no rename was made
        Damaged,    // unreadable, altered or not a journal: nothing may be done from it
    };

    // A rename about to be made onto a placeholder: the row and the places it goes between.
    struct Intent
    {
        int row = -1;
        RenamePlan::Place from = RenamePlan::Place::Old;
        RenamePlan::Place to = RenamePlan::Place::New;
    };

    // The largest journal this program writes or reads.
    static constexpr qint64 kMaxBytes = qint64(256) << 20;

    explicit RenameJournal(qint64 maxBytes = kMaxBytes);

    static QByteArray fileName();
    // True when `name` can stand in a journal's plan: one name inside the folder.
    static bool isPlainName(const QByteArray& name);
    // True when `name` is a temporary name a run of this program gives.
    static bool isTemporaryName(const QByteArray& name);

    // Writes the plan into a new journal and makes it and its folder entry durable; an error
    // of kind Exists when the folder has a journal already, TooLarge when the run's journal
    // could outgrow the limit (nothing is written then).
    int create(const platform::SyncedFolder& folder, const RenamePlan& plan);
    // Opens and reads the folder's journal for recovery; `detail` gets what is wrong when the
    // journal cannot be used.
    Load open(const platform::SyncedFolder& folder, QString* detail = nullptr);

    int mark(int group, Mark mark);
    // The same mark for several groups, made durable at once.
    int markAll(const std::vector<int>& groups, Mark mark);
    int recordIntent(const Intent& intent);
    // Groups firstGroup to firstGroup + count - 1 (at most 65,535) may now be swapped.
    int recordExchanges(int firstGroup, int count);
    // The volume refused a swap: group `group` and those after it go through their temporary
    // names (none of them has begun).
    int refuseExchangesFrom(int group);
    // Every group before `groupsDone` is settled and the folder has been made durable.
    int endPhase(int groupsDone);
    // Deletes the journal and makes the deletion durable.
    int remove(const platform::SyncedFolder& folder);

    const RenamePlan& plan() const { return m_plan; }
    Mark lastMark(int group) const { return m_marks[size_t(group)]; }
    int groupsDone() const { return m_groupsDone; }
    // The end of the last range of groups recorded as about to be swapped (0: none).
    int exchangesEnd() const { return m_exchangesEnd; }
    // The last rename recorded before a placeholder was made, if any.
    bool lastIntent(Intent* intent) const;
    // True when progress records after the plan were unreadable: the marks after them are
    // lost, so a cycle whose names cannot tell its state must be left alone.
    bool recordsDamaged() const { return m_recordsDamaged; }

private:
    int appendRecord(quint8 type, quint8 mark, quint8 extra, quint32 value, bool durable);
    Load parse(const QByteArray& bytes, QString* detail);
    void readRecords(const QByteArray& bytes, qint64 from);

    qint64 m_maxBytes;
    platform::SyncedFile m_file;
    RenamePlan m_plan;
    std::vector<Mark> m_marks;
    Intent m_lastIntent;
    int m_groupsDone = 0;
    int m_exchangesEnd = 0;
    bool m_recordsDamaged = false;
};

} // namespace renaming
