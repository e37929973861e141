#include "core/TrackPrintLines.h"

#include "explorer/VxDateTimeFormat.h"

#include <QDateTime>

namespace trackprint {

namespace {

QString singleLine(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

QStringList PrintLines(const QList<TrackLine>& lines)
{
    QStringList printed;
    printed.reserve(lines.size());
    for (const TrackLine& line : lines)
        printed.append(QStringLiteral("     ") + singleLine(line.caption) + u' ' +
                       singleLine(line.title));
    return printed;
}

QString PrintJobTitle(const QTime& time)
{
    const VxFormatSettings& settings = VxFormatSettings::runtime();
    return QStringLiteral("Orven / File Vivider") +
           FormatDateTimePattern(settings.longTimePattern(), QDateTime(QDate::currentDate(), time),
                                 settings);
}

} // namespace trackprint
