#pragma once

#include "explorer/ListingRow.h"

#include <QLocale>
#include <QString>
#include <QVector>

// Column indexes of the file layout, as the sort state names them.
namespace vxcolumn {
constexpr int Name = 0;
constexpr int Size = 1;
constexpr int Type = 2;
constexpr int Modified = 3;
constexpr int Attr = 4;
} // namespace vxcolumn

// The order of the folder listing: folders before files, then by the sort column, the whole
// result inverted when descending, except where the parent row takes part.
//
// `compare` decides one pair the way the list's compare handler does. `order` sorts a whole
// listing: it computes each row's key once (upper-cased caption, the size as the row's size
// text counts it, the modification time), so sorting 100,000 rows does not upper-case captions
// per comparison; numbers are compared as raw values, never read back from texts. Because
// comparisons with the parent row are never inverted, the pairwise rule is not a consistent order
// in a descending sort (the parent row would sit before some folders and after others); there the
// parent row goes first, which is where the pairwise rule puts it for Name and Size.
class VxFileListSort
{
public:
    VxFileListSort(int column, bool descending, const QString& parentCaption);

    // Negative when `a` goes first, positive when `b` does, 0 when they tie.
    int compare(const ListingRow& a, const ListingRow& b) const;

    // The row indexes of `rows` in sorted order; rows that tie keep their relative order.
    QVector<int> order(const QVector<ListingRow>& rows) const;

private:
    struct Key
    {
        bool isDir = false;
        bool isParent = false;
        qint64 number = 0;
        QString text;
        // The upper-cased name, a slice of the arena string the keys are made with.
        qsizetype offset = 0;
        qsizetype length = 0;
        // The first eight code units of the name, packed so that comparing the two numbers
        // compares those units: most pairs differ there, and the names are then never read.
        quint64 head[2] = {0, 0};
    };

    // Appends `caption` in upper case by the locale's rules.
    void appendUpper(QString& arena, const QString& caption) const;
    Key keyOf(const ListingRow& row, QString& arena) const;
    int compareKeys(const Key& a, const Key& b, const QString& arena) const;

    int m_column;
    bool m_descending;
    QString m_parentCaption;
    QLocale m_locale;
    bool m_localeCase;
};
