#pragma once

#include "explorer/VxConsts.h"
#include "explorer/VxFileListTypes.h"
#include "platform/Volumes.h"

#include <QLocale>
#include <QString>

// The field texts of the file list view's rows.
namespace vxfilelist {

// The letters A (0x20), R (0x01), H (0x02), S (0x04) of the bits that are set, in that order.
QString attributesText(quint32 attributes);

// " " for a folder; for a file its size in whole kilobytes ("4460 KB", 1 to 1023 bytes counting
// as 1 KB) or in bytes ("4567890"), without digit grouping.
QString sizeText(bool isDir, qint64 size, TFileSize unit);

// The modification time as the text the Modified sort reads back: nanoseconds since 1970 UTC.
QString timeKeyText(qint64 mtimeNsec);

// A drive's capacity or free space of `kilobytes` (units of 1024 bytes): "0 Mb" below 1,
// otherwise kilobytes div 1000 with the locale's thousands separator and " Mb" ("80,000 Mb");
// 1 to 999 give " Mb", a zero printing no digit.
QString driveSpaceText(qint64 kilobytes, const QLocale& locale);

// The kilobytes a drive row shows for a byte count; a drive that cannot be read (-1) gives 0.
qint64 driveKilobytes(qint64 bytes);

// True for the drive types whose sizes are never asked (a removable or optical medium may be
// absent or slow to spin up).
bool skipsDriveSizes(platform::DriveType type);

// The caption of a volume in the drives view and in the folder tree: " (" + mount point + ")  "
// and the part of the volume's display name ("label (mount point)") before its first "(";
// a volume without a label shows the mount point alone.
QString driveCaption(const QString& mountPoint, const QString& label);

// The drive type text in `language`: "Fixed Disk", "Disque amovible", ...
QString driveTypeText(platform::DriveType type, TLanguage language);

} // namespace vxfilelist
