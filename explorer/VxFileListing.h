#pragma once

#include "explorer/ListingRow.h"
#include "explorer/VxConsts.h"
#include "explorer/VxFileListTypes.h"

#include <QLocale>
#include <QString>
#include <QVector>

#include <vector>

// What decides the rows of one folder pass: the file list view's properties at the moment.
struct VxListingOptions
{
    bool parentDirEnabled = true;
    bool hideFileExt = false;
    QString parentDirCaption;
    TFileSize fileSize = fsKB;
    QString datePattern;
    QString timePattern;
};

// Reads folders and volumes into rows of the file list view. Needs no window: the view calls
// it for its passes, the benchmark and the tests call it directly.
//
// Type texts (sub-item 1 of a folder row) and image indexes are left for the view to ask when
// a row is painted: a folder row starts with an empty type text and image index -1.
namespace vxfilelist {

// Appends the entries of the folder part of `pattern` whose names match its last segment,
// keeping folders when `mask` has the folder bit (0x10) and non-folders otherwise, and skipping
// read-only, hidden and system entries whose bit `mask` lacks. "." is never listed, ".." only
// as the parent row. `directory` ends with the separator and begins every full path. Returns
// true when a row was added; a folder that cannot be read adds nothing and, when `readError`
// is given, puts there why (the system's error number; 0 when the folder was read).
// `allNames`, when given, gets every name of a folder read whole (see enumerateDirectory).
bool addFiles(QVector<ListingRow>& rows, const QString& directory, const QString& pattern,
              quint32 mask, const VxListingOptions& options, int* readError = nullptr,
              std::vector<QByteArray>* allNames = nullptr);
// The same for a folder given as the file system's bytes, ending with the separator, and the
// mask of its names: a folder whose path is not valid UTF-8 has no QString that names it.
// `readable`, when given, tells a folder that could not be read whole from one without a match.
bool addFiles(QVector<ListingRow>& rows, const QByteArray& directory, const QByteArray& namePattern,
              quint32 mask, const VxListingOptions& options, bool* readable = nullptr,
              int* readError = nullptr, std::vector<QByteArray>* allNames = nullptr);

// Appends one row per volume, in the order the platform lists them. Removable and optical
// volumes are not asked for their sizes. Type texts are in `language`.
void addDrives(QVector<ListingRow>& rows, TLanguage language, const QLocale& locale);

} // namespace vxfilelist
