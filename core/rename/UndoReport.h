#pragma once

#include "core/rename/RenameUndo.h"
#include "core/rename/RunHistory.h"

#include <QString>

#include <vector>

// The texts that ask for and tell about the undo of a recorded rename run.
namespace undoreport {

// When the run ended, in local time.
QString runTime(const renaming::RecordedRun& run);
QString question(const renaming::RecordedRun& run);
QString damagedText(renaming::RunHistory::Damage damage);
// How many files are back; the files left alone, by reason with the first few names; the
// changed files that went back all the same.
QString summary(const std::vector<renaming::UndoOutcome>& outcomes);
// One line per file left alone or changed, with its whole name; empty when there is none.
QString details(const std::vector<renaming::UndoOutcome>& outcomes);

} // namespace undoreport
