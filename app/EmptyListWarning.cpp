#include "app/EmptyListWarning.h"

#include "app/MessageBoxes.h"
#include "core/Text.h"
#include "explorer/VxFilelistView28.h"

#include <QDir>

namespace messageboxes {

void warnEmptyList(QWidget* parent, const TVxFilelistView28& fileList)
{
    const QString reason = fileList.readErrorText();
    showWarning(parent, reason.isEmpty()
                            ? text::entry(text::MessageTexts, 1)
                            : text::entry(text::WindowMessageTexts, 3)
                                  .arg(QDir::toNativeSeparators(fileList.Directory()), reason));
}

} // namespace messageboxes
