#include "core/rename/RenameStatus.h"

#include "platform/SyncedFolder.h"

namespace renaming {

bool isSuccess(RenameStatus status)
{
    return status == RenameStatus::Renamed || status == RenameStatus::Unchanged;
}

QString statusText(RenameStatus status)
{
    switch (status) {
    case RenameStatus::Pending:
        return QStringLiteral("Not renamed yet.");
    case RenameStatus::Renamed:
        return QStringLiteral("Renamed.");
    case RenameStatus::Unchanged:
        return QStringLiteral("The name is unchanged.");
    case RenameStatus::TargetExists:
        return QStringLiteral("A file or folder with the new name already exists.");
    case RenameStatus::TargetExistsIgnoringCase:
        return QStringLiteral(
            "A file or folder whose name differs from the new name only in letter case "
            "already exists, and this volume does not tell them apart.");
    case RenameStatus::DuplicateTarget:
        return QStringLiteral("An earlier row gets the same new name.");
    case RenameStatus::BlockedBySkippedRow:
        return QStringLiteral(
            "The new name is held by another file of the list that was not renamed.");
    case RenameStatus::SourceVanished:
        return QStringLiteral("The file no longer exists.");
    case RenameStatus::SourceChanged:
        return QStringLiteral("The file has changed since the folder was read.");
    case RenameStatus::DuplicateSource:
        return QStringLiteral("An earlier row renames the same file.");
    case RenameStatus::NameTooLong:
        return QStringLiteral("The new name is too long for this volume.");
    case RenameStatus::InvalidName:
        return QStringLiteral("The new name is not a valid file name.");
    case RenameStatus::PermissionDenied:
        return QStringLiteral("Permission denied.");
    case RenameStatus::ReadOnlyFileSystem:
        return QStringLiteral("The volume is read-only.");
    case RenameStatus::NoSpace:
        return QStringLiteral("The volume is full.");
    case RenameStatus::RunPending:
        return QStringLiteral(
            "An interrupted rename run of this folder must be finished or rolled back first.");
    case RenameStatus::FolderUnavailable:
        return QStringLiteral("The folder cannot be read.");
    case RenameStatus::JournalFailed:
        return QStringLiteral("The run's journal could not be written, so the run stopped.");
    case RenameStatus::RolledBack:
        return QStringLiteral(
            "Not renamed: it was part of a chain of exchanged names that failed elsewhere.");
    case RenameStatus::StrandedUnderTemporaryName:
        return QStringLiteral(
            "The file is under a temporary name; finish or roll back the run to place it.");
    case RenameStatus::SystemError:
        return QStringLiteral("The system refused the rename.");
    case RenameStatus::Misplaced:
        return QStringLiteral(
            "The names of this file and the ones it was exchanged with were changed outside "
            "the run; it was left where it is.");
    case RenameStatus::RunRecordFailed:
        return QStringLiteral(
            "The run could not be recorded in the program's data folder, so it did not start.");
    case RenameStatus::RunTooLarge:
        return QStringLiteral("The run is too large for its journal, so it did not start.");
    case RenameStatus::UnderAnotherName:
        return QStringLiteral("The file is under the name of another file of the run; finish or "
                              "roll back the run to place it.");
    }
    return QString();
}

RenameStatus statusOfError(int sysError)
{
    switch (platform::fileErrorOf(sysError)) {
    case platform::FileError::None:
        return RenameStatus::Renamed;
    case platform::FileError::Exists:
        return RenameStatus::TargetExists;
    case platform::FileError::NotFound:
        return RenameStatus::SourceVanished;
    case platform::FileError::AccessDenied:
        return RenameStatus::PermissionDenied;
    case platform::FileError::ReadOnly:
        return RenameStatus::ReadOnlyFileSystem;
    case platform::FileError::NameTooLong:
        return RenameStatus::NameTooLong;
    case platform::FileError::NoSpace:
        return RenameStatus::NoSpace;
    case platform::FileError::TooLarge:
    case platform::FileError::SymbolicLink:
    case platform::FileError::Invalid:
    case platform::FileError::Busy:
    case platform::FileError::Other:
        break;
    }
    return RenameStatus::SystemError;
}

QString RenameRowResult::text() const
{
    const QString base = statusText(status);
    if (sysError == 0 || status == RenameStatus::Renamed)
        return base;
    return base + QStringLiteral(" (") + platform::sysErrorText(sysError) + QLatin1Char(')');
}

} // namespace renaming
