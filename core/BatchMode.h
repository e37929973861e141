#pragma once

#include "core/TrackPipeline.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

class QTextStream;

// The command line without a window: "--preview DIR" prints the track list of a folder with its
// preview names, "--rename DIR" renames its files with the same engine as the window,
// "--recover DIR finish|rollback|set-aside" settles a run that was interrupted, "--history DIR"
// lists the runs recorded for a folder and "--undo DIR" takes back the last one, "--help"
// describes them. The folder is read as the window reads it: the "*.mp3" files, by name. The
// arguments are the command line's bytes, so a folder whose name is not valid UTF-8 is found.
namespace batchmode {

using Order = trackpipeline::Order;

// What --recover does with a folder's interrupted run.
enum class RecoverAction
{
    Finish,
    RollBack,
    SetAside,
};

struct Options
{
    enum class Command
    {
        Window, // no batch command: the window opens
        Help,
        Preview,
        Rename,
        Recover,
        History,
        Undo,
    };
    Command command = Command::Window;
    QByteArray folder; // the file system's bytes, as the command line gave them
    qint64 start = 0;
    qint64 increment = 1;
    Order order = Order::Listing;
    RecoverAction recoverAction = RecoverAction::Finish;
    bool dropOldNumbers = false;
    QByteArray playlist; // the playlist to write after a preview or a rename; empty for none
    QString error;       // why the arguments are refused; empty when they are fine
};

// Reads the arguments after the program name. A batch command comes first; without one the
// arguments are the window's, which may be Qt's own options and a folder, but never an option
// that starts with "--".
Options parseArguments(const QByteArrayList& arguments);
QString helpText();

// Runs a batch command, or reports refused arguments, and returns the process's exit code.
int run(const Options& options, QTextStream& out, QTextStream& err);

} // namespace batchmode
