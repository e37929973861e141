#include "app/ProgessBar.h"
#include "core/rename/RenameEngine.h"
#include "platform/SyncedFolder.h"
#include "tests/support/TestDir.h"

#include <QApplication>
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

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void modalRun_data();
    void modalRun();
    void showingWithoutRunCloses();
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
    std::vector<renaming::RenameRequest> requests;
    const int count = 2 * swaps;
    for (int i = 1; i <= count; ++i) {
        const QByteArray name = QByteArray::number(i).rightJustified(5, '0') + " Song.mp3";
        QVERIFY(dir.createRawFile(name, name));
    }
    const platform::SyncedFolder folder(dir.pathBytes());
    for (int i = 1; i <= count; ++i) {
        platform::FileStat st;
        const QByteArray name = QByteArray::number(i).rightJustified(5, '0') + " Song.mp3";
        folder.stat(name, &st);
        requests.push_back({name,
                            QByteArray::number(count + 1 - i).rightJustified(5, '0') + " Song.mp3",
                            st.size, st.mtimeNsec});
    }
    RenameEngine engine;
    QVERIFY(engine.prepare(dir.pathBytes(), requests));

    TOKBottomDlg1 dialog;
    auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    QVERIFY(bar);
    PaintCounter paints;
    bar->installEventFilter(&paints);
    int waitCursorSteps = 0;
    int paintsWhileRunning = 0;
    int lastValue = -1;
    bool barInStep = true;
    dialog.setRun({engine.stepCount(), [&](int row) {
                       // The bar shows the rows done before this one.
                       barInStep = barInStep && bar->value() == row && bar->maximum() == count;
                       lastValue = bar->value();
                       const QCursor* cursor = QApplication::overrideCursor();
                       if (cursor && cursor->shape() == Qt::WaitCursor)
                           ++waitCursorSteps;
                       engine.runStep();
                       paintsWhileRunning = paints.count;
                   }});
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &dialog, &QDialog::reject);
    watchdog.start(10000);
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

QTEST_MAIN(TestProgress)

#include "tst_progress.moc"
