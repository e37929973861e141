#include "explorer/VxFileListMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace vxfilelistmessages {

namespace {

QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString& text,
                                 QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QString(), text, buttons, QApplication::activeWindow());
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void warning(const QString& text)
{
    show(QMessageBox::Warning, text, QMessageBox::Ok);
}

void error(const QString& text)
{
    show(QMessageBox::Critical, text, QMessageBox::Ok);
}

bool confirm(const QString& text)
{
    return show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace vxfilelistmessages
