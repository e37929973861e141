#include "core/SettingsFile.h"

#include "core/InOutError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString FileName = QStringLiteral("ORVENFR.cfg");

// True when the file at `path` can be replaced, or created in a folder that can be written.
bool canWriteAt(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists())
        return file.isFile() && file.isWritable();
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isWritable();
}

bool isFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// Root can write under a system prefix, but a file beside an installed program would be shared
// by every user and left behind by the package manager.
bool isUnderSystemPrefix(const QString& folder)
{
    const QString path = QDir::cleanPath(folder);
    for (const QString& prefix : {QStringLiteral("/usr"), QStringLiteral("/opt")}) {
        if (path == prefix || path.startsWith(prefix + QLatin1Char('/')))
            return true;
    }
    return false;
}

} // namespace

SettingsFile::SettingsFile(const QString& besideExecutable, const QString& inUserConfig)
    : m_besideExecutable(besideExecutable), m_inUserConfig(inUserConfig)
{
}

SettingsFile SettingsFile::forProgramFolder(const QString& programFolder,
                                            const QString& configFolder)
{
    const QString beside =
        isUnderSystemPrefix(programFolder) ? QString() : QDir(programFolder).filePath(FileName);
    return SettingsFile(beside, QDir(configFolder).filePath(QStringLiteral("ORVEN/") + FileName));
}

SettingsFile SettingsFile::standardLocations()
{
    return forProgramFolder(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QString SettingsFile::writePath() const
{
    return !m_besideExecutable.isEmpty() && canWriteAt(m_besideExecutable) ? m_besideExecutable
                                                                           : m_inUserConfig;
}

QString SettingsFile::readPath() const
{
    // The written file first, so a choice saved in the user's folder is not hidden by a
    // read-only file beside an installed executable.
    const QString written = writePath();
    const QString other = written == m_besideExecutable ? m_inUserConfig : m_besideExecutable;
    if (isFile(written))
        return written;
    if (isFile(other))
        return other;
    return QString();
}

void SettingsFile::save(text::LanguageIndex language) const
{
    const QString path = writePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw InOutError(text::entry(text::FileErrorTexts, 1).arg(QDir::toNativeSeparators(path)));
    QSaveFile file(path);
    // A file that can be written in a folder that cannot is rewritten in place.
    file.setDirectWriteFallback(true);
    const QByteArray bytes = bytesForLanguage(language);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw InOutError(text::entry(text::FileErrorTexts, 2)
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
}

text::LanguageIndex SettingsFile::load() const
{
    QString path = readPath();
    if (path.isEmpty()) {
        save(text::English);
        path = writePath();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw InOutError(text::entry(text::FileErrorTexts, 3)
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray bytes = file.read(MaxReadBytes);
    if (file.error() != QFileDevice::NoError)
        throw InOutError(text::entry(text::FileErrorTexts, 3)
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    return languageFromBytes(bytes);
}

text::LanguageIndex SettingsFile::languageFromBytes(const QByteArray& bytes)
{
    qsizetype end = bytes.indexOf('\x1a');
    if (end < 0)
        end = bytes.size();
    qsizetype pos = 0;
    for (int line = 1; line < 3 && pos < end; ++line) {
        const qsizetype cr = bytes.indexOf('\r', pos);
        pos = cr < 0 || cr >= end ? end : cr + 1;
        if (pos < end && bytes.at(pos) == '\n')
            ++pos;
    }
    qsizetype lineEnd = bytes.indexOf('\r', pos);
    if (lineEnd < 0 || lineEnd > end)
        lineEnd = end;
    const QByteArray third = bytes.mid(pos, lineEnd - pos);
    return third == "English" ? text::English : text::French;
}

QByteArray SettingsFile::bytesForLanguage(text::LanguageIndex language)
{
    QByteArray bytes = "Settings File of ORVEN Zevuduzar Idazivu\r\nLanguage :\r\n";
    bytes += language == text::French ? "French\r\n" : "English\r\n";
    return bytes;
}
