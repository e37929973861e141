#include "core/UndoTexts.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameJournal.h"
#include "core/rename/RenameRecovery.h"
#include "core/rename/RenameUndo.h"
#include "core/rename/RunHistory.h"
#include "core/rename/RunRecorder.h"
#include "platform/SyncedFolder.h"
#include "tests/support/BatchRun.h"
#include "tests/support/FuseVolume.h"
#include "tests/support/RenameRun.h"
#include "tests/support/TestDir.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using renaming::RecordedRun;
using renaming::RenameUndo;
using renaming::RunHistory;
using namespace renametest;

namespace {

const QByteArray kChildArgument = QByteArrayLiteral("--undo-child");

QByteArray number(int n)
{
    return QByteArray::number(n).rightJustified(5, '0');
}

// A cycle of three, two swapped names and a chain: every kind of group.
QByteArrayList mixedRun()
{
    QByteArrayList pairs;
    for (int k = 0; k < 3; ++k)
        pairs << number(k + 1) + " Cycle.mp3>" + number((k + 1) % 3 + 1) + " Cycle.mp3";
    pairs << number(1) + " Swap.mp3>" + number(2) + " Swap.mp3"
          << number(2) + " Swap.mp3>" + number(1) + " Swap.mp3";
    for (int i = 1; i <= 4; ++i)
        pairs << number(i) + " Chain.mp3>" + number(i + 1) + " Chain.mp3";
    return pairs;
}

// Every name in the folder with its content, read byte for byte whatever the name.
QMap<QByteArray, QByteArray> contents(const QByteArray& path)
{
    QMap<QByteArray, QByteArray> files;
    std::vector<QByteArray> names;
    platform::SyncedFolder(path).readNames(&names);
    for (const QByteArray& name : names)
        files.insert(name, readRaw(path + '/' + name));
    return files;
}

// Runs the pairs with the engine and records the run, as the window does.
QString runAndRecord(const QByteArray& path, const QByteArrayList& pairs, bool swaps = true)
{
    renaming::RenameEngine engine;
    engine.setSwapsAllowed(swaps);
    if (!engine.prepare(path, requestsOf(path, pairs)))
        return QStringLiteral("run refused");
    engine.run();
    return runrecorder::recordRun(path, engine.requests(), engine.results());
}

// Creates the files of the pairs in the folder, then runs and records them.
QString createAndRecord(TestDir& dir, const QByteArrayList& pairs, bool swaps = true)
{
    if (!createFiles(dir, pairs))
        return QStringLiteral("files not created");
    return runAndRecord(dir.pathBytes(), pairs, swaps);
}

// Undoes the folder's last run through the engine; false when there was none.
bool undoLast(const QByteArray& path, std::vector<renaming::UndoOutcome>* outcomes = nullptr)
{
    RenameUndo undo(path);
    if (undo.load() != RunHistory::Load::Ok)
        return false;
    if (!undo.judge() || undo.markUndoing() != 0)
        return false;
    renaming::RenameEngine engine;
    if (!undo.requests().empty() && engine.prepare(path, undo.requests()))
        engine.run();
    if (undo.settle(engine.requests(), engine.results()) != 0)
        return false;
    if (outcomes)
        *outcomes = undo.outcomes();
    return true;
}

bool canUndo(const QByteArray& path)
{
    RenameUndo undo(path);
    return undo.load() == RunHistory::Load::Ok;
}

// A history file as the program writes it, with its checksum, for the folder at `path`.
QByteArray historyBytes(const QByteArray& path, const QByteArray& oldName,
                        const QByteArray& newName)
{
    platform::FolderIdentity identity;
    platform::SyncedFolder(path).identity(&identity);
    const QByteArray body = "ORVENRH1\nD " + QByteArray::number(identity.device) + ' ' +
                            QByteArray::number(identity.inode) + "\nP " + path.toHex() +
                            "\nR 1700000000000 0 1\nF " + oldName.toHex() + ' ' + newName.toHex() +
                            " 1 2 3\n";
    return body + "S " + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + '\n';
}

bool writeHistory(const QByteArray& path, const QByteArray& bytes)
{
    QDir().mkpath(RunHistory::historyDir());
    QFile file(RunHistory(path).filePath());
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void undoRestoresEveryNameAndContent_data();
    void undoRestoresEveryNameAndContent();
    void filesChangedSinceAreLeftAlone_data();
    void filesChangedSinceAreLeftAlone();
    void fatVolumeJudgesByNameAndSize_data();
    void fatVolumeJudgesByNameAndSize();
    void undoAgainTakesBackTheRunBefore_data();
    void undoAgainTakesBackTheRunBefore();
    void historyKeepsTheLastRuns();
    void damagedHistoryIsRefused_data();
    void damagedHistoryIsRefused();
    void historyFollowsTheFolderNotItsPath();
    void batchHistoryAndUndo_data();
    void batchHistoryAndUndo();
    void batchRecoveryRecordsTheRunItFinished_data();
    void batchRecoveryRecordsTheRunItFinished();
    void undoKilledAndRecoveredLosesNothing();
};

void TestUndo::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestUndo::init()
{
    QDir(RunHistory::historyDir()).removeRecursively();
}

void TestUndo::undoRestoresEveryNameAndContent_data()
{
    QTest::addColumn<QByteArrayList>("pairs");
    QTest::addColumn<bool>("swaps");
    QTest::newRow("cycle-swaps-chain/swapped") << mixedRun() << true;
    QTest::newRow("cycle-swaps-chain/temporary-names") << mixedRun() << false;
    QTest::newRow("names-not-utf8") << QByteArrayList{"\xff\xfe Track.mp3>00001 \xff\xfe Track.mp3",
                                                      "Caf\xe9.mp3>00002 Caf\xe9.mp3"}
                                    << true;
}

void TestUndo::undoRestoresEveryNameAndContent()
{
    QFETCH(QByteArrayList, pairs);
    QFETCH(bool, swaps);
    TestDir dir;
    const QByteArray path = dir.pathBytes();
    QCOMPARE(createAndRecord(dir, pairs, swaps), QString());
    QCOMPARE(contents(path), placed(pairs, true));
    QVERIFY(canUndo(path));

    std::vector<renaming::UndoOutcome> outcomes;
    QVERIFY(undoLast(path, &outcomes));
    QCOMPARE(contents(path), placed(pairs, false));
    QCOMPARE(outcomes.size(), size_t(pairs.size()));
    for (const renaming::UndoOutcome& outcome : outcomes)
        QVERIFY2(outcome.back && !outcome.changed, outcome.name.constData());
    // The undo is no run of its own: nothing is left to undo, nothing redoes the run.
    QVERIFY(!canUndo(path));
    QVERIFY(!QFile::exists(RunHistory(path).filePath()));
}

void TestUndo::filesChangedSinceAreLeftAlone_data()
{
    QTest::addColumn<QByteArray>("change");
    QTest::addColumn<bool>("back");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QByteArray>("nameAfter");
    QTest::addColumn<QByteArray>("contentAfter");
    const QByteArray own = "content of 2 B.mp3";
    QTest::newRow("renamed-by-hand")
        << QByteArray("rename") << false
        << undotexts::entry(undotexts::RenamedSince).arg(QStringLiteral("Hand.mp3"))
        << QByteArray("Hand.mp3") << own;
    QTest::newRow("replaced-by-another-file")
        << QByteArray("replace") << false << undotexts::entry(undotexts::Replaced)
        << QByteArray("02 B.mp3") << QByteArray("another file");
    QTest::newRow("removed") << QByteArray("remove") << false << undotexts::entry(undotexts::Gone)
                             << QByteArray() << QByteArray();
    QTest::newRow("earlier-name-taken-by-another-file")
        << QByteArray("take-earlier-name") << false << undotexts::entry(undotexts::EarlierNameTaken)
        << QByteArray("02 B.mp3") << own;
    QTest::newRow("tags-edited/goes-back-all-the-same")
        << QByteArray("append") << true << QString() << QByteArray("2 B.mp3")
        << QByteArray(own + " with new tags");
}

void TestUndo::filesChangedSinceAreLeftAlone()
{
    QFETCH(QByteArray, change);
    QFETCH(bool, back);
    QFETCH(QString, reason);
    QFETCH(QByteArray, nameAfter);
    QFETCH(QByteArray, contentAfter);
    const QByteArrayList pairs{"1 A.mp3>01 A.mp3", "2 B.mp3>02 B.mp3", "3 C.mp3>03 C.mp3"};
    TestDir dir;
    const QByteArray path = dir.pathBytes();
    QCOMPARE(createAndRecord(dir, pairs), QString());

    const platform::SyncedFolder folder(path);
    if (change == "rename") {
        QCOMPARE(folder.rename("02 B.mp3", "Hand.mp3"), 0);
    } else if (change == "replace") {
        // Kept, so that its inode cannot be given to the newcomer.
        QCOMPARE(folder.rename("02 B.mp3", "Kept.mp3"), 0);
        QVERIFY(dir.createFile(QStringLiteral("02 B.mp3"), "another file"));
    } else if (change == "remove") {
        QCOMPARE(folder.remove("02 B.mp3"), 0);
    } else if (change == "take-earlier-name") {
        QVERIFY(dir.createFile(QStringLiteral("2 B.mp3"), "a newcomer"));
    } else {
        QFile file(dir.filePath(QStringLiteral("02 B.mp3")));
        QVERIFY(file.open(QIODevice::Append));
        file.write(" with new tags");
    }

    std::vector<renaming::UndoOutcome> outcomes;
    QVERIFY(undoLast(path, &outcomes));
    QCOMPARE(outcomes.size(), size_t(3));
    QCOMPARE(outcomes[1].back, back);
    QCOMPARE(outcomes[1].reason, reason);
    QCOMPARE(outcomes[1].changed, change == "append");
    QVERIFY(outcomes[0].back && outcomes[2].back);
    QMap<QByteArray, QByteArray> expected{{"1 A.mp3", "content of 1 A.mp3"},
                                          {"3 C.mp3", "content of 3 C.mp3"}};
    if (!nameAfter.isEmpty())
        expected.insert(nameAfter, contentAfter);
    if (change == "take-earlier-name")
        expected.insert("2 B.mp3", "a newcomer");
    if (change == "replace")
        expected.insert("Kept.mp3", "content of 2 B.mp3");
    QCOMPARE(contents(path), expected);
    // What was left alone stays recorded, but Undo does not offer the run again.
    RunHistory history(path);
    QCOMPARE(history.load(), back ? RunHistory::Load::Missing : RunHistory::Load::Ok);
    QCOMPARE(history.lastUndoable(), -1);
    if (!back) {
        QCOMPARE(history.runs().size(), size_t(1));
        QCOMPARE(history.runs()[0].state, RecordedRun::State::Undone);
        QCOMPARE(history.runs()[0].files.size(), size_t(1));
    }
}

void TestUndo::fatVolumeJudgesByNameAndSize_data()
{
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<bool>("back");
    QTest::newRow("untouched/goes-back") << QByteArray() << true;
    QTest::newRow("same-size-newcomer/taken-for-the-file")
        << QByteArray("content of b.mp3") << true;
    QTest::newRow("other-size/left-alone") << QByteArray("a longer newcomer") << false;
}

// A FAT volume gives a file a new inode number when it is mounted again (and here one per
// spelling): the name and the size tell the file the run left.
void TestUndo::fatVolumeJudgesByNameAndSize()
{
    QFETCH(QByteArray, replacement);
    QFETCH(bool, back);
    const FuseVolume volume(FuseVolume::Kind::Fat);
    if (!volume.isMounted())
        QSKIP(volume.skipReason());
    const QByteArray path = QFile::encodeName(volume.path());
    const QByteArrayList pairs{"a.mp3>01 a.mp3", "b.mp3>02 b.mp3"};
    for (const QByteArray& pair : pairs) {
        QFile file(QFile::decodeName(path + '/' + pair.left(pair.indexOf('>'))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("content of " + pair.left(pair.indexOf('>')));
    }
    QCOMPARE(runAndRecord(path, pairs), QString());
    if (!replacement.isEmpty()) {
        QFile file(QFile::decodeName(path + "/02 b.mp3"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(replacement);
    }
    std::vector<renaming::UndoOutcome> outcomes;
    QVERIFY(undoLast(path, &outcomes));
    QCOMPARE(outcomes.size(), size_t(2));
    QVERIFY(outcomes[0].back);
    QCOMPARE(outcomes[1].back, back);
    QCOMPARE(contents(path).contains("b.mp3"), back);
    QCOMPARE(contents(path).value("a.mp3"), QByteArray("content of a.mp3"));
}

void TestUndo::undoAgainTakesBackTheRunBefore_data()
{
    QTest::addColumn<bool>("removeOneBetween");
    QTest::newRow("two-runs") << false;
    QTest::newRow("first-undo-leaves-one-alone") << true;
}

void TestUndo::undoAgainTakesBackTheRunBefore()
{
    QFETCH(bool, removeOneBetween);
    const QByteArrayList first{"a.mp3>b.mp3", "x.mp3>y.mp3", "p.mp3>q.mp3"};
    const QByteArrayList second{"b.mp3>c.mp3", "y.mp3>z.mp3", "q.mp3>r.mp3"};
    TestDir dir;
    const QByteArray path = dir.pathBytes();
    QCOMPARE(createAndRecord(dir, first), QString());
    QCOMPARE(runAndRecord(path, second), QString());
    QMap<QByteArray, QByteArray> expected{{"a.mp3", "content of a.mp3"},
                                          {"x.mp3", "content of x.mp3"},
                                          {"p.mp3", "content of p.mp3"}};
    if (removeOneBetween) {
        QCOMPARE(platform::SyncedFolder(path).remove("r.mp3"), 0);
        expected.remove("p.mp3");
    }

    QVERIFY(undoLast(path));
    QCOMPARE(contents(path).value("b.mp3"), QByteArray("content of a.mp3"));
    QCOMPARE(contents(path).value("y.mp3"), QByteArray("content of x.mp3"));
    QVERIFY(undoLast(path));
    QCOMPARE(contents(path), expected);
    QVERIFY(!canUndo(path));
}

// Runs beyond what the history keeps drop the oldest; each run kept can still be undone, newest
// first.
void TestUndo::historyKeepsTheLastRuns()
{
    TestDir dir;
    const QByteArray path = dir.pathBytes();
    QVERIFY(createFiles(dir, {"0.mp3>1.mp3"}));
    constexpr int kRuns = 3 * RunHistory::kKeptRuns;
    for (int i = 0; i < kRuns; ++i) {
        const QByteArray pair =
            QByteArray::number(i) + ".mp3>" + QByteArray::number(i + 1) + ".mp3";
        QCOMPARE(runAndRecord(path, {pair}), QString());
    }
    RunHistory history(path);
    QCOMPARE(history.load(), RunHistory::Load::Ok);
    QVERIFY(int(history.runs().size()) >= RunHistory::kKeptRuns);
    QVERIFY(int(history.runs().size()) < kRuns);
    const int kept = int(history.runs().size());
    QCOMPARE(history.runs().back().files.at(0).newName, QByteArray::number(kRuns) + ".mp3");
    for (int i = 0; i < kept; ++i)
        QVERIFY(undoLast(path));
    QVERIFY(!canUndo(path));
    QCOMPARE(contents(path).keys(), QByteArrayList{QByteArray::number(kRuns - kept) + ".mp3"});
}

void TestUndo::damagedHistoryIsRefused_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("damage");
    const int unreadable = int(RunHistory::Damage::Unreadable);
    QTest::newRow("not-a-history") << QByteArray("garbage") << unreadable;
    QTest::newRow("empty") << QByteArray("empty") << unreadable;
    QTest::newRow("cut-off") << QByteArray("cut") << unreadable;
    QTest::newRow("one-byte-altered") << QByteArray("altered") << unreadable;
    QTest::newRow("name-with-slash") << QByteArray("slash") << int(RunHistory::Damage::BadName);
    QTest::newRow("name-dot-dot") << QByteArray("dotdot") << int(RunHistory::Damage::BadName);
    QTest::newRow("name-with-nul") << QByteArray("nul") << int(RunHistory::Damage::BadName);
    QTest::newRow("name-over-255-bytes") << QByteArray("long") << int(RunHistory::Damage::BadName);
    QTest::newRow("larger-than-the-limit")
        << QByteArray("huge") << int(RunHistory::Damage::TooLarge);
}

void TestUndo::damagedHistoryIsRefused()
{
    QFETCH(QByteArray, kind);
    QFETCH(int, damage);
    TestDir dir;
    const QByteArray path = dir.pathBytes();
    QVERIFY(dir.createFile(QStringLiteral("b.mp3"), "content of a.mp3"));
    const QByteArray good = historyBytes(path, "a.mp3", "b.mp3");
    QByteArray bytes = good;
    if (kind == "garbage")
        bytes = "this is not a history\n";
    else if (kind == "empty")
        bytes.clear();
    else if (kind == "cut")
        bytes.chop(20);
    else if (kind == "altered")
        bytes[bytes.indexOf("R 17") + 2] = '2';
    else if (kind == "slash")
        bytes = historyBytes(path, "../a.mp3", "b.mp3");
    else if (kind == "dotdot")
        bytes = historyBytes(path, "..", "b.mp3");
    else if (kind == "nul")
        bytes = historyBytes(path, QByteArray("a\0.mp3", 6), "b.mp3");
    else if (kind == "long")
        bytes = historyBytes(path, QByteArray(256, 'a'), "b.mp3");
    QVERIFY(writeHistory(path, bytes));
    if (kind == "huge")
        QVERIFY(QFile::resize(RunHistory(path).filePath(), RunHistory::kMaxBytes + 1));

    RenameUndo undo(path);
    QCOMPARE(undo.load(), RunHistory::Load::Damaged);
    QCOMPARE(int(undo.damage()), damage);
    const Outcome batch = runBatch({"--undo", path});
    QCOMPARE(batch.code, 1);
    QVERIFY2(batch.err.contains(QStringLiteral("cannot be used")), qPrintable(batch.err));
    // Nothing was done from it.
    QCOMPARE(contents(path), (QMap<QByteArray, QByteArray>{{"b.mp3", "content of a.mp3"}}));

    // The next run sets the damaged history aside, says so, and starts a new one.
    const QString notice = runAndRecord(path, {"b.mp3>c.mp3"});
    QVERIFY2(notice.contains(QStringLiteral(".damaged-")), qPrintable(notice));
    QVERIFY(canUndo(path));
    QCOMPARE(QDir(RunHistory::historyDir()).entryList({QStringLiteral("*.damaged-*")}).size(), 1);
}

void TestUndo::historyFollowsTheFolderNotItsPath()
{
    QTemporaryDir parent;
    const QByteArray path = QFile::encodeName(parent.filePath(QStringLiteral("album")));
    QVERIFY(QDir().mkdir(QString::fromUtf8(path)));
    QVERIFY(QFile(QString::fromUtf8(path + "/a.mp3")).open(QIODevice::WriteOnly));
    QCOMPARE(runAndRecord(path, {"a.mp3>b.mp3"}), QString());
    QVERIFY(canUndo(path));
    // Another folder under the same path gets no history; the moved one is not found.
    QVERIFY(QDir().rename(QString::fromUtf8(path), parent.filePath(QStringLiteral("moved"))));
    QVERIFY(QDir().mkdir(QString::fromUtf8(path)));
    QVERIFY(!canUndo(path));
    QVERIFY(!canUndo(QFile::encodeName(parent.filePath(QStringLiteral("moved")))));
}

void TestUndo::batchHistoryAndUndo_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString runLine =
        QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\t2 files\\n");
    QTest::newRow("history/none") << 0 << QByteArrayList{"--history"} << 0
                                  << QStringLiteral(
                                         "^No rename run of this folder is recorded\\.\\n$")
                                  << QStringLiteral("^$");
    QTest::newRow("history/two-runs")
        << 2 << QByteArrayList{"--history"} << 0 << QStringLiteral("^") + runLine + runLine + u'$'
        << QStringLiteral("^$");
    QTest::newRow("history/extra-argument")
        << 0 << QByteArrayList{"--history", "now"} << 2 << QStringLiteral("^$")
        << QStringLiteral("Unknown option \"now\"");
    QTest::newRow("undo/nothing-recorded")
        << 0 << QByteArrayList{"--undo"} << 1 << QStringLiteral("^$")
        << QStringLiteral("nothing to undo");
    QTest::newRow("undo/last-run")
        << 2 << QByteArrayList{"--undo"} << 0 << QStringLiteral("^$") << QStringLiteral("^$");
    QTest::newRow("undo/one-file-removed")
        << -1 << QByteArrayList{"--undo"} << 1
        << QStringLiteral("^00001 a\\.mp3\\tNo file has the name the run gave it any more\\.\\n$")
        << QStringLiteral("^1 of 2 files did not get their earlier name back\\.\\n$");
}

// The folder holds "a.mp3" and "b.mp3"; each run renames them with --rename (a negative count:
// one run, then one of its files is removed).
void TestUndo::batchHistoryAndUndo()
{
    QFETCH(int, runs);
    QFETCH(QByteArrayList, arguments);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    TestDir dir;
    const QByteArray path = dir.pathBytes();
    QVERIFY(dir.createFile(QStringLiteral("a.mp3"), "A"));
    QVERIFY(dir.createFile(QStringLiteral("b.mp3"), "B"));
    for (int i = 0; i < qAbs(runs); ++i)
        QCOMPARE(runBatch({"--rename", path, "--start", QByteArray::number(10 * i)}).code, 0);
    if (runs < 0)
        QCOMPARE(platform::SyncedFolder(path).remove("00001 a.mp3"), 0);
    arguments.insert(1, path);
    const Outcome outcome = runBatch(arguments);
    QCOMPARE(outcome.code, code);
    QVERIFY2(QRegularExpression(out).match(outcome.out).hasMatch(), qPrintable(outcome.out));
    QVERIFY2(QRegularExpression(err).match(outcome.err).hasMatch(), qPrintable(outcome.err));
    if (arguments.constFirst() == "--undo" && code == 0)
        QCOMPARE(contents(path).keys(), (QByteArrayList{"00001 a.mp3", "00002 b.mp3"}));
}

void TestUndo::batchRecoveryRecordsTheRunItFinished_data()
{
    QTest::addColumn<QByteArray>("action");
    QTest::addColumn<QString>("history");
    QTest::newRow("finished/recorded") << QByteArray("finish") << QStringLiteral("\t3 files\n");
    QTest::newRow("rolled-back/nothing-to-record")
        << QByteArray("rollback") << QStringLiteral("No rename run of this folder is recorded.\n");
}

// A run stopped after its first step, as a crash stops it, then settled with --recover.
void TestUndo::batchRecoveryRecordsTheRunItFinished()
{
    QFETCH(QByteArray, action);
    QFETCH(QString, history);
    const QByteArrayList pairs{"a.mp3>b.mp3", "b.mp3>c.mp3", "c.mp3>a.mp3"};
    TestDir dir;
    const QByteArray path = dir.pathBytes();
    QVERIFY(createFiles(dir, pairs));
    {
        renaming::RenameEngine engine;
        engine.setSwapsAllowed(false);
        QVERIFY(engine.prepare(path, requestsOf(path, pairs)));
        QVERIFY(engine.runStep());
    }
    QCOMPARE(runBatch({"--recover", path, action}).code, 0);
    const Outcome listed = runBatch({"--history", path});
    QVERIFY2(listed.out.endsWith(history), qPrintable(listed.out));
    if (action == "finish") {
        QCOMPARE(runBatch({"--undo", path}).code, 0);
        QCOMPARE(contents(path), placed(pairs, false));
    }
}

// An undo killed at seeded points (its renames, its journal's and its history's writes and
// syncs), then settled as the window would: every file ends under its name before or after
// the run, and one more undo brings back every name of before the run.
void TestUndo::undoKilledAndRecoveredLosesNothing()
{
    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
        QSKIP("strace is not installed (tools/install-deps.sh installs it)");
    const quint32 seed = qEnvironmentVariableIsSet("ORVEN_KILL_SEED")
                             ? quint32(qEnvironmentVariableIntValue("ORVEN_KILL_SEED"))
                             : QRandomGenerator::system()->generate();
    qInfo("seed %u (replay with ORVEN_KILL_SEED=%u)", seed, seed);
    QRandomGenerator random(seed);
    const QByteArrayList pairs = mixedRun();
    const struct
    {
        const char* call;
        quint32 count; // at least as many as an undo of the run makes
    } points[] = {{"renameat2", 9}, {"write", 3}, {"fdatasync", 3}, {"renameat", 2}, {"fsync", 5}};
    constexpr int kKills = 12;
    int recovered = 0;
    for (int iteration = 0; iteration < kKills; ++iteration) {
        const auto& point = points[size_t(iteration) % std::size(points)];
        const quint32 when = 1 + random.bounded(point.count);
        const bool finish = random.bounded(2u) == 0;
        const QString where = QStringLiteral("seed %1, kill %2: %3 #%4, %5")
                                  .arg(seed)
                                  .arg(iteration)
                                  .arg(QLatin1String(point.call))
                                  .arg(when)
                                  .arg(QLatin1String(finish ? "finish" : "roll back"));
        init();
        TestDir dir;
        const QByteArray path = dir.pathBytes();
        QCOMPARE(createAndRecord(dir, pairs), QString());

        QProcess child;
        child.start(QStringLiteral("strace"),
                    {QStringLiteral("-f"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                     QStringLiteral("-e"),
                     QStringLiteral("trace=%1").arg(QLatin1String(point.call)),
                     QStringLiteral("-e"),
                     QStringLiteral("inject=%1:signal=SIGKILL:when=%2")
                         .arg(QLatin1String(point.call))
                         .arg(when),
                     QCoreApplication::applicationFilePath(), QString::fromLatin1(kChildArgument),
                     dir.path()});
        QVERIFY2(child.waitForFinished(60000), qPrintable(where));

        if (dir.exists(QString::fromLatin1(renaming::RenameJournal::fileName()))) {
            renaming::RenameRecovery recovery(path);
            const renaming::RenameJournal::Load load = recovery.load();
            if (load == renaming::RenameJournal::Load::Incomplete) {
                QVERIFY2(recovery.discardJournal(), qPrintable(where));
            } else {
                QVERIFY2(load == renaming::RenameJournal::Load::Ok, qPrintable(where));
                recovery.carryOut(finish ? renaming::RenameRecovery::Action::Finish
                                         : renaming::RenameRecovery::Action::RollBack);
                QVERIFY2(recovery.journalRemoved(), qPrintable(where));
                ++recovered;
                QCOMPARE(runrecorder::recordRecovery(recovery), QString());
            }
        }
        const QMap<QByteArray, QByteArray> settled = contents(path);
        QVERIFY2(settled == placed(pairs, true) || settled == placed(pairs, false),
                 qPrintable(where));
        // A run that is back is never undone twice over, a run that is not can be undone.
        if (canUndo(path))
            QVERIFY2(undoLast(path), qPrintable(where));
        QVERIFY2(contents(path) == placed(pairs, false), qPrintable(where));
        QVERIFY2(!canUndo(path), qPrintable(where));
    }
    qInfo("%d kills, %d recovered from their journal", kKills, recovered);
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && argv[1] == kChildArgument) {
        QStandardPaths::setTestModeEnabled(true);
        return runBatch({"--undo", QByteArray(argv[2])}).code;
    }
    TestUndo test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_undo.moc"
