#include "explorer/VxFileListOperations.h"

#include "explorer/VxFilelistView28.h"

VxFileListOperations::VxFileListOperations(TVxFilelistView28* list) : QObject(list), m_list(list) {}

void VxFileListOperations::Open() {}
void VxFileListOperations::View() {}
void VxFileListOperations::Find() {}
void VxFileListOperations::Cut() {}
void VxFileListOperations::Copy() {}
void VxFileListOperations::Paste() {}
void VxFileListOperations::Delete() {}
void VxFileListOperations::NewFolder() {}
void VxFileListOperations::Properties() {}
void VxFileListOperations::SendToFolder(const QString&) {}
void VxFileListOperations::SendToRemovableDrive(const QString&) {}
void VxFileListOperations::SendThroughShortcut(const QString&) {}
void VxFileListOperations::SendToAnyFolder() {}
void VxFileListOperations::CopyContentsToClipboard() {}
void VxFileListOperations::CopyNamesToClipboard() {}
void VxFileListOperations::CreateDesktopShortcut() {}
void VxFileListOperations::DropFiles(const QStringList&) {}

bool VxFileListOperations::canPaste() const
{
    return false;
}
