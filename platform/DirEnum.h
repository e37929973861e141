#pragma once

#include "platform/DirEntry.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace platform {

// Appends to `out` the entries of the folder `dir` (a native path, with or without a trailing
// separator) whose names match `pattern`: "*" and "?" wildcards, ASCII letters matched without
// regard to case. "." and ".." are reported like any entry. Reads raw names with readdir, so
// names that are not valid UTF-8 are listed too. Returns false, with `out` as it was, when the
// folder cannot be opened or read to its end, or an entry it lists cannot be asked for its
// status: a listing cut short is never handed out as the folder's content. `error`, when given,
// gets why (the system's error number, for fileErrorOf() and sysErrorText()), or 0.
// `allNames`, when given, gets every name the folder lists but "." and "..", matched or not,
// when the folder was read whole (nothing otherwise): the same pass then tells which names are
// taken, without a second read.
bool enumerateDirectory(const QByteArray& dir, const QByteArray& pattern,
                        std::vector<DirEntry>& out, int* error = nullptr,
                        std::vector<QByteArray>* allNames = nullptr);

// True when `name` matches the wildcard `pattern` ("*", "?", ASCII case ignored). Only the
// pattern has wildcards: a "*" or "?" in `name` is a character like any other.
bool wildcardMatch(const QByteArray& pattern, const QByteArray& name);

// True when both paths name the same existing file or folder (the same device and inode), as
// two spellings of one folder do on a file system that ignores letter case.
bool sameEntry(const QByteArray& a, const QByteArray& b);

// A file name's bytes as text for the interface; invalid UTF-8 shows replacement characters.
QString displayName(const QByteArray& nameBytes);

// A path typed or shown in the interface as the file system's bytes.
QByteArray encodePath(const QString& path);

} // namespace platform
