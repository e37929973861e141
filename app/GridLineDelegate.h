#pragma once

#include <QStyledItemDelegate>

// Draws the cell borders of a report list, which a tree view does not do by itself.
class GridLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
