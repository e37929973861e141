#pragma once

#include <QString>
#include <QStringList>

namespace platform {

enum class OpenResult
{
    Opened,
    FileNotFound, // the file or folder does not exist
    UnknownVerb,  // only "open", "view" and "find" are understood
    Failed,       // no program could be started for it
};

// Runs a verb on a file or folder the way the desktop does: "open", "view" and "find" (any
// case) open it with the default application for its type; a file is never run as a program,
// whatever its execute bit says, so `parameters` has nothing to go to. A relative `fileName`
// is taken from `directory` (or the working folder when that is empty).
OpenResult openWithDesktop(const QString& verb, const QString& fileName, const QString& parameters,
                           const QString& directory);

// Starts `program` (an absolute path) with `arguments` in `directory`, detached, without a
// shell reading anything; false when it could not be started.
bool startProgram(const QString& program, const QStringList& arguments, const QString& directory);

} // namespace platform
