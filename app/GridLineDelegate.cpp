#include "app/GridLineDelegate.h"

#include <QPainter>

void GridLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    // A quarter of the way from the cells' background to their text: silver on white, a quiet
    // grey on a dark palette, where the palette's light shades would stand out.
    const QColor base = option.palette.color(QPalette::Base);
    const QColor text = option.palette.color(QPalette::Text);
    painter->setPen(QColor((base.red() * 3 + text.red()) / 4, (base.green() * 3 + text.green()) / 4,
                           (base.blue() * 3 + text.blue()) / 4));
    const QRect cell = option.rect;
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    painter->restore();
}
