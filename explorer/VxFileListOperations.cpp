#include "explorer/VxFileListOperations.h"

#include "explorer/VxConsts.h"
#include "explorer/VxDesktopShortcut.h"
#include "explorer/VxFileClipboardData.h"
#include "explorer/VxFileDrops.h"
#include "explorer/VxFileOpRules.h"
#include "explorer/VxFilelistView28.h"
#include "explorer/VxPathUtils.h"
#include "explorer/VxSendToDialog.h"
#include "explorer/VxSendToEntries.h"
#include "explorer/VxShellUtils.h"
#include "platform/DirEnum.h"
#include "platform/PathSegment.h"
#include "platform/Volumes.h"
#include "platform/ui/FileOperation.h"
#include "platform/ui/ShellOpen.h"
#include "platform/ui/WaitCursor.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>

namespace {

constexpr int ShowNormal = 5;
constexpr qint64 MaxClipboardTextBytes = 16 * 1024 * 1024;

// Shared by every file list: a cut in one list and a paste in another moves the files.
platform::FileOperationKind pendingOperation = platform::FileOperationKind::Copy;

QString folderOf(const QString& path)
{
    return EnsureTrailingBackslash(QFileInfo(path).absolutePath());
}

bool isRemovable(const QString& path)
{
    return platform::volumeOf(path).type == platform::DriveType::Removable;
}

QList<QByteArray> targetsIn(const QString& folder, const QList<QByteArray>& sources)
{
    const QByteArray base = platform::encodePath(EnsureTrailingBackslash(folder));
    QList<QByteArray> targets;
    for (const QByteArray& source : sources)
        targets.append(base + platform::lastSegment(source));
    return targets;
}

} // namespace

VxFileListOperations::VxFileListOperations(TVxFilelistView28* list) : QObject(list), m_list(list)
{
    new VxFileDrops(list, this);
}

bool VxFileListOperations::inFolderView() const
{
    return !m_list->isDrivesLayout() && QFileInfo(m_list->Directory()).isDir();
}

QList<QByteArray> VxFileListOperations::takeSelectedPaths()
{
    QList<QByteArray> paths;
    const QVector<ListingRow>& rows = m_list->rows();
    const QByteArray folder = platform::encodePath(m_list->Directory());
    for (const int row : m_list->selectedRows()) {
        const ListingRow& entry = rows[row];
        if (entry.kind == ListingRow::Kind::Parent ||
            entry.caption() == m_list->ParentDirCaption()) {
            m_list->selectionModel()->select(m_list->model()->index(row, 0),
                                             QItemSelectionModel::Deselect |
                                                 QItemSelectionModel::Rows);
            continue;
        }
        // The name's own bytes, so a name that is not valid UTF-8 is found again.
        paths.append(entry.kind == ListingRow::Kind::Drive
                         ? platform::encodePath(entry.subItem(ListingRow::PathItem))
                         : folder + entry.nameBytes);
    }
    return paths;
}

QString VxFileListOperations::selectedPath() const
{
    const int row = m_list->selectedRow();
    return row < 0 ? QString() : m_list->rows()[row].subItem(ListingRow::PathItem);
}

void VxFileListOperations::showMessage(bool error, const QString& text) const
{
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Warning, QString(), text,
                    QMessageBox::Ok, m_list);
    box.setObjectName(QStringLiteral("FileListMessage"));
    box.exec();
}

void VxFileListOperations::Open()
{
    const int selected = m_list->selectedRow();
    if (selected < 0)
        return;
    const WaitCursor wait;
    const ListingRow& row = m_list->rows()[selected];
    if (row.kind == ListingRow::Kind::Parent || row.caption() == m_list->ParentDirCaption()) {
        m_list->GoToParentFolder();
        return;
    }
    const QString path = row.subItem(ListingRow::PathItem);
    switch (row.kind) {
    case ListingRow::Kind::Drive:
        if (isRemovable(path) && !CheckDriveReady(path, true))
            return;
        [[fallthrough]];
    case ListingRow::Kind::Folder: {
        const QString target = EnsureTrailingBackslash(path);
        m_list->setDirectory(target);
        m_list->ShowInDirTreeCombo(target, false);
        return;
    }
    case ListingRow::Kind::File:
        ShellExecuteWithReport(QStringLiteral("Open"), QFileInfo(path).fileName(), QString(),
                               folderOf(path), ShowNormal);
        return;
    case ListingRow::Kind::Parent:
        return;
    }
}

void VxFileListOperations::View()
{
    const QString path = selectedPath();
    if (path.isEmpty() || !vxfileops::isViewExtension(path))
        return;
    // The desktop's default application for the type stands in for a fixed viewer program.
    ShellExecuteWithReport(QStringLiteral("Open"), QFileInfo(path).fileName(), QString(),
                           folderOf(path), ShowNormal);
}

void VxFileListOperations::Find()
{
    ShellExecuteWithReport(QStringLiteral("Find"), m_list->Directory(), QString(), QString(), 1);
}

void VxFileListOperations::Cut()
{
    putOnClipboard(true);
}

void VxFileListOperations::Copy()
{
    putOnClipboard(false);
}

void VxFileListOperations::putOnClipboard(bool move)
{
    m_pending = takeSelectedPaths();
    pendingOperation = move ? platform::FileOperationKind::Move : platform::FileOperationKind::Copy;
    if (!m_pending.isEmpty())
        QGuiApplication::clipboard()->setMimeData(vxclipboard::fileListData(m_pending));
}

bool VxFileListOperations::canPaste() const
{
    return !m_pending.isEmpty() ||
           !vxclipboard::localFiles(QGuiApplication::clipboard()->mimeData()).isEmpty();
}

void VxFileListOperations::Paste()
{
    const WaitCursor wait;
    if (!inFolderView())
        return;
    if (m_pending.isEmpty())
        m_pending = vxclipboard::localFiles(QGuiApplication::clipboard()->mimeData());
    if (m_pending.isEmpty()) {
        showMessage(false, VxText(m_list->Language(), VxKey::NoFileSelected));
        return;
    }
    const QString folder = m_list->Directory();
    RunShellFileOperation(int(pendingOperation), m_pending, targetsIn(folder, m_pending));
    m_list->UpdateFileList();
    m_pending.clear();
    m_list->ShowInDirTreeCombo(folder, true);
}

void VxFileListOperations::Delete()
{
    const WaitCursor wait;
    if (!inFolderView())
        return;
    m_pending.clear();
    const QList<QByteArray> sources = takeSelectedPaths();
    if (sources.isEmpty())
        return;
    RunShellFileOperation(int(platform::FileOperationKind::Delete), sources, {});
    m_list->UpdateFileList();
    m_pending.clear();
    m_list->ShowInDirTreeCombo(m_list->Directory(), true);
}

void VxFileListOperations::NewFolder()
{
    if (!inFolderView())
        return;
    const QString path = vxfileops::nextNewFolderPath(
        m_list->Directory(), VxText(m_list->Language(), VxKey::NewFolderName));
    if (!QDir().mkdir(path)) {
        showMessage(true, VxText(m_list->Language(), VxKey::CannotPrefix) +
                              QStringLiteral("mkdir") +
                              VxText(m_list->Language(), VxKey::FileWord) + path);
        return;
    }
    m_list->UpdateFileList();
    m_list->clearSelection();
    const QVector<ListingRow>& rows = m_list->rows();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows[row].subItem(ListingRow::PathItem) == path) {
            m_list->selectOnly(row);
            m_list->StartRename();
            break;
        }
    }
    m_list->ShowInDirTreeCombo(path, true);
}

void VxFileListOperations::Properties()
{
    const QString path = selectedPath();
    if (!path.isEmpty())
        ShowShellProperties(path);
}

void VxFileListOperations::copyInto(const QString& folder)
{
    if (!m_pending.isEmpty())
        RunShellFileOperation(int(platform::FileOperationKind::Copy), m_pending,
                              targetsIn(folder, m_pending));
    m_pending.clear();
}

void VxFileListOperations::SendToFolder(const QString& folder)
{
    if (!inFolderView() || folder.isEmpty())
        return;
    const WaitCursor wait;
    m_pending = takeSelectedPaths();
    copyInto(folder);
}

void VxFileListOperations::SendToRemovableDrive(const QString& path)
{
    {
        const WaitCursor wait;
        const QString mountPoint = platform::volumeOf(path).mountPoint;
        if (!CheckDriveReady(mountPoint.isEmpty() ? path : mountPoint, true))
            return;
    }
    SendToFolder(path);
}

void VxFileListOperations::SendThroughShortcut(const QString& shortcutFile)
{
    const QString file = selectedPath();
    if (file.isEmpty())
        return;
    const VxSendToTarget target = vxsendto::resolve(shortcutFile, file);
    switch (target.kind) {
    case VxSendToTarget::Kind::Folder:
        if (isRemovable(target.folder))
            SendToRemovableDrive(target.folder);
        else
            SendToFolder(target.folder);
        return;
    case VxSendToTarget::Kind::Program:
        // Only the selected row goes to a program, however many rows are selected.
        if (!platform::startProgram(target.program, target.arguments,
                                    target.workingDirectory.isEmpty() ? folderOf(file)
                                                                      : target.workingDirectory))
            showMessage(true, VxText(m_list->Language(), VxKey::CannotPrefix) +
                                  QStringLiteral("Open") +
                                  VxText(m_list->Language(), VxKey::FileWord) + target.program);
        return;
    case VxSendToTarget::Kind::None:
        showMessage(true, VxText(m_list->Language(), VxKey::CannotPrefix) + QStringLiteral("Open") +
                              VxText(m_list->Language(), VxKey::FileWord) + shortcutFile);
        return;
    }
}

void VxFileListOperations::SendToAnyFolder()
{
    const QString folder = VxSendToDialog::ask(m_list, m_list->Language(), QString());
    if (!folder.isEmpty())
        SendToFolder(folder);
}

void VxFileListOperations::CopyContentsToClipboard()
{
    const QString path = selectedPath();
    if (path.isEmpty())
        return;
    const WaitCursor wait;
    const QString failure = VxText(m_list->Language(), VxKey::CannotPrefix) +
                            QStringLiteral("Open") + VxText(m_list->Language(), VxKey::FileWord) +
                            path;
    if (vxfileops::isImageExtension(path)) {
        const QImage image(path);
        if (image.isNull()) {
            showMessage(true, failure);
            return;
        }
        QGuiApplication::clipboard()->setImage(image);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(true, failure + QStringLiteral(": ") + file.errorString());
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromUtf8(file.read(MaxClipboardTextBytes)));
}

void VxFileListOperations::CopyNamesToClipboard()
{
    QStringList lines;
    const QVector<ListingRow>& rows = m_list->rows();
    for (const int row : m_list->selectedRows()) {
        if (rows[row].kind != ListingRow::Kind::Parent)
            lines.append(rows[row].subItem(ListingRow::PathItem));
    }
    if (!lines.isEmpty())
        QGuiApplication::clipboard()->setText(lines.join(u'\n'));
}

void VxFileListOperations::CreateDesktopShortcut()
{
    const QString path = selectedPath();
    if (path.isEmpty()) {
        showMessage(true, VxText(m_list->Language(), VxKey::NoFileSelected));
        return;
    }
    const QString desktop = SpecialFolderPath(sfDesktop);
    QString error;
    if (desktop.isEmpty() || !QDir().mkpath(desktop) ||
        vxshortcut::writeShortcut(desktop, path, FileNameWithoutExt(StripTrailingBackslash(path)),
                                  &error)
            .isEmpty())
        showMessage(true, VxText(m_list->Language(), VxKey::ShortcutSaveFailed) +
                              (error.isEmpty() ? QString() : u'\n' + error));
}

void VxFileListOperations::DropFiles(const QList<QByteArray>& paths)
{
    if (!inFolderView() || paths.isEmpty())
        return;
    m_pending = paths;
    pendingOperation = platform::FileOperationKind::Copy;
    Paste();
}
