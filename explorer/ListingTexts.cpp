#include "explorer/ListingTexts.h"

#include "explorer/VxPathUtils.h"
#include "platform/LocalTime.h"

#include <QDateTime>

namespace {

constexpr qint64 kNsecPerSec = 1000000000LL;

} // namespace

ListingTexts::ListingTexts(const Options& options)
    : m_options(options),
      m_pattern(options.datePattern + u' ' + options.timePattern, VxFormatSettings::runtime())
{
    // The zone of the pass: loaded now for the cheap conversion, and kept for a text asked for
    // after the zone has changed.
    platform::reloadTimeZone();
    m_zoneVariable = qgetenv("TZ");
    m_zone = QTimeZone::systemTimeZone();
}

QString ListingTexts::modifiedText(qint64 mtimeNsec) const
{
    // Round towards the past so a time just before 1970 does not show the next second.
    qint64 seconds = mtimeNsec / kNsecPerSec;
    if (mtimeNsec % kNsecPerSec < 0)
        --seconds;
    Slot& slot = m_slots[size_t(quint64(seconds) % m_slots.size())];
    if (!slot.filled || slot.seconds != seconds) {
        slot.filled = true;
        slot.seconds = seconds;
        slot.text = localText(seconds);
    }
    return slot.text;
}

QString ListingTexts::localText(qint64 seconds) const
{
    if (qgetenv("TZ") == m_zoneVariable || !m_zone.isValid())
        return FileTimeToText(seconds * kNsecPerSec, m_pattern);
    const QDateTime local = QDateTime::fromSecsSinceEpoch(seconds, m_zone);
    return m_pattern.format(local.date(), local.time());
}
