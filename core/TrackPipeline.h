#pragma once

#include "core/TrackRow.h"
#include "explorer/ListingRow.h"

#include <QByteArray>
#include <QVector>

// From a folder to its track rows in an order: the steps the main window takes through its
// hidden file list and its header clicks, and the batch mode takes directly. Both get the rows,
// their order and (through renamerequests) their new names from here.
namespace trackpipeline {

enum class Order
{
    Listing, // name order, as the folder is opened
    Number,
    Name,
    Size, // largest first, as one click on the Size header gives
    Date, // newest first
};

// The folder's "*.mp3" files (any letter case) as the file list reads them, in the order the
// folder gives. `directory` ends with "/". False, with no rows, when the folder could not be
// read whole: a short listing must never pass for the folder.
bool readListing(const QByteArray& directory, QVector<ListingRow>* rows);
// The listing in the order a click on a file-list column header gives.
QVector<ListingRow> sortListing(const QVector<ListingRow>& rows, int column, bool descending);
// The track rows of a listing, in the listing's order.
QVector<TrackRow> tracks(const QVector<ListingRow>& listing);
// Sorted as a click on the Number (0) or Name (1) header sorts them; ties keep their order.
void sortTracks(QVector<TrackRow>* rows, int column);
// The rows of a listing in `order`, from the listing as the folder gives it.
QVector<TrackRow> orderedTracks(const QVector<ListingRow>& listing, Order order);

} // namespace trackpipeline
