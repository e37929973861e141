#include "explorer/VxFileListSort.h"

#include <algorithm>
#include <numeric>

namespace {

const QString kDirKind = QStringLiteral("dir");

QString subItem(const ListingRow& row, int index)
{
    return index < row.subItems.size() ? row.subItems.at(index) : QString();
}

// Only these languages upper-case some letters differently from the Unicode default
// (the dotted and dotless i); elsewhere the plain mapping gives the locale's result without the
// cost of a locale-aware conversion per row.
bool hasOwnCaseMapping(const QLocale& locale)
{
    const QLocale::Language language = locale.language();
    return language == QLocale::Turkish || language == QLocale::Azerbaijani ||
           language == QLocale::Lithuanian;
}

void packHead(const QString& text, quint64 (&head)[2])
{
    const qsizetype count = std::min<qsizetype>(text.size(), 8);
    for (qsizetype i = 0; i < count; ++i)
        head[i / 4] |= quint64(text.at(i).unicode()) << (16 * (3 - i % 4));
}

// Code-unit order, the packed heads first. Units missing from a short text pack as 0, below
// every character a name can hold, so equal heads mean the texts agree that far.
int compareByCodeUnits(const QString& a, const quint64 (&headA)[2], const QString& b,
                       const quint64 (&headB)[2])
{
    for (int i = 0; i < 2; ++i) {
        if (headA[i] != headB[i])
            return headA[i] < headB[i] ? -1 : 1;
    }
    return QString::compare(a, b, Qt::CaseSensitive);
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

qint64 VxFileListSort::sizeKey(const QString& sizeText)
{
    if (sizeText == QLatin1String(" "))
        return 0;
    const qsizetype unit = sizeText.indexOf(QLatin1Char('K'));
    const QString number = unit >= 0 ? sizeText.left(unit - 1) : sizeText;
    bool ok = false;
    const qint64 value = number.trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

qint64 VxFileListSort::timeKey(const QString& timeKeyText)
{
    return timeKeyText.toLongLong();
}

VxFileListSort::Key VxFileListSort::keyOf(const ListingRow& row) const
{
    Key key;
    key.isDir = subItem(row, 5) == kDirKind;
    key.isParent = row.caption == m_parentCaption;
    switch (m_column) {
    case vxcolumn::Name:
        key.text = m_localeCase ? m_locale.toUpper(row.caption) : row.caption.toUpper();
        packHead(key.text, key.head);
        break;
    case vxcolumn::Size:
        key.number = sizeKey(subItem(row, 0));
        break;
    case vxcolumn::Modified:
        key.number = timeKey(subItem(row, 6));
        break;
    case vxcolumn::Type:
        key.text = subItem(row, 1);
        break;
    case vxcolumn::Attr:
        key.text = subItem(row, 3);
        break;
    default:
        break;
    }
    return key;
}

int VxFileListSort::compareKeys(const Key& a, const Key& b) const
{
    int result = 0;
    if (a.isDir != b.isDir) {
        result = a.isDir ? -1 : 1;
    } else {
        switch (m_column) {
        case vxcolumn::Name:
            result = sign(compareByCodeUnits(a.text, a.head, b.text, b.head));
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
    return compareKeys(keyOf(a), keyOf(b));
}

QVector<int> VxFileListSort::order(const QVector<ListingRow>& rows) const
{
    QVector<Key> keys;
    keys.reserve(rows.size());
    for (const ListingRow& row : rows)
        keys.append(keyOf(row));

    QVector<int> indexes(rows.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    auto first = indexes.begin();
    if (m_descending)
        first = std::stable_partition(indexes.begin(), indexes.end(),
                                      [&keys](int i) { return keys.at(i).isParent; });
    std::stable_sort(first, indexes.end(), [this, &keys](int a, int b) {
        return compareKeys(keys.at(a), keys.at(b)) < 0;
    });
    return indexes;
}
