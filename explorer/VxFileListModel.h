#pragma once

#include "explorer/ListingRow.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

#include <vector>

class VxFileListSort;

// The rows of the file list view in display order, shown in five columns: column 0 the
// caption, column i the row's sub-item i - 1.
//
// What is costly to find out is asked only for rows that are painted, and then kept: a row's
// icon (the image index, from the process-wide image list) and, in the file layout, its type
// text (sub-item 1). A folder of 100,000 files therefore lists without asking for 100,000
// icons or MIME types.
class VxFileListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Layout
    {
        Files,
        Drives
    };

    explicit VxFileListModel(QObject* parent = nullptr);

    const QVector<ListingRow>& rows() const { return m_rows; }
    Layout layout() const { return m_layout; }

    // Puts a column layout in place with its five captions.
    void setLayout(Layout layout, const QStringList& captions);
    // New captions for the layout in place.
    void setCaptions(const QStringList& captions);

    void clear();
    void appendRows(QVector<ListingRow>&& rows);
    // Reorders the rows; selections and the current row follow their rows.
    void sortRows(const VxFileListSort& sort);

    // The row whose caption may be edited in place, -1 for none: set only while the view
    // starts an edit it has permitted.
    void setEditableRow(int row);

    // Fills in the type text of every row that still lacks it (a sort by type needs them all).
    void resolveTypeTexts();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    enum Pending : quint8
    {
        PendingType = 0x01,
        PendingIcon = 0x02
    };

    quint8 pendingFor(const ListingRow& row) const;
    void resolveType(int row) const;
    void resolveIcon(int row) const;
    Qt::Alignment alignment(int column) const;

    // Painting fills in type texts and image indexes, so both are mutable.
    mutable QVector<ListingRow> m_rows;
    mutable std::vector<quint8> m_pending;
    Layout m_layout = Layout::Files;
    QStringList m_captions;
    int m_editableRow = -1;
};
