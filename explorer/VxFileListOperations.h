#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class TVxFilelistView28;

// The file operations of one file list on its rows: open, view, find, cut, copy, paste,
// delete to the trash, new folder, properties and the send-to family. The keys and the
// context menu of the list call them.
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

    // Files dropped on the list's owner window: copied into the folder the list shows.
    void DropFiles(const QStringList& paths);

    // True when a paste has something to work through: pending files or files on the
    // clipboard.
    bool canPaste() const;

private:
    TVxFilelistView28* m_list;
};
