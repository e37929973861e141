#pragma once

#include <QByteArray>
#include <QString>

// A desktop shortcut to a file or folder: a desktop entry of type Link whose URL is the
// target, which file managers and desktops open with the target's default application.
namespace vxshortcut {

// The text of the shortcut to `target` (an absolute path) captioned `name`.
QByteArray shortcutText(const QString& target, const QString& name);

// Writes the shortcut to `target` into `folder` as "<name>.desktop", or "<name>(2).desktop"
// and so on when that name is taken: an existing file is never replaced. Returns the file
// written, or an empty text with the reason in `error`; a failed write leaves no file.
QString writeShortcut(const QString& folder, const QString& target, const QString& name,
                      QString* error);

} // namespace vxshortcut
