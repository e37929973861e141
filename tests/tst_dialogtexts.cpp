#include "app/Dialog1.h"
#include "app/ProgessBar.h"
#include "core/Text.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

namespace {

// The metric-compatible font that stands in for the Arial the dialogs ask for.
const QString MetricFont = QStringLiteral("Liberation Sans");

QString shownText(const QLabel* label)
{
    if (label->textFormat() != Qt::RichText)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

// The texts of `dialog`'s labels and buttons that do not fit their widget, as "name: text".
QStringList overflowing(const QWidget& dialog)
{
    QStringList wrong;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        const QString text = shownText(label);
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height())
            wrong.append(label->objectName() + u": "_qs + text);
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        // A button's frame takes a few pixels on each side.
        constexpr int Frame = 4;
        if (QFontMetrics(button->font()).horizontalAdvance(button->text()) >
            button->width() - 2 * Frame)
            wrong.append(button->objectName() + u": "_qs + button->text());
    }
    return wrong;
}

// Takes the links the program asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace

// The fixed-size dialogs at the font their layout is drawn for: every text fits its place, in
// both languages.
class TestDialogTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { text::setLanguageIndex(text::English); }
    void aboutTextsFit_data();
    void aboutTextsFit();
    void aboutLinkOpensThePage();
    void progressTextsFit_data();
    void progressTextsFit();
    void screenshots();
};

void TestDialogTexts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    if (!QFontDatabase::families().contains(MetricFont))
        QSKIP("Liberation Sans is not installed (Debian package fonts-liberation2): the texts "
              "cannot be measured at the font the layout is drawn for");
}

void TestDialogTexts::aboutTextsFit_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("french") << int(text::French) << u"A propos de ORVEN File Vivider"_qs;
    QTest::newRow("english") << int(text::English) << u"About ORVEN File Vivider"_qs;
}

void TestDialogTexts::aboutTextsFit()
{
    QFETCH(int, language);
    QFETCH(QString, caption);
    text::setLanguageIndex(text::LanguageIndex(language));
    TOKBottomDlg about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.windowTitle(), caption);
    QCOMPARE(QFontInfo(about.font()).family(), MetricFont);
    QCOMPARE(shownText(about.findChild<QLabel*>(u"StaticText3"_qs)), u"orven.example"_qs);
    const QStringList wrong = overflowing(about);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", "_qs)));
}

// The short address is a link to the program's whole page.
void TestDialogTexts::aboutLinkOpensThePage()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(u"https"_qs, &catcher, "open");
    TOKBottomDlg about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* address = about.findChild<QLabel*>(u"StaticText3"_qs);
    QTest::mouseClick(address, Qt::LeftButton, {}, address->rect().center());
    QDesktopServices::unsetUrlHandler(u"https"_qs);
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(u"https://orven.example/file-vivider"_qs)});
}

void TestDialogTexts::progressTextsFit_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("rows");
    QTest::newRow("french/one") << int(text::French) << 1;
    QTest::newRow("french/hundred-thousand") << int(text::French) << 100000;
    QTest::newRow("english/hundred-thousand") << int(text::English) << 100000;
}

// The count under the bar fits at the sizes a big folder gives, and so does the Cancel button.
void TestDialogTexts::progressTextsFit()
{
    QFETCH(int, language);
    QFETCH(int, rows);
    text::setLanguageIndex(text::LanguageIndex(language));
    TOKBottomDlg1 progress;
    QStringList wrong;
    progress.setRun({rows,
                     [&](int row) {
                         if (row == rows - 1) {
                             wrong = overflowing(progress);
                             if (!progress.cancelButton()->isVisible())
                                 wrong.append(u"CancelButton hidden"_qs);
                         }
                         return true;
                     },
                     [] {}});
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &progress, &QDialog::reject);
    watchdog.start(20000);
    QCOMPARE(progress.exec(), int(QDialog::Accepted));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", "_qs)));
    const QStringList after = overflowing(progress);
    QVERIFY2(after.isEmpty(), qPrintable(after.join(u", "_qs)));
}

// The about box in both languages for the documentation, made only when SCREENSHOT_DIR names a
// folder.
void TestDialogTexts::screenshots()
{
    const QString folder = qEnvironmentVariable("SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("SCREENSHOT_DIR is not set");
    for (const auto& [language, file] : {std::pair(text::French, u"/about-fr.png"_qs),
                                         std::pair(text::English, u"/about-en.png"_qs)}) {
        text::setLanguageIndex(language);
        TOKBottomDlg about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        // No window manager draws a title bar here: a band above the dialog shows its caption,
        // the one text that tells the languages apart.
        const QPixmap body = about.grab();
        constexpr int Band = 22;
        QPixmap picture(body.width(), body.height() + Band);
        picture.fill(QColor(0xd6, 0xd6, 0xd6));
        QPainter painter(&picture);
        painter.setFont(about.font());
        painter.drawText(QRect(8, 0, body.width() - 16, Band), Qt::AlignVCenter | Qt::AlignLeft,
                         about.windowTitle());
        painter.drawPixmap(0, Band, body);
        painter.end();
        QVERIFY(picture.save(folder + file));
    }
}

QTEST_MAIN(TestDialogTexts)
#include "tst_dialogtexts.moc"
