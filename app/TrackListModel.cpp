#include "app/TrackListModel.h"

#include "core/TrackRules.h"
#include "core/rename/RenameRequests.h"

#include <QApplication>
#include <QHash>
#include <QMimeData>
#include <QStyle>

namespace {

// The dragged row: "<process>:<model>:<row>:<name in hexadecimal>", so that only the model it
// came from takes it, while the row is still where it was.
const QString RowMimeType = QStringLiteral("application/x-orven-track-row");

} // namespace

TrackListModel::TrackListModel(QObject* parent) : QAbstractTableModel(parent) {}

int TrackListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TrackListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

bool TrackListModel::isRowIndex(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.row() < m_rows.size() &&
           index.column() < m_columnCount;
}

void TrackListModel::addColumns()
{
    if (m_columnCount == ColumnCount)
        return;
    beginInsertColumns(QModelIndex(), m_columnCount, ColumnCount - 1);
    m_columnCount = ColumnCount;
    endInsertColumns();
}

QVariant TrackListModel::data(const QModelIndex& index, int role) const
{
    if (!isRowIndex(index))
        return QVariant();
    const TrackRow& row = m_rows.at(index.row());
    if (role == Qt::DisplayRole)
        return columnText(row, index.column());
    if (index.column() != PreviewColumn || row.previewProblem.isEmpty())
        return QVariant();
    if (role == Qt::DecorationRole)
        return warningIcon();
    if (role == Qt::ToolTipRole)
        return row.previewProblem;
    return QVariant();
}

QVariant TrackListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columnCount)
        return m_captions.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TrackListModel::flags(const QModelIndex& index) const
{
    // Drops land between rows, never on one: the view puts a drop on a row above or below it.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    if (!isRowIndex(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren |
           Qt::ItemIsDragEnabled;
}

Qt::DropActions TrackListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

QStringList TrackListModel::mimeTypes() const
{
    return {RowMimeType};
}

QByteArray TrackListModel::dragSource() const
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(this)) + ':';
}

int TrackListModel::draggedRow(const QMimeData* data) const
{
    const QByteArray source = dragSource();
    const QByteArray dragged = data ? data->data(RowMimeType) : QByteArray();
    if (!dragged.startsWith(source))
        return -1;
    // The row's file goes along: rows that changed during the drag (the folder changed) do not
    // take the drop.
    const QList<QByteArray> rowAndName = dragged.mid(source.size()).split(':');
    bool read = false;
    const int row = rowAndName.constFirst().toInt(&read);
    const bool same = read && rowAndName.size() == 2 && row >= 0 && row < m_rows.size() &&
                      m_rows.at(row).nameBytes == QByteArray::fromHex(rowAndName.at(1));
    return same ? row : -1;
}

QMimeData* TrackListModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty() || !isRowIndex(indexes.constFirst()))
        return nullptr;
    auto* data = new QMimeData;
    const int row = indexes.constFirst().row();
    data->setData(RowMimeType,
                  dragSource() + QByteArray::number(row) + ':' + m_rows.at(row).nameBytes.toHex());
    return data;
}

bool TrackListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                     int column, const QModelIndex& parent) const
{
    Q_UNUSED(row)
    Q_UNUSED(column)
    Q_UNUSED(parent)
    return action == Qt::MoveAction && draggedRow(data) >= 0;
}

bool TrackListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent)
{
    Q_UNUSED(column)
    const int source = draggedRow(data);
    if (action != Qt::MoveAction || source < 0 || parent.isValid())
        return false;
    const int before = row < 0 || row > m_rows.size() ? int(m_rows.size()) : row;
    if (before == source || before == source + 1)
        return false;
    beginMoveRows(QModelIndex(), source, source, QModelIndex(), before);
    m_rows.move(source, before > source ? before - 1 : before);
    endMoveRows();
    return true;
}

QString TrackListModel::columnText(const TrackRow& row, int column)
{
    return trackrules::columnText(row, column);
}

void TrackListModel::setHeaderCaption(int column, const QString& caption)
{
    if (column < 0 || column >= ColumnCount || m_captions.at(column) == caption)
        return;
    m_captions[column] = caption;
    if (column < m_columnCount)
        emit headerDataChanged(Qt::Horizontal, column, column);
}

void TrackListModel::setRows(const QVector<TrackRow>& rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

void TrackListModel::insertTrackRow(int position, const TrackRow& row)
{
    Q_ASSERT(position >= 0 && position <= m_rows.size());
    beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(position, row);
    endInsertRows();
}

void TrackListModel::removeTrackRow(int index)
{
    Q_ASSERT(index >= 0 && index < m_rows.size());
    beginRemoveRows(QModelIndex(), index, index);
    m_rows.remove(index);
    endRemoveRows();
}

void TrackListModel::mergeRows(const QVector<TrackRow>& fresh)
{
    QHash<QByteArray, qsizetype> freshIndex;
    freshIndex.reserve(fresh.size());
    for (qsizetype i = 0; i < fresh.size(); ++i)
        freshIndex.insert(fresh.at(i).nameBytes, i);

    // Removed from the bottom up, one block of neighbouring rows at a time, so the view and the
    // selection keep track of the rows that stay.
    std::vector<bool> kept(size_t(fresh.size()), false);
    qsizetype end = m_rows.size();
    while (end > 0) {
        qsizetype first = end - 1;
        const auto found = freshIndex.constFind(m_rows.at(first).nameBytes);
        if (found != freshIndex.constEnd()) {
            kept[size_t(found.value())] = true;
            m_rows[first] = fresh.at(found.value());
            end = first;
            continue;
        }
        while (first > 0 && !freshIndex.contains(m_rows.at(first - 1).nameBytes))
            --first;
        beginRemoveRows(QModelIndex(), int(first), int(end - 1));
        m_rows.remove(first, end - first);
        endRemoveRows();
        end = first;
    }
    if (!m_rows.isEmpty() && m_columnCount > 0)
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, m_columnCount - 1));

    QVector<TrackRow> added;
    for (qsizetype i = 0; i < fresh.size(); ++i) {
        if (!kept[size_t(i)])
            added.append(fresh.at(i));
    }
    if (added.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + added.size()) - 1);
    m_rows.append(added);
    endInsertRows();
}

void TrackListModel::numberRows(qint64 start, qint64 increment, trackrules::OldNumber oldNumber)
{
    renamerequests::numberRows(&m_rows, start, increment, oldNumber);
}

void TrackListModel::setPreviewProblems(const QStringList& problems)
{
    Q_ASSERT(problems.size() == m_rows.size());
    if (m_rows.isEmpty())
        return;
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        m_rows[i].previewProblem = problems.at(i);
    if (PreviewColumn < m_columnCount)
        emit dataChanged(index(0, PreviewColumn), index(int(m_rows.size()) - 1, PreviewColumn),
                         {Qt::DisplayRole, Qt::DecorationRole, Qt::ToolTipRole});
}

QIcon TrackListModel::warningIcon() const
{
    // Asked for on painting, so only a model shown in a window needs the style.
    if (m_warningIcon.isNull() && qobject_cast<QApplication*>(QCoreApplication::instance()))
        m_warningIcon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    return m_warningIcon;
}

void TrackListModel::reorderRows(const std::vector<int>& order)
{
    Q_ASSERT(order.size() == size_t(m_rows.size()));
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    QVector<TrackRow> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newRowOf(order.size());
    for (size_t newRow = 0; newRow < order.size(); ++newRow) {
        sorted.append(m_rows.at(order[newRow]));
        newRowOf[size_t(order[newRow])] = int(newRow);
    }
    m_rows = std::move(sorted);

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newRowOf[size_t(old.row())], old.column()));
    changePersistentIndexList(before, after);

    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
