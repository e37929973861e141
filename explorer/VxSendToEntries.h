#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The Send To folder's entries: symbolic links and desktop entry files, each a place to send
// the selected files to. A folder target receives copies; a program target is started with
// the first selected file. Everything read here comes from the user's files and is checked.
struct VxSendToEntry
{
    QString path;        // the link or desktop file itself
    QString displayName; // the link's name, or the desktop entry's Name
};

struct VxSendToTarget
{
    enum class Kind
    {
        None,
        Folder,
        Program
    };

    Kind kind = Kind::None;
    QString folder;           // for a folder target
    QString program;          // for a program target: an absolute path
    QStringList arguments;    // the program's arguments, the file already in place
    QString workingDirectory; // empty for the file's folder
};

namespace vxsendto {

// The entries of `folder` sorted by display name; none when it cannot be read.
QList<VxSendToEntry> readEntries(const QString& folder);

// What sending `file` through the entry at `entryPath` does.
VxSendToTarget resolve(const QString& entryPath, const QString& file);

// Splits a desktop entry's Exec value into program and arguments as the desktop does, quotes
// and escapes undone, and puts `file` where the field codes %f %F %u %U ask for it (after
// the arguments when none does); %% is a percent sign and the other codes are dropped. No
// shell ever reads it. False for a value that does not parse (an open quote, no program).
bool parseExec(const QString& exec, const QString& file, QString& program, QStringList& arguments);

// The value of `key` in the [Desktop Entry] group of a desktop entry file's text, its
// escapes undone; empty when it is missing.
QString desktopEntryValue(const QByteArray& text, const QByteArray& key);

} // namespace vxsendto
