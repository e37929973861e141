#pragma once

#include "core/TrackExport.h"

#include <QString>
#include <QStringList>

class QTime;

// What a printed track list says: the lines and the job's name, apart from the printer.
namespace trackprint {

// Five blanks, the caption, a blank and the title.
QStringList PrintLines(const QList<TrackLine>& lines);
// "Orven / File Vivider" directly followed by the time in the runtime's long time pattern.
QString PrintJobTitle(const QTime& time);

} // namespace trackprint
