#include "explorer/VxShellUtils.h"

#include "explorer/VxConsts.h"
#include "explorer/VxDialogTexts.h"
#include "explorer/VxPathUtils.h"
#include "platform/DirEnum.h"
#include "platform/KnownFolders.h"
#include "platform/Volumes.h"
#include "platform/ui/FileOperation.h"
#include "platform/ui/FolderBrowse.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PropertiesDialog.h"
#include "platform/ui/ShellOpen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace {

void showBox(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QString(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

qint64 kilobytes(qint64 bytes)
{
    // A failed query gives -1 bytes, which truncates to 0.
    return bytes / 1024;
}

bool isDirectory(const QString& path)
{
    return QFileInfo(path).isDir();
}

QList<QByteArray> splitNulList(const QString& list)
{
    QList<QByteArray> paths;
    for (const QString& part : list.split(QChar(0), Qt::SkipEmptyParts))
        paths.append(platform::encodePath(part));
    return paths;
}

} // namespace

qint64 DriveSizeKB(const QString& path)
{
    return kilobytes(platform::volumeTotalBytes(path));
}

qint64 DriveFreeKB(const QString& path)
{
    return kilobytes(platform::volumeFreeBytes(path));
}

bool CheckDriveReady(const QString& path, bool report)
{
    // An invalid id is shown whatever `report` says, and the test still goes on.
    const bool absolute = QDir::isAbsolutePath(path);
    if (!absolute)
        showBox(QMessageBox::Critical, VxSharedText(VxKey::InvalidDriveId));
    // The volume must be mounted at the path itself: a stick pulled out leaves its mount point
    // behind as a plain folder of the volume above it.
    const QString mountPoint = absolute ? platform::volumeOf(path).mountPoint : QString();
    if (!mountPoint.isEmpty() && mountPoint == StripTrailingBackslash(path) &&
        platform::volumeReady(mountPoint))
        return true;
    if (report) {
        QApplication::beep();
        showBox(QMessageBox::Warning, VxSharedText(VxKey::DriveNotReady));
    }
    return false;
}

int ShellSmallIconIndex(const QString& path)
{
    return platform::ImageList::instance().iconIndexFor(path, isDirectory(path), false);
}

int ShellOpenIconIndex(const QString& path)
{
    return platform::ImageList::instance().iconIndexFor(path, isDirectory(path), true);
}

QString SpecialFolderPath(TSpecialFolder folder)
{
    static const platform::SpecialFolder kinds[] = {
        platform::SpecialFolder::Desktop,        platform::SpecialFolder::Favorites,
        platform::SpecialFolder::NetHood,        platform::SpecialFolder::Documents,
        platform::SpecialFolder::Programs,       platform::SpecialFolder::SendTo,
        platform::SpecialFolder::StartMenu,      platform::SpecialFolder::StartUp,
        platform::SpecialFolder::SystemPrograms, platform::SpecialFolder::SystemLibraries,
    };
    if (folder > sfSystem)
        return QString();
    return EnsureTrailingBackslash(platform::specialFolderPath(kinds[folder]));
}

int ShellExecuteWithReport(const QString& operation, const QString& fileName,
                           const QString& parameters, const QString& directory, int showCmd)
{
    Q_UNUSED(showCmd);
    const platform::OpenResult result =
        platform::openWithDesktop(operation, fileName, parameters, directory);
    if (result == platform::OpenResult::Opened)
        return 42;
    showBox(QMessageBox::Critical, VxSharedText(VxKey::CannotPrefix) + operation +
                                       VxSharedText(VxKey::FileWord) + fileName);
    return result == platform::OpenResult::FileNotFound ? 2 : 31;
}

bool RunShellFileOperation(int operation, const QString& source, const QString& destination)
{
    return RunShellFileOperation(operation, splitNulList(AppendNulChar(source)),
                                 splitNulList(AppendNulChar(destination)));
}

bool RunShellFileOperation(int operation, const QList<QByteArray>& sources,
                           const QList<QByteArray>& destinations)
{
    if (operation < 1 || operation > 4 || sources.isEmpty())
        return false;
    platform::FileOperation engine(QApplication::activeWindow(),
                                   VxFileOperationTexts(ListLanguage));
    const platform::FileOperationResult result =
        engine.run(platform::FileOperationKind(operation), sources, destinations);
    return result.succeeded && !result.aborted;
}

bool BrowseFolderDialog(QWidget* owner, QString& path, TBrowseRoot root, bool includeFiles)
{
    const QString start = root == brPersonal
                              ? platform::specialFolderPath(platform::SpecialFolder::Documents)
                              : QDir::homePath();
    const QString chosen = platform::browseForFolder(owner, VxSharedText(VxKey::SpecifyDirectory),
                                                     start, includeFiles);
    if (chosen.isEmpty())
        return false;
    path = EnsureTrailingBackslash(chosen);
    return true;
}

void ShowShellProperties(const QString& path)
{
    const QString entry = StripTrailingBackslash(path);
    const QFileInfo info(entry);
    if (!info.exists() && !info.isSymLink()) {
        showBox(QMessageBox::NoIcon, info.absoluteDir().exists()
                                         ? QStringLiteral("The specified file was not found.")
                                         : QStringLiteral("The specified path was not found."));
        return;
    }
    auto* dialog = new platform::PropertiesDialog(platform::encodePath(entry), nullptr,
                                                  VxPropertiesTexts(ListLanguage));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

bool ReportIfNameExists(const QString& path)
{
    QString name = StripTrailingBackslash(path);
    if (name.endsWith(QChar(0)))
        name.chop(1);
    // exists() follows links; a dangling link still holds the name.
    const QFileInfo info(name);
    if (!info.exists() && !info.isSymLink())
        return false;
    showBox(QMessageBox::Critical,
            u'"' + info.fileName() + QStringLiteral("\" ") + VxSharedText(VxKey::AlreadyExists));
    return true;
}

bool IsNtAtLeast51()
{
    return false;
}
