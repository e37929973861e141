#include "explorer/VxFileListing.h"

#include "explorer/VxDateTimePattern.h"
#include "explorer/VxFileListRules.h"
#include "explorer/VxFileListTexts.h"
#include "explorer/VxPathUtils.h"
#include "platform/DirEnum.h"
#include "platform/LocalTime.h"
#include "platform/Volumes.h"

#include <vector>

namespace vxfilelist {

namespace {

constexpr quint32 kFolderBit = 0x10;
constexpr quint32 kFilteredBits = 0x01 | 0x02 | 0x04;
constexpr qint64 kNsecPerSec = 1000000000LL;

const QString& blankText()
{
    static const QString text = QStringLiteral(" ");
    return text;
}

const QString& dirKind()
{
    static const QString text = QStringLiteral("dir");
    return text;
}

const QString& fileKind()
{
    static const QString text = QStringLiteral("file");
    return text;
}

// The modified text depends on the whole second only (the patterns have no
// finer token), and the files of a folder often share their seconds, so rows
// share the texts too: a small cache indexed by the second, which costs
// nothing to look up when every file has a time of its own. The pattern is read
// once for the whole pass.
class ModifiedTexts
{
public:
    ModifiedTexts(const QString& datePattern, const QString& timePattern)
        : m_pattern(datePattern + u' ' + timePattern, VxFormatSettings::runtime()), m_slots(kSlots)
    {
    }

    QString textFor(qint64 mtimeNsec)
    {
        qint64 seconds = mtimeNsec / kNsecPerSec;
        if (mtimeNsec % kNsecPerSec < 0)
            --seconds;
        Slot& slot = m_slots[size_t(quint64(seconds) % kSlots)];
        if (!slot.filled || slot.seconds != seconds) {
            slot.filled = true;
            slot.seconds = seconds;
            slot.text = FileTimeToText(seconds * kNsecPerSec, m_pattern);
        }
        return slot.text;
    }

private:
    static constexpr size_t kSlots = 4096;
    struct Slot
    {
        bool filled = false;
        qint64 seconds = 0;
        QString text;
    };

    VxDateTimePattern m_pattern;
    std::vector<Slot> m_slots;
};

// Windows-style masks: a pattern ending in ".*" also matches a name without an
// extension, so
// "*.*" lists every name.
bool matchesMask(const QByteArray& pattern, const QByteArray& name)
{
    if (platform::wildcardMatch(pattern, name))
        return true;
    return pattern.endsWith(".*") && platform::wildcardMatch(pattern.chopped(2), name);
}

ListingRow entryRow(const platform::DirEntry& entry, const QString& folder,
                    const VxListingOptions& options, ModifiedTexts& modifiedTexts)
{
    const bool isDir = entry.attributes & kFolderBit;
    const bool isParent = entry.name == "..";
    const QString name = platform::displayName(entry.name);

    ListingRow row;
    row.size = entry.size;
    row.mtimeNsec = entry.mtimeNsec;
    row.subItems.reserve(7);
    if (isParent) {
        row.caption = options.parentDirCaption;
        row.subItems << blankText() << blankText() << blankText() << blankText();
    } else {
        row.nameBytes = entry.name;
        row.caption = options.hideFileExt ? captionWithoutExtension(name) : name;
        row.subItems << sizeText(isDir, entry.size, options.fileSize) << QString()
                     << modifiedTexts.textFor(entry.mtimeNsec) << attributesText(entry.attributes);
    }
    row.subItems << folder + name << (isDir ? dirKind() : fileKind())
                 << timeKeyText(entry.mtimeNsec);
    return row;
}

} // namespace

bool addFiles(QVector<ListingRow>& rows, const QString& directory, const QString& pattern,
              quint32 mask, const VxListingOptions& options)
{
    const qsizetype split = pattern.lastIndexOf(QLatin1Char('/'));
    const QString folder = split < 0 ? directory : pattern.left(split + 1);
    return addFiles(rows, platform::encodePath(folder),
                    platform::encodePath(pattern.mid(split + 1)), mask, options);
}

bool addFiles(QVector<ListingRow>& rows, const QByteArray& directory, const QByteArray& namePattern,
              quint32 mask, const VxListingOptions& options, bool* readable)
{
    const QString folder = platform::displayName(directory);

    // A ".*" pattern needs the names without extension too, so the platform lists
    // them all.
    const bool widened = namePattern.endsWith(".*");
    std::vector<platform::DirEntry> entries;
    const bool read =
        platform::enumerateDirectory(directory, widened ? QByteArray("*") : namePattern, entries);
    if (readable)
        *readable = read;
    if (!read)
        return false;

    ModifiedTexts modifiedTexts(options.datePattern, options.timePattern);
    const qsizetype before = rows.size();
    rows.reserve(before + qsizetype(entries.size()));
    for (const platform::DirEntry& entry : entries) {
        if (widened && !matchesMask(namePattern, entry.name))
            continue;
        if ((entry.attributes & kFolderBit) != (mask & kFolderBit))
            continue;
        if (entry.attributes & kFilteredBits & ~mask)
            continue;
        if (entry.name == "." || (entry.name == ".." && !options.parentDirEnabled))
            continue;
        rows.append(entryRow(entry, folder, options, modifiedTexts));
    }
    return rows.size() > before;
}

void addDrives(QVector<ListingRow>& rows, TLanguage language, const QLocale& locale)
{
    for (const platform::Volume& volume : platform::listVolumes()) {
        ListingRow row;
        row.caption =
            QStringLiteral(" (") + volume.mountPoint + QStringLiteral(")  ") + volume.label;
        qint64 totalKB = 0;
        qint64 freeKB = 0;
        if (!skipsDriveSizes(volume.type)) {
            totalKB = driveKilobytes(platform::volumeTotalBytes(volume.mountPoint));
            freeKB = driveKilobytes(platform::volumeFreeBytes(volume.mountPoint));
        }
        row.subItems << driveTypeText(volume.type, language) << driveSpaceText(totalKB, locale)
                     << driveSpaceText(freeKB, locale) << QString()
                     << EnsureTrailingBackslash(volume.mountPoint) << QStringLiteral("drv");
        rows.append(row);
    }
}

} // namespace vxfilelist
