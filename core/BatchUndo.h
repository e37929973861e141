#pragma once

#include <QByteArray>

class QTextStream;

// "--history DIR" lists the rename runs recorded for a folder, oldest first: when each ended
// and how many files it renamed (for an undone run, how many its undo left alone).
// "--undo DIR" undoes the newest run that is not undone yet, reporting as "--rename" does: one
// line per file that did not get its earlier name back, and exit code 1 when there was any.
namespace batchundo {

int history(const QByteArray& folderPath, QTextStream& out, QTextStream& err);
int undo(const QByteArray& folderPath, QTextStream& out, QTextStream& err);

} // namespace batchundo
