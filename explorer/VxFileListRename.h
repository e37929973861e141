#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <vector>

class QAbstractItemDelegate;
class TVxFilelistView28;

namespace platform {
class SyncedFolder;
}

// The in-place rename of a file list's rows: whether an edit may begin, the edit box on the
// caption column, and the rename on disk once the user confirms a new name.
//
// The rename never replaces an entry: a name that is taken is reported, a name the file system
// cannot hold is refused with a message, and the rename itself is the platform's no-replace
// rename. It runs after the edit box has closed, so its message boxes never take the focus from
// an open editor.
class VxFileListRename : public QObject
{
    Q_OBJECT

public:
    explicit VxFileListRename(TVxFilelistView28* list);

    // The delegate the list edits its caption column with.
    QAbstractItemDelegate* delegate() const { return m_delegate; }

    // Begins the edit of the selected row's caption; a read-only row gets a warning instead.
    void StartRename();
    // True when the caption of `row` may be edited now; the row then becomes the rename source.
    bool EditPermission(int row);
    // Renames the rename source to `caption` in its folder and re-reads the list.
    void EditCompletion(const QString& caption);

private:
    // Renames the source to `to`, a name that differs from its own only in letter case on a
    // volume that ignores it, through a temporary name free in `names`, in the already open
    // source `folder`. 0 or the error number.
    int renameThroughTemporaryName(const platform::SyncedFolder& folder, const QByteArray& to,
                                   const std::vector<QByteArray>& names) const;

    TVxFilelistView28* m_list;
    QAbstractItemDelegate* m_delegate;
    QByteArray m_sourceFolder;
    QByteArray m_sourceName;
    bool m_sourceIsFolder = false;
};
