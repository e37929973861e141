#pragma once

#include "core/TrackPrintLines.h"

#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;

// Printing the track list: one line per row, laid out over the printable area of the printer
// in Arial 10 pt, as one job whose document name carries the time it was started.
namespace trackprint {

struct PrintResult
{
    bool ok = true;
    QString errorMessage;
};

PrintResult PrintTrackList(QPrinter& printer, const QStringList& lines, const QString& jobTitle);

// Writes to a PDF file the pages PrintTrackList sends to the default printer, on that printer's
// page layout (the system's default page when there is no printer); a failure says so in the
// interface language.
PrintResult ExportPdf(const QString& fileName, const QStringList& lines, const QString& jobTitle);

bool hasDefaultPrinter();
// A printer on the system's default printer; null, with the reason in *errorMessage, when
// there is none.
std::unique_ptr<QPrinter> defaultPrinter(QString* errorMessage);

} // namespace trackprint
