#pragma once

#include <QDate>
#include <QTime>
#include <QtGlobal>

namespace platform {

// Reads the system's time zone rules again, as they may have changed (TZ, the zone file): once
// before a batch of conversions, since reading them costs far more than a conversion.
void reloadTimeZone();

// The local calendar date and time of a moment in seconds since 1970 UTC, by the time zone
// rules last read. Much cheaper than a QDateTime conversion, which matters when every row of a
// large folder needs its modification time. False when the moment is beyond the system's range.
bool localDateTime(qint64 secondsUtc, QDate& date, QTime& time);

} // namespace platform
