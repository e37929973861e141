#pragma once

#include "platform/Volumes.h"

#include <QElapsedTimer>
#include <QHash>
#include <QIcon>
#include <QString>

#include <functional>
#include <vector>

namespace platform {

// The process-wide list of small icons whose positions serve as icon indexes. Icons come from
// the icon theme with QFileIconProvider's icons as fallback. A kind of entry (folder, open
// folder, a volume type, a file MIME type) gets its index the first time it is asked for and
// keeps it; files are matched by name only and cached per suffix, so asking for the icon of a
// painted row costs a hash lookup. GUI thread only.
class ImageList
{
public:
    static ImageList& instance();

    // The icon of a file or folder; a folder that is a mount point shows its volume's icon.
    // `open` asks for the icon of a selected folder.
    int iconIndexFor(const QString& path, bool isDir, bool open = false);
    int driveIconIndex(DriveType type);
    int computerIconIndex();

    // Appends an image of the program's own and returns its index.
    int append(const QIcon& icon);
    // Removes the last image again (a probe appended by `append`).
    void removeLast();

    int count() const { return int(m_icons.size()); }
    // A null icon for an index out of range.
    QIcon icon(int index) const;

private:
    ImageList() = default;

    // The index of a kind of entry; `makeIcon` runs only the first time the kind is asked for.
    int indexForKey(const QString& key, const std::function<QIcon()>& makeIcon);
    int fileIconIndex(const QString& name);
    // The volume type of a mount point, from a mount table read at most every few seconds.
    bool mountPointType(const QString& path, DriveType& type);

    std::vector<QIcon> m_icons;
    QHash<QString, int> m_byKey;        // "folder", "drive:3", "mime:audio/mpeg", ...
    QHash<QString, int> m_bySuffix;     // lower-case suffix, or the whole name when it has none
    QHash<QString, DriveType> m_mounts; // mount point -> volume type
    QElapsedTimer m_mountsAge;
};

} // namespace platform
