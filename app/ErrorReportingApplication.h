#pragma once

#include <QApplication>

// The application object with the program's one error handler: a failure that leaves an event
// handler is shown in the error box, and the program goes on with the next event.
class ErrorReportingApplication : public QApplication
{
public:
    ErrorReportingApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
