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
