#pragma once

#include <QByteArray>

class QWidget;
class TOKBottomDlg1;

// Actions > Undo last rename: takes back the newest rename run recorded for the folder shown.
// It says which files would go back and asks; the files go back through the rename engine with
// the progress dialog, as a run does, and the completion box tells which files were left alone
// and why. A damaged history is reported and nothing is renamed.
namespace undocommand {

// True when the folder has a recorded run that can be undone.
bool canUndo(const QByteArray& folderPath);
// True when files may have been renamed, so the window must read the folder again.
bool undoLastRun(QWidget* parent, TOKBottomDlg1* progress, const QByteArray& folderPath);

} // namespace undocommand
