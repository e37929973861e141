#pragma once

#include <QPainterPath>
#include <QPolygonF>

namespace platform {

// The closed outline through `corners` in order, for the drawn pictures that fill and stroke a
// shape as one path.
inline QPainterPath closedOutline(const QPolygonF& corners)
{
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

} // namespace platform
