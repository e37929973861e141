#pragma once

#include <QString>
#include <QStringList>

class QDateTime;
class QLocale;

// The date formats the file list view offers; df_Customize takes the locale's short date.
enum TDtFormat
{
    df_MMddyyyy,
    df_MMddyy,
    df_ddMMyyyy,
    df_ddMMyy_GB,
    df_ddMMyy_DE,
    df_ddMMyy_IT,
    df_yyyyMMdd,
    df_yyMMdd,
    df_Customize
};

// The time formats: the runtime's long or short time pattern, or the locale's own.
enum TTmFormat
{
    tfLongFormat,
    tfShortFormat,
    tfCustomize
};

// The locale facts the date and time pattern language draws on. Patterns here are in that
// language (d, m, y, h, n, s, t, AM/PM, AMPM, "/" and ":"), except timePattern, which keeps
// the locale's own notation where "tt" marks the designator.
struct VxFormatSettings
{
    QString dateSeparator = QStringLiteral("/");
    QString timeSeparator = QStringLiteral(":");
    QString shortDatePattern = QStringLiteral("M/d/yyyy");
    QString timePattern = QStringLiteral("h:mm:ss tt");
    bool hourLeadingZero = false;
    bool twelveHourClock = true;
    bool designatorFirst = false;
    QString amDesignator = QStringLiteral("AM");
    QString pmDesignator = QStringLiteral("PM");
    // Day names from Monday to Sunday, month names from January to December.
    QStringList shortDayNames;
    QStringList longDayNames;
    QStringList shortMonthNames;
    QStringList longMonthNames;

    // The hour token, the designator and the separators make these two, as the runtime
    // derives them once at start-up.
    QString shortTimePattern() const;
    QString longTimePattern() const;

    static VxFormatSettings fromLocale(const QLocale& locale);
    // Built from the default locale the first time it is asked for, then never changed.
    static const VxFormatSettings& runtime();
};

QString DatePatternText(TDtFormat format, const VxFormatSettings& settings);
QString TimePatternText(TTmFormat format, const VxFormatSettings& settings);
// Writes a local date and time with a pattern of the date and time pattern language.
QString FormatDateTimePattern(const QString& pattern, const QDateTime& local,
                              const VxFormatSettings& settings);
