#pragma once

#include <QString>

namespace platform {

// The type name a file manager shows for an entry: the comment of its MIME type ("MP3 audio"),
// found from the file name alone (no content is read) and cached per suffix, so asking for it
// while painting rows is cheap. A folder gets the comment of the directory MIME type.
// GUI thread only.
QString typeNameFor(const QString& fileName, bool isDir);

} // namespace platform
