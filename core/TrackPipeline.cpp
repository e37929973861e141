#include "core/TrackPipeline.h"

#include "core/TrackRules.h"
#include "explorer/VxDateTimeFormat.h"
#include "explorer/VxFileListRules.h"
#include "explorer/VxFileListSort.h"
#include "explorer/VxFileListTypes.h"
#include "explorer/VxFileListing.h"
#include "platform/DirEnum.h"

#include <algorithm>

namespace trackpipeline {

bool readListing(const QByteArray& directory, QVector<ListingRow>* rows)
{
    VxListingOptions listing;
    listing.parentDirEnabled = false;
    listing.datePattern = DatePatternText(df_Customize, VxFormatSettings::runtime());
    listing.timePattern = TimePatternText(tfShortFormat, VxFormatSettings::runtime());
    const TFileType fileType{ftReadOnly, ftHidden, ftSystem, ftArchive};
    rows->clear();
    for (const QString& pattern : vxfilelist::maskPatterns(QStringLiteral("*.mp3"))) {
        bool read = true;
        vxfilelist::addFiles(*rows, directory, platform::encodePath(pattern),
                             fileType.attributeMask(), listing, &read);
        if (!read) {
            rows->clear();
            return false;
        }
    }
    return true;
}

QVector<ListingRow> sortListing(const QVector<ListingRow>& rows, int column, bool descending)
{
    const QVector<int> order = VxFileListSort(column, descending, QString()).order(rows);
    QVector<ListingRow> sorted;
    sorted.reserve(rows.size());
    for (const int index : order)
        sorted.append(rows.at(index));
    return sorted;
}

QVector<TrackRow> tracks(const QVector<ListingRow>& listing)
{
    return trackrules::trackRowsFromListing(listing);
}

void sortTracks(QVector<TrackRow>* rows, int column)
{
    QVector<TrackRow> sorted;
    sorted.reserve(rows->size());
    for (const int index : trackrules::sortedOrder(*rows, column))
        sorted.append(std::move((*rows)[index]));
    *rows = std::move(sorted);
}

QVector<TrackRow> orderedTracks(const QVector<ListingRow>& listing, Order order)
{
    // The window lists a folder sorted by name; a header click then sorts that list.
    QVector<ListingRow> sorted = sortListing(listing, vxcolumn::Name, false);
    if (order == Order::Size)
        sorted = sortListing(sorted, vxcolumn::Size, true);
    else if (order == Order::Date)
        sorted = sortListing(sorted, vxcolumn::Modified, true);
    QVector<TrackRow> rows = tracks(sorted);
    if (order == Order::Number || order == Order::Name)
        sortTracks(&rows, order == Order::Number ? 0 : 1);
    return rows;
}

} // namespace trackpipeline
