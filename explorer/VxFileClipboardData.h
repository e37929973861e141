#pragma once

#include <QByteArray>
#include <QList>

class QMimeData;

// Files on the clipboard the way file managers exchange them: a `text/uri-list` of file URLs
// and `x-special/gnome-copied-files` marked "copy". Nothing marks a cut, so another program
// pastes a cut as a copy. Paths are the file system's bytes, kept byte for byte in the URLs.
namespace vxclipboard {

// Clipboard data naming `paths` (absolute); the caller owns it.
QMimeData* fileListData(const QList<QByteArray>& paths);

// The local files a clipboard or drop names, in order; URLs of other schemes or hosts and
// relative paths are skipped. Empty when `data` names none.
QList<QByteArray> localFiles(const QMimeData* data);

// The `file://` URL of an absolute path, percent-encoded byte for byte.
QByteArray fileUrl(const QByteArray& path);

} // namespace vxclipboard
