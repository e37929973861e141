#pragma once

#include "explorer/ListingRow.h"
#include "explorer/VxConsts.h"
#include "explorer/VxDateTimeFormat.h"
#include "explorer/VxFileListModel.h"
#include "explorer/VxFileListShortCuts.h"
#include "explorer/VxFileListTypes.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QTreeView>

#include <QVector>
#include <vector>

#include <memory>

// A report list of one folder's entries, or of the machine's volumes ("Drives"), one row per
// entry with its size, type, modified and attribute texts, sorted by a column.
//
// The properties that decide what is listed re-read the folder when they change (Directory,
// Mask, FileType, ShowFolders); the others apply at the next re-read. Rows live in a
// VxFileListModel; icons and type names are asked for only when a row is painted.
class TVxFilelistView28PopUp;
class VxFileListKeys;
class VxFileListOperations;
class VxFileListRename;

class TVxFilelistView28 : public QTreeView
{
    Q_OBJECT

public:
    explicit TVxFilelistView28(QWidget* parent = nullptr);
    ~TVxFilelistView28() override;

    // The rows in display order, and how many there are.
    const QVector<ListingRow>& rows() const;
    int rowCount() const;
    // Every name in the listed folder, listed or not, as the read that made the rows found
    // them; empty for the drives and for a folder that could not be read whole.
    const std::vector<QByteArray>& folderNames() const { return m_folderNames; }

    QString About() const;
    void setAbout(const QString& value);

    int ColWidth_Name() const { return m_colWidths[0]; }
    int ColWidth_Size() const { return m_colWidths[1]; }
    int ColWidth_Type() const { return m_colWidths[2]; }
    int ColWidth_Mod() const { return m_colWidths[3]; }
    int ColWidth_Attr() const { return m_colWidths[4]; }
    void setColWidth_Name(int width) { setColumnWidthProperty(0, width); }
    void setColWidth_Size(int width) { setColumnWidthProperty(1, width); }
    void setColWidth_Type(int width) { setColumnWidthProperty(2, width); }
    void setColWidth_Mod(int width) { setColumnWidthProperty(3, width); }
    void setColWidth_Attr(int width) { setColumnWidthProperty(4, width); }

    TDtFormat DateFormat() const { return m_dateFormat; }
    virtual void setDateFormat(TDtFormat format);
    TTmFormat TimeFormat() const { return m_timeFormat; }
    virtual void setTimeFormat(TTmFormat format);
    // The patterns the modified texts of the next re-read are written with.
    QString datePatternText() const { return m_datePattern; }
    QString timePatternText() const { return m_timePattern; }

    // A folder path (always ending with "/" once set) or "Drives" in any letter case.
    QString Directory() const { return m_directory; }
    void setDirectory(const QString& value);

    // The linked directory tree combo; the list does not own it. Linking sets the combo's
    // FileList to this list (and an old combo's to none); a destroyed combo unlinks itself.
    QWidget* DirTreeCombo() const { return m_dirTreeCombo; }
    void setDirTreeCombo(QWidget* combo);

    // The full path of the row the click handling last took.
    QString SelectedItem() const { return m_selectedItem; }
    void setSelectedItem(const QString& value) { m_selectedItem = value; }
    // The number of selected rows, or of all rows when none is selected.
    int SelectedNumber() const;
    // The bytes of the selected files, as the listed folder holds them now; 0 for no selection.
    qint64 SelectedSize() const;
    // The free kilobytes of the listed folder's volume; 0 in the drives view.
    qint64 DriveFreeSpace() const;

    // The key settings; the list owns them.
    TVxFileListShortCuts& ShortCuts() { return m_shortCuts; }
    const TVxFileListShortCuts& ShortCuts() const { return m_shortCuts; }
    // True forbids the in-place rename.
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool value) { m_readOnly = value; }
    bool PopUpMenuEnabled() const { return m_popUpMenuEnabled; }
    void setPopUpMenuEnabled(bool value);

    // The parent picture's place in the process-wide image list, found or appended once when
    // the list is made.
    void CreateImageLists();
    int parentImageIndex() const { return m_parentImgIdx; }

    // The file operation a drag of rows would run: 0 copy (Ctrl held at the press), 2 move.
    // Shared by every list of the process.
    static int dragOperation();

    TFileType FileType() const { return m_fileType; }
    void setFileType(TFileType value);
    TFileSize FileSize() const { return m_fileSize; }
    void setFileSize(TFileSize value);
    bool HideFileExt() const { return m_hideFileExt; }
    void setHideFileExt(bool value);
    TLanguage Language() const { return m_language; }
    void setLanguage(TLanguage value);
    QString Mask() const { return m_mask; }
    void setMask(const QString& value);
    bool ParentDirEnabled() const { return m_parentDirEnabled; }
    void setParentDirEnabled(bool value);
    QString ParentDirCaption() const { return m_parentDirCaption; }
    void setParentDirCaption(const QString& value);
    bool ShowFolders() const { return m_showFolders; }
    void setShowFolders(bool value);

    // Re-reads the folder or the volumes from disk and sorts a folder by name, ascending. A
    // folder that exists but cannot be read lists nothing and emits folderUnreadable(); the
    // first such read of a folder also says so in a warning box, so that a re-read nobody
    // asked for (a change seen in the folder) does not bring the box up again.
    void UpdateFileList();
    // The next read says again that the folder cannot be read: the user asked to see it anew.
    void reportNextUnreadable() { m_unreadableReported.clear(); }
    // Why the last read of a folder that exists failed; empty when it was read.
    QString readErrorText() const;
    // Lists the entries matching `pattern` (a folder followed by a wildcard name) with the
    // attribute mask `mask`; true when a row was added.
    bool AddFiles(const QString& pattern, quint32 mask);
    void AddDrives();

    void CreateFileColumns();
    void CreateDriveColumns();
    bool isDrivesLayout() const;

    // A header click: a new column sorts descending first, a further click reverses it.
    // Does nothing while the volumes are listed.
    void ColumnClickSort(int column);
    // Negative when `a` goes first in the current sort order.
    int CompareItems(const ListingRow& a, const ListingRow& b) const;
    void UpdateSortArrows();
    int sortColumn() const { return m_sortColumn; }
    bool sortDescending() const { return m_descending; }

    // The type text of a row, asked for now if the row has not been painted yet.
    QString typeText(int row) const;

    // The selected rows in row order; the first of them is the selected row (-1 for none).
    QList<int> selectedRows() const;
    int selectedRow() const;
    // Selects exactly `row` (nothing when it is out of range) and makes it current.
    void selectOnly(int row);

    // Stores the selected row's full path in SelectedItem and raises OnItemChange; nothing
    // when no row is selected.
    void ClickHandling();
    // Opens the selected row, or without DblClickToOpen goes up from the parent row; false when
    // nothing was done.
    bool DblClickHandling();

    // Begins the in-place rename of the selected row.
    void StartRename();
    // True while a caption is being edited in place.
    bool isRenaming() const { return state() == QAbstractItemView::EditingState; }
    using QTreeView::edit;
    // Lists the parent folder of Directory and selects the folder left; a volume root lists
    // the volumes. Nothing in the drives view.
    void GoToParentFolder();
    // Tells a linked tree combo to show `path`, rebuilding its tree first when asked.
    void ShowInDirTreeCombo(const QString& path, bool rebuildTree);

    // The file operations on this list's rows, and its context menu.
    VxFileListOperations& operations() const { return *m_operations; }
    TVxFilelistView28PopUp* popupMenu() const { return m_popupMenu; }

signals:
    void directoryChanged(const QString& directory);
    // The folder `path` could not be read; `reason` is the system's.
    void folderUnreadable(const QString& path, const QString& reason);
    void OnItemChange(QObject* sender, const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    // After a read: the unreadable folder's signal and, once, its box.
    void reportReadError();
    void selectRowWithPath(const QString& path);

    void setColumnWidthProperty(int column, int width);
    QStringList columnCaptions(VxFileListModel::Layout layout) const;
    void applyColumnLayout(VxFileListModel::Layout layout);
    void sortRows();

    VxFileListModel* m_model;
    VxFileListOperations* m_operations;
    TVxFilelistView28PopUp* m_popupMenu = nullptr;
    VxFileListRename* m_rename;
    std::unique_ptr<VxFileListKeys> m_keys;
    TVxFileListShortCuts m_shortCuts;
    QString m_selectedItem;
    bool m_readOnly = false;
    bool m_popUpMenuEnabled = true;
    int m_parentImgIdx = -1;
    int m_colWidths[5] = {165, 75, 95, 125, 40};
    TDtFormat m_dateFormat = df_Customize;
    TTmFormat m_timeFormat = tfShortFormat;
    QString m_datePattern;
    QString m_timePattern;
    QString m_directory;
    // Why the folder could not be read by the read in progress; 0 when it could.
    int m_readError = 0;
    std::vector<QByteArray> m_folderNames;
    // The folder whose unreadable box was shown, until a read of it succeeds.
    QString m_unreadableReported;
    QPointer<QWidget> m_dirTreeCombo;
    TFileType m_fileType{ftReadOnly, ftHidden, ftSystem, ftArchive};
    TFileSize m_fileSize = fsKB;
    bool m_hideFileExt = false;
    TLanguage m_language = lnSysDefault;
    QString m_mask = QStringLiteral("*.*");
    bool m_parentDirEnabled = true;
    QString m_parentDirCaption;
    bool m_showFolders = true;
    bool m_sortingEnabled = true;
    int m_sortColumn = 0;
    bool m_descending = true;
};
