#include "platform/Trash.h"

#include "platform/NoReplaceRename.h"

#include <QDateTime>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int maxNameAttempts = 10000;
// Room for ".<number>.trashinfo" within the file system's name limit.
constexpr int maxBaseNameBytes = NAME_MAX - 24;

bool fail(QString* error, int code)
{
    if (error)
        *error = qt_error_string(code);
    return false;
}

QByteArray parentOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// Creates `path` and its missing parents with mode 0700. Returns 0 when it is a folder
// afterwards, else the errno value.
int makeFolders(const QByteArray& path)
{
    struct stat st;
    if (::stat(path.constData(), &st) == 0)
        return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    if (path != "/") {
        const int parentError = makeFolders(parentOf(path));
        if (parentError != 0)
            return parentError;
    }
    return ::mkdir(path.constData(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

// The absolute form of `path` with its folder resolved, the last segment kept as it is, so a
// symbolic link is trashed itself and not what it points to.
QByteArray absoluteEntryPath(const QByteArray& path)
{
    QByteArray clean = path;
    while (clean.size() > 1 && clean.endsWith('/'))
        clean.chop(1);
    const qsizetype slash = clean.lastIndexOf('/');
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : clean.left(slash);
    const QByteArray name = clean.mid(slash + 1);
    char* resolved = ::realpath(folder.constData(), nullptr);
    if (!resolved)
        return QByteArray();
    QByteArray out(resolved);
    ::free(resolved);
    if (!out.endsWith('/'))
        out += '/';
    return out + name;
}

// The top folder of the volume that holds `folder`: the last parent on the same device.
QByteArray volumeTop(const QByteArray& folder, dev_t device)
{
    QByteArray top = folder;
    while (top != "/") {
        const QByteArray parent = parentOf(top);
        struct stat st;
        if (::stat(parent.constData(), &st) != 0 || st.st_dev != device)
            break;
        top = parent;
    }
    return top;
}

// A trash folder of a volume: $top/.Trash/$uid when the administrator set up $top/.Trash
// (a real, sticky folder), else $top/.Trash-$uid. Empty when neither can be used.
QByteArray volumeTrash(const QByteArray& top, dev_t device)
{
    const QByteArray base = top == "/" ? QByteArray() : top;
    const QByteArray uid = QByteArray::number(qulonglong(::geteuid()));
    struct stat st;
    const QByteArray shared = base + "/.Trash";
    if (::lstat(shared.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const QByteArray own = shared + '/' + uid;
        if ((::mkdir(own.constData(), 0700) == 0 || errno == EEXIST) &&
            ::lstat(own.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid())
            return own;
    }
    const QByteArray own = base + "/.Trash-" + uid;
    if ((::mkdir(own.constData(), 0700) == 0 || errno == EEXIST) &&
        ::lstat(own.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
        st.st_dev == device)
        return own;
    return QByteArray();
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

QByteArray homeTrashPath()
{
    return QFile::encodeName(
               QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
           "/Trash";
}

bool moveToTrash(const QByteArray& path, QString* error, QByteArray* trashedAs, bool* noTrash)
{
    if (noTrash)
        *noTrash = false;
    const QByteArray entry = absoluteEntryPath(path);
    struct stat st;
    if (entry.isEmpty() || ::lstat(entry.constData(), &st) != 0)
        return fail(error, errno);
    const QByteArray name = entry.mid(entry.lastIndexOf('/') + 1);
    if (name.isEmpty() || name == "." || name == "..")
        return fail(error, EINVAL);

    QByteArray trash = homeTrashPath();
    QByteArray recordedPath = entry;
    struct stat home;
    if (makeFolders(trash) != 0 || ::stat(trash.constData(), &home) != 0 ||
        home.st_dev != st.st_dev) {
        const QByteArray top = volumeTop(parentOf(entry), st.st_dev);
        trash = volumeTrash(top, st.st_dev);
        if (trash.isEmpty()) {
            if (noTrash)
                *noTrash = true;
            return fail(error, EXDEV);
        }
        // A volume's trash records paths relative to the volume's top folder.
        recordedPath = top == "/" ? entry.mid(1) : entry.mid(top.size() + 1);
    }
    const QByteArray files = trash + "/files";
    const QByteArray info = trash + "/info";
    int folderError = makeFolders(files);
    if (folderError == 0)
        folderError = makeFolders(info);
    if (folderError != 0)
        return fail(error, folderError);

    const QByteArray record =
        "[Trash Info]\nPath=" + recordedPath.toPercentEncoding("/") +
        "\nDeletionDate=" + QDateTime::currentDateTime().toString(Qt::ISODate).toLatin1() + '\n';
    const QByteArray baseName = name.left(maxBaseNameBytes);
    for (int attempt = 1; attempt <= maxNameAttempts; ++attempt) {
        const QByteArray trashName =
            attempt == 1 ? baseName : baseName + '.' + QByteArray::number(attempt);
        const QByteArray infoPath = info + '/' + trashName + ".trashinfo";
        // The record reserves the name: whoever creates it first owns it.
        const int fd = ::open(infoPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return fail(error, errno);
        const bool written = writeAll(fd, record);
        const int writeError = errno;
        if (::close(fd) != 0 || !written) {
            ::unlink(infoPath.constData());
            return fail(error, written ? EIO : writeError);
        }
        const QByteArray target = files + '/' + trashName;
        const int e = renameNoReplaceAt(AT_FDCWD, entry, target);
        if (e == 0) {
            if (trashedAs)
                *trashedAs = target;
            return true;
        }
        ::unlink(infoPath.constData());
        if (e != EEXIST)
            return fail(error, e);
    }
    return fail(error, EEXIST);
}

} // namespace platform
