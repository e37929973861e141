#pragma once

#include "core/TrackRow.h"
#include "core/TrackRules.h"
#include "core/rename/RenameCheck.h"

#include <QByteArray>
#include <QVector>

#include <vector>

// The rename run's requests of a track list: each row's listed file to its preview name. The new
// names are made of the file's own bytes, so a name that is not valid UTF-8 keeps its title byte
// for byte.
namespace renamerequests {

// The title part of a file name's bytes: what follows the number (trackrules::numberLength) and
// the character after it (a whole UTF-8 sequence, never a part of one), or the whole name
// without its extension when it has no number.
QByteArray titleBytes(const QByteArray& nameBytes);

// "<number> <title>.mp3" as bytes; the title without its old track number when `oldNumber`
// drops it (trackrules::oldNumberLength).
QByteArray newNameBytes(qint64 number, const QByteArray& oldNameBytes,
                        trackrules::OldNumber oldNumber = trackrules::OldNumber::Keep);

// Gives each row its new name, numbered from `start` by `increment` in list order. The preview
// and the rename requests both read it, so each number is written once.
void numberRows(QVector<TrackRow>* rows, qint64 start, qint64 increment,
                trackrules::OldNumber oldNumber = trackrules::OldNumber::Keep);

// One request per row, in list order, to the new names numberRows() gave them.
std::vector<renaming::RenameRequest> requestsOf(const QVector<TrackRow>& rows);
// One request per row, in list order, numbered from `start` by `increment`.
std::vector<renaming::RenameRequest>
requestsOf(const QVector<TrackRow>& rows, qint64 start, qint64 increment,
           trackrules::OldNumber oldNumber = trackrules::OldNumber::Keep);

// What the preview of a numbered row shows, as bytes: its new name without the extension.
QByteArray previewBytes(const TrackRow& row);

} // namespace renamerequests
