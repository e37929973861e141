#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

// Shows a widget's tool tip on the picker's own timings rather than the style's: after a short
// pause of 25 ms when another tip is already up, else after 500 ms, and for 10 seconds. Tips
// take the system's info-background colour.
class VxHintTiming : public QObject
{
    Q_OBJECT

public:
    static constexpr int ShortPause = 25;
    static constexpr int Pause = 500;
    static constexpr int HidePause = 10000;

    explicit VxHintTiming(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showHint();

    QWidget* m_widget;
    QTimer m_timer;
};
