#pragma once

#include "core/rename/RenameJournal.h"
#include "core/rename/RenamePlan.h"

namespace platform {
class SyncedFolder;
}

namespace renaming {

// Moves the groups of a journalled plan along their states one rename at a time, writing the
// cycle marks a later recovery needs before the renames that need them. Shared by the run and
// by the recovery, so that both leave the same trail.
class RenameGroupMover
{
public:
    struct Result
    {
        int error = 0;        // the system's error number, 0 on success
        bool journal = false; // the journal could not be written; nothing was renamed
        bool changed = false; // a swap's names no longer held the files it expected
        int row = -1;         // the row whose rename it was
    };

    RenameGroupMover(const platform::SyncedFolder& folder, RenameJournal& journal);

    // Once the journal has failed, renames go on without marks (only to put files back).
    void setMarking(bool marking) { m_marking = marking; }
    bool isMarking() const { return m_marking; }

    // Takes group g from *state to *state + 1 (or - 1); *state changes only on success.
    Result forward(int g, int* state);
    Result backward(int g, int* state);

private:
    Result move(const RenameStep& step, RenameJournal::Mark mark, bool needsMark);

    const platform::SyncedFolder& m_folder;
    RenameJournal& m_journal;
    bool m_marking = true;
};

} // namespace renaming
