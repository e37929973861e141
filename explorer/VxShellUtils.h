#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QWidget;

// Drive queries, icon indexes, special folders and thin wrappers over the desktop's services
// that the file-explorer components share. The wrappers that can fail say so in a modal
// message box worded from the shared component texts and then return a result the caller may
// ignore.

enum TSpecialFolder : quint8
{
    sfDesktop = 0,
    sfFavorites,
    sfNetHood,
    sfPersonal,
    sfPrograms,
    sfSendTo,
    sfStartMenu,
    sfStartUp,
    sfWindows,
    sfSystem
};

enum TBrowseRoot : int
{
    brDesktop = 1,
    brCommonPrograms,
    brPrinters,
    brPersonal,
    brCommonStartMenu,
    brNetwork
};

// Total size and free space for the calling user of the volume holding `path`, in whole
// kilobytes; 0 when the volume cannot be read.
qint64 DriveSizeKB(const QString& path);
qint64 DriveFreeKB(const QString& path);
// The volume whose mount point is `path` is ready when it is mounted there and its root can
// be read. A path that is not absolute names no volume: that is reported whatever `report`
// says. With `report` a volume that is not
// ready beeps and shows the not-ready warning.
bool CheckDriveReady(const QString& path, bool report);

// Indexes into the process-wide small-icon list; the open icon is the one of a selected folder.
int ShellSmallIconIndex(const QString& path);
int ShellOpenIconIndex(const QString& path);

// The folder with a trailing separator, or empty when this platform has none of that kind.
QString SpecialFolderPath(TSpecialFolder folder);

// Runs a verb ("open", "view", "find") on a file. Returns a result above 32 on success; on a
// failure shows "<CannotPrefix><verb><FileWord><file>" and returns the failure code (2 file
// not found, 31 no application for it).
int ShellExecuteWithReport(const QString& operation, const QString& fileName,
                           const QString& parameters, const QString& directory, int showCmd);

// The operation codes are move 1, copy 2, delete 3, rename 4. Sources and destinations are
// NUL-separated lists of paths; the engine confirms, shows progress and reports errors itself.
// True only when every part succeeded and the user cancelled none of it.
bool RunShellFileOperation(int operation, const QString& source, const QString& destination);
bool RunShellFileOperation(int operation, const QList<QByteArray>& sources,
                           const QList<QByteArray>& destinations);

// Lets the user pick a folder; on a pick `path` becomes it with a trailing separator.
bool BrowseFolderDialog(QWidget* owner, QString& path, TBrowseRoot root, bool includeFiles);

// The properties dialog of a file or folder; a missing entry is reported instead.
void ShowShellProperties(const QString& path);

// True, after an error box ""<name>" <AlreadyExists>", when something is named `path`.
bool ReportIfNameExists(const QString& path);

// The NT 5.1 version test has no meaning here.
bool IsNtAtLeast51();
