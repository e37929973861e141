#pragma once

#include <QString>

// Rules of the file list's operations that need no window.
namespace vxfileops {

// The upper-cased extension of a path with its dot (".TXT"), empty when the name has none.
QString upperExtension(const QString& path);

// True when files with the extension of `path` open through the view command: text and source
// files, documents, pictures and web pages.
bool isViewExtension(const QString& path);

// True when the contents of the file can go to the clipboard: the view types but web pages.
bool isContentsExtension(const QString& path);

// True when the contents go to the clipboard as a picture rather than as text.
bool isImageExtension(const QString& path);

// The first free name in `folder` of "<base>", "<base>(2)", "<base>(3)", ...: its full path.
// A name held by anything (a file, a dangling link) is not free.
QString nextNewFolderPath(const QString& folder, const QString& base);

} // namespace vxfileops
