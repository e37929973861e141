#include "core/rename/RenameStatus.h"

#include "core/rename/RenameTexts.h"
#include "platform/SyncedFolder.h"

namespace renaming {

bool isSuccess(RenameStatus status)
{
    return status == RenameStatus::Renamed || status == RenameStatus::Unchanged;
}

QString statusText(RenameStatus status)
{
    return text::entry(text::StatusTexts, int(status));
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
