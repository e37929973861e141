#include "app/Main.h"
#include "app/TrackListModel.h"
#include "core/SettingsFile.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <memory>

namespace {

const QByteArray EnglishFile = QByteArrayLiteral("\r\n\r\nEnglish\r\n");

// A main window on the folder "music" of a temporary folder, its settings file beside it.
struct Window
{
    Window()
    {
        QVERIFY(dir.createFile(QStringLiteral("exe/ORVENFR.cfg"), EnglishFile));
        for (const char* name : {"01 - Intro.mp3", "2001 A Space Odyssey.mp3", "02 - Outro.mp3"})
            QVERIFY(dir.createFile(QStringLiteral("music/") + QLatin1String(name), name));
        open();
    }
    void open()
    {
        form = std::make_unique<TForm1>(
            SettingsFile(dir.filePath(QStringLiteral("exe/ORVENFR.cfg")), QString()));
        form->openStartFolder(dir.pathBytes() + "/music");
    }
    QCheckBox* option() const
    {
        return form->findChild<QCheckBox*>(QStringLiteral("OldNumberBox"));
    }
    QStringList previews() const
    {
        QStringList texts;
        for (const TrackRow& row : form->trackListModel()->rows())
            texts.append(TrackListModel::columnText(row, TrackListModel::PreviewColumn));
        return texts;
    }

    TestDir dir;
    std::unique_ptr<TForm1> form;
};

} // namespace

// The Operation group's option that drops old track numbers from titles, and the playlist type
// of File > Export, in the main window.
class TestTrackOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QStringLiteral("ORVEN"), QStringLiteral("ORVENFR")).clear(); }

    void optionIsOffAndRemembered()
    {
        Window w;
        QVERIFY(w.option());
        QVERIFY(!w.option()->isChecked());
        QCOMPARE(w.previews(), (QStringList{u"00001 01 - Intro"_qs, u"00002 02 - Outro"_qs,
                                            u"00003 2001 A Space Odyssey"_qs}));

        QTest::mouseClick(w.option(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(4, w.option()->height() / 2));
        QVERIFY(w.option()->isChecked());
        QCOMPARE(w.previews(), (QStringList{u"00001 Intro"_qs, u"00002 Outro"_qs,
                                            u"00003 2001 A Space Odyssey"_qs}));

        w.form->close();
        w.open();
        QVERIFY(w.option()->isChecked());
        QCOMPARE(w.previews().constFirst(), u"00001 Intro"_qs);
        // The settings file keeps its three lines: the option is not among them.
        QCOMPARE(w.dir.read(QStringLiteral("exe/ORVENFR.cfg")),
                 SettingsFile::bytesForLanguage(text::English));
    }

    // A choice that cannot be saved is reported, and holds until the window closes.
    void optionThatCannotBeSaved()
    {
        const QString file =
            QSettings(QStringLiteral("ORVEN"), QStringLiteral("ORVENFR")).fileName();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        const auto cleanup = qScopeGuard([&file] { QDir().rmdir(file); });
        Window w;
        ModalAnswerer boxes({QMessageBox::Ok});
        w.option()->click();
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts.constFirst().contains(file), qPrintable(boxes.texts.constFirst()));
        QVERIFY(w.option()->isChecked());
        QCOMPARE(w.previews().constFirst(), u"00001 Intro"_qs);
    }

    void optionTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("playlistType");
        QTest::newRow("french") << u"French1"_qs << u"Retirer l'ancien num\u00E9ro des titres"_qs
                                << u"Liste de lecture (*.m3u8)"_qs;
        QTest::newRow("english") << u"English1"_qs << u"Drop the old track number from titles"_qs
                                 << u"Playlist (*.m3u8)"_qs;
    }
    void optionTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        QFETCH(QString, playlistType);
        Window w;
        w.form->findChild<QAction*>(language)->trigger();
        QCOMPARE(w.option()->text(), caption);
        // The whole caption shows inside the group.
        QVERIFY(w.option()->width() >= w.option()->sizeHint().width());
        const auto* dialog = w.form->findChild<QFileDialog*>(QStringLiteral("SaveDialog2"));
        QCOMPARE(dialog->nameFilters(), (QStringList{u"DB text (*.txt)"_qs, playlistType}));
    }

    // The type chosen in the save dialog decides what is written, in the list's order; a name
    // typed without its extension gets the one of the type.
    void exportWritesTheChosenType_data()
    {
        QTest::addColumn<int>("typeSteps");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << 0 << u"list.txt"_qs
                              << QByteArray(
                                     ";02 - Outro\r\n;2001 A Space Odyssey\r\n;01 - Intro\r\n");
        QTest::newRow("playlist")
            << 1 << u"list.m3u8"_qs
            << QByteArray("#EXTM3U\n02 - Outro.mp3\n2001 A Space Odyssey.mp3\n01 - Intro.mp3\n");
    }
    void exportWritesTheChosenType()
    {
        QFETCH(int, typeSteps);
        QFETCH(QString, written);
        QFETCH(QByteArray, bytes);
        Window w;
        // The order made by hand is the one written: the first row goes to the bottom.
        auto* list = w.form->findChild<QTreeView*>(QStringLiteral("ListView1"));
        list->setCurrentIndex(list->model()->index(0, 0));
        w.form->findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->click();
        ModalAnswerer boxes;
        boxes.handle([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dialog->setDirectory(w.dir.filePath(QStringLiteral("music")));
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types);
            for (int step = 0; step < typeSteps; ++step)
                QTest::keyClick(types, Qt::Key_Down);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("list"));
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        w.form->Export1Click();
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(w.dir.read(QStringLiteral("music/") + written), bytes);
    }
};

QTEST_MAIN(TestTrackOptions)
#include "tst_trackoptions.moc"
