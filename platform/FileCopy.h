#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

namespace platform {

// Told the bytes of the current file copied so far; returns false to cancel the copy.
using CopyProgress = std::function<bool(qint64 copiedBytes)>;

// Copies the regular file `from` to `to` (paths as the file system's bytes) with its
// permissions and modification time. The data goes to a temporary file beside `to` that is
// renamed into place at the end, so a failed or cancelled copy leaves an existing `to`
// untouched. With `replace` false an existing `to` is never replaced (EEXIST). With `sync` the
// data is flushed to the disk before the rename, for a move that deletes the source next.
// Returns 0, ECANCELED when `progress` cancelled, or the errno value of the failure.
int copyFile(const QByteArray& from, const QByteArray& to, bool replace,
             const CopyProgress& progress, bool sync = false);

// Creates at `to` a symbolic link with the target of the link `from`; the same replace rule.
int copySymlink(const QByteArray& from, const QByteArray& to, bool replace);

} // namespace platform
