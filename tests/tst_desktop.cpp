#include "app/Main.h"
#include "app/Pictures.h"
#include "app/TrackListModel.h"
#include "app/TrackPrint.h"
#include "core/SettingsFile.h"
#include "core/TrackRow.h"
#include "tests/support/DocumentationShots.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTime>

#include <memory>

namespace {

struct Window
{
    Window()
    {
        QVERIFY(dir.createDir(QStringLiteral("exe")));
        form = std::make_unique<TForm1>(
            SettingsFile(dir.filePath(QStringLiteral("exe/ORVENFR.cfg")),
                         dir.filePath(QStringLiteral("config/ORVEN/ORVENFR.cfg"))));
    }
    // A folder of `count` tracks, listed in the window.
    void listTracks(int count)
    {
        for (int i = 1; i <= count; ++i)
            QVERIFY(dir.createFile(QStringLiteral("music/%1 Track number %2.mp3")
                                       .arg(i, 5, 10, QLatin1Char('0'))
                                       .arg(i),
                                   "ID3"));
        form->openStartFolder(dir.pathBytes() + "/music");
        QTRY_COMPARE(form->trackListModel()->rows().size(), count);
    }
    QAction* action(const char* name) const
    {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }

    TestDir dir;
    std::unique_ptr<TForm1> form;
};

QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// WCAG's contrast ratio between two opaque colours.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// Pixels that are neither empty nor fully covered: the soft edges of the strokes.
int edgePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            count += alpha > 0 && alpha < 255;
        }
    return count;
}

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    palette.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
    return palette;
}

const pictures::Tool AllTools[] = {pictures::Tool::Rename,       pictures::Tool::MoveUp,
                                   pictures::Tool::MoveDown,     pictures::Tool::MoveToTop,
                                   pictures::Tool::MoveToBottom, pictures::Tool::Print,
                                   pictures::Tool::Exit};

} // namespace

Q_DECLARE_METATYPE(pictures::Tool)

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void saveDialogsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("languages");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("saveText");
        QTest::addColumn<QString>("cancelText");
        QTest::addColumn<QString>("pdfEntry");
        QTest::newRow("export/french") << u"French1"_qs << u"Export1"_qs << u"Enregistrer"_qs
                                       << u"Annuler"_qs << u"Exporter en P&DF..."_qs;
        QTest::newRow("export/english") << u"English1"_qs << u"Export1"_qs << u"Save"_qs
                                        << u"Cancel"_qs << u"Export as P&DF..."_qs;
        QTest::newRow("export/french-then-english")
            << u"French1 English1"_qs << u"Export1"_qs << u"Save"_qs << u"Cancel"_qs
            << u"Export as P&DF..."_qs;
        QTest::newRow("pdf/french")
            << u"English1 French1"_qs << u"ExportPdf1"_qs << u"Enregistrer"_qs << u"Annuler"_qs
            << u"Exporter en P&DF..."_qs;
        QTest::newRow("pdf/english") << u"English1"_qs << u"ExportPdf1"_qs << u"Save"_qs
                                     << u"Cancel"_qs << u"Export as P&DF..."_qs;
    }
    void saveDialogsFollowTheLanguage()
    {
        QFETCH(QString, languages);
        QFETCH(QString, command);
        QFETCH(QString, saveText);
        QFETCH(QString, cancelText);
        QFETCH(QString, pdfEntry);
        Window w;
        w.listTracks(2);
        for (const QString& language : languages.split(u' '))
            w.action(language.toLatin1().constData())->trigger();
        QCOMPARE(w.action("ExportPdf1")->text(), pdfEntry);

        QString seenSave;
        QString seenCancel;
        bool native = true;
        ModalAnswerer answerer;
        answerer.handle([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog)
                return;
            native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            if (auto* buttons = dialog->findChild<QDialogButtonBox*>()) {
                for (QAbstractButton* button : buttons->buttons()) {
                    if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                        seenSave = button->text();
                    if (buttons->buttonRole(button) == QDialogButtonBox::RejectRole)
                        seenCancel = button->text();
                }
            }
            dialog->reject();
        });
        w.action(command.toLatin1().constData())->trigger();
        QTRY_VERIFY(!seenSave.isEmpty());
        QVERIFY(!native);
        QCOMPARE(seenSave, saveText);
        QCOMPARE(seenCancel, cancelText);
    }

    void pdfExportWritesThePrintedPages_data()
    {
        QTest::addColumn<int>("tracks");
        QTest::newRow("one-page") << 3;
        QTest::newRow("several-pages") << 150;
    }
    void pdfExportWritesThePrintedPages()
    {
        QFETCH(int, tracks);
        Window w;
        w.listTracks(tracks);
        const QString exported = w.dir.filePath(QStringLiteral("export.pdf"));
        w.form->ExportTrackListPdf(exported);

        QList<TrackLine> lines;
        for (const TrackRow& row : w.form->trackListModel()->rows())
            lines.append({row.caption(), row.title()});
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString printed = w.dir.filePath(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(printed);
        QVERIFY(trackprint::PrintTrackList(printer, trackprint::PrintLines(lines),
                                           trackprint::PrintJobTitle(QTime::currentTime()))
                    .ok);

        const QString text = pdfText(exported);
        QVERIFY(text.contains(QStringLiteral("Track number %1").arg(tracks)));
        QCOMPARE(text, pdfText(printed));
        // A long list goes on over several pages, each of them in both files.
        QVERIFY(tracks < 100 || text.count(u'\f') >= 2);
    }

    void pdfExportFailureIsReported()
    {
        Window w;
        w.listTracks(2);
        ModalAnswerer boxes({QMessageBox::Ok});
        w.form->ExportTrackListPdf(w.dir.filePath(QStringLiteral("missing/folder/out.pdf")));
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts.constFirst().contains(QStringLiteral("out.pdf")),
                 qPrintable(boxes.texts.constFirst()));
        QVERIFY(!w.dir.exists(QStringLiteral("missing/folder/out.pdf")));
    }

    void picturesHaveThePixelsOfTheirRatio_data()
    {
        QTest::addColumn<pictures::Tool>("tool");
        QTest::addColumn<qreal>("ratio");
        for (const pictures::Tool tool : AllTools)
            for (const qreal ratio : {1.0, 1.5, 2.0, 3.0})
                QTest::addRow("tool%d/ratio-%g", int(tool), ratio) << tool << ratio;
    }
    void picturesHaveThePixelsOfTheirRatio()
    {
        QFETCH(pictures::Tool, tool);
        QFETCH(qreal, ratio);
        const QPixmap pixmap = pictures::toolIcon(tool).pixmap(QSize(32, 32), ratio);
        QCOMPARE(pixmap.size(), QSize(qCeil(32 * ratio), qCeil(32 * ratio)));
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        // Painted at the ratio, the soft edges grow with the outline's length only; a 1x
        // picture blown up would widen them as well.
        const int single = edgePixels(pictures::tool(tool, 1.0, QPalette()).toImage());
        QVERIFY2(edgePixels(pixmap.toImage()) < single * ratio * 1.5,
                 qPrintable(QStringLiteral("%1 edge pixels at 1x, %2 here")
                                .arg(single)
                                .arg(edgePixels(pixmap.toImage()))));
    }

    void picturesStandOutFromTheWindow_data()
    {
        QTest::addColumn<pictures::Tool>("tool");
        QTest::addColumn<QPalette>("palette");
        for (const pictures::Tool tool : AllTools) {
            QTest::addRow("tool%d/light", int(tool)) << tool << QPalette(QColor(0xef, 0xef, 0xef));
            QTest::addRow("tool%d/dark", int(tool)) << tool << darkPalette();
        }
    }
    void picturesStandOutFromTheWindow()
    {
        QFETCH(pictures::Tool, tool);
        QFETCH(QPalette, palette);
        const QColor window = palette.color(QPalette::Window);
        const QImage image = pictures::tool(tool, 2.0, palette).toImage();
        int painted = 0;
        int legible = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() < 255)
                    continue;
                ++painted;
                legible += contrast(pixel, window) >= 4.5;
            }
        QVERIFY(painted > 0);
        QVERIFY2(legible * 5 >= painted,
                 qPrintable(QStringLiteral("%1 of %2 pixels stand out").arg(legible).arg(painted)));
    }
};

int main(int argc, char* argv[])
{
    // Documentation pictures: SCREENSHOT_DIR=docs build/tests/tst_desktop screenshots
    if (argc > 1 && qstrcmp(argv[1], "screenshots") == 0)
        return documentationshots::run(argc, argv);
    QApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
