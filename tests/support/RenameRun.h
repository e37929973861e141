#pragma once

#include "core/rename/RenameCheck.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QMap>

#include <vector>

class TestDir;

// Rename runs written as "old>new" pairs of file names, on real folders: each file is created
// holding "content of " and its old name, so a test can tell where every file ended.
namespace renametest {

bool createFiles(TestDir& dir, const QByteArrayList& pairs);
// The pairs as requests, with each file's size and time as the folder has them now.
std::vector<renaming::RenameRequest> requestsOf(const QByteArray& path,
                                                const QByteArrayList& pairs);
// Every name in the folder with its content (empty for a folder).
QMap<QByteArray, QByteArray> snapshot(const QByteArray& path);
// Where the files must be: under their new names (or, with `atNew` false, their old ones), each
// with the content it started with, and nothing else in the folder.
QMap<QByteArray, QByteArray> placed(const QByteArrayList& pairs, bool atNew);

} // namespace renametest
