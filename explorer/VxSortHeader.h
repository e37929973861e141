#pragma once

#include <QHeaderView>

// The file list's column header. Qt hands the styles an ascending sort as "sort down", which
// the styles draw as an arrow pointing down; this header hands over the arrow that matches the
// order, so an ascending sort shows the arrow pointing up.
class VxSortHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit VxSortHeader(QWidget* parent = nullptr);

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;
};
