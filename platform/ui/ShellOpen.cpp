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
    Q_UNUSED(parameters);
    // Every file of a FAT stick carries the execute bit: a file is opened as a document, never
    // run as a program.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target.absoluteFilePath()))
               ? OpenResult::Opened
               : OpenResult::Failed;
}

bool startProgram(const QString& program, const QStringList& arguments, const QString& directory)
{
    return QProcess::startDetached(program, arguments, directory);
}

} // namespace platform
