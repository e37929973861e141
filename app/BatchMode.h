#pragma once

#include "app/TrackRow.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QTextStream;

// The command line without a window: "--preview DIR" prints the track list of a folder with its
// preview names, "--rename DIR" renames its files with the same engine as the window, "--help"
// describes both. The folder is read as the window reads it: the "*.mp3" files, by name.
namespace batchmode {

enum class Order
{
    Listing, // name order, as the folder is opened
    Number,
    Name,
    Size, // largest first, as one click on the Size header gives
    Date, // newest first
};

struct Options
{
    enum class Command
    {
        None, // no batch option: the window opens
        Help,
        Preview,
        Rename,
    };
    Command command = Command::None;
    QString folder;
    qint64 start = 0;
    qint64 increment = 1;
    Order order = Order::Listing;
    QString error; // why the arguments are refused; empty when they are fine
};

// Reads the arguments after the program name.
Options parseArguments(const QStringList& arguments);
QString helpText();

// The folder's track list in the chosen order, with its previews computed.
QVector<TrackRow> trackList(const Options& options, QString* error);

// Runs a batch command and returns the process's exit code.
int run(const Options& options, QTextStream& out, QTextStream& err);

} // namespace batchmode
