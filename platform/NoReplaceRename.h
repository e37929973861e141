#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

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

// Called before a placeholder is created under the target name (file systems that refuse the
// no-replace flag), so a caller can record it durably first: a crash between the placeholder
// and the rename then leaves an empty file its recovery knows to be its own. A non-zero return
// stops the rename with that error before anything is created.
using PlaceholderGuard = std::function<int()>;

// As renameNoReplaceAt, calling `guard` (when set) before a placeholder is made.
int renameNoReplaceGuardedAt(int dirFd, const QByteArray& from, const QByteArray& to,
                             const PlaceholderGuard& guard);

// Puts `fromPath` in the place of `toPath`, replacing it: for a file the user chose to replace,
// written first under a name of its own so that a failure leaves the old one whole. Returns 0
// or the errno value.
int replaceWith(const QByteArray& fromPath, const QByteArray& toPath);

// Swaps the entries `a` and `b` of the open folder `dirFd` atomically (both must exist).
// Returns 0 or the errno value; EINVAL or ENOSYS where the file system cannot.
int renameExchangeAt(int dirFd, const QByteArray& a, const QByteArray& b);

} // namespace platform
