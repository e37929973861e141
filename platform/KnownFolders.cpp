#include "platform/KnownFolders.h"

#include <QStandardPaths>

namespace platform {

QString specialFolderPath(SpecialFolder folder)
{
    switch (folder) {
    case SpecialFolder::Desktop:
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case SpecialFolder::Documents:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case SpecialFolder::Programs:
    case SpecialFolder::StartMenu:
        return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    case SpecialFolder::SendTo:
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/ORVEN/SendTo");
    case SpecialFolder::StartUp:
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/autostart");
    case SpecialFolder::SystemPrograms:
        return QStringLiteral("/usr/bin");
    case SpecialFolder::SystemLibraries:
        return QStringLiteral("/usr/lib");
    case SpecialFolder::Favorites:
    case SpecialFolder::NetHood:
        break;
    }
    return QString();
}

} // namespace platform
