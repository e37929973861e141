#pragma once

#include "core/Text.h"

// The texts of the rename subsystem, in the text tables' form: each table holds its French
// entries followed by the same entries in English.
namespace text {

// One sentence per renaming::RenameStatus, in the enumeration's order.
extern const Table StatusTexts;

// What the completion box says beyond the tables of the main window.
extern const Table CompletionTexts;
namespace completion {
enum Entry : int
{
    CancelledSummary, // renamed count ("%1"), all rows ("%2")
    JournalKept,      // the system's error ("%1")
};
} // namespace completion

// The offer to finish or roll back an interrupted run, and what came of it.
extern const Table RecoveryTexts;
namespace recovery {
enum Entry : int
{
    OneFile,
    ManyFiles,        // "%1": a count
    RunInterrupted,   // folder
    PlacesNow,        // files at the new name ("%1" from OneFile or ManyFiles), old count
    PlacesElsewhere,  // count
    FinishOrRollBack, // the question's end
    NowNamed,         // current name
    Finished,         // files placed
    RolledBackRun,    // files placed
    NotPlaced,        // files not placed
    JournalStays,
    InterruptedBeforeRenames, // folder, detail, journal name
    JournalUnusable,          // folder, detail
    TemporaryNamesLeft,       // files
    SetAsideHint,             // journal name
    ForeignJournal,           // folder, files planned, count at new, count at old, elsewhere
    SetAsideFailed,           // folder, the system's error
    RunGoingOn,               // folder
    JournalNotRemoved,
    LaterButton,
    RemoveJournalButton,
    SetAsideButton,
    FinishButton,
    RollBackButton,
};
} // namespace recovery

} // namespace text
