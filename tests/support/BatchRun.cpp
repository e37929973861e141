#include "tests/support/BatchRun.h"

#include "core/BatchMode.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTextStream>

Outcome runBatch(const QByteArrayList& arguments)
{
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.code = batchmode::run(batchmode::parseArguments(arguments), out, err);
    out.flush();
    err.flush();
    return outcome;
}

Outcome runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Outcome outcome;
    const bool finished = process.waitForFinished(60000);
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    outcome.code =
        finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return outcome;
}

QString programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../app/ORVENFR");
}
