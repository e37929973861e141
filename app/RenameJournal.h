#pragma once

#include "app/RenamePlan.h"
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
// small fixed-size progress records:
// - a cycle's mark, appended before the cycle's closing rename (Closing) or before its
//   renames are undone (Reverting), which tells the two states a cycle's names cannot tell
//   apart (every file under its old name, or every one under its new name);
// - the end of a phase, appended once the folder is durable and itself made durable: every
//   group before the given one is settled (done, or stopped where its failure left it) and
//   its records are on the disk.
// Where every other group stands is read from the folder itself: each state of a group leaves
// exactly one of its names free.
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
        Damaged,    // unreadable or altered: nothing may be done from it
    };

    static QByteArray fileName();

    // Writes the plan into a new journal and makes it and its folder entry durable; EEXIST
    // when the folder has a journal already.
    int create(const platform::SyncedFolder& folder, const RenamePlan& plan);
    // Opens and reads the folder's journal for recovery; `detail` gets the system's message
    // when the journal could not be read.
    Load open(const platform::SyncedFolder& folder, QString* detail = nullptr);

    int mark(int group, Mark mark);
    // Every group before `groupsDone` is settled and the folder has been made durable.
    int endPhase(int groupsDone);
    // Deletes the journal and makes the deletion durable.
    int remove(const platform::SyncedFolder& folder);

    const RenamePlan& plan() const { return m_plan; }
    Mark lastMark(int group) const { return m_marks[size_t(group)]; }
    int groupsDone() const { return m_groupsDone; }

private:
    int appendRecord(quint8 type, quint8 mark, quint32 value);
    Load parse(const QByteArray& bytes);

    platform::SyncedFile m_file;
    RenamePlan m_plan;
    std::vector<Mark> m_marks;
    int m_groupsDone = 0;
};

} // namespace renaming
