#pragma once

#include <QString>

namespace platform {

// What the file operation engine says, in English unless the caller words it otherwise. A %1
// stands for a name (or a count), %2 for the system's reason.
struct FileOperationTexts
{
    QString destinationsMismatch = QStringLiteral("The destinations do not match the sources.");
    QString movingLabel = QStringLiteral("Moving...");
    QString copyingLabel = QStringLiteral("Copying...");
    QString movingTitle = QStringLiteral("Moving");
    QString copyingTitle = QStringLiteral("Copying");
    QString cancel = QStringLiteral("Cancel");
    QString insideSource = QStringLiteral("The destination folder is inside the source folder.");
    QString sameFile = QStringLiteral("The source and destination are the same.");
    QString fileExists = QStringLiteral("A file with this name already exists.");
    QString folderExists = QStringLiteral("A folder with this name already exists.");
    QString unsupportedKind = QStringLiteral("Only files, folders and links can be copied.");
    QString confirmDeleteTitle = QStringLiteral("Confirm Delete");
    QString deleteForGood =
        QStringLiteral("\"%1\" cannot be moved to the trash: its volume has no trash and none "
                       "can be made there.\n\nDo you want to delete it for good? It cannot be "
                       "restored.");
    QString confirmDeleteOne = QStringLiteral("Are you sure you want to move \"%1\" to the trash?");
    QString confirmDeleteMany =
        QStringLiteral("Are you sure you want to move these %1 items to the trash?");
    QString confirmReplaceTitle = QStringLiteral("Confirm File Replace");
    QString confirmReplace = QStringLiteral("This folder already contains a file named \"%1\".\n\n"
                                            "Do you want to replace the existing file?");
    QString yes = QStringLiteral("&Yes");
    QString yesToAll = QStringLiteral("Yes to &All");
    QString no = QStringLiteral("&No");
    QString skip = QStringLiteral("&Skip");
    QString errorMoveTitle = QStringLiteral("Error Moving File or Folder");
    QString errorCopyTitle = QStringLiteral("Error Copying File or Folder");
    QString errorDeleteTitle = QStringLiteral("Error Deleting File or Folder");
    QString errorRenameTitle = QStringLiteral("Error Renaming File or Folder");
    QString cannotMove = QStringLiteral("Cannot move %1: %2");
    QString cannotCopy = QStringLiteral("Cannot copy %1: %2");
    QString cannotDelete = QStringLiteral("Cannot delete %1: %2");
    QString cannotRename = QStringLiteral("Cannot rename %1: %2");
};

} // namespace platform
