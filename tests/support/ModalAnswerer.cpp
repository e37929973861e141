#include "tests/support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace {

void clickOrFirst(QMessageBox* box, QMessageBox::StandardButton button)
{
    QAbstractButton* target = box->button(button);
    if (!target && !box->buttons().isEmpty())
        target = box->buttons().constFirst();
    if (target)
        target->click();
    else
        box->reject();
}

} // namespace

ModalAnswerer::ModalAnswerer(const QList<QMessageBox::StandardButton>& answers,
                             QMessageBox::StandardButton fallback)
    : m_fallback(fallback)
{
    for (const QMessageBox::StandardButton button : answers)
        answer(button);
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

void ModalAnswerer::answer(QMessageBox::StandardButton button)
{
    handle([this, button](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->button(button))
            box->button(button)->click();
        else
            fallBack(modal);
    });
}

void ModalAnswerer::answer(const QString& buttonText)
{
    handle([this, buttonText](QWidget* modal) {
        for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        fallBack(modal);
    });
}

void ModalAnswerer::handle(const Handler& handler)
{
    m_answers.append(handler);
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        // A window that is shown again (a dialog the program keeps) is a new window to answer.
        for (const QPointer<QWidget>& answered : std::as_const(m_answered)) {
            if (answered)
                answered->setProperty("answered", false);
        }
        m_answered.clear();
        return;
    }
    // A property, not the pointer: the next box may be made at the address of the last one.
    if (!modal->isVisible() || modal->property("answered").toBool())
        return;
    // The rename run's progress dialog closes itself.
    if (modal->objectName() == QLatin1String("OKBottomDlg1"))
        return;
    modal->setProperty("answered", true);
    m_answered.append(modal);
    if (const auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.append(box->windowTitle() + u'|' + box->text());
        names.append(box->objectName());
        texts.append(box->text());
        icons.append(box->icon());
    } else {
        seen.append(QString::fromLatin1(modal->metaObject()->className()));
    }
    if (m_answers.isEmpty()) {
        unexpected = true;
        fallBack(modal);
        return;
    }
    m_answers.takeFirst()(modal);
}

void ModalAnswerer::fallBack(QWidget* modal)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box && m_fallback != QMessageBox::NoButton)
        clickOrFirst(box, m_fallback);
    else
        QTest::keyClick(modal, Qt::Key_Escape);
}
