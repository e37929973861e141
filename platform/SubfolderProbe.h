#pragma once

#include <QByteArray>

namespace platform {

// True when the folder `dir` (the file system's bytes) holds a folder; false when it has none or
// cannot be read. On a file system that counts subfolders in a folder's link count (ext4, xfs,
// tmpfs) the count answers without reading the folder, so a folder of many files costs one
// status call; a link to a folder is then no subfolder, as the count has it. Elsewhere the
// folder is read until its first entry that is a folder or a link to one; the entry types that
// the listing carries answer for most entries, so files are not asked for their status.
bool hasSubfolder(const QByteArray& dir);

} // namespace platform
