#include "explorer/VxPathUtils.h"

#include "explorer/VxDateTimeFormat.h"
#include "explorer/VxDateTimePattern.h"
#include "platform/LocalTime.h"

#include <QDateTime>

namespace {

constexpr QChar Separator = u'/';
constexpr qint64 NsecPerSec = 1000000000;

} // namespace

QString EnsureTrailingBackslash(const QString& path)
{
    if (path.isEmpty() || path.endsWith(Separator))
        return path;
    return path + Separator;
}

QString StripTrailingBackslash(const QString& path)
{
    if (path.size() > 1 && path.endsWith(Separator))
        return path.chopped(1);
    return path;
}

QString JoinDirAndName(const QString& dir, const QString& name)
{
    if (dir.isEmpty() || name.isEmpty())
        return QString();
    return EnsureTrailingBackslash(dir) + name;
}

QString AppendNulChar(const QString& text)
{
    if (text.isEmpty() || text.endsWith(QChar(0)))
        return text;
    return text + QChar(0);
}

QString FileNameWithoutExt(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf(Separator) + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString FormatSizeKB(const QString& kind, qint64 size)
{
    // Only a three-letter kind can be "DIR"; the others are not upper-cased, which would cost
    // an allocation per listed file.
    if (kind.size() == 3 && kind.toUpper() == u"DIR")
        return QStringLiteral(" ");
    const qint64 counted = size > 0 && size < 1024 ? 1024 : size;
    if (counted < 0)
        return QString::number(counted / 1024) + QStringLiteral(" KB");
    // Written backwards into one buffer: a single allocation per listed file.
    char16_t text[32] = {};
    qsizetype begin = 29;
    text[29] = u' ';
    text[30] = u'K';
    text[31] = u'B';
    qint64 kilobytes = counted / 1024;
    do {
        text[--begin] = char16_t(u'0' + kilobytes % 10);
        kilobytes /= 10;
    } while (kilobytes > 0);
    return QString(reinterpret_cast<const QChar*>(text + begin), 32 - begin);
}

QString FileTimeToText(qint64 mtimeNsecUtc, const QString& datePattern, const QString& timePattern)
{
    platform::reloadTimeZone();
    return FileTimeToText(mtimeNsecUtc, VxDateTimePattern(datePattern + u' ' + timePattern,
                                                          VxFormatSettings::runtime()));
}

QString FileTimeToText(qint64 mtimeNsecUtc, const VxDateTimePattern& pattern)
{
    // Round towards the past so a time just before 1970 does not show the next second.
    qint64 seconds = mtimeNsecUtc / NsecPerSec;
    if (mtimeNsecUtc % NsecPerSec < 0)
        --seconds;
    QDate date;
    QTime time;
    if (!platform::localDateTime(seconds, date, time)) {
        const QDateTime local = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toLocalTime();
        date = local.date();
        time = local.time();
    }
    return pattern.format(date, time);
}
