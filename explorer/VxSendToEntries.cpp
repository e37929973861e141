#include "explorer/VxSendToEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace vxsendto {

namespace {

constexpr qint64 MaxDesktopFileBytes = 64 * 1024;
const QString DesktopSuffix = QStringLiteral(".desktop");

QByteArray readDesktopFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(MaxDesktopFileBytes);
}

// Undoes the escapes of a desktop entry string value (\s \n \t \r \\).
QString unescapeValue(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == u's')
            out += u' ';
        else if (next == u'n')
            out += u'\n';
        else if (next == u't')
            out += u'\t';
        else if (next == u'r')
            out += u'\r';
        else
            out += next;
    }
    return out;
}

QString programPath(const QString& name)
{
    if (name.contains(u'/'))
        return QFileInfo(name).isAbsolute() ? name : QString();
    return QStandardPaths::findExecutable(name);
}

VxSendToTarget folderTarget(const QString& folder)
{
    VxSendToTarget target;
    target.kind = VxSendToTarget::Kind::Folder;
    target.folder = folder;
    return target;
}

VxSendToTarget resolveDesktopEntry(const QString& entryPath, const QString& file)
{
    const QByteArray text = readDesktopFile(entryPath);
    const QString type = desktopEntryValue(text, "Type");
    if (type == u"Link") {
        const QUrl url(desktopEntryValue(text, "URL"));
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir())
            return folderTarget(url.toLocalFile());
        return VxSendToTarget();
    }
    if (type != u"Application")
        return VxSendToTarget();
    VxSendToTarget target;
    QString program;
    if (!parseExec(desktopEntryValue(text, "Exec"), file, program, target.arguments))
        return VxSendToTarget();
    target.program = programPath(program);
    if (target.program.isEmpty())
        return VxSendToTarget();
    target.kind = VxSendToTarget::Kind::Program;
    target.workingDirectory = desktopEntryValue(text, "Path");
    return target;
}

} // namespace

QString desktopEntryValue(const QByteArray& text, const QByteArray& key)
{
    bool inEntry = false;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntry)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed() == key)
            return unescapeValue(QString::fromUtf8(line.mid(equals + 1).trimmed()));
    }
    return QString();
}

QList<VxSendToEntry> readEntries(const QString& folder)
{
    QList<VxSendToEntry> entries;
    if (folder.isEmpty())
        return entries;
    const QDir dir(folder);
    const QFileInfoList infos =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : infos) {
        VxSendToEntry entry;
        entry.path = info.absoluteFilePath();
        if (info.isSymLink()) {
            entry.displayName = info.fileName();
        } else if (info.isFile() && info.fileName().endsWith(DesktopSuffix)) {
            const QByteArray text = readDesktopFile(entry.path);
            entry.displayName = desktopEntryValue(text, "Name");
            if (entry.displayName.isEmpty())
                entry.displayName = info.fileName().chopped(DesktopSuffix.size());
        } else {
            continue;
        }
        entries.append(entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const VxSendToEntry& a, const VxSendToEntry& b) {
                         return a.displayName.localeAwareCompare(b.displayName) < 0;
                     });
    return entries;
}

VxSendToTarget resolve(const QString& entryPath, const QString& file)
{
    const QFileInfo entry(entryPath);
    if (entry.isSymLink()) {
        const QFileInfo target(entry.symLinkTarget());
        if (target.isDir())
            return folderTarget(target.absoluteFilePath());
        if (target.isFile() && target.isExecutable()) {
            VxSendToTarget program;
            program.kind = VxSendToTarget::Kind::Program;
            program.program = target.absoluteFilePath();
            program.arguments = QStringList{file};
            return program;
        }
        return VxSendToTarget();
    }
    if (entry.isFile() && entry.fileName().endsWith(DesktopSuffix))
        return resolveDesktopEntry(entryPath, file);
    if (entry.isDir())
        return folderTarget(entry.absoluteFilePath());
    return VxSendToTarget();
}

bool parseExec(const QString& exec, const QString& file, QString& program, QStringList& arguments)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    bool fileUsed = false;
    const QString fileUrl = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < exec.size()) {
                word += exec[++i];
            } else {
                word += c;
            }
            continue;
        }
        if (c == u' ' || c == u'\t') {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == u'"') {
            quoted = true;
        } else if (c == u'%' && i + 1 < exec.size()) {
            const QChar code = exec[++i];
            if (code == u'%') {
                word += u'%';
            } else if (code == u'f' || code == u'F') {
                word += file;
                fileUsed = true;
            } else if (code == u'u' || code == u'U') {
                word += fileUrl;
                fileUsed = true;
            }
        } else {
            word += c;
        }
    }
    if (quoted)
        return false;
    if (inWord)
        words.append(word);
    words.removeAll(QString());
    if (words.isEmpty())
        return false;
    program = words.takeFirst();
    if (!fileUsed)
        words.append(file);
    arguments = words;
    return true;
}

} // namespace vxsendto
