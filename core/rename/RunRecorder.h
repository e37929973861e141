#pragma once

#include "core/rename/RenameCheck.h"
#include "core/rename/RenameStatus.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace renaming {
class RenameRecovery;
}

// Records each rename run that renamed a file in its folder's history, so it can be undone:
// after a run of the window or of the batch mode, and after a recovery that settled a run.
// Each returns what the user must know (the run could not be recorded, a damaged history was
// set aside), empty when all went well.
namespace runrecorder {

QString recordRun(const QByteArray& folderPath,
                  const std::vector<renaming::RenameRequest>& requests,
                  const std::vector<renaming::RenameRowResult>& results);
// A recovery of an undo settles that undo; a recovery of a run records the files it left
// under their new names.
QString recordRecovery(const renaming::RenameRecovery& recovery);

} // namespace runrecorder
