#include "platform/ui/PropertiesDialog.h"

#include "platform/DirEnum.h"
#include "platform/TreeSize.h"
#include "platform/TypeNames.h"

#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <sys/stat.h>

namespace platform {

namespace {

QString permissionText(mode_t mode)
{
    QString text;
    const char letters[] = "rwxrwxrwx";
    for (int bit = 0; bit < 9; ++bit)
        text += (mode & (0400u >> bit)) ? QLatin1Char(letters[bit]) : QLatin1Char('-');
    return text;
}

QString sizeText(const QString& pattern, qint64 bytes)
{
    const QLocale locale;
    return pattern.arg(locale.formattedDataSize(bytes), locale.toString(bytes));
}

} // namespace

PropertiesDialog::PropertiesDialog(const QByteArray& path, QWidget* parent,
                                   const PropertiesTexts& texts)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PropertiesDialog"));
    QByteArray clean = path;
    while (clean.size() > 1 && clean.endsWith('/'))
        clean.chop(1);
    const qsizetype slash = clean.lastIndexOf('/');
    const QString name = displayName(slash < 0 ? clean : clean.mid(slash + 1));
    const QString location =
        slash < 0 ? QString() : displayName(slash == 0 ? QByteArray("/") : clean.left(slash));
    struct stat st = {};
    const bool found = ::lstat(clean.constData(), &st) == 0;
    const bool isDir = found && S_ISDIR(st.st_mode);
    setWindowTitle(texts.title.arg(name));

    QString size;
    if (found && isDir) {
        // Counting a big tree takes a moment.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const TreeTotals totals = measureTree(clean);
        QApplication::restoreOverrideCursor();
        size = sizeText(texts.sizeBytes, totals.bytes) +
               texts.folderCounts.arg(totals.files).arg(totals.folders);
    } else if (found) {
        size = sizeText(texts.sizeBytes, qint64(st.st_size));
    }
    const QDateTime modified = QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 +
                                                              st.st_mtim.tv_nsec / 1000000);

    auto* form = new QFormLayout;
    addRow(form, texts.name, "NameValue", name);
    addRow(form, texts.type, "TypeValue", found ? typeNameFor(name, isDir) : QString());
    addRow(form, texts.location, "LocationValue", location);
    addRow(form, texts.size, "SizeValue", size);
    addRow(form, texts.modified, "ModifiedValue",
           found ? QLocale().toString(modified, QLocale::ShortFormat) : QString());
    addRow(form, texts.permissions, "PermissionsValue",
           found ? permissionText(st.st_mode) : QString());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void PropertiesDialog::addRow(QFormLayout* form, const QString& caption, const char* objectName,
                              const QString& value)
{
    auto* label = new QLabel(value, this);
    label->setObjectName(QLatin1String(objectName));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(caption, label);
}

} // namespace platform
