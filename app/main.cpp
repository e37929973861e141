#include "app/Main.h"
#include "app/Dialog1.h"
#include "app/ErrorReportingApplication.h"
#include "app/ProgessBar.h"
#include "app/RecoveryOffer.h"
#include "app/Unit2.h"
#include "core/BatchMode.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// The arguments as the file system's bytes: a folder name need not be valid UTF-8.
QByteArrayList commandLine(int argc, char* argv[])
{
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    const batchmode::Options batch = batchmode::parseArguments(commandLine(argc, argv));
    // Refused arguments are reported like a batch command's failure, before a window is tried.
    if (batch.command != batchmode::Options::Command::Window || !batch.error.isEmpty()) {
        // No window and no display: the batch commands run on a core application.
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return batchmode::run(batch, out, err);
    }

    ErrorReportingApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString());
    // Ties the window to the installed desktop entry (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orven.FileVivider"));

    TForm1 form1;
    TOKBottomDlg okBottomDlg;
    TForm2 form2;
    TOKBottomDlg1 okBottomDlg1;
    form1.setAboutDialog(&okBottomDlg);
    form1.setProgressDialog(&okBottomDlg1);

    form1.showMaximized();
    recoveryoffer::offerPendingRecoveries(&form1);
    // Qt has taken its own options out of argv: what remains is the folder to start in.
    if (argc > 1)
        form1.openStartFolder(QByteArray(argv[1]));
    return QApplication::exec();
}
