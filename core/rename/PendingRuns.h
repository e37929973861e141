#pragma once

#include "platform/SyncedFolder.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Where the program remembers, in the user's state folder, the folders that hold the journal
// of a rename run it started and which has not ended. The record is what makes a journal this
// user's own: recovery is offered for the folders it lists, at the next start and when such a
// folder is opened; a journal it does not list came from elsewhere. One small file per run,
// named after a hash of the folder's path, holding the folder's device and inode numbers and
// its path's bytes; written durably before the journal is created.
namespace renaming {

struct PendingRun
{
    QByteArray folderPath;
    platform::FolderIdentity identity;
    bool hasIdentity = false; // records of earlier versions name the folder by its path only
    QString recordPath;
};

QString pendingRunsDir();
// The path made absolute, byte for byte (no re-encoding, so any name survives).
QByteArray absoluteFolderPath(const QByteArray& folderPath);
// 0, or the error that kept the record from being written durably.
int rememberPendingRun(const platform::SyncedFolder& folder);
// Drops every record that lists the folder.
void forgetPendingRun(const platform::SyncedFolder& folder);
void forgetPendingRun(const PendingRun& run);
// True when a record lists the folder (the same folder, even when it was moved since).
bool isPendingRun(const platform::SyncedFolder& folder);
std::vector<PendingRun> pendingRuns();

} // namespace renaming
