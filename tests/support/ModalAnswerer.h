#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// Answers the modal windows a command opens, one after the other, and records what each
// said. An answer is a standard button, the text of the button to press ("&Oui", "OK"), or a
// function that handles the window itself (a file dialog). Windows beyond the answers given get
// the fallback button (or its first one), or Escape when there is no fallback, so a test never
// hangs on an unexpected box.
class ModalAnswerer : public QObject
{
public:
    using Handler = std::function<void(QWidget* modal)>;

    explicit ModalAnswerer(const QList<QMessageBox::StandardButton>& answers = {},
                           QMessageBox::StandardButton fallback = QMessageBox::NoButton);

    void answer(QMessageBox::StandardButton button);
    void answer(const QString& buttonText);
    void handle(const Handler& handler);

    // "<window title>|<message text>" of each box, or the class name of another window.
    QStringList seen;
    // Of the message boxes: their object names, texts and icons.
    QStringList names;
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    // A window came when no answer was left.
    bool unexpected = false;

private:
    void poll();
    void fallBack(QWidget* modal);

    QTimer m_timer;
    QList<Handler> m_answers;
    QList<QPointer<QWidget>> m_answered;
    QMessageBox::StandardButton m_fallback;
};
