#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// Answers the modal windows a command opens, one after the other, and records what each
// said. An answer is the text of the button to press ("&Oui", "OK"), or a function that
// handles the window itself (a file dialog); windows beyond the answers given are closed
// with Escape, so a test never hangs on an unexpected box.
class ModalAnswerer : public QObject
{
public:
    using Handler = std::function<void(QWidget* modal)>;

    ModalAnswerer();

    void answer(const QString& buttonText);
    void handle(const Handler& handler);

    // "<window title>|<message text>" of each box, or the class name of another window.
    QStringList seen;

private:
    void poll();

    QTimer m_timer;
    QList<Handler> m_answers;
    QList<QPointer<QWidget>> m_answered;
};
