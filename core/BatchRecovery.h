#pragma once

#include "core/BatchMode.h"

#include <QByteArray>

class QTextStream;

// "--recover DIR finish|rollback|set-aside": settles a folder's interrupted rename run without
// a window. Naming the action on the command line is the explicit choice a journal from
// elsewhere needs. Reports as "--rename" does: one line per file that did not end where the
// action takes it, and exit code 1 when there was any.
namespace batchrecovery {

int recover(const QByteArray& folderPath, batchmode::RecoverAction action, QTextStream& out,
            QTextStream& err);

} // namespace batchrecovery
