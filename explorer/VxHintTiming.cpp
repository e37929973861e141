#include "explorer/VxHintTiming.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QPalette>
#include <QToolTip>
#include <QWidget>

VxHintTiming::VxHintTiming(QWidget* widget) : QObject(widget), m_widget(widget)
{
    QPalette tips = QToolTip::palette();
    const QPalette system = QApplication::palette();
    tips.setColor(QPalette::ToolTipBase, system.color(QPalette::ToolTipBase));
    tips.setColor(QPalette::ToolTipText, system.color(QPalette::ToolTipText));
    QToolTip::setPalette(tips);

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &VxHintTiming::showHint);
    widget->installEventFilter(this);
}

bool VxHintTiming::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_widget)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        m_timer.start(QToolTip::isVisible() ? ShortPause : Pause);
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
        m_timer.stop();
        if (QToolTip::isVisible() && QToolTip::text() == m_widget->toolTip())
            QToolTip::hideText();
        break;
    case QEvent::ToolTip:
        // The style's own delay would show the same tip a second time.
        return true;
    default:
        break;
    }
    return false;
}

void VxHintTiming::showHint()
{
    if (!m_widget->underMouse() || m_widget->toolTip().isEmpty())
        return;
    QToolTip::showText(QCursor::pos(), m_widget->toolTip(), m_widget, QRect(), HidePause);
}
