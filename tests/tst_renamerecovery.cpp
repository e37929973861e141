#include "app/RecoveryOffer.h"
#include "core/rename/PendingRuns.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameJournal.h"
#include "core/rename/RenameRecovery.h"
#include "platform/SyncedFolder.h"
#include "tests/support/RenameRun.h"
#include "tests/support/TestDir.h"

#include <QApplication>
#include <QFile>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

using renaming::RenameEngine;
using renaming::RenameJournal;
using renaming::RenameRecovery;
using renaming::RenameRequest;

Q_DECLARE_METATYPE(renaming::RenameJournal::Load)

using namespace renametest;

namespace {

const QString kJournal = QString::fromLatin1(RenameJournal::fileName());

// Three files going round, two swapped, one moving on, one kept: 7 rows, every kind of group.
const QByteArrayList kSmallRun{"a.mp3>b.mp3", "b.mp3>c.mp3", "c.mp3>a.mp3", "d.mp3>e.mp3",
                               "e.mp3>d.mp3", "f.mp3>g.mp3", "k.mp3>k.mp3"};

// Answers the next modal box, the recovery offer or another one, by clicking the named button
// (or the default one).
void answerNextBox(bool offer, const QString& buttonName)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, offer, buttonName] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || (box->objectName() == QLatin1String("RecoveryOfferBox")) != offer)
            return;
        timer->deleteLater();
        timer->stop();
        auto* button = buttonName.isEmpty() ? qobject_cast<QPushButton*>(box->defaultButton())
                                            : box->findChild<QPushButton*>(buttonName);
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            box->reject();
    });
    timer->start();
}

} // namespace

class TestRenameRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recoverAfterStop_data();
    void recoverAfterStop();
    void unusableJournal_data();
    void unusableJournal();
    void neverOverwritesOnRecovery();
    void offerRollsBack();
    void offerSetsDamagedJournalAside();
};

void TestRenameRecovery::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    for (const renaming::PendingRun& run : renaming::pendingRuns())
        renaming::forgetPendingRun(run);
}

void TestRenameRecovery::recoverAfterStop_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("finish");
    QTest::addColumn<bool>("swaps");
    // Steps are rows, the chain's first: 1 the journal and the chain, 2 and 3 inside the
    // cycle of three, 4 the cycle done, 5 inside the swap, 6 the swap done. The cycles go
    // through temporary names, or (on this volume) by swapping files.
    for (const bool swaps : {false, true}) {
        const char* way = swaps ? "swapping" : "temporary-names";
        for (int steps = 1; steps <= 6; ++steps) {
            QTest::addRow("%s-finish-after-%d-steps", way, steps) << steps << true << swaps;
            QTest::addRow("%s-roll-back-after-%d-steps", way, steps) << steps << false << swaps;
        }
    }
}

void TestRenameRecovery::recoverAfterStop()
{
    QFETCH(int, steps);
    QFETCH(bool, finish);
    QFETCH(bool, swaps);

    TestDir dir;
    QVERIFY(createFiles(dir, kSmallRun));
    {
        RenameEngine engine;
        engine.setSwapsAllowed(swaps);
        QVERIFY(engine.prepare(dir.pathBytes(), requestsOf(dir.pathBytes(), kSmallRun)));
        QCOMPARE(engine.stepCount(), 7);
        // Stopped as a crash would stop it: the journal stays behind.
        for (int i = 0; i < steps; ++i)
            QVERIFY(engine.runStep());
    }
    QVERIFY(dir.exists(kJournal));
    const std::vector<QByteArray> pending = RenameRecovery::pendingFolders();
    QVERIFY(std::find(pending.begin(), pending.end(),
                      renaming::absoluteFolderPath(dir.pathBytes())) != pending.end());

    RenameRecovery recovery(dir.pathBytes());
    QCOMPARE(recovery.load(), RenameJournal::Load::Ok);
    QCOMPARE(recovery.countAtNew() + recovery.countAtOld() + recovery.countElsewhere(), 6);
    recovery.carryOut(finish ? RenameRecovery::Action::Finish : RenameRecovery::Action::RollBack);
    QVERIFY(recovery.journalRemoved());
    QCOMPARE(snapshot(dir.pathBytes()), placed(kSmallRun, finish));
    QVERIFY(RenameRecovery::pendingFolders().empty());
}

void TestRenameRecovery::unusableJournal_data()
{
    QTest::addColumn<int>("cut");          // keep this many bytes (-1: all)
    QTest::addColumn<int>("flipAtEnd");    // flip the byte this far from the end (0: none)
    QTest::addColumn<QByteArray>("extra"); // appended
    QTest::addColumn<RenameJournal::Load>("load");

    using L = RenameJournal::Load;
    QTest::newRow("empty") << 0 << 0 << QByteArray() << L::Incomplete;
    QTest::newRow("cut-inside-plan") << 40 << 0 << QByteArray() << L::Incomplete;
    QTest::newRow("foreign-content") << 0 << 0 << QByteArray("hello, world\n") << L::Damaged;
    QTest::newRow("plan-byte-flipped") << -1 << 30 << QByteArray() << L::Damaged;
    QTest::newRow("torn-last-record-ignored") << -1 << 0 << QByteArray(12, '\0') << L::Ok;
    // The plan is whole and checked: the run can still be finished or rolled back from it.
    QTest::newRow("garbage-record-not-last")
        << -1 << 0 << QByteArray(12, '\x55') + QByteArray(12, '\x55') << L::Ok;
}

void TestRenameRecovery::unusableJournal()
{
    QFETCH(int, cut);
    QFETCH(int, flipAtEnd);
    QFETCH(QByteArray, extra);
    QFETCH(RenameJournal::Load, load);

    TestDir dir;
    QVERIFY(createFiles(dir, kSmallRun));
    {
        RenameEngine engine;
        QVERIFY(engine.prepare(dir.pathBytes(), requestsOf(dir.pathBytes(), kSmallRun)));
        QVERIFY(engine.runStep());
    }
    QByteArray journal = dir.read(kJournal);
    // The journal ends with the plan's digest and, after one step, no record yet.
    if (cut >= 0)
        journal.truncate(cut);
    if (flipAtEnd > 0)
        journal[journal.size() - flipAtEnd] = char(journal[journal.size() - flipAtEnd] ^ 0x20);
    journal += extra;
    QVERIFY(dir.createFile(kJournal, journal));
    const QMap<QByteArray, QByteArray> before = snapshot(dir.pathBytes());

    RenameRecovery recovery(dir.pathBytes());
    QCOMPARE(recovery.load(), load);
    if (load == RenameJournal::Load::Ok) {
        recovery.carryOut(RenameRecovery::Action::Finish);
        QVERIFY(recovery.journalRemoved());
        QCOMPARE(snapshot(dir.pathBytes()), placed(kSmallRun, true));
        return;
    }
    recovery.carryOut(RenameRecovery::Action::Finish);
    QCOMPARE(snapshot(dir.pathBytes()), before);
    if (load == RenameJournal::Load::Incomplete)
        QVERIFY(recovery.discardJournal());
    else
        QCOMPARE(recovery.setAside(), 0);
    QVERIFY(!dir.exists(kJournal));
    RenameEngine again;
    QVERIFY(again.prepare(dir.pathBytes(), {}));
}

void TestRenameRecovery::neverOverwritesOnRecovery()
{
    TestDir dir;
    const QByteArrayList swap{"a.mp3>b.mp3", "b.mp3>a.mp3"};
    QVERIFY(createFiles(dir, swap));
    {
        RenameEngine engine;
        engine.setSwapsAllowed(false);
        QVERIFY(engine.prepare(dir.pathBytes(), requestsOf(dir.pathBytes(), swap)));
        QVERIFY(engine.runStep()); // a under its temporary name, b moved to a
    }
    // Someone puts a file where the first one would go back or on.
    QVERIFY(!dir.exists(QStringLiteral("b.mp3")));
    QVERIFY(dir.createFile(QStringLiteral("b.mp3"), "foreign"));

    RenameRecovery recovery(dir.pathBytes());
    QCOMPARE(recovery.load(), RenameJournal::Load::Ok);
    recovery.carryOut(RenameRecovery::Action::Finish);
    const QMap<QByteArray, QByteArray> after = snapshot(dir.pathBytes());
    QCOMPARE(after.value("b.mp3"), QByteArray("foreign"));
    QCOMPARE(after.value("a.mp3"), QByteArray("content of b.mp3"));
    QCOMPARE(after.size(), 4); // the stranded file and the journal stay
    QVERIFY(!recovery.journalRemoved());
    QVERIFY(std::any_of(recovery.rows().begin(), recovery.rows().end(), [](const auto& row) {
        return row.status == renaming::RenameStatus::StrandedUnderTemporaryName &&
               row.oldName == "a.mp3";
    }));
    QVERIFY(after.values().contains("content of a.mp3"));
}

void TestRenameRecovery::offerRollsBack()
{
    TestDir dir;
    QVERIFY(createFiles(dir, kSmallRun));
    {
        RenameEngine engine;
        QVERIFY(engine.prepare(dir.pathBytes(), requestsOf(dir.pathBytes(), kSmallRun)));
        QVERIFY(engine.runStep());
        QVERIFY(engine.runStep());
    }
    QWidget parent;
    answerNextBox(true, QStringLiteral("LaterButton"));
    QVERIFY(!recoveryoffer::offerRecovery(&parent, dir.pathBytes()));
    QVERIFY(dir.exists(kJournal));

    answerNextBox(true, QStringLiteral("RollBackButton"));
    answerNextBox(false, QString()); // the report that follows
    QVERIFY(recoveryoffer::offerRecovery(&parent, dir.pathBytes()));
    QCOMPARE(snapshot(dir.pathBytes()), placed(kSmallRun, false));
}

void TestRenameRecovery::offerSetsDamagedJournalAside()
{
    TestDir dir;
    QVERIFY(createFiles(dir, kSmallRun));
    QVERIFY(dir.createFile(kJournal, "not a journal"));
    const QMap<QByteArray, QByteArray> before = snapshot(dir.pathBytes());
    QWidget parent;
    answerNextBox(true, QStringLiteral("SetAsideButton"));
    QVERIFY(recoveryoffer::offerRecovery(&parent, dir.pathBytes()));
    // The journal stays, under a name that no longer blocks the folder; nothing else changes.
    QMap<QByteArray, QByteArray> after = snapshot(dir.pathBytes());
    QMap<QByteArray, QByteArray> expected = before;
    expected.remove(RenameJournal::fileName());
    const QByteArray setAside = after.firstKey();
    QVERIFY2(setAside.startsWith(RenameJournal::fileName() + ".set-aside-"), setAside.constData());
    QCOMPARE(after.take(setAside), QByteArray("not a journal"));
    QCOMPARE(after, expected);
}

QTEST_MAIN(TestRenameRecovery)

#include "tst_renamerecovery.moc"
