#include "explorer/VxFileListSort.h"

#include <algorithm>
#include <numeric>

namespace {

// Only these languages upper-case some letters differently from the Unicode default
// (the dotted and dotless i); elsewhere the plain mapping gives the locale's result without the
// cost of a locale-aware conversion per row.
bool hasOwnCaseMapping(const QLocale& locale)
{
    const QLocale::Language language = locale.language();
    return language == QLocale::Turkish || language == QLocale::Azerbaijani ||
           language == QLocale::Lithuanian;
}

void packHead(QStringView text, quint64 (&head)[2])
{
    const qsizetype count = std::min<qsizetype>(text.size(), 8);
    for (qsizetype i = 0; i < count; ++i)
        head[i / 4] |= quint64(text.at(i).unicode()) << (16 * (3 - i % 4));
}

// Code-unit order, the packed heads first. Units missing from a short text pack as 0, below
// every character a name can hold, so equal heads mean the texts agree that far.
int compareByCodeUnits(QStringView a, const quint64 (&headA)[2], QStringView b,
                       const quint64 (&headB)[2])
{
    for (int i = 0; i < 2; ++i) {
        if (headA[i] != headB[i])
            return headA[i] < headB[i] ? -1 : 1;
    }
    return a.compare(b, Qt::CaseSensitive);
}

int sign(qint64 value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

char16_t foldAscii(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c;
}

// The difference of the first characters that differ once ASCII letters are folded, or of the
// lengths when one text begins the other.
int compareAsciiCaseless(const QString& a, const QString& b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int diff = int(foldAscii(a.at(i).unicode())) - int(foldAscii(b.at(i).unicode()));
        if (diff != 0)
            return diff;
    }
    return int(a.size() - b.size());
}

} // namespace

VxFileListSort::VxFileListSort(int column, bool descending, const QString& parentCaption)
    : m_column(column), m_descending(descending), m_parentCaption(parentCaption),
      m_localeCase(hasOwnCaseMapping(m_locale))
{
}

void VxFileListSort::appendUpper(QString& arena, const QString& caption) const
{
    // Most names are ASCII: upper-cased here without a string of their own per row, unless the
    // locale maps ASCII letters its own way.
    const bool ascii = !m_localeCase && std::all_of(caption.cbegin(), caption.cend(),
                                                    [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) {
        arena += m_localeCase ? m_locale.toUpper(caption) : caption.toUpper();
        return;
    }
    // Written in place: appending one character at a time costs more than the sort.
    const qsizetype at = arena.size();
    arena.resize(at + caption.size());
    QChar* out = arena.data() + at;
    for (const QChar c : caption)
        *out++ = (c >= u'a' && c <= u'z') ? QChar(c.unicode() - (u'a' - u'A')) : c;
}

VxFileListSort::Key VxFileListSort::keyOf(const ListingRow& row, QString& arena) const
{
    Key key;
    key.isDir = row.isFolder();
    const QString caption = row.caption();
    key.isParent = caption == m_parentCaption;
    switch (m_column) {
    case vxcolumn::Name:
        key.offset = arena.size();
        appendUpper(arena, caption);
        key.length = arena.size() - key.offset;
        packHead(QStringView(arena).mid(key.offset, key.length), key.head);
        break;
    case vxcolumn::Size:
        key.number = row.sizeKey();
        break;
    case vxcolumn::Modified:
        key.number = row.mtimeNsec;
        break;
    case vxcolumn::Type:
        key.text = row.subItem(ListingRow::TypeItem);
        break;
    case vxcolumn::Attr:
        key.text = row.subItem(ListingRow::AttributesItem);
        break;
    default:
        break;
    }
    return key;
}

int VxFileListSort::compareKeys(const Key& a, const Key& b, const QString& arena) const
{
    int result = 0;
    if (a.isDir != b.isDir) {
        result = a.isDir ? -1 : 1;
    } else {
        switch (m_column) {
        case vxcolumn::Name:
            result = sign(compareByCodeUnits(QStringView(arena).mid(a.offset, a.length), a.head,
                                             QStringView(arena).mid(b.offset, b.length), b.head));
            break;
        case vxcolumn::Size:
        case vxcolumn::Modified:
            result = sign(a.number - b.number);
            break;
        case vxcolumn::Type:
        case vxcolumn::Attr:
            result = compareAsciiCaseless(a.text, b.text);
            break;
        default:
            break;
        }
    }
    if (m_descending && !a.isParent && !b.isParent)
        result = -result;
    return result;
}

int VxFileListSort::compare(const ListingRow& a, const ListingRow& b) const
{
    QString arena;
    const Key first = keyOf(a, arena);
    const Key second = keyOf(b, arena);
    return compareKeys(first, second, arena);
}

QVector<int> VxFileListSort::order(const QVector<ListingRow>& rows) const
{
    // The upper-cased names of all rows, one after another in one string.
    QString arena;
    if (m_column == vxcolumn::Name) {
        qsizetype total = 0;
        for (const ListingRow& row : rows)
            total += row.nameBytes.size();
        arena.reserve(total);
    }
    QVector<Key> keys;
    keys.reserve(rows.size());
    for (const ListingRow& row : rows)
        keys.append(keyOf(row, arena));

    QVector<int> indexes(rows.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    auto first = indexes.begin();
    if (m_descending)
        first = std::stable_partition(indexes.begin(), indexes.end(),
                                      [&keys](int i) { return keys.at(i).isParent; });
    std::stable_sort(first, indexes.end(), [this, &keys, &arena](int a, int b) {
        return compareKeys(keys.at(a), keys.at(b), arena) < 0;
    });
    return indexes;
}
