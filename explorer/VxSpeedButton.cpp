#include "explorer/VxSpeedButton.h"

#include <QMouseEvent>

TVxSpeedButton::TVxSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void TVxSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QToolButton::mouseReleaseEvent(event);
}
