#include "platform/LocalTime.h"

#include <ctime>

namespace platform {

void reloadTimeZone()
{
    ::tzset();
}

bool localDateTime(qint64 secondsUtc, QDate& date, QTime& time)
{
    const time_t seconds = time_t(secondsUtc);
    if (qint64(seconds) != secondsUtc)
        return false;
    struct tm local;
    if (!::localtime_r(&seconds, &local))
        return false;
    date = QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    // A leap second reads as the last second of its minute.
    time = QTime(local.tm_hour, local.tm_min, qMin(local.tm_sec, 59));
    return date.isValid() && time.isValid();
}

} // namespace platform
