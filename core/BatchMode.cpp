#include "core/BatchMode.h"

#include "core/BatchRecovery.h"
#include "core/BatchUndo.h"
#include "core/NameEscape.h"
#include "core/PlaylistExport.h"
#include "core/TrackPipeline.h"
#include "core/TrackRow.h"
#include "core/TrackRules.h"
#include "core/rename/PendingRuns.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameReport.h"
#include "core/rename/RenameRequests.h"
#include "core/rename/RunRecorder.h"
#include "platform/DirEnum.h"
#include "platform/SyncedFolder.h"

#include <QTextStream>
#include <QVector>

#include <algorithm>

namespace batchmode {

namespace {

using Command = Options::Command;

const struct
{
    const char* name;
    Command command;
} CommandNames[] = {{"--help", Command::Help},       {"-h", Command::Help},
                    {"--preview", Command::Preview}, {"--rename", Command::Rename},
                    {"--recover", Command::Recover}, {"--history", Command::History},
                    {"--undo", Command::Undo}};

bool commandOf(const QByteArray& argument, Command* command)
{
    for (const auto& entry : CommandNames) {
        if (argument == entry.name) {
            *command = entry.command;
            return true;
        }
    }
    return false;
}

bool isOption(const QByteArray& argument)
{
    return argument.startsWith("--");
}

// An argument as a message shows it: it may hold any byte the shell passed on.
Options refused(const QString& error)
{
    Options options;
    options.error = error;
    return options;
}

bool parseNumber(const QByteArray& text, qint64 low, qint64 high, qint64* value)
{
    qint32 parsed = 0;
    if (!trackrules::parseIntegerText(QString::fromUtf8(text), &parsed) || parsed < low ||
        parsed > high)
        return false;
    *value = parsed;
    return true;
}

bool parseOrder(const QByteArray& text, Order* order)
{
    const struct
    {
        const char* name;
        Order order;
    } orders[] = {{"number", Order::Number},
                  {"name", Order::Name},
                  {"size", Order::Size},
                  {"date", Order::Date}};
    for (const auto& entry : orders) {
        if (text == entry.name) {
            *order = entry.order;
            return true;
        }
    }
    return false;
}

// The window's arguments are left to Qt, which takes its own options out, and to main(), which
// opens the folder that remains; only what looks like an option of ours is judged here, before
// a window is tried.
Options windowArguments(const QByteArrayList& arguments)
{
    for (const QByteArray& argument : arguments) {
        Command command = Command::Window;
        if (commandOf(argument, &command))
            return refused(
                QStringLiteral("%1 must come first.").arg(nameescape::escaped(argument)));
        if (isOption(argument))
            return refused(
                QStringLiteral("Unknown option \"%1\".").arg(nameescape::escaped(argument)));
    }
    return Options();
}

// The numbering options from `first` to the end: "--drop-old-numbers" alone, the others each
// followed by its value.
Options numberingOptions(Options options, const QByteArrayList& arguments, qsizetype first)
{
    for (qsizetype i = first; i < arguments.size(); ++i) {
        const QByteArray& option = arguments.at(i);
        if (option == "--drop-old-numbers") {
            options.dropOldNumbers = true;
            continue;
        }
        if (option != "--start" && option != "--increment" && option != "--order" &&
            option != "--playlist")
            return refused(
                QStringLiteral("Unknown option \"%1\".").arg(nameescape::escaped(option)));
        if (i + 1 >= arguments.size() || (option == "--playlist" && arguments.at(i + 1).isEmpty()))
            return refused(QStringLiteral("%1 needs a value.").arg(nameescape::escaped(option)));
        const QByteArray& value = arguments.at(++i);
        if (option == "--playlist")
            options.playlist = value;
        if (option == "--start" && !parseNumber(value, 0, 99999, &options.start))
            return refused(QStringLiteral("The start must be a number from 0 to 99999, not \"%1\".")
                               .arg(nameescape::escaped(value)));
        if (option == "--increment" && !parseNumber(value, 1, 99999, &options.increment))
            return refused(
                QStringLiteral("The increment must be a number from 1 to 99999, not \"%1\".")
                    .arg(nameescape::escaped(value)));
        if (option == "--order" && !parseOrder(value, &options.order))
            return refused(QStringLiteral("The order is number, name, size or date, not \"%1\".")
                               .arg(nameescape::escaped(value)));
    }
    return options;
}

// The word after the folder says what to do; nothing may follow it.
Options recoverOptions(Options options, const QByteArrayList& arguments)
{
    const struct
    {
        const char* word;
        RecoverAction action;
    } actions[] = {{"finish", RecoverAction::Finish},
                   {"rollback", RecoverAction::RollBack},
                   {"set-aside", RecoverAction::SetAside}};
    if (arguments.size() < 3)
        return refused(QStringLiteral("--recover needs finish, rollback or set-aside after the "
                                      "folder."));
    if (arguments.size() > 3)
        return refused(
            QStringLiteral("Unknown option \"%1\".").arg(nameescape::escaped(arguments.at(3))));
    for (const auto& entry : actions) {
        if (arguments.at(2) == entry.word) {
            options.recoverAction = entry.action;
            return options;
        }
    }
    return refused(QStringLiteral("--recover takes finish, rollback or set-aside, not \"%1\".")
                       .arg(nameescape::escaped(arguments.at(2))));
}

QByteArray withTrailingSeparator(QByteArray path)
{
    if (!path.endsWith('/'))
        path.append('/');
    return path;
}

// Opened once to tell a missing folder from one that cannot be read, which a listing cannot.
QString folderProblem(const QByteArray& folder)
{
    const platform::SyncedFolder opened(folder);
    if (opened.isOpen())
        return QString();
    if (platform::fileErrorOf(opened.openError()) == platform::FileError::NotFound)
        return QStringLiteral("\"%1\" is not a folder.").arg(nameescape::escaped(folder));
    return QStringLiteral("The folder \"%1\" cannot be read: %2")
        .arg(nameescape::escaped(folder), platform::sysErrorText(opened.openError()));
}

// Number, title, size, date and preview name, tab-separated. What comes from the file name is
// taken from its bytes, as the rename run takes it, and escaped.
void printPreview(const QVector<TrackRow>& rows, QTextStream& out)
{
    for (const TrackRow& row : rows) {
        const QByteArray preview = renamerequests::previewBytes(row);
        const QByteArray title = preview.mid(preview.indexOf(' ') + 1);
        out << nameescape::escaped(row.caption().toUtf8()) << '\t' << nameescape::escaped(title)
            << '\t' << row.subItem(TrackRow::SizeText) << '\t' << row.subItem(TrackRow::DateText)
            << '\t' << nameescape::escaped(preview) << '\n';
    }
}

// `namesAfter` receives the name each file has after the run, in the rows' order.
int renameRows(const QByteArray& directory, const QVector<TrackRow>& rows, QTextStream& out,
               QTextStream& err, QByteArrayList* namesAfter)
{
    renaming::RenameEngine engine;
    if (engine.prepare(directory, renamerequests::requestsOf(rows)))
        engine.run();
    int failed = 0;
    for (size_t i = 0; i < engine.results().size(); ++i) {
        const renaming::RenameRowResult& result = engine.results().at(i);
        namesAfter->append(result.currentName);
        if (renaming::isSuccess(result.status))
            continue;
        ++failed;
        out << nameescape::escaped(engine.requests().at(i).oldName) << '\t' << result.text()
            << '\n';
    }
    if (failed > 0)
        err << failed << " of " << rows.size() << " files were not renamed.\n";
    if (engine.finishError() != 0)
        err << renamereport::journalKeptText(engine.finishError()) << '\n';
    if (const QString unrecorded =
            runrecorder::recordRun(directory, engine.requests(), engine.results());
        !unrecorded.isEmpty())
        err << unrecorded << '\n';
    return failed > 0 || engine.finishError() != 0 ? 1 : 0;
}

// False, after saying why, when a playlist was asked for and could not be written.
bool writePlaylist(const Options& options, const QByteArray& directory, const QByteArrayList& names,
                   QTextStream& err)
{
    if (options.playlist.isEmpty())
        return true;
    const playlistexport::PlaylistResult result =
        playlistexport::writePlaylist(options.playlist, directory, names, text::English);
    if (!result.ok)
        err << result.errorMessage << '\n';
    return result.ok;
}

} // namespace

Options parseArguments(const QByteArrayList& arguments)
{
    Command command = Command::Window;
    if (arguments.isEmpty() || !commandOf(arguments.constFirst(), &command))
        return windowArguments(arguments);
    Options options;
    options.command = command;
    if (command == Command::Help)
        return options;
    // Every other command works on the folder named right after it.
    const QByteArray& name = arguments.constFirst();
    if (arguments.size() < 2 || arguments.at(1).isEmpty() || isOption(arguments.at(1)))
        return refused(QStringLiteral("%1 needs a folder.").arg(nameescape::escaped(name)));
    options.folder = arguments.at(1);
    if (command == Command::Recover)
        return recoverOptions(options, arguments);
    if ((command == Command::History || command == Command::Undo) && arguments.size() > 2)
        return refused(
            QStringLiteral("Unknown option \"%1\".").arg(nameescape::escaped(arguments.at(2))));
    return numberingOptions(options, arguments, 2);
}

QString helpText()
{
    return QStringLiteral(
        "Usage: ORVENFR [FOLDER]\n"
        "       ORVENFR --preview FOLDER [--start S] [--increment I] [--order ORDER]\n"
        "                                [--drop-old-numbers] [--playlist FILE]\n"
        "       ORVENFR --rename FOLDER [--start S] [--increment I] [--order ORDER]\n"
        "                               [--drop-old-numbers] [--playlist FILE]\n"
        "       ORVENFR --recover FOLDER finish|rollback|set-aside\n"
        "       ORVENFR --history FOLDER\n"
        "       ORVENFR --undo FOLDER\n"
        "\n"
        "Without an option the window opens, on FOLDER when one is given.\n"
        "\n"
        "  --preview    print the MP3 files of FOLDER, one per line, tab-separated: number,\n"
        "               title, size, date and the name the file would get; nothing changes\n"
        "  --rename     rename the MP3 files of FOLDER to those names, as the window's rename\n"
        "               command does; prints one line per file that was not renamed (its name,\n"
        "               a tab and the reason) and exits with 1 when there was any\n"
        "  --recover    settle a rename run of FOLDER that was interrupted (a crash, a power\n"
        "               loss): finish it (every file under its new name), roll it back (every\n"
        "               file under its old name), or set its journal aside (renamed to\n"
        "               .orven-rename-journal.set-aside-DATE-TIME in FOLDER, nothing else\n"
        "               changes); reports and exits as --rename does\n"
        "  --history    list the rename runs recorded for FOLDER, oldest first, one per line:\n"
        "               when it ended, a tab and how many files it renamed (for a run that was\n"
        "               undone, how many files its undo left alone)\n"
        "  --undo       give the files of FOLDER's last recorded run that was not undone yet\n"
        "               the names they had before it; a file renamed, removed or replaced\n"
        "               since is left alone; reports and exits as --rename does, and with 1\n"
        "               when no run can be undone\n"
        "  --start      the first number, 0 to 99999 (default 0: the first file gets 1)\n"
        "  --increment  the step between numbers, 1 to 99999 (default 1)\n"
        "  --order      the order of the files: as listed by name when the folder is opened\n"
        "               (default), or as one click on a header gives: number, name (both\n"
        "               ascending), size (largest first), date (newest first)\n"
        "  --drop-old-numbers\n"
        "               leave an old track number at the start of a title out of the new\n"
        "               name (\"01 - \", \"1.\", \"07_\", \"01 \"): \"01 - Intro.mp3\" becomes\n"
        "               \"00001 Intro.mp3\"; \"2001 A Space Odyssey\" and \"3.14 Pi\" keep theirs\n"
        "  --playlist   write the playlist FILE (M3U, UTF-8): the files in their final order,\n"
        "               under the names they have after the run; its lines are the names\n"
        "               alone when FILE lies in FOLDER, absolute paths otherwise\n"
        "  --help       this text\n"
        "\n"
        "What is printed from a file name stays on its line: a tab, a line feed and a backslash\n"
        "are written \\t, \\n and \\\\, any other control byte and any byte that is not part of\n"
        "valid UTF-8 as \\xHH (two hexadecimal digits).\n"
        "\n"
        "Exit codes: 0 done, 1 some files were not renamed or the playlist could not be written,\n"
        "2 the arguments or the folder were refused.\n");
}

int run(const Options& options, QTextStream& out, QTextStream& err)
{
    if (!options.error.isEmpty()) {
        err << options.error << "\nSee ORVENFR --help.\n";
        return 2;
    }
    if (options.command == Command::Help) {
        out << helpText();
        return 0;
    }
    const QString problem = folderProblem(options.folder);
    if (!problem.isEmpty()) {
        err << problem << '\n';
        return 2;
    }
    if (options.command == Command::History)
        return batchundo::history(renaming::absoluteFolderPath(options.folder), out, err);
    if (options.command == Command::Undo)
        return batchundo::undo(renaming::absoluteFolderPath(options.folder), out, err);
    if (options.command == Command::Recover)
        return batchrecovery::recover(renaming::absoluteFolderPath(options.folder),
                                      options.recoverAction, out, err);
    const QByteArray directory =
        withTrailingSeparator(renaming::absoluteFolderPath(options.folder));
    QVector<ListingRow> listing;
    if (!trackpipeline::readListing(directory, &listing)) {
        // A short listing would be renumbered as if it were the whole folder.
        err << QStringLiteral("The folder \"%1\" could not be read whole.")
                   .arg(nameescape::escaped(options.folder))
            << '\n';
        return 2;
    }
    QVector<TrackRow> rows = trackpipeline::orderedTracks(listing, options.order);
    renamerequests::numberRows(&rows, options.start, options.increment,
                               options.dropOldNumbers ? trackrules::OldNumber::Drop
                                                      : trackrules::OldNumber::Keep);
    QByteArrayList names;
    int code = 0;
    if (options.command == Command::Preview) {
        printPreview(rows, out);
        for (const TrackRow& row : rows)
            names.append(row.nameBytes);
    } else {
        code = renameRows(directory, rows, out, err, &names);
    }
    return writePlaylist(options, directory, names, err) ? code : 1;
}

} // namespace batchmode
