#include "explorer/VxFilelistView28.h"

#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxDirTreeView.h"
#include "explorer/VxFileListKeys.h"
#include "explorer/VxFileListMessages.h"
#include "explorer/VxFileListOperations.h"
#include "explorer/VxFileListRename.h"
#include "explorer/VxFileListRules.h"
#include "explorer/VxFileListSort.h"
#include "explorer/VxFileListing.h"
#include "explorer/VxFilelistView28PopUp.h"
#include "explorer/VxParentIcon.h"
#include "explorer/VxPathUtils.h"
#include "explorer/VxShellUtils.h"
#include "explorer/VxSortHeader.h"
#include "platform/DirEnum.h"
#include "platform/SyncedFolder.h"
#include "platform/Volumes.h"
#include "platform/ui/WaitCursor.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr quint32 kFolderBit = 0x10;
constexpr int kDriveColumnWidths[5] = {160, 110, 90, 90, 40};
constexpr int kDragCopy = 0;
constexpr int kDragMove = 2;

int g_dragOperation = kDragMove;

} // namespace

TVxFilelistView28::TVxFilelistView28(QWidget* parent)
    : QTreeView(parent), m_model(new VxFileListModel(this)),
      m_operations(new VxFileListOperations(this)), m_rename(new VxFileListRename(this)),
      m_keys(std::make_unique<VxFileListKeys>(this))
{
    setHeader(new VxSortHeader(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // A click on the caption of the selected row renames it, as F2 does.
    setEditTriggers(QAbstractItemView::SelectedClicked);
    setItemDelegateForColumn(0, m_rename->delegate());
    setDateFormat(df_Customize);
    setTimeFormat(tfShortFormat);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    CreateImageLists();
    setModel(m_model);

    QHeaderView* columns = header();
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(0);
    columns->setSectionsClickable(true);
    columns->setSectionsMovable(false);
    connect(columns, &QHeaderView::sectionClicked, this, &TVxFilelistView28::ColumnClickSort);
    connect(this, &QAbstractItemView::clicked, this, &TVxFilelistView28::ClickHandling);

    setLanguage(lnEnglish);
    LoadListTexts();
    if (m_parentDirCaption.isEmpty())
        setParentDirCaption(QStringLiteral(" Parent"));
    m_directory = QStringLiteral("Drives");
    CreateFileColumns();
}

TVxFilelistView28::~TVxFilelistView28() = default;

const QVector<ListingRow>& TVxFilelistView28::rows() const
{
    return m_model->rows();
}

int TVxFilelistView28::rowCount() const
{
    return m_model->rowCount();
}

QString TVxFilelistView28::About() const
{
    return QStringLiteral("Version 2.8.8.1");
}

void TVxFilelistView28::setAbout(const QString&) {}

void TVxFilelistView28::setColumnWidthProperty(int column, int width)
{
    if (m_colWidths[column] == width)
        return;
    m_colWidths[column] = width;
    if (!isDrivesLayout())
        header()->resizeSection(column, qMax(0, width));
}

void TVxFilelistView28::setDateFormat(TDtFormat format)
{
    m_dateFormat = format;
    m_datePattern = DatePatternText(m_dateFormat, VxFormatSettings::runtime());
}

void TVxFilelistView28::setTimeFormat(TTmFormat format)
{
    m_timeFormat = format;
    m_timePattern = TimePatternText(m_timeFormat, VxFormatSettings::runtime());
}

void TVxFilelistView28::setDirectory(const QString& value)
{
    // Letter case is ignored as where folder names ignore it, but this file system may hold
    // "Music" and "music" side by side, and the other one must then be listed.
    if (vxfilelist::sameDirectoryText(value, m_directory) &&
        (vxfilelist::isDrivesText(value) || !QFileInfo(value).isDir() ||
         platform::sameEntry(platform::encodePath(value), platform::encodePath(m_directory))))
        return;
    if (vxfilelist::isDrivesText(value)) {
        m_directory = value;
    } else {
        const QFileInfo folder(value);
        if (value.isEmpty() || !folder.isDir())
            return;
        // The process's current folder stays as it is, so a relative path is made
        // absolute once here rather than being resolved against whatever is current
        // later.
        m_directory =
            EnsureTrailingBackslash(folder.isRelative() ? folder.absoluteFilePath() : value);
    }
    UpdateFileList();
    emit directoryChanged(m_directory);
}

void TVxFilelistView28::setDirTreeCombo(QWidget* combo)
{
    if (m_dirTreeCombo == combo)
        return;
    if (auto* old = qobject_cast<TVxDirTreeCombo28*>(m_dirTreeCombo.data());
        old && old->FileList() == this)
        old->setFileList(nullptr);
    m_dirTreeCombo = combo;
    if (auto* linked = qobject_cast<TVxDirTreeCombo28*>(combo))
        linked->setFileList(this);
}

int TVxFilelistView28::SelectedNumber() const
{
    const int selected = int(selectionModel()->selectedRows().size());
    return selected > 0 ? selected : rowCount();
}

qint64 TVxFilelistView28::SelectedSize() const
{
    const QList<int> selected = selectedRows();
    if (selected.isEmpty() || vxfilelist::isDrivesText(m_directory))
        return 0;
    // Looked up in the listed folder by the names' own bytes, so a name that is not valid
    // UTF-8 is found too and the process's working folder plays no part.
    const platform::SyncedFolder folder(platform::encodePath(EnsureTrailingBackslash(m_directory)));
    if (!folder.isOpen())
        return 0;
    qint64 total = 0;
    for (const int row : selected) {
        const ListingRow& listed = rows().at(row);
        if (listed.kind != ListingRow::Kind::File)
            continue;
        platform::FileStat stat;
        if (folder.stat(listed.nameBytes, &stat) == 0 && stat.exists && !stat.isDir)
            total += stat.size;
    }
    return total;
}

qint64 TVxFilelistView28::DriveFreeSpace() const
{
    if (vxfilelist::isDrivesText(m_directory) || m_directory.isEmpty())
        return 0;
    return DriveFreeKB(m_directory);
}

void TVxFilelistView28::setPopUpMenuEnabled(bool value)
{
    if (m_popUpMenuEnabled == value)
        return;
    m_popUpMenuEnabled = value;
    if (!value && m_popupMenu)
        m_popupMenu->close();
}

void TVxFilelistView28::CreateImageLists()
{
    m_parentImgIdx = VxParentIcon::establishIndex();
}

int TVxFilelistView28::dragOperation()
{
    return g_dragOperation;
}

void TVxFilelistView28::setFileType(TFileType value)
{
    if (m_fileType == value)
        return;
    m_fileType = value;
    UpdateFileList();
}

void TVxFilelistView28::setFileSize(TFileSize value)
{
    m_fileSize = value;
}

void TVxFilelistView28::setHideFileExt(bool value)
{
    m_hideFileExt = value;
}

void TVxFilelistView28::setLanguage(TLanguage value)
{
    const TLanguage resolved = ResolveLanguage(value, SystemDefaultLanguageId());
    if (resolved == m_language)
        return;
    m_language = resolved;
    ListLanguage = resolved;
    LoadListTexts();
    // The menu's captions come from the new language; the column layout is made again with
    // new captions and no sort arrow, the rows stay as they are.
    delete m_popupMenu;
    m_popupMenu = new TVxFilelistView28PopUp(this);
    m_popUpMenuEnabled = true;
    applyColumnLayout(m_model->layout());
}

void TVxFilelistView28::setMask(const QString& value)
{
    if (m_mask == value)
        return;
    m_mask = value;
    UpdateFileList();
}

void TVxFilelistView28::setParentDirEnabled(bool value)
{
    m_parentDirEnabled = value;
}

void TVxFilelistView28::setParentDirCaption(const QString& value)
{
    m_parentDirCaption = vxfilelist::parentCaptionFor(value, m_parentDirCaption);
}

void TVxFilelistView28::setShowFolders(bool value)
{
    if (m_showFolders == value)
        return;
    m_showFolders = value;
    UpdateFileList();
}

void TVxFilelistView28::UpdateFileList()
{
    {
        const WaitCursor hourglass;
        m_model->clear();
        m_readError = 0;
        m_folderNames.clear();
        if (vxfilelist::isDrivesText(m_directory)) {
            CreateDriveColumns();
            AddDrives();
        } else {
            if (isDrivesLayout())
                CreateFileColumns();
            const quint32 mask = m_fileType.attributeMask();
            const QString folder = EnsureTrailingBackslash(m_directory);
            if (m_showFolders)
                AddFiles(folder + QStringLiteral("*.*"), mask | kFolderBit);
            for (const QString& pattern : vxfilelist::maskPatterns(m_mask))
                AddFiles(folder + pattern, mask);
            // Rows from one pattern of a folder that then failed to read are no listing of it.
            if (m_readError != 0) {
                m_model->clear();
                m_folderNames.clear();
            }
            m_sortColumn = vxcolumn::Name;
            m_descending = false;
            sortRows();
            UpdateSortArrows();
        }
    }
    if (m_model->rowCount() > 0 && !selectionModel()->hasSelection())
        selectionModel()->setCurrentIndex(m_model->index(0, 0), QItemSelectionModel::NoUpdate);
    // The list is repainted before the caller goes on; input waits, so no command
    // can run inside the re-read.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    reportReadError();
}

QString TVxFilelistView28::readErrorText() const
{
    if (m_readError == 0 || platform::fileErrorOf(m_readError) == platform::FileError::NotFound)
        return QString();
    return platform::sysErrorText(m_readError);
}

void TVxFilelistView28::reportReadError()
{
    // A folder that is gone lists empty as before: the picker and the window follow it.
    const QString reason = readErrorText();
    if (reason.isEmpty()) {
        if (m_readError == 0)
            m_unreadableReported.clear();
        return;
    }
    emit folderUnreadable(m_directory, reason);
    if (m_unreadableReported == m_directory)
        return;
    m_unreadableReported = m_directory;
    const TLanguage language = m_language == lnSysDefault ? lnEnglish : m_language;
    vxfilelistmessages::warning(VxText(language, VxKey::FolderUnreadable).arg(m_directory, reason));
}

bool TVxFilelistView28::AddFiles(const QString& pattern, quint32 mask)
{
    m_sortingEnabled = true;
    VxListingOptions options;
    options.parentDirEnabled = m_parentDirEnabled;
    options.hideFileExt = m_hideFileExt;
    options.parentDirCaption = m_parentDirCaption;
    options.fileSize = m_fileSize;
    options.datePattern = m_datePattern;
    options.timePattern = m_timePattern;
    QVector<ListingRow> listed;
    int readError = 0;
    std::vector<QByteArray> names;
    const bool added = vxfilelist::addFiles(listed, EnsureTrailingBackslash(m_directory), pattern,
                                            mask, options, &readError, &names);
    // Each pass reads the whole folder: the names of the last whole read of the listed
    // folder serve.
    const qsizetype split = pattern.lastIndexOf(QLatin1Char('/'));
    if (readError == 0 &&
        (split < 0 || pattern.left(split + 1) == EnsureTrailingBackslash(m_directory)))
        m_folderNames = std::move(names);
    if (readError != 0)
        m_readError = readError;
    for (ListingRow& row : listed) {
        if (row.kind == ListingRow::Kind::Parent)
            row.imageIndex = m_parentImgIdx;
    }
    m_model->appendRows(std::move(listed));
    return added;
}

void TVxFilelistView28::AddDrives()
{
    m_sortingEnabled = false;
    QVector<ListingRow> listed;
    vxfilelist::addDrives(listed, ListLanguage, QLocale());
    m_model->appendRows(std::move(listed));
}

QStringList TVxFilelistView28::columnCaptions(VxFileListModel::Layout layout) const
{
    if (layout == VxFileListModel::Layout::Drives)
        return {VxText(m_language, VxKey::ColName), VxText(m_language, VxKey::ColType),
                VxText(m_language, VxKey::ColDiskSize), VxText(m_language, VxKey::ColFreeSpace),
                VxText(m_language, VxKey::ColAttr)};
    return {VxText(m_language, VxKey::ColName), VxText(m_language, VxKey::ColSize),
            VxText(m_language, VxKey::ColType), VxText(m_language, VxKey::ColModified),
            VxText(m_language, VxKey::ColAttr)};
}

void TVxFilelistView28::applyColumnLayout(VxFileListModel::Layout layout)
{
    m_model->setLayout(layout, columnCaptions(layout));
    const bool files = layout == VxFileListModel::Layout::Files;
    QHeaderView* columns = header();
    // The volumes are never sorted, so their header never shows an arrow.
    columns->setSortIndicatorShown(files);
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    for (int column = 0; column < 5; ++column)
        columns->resizeSection(column,
                               qMax(0, files ? m_colWidths[column] : kDriveColumnWidths[column]));
}

void TVxFilelistView28::CreateFileColumns()
{
    applyColumnLayout(VxFileListModel::Layout::Files);
}

void TVxFilelistView28::CreateDriveColumns()
{
    applyColumnLayout(VxFileListModel::Layout::Drives);
}

bool TVxFilelistView28::isDrivesLayout() const
{
    return m_model->layout() == VxFileListModel::Layout::Drives;
}

void TVxFilelistView28::ColumnClickSort(int column)
{
    if (!m_sortingEnabled || column < vxcolumn::Name || column > vxcolumn::Attr)
        return;
    if (column == m_sortColumn) {
        m_descending = !m_descending;
    } else {
        m_sortColumn = column;
        m_descending = true;
    }
    {
        const WaitCursor hourglass;
        sortRows();
    }
    UpdateSortArrows();
}

void TVxFilelistView28::sortRows()
{
    if (m_sortColumn == vxcolumn::Type)
        m_model->resolveTypeTexts();
    m_model->sortRows(VxFileListSort(m_sortColumn, m_descending, m_parentDirCaption));
}

int TVxFilelistView28::CompareItems(const ListingRow& a, const ListingRow& b) const
{
    return VxFileListSort(m_sortColumn, m_descending, m_parentDirCaption).compare(a, b);
}

void TVxFilelistView28::UpdateSortArrows()
{
    header()->setSortIndicator(m_sortColumn,
                               m_descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

QString TVxFilelistView28::typeText(int row) const
{
    const int column = isDrivesLayout() ? 1 : vxcolumn::Type;
    return m_model->data(m_model->index(row, column)).toString();
}

QList<int> TVxFilelistView28::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int TVxFilelistView28::selectedRow() const
{
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void TVxFilelistView28::selectOnly(int row)
{
    selectionModel()->clearSelection();
    if (row < 0 || row >= m_model->rowCount())
        return;
    selectionModel()->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
}

void TVxFilelistView28::ClickHandling()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_selectedItem = rows().at(row).subItem(ListingRow::PathItem);
    emit OnItemChange(this, m_selectedItem);
}

bool TVxFilelistView28::DblClickHandling()
{
    const int row = selectedRow();
    if (row < 0 || rows().at(row).caption().isEmpty())
        return false;
    if (m_shortCuts.DblClickToOpen) {
        m_operations->Open();
        return true;
    }
    if (rows().at(row).caption() == m_parentDirCaption) {
        GoToParentFolder();
        return true;
    }
    return false;
}

void TVxFilelistView28::StartRename()
{
    m_rename->StartRename();
}

void TVxFilelistView28::GoToParentFolder()
{
    if (vxfilelist::isDrivesText(m_directory) || m_directory.isEmpty())
        return;
    const QString left = EnsureTrailingBackslash(m_directory);
    const QString volumeRoot = EnsureTrailingBackslash(platform::volumeOf(left).mountPoint);
    if (left == volumeRoot || left == QLatin1String("/")) {
        auto* combo = qobject_cast<TVxDirTreeCombo28*>(m_dirTreeCombo.data());
        if (combo && combo->Tree()->computerNode())
            combo->OpenPath(combo->Tree()->computerNode()->text(0));
        setDirectory(QStringLiteral("Drives"));
        selectRowWithPath(left);
        return;
    }
    const QString parent = EnsureTrailingBackslash(QFileInfo(StripTrailingBackslash(left)).path());
    setDirectory(parent);
    ShowInDirTreeCombo(parent, false);
    selectRowWithPath(left);
}

void TVxFilelistView28::selectRowWithPath(const QString& path)
{
    for (int row = 0; row < rowCount(); ++row) {
        if (EnsureTrailingBackslash(rows().at(row).subItem(ListingRow::PathItem)) == path) {
            selectOnly(row);
            scrollTo(m_model->index(row, 0));
            ClickHandling();
            return;
        }
    }
    selectionModel()->clearSelection();
}

void TVxFilelistView28::keyPressEvent(QKeyEvent* event)
{
    if (isRenaming()) {
        QTreeView::keyPressEvent(event);
        return;
    }
    // The item view's own Ctrl+C would put the caption on the clipboard over the copied files,
    // and its own Ctrl+A would select all whatever the shortcut settings say.
    const bool ownKey =
        event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll);
    if (m_keys->KeyDown(event->key(), event->modifiers()) && !ownKey)
        QTreeView::keyPressEvent(event);
    else
        event->accept();
}

void TVxFilelistView28::keyReleaseEvent(QKeyEvent* event)
{
    QTreeView::keyReleaseEvent(event);
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        ClickHandling();
}

void TVxFilelistView28::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        g_dragOperation = event->modifiers() & Qt::ControlModifier ? kDragCopy : kDragMove;
    QTreeView::mousePressEvent(event);
}

void TVxFilelistView28::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The base handling first: it cancels the rename that the first click on a selected row
    // has scheduled.
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        DblClickHandling();
}

void TVxFilelistView28::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_popUpMenuEnabled || !m_popupMenu || vxfilelist::isDrivesText(m_directory))
        return;
    m_popupMenu->Popup(event->globalPos());
}

bool TVxFilelistView28::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool wanted = trigger == QAbstractItemView::AllEditTriggers || (editTriggers() & trigger);
    const bool permitted =
        wanted && index.isValid() && index.column() == 0 && m_rename->EditPermission(index.row());
    m_model->setEditableRow(permitted ? index.row() : -1);
    const bool started = QTreeView::edit(index, trigger, event);
    m_model->setEditableRow(-1);
    return started;
}

void TVxFilelistView28::ShowInDirTreeCombo(const QString& path, bool rebuildTree)
{
    auto* combo = qobject_cast<TVxDirTreeCombo28*>(m_dirTreeCombo.data());
    if (!combo)
        return;
    if (rebuildTree)
        combo->ResetTree();
    combo->setSelectedPath(path);
}
