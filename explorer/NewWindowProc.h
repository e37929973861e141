#pragma once

#include <QObject>

class QWidget;

// Turns the mouse wheel over the combo (or over its open tree) into Up and Down keys sent to
// the combo: away from the user is Up, toward the user is Down. Wheel events go no further.
// Fine-grained wheels and touchpads are summed up to whole notches, so that each notch moves
// the tree's selection by one node.
class TNewWindowProc : public QObject
{
    Q_OBJECT

public:
    // Watches `target` and sends the keys to `keyReceiver`.
    TNewWindowProc(QWidget* target, QWidget* keyReceiver);
    // Also turns the wheel over `widget` into keys for the same receiver.
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_keyReceiver;
    int m_pendingDelta = 0;
};
