#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class ListingTexts;

// One row of the file list view, as the track list and the rename run read it: the entry's raw
// values, from which its caption and sub-items are written when asked for. A folder-view row has
// seven sub-items (size, type, modified, attributes, full path, kind, time key); a drives-view
// row has six, kept as texts (a volume is a handful of rows).
struct ListingRow
{
    enum class Kind : quint8
    {
        File,
        Folder,
        Parent,
        Drive
    };

    static constexpr int SizeItem = 0;
    static constexpr int TypeItem = 1;
    static constexpr int ModifiedItem = 2;
    static constexpr int AttributesItem = 3;
    static constexpr int PathItem = 4;
    static constexpr int KindItem = 5;
    static constexpr int TimeKeyItem = 6;

    // The entry's name as the file system's bytes; empty for drive and parent rows. The
    // caption may carry replacement characters, this never does.
    QByteArray nameBytes;
    // The entry's size and modification time, so a later run can tell whether the file on
    // disk is still the one that was listed.
    qint64 size = 0;
    qint64 mtimeNsec = 0;
    // What the texts are written with; shared by the rows of one folder pass.
    std::shared_ptr<const ListingTexts> texts;
    // The type text, asked for when the row is painted (empty until then); for a drive row its
    // caption followed by its six sub-items.
    QStringList fixedTexts;
    quint32 attributes = 0;
    int imageIndex = -1;
    Kind kind = Kind::File;
    // A FIFO, socket or device file: listed as a file, but nothing a player could read.
    bool special = false;

    bool isFolder() const { return kind == Kind::Folder || kind == Kind::Parent; }
    QString caption() const;
    QString subItem(int index) const;
    int subItemCount() const { return kind == Kind::Drive ? 6 : 7; }
    QStringList subItems() const;
    // The type text, empty while it has not been asked for.
    QString typeText() const;
    // Whole kilobytes or bytes, as the size text of the pass counts them; 0 for a folder.
    qint64 sizeKey() const;
};
