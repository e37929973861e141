#include "core/rename/PendingRuns.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameJournal.h"
#include "core/rename/RenameRecovery.h"
#include "platform/SyncedFolder.h"
#include "tests/support/RenameRun.h"
#include "tests/support/TestDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using renaming::RenameEngine;
using renaming::RenameJournal;
using renaming::RenameRecovery;
using renaming::RenameRequest;

// Runs are killed at reproducible points: strace stops the child at the k-th call of one
// system call, with the run's file system either doing no-replace renames itself or refusing
// them (so that every rename goes through a placeholder). After each kill the run is
// recovered and every file must be under its old or its new name with its own content.
using namespace renametest;

namespace {

const QByteArray kChildArgument = QByteArrayLiteral("--rename-child");
const QString kJournal = QString::fromLatin1(RenameJournal::fileName());

QByteArray number(int n)
{
    return QByteArray::number(n).rightJustified(5, '0');
}

// Every kind of group: cycles of three, swaps and a chain; the files of a group have the
// same size and time, so only the journal's marks tell a cycle's two ends apart.
QByteArrayList killRun()
{
    QByteArrayList pairs;
    for (int c = 0; c < 8; ++c) {
        const int base = 3 * c + 1;
        for (int k = 0; k < 3; ++k)
            pairs << number(base + k) + " Cycle.mp3>" + number(base + (k + 1) % 3) + " Cycle.mp3";
    }
    for (int i = 1; i <= 16; ++i)
        pairs << number(i) + " Swap.mp3>" + number(i % 2 ? i + 1 : i - 1) + " Swap.mp3";
    for (int i = 1; i <= 8; ++i)
        pairs << number(i) + " Chain.mp3>" + number(i + 1) + " Chain.mp3";
    return pairs;
}

// The smallest run whose end needs a mark (or, swapping, two swaps): one cycle of three.
const QByteArrayList kCycle{"a.mp3>b.mp3", "b.mp3>c.mp3", "c.mp3>a.mp3"};

// A reversed folder of 5,000 files: 2,500 swaps.
QByteArrayList reversedFolder()
{
    QByteArrayList pairs;
    constexpr int kFiles = 5000;
    for (int i = 1; i <= kFiles; ++i)
        pairs << number(i) + " Track.mp3>" + number(kFiles + 1 - i) + " Track.mp3";
    return pairs;
}

QByteArrayList pairsFor(const QByteArray& which)
{
    if (which.startsWith("cycle"))
        return kCycle;
    return which == "reversed" ? reversedFolder() : killRun();
}

int runChild(const QByteArray& path, const QByteArray& which)
{
    QStandardPaths::setTestModeEnabled(true);
    RenameEngine engine;
    engine.setSwapsAllowed(!which.endsWith("-temporary-names"));
    if (!engine.prepare(path, requestsOf(path, pairsFor(which))))
        return 2;
    engine.run();
    return engine.journalKept() ? 3 : 0;
}

// One traced run of the child over `dir`; `straceOptions` say what to inject or log.
int traceChild(const QStringList& straceOptions, const TestDir& dir, const QByteArray& which)
{
    QProcess child;
    QStringList arguments{QStringLiteral("-f")};
    arguments << straceOptions << QCoreApplication::applicationFilePath()
              << QString::fromLatin1(kChildArgument) << dir.path() << QString::fromLatin1(which);
    child.start(QStringLiteral("strace"), arguments);
    if (!child.waitForStarted() || !child.waitForFinished(60000))
        return -1;
    return child.exitStatus() == QProcess::CrashExit ? -9 : child.exitCode();
}

// The lines of a strace log, of the calls that decide the order of the writes.
QStringList tracedCalls(const TestDir& dir, const QByteArray& which, const QStringList& injections)
{
    const QString log = dir.path() + QStringLiteral(".log");
    QStringList options{QStringLiteral("-e"),
                        QStringLiteral("trace=write,fdatasync,fsync,renameat,renameat2,openat"),
                        QStringLiteral("-o"), log};
    for (const QString& injection : injections)
        options << QStringLiteral("-e") << injection;
    if (traceChild(options, dir, which) != 0)
        return {};
    QFile file(log);
    file.open(QIODevice::ReadOnly);
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
    file.remove();
    return lines;
}

// The journal's descriptor, from the call that created it.
QString journalDescriptor(const QStringList& calls)
{
    static const QRegularExpression created(
        QStringLiteral("openat\\(\\d+, \"\\.orven-rename-journal\", [^)]*O_EXCL[^)]*\\) = (\\d+)"));
    for (const QString& line : calls) {
        const QRegularExpressionMatch match = created.match(line);
        if (match.hasMatch())
            return match.captured(1);
    }
    return QString();
}

// True when, before line `at`, a record was written to the journal and then made durable,
// with no other rename or placeholder in between.
bool recordDurableBefore(const QStringList& calls, qsizetype at, const QString& fd)
{
    bool synced = false;
    for (qsizetype i = at - 1; i >= 0; --i) {
        const QString& line = calls[i];
        if (line.contains(QStringLiteral("fdatasync(") + fd + QLatin1Char(')')))
            synced = true;
        else if (line.contains(QStringLiteral("write(") + fd + QStringLiteral(", ")))
            return synced;
        else if (line.contains(QStringLiteral("rename")) || line.contains(QStringLiteral("O_EXCL")))
            return false;
    }
    return false;
}

// The seed of a run of kills, from ORVEN_KILL_SEED to replay one, printed.
quint32 killSeed()
{
    const quint32 seed = qEnvironmentVariableIsSet("ORVEN_KILL_SEED")
                             ? quint32(qEnvironmentVariableIntValue("ORVEN_KILL_SEED"))
                             : QRandomGenerator::system()->generate();
    qInfo("seed %u (replay with ORVEN_KILL_SEED=%u)", seed, seed);
    return seed;
}

enum class Settled
{
    NoJournal,      // killed before the journal was written, or after it was removed
    NothingRenamed, // killed while the plan was written: only the journal goes
    Recovered,      // finished or rolled back from the journal
};

// Settles what a killed run left in `dir`; empty, or what went wrong.
QString settleKilledRun(const TestDir& dir, bool finish, Settled* settled)
{
    *settled = Settled::NoJournal;
    if (!dir.exists(kJournal))
        return QString();
    RenameRecovery recovery(dir.pathBytes());
    const RenameJournal::Load load = recovery.load();
    if (load == RenameJournal::Load::Incomplete) {
        *settled = Settled::NothingRenamed;
        return recovery.discardJournal() ? QString() : QStringLiteral("journal not removed");
    }
    if (load != RenameJournal::Load::Ok)
        return QStringLiteral("journal not readable");
    if (!recovery.isOwnRun())
        return QStringLiteral("journal not taken as this user's run");
    recovery.carryOut(finish ? RenameRecovery::Action::Finish : RenameRecovery::Action::RollBack);
    *settled = Settled::Recovered;
    return recovery.journalRemoved() ? QString() : QStringLiteral("journal left after recovery");
}

} // namespace

class TestRenameKill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void markIsDurableBeforeClosingRename();
    void swapsAreAnnouncedBeforeTheyRun();
    void intentIsDurableBeforePlaceholder();
    void placeholderLeftByKill_data();
    void placeholderLeftByKill();
    void killedAtSeededPoints_data();
    void killedAtSeededPoints();
    void reversedFolderKilledWhileSwapping();

private:
    bool m_haveStrace = false;
};

void TestRenameKill::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_haveStrace = !QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty();
    cleanup();
}

void TestRenameKill::cleanup()
{
    QDir(renaming::pendingRunsDir()).removeRecursively();
}

void TestRenameKill::markIsDurableBeforeClosingRename()
{
    if (!m_haveStrace)
        QSKIP("strace is not installed (tools/install-deps.sh installs it)");
    TestDir dir;
    const QByteArray path = dir.pathBytes();
    QVERIFY(createFiles(dir, kCycle));
    const QStringList calls = tracedCalls(dir, "cycle-temporary-names", {});
    QVERIFY(!calls.isEmpty());
    const QString fd = journalDescriptor(calls);
    QVERIFY(!fd.isEmpty());
    // The closing rename takes the first file from its temporary name to its new name.
    qsizetype closing = -1;
    for (qsizetype i = 0; i < calls.size(); ++i) {
        if (calls[i].contains(QStringLiteral("renameat2(")) &&
            calls[i].contains(QStringLiteral("\".orven-tmp-")) &&
            calls[i].contains(QStringLiteral(", \"b.mp3\"")))
            closing = i;
    }
    QVERIFY2(closing > 0, qPrintable(calls.join(QLatin1Char('\n'))));
    QVERIFY2(recordDurableBefore(calls, closing, fd), qPrintable(calls.join(QLatin1Char('\n'))));
    QCOMPARE(snapshot(path), placed(kCycle, true));
}

void TestRenameKill::swapsAreAnnouncedBeforeTheyRun()
{
    if (!m_haveStrace)
        QSKIP("strace is not installed (tools/install-deps.sh installs it)");
    TestDir dir;
    QVERIFY(createFiles(dir, kCycle));
    const QStringList calls = tracedCalls(dir, "cycle", {});
    QVERIFY(!calls.isEmpty());
    const QString fd = journalDescriptor(calls);
    QVERIFY(!fd.isEmpty());
    qsizetype first = -1;
    int swaps = 0;
    for (qsizetype i = 0; i < calls.size(); ++i) {
        if (!calls[i].contains(QStringLiteral("RENAME_EXCHANGE")))
            continue;
        if (first < 0)
            first = i;
        ++swaps;
    }
    QCOMPARE(swaps, 2); // a cycle of three: one swap fewer than it has files, no other rename
    QVERIFY2(recordDurableBefore(calls, first, fd), qPrintable(calls.join(QLatin1Char('\n'))));
    QCOMPARE(snapshot(dir.pathBytes()), placed(kCycle, true));
}

void TestRenameKill::intentIsDurableBeforePlaceholder()
{
    if (!m_haveStrace)
        QSKIP("strace is not installed (tools/install-deps.sh installs it)");
    TestDir dir;
    QVERIFY(createFiles(dir, kCycle));
    // The volume refuses swaps as well: the run falls back to temporary names and placeholders.
    const QStringList calls =
        tracedCalls(dir, "cycle", {QStringLiteral("inject=renameat2:error=EINVAL")});
    QVERIFY(!calls.isEmpty());
    const QString fd = journalDescriptor(calls);
    QVERIFY(!fd.isEmpty());
    int placeholders = 0;
    for (qsizetype i = 0; i < calls.size(); ++i) {
        const QString& line = calls[i];
        // The journal, the run's record and the letter-case probe are created exclusively too.
        if (!line.contains(QStringLiteral("O_EXCL")) || line.contains(QStringLiteral("journal")) ||
            line.contains(QStringLiteral(".run.new-")) || line.contains(QStringLiteral("probe")))
            continue;
        ++placeholders;
        QVERIFY2(recordDurableBefore(calls, i, fd), qPrintable(line));
    }
    QCOMPARE(placeholders, 4); // a cycle of three: one rename more than it has files
    QCOMPARE(snapshot(dir.pathBytes()), placed(kCycle, true));
}

void TestRenameKill::placeholderLeftByKill_data()
{
    QTest::addColumn<int>("when");
    QTest::addColumn<bool>("finish");
    // The first renameat puts the run's record in place; the four after it are the cycle's.
    for (int when = 2; when <= 5; ++when) {
        QTest::addRow("killed-at-rename-%d-finished", when) << when << true;
        QTest::addRow("killed-at-rename-%d-rolled-back", when) << when << false;
    }
}

// Killed between the placeholder and the rename onto it: an empty file under the target, the
// real one still under its source. The recovery knows the placeholder as its own.
void TestRenameKill::placeholderLeftByKill()
{
    if (!m_haveStrace)
        QSKIP("strace is not installed (tools/install-deps.sh installs it)");
    QFETCH(int, when);
    QFETCH(bool, finish);
    TestDir dir;
    QVERIFY(createFiles(dir, kCycle));
    const int exit =
        traceChild({QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("-e"),
                    QStringLiteral("trace=renameat2,renameat"), QStringLiteral("-e"),
                    QStringLiteral("inject=renameat2:error=EINVAL"), QStringLiteral("-e"),
                    QStringLiteral("inject=renameat:signal=SIGKILL:when=%1").arg(when)},
                   dir, "cycle");
    QVERIFY2(exit != 0, "the run must have been killed");
    const QMap<QByteArray, QByteArray> left = snapshot(dir.pathBytes());
    QVERIFY(std::any_of(left.begin(), left.end(), [](const QByteArray& c) { return c.isEmpty(); }));

    RenameRecovery recovery(dir.pathBytes());
    QCOMPARE(recovery.load(), RenameJournal::Load::Ok);
    QVERIFY(recovery.isOwnRun());
    recovery.carryOut(finish ? RenameRecovery::Action::Finish : RenameRecovery::Action::RollBack);
    QVERIFY(recovery.journalRemoved());
    QCOMPARE(snapshot(dir.pathBytes()), placed(kCycle, finish));
}

void TestRenameKill::killedAtSeededPoints_data()
{
    QTest::addColumn<bool>("fallback");
    QTest::newRow("no-replace-renames") << false;
    QTest::newRow("placeholder-fallback") << true;
}

void TestRenameKill::killedAtSeededPoints()
{
    if (!m_haveStrace)
        QSKIP("strace is not installed (tools/install-deps.sh installs it)");
    QFETCH(bool, fallback);
    const quint32 seed = killSeed();
    QRandomGenerator random(seed);
    const QByteArrayList pairs = killRun();

    // The calls a run makes of each kind, counted on one whole traced run.
    QMap<QString, int> counts;
    const QStringList kinds =
        fallback ? QStringList{QStringLiteral("renameat"), QStringLiteral("openat"),
                               QStringLiteral("fdatasync"), QStringLiteral("write"),
                               QStringLiteral("unlinkat")}
                 : QStringList{QStringLiteral("renameat2"), QStringLiteral("fdatasync"),
                               QStringLiteral("fsync"), QStringLiteral("write"),
                               QStringLiteral("unlinkat")};
    QStringList injection;
    if (fallback)
        injection << QStringLiteral("-e") << QStringLiteral("inject=renameat2:error=EINVAL");
    {
        TestDir dir;
        QVERIFY(createFiles(dir, pairs));
        const QString log = dir.path() + QStringLiteral(".log");
        QStringList options{QStringLiteral("-o"), log, QStringLiteral("-e"),
                            QStringLiteral("trace=") + kinds.join(QLatin1Char(',')) +
                                (fallback ? QStringLiteral(",renameat2") : QString())};
        QCOMPARE(traceChild(options + injection, dir, "run"), 0);
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const QByteArray& line : file.readAll().split('\n')) {
            for (const QString& kind : kinds) {
                if (line.contains(' ' + kind.toLatin1() + '(') ||
                    line.startsWith(kind.toLatin1() + '('))
                    ++counts[kind];
            }
        }
        file.remove();
        QCOMPARE(snapshot(dir.pathBytes()), placed(pairs, true));
    }

    const int kills = 150;
    int recovered = 0;
    for (int iteration = 0; iteration < kills; ++iteration) {
        const QString kind = kinds[int(random.bounded(quint32(kinds.size())))];
        const int when = 1 + int(random.bounded(quint32(qMax(1, counts.value(kind)))));
        const bool finish = random.bounded(2u) == 0;
        TestDir dir;
        QVERIFY(createFiles(dir, pairs));
        QStringList options{QStringLiteral("-o"),
                            QStringLiteral("/dev/null"),
                            QStringLiteral("-e"),
                            QStringLiteral("trace=") + kind +
                                (fallback ? QStringLiteral(",renameat2") : QString()),
                            QStringLiteral("-e"),
                            QStringLiteral("inject=%1:signal=SIGKILL:when=%2").arg(kind).arg(when)};
        const int exit = traceChild(options + injection, dir, "run");
        const QString where =
            QStringLiteral("seed %1, kill %2: %3 #%4, %5")
                .arg(seed)
                .arg(iteration)
                .arg(kind)
                .arg(when)
                .arg(finish ? QStringLiteral("finish") : QStringLiteral("roll back"));
        QVERIFY2(exit == 0 || exit == -9 || exit == 137, qPrintable(where));

        Settled settled = Settled::NoJournal;
        const QString error = settleKilledRun(dir, finish, &settled);
        QVERIFY2(error.isEmpty(), qPrintable(where + QStringLiteral(": ") + error));
        bool atNew = finish;
        if (settled == Settled::Recovered)
            ++recovered;
        else if (settled == Settled::NothingRenamed)
            atNew = false;
        else
            // The swaps use the same names before and after; the chain tells.
            atNew = dir.exists(QString::fromLatin1(number(9) + " Chain.mp3"));
        QVERIFY2(snapshot(dir.pathBytes()) == placed(pairs, atNew), qPrintable(where));
        cleanup();
    }
    qInfo("%d kills, %d recovered from their journal", kills, recovered);
    QVERIFY(recovered > kills / 3);
}

// Killed at seeded points of the swaps of a reversed folder, then recovered from the inodes found
// at the names.
void TestRenameKill::reversedFolderKilledWhileSwapping()
{
    if (!m_haveStrace)
        QSKIP("strace is not installed (tools/install-deps.sh installs it)");
    const quint32 seed = killSeed();
    QRandomGenerator random(seed);
    const QByteArrayList pairs = reversedFolder();
    // The run makes 2,500 swaps, a few journal writes and syncs.
    const struct
    {
        const char* call;
        quint32 count;
    } points[] = {{"renameat2", 2500}, {"write", 6}, {"fdatasync", 6}};
    int recovered = 0;
    constexpr int kKills = 24;
    TestDir dir;
    QVERIFY(createFiles(dir, pairs));
    bool atNew = false;
    for (int iteration = 0; iteration < kKills; ++iteration) {
        const auto& point = points[iteration % 3 == 0 ? random.bounded(3u) : 0];
        const int when = 1 + int(random.bounded(point.count));
        const bool finish = random.bounded(2u) == 0;
        const QString where = QStringLiteral("seed %1, kill %2: %3 #%4")
                                  .arg(seed)
                                  .arg(iteration)
                                  .arg(QLatin1String(point.call))
                                  .arg(when);
        // The folder is reversed back and forth: the files are made once.
        traceChild({QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("-e"),
                    QStringLiteral("trace=%1").arg(QLatin1String(point.call)), QStringLiteral("-e"),
                    QStringLiteral("inject=%1:signal=SIGKILL:when=%2")
                        .arg(QLatin1String(point.call))
                        .arg(when)},
                   dir, "reversed");
        Settled settled = Settled::NoJournal;
        const QString error = settleKilledRun(dir, finish, &settled);
        QVERIFY2(error.isEmpty(), qPrintable(where + QStringLiteral(": ") + error));
        if (settled == Settled::Recovered) {
            atNew = atNew != finish;
            ++recovered;
        } else if (settled == Settled::NoJournal) {
            // Killed before the journal was written, or after it was removed.
            atNew = dir.read(QString::fromLatin1(number(1) + " Track.mp3")) ==
                    "content of " + number(5000) + " Track.mp3";
        }
        QVERIFY2(snapshot(dir.pathBytes()) == placed(pairs, atNew), qPrintable(where));
        cleanup();
    }
    qInfo("%d kills, %d recovered from their journal", kKills, recovered);
    QVERIFY(recovered > kKills / 2);
}

int main(int argc, char* argv[])
{
    if (argc == 4 && argv[1] == kChildArgument) {
        QCoreApplication app(argc, argv);
        return runChild(QByteArray(argv[2]), QByteArray(argv[3]));
    }
    QCoreApplication app(argc, argv);
    TestRenameKill test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_renamekill.moc"
