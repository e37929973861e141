#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

// Runs the command line without a window, in this process or as the built program.
struct Outcome
{
    int code = 0;
    QString out;
    QString err;
};

// Parses and runs the arguments with the batch mode's own functions.
Outcome runBatch(const QByteArrayList& arguments);
// Runs `program` (the built program, or one that starts it: a shell, strace). Its platform is
// one that does not exist, so a window it tries to open ends it at once instead of waiting for
// a display; that shows as a crash, code -1.
Outcome runProgram(const QString& program, const QStringList& arguments);
QString programPath();
