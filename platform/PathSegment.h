#pragma once

#include <QByteArray>

namespace platform {

// The last name of `path` (the file system's bytes), ignoring trailing separators; empty for
// the root.
QByteArray lastSegment(const QByteArray& path);

} // namespace platform
