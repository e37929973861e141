#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One row of the file list view: a caption and its sub-items, as the track list and the
// rename run read them. A folder-view row has seven sub-items (size, type, modified,
// attributes, full path, kind, time key); a drives-view row has six.
struct ListingRow
{
    QString caption;
    QStringList subItems;
    int imageIndex = -1;
    // The entry's name as the file system's bytes; empty for drive and parent rows. The
    // caption may carry replacement characters, this never does.
    QByteArray nameBytes;
    // The entry's size and modification time, so a later run can tell whether the file on
    // disk is still the one that was listed.
    qint64 size = 0;
    qint64 mtimeNsec = 0;
};
