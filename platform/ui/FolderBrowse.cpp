#include "platform/ui/FolderBrowse.h"

#include <QFileDialog>

namespace platform {

QString browseForFolder(QWidget* owner, const QString& title, const QString& startFolder,
                        bool includeFiles)
{
    // Qt's own dialog speaks the program's language; a desktop's dialog ignores it.
    QFileDialog::Options options = QFileDialog::DontUseNativeDialog;
    if (!includeFiles)
        options |= QFileDialog::ShowDirsOnly;
    return QFileDialog::getExistingDirectory(owner, title, startFolder, options);
}

} // namespace platform
