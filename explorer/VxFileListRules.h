#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The text rules of the file list view's properties, without a window.
namespace vxfilelist {

// True when `value` names the same directory text as `stored`: compared by the locale's
// collation with letter case ignored, so "/Music/" and "/music/" are the same text.
bool sameDirectoryText(const QString& value, const QString& stored);

// True when `value` in upper case is "DRIVES": the drives view.
bool isDrivesText(const QString& value);

// The patterns of a mask: blanks trimmed from both ends (a mask of blanks stands for "*.*"),
// then the pieces between ";" as they stand. Empty pieces are kept: they list nothing.
QStringList maskPatterns(const QString& mask);

// `text` without leading and trailing blanks and control characters.
QString trimControls(const QString& text);

// The caption stored for a parent-row caption `value` written over `stored`: " " + the
// trimmed value, unless the trimmed value equals the stored one's (case ignored), in which
// case `stored` stays.
QString parentCaptionFor(const QString& value, const QString& stored);

// A file name without its extension (from its last "." on); a name without "." stays whole.
QString captionWithoutExtension(const QString& name);

// Why a file system cannot hold an entry name, if it cannot.
enum class NameProblem
{
    None,
    Empty,
    DotName,   // "." or ".."
    Separator, // holds "/"
    Nul,       // holds a NUL byte
    TooLong,   // more bytes than the file system takes
};

// What keeps `name` (the file system's bytes) from naming an entry in a folder whose file
// system takes names of up to `nameMax` bytes.
NameProblem newNameProblem(const QByteArray& name, int nameMax = 255);

// The key under which a file system that ignores letter case holds `name`: a UTF-8 name
// case-folded; in a name that is not UTF-8 only the ASCII letters can be told to fold.
QByteArray caseKey(const QByteArray& name);

// True when two entry names are one name to a file system that ignores letter case.
bool sameNameIgnoringCase(const QByteArray& a, const QByteArray& b);

} // namespace vxfilelist
