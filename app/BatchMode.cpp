#include "app/BatchMode.h"

#include "app/RenameEngine.h"
#include "app/RenameRequests.h"
#include "app/TrackRules.h"
#include "explorer/VxDateTimeFormat.h"
#include "explorer/VxFileListRules.h"
#include "explorer/VxFileListSort.h"
#include "explorer/VxFileListTypes.h"
#include "explorer/VxFileListing.h"
#include "explorer/VxPathUtils.h"
#include "platform/DirEnum.h"

#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace batchmode {

namespace {

bool parseNumber(const QString& text, qint64 low, qint64 high, qint64* value)
{
    qint32 parsed = 0;
    if (!trackrules::parseIntegerText(text, &parsed) || parsed < low || parsed > high)
        return false;
    *value = parsed;
    return true;
}

bool parseOrder(const QString& text, Order* order)
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
        if (text == QLatin1String(entry.name)) {
            *order = entry.order;
            return true;
        }
    }
    return false;
}

Options refused(const QString& error)
{
    Options options;
    options.error = error;
    return options;
}

QVector<ListingRow> readListing(const QString& folder)
{
    VxListingOptions listing;
    listing.parentDirEnabled = false;
    listing.datePattern = DatePatternText(df_Customize, VxFormatSettings::runtime());
    listing.timePattern = TimePatternText(tfShortFormat, VxFormatSettings::runtime());
    const TFileType fileType{ftReadOnly, ftHidden, ftSystem, ftArchive};
    const QString directory = EnsureTrailingBackslash(folder);
    QVector<ListingRow> rows;
    for (const QString& pattern : vxfilelist::maskPatterns(QStringLiteral("*.mp3")))
        vxfilelist::addFiles(rows, directory, directory + pattern, fileType.attributeMask(),
                             listing);
    return rows;
}

QVector<ListingRow> sortedListing(const QVector<ListingRow>& rows, int column, bool descending)
{
    const QVector<int> order = VxFileListSort(column, descending, QString()).order(rows);
    QVector<ListingRow> sorted;
    sorted.reserve(rows.size());
    for (const int index : order)
        sorted.append(rows.at(index));
    return sorted;
}

int renameRows(const Options& options, const QVector<TrackRow>& rows, QTextStream& out,
               QTextStream& err)
{
    renaming::RenameEngine engine;
    const QByteArray folder =
        platform::encodePath(EnsureTrailingBackslash(QFileInfo(options.folder).absoluteFilePath()));
    if (engine.prepare(folder, renamerequests::requestsOf(rows, options.start, options.increment)))
        engine.run();
    int failed = 0;
    for (size_t i = 0; i < engine.results().size(); ++i) {
        const renaming::RenameRowResult& result = engine.results().at(i);
        if (renaming::isSuccess(result.status))
            continue;
        ++failed;
        out << platform::displayName(engine.requests().at(i).oldName) << '\t' << result.text()
            << '\n';
    }
    if (failed > 0)
        err << failed << " of " << rows.size() << " files were not renamed.\n";
    return failed > 0 ? 1 : 0;
}

} // namespace

Options parseArguments(const QStringList& arguments)
{
    Options options;
    if (arguments.isEmpty())
        return options;
    const QString& first = arguments.constFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        options.command = Options::Command::Help;
        return options;
    }
    if (first == QLatin1String("--preview"))
        options.command = Options::Command::Preview;
    else if (first == QLatin1String("--rename"))
        options.command = Options::Command::Rename;
    else
        return options;

    if (arguments.size() < 2 || arguments.at(1).startsWith(QLatin1String("--")))
        return refused(QStringLiteral("%1 needs a folder.").arg(first));
    options.folder = arguments.at(1);
    for (qsizetype i = 2; i < arguments.size(); i += 2) {
        const QString& option = arguments.at(i);
        if (i + 1 >= arguments.size())
            return refused(QStringLiteral("%1 needs a value.").arg(option));
        const QString& value = arguments.at(i + 1);
        if (option == QLatin1String("--start")) {
            if (!parseNumber(value, 0, 99999, &options.start))
                return refused(
                    QStringLiteral("The start must be a number from 0 to 99999, not \"%1\".")
                        .arg(value));
        } else if (option == QLatin1String("--increment")) {
            if (!parseNumber(value, 1, 99999, &options.increment))
                return refused(
                    QStringLiteral("The increment must be a number from 1 to 99999, not \"%1\".")
                        .arg(value));
        } else if (option == QLatin1String("--order")) {
            if (!parseOrder(value, &options.order))
                return refused(
                    QStringLiteral("The order is number, name, size or date, not \"%1\".")
                        .arg(value));
        } else {
            return refused(QStringLiteral("Unknown option \"%1\".").arg(option));
        }
    }
    return options;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: ORVENFR [FOLDER]\n"
        "       ORVENFR --preview FOLDER [--start S] [--increment I] [--order ORDER]\n"
        "       ORVENFR --rename FOLDER [--start S] [--increment I] [--order ORDER]\n"
        "\n"
        "Without an option the window opens, on FOLDER when one is given.\n"
        "\n"
        "  --preview    print the MP3 files of FOLDER, one per line, tab-separated: number,\n"
        "               title, size, date and the name the file would get; nothing changes\n"
        "  --rename     rename the MP3 files of FOLDER to those names, as the window's rename\n"
        "               command does; prints one line per file that was not renamed and exits\n"
        "               with 1 when there was any\n"
        "  --start      the first number, 0 to 99999 (default 0: the first file gets 1)\n"
        "  --increment  the step between numbers, 1 to 99999 (default 1)\n"
        "  --order      the order of the files: as listed by name when the folder is opened\n"
        "               (default), or as one click on a header gives: number, name (both\n"
        "               ascending), size (largest first), date (newest first)\n"
        "  --help       this text\n");
}

QVector<TrackRow> trackList(const Options& options, QString* error)
{
    const QFileInfo folder(options.folder);
    if (!folder.isDir()) {
        *error = QStringLiteral("\"%1\" is not a folder.").arg(options.folder);
        return {};
    }
    if (!folder.isReadable()) {
        *error = QStringLiteral("The folder \"%1\" cannot be read.").arg(options.folder);
        return {};
    }
    QVector<ListingRow> listing =
        sortedListing(readListing(folder.absoluteFilePath()), vxcolumn::Name, false);
    if (options.order == Order::Size)
        listing = sortedListing(listing, vxcolumn::Size, true);
    else if (options.order == Order::Date)
        listing = sortedListing(listing, vxcolumn::Modified, true);
    QVector<TrackRow> rows = trackrules::trackRowsFromListing(listing);
    if (options.order == Order::Number || options.order == Order::Name) {
        const int column = options.order == Order::Number ? 0 : 1;
        std::stable_sort(rows.begin(), rows.end(), [column](const TrackRow& a, const TrackRow& b) {
            return trackrules::compareRows(a, b, column) < 0;
        });
    }
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const qint64 number = trackrules::previewNumber(options.start, options.increment, i + 1);
        rows[i].subItems[TrackRow::Preview] =
            trackrules::previewName(number, rows.at(i).subItems.at(TrackRow::Title));
    }
    return rows;
}

int run(const Options& options, QTextStream& out, QTextStream& err)
{
    if (!options.error.isEmpty()) {
        err << options.error << "\nSee ORVENFR --help.\n";
        return 2;
    }
    if (options.command == Options::Command::Help) {
        out << helpText();
        return 0;
    }
    QString error;
    const QVector<TrackRow> rows = trackList(options, &error);
    if (!error.isEmpty()) {
        err << error << '\n';
        return 2;
    }
    if (options.command == Options::Command::Preview) {
        for (const TrackRow& row : rows) {
            out << row.caption << '\t' << row.subItems.join(u'\t') << '\n';
        }
        return 0;
    }
    return renameRows(options, rows, out, err);
}

} // namespace batchmode
