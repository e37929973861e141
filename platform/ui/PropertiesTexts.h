#pragma once

#include <QString>

namespace platform {

// The captions of the properties dialog, in English unless the caller words them otherwise.
struct PropertiesTexts
{
    QString title = QStringLiteral("%1 Properties");
    QString name = QStringLiteral("Name:");
    QString type = QStringLiteral("Type:");
    QString location = QStringLiteral("Location:");
    QString size = QStringLiteral("Size:");
    QString modified = QStringLiteral("Modified:");
    QString permissions = QStringLiteral("Permissions:");
    // %1 the size in units, %2 in bytes.
    QString sizeBytes = QStringLiteral("%1 (%2 bytes)");
    // After a folder's size: %1 files, %2 folders.
    QString folderCounts = QStringLiteral(", %1 files, %2 folders");
};

} // namespace platform
