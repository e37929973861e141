#pragma once

#include "core/Text.h"

// The texts of the undo of past rename runs, in the program's table form: French entries,
// then the same entries in English.
namespace undotexts {

enum Entry
{
    MenuItem,          // Actions menu
    Question,          // "%1" date of the run, "%2" its number of files
    NothingRecorded,   // no run of the folder can be undone
    HistoryDamaged,    // "%1" what is wrong
    BackCount,         // "%1" files back of "%2"
    LeftAloneCount,    // "%1" files left alone
    ChangedCount,      // "%1" files changed since the run, renamed back all the same
    DetailsHint,       // the box's details
    RenamedSince,      // "%1" the name it has now
    Gone,              // no file under the name the run gave
    Replaced,          // another file holds the name the run gave
    EarlierNameTaken,  // another file holds the name from before the run
    ChangedButBack,    // one changed file
    NotRecorded,       // "%1" why the run could not be recorded
    HistorySetAside,   // "%1" where the damaged history went
    DamageTooLarge,    // the history file is larger than it may be
    DamageUnreadable,  // cut off, altered, or no history
    DamageBadName,     // a name that is not one name in the folder
    HistoryNotWritten, // "%1" the system's reason
    UndoNotStarted,    // "%1" the system's reason
    EntryCount
};

extern const text::Table Table;

QString entry(Entry k);

} // namespace undotexts
