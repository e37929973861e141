#include "app/Main.h"
#include "app/ProgessBar.h"
#include "app/TrackListModel.h"
#include "core/SettingsFile.h"
#include "core/Text.h"
#include "core/UndoTexts.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RunHistory.h"
#include "platform/SyncedFolder.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/RenameRun.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {

// As the window numbers the folder: in name order.
const QByteArrayList kRun{"a.mp3>00001 a.mp3", "b.mp3>00002 b.mp3", "c.mp3>00003 c.mp3"};

// A main window whose settings live in the test's folder, showing its "music" folder.
std::unique_ptr<TForm1> window(const TestDir& dir, TOKBottomDlg1* progress, bool french)
{
    auto form = std::make_unique<TForm1>(
        SettingsFile(dir.filePath(QStringLiteral("exe/ORVENFR.cfg")),
                     dir.filePath(QStringLiteral("config/ORVEN/ORVENFR.cfg"))));
    form->setProgressDialog(progress);
    if (french)
        form->French1Click();
    else
        form->English1Click();
    form->resize(720, 400);
    form->show();
    return form;
}

// The program's folder "exe", for its settings file, and the "music" folder with the files of
// the run under their old names; empty on failure.
QByteArray makeMusic(TestDir& dir)
{
    if (!dir.createDir(QStringLiteral("exe")))
        return QByteArray();
    for (const QByteArray& pair : kRun) {
        const QByteArray name = pair.left(pair.indexOf('>'));
        if (!dir.createFile(QStringLiteral("music/") + QString::fromLatin1(name),
                            "content of " + name))
            return QByteArray();
    }
    return dir.pathBytes() + "/music";
}

QStringList listedNames(const TForm1& form)
{
    QStringList names;
    for (const TrackRow& row : form.trackListModel()->rows())
        names << QString::fromUtf8(row.nameBytes);
    return names;
}

QAction* undoAction(const TForm1& form)
{
    return form.findChild<QAction*>(QStringLiteral("UndoRename1"));
}

// Opens Actions with a click on the menu bar, as a user does.
QMenu* openActionsMenu(TForm1& form)
{
    auto* menu = form.findChild<QMenu*>(QStringLiteral("Actions1"));
    QMenuBar* bar = form.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    return menu;
}

// The window with its open menu drawn where it shows, for the pictures of the command.
void saveWindowWithMenu(TForm1& form, QMenu* menu, const QString& name)
{
    const QString folder = qEnvironmentVariable("SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QPixmap shot = form.grab();
    QPainter painter(&shot);
    painter.drawPixmap(form.mapFromGlobal(menu->pos()), menu->grab());
    painter.end();
    QVERIFY(shot.save(folder + u'/' + name));
}

} // namespace

class TestUndoWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QDir(renaming::RunHistory::historyDir()).removeRecursively(); }
    void undoFromTheActionsMenu_data();
    void undoFromTheActionsMenu();
    void reportNamesTheFilesLeftAlone();
    void runFinishedByTheRecoveryCanBeUndone();
};

void TestUndoWindow::undoFromTheActionsMenu_data()
{
    QTest::addColumn<bool>("french");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("report");
    QTest::newRow("english") << false << QStringLiteral("&Undo last rename")
                             << QStringLiteral("3 file(s) get back the names they had before it.")
                             << QStringLiteral("3 of 3 file(s) have the names they had before "
                                               "the run again.");
    QTest::newRow("french") << true << QStringLiteral("&Annuler le dernier renommage")
                            << QStringLiteral("3 fichier(s) reprendront le nom qu'ils avaient "
                                              "avant lui.")
                            << QStringLiteral("3 fichier(s) sur 3 ont repris le nom qu'ils "
                                              "avaient avant le renommage.");
}

void TestUndoWindow::undoFromTheActionsMenu()
{
    QFETCH(bool, french);
    QFETCH(QString, caption);
    QFETCH(QString, question);
    QFETCH(QString, report);
    TestDir dir;
    const QByteArray music = makeMusic(dir);
    QVERIFY(!music.isEmpty());
    TOKBottomDlg1 progress;
    std::unique_ptr<TForm1> form = window(dir, &progress, french);
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->openStartFolder(music);
    QAction* undo = undoAction(*form);
    QVERIFY(undo);
    QCOMPARE(undo->text(), caption);
    QVERIFY(!undo->isEnabled());

    {
        ModalAnswerer boxes;
        boxes.answer(QStringLiteral("&Oui"));
        boxes.answer(QStringLiteral("OK"));
        form->SpeedButton1Click();
        QVERIFY(!boxes.unexpected);
    }
    QCOMPARE(renametest::snapshot(music), renametest::placed(kRun, true));
    QVERIFY(undo->isEnabled());

    QMenu* menu = openActionsMenu(*form);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(undo->isEnabled());
    saveWindowWithMenu(*form, menu,
                       french ? QStringLiteral("d-undo-menu-fr.png")
                              : QStringLiteral("d-undo-menu-en.png"));
    ModalAnswerer boxes;
    boxes.handle([french](QWidget* modal) {
        const QString folder = qEnvironmentVariable("SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(modal->grab().save(folder + QStringLiteral("/d-undo-question-%1.png")
                                                    .arg(QLatin1String(french ? "fr" : "en"))));
        // Return presses the default button, Oui.
        QTest::keyClick(modal, Qt::Key_Return);
    });
    boxes.answer(QStringLiteral("OK"));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(undo).center());
    QTRY_COMPARE(boxes.texts.size(), 2);
    QVERIFY(!boxes.unexpected);
    QVERIFY2(boxes.texts.at(0).endsWith(question), qPrintable(boxes.texts.at(0)));
    QCOMPARE(boxes.texts.at(1), report);
    QCOMPARE(renametest::snapshot(music), renametest::placed(kRun, false));
    QCOMPARE(listedNames(*form), (QStringList{QStringLiteral("a.mp3"), QStringLiteral("b.mp3"),
                                              QStringLiteral("c.mp3")}));
    // Nothing more to undo: the undo was no run of its own.
    QVERIFY(!undo->isEnabled());
}

void TestUndoWindow::reportNamesTheFilesLeftAlone()
{
    TestDir dir;
    const QByteArray music = makeMusic(dir);
    QVERIFY(!music.isEmpty());
    TOKBottomDlg1 progress;
    std::unique_ptr<TForm1> form = window(dir, &progress, false);
    form->openStartFolder(music);
    {
        ModalAnswerer boxes;
        boxes.answer(QStringLiteral("&Oui"));
        boxes.answer(QStringLiteral("OK"));
        form->SpeedButton1Click();
    }
    QCOMPARE(platform::SyncedFolder(music).remove("00002 b.mp3"), 0);

    ModalAnswerer boxes;
    boxes.answer(QStringLiteral("&Oui"));
    QString details;
    boxes.handle([&details](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        details = box->detailedText();
        const QString folder = qEnvironmentVariable("SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(box->grab().save(folder + QStringLiteral("/d-undo-report-en.png")));
        box->accept();
    });
    undoAction(*form)->trigger();
    QCOMPARE(boxes.texts.size(), 2);
    QVERIFY2(boxes.texts.at(1).startsWith(
                 QStringLiteral("2 of 3 file(s) have the names they had before the run again."
                                "\n\n1 file(s) were left alone:\n\n") +
                 undotexts::entry(undotexts::Gone) + QStringLiteral(" (1)\n    00002 b.mp3")),
             qPrintable(boxes.texts.at(1)));
    QCOMPARE(details, QStringLiteral("00002 b.mp3: ") + undotexts::entry(undotexts::Gone));
    QCOMPARE(renametest::snapshot(music),
             (QMap<QByteArray, QByteArray>{{"a.mp3", "content of a.mp3"},
                                           {"c.mp3", "content of c.mp3"}}));
    QVERIFY(!undoAction(*form)->isEnabled());
}

// A run stopped by a crash and finished from the recovery offer is recorded like any run.
void TestUndoWindow::runFinishedByTheRecoveryCanBeUndone()
{
    TestDir dir;
    const QByteArray music = makeMusic(dir);
    QVERIFY(!music.isEmpty());
    {
        renaming::RenameEngine engine;
        QVERIFY(engine.prepare(music, renametest::requestsOf(music, kRun)));
        QVERIFY(engine.runStep());
    }
    TOKBottomDlg1 progress;
    std::unique_ptr<TForm1> form = window(dir, &progress, false);
    {
        ModalAnswerer opening;
        opening.handle([](QWidget* modal) {
            auto* finish = modal->findChild<QPushButton*>(QStringLiteral("FinishButton"));
            QVERIFY(finish);
            finish->click();
        });
        opening.answer(QStringLiteral("OK"));
        form->openStartFolder(music);
        QCOMPARE(opening.seen.size(), 2);
    }
    QCOMPARE(renametest::snapshot(music), renametest::placed(kRun, true));
    QVERIFY(undoAction(*form)->isEnabled());
    ModalAnswerer boxes;
    boxes.answer(QStringLiteral("&Oui"));
    boxes.answer(QStringLiteral("OK"));
    undoAction(*form)->trigger();
    QCOMPARE(renametest::snapshot(music), renametest::placed(kRun, false));
}

QTEST_MAIN(TestUndoWindow)
#include "tst_undowindow.moc"
