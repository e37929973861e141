#pragma once

#include <QByteArray>

namespace platform {

// True as soon as the folder `dir` (the file system's bytes) shows one entry other than "."
// and ".." that is a folder or a link to one; false when it has none or cannot be read. The
// entry types that the folder listing itself carries answer for most entries, so a folder of
// many files is read through without asking for each file's status.
bool hasSubfolder(const QByteArray& dir);

} // namespace platform
