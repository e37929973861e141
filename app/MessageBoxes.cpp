#include "app/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace messageboxes {

namespace {

void showWithOk(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                const QString& message, const QString& details = QString())
{
    QMessageBox box(icon, title, message, QMessageBox::NoButton, parent);
    if (!details.isEmpty()) {
        box.setObjectName(QStringLiteral("ReportBox"));
        box.setDetailedText(details);
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

} // namespace

void showWarning(QWidget* parent, const QString& message)
{
    showWithOk(parent, QMessageBox::Warning, QString::fromUtf16(WarningTitle), message);
}

void showReport(QWidget* parent, const QString& message, const QString& details)
{
    showWithOk(parent, QMessageBox::Warning, QString::fromUtf16(WarningTitle), message, details);
}

bool askConfirmation(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf16(ConfirmationTitle), message,
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void showError(QWidget* parent, const QString& message)
{
    showWithOk(parent, QMessageBox::Critical, QStringLiteral("ORVEN File Vivider"), message);
}

} // namespace messageboxes
