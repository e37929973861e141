#pragma once

class QWidget;
class TVxFilelistView28;

namespace messageboxes {

// The warning of a command that needs tracks when the list has none: the folder cannot be read
// (with the system's reason), or it holds no MP3 file.
void warnEmptyList(QWidget* parent, const TVxFilelistView28& fileList);

} // namespace messageboxes
