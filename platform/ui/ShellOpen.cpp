#include "platform/ui/ShellOpen.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

OpenResult openWithDesktop(const QString& verb, const QString& fileName, const QString& parameters,
                           const QString& directory)
{
    const QString lower = verb.toLower();
    if (lower != QLatin1String("open") && lower != QLatin1String("view") &&
        lower != QLatin1String("find"))
        return OpenResult::UnknownVerb;
    if (fileName.isEmpty())
        return OpenResult::FileNotFound;
    const QDir base(directory.isEmpty() ? QDir::currentPath() : directory);
    const QFileInfo target(base.absoluteFilePath(fileName));
    if (!target.exists())
        return OpenResult::FileNotFound;
    if (target.isFile() && target.isExecutable()) {
        const QString workingDirectory = directory.isEmpty() ? target.absolutePath() : directory;
        return QProcess::startDetached(target.absoluteFilePath(),
                                       QProcess::splitCommand(parameters), workingDirectory)
                   ? OpenResult::Opened
                   : OpenResult::Failed;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target.absoluteFilePath()))
               ? OpenResult::Opened
               : OpenResult::Failed;
}

} // namespace platform
