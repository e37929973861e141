#pragma once

#include <QString>

class QLocale;

// The component language: which of the thirteen text sets the file-explorer components use.
// lnSysDefault is resolved to a concrete language when it is set.
enum TLanguage : quint8
{
    lnSysDefault = 0,
    lnEnglish = 1,
    lnChinese_Tra = 2,
    lnChinese_Sim = 3,
    lnDutch = 4,
    lnFrench = 5,
    lnGerman = 6,
    lnItalian = 7,
    lnJapanese = 8,
    lnPolish = 9,
    lnPortuguese = 10,
    lnSlovenian = 11,
    lnSlovak = 12,
    lnSpanish = 13
};

// The component texts. Keys 1 to 39 are looked up where they are shown; keys 40 to 72 are
// read from the shared slots that the language loaders fill; keys from 73 on are looked up
// where they are shown and exist in French and English, the other languages using English.
enum class VxKey : int
{
    // Point-of-use texts.
    ColName = 1,
    ColSize,
    ColType,
    ColModified,
    ColAttr,
    ColDiskSize,
    ColFreeSpace,
    DriveUnknown,
    DriveNoRoot,
    DriveRemovable,
    DriveFixed,
    DriveRemote,
    DriveCDRom,
    DriveRamDisk,
    MenuOpen,
    MenuView,
    MenuSendTo,
    MenuCut,
    MenuCopy,
    MenuPaste,
    MenuRename,
    MenuDelete,
    MenuProperties,
    MenuNewFolder,
    MenuAnyFolder,
    MenuClipboardContents,
    MenuClipboardFileName,
    MenuDesktopShortcut,
    TreeMenuNewFolder,
    TreeMenuRenameFolder,
    TreeMenuDeleteFolder,
    TreeMenuCut,
    TreeMenuCopy,
    TreeMenuPaste,
    TreeMenuTreeSize,
    TreeMenuFolderContents,
    TreeMenuMapDrive,
    TreeMenuDisconnectDrive,
    TreeMenuProperty,
    // Shared texts: read through the shared slots a loader filled.
    DriveLabel = 40,
    FolderQuote,
    ErrorPrefix,
    FileWord,
    FromLabel,
    ToLabel,
    CancelCaption,
    BrowseCaption,
    ReadOnlyCaption,
    ArchiveCaption,
    HiddenCaption,
    SystemCaption,
    CannotPrefix,
    SpecifyDirectory,
    InvalidDriveId,
    DriveNotReady,
    AlreadyExists,
    InvalidDirName,
    ConfirmRenameFolder,
    CannotAddDrives,
    NewFolderName,
    InvalidFolderChars,
    NotFound,
    FilesIn,
    FileOpFailed,
    ItsReadOnly,
    NoFileSelected,
    SendToAnyFolder,
    EnterSendToPath,
    ShortcutSaveFailed,
    SetAttributesTitle,
    TreeSizeTitle,
    AndSubFolders,
    // The file operation and properties dialogs, and the file list's read errors.
    OpDestinationsMismatch = 73,
    OpMovingLabel,
    OpCopyingLabel,
    OpMovingTitle,
    OpCopyingTitle,
    OpCancel,
    OpInsideSource,
    OpSameFile,
    OpFileExists,
    OpFolderExists,
    OpUnsupportedKind,
    OpConfirmDeleteTitle,
    OpDeleteForGood,
    OpConfirmDeleteOne,
    OpConfirmDeleteMany,
    OpConfirmReplaceTitle,
    OpConfirmReplace,
    OpYes,
    OpYesToAll,
    OpNo,
    OpSkip,
    OpErrorMoveTitle,
    OpErrorCopyTitle,
    OpErrorDeleteTitle,
    OpErrorRenameTitle,
    OpCannotMove,
    OpCannotCopy,
    OpCannotDelete,
    OpCannotRename,
    PropTitle,
    PropName,
    PropType,
    PropLocation,
    PropSize,
    PropModified,
    PropPermissions,
    PropSizeBytes,
    PropFolderCounts,
    FolderUnreadable,
};

// The last key that has a text.
inline constexpr VxKey VxLastKey = VxKey::FolderUnreadable;

// The text of a key in a language; empty for lnSysDefault.
QString VxText(TLanguage language, VxKey key);
// The shared slot of a key from 40 to 72: whatever a loader last put there, empty before.
QString VxSharedText(VxKey key);

// The languages the tree-side and the list-side loaders use; both start at lnSysDefault.
extern TLanguage TreeLanguage;
extern TLanguage ListLanguage;

// Copy the shared texts of TreeLanguage (or ListLanguage) into their slots; nothing for
// lnSysDefault. The eight slots both loaders write follow whichever ran last.
void LoadTreeTexts();
void LoadListTexts();

// The component language of a Windows language identifier (primary language in the low 10
// bits, sublanguage in the upper 6).
TLanguage ResolveLanguageId(quint16 languageId);
// value itself, or the language of languageId when value is lnSysDefault.
TLanguage ResolveLanguage(TLanguage value, quint16 languageId);

// The Windows language identifier of a locale, so that the resolution table applies to it.
quint16 WindowsLanguageId(const QLocale& locale);
// The user's and the system's default language identifiers; both come from the system
// locale on this platform.
quint16 UserDefaultLanguageId();
quint16 SystemDefaultLanguageId();
