#pragma once

#include <QString>

// The modal boxes of the file list's keys and in-place rename, parented like the shell
// helpers' boxes to the active window.
namespace vxfilelistmessages {

void warning(const QString& text);
void error(const QString& text);
// A question with Yes and No; true only for Yes.
bool confirm(const QString& text);

} // namespace vxfilelistmessages
