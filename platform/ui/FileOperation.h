#pragma once

#include "platform/ui/FileOperationTexts.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QMessageBox;
class QProgressDialog;

namespace platform {

// The operation codes the file list passes on: move 1, copy 2, delete 3, rename 4.
enum class FileOperationKind
{
    Move = 1,
    Copy = 2,
    Delete = 3,
    Rename = 4
};

struct FileOperationResult
{
    bool succeeded = true; // no part failed
    bool aborted = false;  // the user cancelled, or declined a part (No to a replace)
};

// Copies, moves, deletes to the trash and renames files and folder trees the way a file
// manager does: copy and move ask before replacing a file (Yes, Yes to all, No, Cancel),
// show a progress dialog when the work takes long, and report each failure with the system's
// message, offering to skip it or cancel the rest; delete asks for confirmation and moves the
// entries to the trash, and where a volume has no trash it says so and asks before deleting
// for good; rename never replaces an existing entry. Paths are the file system's
// bytes. Message boxes are modal to `parent` and worded from `texts`.
class FileOperation
{
public:
    explicit FileOperation(QWidget* parent, FileOperationTexts texts = {});
    ~FileOperation();

    // With as many destinations as sources, each destination is the full target path of its
    // source; with one destination and several sources it is the folder they go into.
    // Destinations are ignored for delete.
    FileOperationResult run(FileOperationKind kind, const QList<QByteArray>& sources,
                            const QList<QByteArray>& destinations);

private:
    enum class Replace
    {
        Yes,
        No,
        Cancel
    };

    void transfer(const QByteArray& source, const QByteArray& target, bool move);
    void transferFolder(const QByteArray& source, const QByteArray& target, bool move,
                        bool targetExists, quint32 mode);
    void transferLeaf(const QByteArray& source, const QByteArray& target, bool move,
                      bool targetExists);
    // Calls `each` with the name of every entry of `folder` until the operation is cancelled;
    // false, with the failure reported, when the folder cannot be read.
    bool forEachChild(const QByteArray& folder,
                      const std::function<void(const QByteArray& name)>& each);
    // Removes `folder` when nothing is left in it; a folder still holding entries stays quietly.
    void removeEmptied(const QByteArray& folder);
    void trash(const QList<QByteArray>& sources);
    // For an entry whose volume has no usable trash, after the user agreed.
    void deleteForGood(const QByteArray& path);
    Replace askDeleteForGood(const QByteArray& path);
    void rename(const QByteArray& source, const QByteArray& target);
    bool confirmDelete(const QList<QByteArray>& sources);
    Replace askReplace(const QByteArray& target);
    // The answer a question box's Yes, No or other button gives.
    static Replace replyOf(int button);
    void reportError(const QByteArray& path, const QString& reason);
    void reportErrno(const QByteArray& path, int error);
    void startProgress(const QList<QByteArray>& sources);
    // Names the standard buttons of `box` from the texts.
    void nameButtons(QMessageBox& box) const;
    QString errorTitle() const;
    QString cannotText() const;
    bool advance(qint64 bytes);

    QPointer<QWidget> m_parent;
    FileOperationTexts m_texts;
    FileOperationKind m_kind = FileOperationKind::Copy;
    FileOperationResult m_result;
    bool m_cancelled = false;
    bool m_replaceAll = false;
    std::unique_ptr<QProgressDialog> m_progress;
    qint64 m_totalBytes = 0;
    qint64 m_doneBytes = 0;
};

} // namespace platform
