#include "explorer/NewWindowProc.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace {

constexpr int NotchDelta = 120;

} // namespace

TNewWindowProc::TNewWindowProc(QWidget* target, QWidget* keyReceiver)
    : QObject(target), m_keyReceiver(keyReceiver)
{
    watch(target);
}

void TNewWindowProc::watch(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool TNewWindowProc::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    // A turn the other way starts counting afresh.
    if ((delta > 0 && m_pendingDelta < 0) || (delta < 0 && m_pendingDelta > 0))
        m_pendingDelta = 0;
    m_pendingDelta += delta;
    while (m_pendingDelta >= NotchDelta || m_pendingDelta <= -NotchDelta) {
        const bool away = m_pendingDelta > 0;
        m_pendingDelta += away ? -NotchDelta : NotchDelta;
        QKeyEvent key(QEvent::KeyPress, away ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(m_keyReceiver, &key);
    }
    return true;
}
