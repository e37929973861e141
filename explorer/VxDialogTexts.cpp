#include "explorer/VxDialogTexts.h"

platform::FileOperationTexts VxFileOperationTexts(TLanguage language)
{
    platform::FileOperationTexts texts;
    if (language == lnSysDefault)
        return texts;
    const auto text = [language](VxKey key) { return VxText(language, key); };
    texts.destinationsMismatch = text(VxKey::OpDestinationsMismatch);
    texts.movingLabel = text(VxKey::OpMovingLabel);
    texts.copyingLabel = text(VxKey::OpCopyingLabel);
    texts.movingTitle = text(VxKey::OpMovingTitle);
    texts.copyingTitle = text(VxKey::OpCopyingTitle);
    texts.cancel = text(VxKey::OpCancel);
    texts.insideSource = text(VxKey::OpInsideSource);
    texts.sameFile = text(VxKey::OpSameFile);
    texts.fileExists = text(VxKey::OpFileExists);
    texts.folderExists = text(VxKey::OpFolderExists);
    texts.unsupportedKind = text(VxKey::OpUnsupportedKind);
    texts.confirmDeleteTitle = text(VxKey::OpConfirmDeleteTitle);
    texts.deleteForGood = text(VxKey::OpDeleteForGood);
    texts.confirmDeleteOne = text(VxKey::OpConfirmDeleteOne);
    texts.confirmDeleteMany = text(VxKey::OpConfirmDeleteMany);
    texts.confirmReplaceTitle = text(VxKey::OpConfirmReplaceTitle);
    texts.confirmReplace = text(VxKey::OpConfirmReplace);
    texts.yes = text(VxKey::OpYes);
    texts.yesToAll = text(VxKey::OpYesToAll);
    texts.no = text(VxKey::OpNo);
    texts.skip = text(VxKey::OpSkip);
    texts.errorMoveTitle = text(VxKey::OpErrorMoveTitle);
    texts.errorCopyTitle = text(VxKey::OpErrorCopyTitle);
    texts.errorDeleteTitle = text(VxKey::OpErrorDeleteTitle);
    texts.errorRenameTitle = text(VxKey::OpErrorRenameTitle);
    texts.cannotMove = text(VxKey::OpCannotMove);
    texts.cannotCopy = text(VxKey::OpCannotCopy);
    texts.cannotDelete = text(VxKey::OpCannotDelete);
    texts.cannotRename = text(VxKey::OpCannotRename);
    return texts;
}

platform::PropertiesTexts VxPropertiesTexts(TLanguage language)
{
    platform::PropertiesTexts texts;
    if (language == lnSysDefault)
        return texts;
    const auto text = [language](VxKey key) { return VxText(language, key); };
    texts.title = text(VxKey::PropTitle);
    texts.name = text(VxKey::PropName);
    texts.type = text(VxKey::PropType);
    texts.location = text(VxKey::PropLocation);
    texts.size = text(VxKey::PropSize);
    texts.modified = text(VxKey::PropModified);
    texts.permissions = text(VxKey::PropPermissions);
    texts.sizeBytes = text(VxKey::PropSizeBytes);
    texts.folderCounts = text(VxKey::PropFolderCounts);
    return texts;
}
