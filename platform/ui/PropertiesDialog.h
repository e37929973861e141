#pragma once

#include "platform/ui/PropertiesTexts.h"

#include <QByteArray>
#include <QDialog>

class QFormLayout;

namespace platform {

// The properties of a file or folder: name, type, location, size (a folder's total, counted
// when the dialog is made), modification time and permissions. The values sit in labels named
// "NameValue", "TypeValue", "LocationValue", "SizeValue", "ModifiedValue" and
// "PermissionsValue"; the captions come from `texts`.
class PropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    // `path` as the file system's bytes; it must exist (a missing entry shows empty values).
    explicit PropertiesDialog(const QByteArray& path, QWidget* parent = nullptr,
                              const PropertiesTexts& texts = {});

private:
    void addRow(QFormLayout* form, const QString& caption, const char* objectName,
                const QString& value);
};

} // namespace platform
