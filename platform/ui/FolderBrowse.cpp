#include "platform/ui/FolderBrowse.h"

#include <QFileDialog>

namespace platform {

QString browseForFolder(QWidget* owner, const QString& title, const QString& startFolder,
                        bool includeFiles)
{
    const QFileDialog::Options options =
        includeFiles ? QFileDialog::Options() : QFileDialog::Options(QFileDialog::ShowDirsOnly);
    return QFileDialog::getExistingDirectory(owner, title, startFolder, options);
}

} // namespace platform
