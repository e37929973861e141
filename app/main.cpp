#include "app/Main.h"
#include "app/BatchMode.h"
#include "app/Dialog1.h"
#include "app/ErrorReportingApplication.h"
#include "app/ProgessBar.h"
#include "app/RecoveryOffer.h"
#include "app/Unit2.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

QStringList commandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    const batchmode::Options batch = batchmode::parseArguments(commandLine(argc, argv));
    if (batch.command != batchmode::Options::Command::None) {
        // No window and no display: the batch commands run on a core application.
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return batchmode::run(batch, out, err);
    }

    ErrorReportingApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString());

    TForm1 form1;
    TOKBottomDlg okBottomDlg;
    TForm2 form2;
    TOKBottomDlg1 okBottomDlg1;
    form1.setAboutDialog(&okBottomDlg);
    form1.setProgressDialog(&okBottomDlg1);

    form1.showMaximized();
    recoveryoffer::offerPendingRecoveries(&form1);
    // What Qt's own options leave of the command line: the folder to start in.
    const QStringList arguments = QApplication::arguments().mid(1);
    if (!arguments.isEmpty())
        form1.openStartFolder(arguments.constFirst());
    return QApplication::exec();
}
