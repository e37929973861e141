#include "explorer/VxDateTimePattern.h"

namespace {

// "t" inside the runtime patterns would nest further; they hold none, so one level is all.
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

bool startsAt(QStringView pattern, qsizetype i, QStringView text)
{
    return pattern.mid(i, text.size()).compare(text, Qt::CaseInsensitive) == 0;
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

// The decimal digits of a value, left-padded with zeros to `width`.
void appendNumber(QString& out, int value, int width)
{
    if (value < 0) {
        out += u'-';
        value = -value;
    }
    char16_t digits[12];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value > 0 && count < 12);
    for (int pad = count; pad < width; ++pad)
        out += u'0';
    while (count > 0)
        out += QChar(digits[--count]);
}

void appendName(QString& out, const QStringList& names, int index)
{
    if (index >= 0 && index < names.size())
        out += names.at(index);
}

} // namespace

VxDateTimePattern::VxDateTimePattern(const QString& pattern, const VxFormatSettings& settings)
    : m_shortDayNames(settings.shortDayNames), m_longDayNames(settings.longDayNames),
      m_shortMonthNames(settings.shortMonthNames), m_longMonthNames(settings.longMonthNames)
{
    compile(pattern, settings, 0);
}

void VxDateTimePattern::addText(const QString& text)
{
    if (text.isEmpty())
        return;
    if (!m_steps.empty() && m_steps.back().kind == Kind::Text)
        m_steps.back().text += text;
    else
        m_steps.push_back({Kind::Text, 1, false, text, QString()});
    m_sizeHint += text.size();
}

void VxDateTimePattern::addStep(Kind kind, int width, bool twelveHour)
{
    m_steps.push_back({kind, quint8(qBound(1, width, 4)), twelveHour, QString(), QString()});
    m_sizeHint += 10;
}

void VxDateTimePattern::compile(QStringView pattern, const VxFormatSettings& settings, int depth)
{
    QChar lastToken;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'\'' || c == u'"') {
            qsizetype end = pattern.indexOf(c, i + 1);
            if (end < 0)
                end = pattern.size();
            addText(pattern.mid(i + 1, end - i - 1).toString());
            i = end + 1;
            continue;
        }
        if (startsAt(pattern, i, u"AM/PM")) {
            // The letters as written: "am/pm" gives am or pm, "AM/PM" AM or PM.
            m_steps.push_back({Kind::AmPm, 2, false, pattern.mid(i, 2).toString(),
                               pattern.mid(i + 3, 2).toString()});
            m_sizeHint += 2;
            lastToken = u'a';
            i += 5;
            continue;
        }
        if (startsAt(pattern, i, u"AMPM")) {
            m_steps.push_back({Kind::AmPm, 2, false, settings.amDesignator, settings.pmDesignator});
            m_sizeHint += settings.pmDesignator.size();
            lastToken = u'a';
            i += 4;
            continue;
        }
        if (!isAsciiLetter(c)) {
            if (c == u'/')
                addText(settings.dateSeparator);
            else if (c == u':')
                addText(settings.timeSeparator);
            else
                addText(QString(c));
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
            addStep(count <= 2   ? Kind::Day
                    : count == 3 ? Kind::ShortDayName
                                 : Kind::LongDayName,
                    count);
            break;
        case u'm':
            addStep(count <= 2   ? Kind::Month
                    : count == 3 ? Kind::ShortMonthName
                                 : Kind::LongMonthName,
                    count);
            break;
        case u'y':
            addStep(Kind::Year, count <= 2 ? 2 : 4);
            break;
        case u'h':
            addStep(Kind::Hour, qMin(count, 2), twelveHourFollows(pattern, i));
            break;
        case u'n':
            addStep(Kind::Minute, qMin(count, 2));
            break;
        case u's':
            addStep(Kind::Second, qMin(count, 2));
            break;
        case u't':
            if (depth < MaxPatternDepth)
                compile(count == 1 ? settings.shortTimePattern() : settings.longTimePattern(),
                        settings, depth + 1);
            break;
        default:
            addText(pattern.mid(i - count, count).toString());
            break;
        }
    }
}

QString VxDateTimePattern::format(const QDate& date, const QTime& time) const
{
    QString out;
    out.reserve(m_sizeHint);
    for (const Step& step : m_steps) {
        switch (step.kind) {
        case Kind::Text:
            out += step.text;
            break;
        case Kind::Day:
            appendNumber(out, date.day(), step.width);
            break;
        case Kind::ShortDayName:
            appendName(out, m_shortDayNames, date.dayOfWeek() - 1);
            break;
        case Kind::LongDayName:
            appendName(out, m_longDayNames, date.dayOfWeek() - 1);
            break;
        case Kind::Month:
            appendNumber(out, date.month(), step.width);
            break;
        case Kind::ShortMonthName:
            appendName(out, m_shortMonthNames, date.month() - 1);
            break;
        case Kind::LongMonthName:
            appendName(out, m_longMonthNames, date.month() - 1);
            break;
        case Kind::Year:
            appendNumber(out, step.width == 2 ? date.year() % 100 : date.year(), step.width);
            break;
        case Kind::Hour: {
            int hour = time.hour();
            if (step.twelveHour) {
                if (hour == 0)
                    hour = 12;
                else if (hour > 12)
                    hour -= 12;
            }
            appendNumber(out, hour, step.width);
            break;
        }
        case Kind::Minute:
            appendNumber(out, time.minute(), step.width);
            break;
        case Kind::Second:
            appendNumber(out, time.second(), step.width);
            break;
        case Kind::AmPm:
            out += time.hour() < 12 ? step.text : step.other;
            break;
        }
    }
    return out;
}
