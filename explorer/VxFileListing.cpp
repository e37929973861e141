#include "explorer/VxFileListing.h"

#include "explorer/ListingTexts.h"
#include "explorer/VxFileListRules.h"
#include "explorer/VxFileListTexts.h"
#include "explorer/VxPathUtils.h"
#include "platform/DirEnum.h"
#include "platform/Volumes.h"

#include <memory>
#include <vector>

namespace vxfilelist {

namespace {

constexpr quint32 kFolderBit = 0x10;
constexpr quint32 kFilteredBits = 0x01 | 0x02 | 0x04;

// Windows-style masks: a pattern ending in ".*" also matches a name without an
// extension, so
// "*.*" lists every name.
bool matchesMask(const QByteArray& pattern, const QByteArray& name)
{
    if (platform::wildcardMatch(pattern, name))
        return true;
    return pattern.endsWith(".*") && platform::wildcardMatch(pattern.chopped(2), name);
}

ListingRow entryRow(platform::DirEntry&& entry, const std::shared_ptr<const ListingTexts>& texts)
{
    ListingRow row;
    row.size = entry.size;
    row.mtimeNsec = entry.mtimeNsec;
    row.attributes = entry.attributes;
    row.special = entry.special;
    row.texts = texts;
    if (entry.name == "..") {
        row.kind = ListingRow::Kind::Parent;
    } else {
        row.kind =
            (entry.attributes & kFolderBit) ? ListingRow::Kind::Folder : ListingRow::Kind::File;
        row.nameBytes = std::move(entry.name);
    }
    return row;
}

} // namespace

bool addFiles(QVector<ListingRow>& rows, const QString& directory, const QString& pattern,
              quint32 mask, const VxListingOptions& options, int* readError,
              std::vector<QByteArray>* allNames)
{
    const qsizetype split = pattern.lastIndexOf(QLatin1Char('/'));
    const QString folder = split < 0 ? directory : pattern.left(split + 1);
    return addFiles(rows, platform::encodePath(folder),
                    platform::encodePath(pattern.mid(split + 1)), mask, options, nullptr, readError,
                    allNames);
}

bool addFiles(QVector<ListingRow>& rows, const QByteArray& directory, const QByteArray& namePattern,
              quint32 mask, const VxListingOptions& options, bool* readable, int* readError,
              std::vector<QByteArray>* allNames)
{
    const QString folder = platform::displayName(directory);

    // A ".*" pattern needs the names without extension too, so the platform lists
    // them all.
    const bool widened = namePattern.endsWith(".*");
    std::vector<platform::DirEntry> entries;
    const bool read = platform::enumerateDirectory(
        directory, widened ? QByteArray("*") : namePattern, entries, readError, allNames);
    if (readable)
        *readable = read;
    if (!read)
        return false;

    ListingTexts::Options textOptions;
    textOptions.folder = folder;
    textOptions.parentDirCaption = options.parentDirCaption;
    textOptions.hideFileExt = options.hideFileExt;
    textOptions.fileSize = options.fileSize;
    textOptions.datePattern = options.datePattern;
    textOptions.timePattern = options.timePattern;
    const auto texts = std::make_shared<const ListingTexts>(textOptions);
    const qsizetype before = rows.size();
    rows.reserve(before + qsizetype(entries.size()));
    for (platform::DirEntry& entry : entries) {
        if (widened && !matchesMask(namePattern, entry.name))
            continue;
        if ((entry.attributes & kFolderBit) != (mask & kFolderBit))
            continue;
        if (entry.attributes & kFilteredBits & ~mask)
            continue;
        if (entry.name == "." || (entry.name == ".." && !options.parentDirEnabled))
            continue;
        rows.append(entryRow(std::move(entry), texts));
    }
    return rows.size() > before;
}

void addDrives(QVector<ListingRow>& rows, TLanguage language, const QLocale& locale)
{
    for (const platform::Volume& volume : platform::listVolumes()) {
        ListingRow row;
        row.kind = ListingRow::Kind::Drive;
        qint64 totalKB = 0;
        qint64 freeKB = 0;
        if (!skipsDriveSizes(volume.type)) {
            totalKB = driveKilobytes(platform::volumeTotalBytes(volume.mountPoint));
            freeKB = driveKilobytes(platform::volumeFreeBytes(volume.mountPoint));
        }
        row.fixedTexts << driveCaption(volume.mountPoint, volume.label)
                       << driveTypeText(volume.type, language) << driveSpaceText(totalKB, locale)
                       << driveSpaceText(freeKB, locale) << QString()
                       << EnsureTrailingBackslash(volume.mountPoint) << QStringLiteral("drv");
        rows.append(row);
    }
}

} // namespace vxfilelist
