#include "explorer/VxPathUtils.h"

#include "explorer/VxDateTimeFormat.h"

#include <QDateTime>

namespace {

constexpr QChar Separator = u'/';
constexpr qint64 NsecPerMsec = 1000000;

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
    if (kind.toUpper() == u"DIR")
        return QStringLiteral(" ");
    const qint64 counted = size > 0 && size < 1024 ? 1024 : size;
    return QString::number(counted / 1024) + QStringLiteral(" KB");
}

QString FileTimeToText(qint64 mtimeNsecUtc, const QString& datePattern, const QString& timePattern)
{
    // Round towards the past so a time just before 1970 does not show the next millisecond.
    qint64 msecs = mtimeNsecUtc / NsecPerMsec;
    if (mtimeNsecUtc % NsecPerMsec < 0)
        --msecs;
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC).toLocalTime();
    return FormatDateTimePattern(datePattern + u' ' + timePattern, local,
                                 VxFormatSettings::runtime());
}
