#include "platform/ui/ImageList.h"

#include <QApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QMimeDatabase>
#include <QStyle>

namespace platform {

namespace {

constexpr qint64 mountTableMaxAgeMs = 3000;

QIcon themed(const char* name, const QIcon& fallback)
{
    return QIcon::fromTheme(QLatin1String(name), fallback);
}

QIcon providerIcon(QAbstractFileIconProvider::IconType type)
{
    static const QFileIconProvider provider;
    return provider.icon(type);
}

QIcon styleIcon(QStyle::StandardPixmap pixmap)
{
    return QApplication::style() ? QApplication::style()->standardIcon(pixmap) : QIcon();
}

QString withoutTrailingSeparator(const QString& path)
{
    QString out = path;
    while (out.size() > 1 && out.endsWith(u'/'))
        out.chop(1);
    return out;
}

} // namespace

ImageList& ImageList::instance()
{
    static ImageList list;
    return list;
}

int ImageList::indexForKey(const QString& key, const std::function<QIcon()>& makeIcon)
{
    const auto it = m_byKey.constFind(key);
    if (it != m_byKey.constEnd())
        return it.value();
    const int index = append(makeIcon());
    m_byKey.insert(key, index);
    return index;
}

int ImageList::append(const QIcon& icon)
{
    m_icons.push_back(icon);
    return int(m_icons.size()) - 1;
}

void ImageList::removeLast()
{
    if (m_icons.empty())
        return;
    const int last = int(m_icons.size()) - 1;
    // A kind whose icon sits in the last slot must not point past the end.
    for (auto it = m_byKey.begin(); it != m_byKey.end();)
        it = it.value() == last ? m_byKey.erase(it) : std::next(it);
    for (auto it = m_bySuffix.begin(); it != m_bySuffix.end();)
        it = it.value() == last ? m_bySuffix.erase(it) : std::next(it);
    m_icons.pop_back();
}

QIcon ImageList::icon(int index) const
{
    if (index < 0 || index >= int(m_icons.size()))
        return QIcon();
    return m_icons[size_t(index)];
}

int ImageList::driveIconIndex(DriveType type)
{
    return indexForKey(QStringLiteral("drive:") + QString::number(int(type)), [type] {
        const QIcon drive = providerIcon(QAbstractFileIconProvider::Drive);
        switch (type) {
        case DriveType::Removable:
            return themed("drive-removable-media", drive);
        case DriveType::CDRom:
            return themed("media-optical", drive);
        case DriveType::Remote:
            return themed("folder-remote", providerIcon(QAbstractFileIconProvider::Network));
        case DriveType::RamDisk:
            return themed("media-flash", drive);
        case DriveType::Fixed:
        case DriveType::Unknown:
        case DriveType::NoRoot:
            break;
        }
        return themed("drive-harddisk", drive);
    });
}

int ImageList::computerIconIndex()
{
    return indexForKey(QStringLiteral("computer"), [] {
        return themed("computer", providerIcon(QAbstractFileIconProvider::Computer));
    });
}

bool ImageList::mountPointType(const QString& path, DriveType& type)
{
    if (!m_mountsAge.isValid() || m_mountsAge.elapsed() > mountTableMaxAgeMs) {
        m_mounts.clear();
        for (const Volume& volume : listVolumes())
            m_mounts.insert(volume.mountPoint, volume.type);
        m_mountsAge.start();
    }
    const auto it = m_mounts.constFind(withoutTrailingSeparator(path));
    if (it == m_mounts.constEnd())
        return false;
    type = it.value();
    return true;
}

int ImageList::fileIconIndex(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    // "." keeps a suffix apart from a whole name without one ("mp3" against "x.mp3").
    const QString suffixKey = dot > 0 ? name.mid(dot).toLower() : name;
    const auto cached = m_bySuffix.constFind(suffixKey);
    if (cached != m_bySuffix.constEnd())
        return cached.value();
    static const QMimeDatabase database;
    const QMimeType mime = database.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    const int index = indexForKey(QStringLiteral("mime:") + mime.name(), [&mime] {
        const QIcon generic =
            QIcon::fromTheme(mime.genericIconName(), providerIcon(QAbstractFileIconProvider::File));
        return QIcon::fromTheme(mime.iconName(), generic);
    });
    m_bySuffix.insert(suffixKey, index);
    return index;
}

int ImageList::iconIndexFor(const QString& path, bool isDir, bool open)
{
    if (!isDir)
        return fileIconIndex(path.mid(path.lastIndexOf(u'/') + 1));
    DriveType type;
    if (!path.isEmpty() && mountPointType(path, type))
        return driveIconIndex(type);
    if (withoutTrailingSeparator(path) == QDir::homePath())
        return indexForKey(QStringLiteral("home"),
                           [] { return themed("user-home", styleIcon(QStyle::SP_DirHomeIcon)); });
    if (open)
        return indexForKey(QStringLiteral("folder-open"),
                           [] { return themed("folder-open", styleIcon(QStyle::SP_DirOpenIcon)); });
    return indexForKey(QStringLiteral("folder"), [] {
        return themed("folder", providerIcon(QAbstractFileIconProvider::Folder));
    });
}

} // namespace platform
