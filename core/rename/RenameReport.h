#pragma once

#include "core/rename/RenameCheck.h"
#include "core/rename/RenameRecovery.h"
#include "core/rename/RenameStatus.h"

#include <QString>
#include <QStringList>

#include <vector>

// The texts that tell the user how a rename run, or the recovery of one, went.
namespace renamereport {

// The completion box's own text, short enough for any number of rows: the completion message
// alone when every row was renamed (or kept its name); otherwise how many files have their new
// name (and that the run was cancelled, when it was) and, per reason other than the cancel, how
// many were not renamed with the first few names, long names shortened in the middle.
QString completionSummary(const std::vector<renaming::RenameRequest>& rows,
                          const std::vector<renaming::RenameRowResult>& results);
// Every file that was not renamed, one line each with its whole name and the reason; empty when
// there is none.
QString completionDetails(const std::vector<renaming::RenameRequest>& rows,
                          const std::vector<renaming::RenameRowResult>& results);
// `name` cut to at most `maxChars` characters by putting an ellipsis in its middle, so both
// its start and its extension stay readable; never splits a character.
QString elidedName(const QString& name, int maxChars);
// One reason of a summary: the reason and how many files it held back, then the first few of
// their names, shortened, and how many more there are.
QString reasonText(const QString& reason, const QStringList& names);

// The question put before recovering, from where the files are now.
QString recoveryQuestion(const renaming::RenameRecovery& recovery);
// What a finished recovery achieved, and each file it could not place.
QString recoveryText(const renaming::RenameRecovery& recovery,
                     renaming::RenameRecovery::Action action);
// What is wrong with a journal that cannot be used, and what the user can do.
QString unusableJournalText(const renaming::RenameRecovery& recovery);
// The question put for a journal that this user's records do not list.
QString foreignJournalQuestion(const renaming::RenameRecovery& recovery);
QString setAsideFailedText(const renaming::RenameRecovery& recovery, int sysError);
// What the user must know when a run's end could not be made safe (empty when it was).
QString journalKeptText(int finishError);

// A name as the file system's bytes, shown with replacement characters where it is not UTF-8.
QString displayName(const QByteArray& name);

} // namespace renamereport
