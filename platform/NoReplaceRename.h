#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Renames `fromPath` to `toPath` (paths as the file system's bytes) without ever replacing an
// existing file: fails with EEXIST when the target is taken. Returns false and sets `error`
// (when given) to the system's message otherwise.
bool renameNoReplace(const QByteArray& fromPath, const QByteArray& toPath,
                     QString* error = nullptr);

// The same, with `from` and `to` relative to the open folder `dirFd` (AT_FDCWD for the working
// folder). Returns 0 or the errno value of the failure (EEXIST when the target is taken).
int renameNoReplaceAt(int dirFd, const QByteArray& from, const QByteArray& to);

// As renameNoReplaceAt, for names in two folders.
int renameNoReplaceAt2(int fromDirFd, const QByteArray& from, int toDirFd, const QByteArray& to);

} // namespace platform
