#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class ListingTexts;

// One row of the track list: the listed file's raw values, from which the texts the list shows
// are written when asked for, and the new name the numbering gave it. The rename run renames the
// file the row was made from, by its name bytes, not a name rebuilt from its texts.
struct TrackRow
{
    enum SubItem
    {
        Title = 0,
        SizeText = 1,
        DateText = 2,
        Preview = 3,
        SubItemCount = 4
    };

    QByteArray nameBytes; // the listed file's name on disk
    qint64 size = 0;
    qint64 mtimeNsec = 0;
    // The texts of the folder pass the row was listed in: size unit, date patterns and zone.
    std::shared_ptr<const ListingTexts> texts;
    // The name the numbering gives the file; empty until the rows are numbered.
    QByteArray newName;
    // True when the numbering left the title's old track number out of the new name, which the
    // preview then leaves out too.
    bool dropsOldNumber = false;
    // Why renaming the file to its preview name would fail; empty when it would not.
    QString previewProblem;
    bool isFolder = false;

    // The current number text, or empty.
    QString caption() const;
    QString subItem(int index) const;
    QString title() const;
    // The title as the new name holds it.
    QString newTitle() const;
};
