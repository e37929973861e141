#pragma once

#include "core/TrackRow.h"
#include "explorer/ListingRow.h"

#include <QString>
#include <QVector>

#include <vector>

// The rules of the track list that need no window: which listing rows are tracks, how a file
// name splits into number and title, the integer texts of the name and of the two spin boxes,
// the preview names and the comparison the list sorts with.
namespace trackrules {

// The text the track list puts into Preview until the previews are computed.
inline constexpr char16_t PreviewPlaceholder[] = u"...";

// The text from the last "." to the end, the dot included; empty without a dot.
QString extension(const QString& caption);
// The caption without its extension.
QString baseName(const QString& caption);
// True when the extension is ".MP3" with ASCII letters in any case.
bool isMp3Name(const QString& caption);

// The conversion of a text to a signed 32-bit integer: leading blanks, then an optional sign
// and decimal digits, or one of "$", "x", "X", "0x", "0X" and hexadecimal digits; nothing after
// the digits. Returns false, leaving `value` alone, for any other text or a value out of range.
bool parseIntegerText(const QString& text, qint32* value = nullptr);
inline bool isIntegerText(const QString& text)
{
    return parseIntegerText(text);
}

// How many characters of a base name are its number: a run of six or more ASCII digits followed
// by a blank, so the numbers the previews give past 99999 read back whole; otherwise the first
// five characters when they form an integer text (fewer when the name is shorter); otherwise 0.
qsizetype numberLength(const QString& baseName);

// Number and title of a base name: the number as numberLength() finds it, then one separator
// character that is dropped, whatever it is (a whole character, even one of two code units),
// then the title; without a number the whole base name is the title.
struct NameSplit
{
    QString number;
    QString title;
};
NameSplit splitBaseName(const QString& baseName);

// Whether the numbering keeps an old track number found at the start of a title.
enum class OldNumber
{
    Keep,
    Drop,
};

// The length of the old track number at the start of a title: one to three ASCII digits and a
// "-", "." or "_" with optional spaces around it ("01 - ", "1.", "07_"), or a number that starts
// with 0 followed by spaces ("01 "); what follows must be neither a digit nor a blank, so
// "2001 A Space Odyssey", "3.14 Pi" and "12" have none. 0 when there is none. The number is
// ASCII, so the length is the same in characters and in the title's bytes.
qsizetype oldNumberLength(const QString& title);
// The title without its old track number; the title itself when it has none.
QString withoutOldNumber(const QString& title);

// The track-list rows of a folder listing, in listing order, with the placeholder preview. A
// FIFO, socket or device file is no track, whatever its name: a player cannot play it and the
// rename run has no business with it.
QVector<TrackRow> trackRowsFromListing(const QVector<ListingRow>& listing);

// A preview number as text: at least five digits, zero-filled; a negative value is "-" and at
// least five zero-filled digits. Written by hand into the object itself, so a number costs no
// allocation and no format parsing; the preview and the new name are both made from it.
class NumberText
{
public:
    explicit NumberText(qint64 number);
    QLatin1String view() const { return QLatin1String(m_text + m_first, kSize - m_first); }

private:
    static constexpr int kSize = 20; // "-" and the 19 digits of the largest magnitude
    char m_text[kSize];
    int m_first;
};

QString previewNumberText(qint64 number);
// The number of the row at 1-based `position`: start + position * increment, in 64 bits.
qint64 previewNumber(qint64 start, qint64 increment, qint64 position);
QString previewName(qint64 number, const QString& title);
// The preview of a new name made by newNameBytes(): its number text, a blank and `title`.
QString previewName(const QByteArray& newName, const QString& title);

// Byte-wise comparison of the 8-bit forms (Windows-1252, Latin-1 for what it lacks) with ASCII
// letters folded to capitals: the first differing byte decides, a prefix comes first.
int compareText(const QString& a, const QString& b);
// Column 0 of the track list shows the caption, columns 1 to 4 the four sub-items.
QString columnText(const TrackRow& row, int column);
// The track-list comparison: sort column 0 compares the captions, column k the sub-items k - 1.
int compareRows(const TrackRow& a, const TrackRow& b, int sortColumn);
// The row indexes of `rows` sorted by compareRows on `sortColumn`; ties keep their order.
std::vector<int> sortedOrder(const QVector<TrackRow>& rows, int sortColumn);

} // namespace trackrules
