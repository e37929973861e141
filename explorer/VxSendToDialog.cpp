#include "explorer/VxSendToDialog.h"

#include "explorer/VxShellUtils.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int MaxPathLength = 285;

QPushButton* addButton(QWidget* dialog, const QString& name, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(name);
    button->setGeometry(left, 80, 75, 25);
    return button;
}

} // namespace

VxSendToDialog::VxSendToDialog(QWidget* parent, TLanguage language, const QString& path)
    : QDialog(parent), m_path(new QLineEdit(this))
{
    setObjectName(QStringLiteral("SendToDialog"));
    setWindowTitle(VxText(language, VxKey::SendToAnyFolder));
    setFixedSize(333, 135);

    auto* label = new QLabel(VxText(language, VxKey::EnterSendToPath), this);
    label->setObjectName(QStringLiteral("Label"));
    label->move(20, 12);
    label->adjustSize();

    m_path->setObjectName(QStringLiteral("PathEdit"));
    m_path->setGeometry(20, 32, 293, m_path->sizeHint().height());
    m_path->setMaxLength(MaxPathLength);
    m_path->setText(path);
    m_path->selectAll();

    QPushButton* ok = addButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"), 37);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = addButton(this, QStringLiteral("CancelButton"),
                                    VxText(language, VxKey::CancelCaption), 129);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    QPushButton* browse = addButton(this, QStringLiteral("BrowseButton"),
                                    VxText(language, VxKey::BrowseCaption), 221);
    connect(browse, &QPushButton::clicked, this, [this] { done(BrowseResult); });
}

QString VxSendToDialog::path() const
{
    return m_path->text();
}

QString VxSendToDialog::ask(QWidget* parent, TLanguage language, QString path)
{
    for (;;) {
        VxSendToDialog dialog(parent, language, path);
        const int result = dialog.exec();
        if (result == QDialog::Accepted)
            return dialog.path();
        if (result != BrowseResult || !BrowseFolderDialog(&dialog, path, brDesktop, false))
            return QString();
    }
}
