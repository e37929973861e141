#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <vector>

namespace platform {

// File attribute bits in the values the file list view filters and shows.
enum FileAttribute : quint32
{
    AttrReadOnly = 0x01,  // not writable by the user
    AttrHidden = 0x02,    // name begins with "."
    AttrSystem = 0x04,    // never set on this platform
    AttrDirectory = 0x10, // a folder (a link to a folder counts as one)
    AttrArchive = 0x20,   // set on every regular file
    AttrNormal = 0x80,    // no other attribute bit set
};

// One entry of a folder as the enumeration reports it.
struct DirEntry
{
    QByteArray name; // the file system's bytes, never re-encoded
    quint32 attributes = 0;
    qint64 size = 0;      // 64-bit byte count
    qint64 mtimeNsec = 0; // last modification, nanoseconds since 1970-01-01 UTC
    bool special = false; // a FIFO, socket or device: a name without data of its own
};

} // namespace platform
