#include "platform/TypeNames.h"

#include <QHash>
#include <QMimeDatabase>

namespace platform {

QString typeNameFor(const QString& fileName, bool isDir)
{
    static const QMimeDatabase database;
    if (isDir) {
        static const QString folder =
            database.mimeTypeForName(QStringLiteral("inode/directory")).comment();
        return folder;
    }
    static QHash<QString, QString> bySuffix;
    const QString name = fileName.mid(fileName.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    // "." keeps a suffix apart from a whole name without one ("mp3" against "x.mp3").
    const QString key = dot > 0 ? name.mid(dot).toLower() : name;
    const auto it = bySuffix.constFind(key);
    if (it != bySuffix.constEnd())
        return it.value();
    const QString comment = database.mimeTypeForFile(name, QMimeDatabase::MatchExtension).comment();
    bySuffix.insert(key, comment);
    return comment;
}

} // namespace platform
