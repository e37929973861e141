#pragma once

#include "core/TrackRow.h"
#include "core/TrackRules.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <QVector>

#include <vector>

// The rows of the track list in the order the user sees them. Rows stay where they are put:
// only an explicit reorderRows() or a move reorders them.
//
// A row can be dragged to another place in the list: the drop moves it there in one step
// (rowsMoved), so the rows are never doubled on the way. The dragged data names this model in
// this process, so a row dragged from another list or another instance of the program is
// refused. After a move drop the view asks for the dragged rows to be removed, which this model
// refuses (it has no removeRows()): the row has moved already.
class TrackListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 5;
    static constexpr int ColumnWidths[ColumnCount] = {70, 350, 70, 120, 350};
    static constexpr int PreviewColumn = TrackRow::Preview + 1;

    explicit TrackListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // Moves the dragged row before `row` (to the end for -1); a drop on a row itself moves
    // nothing.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // Column 0 shows the caption, columns 1 to 4 the four sub-items.
    static QString columnText(const TrackRow& row, int column);

    // The list has no columns until they are added, once, when the window is created.
    void addColumns();

    QString headerCaption(int column) const { return m_captions.value(column); }
    void setHeaderCaption(int column, const QString& caption);

    const QVector<TrackRow>& rows() const { return m_rows; }
    const TrackRow& row(int index) const { return m_rows.at(index); }

    void setRows(const QVector<TrackRow>& rows);
    void insertTrackRow(int position, const TrackRow& row);
    void removeTrackRow(int index);
    // Brings the rows up to date with `fresh` (the folder's rows now, in the listing's order)
    // without losing the order the user made: rows whose file is still listed stay where they
    // are and take their new values, rows whose file is gone leave, and files listed for the
    // first time are added at the end in the listing's order. Selections follow their rows.
    void mergeRows(const QVector<TrackRow>& fresh);
    // Gives every row its new name, numbered from `start` by `increment` from the top; the
    // Preview column shows the new names once setPreviewProblems() has run.
    void numberRows(qint64 start, qint64 increment, trackrules::OldNumber oldNumber);
    // The reason each row's rename would fail (empty when it would not), one per row from the
    // top. A row with a reason shows a warning icon in its Preview cell and the reason as the
    // cell's tooltip.
    void setPreviewProblems(const QStringList& problems);

    // Puts the rows in `order` (old row indexes, one per row, in their new order); selections
    // and the current row follow their rows.
    void reorderRows(const std::vector<int>& order);

private:
    bool isRowIndex(const QModelIndex& index) const;
    QByteArray dragSource() const;
    // The row a drag from this model carries, -1 for any other data.
    int draggedRow(const QMimeData* data) const;
    QIcon warningIcon() const;

    QVector<TrackRow> m_rows;
    int m_columnCount = 0;
    QStringList m_captions = QStringList(ColumnCount, QString());
    mutable QIcon m_warningIcon;
};
