#pragma once

#include "explorer/VxConsts.h"

#include <QDialog>
#include <QString>

class QLineEdit;

// Asks for the folder to send the selected files to: a path typed in, or picked with Browse
// in the folder dialog, after which the question comes again with the picked folder.
class VxSendToDialog : public QDialog
{
    Q_OBJECT

public:
    // The result code of the Browse button.
    static constexpr int BrowseResult = 10;

    VxSendToDialog(QWidget* parent, TLanguage language, const QString& path);

    QString path() const;

    // Shows the dialog until a folder is typed or nothing is; empty when cancelled.
    static QString ask(QWidget* parent, TLanguage language, QString path);

private:
    QLineEdit* m_path;
};
