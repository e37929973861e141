#pragma once

#include <QString>

class VxDateTimePattern;

// Path string rules of the file-explorer components, on the native separator "/".

// An empty path stays empty; any other path ends with exactly the one "/" it had or got.
QString EnsureTrailingBackslash(const QString& path);
// Removes one trailing "/", except from the root "/", which would otherwise turn into the
// empty path that stands for the current folder.
QString StripTrailingBackslash(const QString& path);
// dir + "/" + name, or empty when either part is empty.
QString JoinDirAndName(const QString& dir, const QString& name);
// Ends a name or a NUL-separated list of names with a NUL; an empty text stays empty.
QString AppendNulChar(const QString& text);
// The file name without its folder and without the extension at its end.
QString FileNameWithoutExt(const QString& path);

// Whole kilobytes and " KB", at least 1 KB for a non-empty file; a single blank for a folder.
QString FormatSizeKB(const QString& kind, qint64 size);
// A file time (UTC nanoseconds since 1970) in local time, written as datePattern, a blank and
// timePattern with the runtime's format settings.
QString FileTimeToText(qint64 mtimeNsecUtc, const QString& datePattern, const QString& timePattern);
// The same with the pattern (date pattern, blank, time pattern) read once, for many times, by
// the time zone rules last read (platform::reloadTimeZone).
QString FileTimeToText(qint64 mtimeNsecUtc, const VxDateTimePattern& pattern);
