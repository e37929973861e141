#include "explorer/VxDateTimeFormat.h"

#include <QDateTime>
#include <QLocale>

namespace {

constexpr int MaxPatternDepth = 2;

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QChar lowerAscii(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + (u'a' - u'A')) : c;
}

// The length of the run of the letter at i, ignoring the letter case.
int caselessRun(QStringView pattern, qsizetype i)
{
    const QChar letter = lowerAscii(pattern[i]);
    int count = 1;
    while (i + count < pattern.size() && lowerAscii(pattern[i + count]) == letter)
        ++count;
    return count;
}

// The length of the run of exactly the character at i.
int exactRun(QStringView pattern, qsizetype i)
{
    int count = 1;
    while (i + count < pattern.size() && pattern[i + count] == pattern[i])
        ++count;
    return count;
}

bool startsAt(QStringView pattern, qsizetype i, QStringView text)
{
    return pattern.mid(i, text.size()).compare(text, Qt::CaseInsensitive) == 0;
}

QString padded(int value, int width)
{
    return QString::number(value).rightJustified(width, u'0');
}

// An hour token writes a 12-hour clock when an am/pm token follows before the next hour.
bool twelveHourFollows(QStringView pattern, qsizetype from)
{
    QChar quote;
    for (qsizetype i = from; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"')
            quote = c;
        else if (startsAt(pattern, i, u"AM/PM") || startsAt(pattern, i, u"AMPM"))
            return true;
        else if (lowerAscii(c) == u'h')
            return false;
    }
    return false;
}

QString nameAt(const QStringList& names, int index)
{
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

void appendFormatted(QString& out, QStringView pattern, const QDateTime& local,
                     const VxFormatSettings& settings, int depth)
{
    const QDate date = local.date();
    const QTime time = local.time();
    QChar lastToken;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'\'' || c == u'"') {
            qsizetype end = pattern.indexOf(c, i + 1);
            if (end < 0)
                end = pattern.size();
            out += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (startsAt(pattern, i, u"AM/PM")) {
            // The letters as written: "am/pm" gives am or pm, "AM/PM" AM or PM.
            out += pattern.mid(time.hour() < 12 ? i : i + 3, 2);
            lastToken = u'a';
            i += 5;
            continue;
        }
        if (startsAt(pattern, i, u"AMPM")) {
            out += time.hour() < 12 ? settings.amDesignator : settings.pmDesignator;
            lastToken = u'a';
            i += 4;
            continue;
        }
        if (!isAsciiLetter(c)) {
            if (c == u'/')
                out += settings.dateSeparator;
            else if (c == u':')
                out += settings.timeSeparator;
            else
                out += c;
            ++i;
            continue;
        }
        const int count = caselessRun(pattern, i);
        QChar token = lowerAscii(c);
        if (token == u'm' && lastToken == u'h')
            token = u'n';
        lastToken = token;
        i += count;
        switch (token.unicode()) {
        case u'd':
            if (count <= 2)
                out += padded(date.day(), count);
            else if (count == 3)
                out += nameAt(settings.shortDayNames, date.dayOfWeek() - 1);
            else
                out += nameAt(settings.longDayNames, date.dayOfWeek() - 1);
            break;
        case u'm':
            if (count <= 2)
                out += padded(date.month(), count);
            else if (count == 3)
                out += nameAt(settings.shortMonthNames, date.month() - 1);
            else
                out += nameAt(settings.longMonthNames, date.month() - 1);
            break;
        case u'y':
            out += count <= 2 ? padded(date.year() % 100, 2) : padded(date.year(), 4);
            break;
        case u'h': {
            int hour = time.hour();
            if (twelveHourFollows(pattern, i)) {
                if (hour == 0)
                    hour = 12;
                else if (hour > 12)
                    hour -= 12;
            }
            out += padded(hour, qMin(count, 2));
            break;
        }
        case u'n':
            out += padded(time.minute(), qMin(count, 2));
            break;
        case u's':
            out += padded(time.second(), qMin(count, 2));
            break;
        case u't':
            // The runtime patterns hold no "t", so one level of nesting is all there is.
            if (depth < MaxPatternDepth)
                appendFormatted(
                    out, count == 1 ? settings.shortTimePattern() : settings.longTimePattern(),
                    local, settings, depth + 1);
            break;
        default:
            out += pattern.mid(i - count, count);
            break;
        }
    }
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
    QString out;
    appendFormatted(out, pattern, local, settings, 0);
    return out;
}
