#include "explorer/VxFileClipboardData.h"

#include <QMimeData>

namespace vxclipboard {

namespace {

const QString UriListType = QStringLiteral("text/uri-list");
const QString GnomeFilesType = QStringLiteral("x-special/gnome-copied-files");

// The path of a `file:` URL line, or empty for anything else: another scheme, a remote host,
// a relative path, a comment line.
QByteArray localPathOf(QByteArray line)
{
    line = line.trimmed();
    if (!line.startsWith("file:"))
        return QByteArray();
    QByteArray rest = line.mid(5);
    if (rest.startsWith("//")) {
        rest = rest.mid(2);
        const qsizetype slash = rest.indexOf('/');
        if (slash < 0)
            return QByteArray();
        const QByteArray host = rest.left(slash);
        if (!host.isEmpty() && host.compare("localhost", Qt::CaseInsensitive) != 0)
            return QByteArray();
        rest = rest.mid(slash);
    }
    const qsizetype query = rest.indexOf('?');
    if (query >= 0)
        rest.truncate(query);
    const qsizetype fragment = rest.indexOf('#');
    if (fragment >= 0)
        rest.truncate(fragment);
    const QByteArray path = QByteArray::fromPercentEncoding(rest);
    // A NUL would cut the path short in every system call.
    if (!path.startsWith('/') || path.contains('\0'))
        return QByteArray();
    return path;
}

} // namespace

QByteArray fileUrl(const QByteArray& path)
{
    return "file://" + path.toPercentEncoding("/");
}

QMimeData* fileListData(const QList<QByteArray>& paths)
{
    QByteArray uriList;
    QByteArray gnome("copy");
    for (const QByteArray& path : paths) {
        const QByteArray url = fileUrl(path);
        uriList += url + "\r\n";
        gnome += '\n' + url;
    }
    auto* data = new QMimeData;
    data->setData(UriListType, uriList);
    data->setData(GnomeFilesType, gnome);
    return data;
}

QList<QByteArray> localFiles(const QMimeData* data)
{
    QList<QByteArray> paths;
    if (!data)
        return paths;
    QList<QByteArray> lines;
    if (data->hasFormat(UriListType)) {
        lines = data->data(UriListType).split('\n');
    } else if (data->hasFormat(GnomeFilesType)) {
        lines = data->data(GnomeFilesType).split('\n');
        if (!lines.isEmpty())
            lines.removeFirst();
    }
    for (const QByteArray& line : std::as_const(lines)) {
        const QByteArray path = localPathOf(line);
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

} // namespace vxclipboard
