#include "core/TrackRules.h"

#include "explorer/ListingTexts.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <numeric>

namespace trackrules {

namespace {

constexpr int NumberLength = 5;
constexpr int LongNumberLength = 6;

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

int digitValue(QChar c, int base)
{
    const int value = hexDigitValue(c);
    return value < base ? value : -1;
}

// Reads the digits from `pos` to the end; false when there are none, when anything else
// follows them, or when the magnitude passes `limit`.
bool readDigits(const QString& text, qsizetype pos, int base, qint64 limit, qint64* magnitude)
{
    if (pos >= text.size())
        return false;
    qint64 value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text.at(pos), base);
        if (digit < 0)
            return false;
        value = value * base + digit;
        if (value > limit)
            return false;
    }
    *magnitude = value;
    return true;
}

// Code points of the Windows-1252 bytes 0x80 to 0x9F; 0 where the code page leaves a hole.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The 8-bit code of a character, its ASCII letters folded to capitals. A character that has
// no 8-bit code sorts after every byte, by its own code, so distinct texts never tie.
int sortUnit(char16_t u)
{
    if (u >= u'a' && u <= u'z')
        return u - (u'a' - u'A');
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (Windows1252High[i] == u)
            return 0x80 + i;
    }
    if (u < 0x100)
        return u; // the C1 controls keep their Latin-1 bytes
    return 0x100 + u;
}

} // namespace

QString extension(const QString& caption)
{
    const qsizetype dot = caption.lastIndexOf(u'.');
    return dot < 0 ? QString() : caption.mid(dot);
}

QString baseName(const QString& caption)
{
    const qsizetype dot = caption.lastIndexOf(u'.');
    return dot < 0 ? caption : caption.left(dot);
}

bool isMp3Name(const QString& caption)
{
    return compareText(extension(caption), QStringLiteral(".MP3")) == 0;
}

bool parseIntegerText(const QString& text, qint32* value)
{
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos) == u' ')
        ++pos;
    if (pos >= text.size())
        return false;

    constexpr qint64 MaxInt = std::numeric_limits<qint32>::max();
    qint64 magnitude = 0;
    const QChar first = text.at(pos);
    const bool zeroX = first == u'0' && pos + 1 < text.size() &&
                       (text.at(pos + 1) == u'x' || text.at(pos + 1) == u'X');
    if (first == u'$' || first == u'x' || first == u'X' || zeroX) {
        if (!readDigits(text, pos + (zeroX ? 2 : 1), 16, MaxInt, &magnitude))
            return false;
        if (value)
            *value = qint32(magnitude);
        return true;
    }

    const bool negative = first == u'-';
    if (first == u'+' || first == u'-')
        ++pos;
    if (!readDigits(text, pos, 10, negative ? MaxInt + 1 : MaxInt, &magnitude))
        return false;
    if (value)
        *value = qint32(negative ? -magnitude : magnitude);
    return true;
}

qsizetype numberLength(const QString& baseName)
{
    qsizetype digits = 0;
    while (digits < baseName.size() && isAsciiDigit(baseName.at(digits)))
        ++digits;
    if (digits >= LongNumberLength && digits < baseName.size() && baseName.at(digits) == u' ')
        return digits;
    const QString number = baseName.left(NumberLength);
    return isIntegerText(number) ? number.size() : 0;
}

NameSplit splitBaseName(const QString& baseName)
{
    const qsizetype length = numberLength(baseName);
    if (length == 0)
        return {QString(), baseName};
    // The separator is one character, which outside the Basic Multilingual Plane is two code
    // units: the rename drops its whole UTF-8 sequence, and the title must read the same.
    const bool pair = length + 1 < baseName.size() && baseName.at(length).isHighSurrogate() &&
                      baseName.at(length + 1).isLowSurrogate();
    return {baseName.left(length), baseName.mid(length + (pair ? 2 : 1))};
}

qsizetype oldNumberLength(const QString& title)
{
    // Unicode properties, so a title never starts with a blank of another script once the
    // number is gone; the digits are ASCII only.
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9]{1,3} *[-._] *|0[0-9]{0,2} +)(?=[^0-9\\s])"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = pattern.match(title);
    return match.hasMatch() ? match.capturedLength(1) : 0;
}

QString withoutOldNumber(const QString& title)
{
    return title.mid(oldNumberLength(title));
}

namespace {

// isMp3Name() of the caption, read from the name's bytes when the caption is the name itself:
// no byte of a UTF-8 sequence is a dot and a byte that is not UTF-8 shows as a replacement
// character, so the name's last dot is the caption's, and ".MP3" only equals ASCII letters. No
// caption is written per row.
bool listsAsMp3(const ListingRow& entry)
{
    const bool captionIsName =
        (entry.kind == ListingRow::Kind::File || entry.kind == ListingRow::Kind::Folder) &&
        entry.texts && !entry.texts->hideFileExt();
    if (!captionIsName)
        return isMp3Name(entry.caption());
    const QByteArray& name = entry.nameBytes;
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0 || name.size() - dot != 4)
        return false;
    const auto folded = [&name, dot](int i) {
        const char c = name.at(dot + i);
        return (c >= 'a' && c <= 'z') ? char(c - ('a' - 'A')) : c;
    };
    return folded(1) == 'M' && folded(2) == 'P' && folded(3) == '3';
}

} // namespace

QVector<TrackRow> trackRowsFromListing(const QVector<ListingRow>& listing)
{
    QVector<TrackRow> rows;
    rows.reserve(listing.size());
    for (const ListingRow& entry : listing) {
        if (entry.kind == ListingRow::Kind::Drive || entry.special || !listsAsMp3(entry))
            continue;
        TrackRow row;
        row.nameBytes = entry.nameBytes;
        row.size = entry.size;
        row.mtimeNsec = entry.mtimeNsec;
        row.texts = entry.texts;
        row.isFolder = entry.isFolder();
        rows.append(row);
    }
    return rows;
}

NumberText::NumberText(qint64 number)
{
    constexpr int MinDigits = 5;
    // The magnitude in unsigned arithmetic, so the most negative number has one too.
    quint64 magnitude = number < 0 ? 0 - quint64(number) : quint64(number);
    m_first = kSize;
    while (magnitude != 0 || kSize - m_first < MinDigits) {
        m_text[--m_first] = char('0' + magnitude % 10);
        magnitude /= 10;
    }
    if (number < 0)
        m_text[--m_first] = '-';
}

QString previewNumberText(qint64 number)
{
    return NumberText(number).view().toString();
}

qint64 previewNumber(qint64 start, qint64 increment, qint64 position)
{
    return start + position * increment;
}

namespace {

QString joined(QLatin1String number, const QString& title)
{
    QString text;
    text.reserve(number.size() + 1 + title.size());
    text.append(number).append(u' ').append(title);
    return text;
}

} // namespace

QString previewName(qint64 number, const QString& title)
{
    const NumberText text(number);
    return joined(text.view(), title);
}

QString previewName(const QByteArray& newName, const QString& title)
{
    // A number text holds no blank: the first one ends it.
    const qsizetype blank = newName.indexOf(' ');
    return joined(QLatin1String(newName.constData(), blank < 0 ? newName.size() : blank), title);
}

int compareText(const QString& a, const QString& b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int difference = sortUnit(a.at(i).unicode()) - sortUnit(b.at(i).unicode());
        if (difference != 0)
            return difference;
    }
    return int(a.size() - b.size());
}

QString columnText(const TrackRow& row, int column)
{
    return column == 0 ? row.caption() : row.subItem(column - 1);
}

int compareRows(const TrackRow& a, const TrackRow& b, int sortColumn)
{
    return compareText(columnText(a, sortColumn), columnText(b, sortColumn));
}

std::vector<int> sortedOrder(const QVector<TrackRow>& rows, int sortColumn)
{
    // Each row's text once, not once per comparison.
    std::vector<QString> keys;
    keys.reserve(size_t(rows.size()));
    for (const TrackRow& row : rows)
        keys.push_back(columnText(row, sortColumn));
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return compareText(keys[size_t(a)], keys[size_t(b)]) < 0;
    });
    return order;
}

} // namespace trackrules
