#pragma once

#include <QToolButton>

// The combo's drop-down button: a flat button that keeps the right mouse button to itself, so
// no context menu opens on it.
class TVxSpeedButton : public QToolButton
{
    Q_OBJECT

public:
    explicit TVxSpeedButton(QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
