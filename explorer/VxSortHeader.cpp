#include "explorer/VxSortHeader.h"

#include <QStyleOptionHeader>

VxSortHeader::VxSortHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void VxSortHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    if (option->sortIndicator == QStyleOptionHeader::None)
        return;
    option->sortIndicator = sortIndicatorOrder() == Qt::AscendingOrder
                                ? QStyleOptionHeader::SortUp
                                : QStyleOptionHeader::SortDown;
}
