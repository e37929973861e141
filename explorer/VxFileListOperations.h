#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class TVxFilelistView28;

// The file operations of one file list on its rows: open, view, find, cut, copy, paste,
// delete to the trash, new folder, properties and the send-to family. The keys and the
// context menu of the list call them; files dropped on the list's window reach the paste.
//
// Cut and copy fill the pending file list and put the files on the clipboard; paste works
// through the pending list, or through the files on the clipboard when it is empty. Whether a
// paste copies or moves is one setting shared by every file list. Copies and moves go through
// the platform's engine, which asks before replacing and never leaves a partial file.
class VxFileListOperations : public QObject
{
    Q_OBJECT

public:
    explicit VxFileListOperations(TVxFilelistView28* list);

    void Open();
    void View();
    void Find();
    void Cut();
    void Copy();
    void Paste();
    void Delete();
    void NewFolder();
    void Properties();

    void SendToFolder(const QString& folder);
    void SendToRemovableDrive(const QString& path);
    void SendThroughShortcut(const QString& shortcutFile);
    void SendToAnyFolder();
    void CopyContentsToClipboard();
    void CopyNamesToClipboard();
    void CreateDesktopShortcut();

    // Files dropped on the list's owner window (paths as the file system's bytes): copied
    // into the folder the list shows. Nothing happens in the drives view.
    void DropFiles(const QList<QByteArray>& paths);

    // True when a paste has something to work through: pending files or files on the
    // clipboard.
    bool canPaste() const;

    // The files the next paste works through, in order.
    const QList<QByteArray>& pendingFiles() const { return m_pending; }

private:
    // The selected rows' paths in row order; a selected parent row is deselected first.
    QList<QByteArray> takeSelectedPaths();
    QString selectedPath() const;
    bool inFolderView() const;
    void putOnClipboard(bool move);
    void copyInto(const QString& folder);
    void showMessage(bool error, const QString& text) const;

    TVxFilelistView28* m_list;
    QList<QByteArray> m_pending;
};
