#pragma once

#include "platform/DirEntry.h"

#include <QByteArray>
#include <QCollator>
#include <QString>
#include <QStringList>

// True when a folder entry is a subfolder: the directory attribute, and neither "." nor "..".
bool IsSubFolderEntry(const platform::DirEntry& entry);

// True when the folder `path` (the file system's bytes) holds at least one subfolder; false
// when it holds none or cannot be read.
bool HasSubFolders(const QByteArray& path);

namespace dirtree {

// The order of sibling folders in the tree: the locale's collation, so letters compare
// alphabetically first and names equal but for case put lower case first (a, b, B). The
// C locale would compare code points (B, a, b), so it collates as English instead.
class FolderNameOrder
{
public:
    FolderNameOrder();
    bool operator()(const QString& a, const QString& b) const;

private:
    QCollator m_collator;
};

// The folder names of a path that ends with "/", the root excluded: "/data/music/" gives
// data and music. Text after the last "/" is ignored and empty segments are skipped.
QStringList pathSegments(const QString& path);

// The index in `mountPoints` of the volume a path lies on: the longest mount point that is
// the path or one of its parent folders. Letter case counts first; only when no mount point
// matches that way is it ignored. -1 when none matches.
int volumeIndexOf(const QStringList& mountPoints, const QString& path);

// The index of the name in `names` that equals `segment`, with the same preference for an
// exact match over one that ignores case; -1 when none matches.
int segmentIndexOf(const QStringList& names, const QString& segment);

} // namespace dirtree
