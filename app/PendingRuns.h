#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Where the program remembers, in the user's state folder, the folders that hold the journal
// of a rename run which has not ended, so that it can offer to finish them at the next start.
// One small file per folder, named after a hash of its path and holding the path's bytes.
namespace renaming {

QString pendingRunsDir();
// The path made absolute, byte for byte (no re-encoding, so any name survives).
QByteArray absoluteFolderPath(const QByteArray& folderPath);
bool rememberPendingRun(const QByteArray& folderPath);
void forgetPendingRun(const QByteArray& folderPath);
std::vector<QByteArray> pendingRunFolders();

} // namespace renaming
