#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One track-list row as print and export see it: the current number text and the title.
struct TrackLine
{
    QString caption;
    QString title;
};

// The export file: one line per row, caption ";" title, each ended by CR LF. The file is
// Windows-1252 text, or UTF-8 with a byte-order mark when a text holds a character that
// Windows-1252 lacks.
namespace trackexport {

struct ExportResult
{
    bool ok = true;
    QString errorMessage;
};

// The Windows-1252 bytes of a text; false, leaving `bytes` alone, when a character has none.
bool encodeWindows1252(const QString& text, QByteArray* bytes);

QByteArray ExportBytes(const QList<TrackLine>& lines);
// Replaces the file as a whole: on failure the old file, if any, is left as it was.
ExportResult ExportTrackList(const QString& fileName, const QList<TrackLine>& lines);

} // namespace trackexport
