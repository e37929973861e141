#include "explorer/VxFileListTexts.h"

#include "explorer/VxPathUtils.h"

#include <array>

namespace vxfilelist {

namespace {

constexpr quint32 kReadOnly = 0x01;
constexpr quint32 kHidden = 0x02;
constexpr quint32 kSystem = 0x04;
constexpr quint32 kArchive = 0x20;

// Every row of a folder shares one of these sixteen texts instead of holding
// its own copy.
const std::array<QString, 16>& attributeTexts()
{
    static const std::array<QString, 16> texts = [] {
        std::array<QString, 16> made;
        for (int bits = 0; bits < 16; ++bits) {
            QString text;
            if (bits & 8)
                text += QLatin1Char('A');
            if (bits & 1)
                text += QLatin1Char('R');
            if (bits & 2)
                text += QLatin1Char('H');
            if (bits & 4)
                text += QLatin1Char('S');
            made[size_t(bits)] = text;
        }
        return made;
    }();
    return texts;
}

QString groupedDigits(qint64 value, const QString& separator)
{
    const QString digits = QString::number(value);
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits.at(i);
    }
    return grouped;
}

} // namespace

QString attributesText(quint32 attributes)
{
    const int bits = ((attributes & kArchive) ? 8 : 0) | ((attributes & kReadOnly) ? 1 : 0) |
                     ((attributes & kHidden) ? 2 : 0) | ((attributes & kSystem) ? 4 : 0);
    return attributeTexts()[size_t(bits)];
}

QString sizeText(bool isDir, qint64 size, TFileSize unit)
{
    static const QString blank = QStringLiteral(" ");
    if (isDir)
        return blank;
    if (unit == fsByte)
        return QString::number(size);
    return FormatSizeKB(QStringLiteral("file"), size);
}

QString timeKeyText(qint64 mtimeNsec)
{
    return QString::number(mtimeNsec);
}

QString driveSpaceText(qint64 kilobytes, const QLocale& locale)
{
    static const QString unit = QStringLiteral(" Mb");
    if (kilobytes < 1)
        return QLatin1Char('0') + unit;
    const qint64 megabytes = kilobytes / 1000;
    if (megabytes == 0)
        return unit;
    return groupedDigits(megabytes, locale.groupSeparator()) + unit;
}

qint64 driveKilobytes(qint64 bytes)
{
    return bytes > 0 ? bytes / 1024 : 0;
}

bool skipsDriveSizes(platform::DriveType type)
{
    return type == platform::DriveType::Removable || type == platform::DriveType::CDRom;
}

QString driveCaption(const QString& mountPoint, const QString& label)
{
    const QString caption = QStringLiteral(" (") + mountPoint + QStringLiteral(")  ");
    if (label.isEmpty() || label == mountPoint)
        return caption;
    const QString displayName = label + QStringLiteral(" (") + mountPoint + QLatin1Char(')');
    return caption + displayName.left(displayName.indexOf(QLatin1Char('(')));
}

QString driveTypeText(platform::DriveType type, TLanguage language)
{
    switch (type) {
    case platform::DriveType::NoRoot:
        return VxText(language, VxKey::DriveNoRoot);
    case platform::DriveType::Removable:
        return VxText(language, VxKey::DriveRemovable);
    case platform::DriveType::Fixed:
        return VxText(language, VxKey::DriveFixed);
    case platform::DriveType::Remote:
        return VxText(language, VxKey::DriveRemote);
    case platform::DriveType::CDRom:
        return VxText(language, VxKey::DriveCDRom);
    case platform::DriveType::RamDisk:
        return VxText(language, VxKey::DriveRamDisk);
    case platform::DriveType::Unknown:
        break;
    }
    return VxText(language, VxKey::DriveUnknown);
}

} // namespace vxfilelist
