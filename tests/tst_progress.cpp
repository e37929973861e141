#include "app/ProgessBar.h"
#include "core/Text.h"
#include "core/rename/RenameEngine.h"
#include "platform/SyncedFolder.h"
#include "tests/support/TestDir.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using renaming::RenameEngine;
using renaming::RenameStatus;

namespace {

// Counts the paint events a widget gets.
class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// Files 00001 to `count` in a folder, and a run that numbers them the other way round.
bool prepareReversal(TestDir& dir, int count, RenameEngine* engine)
{
    const auto name = [](int i) {
        return QByteArray::number(i).rightJustified(5, '0') + " Song.mp3";
    };
    for (int i = 1; i <= count; ++i) {
        if (!dir.createRawFile(name(i), name(i)))
            return false;
    }
    const platform::SyncedFolder folder(dir.pathBytes());
    std::vector<renaming::RenameRequest> requests;
    for (int i = 1; i <= count; ++i) {
        platform::FileStat st;
        folder.stat(name(i), &st);
        requests.push_back({name(i), name(count + 1 - i), st.size, st.mtimeNsec});
    }
    return engine->prepare(dir.pathBytes(), requests);
}

// Closes `dialog` should a run never end, so a fault fails the test instead of hanging it.
void startWatchdog(QTimer* watchdog, QDialog* dialog, int msec)
{
    watchdog->setSingleShot(true);
    QObject::connect(watchdog, &QTimer::timeout, dialog, &QDialog::reject);
    watchdog->start(msec);
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void modalRun_data();
    void modalRun();
    void showingWithoutRunCloses();
    void countFollowsTheRun_data();
    void countFollowsTheRun();
    void screenshot();
};

void TestProgress::modalRun_data()
{
    QTest::addColumn<int>("swaps");
    QTest::newRow("one-swap") << 1;
    QTest::newRow("three-hundred-swaps") << 300;
}

void TestProgress::modalRun()
{
    QFETCH(int, swaps);
    TestDir dir;
    const int count = 2 * swaps;
    RenameEngine engine;
    QVERIFY(prepareReversal(dir, count, &engine));

    TOKBottomDlg1 dialog;
    auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    QVERIFY(bar);
    PaintCounter paints;
    bar->installEventFilter(&paints);
    int waitCursorSteps = 0;
    int paintsWhileRunning = 0;
    int lastValue = -1;
    bool barInStep = true;
    dialog.setRun({engine.stepCount(),
                   [&](int row) {
                       // The bar shows the rows done before this one.
                       barInStep = barInStep && bar->value() == row && bar->maximum() == count;
                       lastValue = bar->value();
                       const QCursor* cursor = QApplication::overrideCursor();
                       if (cursor && cursor->shape() == Qt::WaitCursor)
                           ++waitCursorSteps;
                       const bool more = engine.runStep();
                       paintsWhileRunning = paints.count;
                       return more;
                   },
                   {}});
    QTimer watchdog;
    startWatchdog(&watchdog, &dialog, 10000);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    QVERIFY(engine.isFinished());
    for (const renaming::RenameRowResult& result : engine.results())
        QCOMPARE(result.status, RenameStatus::Renamed);
    QVERIFY(barInStep);
    QCOMPARE(lastValue, count - 1);
    QCOMPARE(bar->value(), count);
    QCOMPARE(waitCursorSteps, count);
    QVERIFY(!QApplication::overrideCursor());
    // Painted while the run held the event loop, not only once it was over.
    QVERIFY2(paintsWhileRunning >= qMin(count - 1, 50),
             qPrintable(QString::number(paintsWhileRunning)));
}

void TestProgress::showingWithoutRunCloses()
{
    TOKBottomDlg1 dialog;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &dialog, &QDialog::reject);
    watchdog.start(5000);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
}

void TestProgress::countFollowsTheRun_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("files");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("english/two") << int(text::English) << 2 << u"%1 of %2"_qs;
    QTest::newRow("english/hundred") << int(text::English) << 100 << u"%1 of %2"_qs;
    QTest::newRow("french/hundred") << int(text::French) << 100 << u"%1 sur %2"_qs;
}

// Under the bar the dialog counts the rows done: each step sees the rows done before it, and
// the dialog closes on the whole count.
void TestProgress::countFollowsTheRun()
{
    QFETCH(int, language);
    QFETCH(int, files);
    QFETCH(QString, pattern);
    text::setLanguageIndex(text::LanguageIndex(language));
    TestDir dir;
    RenameEngine engine;
    QVERIFY(prepareReversal(dir, files, &engine));
    TOKBottomDlg1 dialog;
    QCOMPARE(dialog.size(), QSize(315, 84));
    auto* count = dialog.findChild<QLabel*>(QStringLiteral("CountText"));
    QVERIFY(count);
    QStringList wrong;
    dialog.setRun({engine.stepCount(),
                   [&](int row) {
                       const QString expected = pattern.arg(row).arg(files);
                       if (count->text() != expected || !count->isVisible())
                           wrong.append(count->text() + u" != "_qs + expected);
                       return engine.runStep();
                   },
                   {}});
    QTimer watchdog;
    startWatchdog(&watchdog, &dialog, 10000);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    text::setLanguageIndex(text::English);
    QCOMPARE(engine.stepCount(), files);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", "_qs)));
    QCOMPARE(count->text(), pattern.arg(files).arg(files));
    // The line stays clear of the bevel above it and inside the dialog.
    const QRect bevel = dialog.findChild<QWidget*>(QStringLiteral("Bevel1"))->geometry();
    QVERIFY(count->geometry().top() > bevel.bottom());
    QVERIFY(dialog.rect().contains(count->geometry()));
}

// The dialog in the middle of a run, for the documentation, made only when SCREENSHOT_DIR names
// a folder.
void TestProgress::screenshot()
{
    const QString folder = qEnvironmentVariable("SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("SCREENSHOT_DIR is not set");
    TestDir dir;
    const int files = 40;
    RenameEngine engine;
    QVERIFY(prepareReversal(dir, files, &engine));
    TOKBottomDlg1 dialog;
    bool saved = false;
    dialog.setRun({engine.stepCount(),
                   [&](int row) {
                       if (row == 17)
                           saved = dialog.grab().save(folder + u"/progress.png"_qs);
                       return engine.runStep();
                   },
                   {}});
    QTimer watchdog;
    startWatchdog(&watchdog, &dialog, 10000);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(saved);
}

QTEST_MAIN(TestProgress)

#include "tst_progress.moc"
