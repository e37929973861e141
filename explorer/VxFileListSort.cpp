#include "explorer/VxFileListSort.h"

#include <algorithm>
#include <numeric>

namespace {

const QString kDirKind = QStringLiteral("dir");

QString subItem(const ListingRow& row, int index)
{
    return index < row.subItems.size() ? row.subItems.at(index) : QString();
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
    : m_column(column), m_descending(descending), m_parentCaption(parentCaption)
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
        key.text = m_locale.toUpper(row.caption);
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
            result = sign(QString::compare(a.text, b.text, Qt::CaseSensitive));
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
