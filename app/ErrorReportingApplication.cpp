#include "app/ErrorReportingApplication.h"

#include "app/MessageBoxes.h"

#include <exception>

ErrorReportingApplication::ErrorReportingApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool ErrorReportingApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        messageboxes::showError(activeWindow(), QString::fromUtf8(error.what()));
    }
    return false;
}
