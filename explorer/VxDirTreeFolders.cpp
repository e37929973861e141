#include "explorer/VxDirTreeFolders.h"

#include "platform/SubfolderProbe.h"

#include <QLocale>

bool IsSubFolderEntry(const platform::DirEntry& entry)
{
    return (entry.attributes & platform::AttrDirectory) && entry.name != "." && entry.name != "..";
}

bool HasSubFolders(const QByteArray& path)
{
    return platform::hasSubfolder(path);
}

namespace dirtree {

namespace {

QLocale collationLocale()
{
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : system;
}

bool isFolderOf(const QString& folder, const QString& path, Qt::CaseSensitivity cs)
{
    if (folder == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path.startsWith(folder, cs) &&
           (path.size() == folder.size() || path.at(folder.size()) == QLatin1Char('/'));
}

int longestFolderOf(const QStringList& mountPoints, const QString& path, Qt::CaseSensitivity cs)
{
    int best = -1;
    for (int i = 0; i < mountPoints.size(); ++i) {
        if (isFolderOf(mountPoints.at(i), path, cs) &&
            (best < 0 || mountPoints.at(i).size() > mountPoints.at(best).size()))
            best = i;
    }
    return best;
}

} // namespace

FolderNameOrder::FolderNameOrder() : m_collator(collationLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseSensitive);
}

bool FolderNameOrder::operator()(const QString& a, const QString& b) const
{
    const int order = m_collator.compare(a, b);
    // Names the collation holds equal still need one fixed order.
    return order != 0 ? order < 0 : a < b;
}

QStringList pathSegments(const QString& path)
{
    const int last = path.lastIndexOf(QLatin1Char('/'));
    if (last < 0)
        return QStringList();
    return path.left(last).split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

int volumeIndexOf(const QStringList& mountPoints, const QString& path)
{
    const int exact = longestFolderOf(mountPoints, path, Qt::CaseSensitive);
    return exact >= 0 ? exact : longestFolderOf(mountPoints, path, Qt::CaseInsensitive);
}

int segmentIndexOf(const QStringList& names, const QString& segment)
{
    const int exact = names.indexOf(segment);
    if (exact >= 0)
        return exact;
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(segment, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace dirtree
