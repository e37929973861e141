#include "tests/support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

ModalAnswerer::ModalAnswerer()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

void ModalAnswerer::answer(const QString& buttonText)
{
    handle([buttonText](QWidget* modal) {
        for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        QTest::keyClick(modal, Qt::Key_Escape);
    });
}

void ModalAnswerer::handle(const Handler& handler)
{
    m_answers.append(handler);
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    // A property, not the pointer: the next box may be made at the address of the last one.
    if (!modal || !modal->isVisible() || modal->property("answered").toBool())
        return;
    modal->setProperty("answered", true);
    if (const auto* box = qobject_cast<QMessageBox*>(modal))
        seen.append(box->windowTitle() + u'|' + box->text());
    else
        seen.append(QString::fromLatin1(modal->metaObject()->className()));
    if (m_answers.isEmpty()) {
        QTest::keyClick(modal, Qt::Key_Escape);
        return;
    }
    m_answers.takeFirst()(modal);
}
