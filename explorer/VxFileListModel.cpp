#include "explorer/VxFileListModel.h"

#include "explorer/VxFileListSort.h"
#include "platform/DirEnum.h"
#include "platform/TypeNames.h"
#include "platform/ui/ImageList.h"

#include <QIcon>

namespace {

constexpr int kColumnCount = 5;

} // namespace

VxFileListModel::VxFileListModel(QObject* parent) : QAbstractTableModel(parent) {}

void VxFileListModel::setLayout(Layout layout, const QStringList& captions)
{
    m_layout = layout;
    setCaptions(captions);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, kColumnCount - 1));
}

void VxFileListModel::setCaptions(const QStringList& captions)
{
    m_captions = captions;
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

void VxFileListModel::clear()
{
    beginResetModel();
    m_editableRow = -1;
    m_rows.clear();
    m_pending.clear();
    endResetModel();
}

void VxFileListModel::appendRows(QVector<ListingRow>&& rows)
{
    if (rows.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    m_pending.reserve(m_pending.size() + size_t(rows.size()));
    for (const ListingRow& row : rows)
        m_pending.push_back(pendingFor(row));
    // The first pass of a re-read hands its rows over whole instead of copying them.
    if (m_rows.isEmpty())
        m_rows = std::move(rows);
    else
        m_rows.append(std::move(rows));
    endInsertRows();
}

quint8 VxFileListModel::pendingFor(const ListingRow& row) const
{
    quint8 pending = row.imageIndex < 0 ? PendingIcon : 0;
    const bool entry = row.kind == ListingRow::Kind::File || row.kind == ListingRow::Kind::Folder;
    if (m_layout == Layout::Files && entry && row.typeText().isEmpty())
        pending |= PendingType;
    return pending;
}

void VxFileListModel::sortRows(const VxFileListSort& sort)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QVector<int> order = sort.order(m_rows);

    QVector<ListingRow> rows;
    rows.reserve(m_rows.size());
    std::vector<quint8> pending;
    pending.reserve(m_pending.size());
    std::vector<int> newPosition(size_t(order.size()));
    for (int position = 0; position < int(order.size()); ++position) {
        const int old = order.at(position);
        rows.append(std::move(m_rows[old]));
        pending.push_back(m_pending[size_t(old)]);
        newPosition[size_t(old)] = position;
    }
    m_rows = std::move(rows);
    m_pending = std::move(pending);

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(this->index(newPosition[size_t(index.row())], index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void VxFileListModel::resolveTypeTexts()
{
    for (int row = 0; row < int(m_rows.size()); ++row)
        resolveType(row);
}

void VxFileListModel::resolveType(int row) const
{
    quint8& pending = m_pending[size_t(row)];
    if (!(pending & PendingType))
        return;
    pending &= quint8(~PendingType);
    ListingRow& listed = m_rows[row];
    listed.fixedTexts = QStringList{
        platform::typeNameFor(platform::displayName(listed.nameBytes), listed.isFolder())};
}

void VxFileListModel::resolveIcon(int row) const
{
    quint8& pending = m_pending[size_t(row)];
    if (!(pending & PendingIcon))
        return;
    pending &= quint8(~PendingIcon);
    ListingRow& listed = m_rows[row];
    listed.imageIndex = platform::ImageList::instance().iconIndexFor(
        listed.subItem(ListingRow::PathItem),
        listed.isFolder() || listed.kind == ListingRow::Kind::Drive);
}

Qt::Alignment VxFileListModel::alignment(int column) const
{
    const bool right = m_layout == Layout::Files ? column == 1 : (column == 2 || column == 3);
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

int VxFileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int VxFileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant VxFileListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        if (column == 0)
            return m_rows.at(row).caption();
        if (m_layout == Layout::Files && column - 1 == ListingRow::TypeItem)
            resolveType(row);
        return m_rows.at(row).subItem(column - 1);
    }
    case Qt::DecorationRole:
        if (column != 0)
            return {};
        resolveIcon(row);
        return platform::ImageList::instance().icon(m_rows.at(row).imageIndex);
    case Qt::TextAlignmentRole:
        return int(alignment(column));
    default:
        return {};
    }
}

QVariant VxFileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return section < m_captions.size() ? m_captions.at(section) : QString();
    if (role == Qt::TextAlignmentRole)
        return int(alignment(section));
    return {};
}

Qt::ItemFlags VxFileListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0 && index.row() == m_editableRow)
        return flags | Qt::ItemIsEditable;
    return flags;
}

void VxFileListModel::setEditableRow(int row)
{
    m_editableRow = row;
}
