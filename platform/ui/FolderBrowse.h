#pragma once

#include <QString>

class QWidget;

namespace platform {

// Lets the user pick a folder, starting in `startFolder`; with `includeFiles` the files are
// listed too. Returns the chosen folder, or an empty text when the user cancelled.
QString browseForFolder(QWidget* owner, const QString& title, const QString& startFolder,
                        bool includeFiles);

} // namespace platform
