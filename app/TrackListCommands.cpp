#include "app/TrackListCommands.h"

#include "app/SpinEdit.h"
#include "app/TrackListModel.h"
#include "core/Text.h"
#include "core/TrackPipeline.h"
#include "core/TrackRules.h"
#include "core/rename/RenameRequests.h"
#include "platform/FsProbe.h"
#include "platform/SyncedFolder.h"

#include <QItemSelectionModel>
#include <QShortcut>
#include <QTreeView>

namespace {

// The file list view's columns that the Size and Date headers sort by.
constexpr int ListingSizeColumn = 1;
constexpr int ListingModifiedColumn = 3;

const QString SortMarker = QStringLiteral(" *");

} // namespace

TrackListCommands::TrackListCommands(TrackListModel* model, QTreeView* view, SpinEdit* start,
                                     SpinEdit* increment, QObject* parent)
    : QObject(parent), m_model(model), m_view(view), m_start(start), m_increment(increment)
{
    enableMoves();
}

void TrackListCommands::enableMoves()
{
    const struct
    {
        QKeyCombination keys;
        void (TrackListCommands::*move)();
    } shortcuts[] = {{Qt::CTRL | Qt::Key_Up, &TrackListCommands::moveUp},
                     {Qt::CTRL | Qt::Key_Down, &TrackListCommands::moveDown},
                     {Qt::CTRL | Qt::Key_Home, &TrackListCommands::moveToTop},
                     {Qt::CTRL | Qt::Key_End, &TrackListCommands::moveToBottom}};
    for (const auto& entry : shortcuts) {
        auto* shortcut = new QShortcut(QKeySequence(entry.keys), m_view);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, entry.move);
    }

    // Qt's own drag, whose source a drop elsewhere in the window sees, so it is never taken
    // for files; the model takes its own rows only.
    m_view->setDragEnabled(true);
    m_view->setDragDropMode(QAbstractItemView::DragDrop);
    m_view->setDefaultDropAction(Qt::MoveAction);
    m_view->setDragDropOverwriteMode(false);
    m_view->setDropIndicatorShown(true);
    connect(m_model, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int row) {
                rowDropped(row > start ? row - 1 : row);
            });
}

void TrackListCommands::rowDropped(int row)
{
    selectRow(row);
    UpdatePreview();
}

void TrackListCommands::setOldNumber(trackrules::OldNumber oldNumber)
{
    m_oldNumber = oldNumber;
    UpdatePreview();
}

void TrackListCommands::RebuildTrackList()
{
    if (!m_source.rows) {
        rebuild(QVector<ListingRow>(), nullptr);
        return;
    }
    rebuild(m_source.rows(), m_source.folderNames ? &m_source.folderNames() : nullptr);
}

void TrackListCommands::RebuildTrackList(const QVector<ListingRow>& listing)
{
    rebuild(listing, nullptr);
}

void TrackListCommands::rebuild(const QVector<ListingRow>& listing,
                                const std::vector<QByteArray>* listedNames)
{
    m_model->setRows(trackpipeline::tracks(listing));
    m_sortColumn = 0;
    m_failingRows = 0;
    readFolderNames(listedNames);
}

void TrackListCommands::followListing(const QVector<ListingRow>& listing)
{
    const int selected = selectedRow();
    const QByteArray selectedName = selected >= 0 ? m_model->row(selected).nameBytes : QByteArray();
    m_model->mergeRows(trackpipeline::tracks(listing));
    // The view would select a neighbour of a vanished row, which the user never chose.
    if (selected >= 0 &&
        (selectedRow() < 0 || m_model->row(selectedRow()).nameBytes != selectedName))
        m_view->selectionModel()->clearSelection();
    readFolderNames();
    UpdatePreview();
}

void TrackListCommands::followUnreadableFolder()
{
    m_check.reset();
    m_folderUnreadable = true;
    UpdatePreview();
}

playlistexport::PlaylistResult
TrackListCommands::writePlaylist(const QByteArray& playlistPath) const
{
    QByteArrayList names;
    names.reserve(m_model->rowCount());
    for (const TrackRow& row : m_model->rows())
        names.append(row.nameBytes);
    return playlistexport::writePlaylist(playlistPath, m_folder, names);
}

void TrackListCommands::readFolderNames(const std::vector<QByteArray>* listedNames)
{
    m_check.reset();
    m_folderUnreadable = false;
    if (m_folder.isEmpty() || m_model->rows().isEmpty())
        return;
    const platform::SyncedFolder folder(m_folder);
    if (!folder.isOpen()) {
        m_folderUnreadable = true;
        return;
    }
    // A folder with rows has names: none given means the listing kept none.
    if (listedNames && !listedNames->empty()) {
        m_check.emplace(*listedNames, platform::probeFileSystem(folder, *listedNames));
        return;
    }
    std::vector<QByteArray> names;
    if (folder.readNames(&names) != 0) {
        m_folderUnreadable = true;
        return;
    }
    m_check.emplace(names, platform::probeFileSystem(folder, names));
}

void TrackListCommands::UpdatePreview()
{
    if (m_model->rows().isEmpty())
        return;
    m_model->numberRows(m_start->value(), m_increment->value(), m_oldNumber);
    m_model->setPreviewProblems(previewProblems());
}

QStringList TrackListCommands::previewProblems()
{
    const QVector<TrackRow>& rows = m_model->rows();
    QStringList problems(rows.size(), QString());
    m_failingRows = 0;
    if (m_folderUnreadable) {
        problems.fill(renaming::statusText(renaming::RenameStatus::FolderUnavailable));
        m_failingRows = int(rows.size());
        return problems;
    }
    if (!m_check)
        return problems;

    // The names the run will use, byte for byte, not the previews' texts.
    const renaming::RenameCheck::Result result = m_check->check(renamerequests::requestsOf(rows));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const renaming::RenameStatus status = result.status.at(size_t(i));
        if (status == renaming::RenameStatus::Pending ||
            status == renaming::RenameStatus::Unchanged)
            continue;
        problems[i] = renaming::statusText(status);
        ++m_failingRows;
    }
    return problems;
}

void TrackListCommands::moveUp()
{
    moveSelected(true, false);
}

void TrackListCommands::moveDown()
{
    moveSelected(false, false);
}

void TrackListCommands::moveToTop()
{
    moveSelected(true, true);
}

void TrackListCommands::moveToBottom()
{
    moveSelected(false, true);
}

void TrackListCommands::moveSelected(bool towardsTop, bool toEnd)
{
    const int selected = selectedRow();
    const int count = m_model->rowCount();
    if (selected < 0 || (towardsTop && selected == 0) || (!towardsTop && selected == count - 1))
        return;

    // The copy goes in before the row is removed, so the insert position counts the row.
    int insertAt = 0;
    if (towardsTop)
        insertAt = toEnd ? 0 : selected - 1;
    else
        insertAt = toEnd ? count : selected + 2;
    m_model->insertTrackRow(insertAt, m_model->row(selected));
    const bool insertedAbove = insertAt <= selected;
    m_model->removeTrackRow(insertedAbove ? selected + 1 : selected);
    selectRow(insertedAbove ? insertAt : insertAt - 1);

    UpdatePreview();
}

void TrackListCommands::ListView1ColumnClick(int column)
{
    switch (column) {
    case 0:
    case 1:
        m_sortColumn = column;
        sortTrackList();
        setSortMarker(column);
        break;
    case 2:
        SortByListingColumn(2, ListingSizeColumn);
        break;
    case 3:
        SortByListingColumn(3, ListingModifiedColumn);
        break;
    default:
        break;
    }
    UpdatePreview();
}

void TrackListCommands::SortByListingColumn(int trackColumn, int listingColumn)
{
    setSortMarker(trackColumn);
    if (m_source.columnClickSort)
        m_source.columnClickSort(listingColumn);
    RebuildTrackList();
    UpdatePreview();
}

int TrackListCommands::ListView1Compare(const TrackRow& a, const TrackRow& b) const
{
    return trackrules::compareRows(a, b, m_sortColumn);
}

void TrackListCommands::sortTrackList()
{
    m_model->reorderRows(trackrules::sortedOrder(m_model->rows(), m_sortColumn));
}

void TrackListCommands::applyColumnCaptions()
{
    for (int column = 0; column < TrackListModel::ColumnCount; ++column)
        m_model->setHeaderCaption(column, text::entry(text::ColumnTexts, column));
}

void TrackListCommands::setSortMarker(int column)
{
    applyColumnCaptions();
    m_model->setHeaderCaption(column, text::entry(text::ColumnTexts, column) + SortMarker);
}

int TrackListCommands::selectedRow() const
{
    const QModelIndexList selected = m_view->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : selected) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

void TrackListCommands::selectRow(int row)
{
    // The moved row is selected where it lands; the list stays scrolled where it was.
    const bool autoScroll = m_view->hasAutoScroll();
    m_view->setAutoScroll(false);
    m_view->selectionModel()->setCurrentIndex(
        m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->setAutoScroll(autoScroll);
}
