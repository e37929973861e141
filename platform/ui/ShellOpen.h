#pragma once

#include <QString>

namespace platform {

enum class OpenResult
{
    Opened,
    FileNotFound, // the file or folder does not exist
    UnknownVerb,  // only "open", "view" and "find" are understood
    Failed,       // no program could be started for it
};

// Runs a verb on a file or folder the way the desktop does: "open", "view" and "find" (any
// case) open a document or folder with its default application; a program is started with
// `parameters` (split like a command line) in `directory`. A relative `fileName` is taken
// from `directory` (or the working folder when that is empty).
OpenResult openWithDesktop(const QString& verb, const QString& fileName, const QString& parameters,
                           const QString& directory);

} // namespace platform
