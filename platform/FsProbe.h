#pragma once

#include <QByteArray>

#include <vector>

namespace platform {

class SyncedFolder;

// What the rename planner must know about the file system a folder lives on.
struct FsTraits
{
    bool caseInsensitive = false; // "a.mp3" and "A.mp3" are the same entry (vfat, exfat, casefold)
    int nameMax = 255;            // longest entry name in bytes
};

// Finds out by looking: an existing entry is looked up with its letters' case swapped, and when
// that spelling resolves too, the folder's listing tells whether it is a second entry or the
// same one (never the inode numbers, which some FUSE drivers give per spelling); in a folder
// without such an entry a probe file is created and removed; in a folder we may not write to,
// the file system type decides. `names` are the folder's whole listing when the caller has
// read it already (empty: it is read here).
FsTraits probeFileSystem(const SyncedFolder& folder,
                         const std::vector<QByteArray>& names = std::vector<QByteArray>());
FsTraits probeFileSystem(const QByteArray& folderPath);

// True when the folder's file system swaps two names' files in one step and keeps a file's
// inode number for as long as it exists (ext4, xfs, btrfs, tmpfs), so that a recovery can tell
// each file by its inode. Told by the file system's type: a probe file left by a crash would
// stay in the user's folder.
bool exchangesWithStableInodes(const SyncedFolder& folder);

} // namespace platform
