#include "explorer/VxDesktopShortcut.h"

#include "explorer/VxFileClipboardData.h"
#include "explorer/VxPathUtils.h"
#include "platform/DirEnum.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

namespace vxshortcut {

namespace {

constexpr int MaxNameAttempts = 1000;

QByteArray escapedValue(const QString& value)
{
    QByteArray out;
    for (const QChar c : value) {
        if (c == u'\\')
            out += "\\\\";
        else if (c == u'\n')
            out += "\\n";
        else if (c == u'\r')
            out += "\\r";
        else if (c == u'\t')
            out += "\\t";
        else
            out += QString(c).toUtf8();
    }
    return out;
}

QString iconName(const QString& target)
{
    const QFileInfo info(target);
    if (info.isDir())
        return QStringLiteral("folder");
    return QMimeDatabase().mimeTypeForFile(info).iconName();
}

} // namespace

QByteArray shortcutText(const QString& target, const QString& name)
{
    return "[Desktop Entry]\nVersion=1.0\nType=Link\nName=" + escapedValue(name) +
           "\nURL=" + vxclipboard::fileUrl(platform::encodePath(target)) +
           "\nIcon=" + escapedValue(iconName(target)) + '\n';
}

QString writeShortcut(const QString& folder, const QString& target, const QString& name,
                      QString* error)
{
    const QByteArray text = shortcutText(target, name);
    for (int number = 1; number <= MaxNameAttempts; ++number) {
        const QString fileName =
            (number == 1 ? name : name + u'(' + QString::number(number) + u')') +
            QStringLiteral(".desktop");
        const QString path = JoinDirAndName(folder, fileName);
        QFile file(path);
        const QFileInfo existing(path);
        if (existing.exists() || existing.isSymLink())
            continue;
        // NewOnly: a file made meanwhile under the same name is never replaced.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path))
                continue;
            if (error)
                *error = file.errorString();
            return QString();
        }
        const bool written = file.write(text) == text.size() && file.flush();
        const QString writeError = file.errorString();
        file.close();
        if (!written || file.error() != QFileDevice::NoError) {
            file.remove();
            if (error)
                *error = writeError;
            return QString();
        }
        // Desktops launch only shortcuts their owner marked executable.
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return path;
    }
    if (error)
        *error = QStringLiteral("No free name for the shortcut.");
    return QString();
}

} // namespace vxshortcut
