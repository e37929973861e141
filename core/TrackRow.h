#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One row of the track list. The texts are what the list shows; the file data is kept out of
// sight so that the rename run renames the file the row was made from, not a name rebuilt from
// its texts.
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

    QString caption; // current number text, or empty
    QStringList subItems = QStringList(SubItemCount, QString());

    QByteArray nameBytes; // the listed file's name on disk
    qint64 size = 0;
    qint64 mtimeNsec = 0;
    // The name the numbering gives the file; empty until the rows are numbered.
    QByteArray newName;

    // Why renaming the file to its preview name would fail; empty when it would not.
    QString previewProblem;
};
