#pragma once

#include <QByteArray>
#include <QString>

namespace renaming {

// What became of one row of a rename run, or why its rename would fail.
enum class RenameStatus
{
    Pending, // planned, not done yet
    Renamed,
    Unchanged, // the new name is the old one
    TargetExists,
    TargetExistsIgnoringCase,
    DuplicateTarget,
    BlockedBySkippedRow,
    SourceVanished,
    SourceChanged,
    DuplicateSource,
    NameTooLong,
    InvalidName,
    PermissionDenied,
    ReadOnlyFileSystem,
    NoSpace,
    RunPending,
    FolderUnavailable,
    JournalFailed,
    RolledBack,
    StrandedUnderTemporaryName,
    SystemError,
    Misplaced,
    RunRecordFailed,
    RunTooLarge,
    UnderAnotherName,
    Cancelled, // the run was cancelled before the row's group began
};

// True for the outcomes that leave the file under its new name.
bool isSuccess(RenameStatus status);
// The sentence the interface shows for a status, in the interface's language.
QString statusText(RenameStatus status);
// The status for a failed system call's error number.
RenameStatus statusOfError(int sysError);

// The outcome of one row: what happened, the system's error when one caused it, and the name
// the file has now.
struct RenameRowResult
{
    RenameStatus status = RenameStatus::Pending;
    int sysError = 0;
    QByteArray currentName;

    QString text() const;
};

} // namespace renaming
