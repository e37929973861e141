#include "app/Main.h"
#include "app/ProgessBar.h"
#include "app/TrackListModel.h"
#include "core/SettingsFile.h"
#include "core/Text.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameRecovery.h"
#include "core/rename/RenameReport.h"
#include "core/rename/RenameTexts.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/RenameRun.h"
#include "tests/support/TestDir.h"

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <set>

using renaming::RenameEngine;
using renaming::RenameStatus;

namespace {

QByteArray numbered(int i)
{
    return QByteArray::number(i).rightJustified(5, '0') + " Song.mp3";
}

// "old>new" pairs of `files` files. A reversal makes cycles of two, a rotation one cycle of
// every file, a shift only free targets.
QByteArrayList pairsOf(const QString& kind, int files)
{
    QByteArrayList pairs;
    for (int i = 1; i <= files; ++i) {
        int target = files + i;
        if (kind == u"reversal")
            target = files + 1 - i;
        else if (kind == u"rotation")
            target = i % files + 1;
        pairs << numbered(i) + '>' + numbered(target);
    }
    return pairs;
}

// Creates the files of the pairs in the folder and prepares the engine for their run.
bool prepareRun(TestDir& dir, const QByteArrayList& pairs, RenameEngine& engine)
{
    return renametest::createFiles(dir, pairs) &&
           engine.prepare(dir.pathBytes(), renametest::requestsOf(dir.pathBytes(), pairs));
}

int renamedCount(const RenameEngine& engine)
{
    int renamed = 0;
    for (const renaming::RenameRowResult& result : engine.results())
        renamed += result.status == RenameStatus::Renamed ? 1 : 0;
    return renamed;
}

// Each file under the name its row's outcome gives it (the new one when renamed, else the old
// one) with the content it started with, and nothing else in the folder: no temporary name, no
// journal. Every row is renamed or cancelled.
void verifyFolderMatchesResults(const QByteArray& path, const QByteArrayList& pairs,
                                const RenameEngine& engine)
{
    QMap<QByteArray, QByteArray> expected;
    for (int i = 0; i < pairs.size(); ++i) {
        const renaming::RenameRowResult& result = engine.results()[size_t(i)];
        QVERIFY(result.status == RenameStatus::Renamed || result.status == RenameStatus::Cancelled);
        const QByteArrayList names = pairs[i].split('>');
        const QByteArray name = result.status == RenameStatus::Renamed ? names[1] : names[0];
        QCOMPARE(result.currentName, name);
        expected.insert(name, "content of " + names[0]);
    }
    QCOMPARE(renametest::snapshot(path), expected);
    QVERIFY(!renaming::RenameRecovery::hasJournal(path));
    QVERIFY(!engine.journalKept());
    QVERIFY(renaming::RenameRecovery::pendingFolders().empty());
}

QString cancelledSummary(int renamed, int files)
{
    return text::entry(text::CompletionTexts, text::completion::CancelledSummary)
               .arg(renamed)
               .arg(files) +
           QStringLiteral("\n\n") + text::entry(text::ReportTexts, 2);
}

// A main window whose settings live in the test's folder.
std::unique_ptr<TForm1> window(const TestDir& dir, TOKBottomDlg1* progress, int language)
{
    auto form = std::make_unique<TForm1>(
        SettingsFile(dir.filePath(QStringLiteral("exe/ORVENFR.cfg")),
                     dir.filePath(QStringLiteral("config/ORVEN/ORVENFR.cfg"))));
    form->setProgressDialog(progress);
    if (language == text::French)
        form->French1Click();
    else
        form->English1Click();
    return form;
}

} // namespace

class TestCancel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { text::setLanguageIndex(text::English); }
    void cancelBetweenGroups_data();
    void cancelBetweenGroups();
    void cancelFromTheDialog_data();
    void cancelFromTheDialog();
    void escapeWithoutCancelRunsOn();
    void cancelAfterRefusedPrepare();
    void cancelFromTheWindow_data();
    void cancelFromTheWindow();
};

void TestCancel::cancelBetweenGroups_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("files");
    QTest::addColumn<bool>("swaps");
    QTest::addColumn<int>("stepsBefore");
    QTest::addColumn<int>("renamed");
    QTest::addColumn<int>("stepsAfter");
    // A cycle of two spans two steps: a cancel after the first one still finishes it.
    QTest::newRow("reversal/swaps/between-cycles")
        << u"reversal"_qs << 600 << true << 234 << 234 << 0;
    QTest::newRow("reversal/swaps/inside-a-cycle")
        << u"reversal"_qs << 5000 << true << 1235 << 1236 << 0;
    QTest::newRow("reversal/temporary-names/inside-a-cycle")
        << u"reversal"_qs << 600 << false << 301 << 302 << 0;
    QTest::newRow("rotation/one-cycle-of-all-finishes")
        << u"rotation"_qs << 600 << false << 1 << 600 << 598;
    QTest::newRow("shift/single-renames") << u"shift"_qs << 5000 << true << 3000 << 3000 << 0;
    QTest::newRow("shift/before-the-first-step") << u"shift"_qs << 600 << true << 0 << 0 << 0;
    QTest::newRow("shift/after-the-last-step") << u"shift"_qs << 600 << true << 600 << 600 << 0;
}

// A run cancelled after some steps: the group in hand is finished, the others stay, and the run
// ends as any run does.
void TestCancel::cancelBetweenGroups()
{
    QFETCH(QString, kind);
    QFETCH(int, files);
    QFETCH(bool, swaps);
    QFETCH(int, stepsBefore);
    QFETCH(int, renamed);
    QFETCH(int, stepsAfter);
    TestDir dir;
    const QByteArrayList pairs = pairsOf(kind, files);
    RenameEngine engine;
    engine.setSwapsAllowed(swaps);
    QVERIFY(prepareRun(dir, pairs, engine));
    for (int i = 0; i < stepsBefore; ++i)
        engine.runStep();
    engine.cancel();
    QCOMPARE(engine.isCancelled(), stepsBefore < files);
    int more = 0;
    while (engine.runStep())
        ++more;
    QCOMPARE(more, stepsAfter);
    QVERIFY(engine.isFinished());
    QCOMPARE(renamedCount(engine), renamed);
    QCOMPARE(engine.rowsDone(), renamed);
    verifyFolderMatchesResults(dir.pathBytes(), pairs, engine);
    const QString summary = renamereport::completionSummary(engine.requests(), engine.results());
    QCOMPARE(summary, renamed == files ? text::entry(text::MessageTexts, 2)
                                       : cancelledSummary(renamed, files));
}

void TestCancel::cancelFromTheDialog_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("caption");
    QTest::newRow("english/click") << int(text::English) << u"click"_qs << u"Cancel"_qs;
    QTest::newRow("french/click") << int(text::French) << u"click"_qs << u"Annuler"_qs;
    QTest::newRow("english/escape") << int(text::English) << u"escape"_qs << u"Cancel"_qs;
    // Posted, the click reaches the button only if the dialog takes in events during the run.
    QTest::newRow("french/posted-click") << int(text::French) << u"posted"_qs << u"Annuler"_qs;
}

// The real dialog runs a reversal of 600 files; at row 100 the Cancel button is clicked (or
// Escape pressed), and the dialog closes on its own once the cycle in hand is whole.
void TestCancel::cancelFromTheDialog()
{
    QFETCH(int, language);
    QFETCH(QString, how);
    QFETCH(QString, caption);
    text::setLanguageIndex(text::LanguageIndex(language));
    constexpr int files = 600;
    constexpr int cancelRow = 100;
    TestDir dir;
    const QByteArrayList pairs = pairsOf(u"reversal"_qs, files);
    RenameEngine engine;
    QVERIFY(prepareRun(dir, pairs, engine));
    TOKBottomDlg1 dialog;
    QPushButton* button = dialog.cancelButton();
    QString shownCaption;
    bool shown = false;
    int steps = 0;
    dialog.setRun({engine.stepCount(),
                   [&](int row) {
                       ++steps;
                       if (row == cancelRow) {
                           shownCaption = button->text();
                           shown = button->isVisible() && button->isEnabled();
                           if (how == u"click")
                               QTest::mouseClick(button, Qt::LeftButton);
                           else if (how == u"escape")
                               QTest::keyClick(&dialog, Qt::Key_Escape);
                           else
                               QMetaObject::invokeMethod(
                                   button, [button] { QTest::mouseClick(button, Qt::LeftButton); },
                                   Qt::QueuedConnection);
                       }
                       return engine.runStep();
                   },
                   [&engine] { engine.cancel(); }, [&engine] { return engine.rowsDone(); }});
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(shown);
    QCOMPARE(shownCaption, caption);
    QVERIFY(!button->isEnabled());
    QVERIFY(engine.isCancelled());
    QVERIFY(engine.isFinished());
    // The click comes at the latest with the next percent, and only whole cycles are done.
    QVERIFY2(steps > cancelRow && steps <= cancelRow + files / 100 + 2,
             qPrintable(QString::number(steps)));
    // The last call found the run ended; the ones before it finished whole cycles.
    QCOMPARE(renamedCount(engine), (steps - 1) + (steps - 1) % 2);
    // The count shows the files that have their new name, not the call that found the run
    // ended.
    QCOMPARE(dialog.progressBar()->value(), renamedCount(engine));
    QCOMPARE(dialog.findChild<QLabel*>(u"CountText"_qs)->text(),
             text::entry(text::ProgressTexts, 0).arg(renamedCount(engine)).arg(files));
    verifyFolderMatchesResults(dir.pathBytes(), pairs, engine);
}

// A work that cannot be cancelled shows no button, and Escape neither stops it nor closes the
// dialog before its end.
void TestCancel::escapeWithoutCancelRunsOn()
{
    constexpr int files = 200;
    TestDir dir;
    const QByteArrayList pairs = pairsOf(u"reversal"_qs, files);
    RenameEngine engine;
    QVERIFY(prepareRun(dir, pairs, engine));
    TOKBottomDlg1 dialog;
    bool buttonShown = false;
    bool dialogShown = true;
    dialog.setRun({engine.stepCount(),
                   [&](int row) {
                       buttonShown = buttonShown || dialog.cancelButton()->isVisible();
                       dialogShown = dialogShown && dialog.isVisible();
                       if (row == 50)
                           QTest::keyClick(&dialog, Qt::Key_Escape);
                       return engine.runStep();
                   },
                   {}});
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(!buttonShown);
    QVERIFY(dialogShown);
    QVERIFY(!engine.isCancelled());
    QCOMPARE(renamedCount(engine), files);
    QCOMPARE(renametest::snapshot(dir.pathBytes()), renametest::placed(pairs, true));
}

// An engine prepared for one run and then refused a folder: a cancel finds no group of the first
// plan and every row keeps the reason of the refusal.
void TestCancel::cancelAfterRefusedPrepare()
{
    TestDir dir;
    const QByteArrayList pairs = pairsOf(u"reversal"_qs, 20);
    RenameEngine engine;
    QVERIFY(prepareRun(dir, pairs, engine));
    QVERIFY(!engine.prepare(dir.pathBytes() + "/missing",
                            renametest::requestsOf(dir.pathBytes(), pairs)));
    engine.cancel();
    engine.run();
    QVERIFY(engine.isFinished());
    for (const renaming::RenameRowResult& result : engine.results())
        QCOMPARE(result.status, RenameStatus::FolderUnavailable);
    QCOMPARE(renametest::snapshot(dir.pathBytes()), renametest::placed(pairs, false));
}

void TestCancel::cancelFromTheWindow_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("picture");
    QTest::newRow("french") << int(text::French) << u"progress-cancel-fr.png"_qs;
    QTest::newRow("english") << int(text::English) << u"progress-cancel-en.png"_qs;
}

// The rename command on 5,000 files, cancelled from the progress dialog when its bar reaches
// 1,500: the box says so with the count, and the list is read again from the folder.
void TestCancel::cancelFromTheWindow()
{
    QFETCH(int, language);
    QFETCH(QString, picture);
    constexpr int files = 5000;
    constexpr int cancelAt = 1500;
    TestDir dir;
    QVERIFY(dir.createDir(QStringLiteral("exe")));
    QVERIFY(dir.createDir(QStringLiteral("music")));
    for (int i = 1; i <= files; ++i)
        QVERIFY(dir.createFile(QStringLiteral("music/t%1.mp3").arg(i, 4, 10, QLatin1Char('0'))));
    const QByteArray music = dir.pathBytes() + "/music";
    TOKBottomDlg1 progress;
    std::unique_ptr<TForm1> form = window(dir, &progress, language);
    form->openStartFolder(music);
    QCOMPARE(form->trackListModel()->rows().size(), files);

    const QString shots = qEnvironmentVariable("SCREENSHOT_DIR");
    connect(progress.progressBar(), &QProgressBar::valueChanged, this, [&](int value) {
        if (value != cancelAt)
            return;
        if (!shots.isEmpty())
            QVERIFY(progress.grab().save(shots + u'/' + picture));
        QTest::mouseClick(progress.cancelButton(), Qt::LeftButton);
    });
    ModalAnswerer boxes;
    boxes.answer(QStringLiteral("&Oui"));
    boxes.handle([&](QWidget* box) {
        if (!shots.isEmpty())
            QVERIFY(box->grab().save(shots + u"/report-"_qs + picture));
        QTest::keyClick(box, Qt::Key_Return);
    });
    form->SpeedButton1Click();
    QVERIFY(!boxes.unexpected);
    QCOMPARE(boxes.texts.size(), 2);
    QCOMPARE(boxes.texts.at(1), cancelledSummary(cancelAt, files));
    // The bar stops at the rows renamed, not at the call that found the run cancelled.
    QCOMPARE(progress.progressBar()->value(), cancelAt);

    const std::vector<QByteArray> pending = renaming::RenameRecovery::pendingFolders();
    QVERIFY(pending.empty());
    QVERIFY(!renaming::RenameRecovery::hasJournal(music));
    const QMap<QByteArray, QByteArray> left = renametest::snapshot(music);
    QCOMPARE(left.size(), files);
    int renamed = 0;
    for (auto it = left.cbegin(); it != left.cend(); ++it)
        renamed += it.key().startsWith("t") ? 0 : 1;
    QCOMPARE(renamed, cancelAt);
    std::set<QByteArray> listed;
    for (const TrackRow& row : form->trackListModel()->rows())
        listed.insert(row.nameBytes);
    QCOMPARE(listed, std::set<QByteArray>(left.keyBegin(), left.keyEnd()));
}

QTEST_MAIN(TestCancel)
#include "tst_cancel.moc"
