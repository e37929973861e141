#include "core/rename/PendingRuns.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameJournal.h"
#include "platform/SyncedFolder.h"
#include "tests/support/BatchRun.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using renaming::RenameJournal;

namespace {

const QString kJournal = QString::fromLatin1(RenameJournal::fileName());
const QStringList kOld{QStringLiteral("00001 Alpha.mp3"), QStringLiteral("00002 Beta.mp3"),
                       QStringLiteral("00003 Gamma.mp3")};
// Each file moves one number on, the last to the front: a cycle through a temporary name.
const QStringList kNew{QStringLiteral("00002 Alpha.mp3"), QStringLiteral("00003 Beta.mp3"),
                       QStringLiteral("00001 Gamma.mp3")};

bool createTracks(TestDir& dir)
{
    for (const QString& name : kOld) {
        if (!dir.createFile(name, name.toUtf8()))
            return false;
    }
    return true;
}

std::vector<renaming::RenameRequest> requests(const TestDir& dir)
{
    const platform::SyncedFolder folder(dir.pathBytes());
    std::vector<renaming::RenameRequest> rows;
    for (int i = 0; i < kOld.size(); ++i) {
        platform::FileStat st;
        folder.stat(kOld[i].toUtf8(), &st);
        rows.push_back({kOld[i].toUtf8(), kNew[i].toUtf8(), st.size, st.mtimeNsec});
    }
    return rows;
}

// A run stopped after its first row, as a crash would stop it.
bool stopRun(TestDir& dir)
{
    if (!createTracks(dir))
        return false;
    renaming::RenameEngine engine;
    return engine.prepare(dir.pathBytes(), requests(dir)) && engine.runStep() &&
           dir.exists(kJournal);
}

// Where each file's content is now, by name.
QMap<QString, QString> contents(const TestDir& dir)
{
    QMap<QString, QString> files;
    const QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        files.insert(name, QString::fromUtf8(dir.read(name)));
    return files;
}

QMap<QString, QString> placed(bool atNew)
{
    QMap<QString, QString> files;
    for (int i = 0; i < kOld.size(); ++i)
        files.insert(atNew ? kNew[i] : kOld[i], kOld[i]);
    return files;
}

QByteArrayList recoverArguments(const TestDir& dir, const QByteArray& action)
{
    return {"--recover", dir.pathBytes(), action};
}

} // namespace

class TestBatchRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void refusedArguments_data();
    void refusedArguments();
    void recoverInterruptedRun_data();
    void recoverInterruptedRun();
    void folderWithoutRun();
    void damagedJournalIsOnlySetAside();
    void foreignJournalOnExplicitCommand();
    void unsafeEndKeepsTheJournal();

private:
    QTemporaryDir m_data;
};

void TestBatchRecovery::initTestCase()
{
    // The built program keeps its pending runs where this test's own code looks for them.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
    QStandardPaths::setTestModeEnabled(false);
    cleanup();
}

void TestBatchRecovery::cleanup()
{
    QDir(renaming::pendingRunsDir()).removeRecursively();
}

void TestBatchRecovery::refusedArguments_data()
{
    QTest::addColumn<QByteArrayList>("tail");
    QTest::newRow("no-action") << QByteArrayList{};
    QTest::newRow("unknown-action") << QByteArrayList{"maybe"};
    QTest::newRow("something-after-the-action") << QByteArrayList{"finish", "--start"};
    QTest::newRow("numbering-option") << QByteArrayList{"--start", "3"};
}

void TestBatchRecovery::refusedArguments()
{
    QFETCH(QByteArrayList, tail);
    TestDir dir;
    const Outcome outcome = runBatch(QByteArrayList{"--recover", dir.pathBytes()} + tail);
    QCOMPARE(outcome.code, 2);
    QVERIFY2(outcome.err.contains(QStringLiteral("--help")), qPrintable(outcome.err));
}

void TestBatchRecovery::recoverInterruptedRun_data()
{
    QTest::addColumn<QByteArray>("action");
    QTest::newRow("finish") << QByteArray("finish");
    QTest::newRow("rollback") << QByteArray("rollback");
}

void TestBatchRecovery::recoverInterruptedRun()
{
    QFETCH(QByteArray, action);
    TestDir dir;
    QVERIFY(stopRun(dir));
    const Outcome outcome = runBatch(recoverArguments(dir, action));
    QCOMPARE(outcome.code, 0);
    QVERIFY2(outcome.out.isEmpty(), qPrintable(outcome.out));
    QCOMPARE(contents(dir), placed(action == "finish"));
    QVERIFY(renaming::pendingRuns().empty());
}

void TestBatchRecovery::folderWithoutRun()
{
    TestDir dir;
    QVERIFY(createTracks(dir));
    const Outcome outcome = runBatch(recoverArguments(dir, "finish"));
    QCOMPARE(outcome.code, 0);
    QVERIFY(outcome.out.contains(QStringLiteral("no interrupted rename run")));
    QCOMPARE(contents(dir), placed(false));
}

void TestBatchRecovery::damagedJournalIsOnlySetAside()
{
    TestDir dir;
    QVERIFY(createTracks(dir));
    QVERIFY(dir.createFile(kJournal, "not a journal"));
    Outcome outcome = runBatch(recoverArguments(dir, "finish"));
    QCOMPARE(outcome.code, 1);
    QVERIFY2(outcome.err.contains(QStringLiteral("cannot be used")), qPrintable(outcome.err));
    QVERIFY(dir.exists(kJournal));

    outcome = runBatch(recoverArguments(dir, "set-aside"));
    QCOMPARE(outcome.code, 0);
    QVERIFY(!dir.exists(kJournal));
    const QMap<QString, QString> after = contents(dir);
    QCOMPARE(after.size(), 4);
    QVERIFY(after.firstKey().startsWith(kJournal + QStringLiteral(".set-aside-")));
    QVERIFY(outcome.out.contains(after.firstKey()));
}

// Naming the action on the command line is the choice a journal from elsewhere needs.
void TestBatchRecovery::foreignJournalOnExplicitCommand()
{
    TestDir dir;
    QVERIFY(stopRun(dir));
    renaming::forgetPendingRun(platform::SyncedFolder(dir.pathBytes()));
    const Outcome outcome = runBatch(recoverArguments(dir, "finish"));
    QCOMPARE(outcome.code, 0);
    QCOMPARE(contents(dir), placed(true));
}

// The folder's last sync fails: the renames are done but not known to be durable, so the
// journal stays, the run says so and exits with 1, and a recovery finishes it later.
void TestBatchRecovery::unsafeEndKeepsTheJournal()
{
    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
        QSKIP("strace is not installed (tools/install-deps.sh installs it)");
    TestDir dir;
    QVERIFY(createTracks(dir));
    // Folder syncs: the run's record, the journal's creation, the end of the run.
    const Outcome outcome =
        runProgram(QStringLiteral("strace"),
                   {QStringLiteral("-f"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                    QStringLiteral("-e"), QStringLiteral("trace=fsync"), QStringLiteral("-e"),
                    QStringLiteral("inject=fsync:error=EIO:when=3"), programPath(),
                    QStringLiteral("--rename"), dir.path(), QStringLiteral("--order"),
                    QStringLiteral("name"), QStringLiteral("--start"), QStringLiteral("1")});
    QCOMPARE(outcome.code, 1);
    QVERIFY2(outcome.err.contains(QStringLiteral("journal stays")), qPrintable(outcome.err));
    QVERIFY(dir.exists(kJournal));

    const Outcome recovered = runProgram(
        programPath(), {QStringLiteral("--recover"), dir.path(), QStringLiteral("finish")});
    QCOMPARE(recovered.code, 0);
    QVERIFY(!dir.exists(kJournal));
    QCOMPARE(contents(dir).size(), 3);
}

QTEST_GUILESS_MAIN(TestBatchRecovery)

#include "tst_batchrecovery.moc"
