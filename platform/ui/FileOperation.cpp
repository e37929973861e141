#include "platform/ui/FileOperation.h"

#include "platform/DirEnum.h"
#include "platform/FileCopy.h"
#include "platform/NoReplaceRename.h"
#include "platform/PathSegment.h"
#include "platform/SyncedFolder.h"
#include "platform/Trash.h"
#include "platform/TreeSize.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <cerrno>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int progressSteps = 1000;
constexpr int progressDelayMs = 500;

// Pushes a cursor for the lifetime of the guard; the one below shows again on every way out.
class CursorGuard
{
public:
    explicit CursorGuard(Qt::CursorShape shape) { QApplication::setOverrideCursor(shape); }
    ~CursorGuard() { QApplication::restoreOverrideCursor(); }
    CursorGuard(const CursorGuard&) = delete;
    CursorGuard& operator=(const CursorGuard&) = delete;
};

QByteArray parentOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray joined(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// True when `path` is `folder` or lies inside it, compared after resolving both.
bool isInside(const QByteArray& path, const QByteArray& folder)
{
    char* resolvedFolder = ::realpath(folder.constData(), nullptr);
    char* resolvedParent = ::realpath(parentOf(path).constData(), nullptr);
    bool inside = false;
    if (resolvedFolder && resolvedParent) {
        const QByteArray f(resolvedFolder);
        const QByteArray p = joined(QByteArray(resolvedParent), lastSegment(path));
        inside = p == f || p.startsWith(f.endsWith('/') ? f : f + '/');
    }
    ::free(resolvedFolder);
    ::free(resolvedParent);
    return inside;
}

// Entry names of a folder, read before anything in it changes.
bool childNames(const QByteArray& folder, std::vector<QByteArray>& names, int& error)
{
    const SyncedFolder open(folder);
    error = open.isOpen() ? open.readNames(&names) : open.openError();
    return error == 0;
}

// The one of four texts that speaks of the operation `kind`.
const QString& ofKind(FileOperationKind kind, const QString& move, const QString& copy,
                      const QString& remove, const QString& rename)
{
    switch (kind) {
    case FileOperationKind::Move:
        return move;
    case FileOperationKind::Copy:
        return copy;
    case FileOperationKind::Delete:
        return remove;
    case FileOperationKind::Rename:
        break;
    }
    return rename;
}

// Makes the entries of `folder` durable, so a source removed next cannot outlive its copy.
int syncFolder(const QByteArray& folder)
{
    const SyncedFolder open(folder);
    return open.isOpen() ? open.sync() : open.openError();
}

} // namespace

FileOperation::FileOperation(QWidget* parent, FileOperationTexts texts)
    : m_parent(parent), m_texts(std::move(texts))
{
}

FileOperation::~FileOperation() = default;

FileOperationResult FileOperation::run(FileOperationKind kind, const QList<QByteArray>& sources,
                                       const QList<QByteArray>& destinations)
{
    m_kind = kind;
    m_result = FileOperationResult();
    m_cancelled = false;
    m_replaceAll = false;
    m_doneBytes = 0;
    if (sources.isEmpty())
        return m_result;
    if (kind == FileOperationKind::Delete) {
        if (confirmDelete(sources))
            trash(sources);
        else
            m_result.aborted = true;
        return m_result;
    }
    const bool pairs = destinations.size() == sources.size();
    if (!pairs && (destinations.size() != 1 || kind == FileOperationKind::Rename)) {
        reportError(sources.front(), m_texts.destinationsMismatch);
        return m_result;
    }
    const CursorGuard wait(Qt::WaitCursor);
    if (kind == FileOperationKind::Rename) {
        for (qsizetype i = 0; i < sources.size() && !m_cancelled; ++i)
            rename(sources[i], destinations[i]);
        return m_result;
    }
    if (!pairs && ::mkdir(destinations.front().constData(), 0777) != 0 && errno != EEXIST) {
        reportErrno(destinations.front(), errno);
        return m_result;
    }
    startProgress(sources);
    for (qsizetype i = 0; i < sources.size() && !m_cancelled; ++i) {
        const QByteArray target =
            pairs ? destinations[i] : joined(destinations.front(), lastSegment(sources[i]));
        transfer(sources[i], target, kind == FileOperationKind::Move);
    }
    m_progress.reset();
    return m_result;
}

void FileOperation::startProgress(const QList<QByteArray>& sources)
{
    m_totalBytes = 0;
    for (const QByteArray& source : sources)
        m_totalBytes += measureTree(source).bytes;
    const bool move = m_kind == FileOperationKind::Move;
    m_progress =
        std::make_unique<QProgressDialog>(move ? m_texts.movingLabel : m_texts.copyingLabel,
                                          m_texts.cancel, 0, progressSteps, m_parent);
    m_progress->setObjectName(QStringLiteral("FileOperationProgress"));
    m_progress->setWindowTitle(move ? m_texts.movingTitle : m_texts.copyingTitle);
    m_progress->setWindowModality(Qt::ApplicationModal);
    m_progress->setMinimumDuration(progressDelayMs);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setValue(0);
}

bool FileOperation::advance(qint64 bytes)
{
    if (!m_progress)
        return true;
    const qint64 done = m_doneBytes + bytes;
    const int step = m_totalBytes > 0
                         ? int(qMin<qint64>(progressSteps, done * progressSteps / m_totalBytes))
                         : 0;
    if (step != m_progress->value())
        m_progress->setValue(step);
    return !m_progress->wasCanceled();
}

void FileOperation::transfer(const QByteArray& source, const QByteArray& target, bool move)
{
    if (m_cancelled)
        return;
    struct stat from;
    if (::lstat(source.constData(), &from) != 0) {
        reportErrno(source, errno);
        return;
    }
    if (S_ISDIR(from.st_mode) && isInside(target, source)) {
        reportError(source, m_texts.insideSource);
        return;
    }
    struct stat to;
    bool targetExists = ::lstat(target.constData(), &to) == 0;
    if (targetExists && to.st_dev == from.st_dev && to.st_ino == from.st_ino) {
        reportError(source, m_texts.sameFile);
        return;
    }
    if (move && !targetExists) {
        const int e = renameNoReplaceAt(AT_FDCWD, source, target);
        if (e == 0) {
            m_doneBytes += measureTree(target).bytes;
            if (!advance(0))
                m_cancelled = m_result.aborted = true;
            return;
        }
        if (e == EEXIST)
            targetExists = ::lstat(target.constData(), &to) == 0;
        else if (e != EXDEV) {
            reportErrno(source, e);
            return;
        }
    }
    if (S_ISDIR(from.st_mode)) {
        if (targetExists && !S_ISDIR(to.st_mode)) {
            reportError(source, m_texts.fileExists);
            return;
        }
        transferFolder(source, target, move, targetExists, quint32(from.st_mode));
        return;
    }
    if (targetExists && S_ISDIR(to.st_mode)) {
        reportError(source, m_texts.folderExists);
        return;
    }
    transferLeaf(source, target, move, targetExists);
}

void FileOperation::transferFolder(const QByteArray& source, const QByteArray& target, bool move,
                                   bool targetExists, quint32 mode)
{
    // A folder meeting a folder merges into it; only files that clash are asked about.
    if (!targetExists && ::mkdir(target.constData(), 0700) != 0) {
        reportErrno(target, errno);
        return;
    }
    if (move && !targetExists) {
        if (const int e = syncFolder(parentOf(target)); e != 0) {
            reportErrno(target, e);
            return;
        }
    }
    if (!forEachChild(source, [&](const QByteArray& name) {
            transfer(joined(source, name), joined(target, name), move);
        }))
        return;
    // A cancelled copy keeps what it holds, with the folder's own permissions.
    if (!targetExists)
        ::chmod(target.constData(), mode & 07777);
    if (m_cancelled || !move)
        return;
    // What was declined or failed stays in the source, which then cannot go.
    removeEmptied(source);
}

void FileOperation::transferLeaf(const QByteArray& source, const QByteArray& target, bool move,
                                 bool targetExists)
{
    struct stat from;
    if (::lstat(source.constData(), &from) != 0) {
        reportErrno(source, errno);
        return;
    }
    const qint64 size = S_ISREG(from.st_mode) ? qint64(from.st_size) : 0;
    if (targetExists) {
        switch (askReplace(target)) {
        case Replace::Yes:
            break;
        case Replace::No:
            m_result.aborted = true;
            m_doneBytes += size;
            return;
        case Replace::Cancel:
            m_cancelled = m_result.aborted = true;
            return;
        }
    }
    struct stat folder;
    const bool sameVolume =
        ::stat(parentOf(target).constData(), &folder) == 0 && folder.st_dev == from.st_dev;
    int e = 0;
    if (move && targetExists && sameVolume) {
        // The user agreed to the replace, and one rename does it without a window of loss.
        e = ::rename(source.constData(), target.constData()) == 0 ? 0 : errno;
        if (e == 0) {
            m_doneBytes += size;
            advance(0);
            return;
        }
    } else if (S_ISLNK(from.st_mode)) {
        e = copySymlink(source, target, targetExists);
    } else if (S_ISREG(from.st_mode)) {
        e = copyFile(
            source, target, targetExists, [this](qint64 copied) { return advance(copied); }, move);
    } else {
        reportError(source, m_texts.unsupportedKind);
        return;
    }
    if (e == ECANCELED) {
        m_cancelled = m_result.aborted = true;
        return;
    }
    if (e != 0) {
        reportErrno(source, e);
        return;
    }
    m_doneBytes += size;
    if (!move)
        return;
    if (const int synced = syncFolder(parentOf(target)); synced != 0) {
        reportErrno(target, synced);
        return;
    }
    if (::unlink(source.constData()) != 0)
        reportErrno(source, errno);
}

void FileOperation::trash(const QList<QByteArray>& sources)
{
    const CursorGuard wait(Qt::WaitCursor);
    for (const QByteArray& source : sources) {
        if (m_cancelled)
            return;
        QString error;
        bool noTrash = false;
        if (moveToTrash(source, &error, nullptr, &noTrash))
            continue;
        if (!noTrash) {
            reportError(source, error);
            continue;
        }
        switch (askDeleteForGood(source)) {
        case Replace::Yes:
            deleteForGood(source);
            break;
        case Replace::No:
            m_result.aborted = true;
            break;
        case Replace::Cancel:
            m_cancelled = m_result.aborted = true;
            break;
        }
    }
}

void FileOperation::deleteForGood(const QByteArray& path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0) {
        reportErrno(path, errno);
        return;
    }
    if (!S_ISDIR(st.st_mode)) {
        if (::unlink(path.constData()) != 0)
            reportErrno(path, errno);
        return;
    }
    if (!forEachChild(path, [&](const QByteArray& name) { deleteForGood(joined(path, name)); }) ||
        m_cancelled)
        return;
    // What could not go keeps its folder.
    removeEmptied(path);
}

bool FileOperation::forEachChild(const QByteArray& folder,
                                 const std::function<void(const QByteArray& name)>& each)
{
    std::vector<QByteArray> names;
    int error = 0;
    if (!childNames(folder, names, error)) {
        reportErrno(folder, error);
        return false;
    }
    for (const QByteArray& name : names) {
        if (m_cancelled)
            break;
        each(name);
    }
    return true;
}

void FileOperation::removeEmptied(const QByteArray& folder)
{
    if (::rmdir(folder.constData()) != 0 && errno != ENOTEMPTY && errno != EEXIST)
        reportErrno(folder, errno);
}

FileOperation::Replace FileOperation::askDeleteForGood(const QByteArray& path)
{
    const CursorGuard arrow(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Warning, m_texts.confirmDeleteTitle,
                    m_texts.deleteForGood.arg(displayName(lastSegment(path))),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    nameButtons(box);
    box.setObjectName(QStringLiteral("ConfirmDeleteForGood"));
    box.setDefaultButton(QMessageBox::No);
    return replyOf(box.exec());
}

void FileOperation::rename(const QByteArray& source, const QByteArray& target)
{
    QString error;
    if (!renameNoReplace(source, target, &error))
        reportError(source, error);
}

bool FileOperation::confirmDelete(const QList<QByteArray>& sources)
{
    const CursorGuard arrow(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Question, m_texts.confirmDeleteTitle,
                    sources.size() == 1
                        ? m_texts.confirmDeleteOne.arg(displayName(lastSegment(sources.front())))
                        : m_texts.confirmDeleteMany.arg(sources.size()),
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    nameButtons(box);
    box.setObjectName(QStringLiteral("ConfirmDelete"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

FileOperation::Replace FileOperation::askReplace(const QByteArray& target)
{
    if (m_replaceAll)
        return Replace::Yes;
    const CursorGuard arrow(Qt::ArrowCursor);
    QMessageBox box(
        QMessageBox::Question, m_texts.confirmReplaceTitle,
        m_texts.confirmReplace.arg(displayName(lastSegment(target))),
        QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel, m_parent);
    nameButtons(box);
    box.setObjectName(QStringLiteral("ConfirmReplace"));
    box.setDefaultButton(QMessageBox::No);
    const int button = box.exec();
    m_replaceAll = button == QMessageBox::YesToAll;
    return m_replaceAll ? Replace::Yes : replyOf(button);
}

FileOperation::Replace FileOperation::replyOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Replace::Yes;
    case QMessageBox::No:
        return Replace::No;
    default:
        return Replace::Cancel;
    }
}

void FileOperation::reportErrno(const QByteArray& path, int error)
{
    reportError(path, qt_error_string(error));
}

void FileOperation::reportError(const QByteArray& path, const QString& reason)
{
    m_result.succeeded = false;
    const CursorGuard arrow(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Critical, errorTitle(),
                    cannotText().arg(displayName(lastSegment(path)), reason),
                    QMessageBox::Ignore | QMessageBox::Cancel, m_parent);
    nameButtons(box);
    box.setObjectName(QStringLiteral("FileOperationError"));
    box.setDefaultButton(QMessageBox::Ignore);
    if (box.exec() == QMessageBox::Cancel)
        m_cancelled = m_result.aborted = true;
}

void FileOperation::nameButtons(QMessageBox& box) const
{
    const std::pair<QMessageBox::StandardButton, const QString*> names[] = {
        {QMessageBox::Yes, &m_texts.yes},
        {QMessageBox::YesToAll, &m_texts.yesToAll},
        {QMessageBox::No, &m_texts.no},
        {QMessageBox::Cancel, &m_texts.cancel},
        {QMessageBox::Ignore, &m_texts.skip}};
    for (const auto& [which, text] : names) {
        if (QAbstractButton* button = box.button(which))
            button->setText(*text);
    }
}

QString FileOperation::errorTitle() const
{
    return ofKind(m_kind, m_texts.errorMoveTitle, m_texts.errorCopyTitle, m_texts.errorDeleteTitle,
                  m_texts.errorRenameTitle);
}

QString FileOperation::cannotText() const
{
    return ofKind(m_kind, m_texts.cannotMove, m_texts.cannotCopy, m_texts.cannotDelete,
                  m_texts.cannotRename);
}

} // namespace platform
