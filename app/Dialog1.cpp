#include "app/Dialog1.h"

#include "app/Pictures.h"
#include "core/Text.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

const char AboutPage[] = "https://orven.example/file-vivider";

QLabel* addCentredText(QWidget* parent, const char* name, const QRect& geometry, int pixelSize)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    return label;
}

} // namespace

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(313, 114);
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(8, 8, 297, 73);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(pictures::aboutLogo());
    image->setGeometry(16, 16, 128, 54);

    m_staticText1 = addCentredText(this, "StaticText1", QRect(152, 19, 145, 20), 13);
    m_staticText2 = addCentredText(this, "StaticText2", QRect(152, 40, 145, 18), 11);
    m_staticText3 = addCentredText(this, "StaticText3", QRect(152, 59, 145, 18), 13);
    m_staticText3->setTextFormat(Qt::RichText);
    m_staticText3->setOpenExternalLinks(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setGeometry(231, 84, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    FormActivate();
}

void TOKBottomDlg::FormActivate()
{
    setWindowTitle(text::entry(text::AboutTexts, 0));
    m_staticText1->setText(text::entry(text::AboutTexts, 1));
    m_staticText2->setText(text::entry(text::AboutTexts, 2));
    // The short address is shown; the link behind it opens the program's page.
    m_staticText3->setText(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(QLatin1String(AboutPage), text::entry(text::AboutTexts, 3).toHtmlEscaped()));
}

bool TOKBottomDlg::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TOKBottomDlg::showEvent(QShowEvent* event)
{
    // Activation may come late or not at all on some platforms; the texts must be right
    // before the dialog is first painted.
    FormActivate();
    QDialog::showEvent(event);
}
