#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace platform {

struct TreeTotals
{
    qint64 bytes = 0;   // regular files only; links are not followed
    qint64 files = 0;   // everything that is not a folder
    qint64 folders = 0; // below the top, which is not counted
};

// Walks a file or folder tree (a path as the file system's bytes) without following links.
// Unreadable parts count as empty.
TreeTotals measureTree(const QByteArray& path);

} // namespace platform
