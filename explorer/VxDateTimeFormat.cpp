#include "explorer/VxDateTimeFormat.h"

#include "explorer/VxDateTimePattern.h"

#include <QDateTime>
#include <QLocale>

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The length of the run of exactly the character at i.
int exactRun(QStringView pattern, qsizetype i)
{
    int count = 1;
    while (i + count < pattern.size() && pattern[i + count] == pattern[i])
        ++count;
    return count;
}

// A character that separates the fields of a locale pattern: not a letter, digit, blank,
// quote or invisible formatting mark.
bool isSeparator(QChar c)
{
    return !c.isLetterOrNumber() && !c.isSpace() && c != u'\'' &&
           c.category() != QChar::Other_Format;
}

// Qt's locale patterns quote literal text with single quotes and write a quote as "''".
struct QtPatternToken
{
    QString text;
    bool literal = false;
};

QList<QtPatternToken> tokenizeQtPattern(QStringView pattern)
{
    QList<QtPatternToken> tokens;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            QString text;
            ++i;
            while (i < pattern.size()) {
                if (pattern[i] == u'\'') {
                    if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                        text += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += pattern[i++];
            }
            tokens.append({text.isEmpty() ? QStringLiteral("'") : text, true});
        } else if ((c == u'a' || c == u'A') && i + 1 < pattern.size() &&
                   (pattern[i + 1] == u'p' || pattern[i + 1] == u'P')) {
            tokens.append({pattern.mid(i, 2).toString(), false});
            i += 2;
        } else if (isAsciiLetter(c)) {
            const int count = exactRun(pattern, i);
            tokens.append({pattern.mid(i, count).toString(), false});
            i += count;
        } else {
            tokens.append({QString(c), true});
            ++i;
        }
    }
    return tokens;
}

bool isQtDesignator(const QString& field)
{
    const QChar c = field.at(0);
    return c == u'a' || c == u'A' || c == u'p' || c == u'P';
}

bool isQtHour(const QString& field)
{
    return field.at(0) == u'h' || field.at(0) == u'H';
}

// Literal text in this pattern language: quoted when it would otherwise read as tokens.
QString literalText(const QString& text, QStringView keepUnquoted)
{
    const bool token = text == u"/" || text == u":";
    const bool quote = text == u"'" || text == u"\"";
    if (text.size() == 1 && !isAsciiLetter(text.at(0)) && !quote &&
        (!token || text == keepUnquoted))
        return text;
    if (text.contains(u'"'))
        return u'\'' + text + u'\'';
    return u'"' + text + u'"';
}

QString convertDatePattern(QStringView qtPattern, const QString& separator)
{
    QString out;
    for (const QtPatternToken& token : tokenizeQtPattern(qtPattern)) {
        const QChar field = token.text.at(0);
        if (token.literal)
            out += literalText(token.text, separator);
        else if (field == u'd' || field == u'M')
            out += QString(qMin(int(token.text.size()), 4), field);
        else if (field == u'y')
            out += token.text.size() == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        else
            out += literalText(token.text, separator);
    }
    return out;
}

QString convertTimePattern(QStringView qtPattern, const QString& separator)
{
    QString out;
    for (const QtPatternToken& token : tokenizeQtPattern(qtPattern)) {
        const QChar field = token.text.at(0);
        if (token.literal)
            out += literalText(token.text, separator);
        else if (isQtHour(token.text) || field == u'm' || field == u's')
            out += QString(qMin(int(token.text.size()), 2), field);
        else if (isQtDesignator(token.text))
            out += QStringLiteral("tt");
        else if (field == u't' || field == u'z')
            continue; // the time zone and milliseconds have no place in a file's time
        else
            out += literalText(token.text, separator);
    }
    out.remove(QStringLiteral("()"));
    out.remove(QStringLiteral("[]"));
    return out.trimmed();
}

QString firstSeparator(const QList<QtPatternToken>& tokens, qsizetype from)
{
    for (qsizetype i = from; i < tokens.size(); ++i) {
        const QtPatternToken& token = tokens.at(i);
        if (token.literal && token.text.size() == 1 && isSeparator(token.text.at(0)))
            return token.text;
    }
    return QString();
}

QStringList names(const QLocale& locale, QLocale::FormatType format, bool months)
{
    QStringList list;
    const int count = months ? 12 : 7;
    for (int i = 1; i <= count; ++i)
        list.append(months ? locale.monthName(i, format) : locale.dayName(i, format));
    return list;
}

// The hour token, then the minutes (and seconds), with the designator before or after.
QString runtimeTimePattern(const VxFormatSettings& settings, const QString& rest)
{
    const QString body =
        (settings.hourLeadingZero ? QStringLiteral("hh") : QStringLiteral("h")) + rest;
    if (!settings.twelveHourClock)
        return body;
    return settings.designatorFirst ? QStringLiteral("AMPM ") + body
                                    : body + QStringLiteral(" AMPM");
}

} // namespace

QString VxFormatSettings::shortTimePattern() const
{
    return runtimeTimePattern(*this, QStringLiteral(":mm"));
}

QString VxFormatSettings::longTimePattern() const
{
    return runtimeTimePattern(*this, QStringLiteral(":mm:ss"));
}

VxFormatSettings VxFormatSettings::fromLocale(const QLocale& locale)
{
    VxFormatSettings settings;
    const QString qtDate = locale.dateFormat(QLocale::ShortFormat);
    const QString qtTime = locale.timeFormat(QLocale::LongFormat);

    const QString dateSeparator = firstSeparator(tokenizeQtPattern(qtDate), 0);
    settings.dateSeparator = dateSeparator.isEmpty() ? QStringLiteral("/") : dateSeparator;

    const QList<QtPatternToken> timeTokens = tokenizeQtPattern(qtTime);
    qsizetype firstHour = -1;
    qsizetype firstDesignator = -1;
    for (qsizetype i = 0; i < timeTokens.size(); ++i) {
        const QtPatternToken& token = timeTokens.at(i);
        if (token.literal)
            continue;
        if (firstHour < 0 && isQtHour(token.text)) {
            firstHour = i;
            settings.hourLeadingZero = token.text.size() >= 2;
        } else if (firstDesignator < 0 && isQtDesignator(token.text)) {
            firstDesignator = i;
        }
    }
    const QString timeSeparator = firstSeparator(timeTokens, qMax(firstHour, qsizetype(0)));
    settings.timeSeparator = timeSeparator.isEmpty() ? QStringLiteral(":") : timeSeparator;
    settings.twelveHourClock = firstDesignator >= 0;
    settings.designatorFirst = firstDesignator >= 0 && firstDesignator < firstHour;

    settings.shortDatePattern = convertDatePattern(qtDate, settings.dateSeparator);
    settings.timePattern = convertTimePattern(qtTime, settings.timeSeparator);
    settings.amDesignator = locale.amText();
    settings.pmDesignator = locale.pmText();
    settings.shortDayNames = names(locale, QLocale::ShortFormat, false);
    settings.longDayNames = names(locale, QLocale::LongFormat, false);
    settings.shortMonthNames = names(locale, QLocale::ShortFormat, true);
    settings.longMonthNames = names(locale, QLocale::LongFormat, true);
    return settings;
}

const VxFormatSettings& VxFormatSettings::runtime()
{
    static const VxFormatSettings settings = fromLocale(QLocale());
    return settings;
}

QString DatePatternText(TDtFormat format, const VxFormatSettings& settings)
{
    switch (format) {
    case df_MMddyyyy:
        return QStringLiteral("MM/dd/yyyy");
    case df_MMddyy:
        return QStringLiteral("MM/dd/yy");
    case df_ddMMyyyy:
        return QStringLiteral("dd/MM/yyyy");
    case df_ddMMyy_GB:
        return QStringLiteral("dd/MM/yy");
    case df_ddMMyy_DE:
        return QStringLiteral("dd.MM.yy");
    case df_ddMMyy_IT:
        return QStringLiteral("dd-MM-yy");
    case df_yyyyMMdd:
        return QStringLiteral("yyyy-MM-dd");
    case df_yyMMdd:
        return QStringLiteral("yy-MM-dd");
    case df_Customize:
        break;
    }
    return settings.shortDatePattern;
}

QString TimePatternText(TTmFormat format, const VxFormatSettings& settings)
{
    switch (format) {
    case tfLongFormat:
        return settings.longTimePattern();
    case tfShortFormat:
        return settings.shortTimePattern();
    case tfCustomize:
        break;
    }
    const qsizetype cut = settings.timePattern.indexOf(u't');
    return (cut < 0 ? settings.timePattern : settings.timePattern.left(cut)) +
           QStringLiteral(" AM/PM");
}

QString FormatDateTimePattern(const QString& pattern, const QDateTime& local,
                              const VxFormatSettings& settings)
{
    return VxDateTimePattern(pattern, settings).format(local.date(), local.time());
}
