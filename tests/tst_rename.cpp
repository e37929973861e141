#include "core/Text.h"
#include "core/rename/RenameCheck.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameJournal.h"
#include "core/rename/RenamePlan.h"
#include "core/rename/RenameReport.h"
#include "platform/FsProbe.h"
#include "platform/SyncedFolder.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

using renaming::RenameEngine;
using renaming::RenameRequest;
using renaming::RenameStatus;

Q_DECLARE_METATYPE(std::vector<RenameStatus>)
Q_DECLARE_METATYPE(std::vector<RenameRequest>)
Q_DECLARE_METATYPE(std::vector<QByteArray>)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Every entry of the folder with its content: each test file holds its own first name, so a
// snapshot tells where every file went.
QMap<QByteArray, QByteArray> snapshot(const TestDir& dir)
{
    QMap<QByteArray, QByteArray> files;
    const platform::SyncedFolder folder(dir.pathBytes());
    std::vector<QByteArray> names;
    folder.readNames(&names);
    for (const QByteArray& name : names)
        files.insert(name, readRaw(dir.pathBytes() + '/' + name));
    return files;
}

// Removes what a QTemporaryDir cannot: names that are not valid UTF-8.
void removeAll(const TestDir& dir)
{
    const platform::SyncedFolder folder(dir.pathBytes());
    std::vector<QByteArray> names;
    folder.readNames(&names);
    for (const QByteArray& name : names)
        folder.remove(name);
}

RenameRequest listed(const TestDir& dir, const QByteArray& oldName, const QByteArray& newName)
{
    const platform::SyncedFolder folder(dir.pathBytes());
    platform::FileStat st;
    folder.stat(oldName, &st);
    return {oldName, newName, st.size, st.mtimeNsec};
}

// "old>new" pairs as the requests of a run, read from the folder as a listing would.
std::vector<RenameRequest> requestsOf(const TestDir& dir, const QByteArrayList& pairs)
{
    std::vector<RenameRequest> requests;
    for (const QByteArray& pair : pairs) {
        const int split = pair.indexOf('>');
        requests.push_back(listed(dir, pair.left(split), pair.mid(split + 1)));
    }
    return requests;
}

std::vector<RenameStatus> statusesOf(const RenameEngine& engine)
{
    std::vector<RenameStatus> statuses;
    for (const renaming::RenameRowResult& result : engine.results())
        statuses.push_back(result.status);
    return statuses;
}

QMap<QByteArray, QByteArray> expectedFiles(const QByteArrayList& pairs)
{
    QMap<QByteArray, QByteArray> files;
    for (const QByteArray& pair : pairs) {
        const int split = pair.indexOf('>');
        files.insert(pair.mid(split + 1), pair.left(split));
    }
    return files;
}

bool runsAsRoot()
{
    return ::geteuid() == 0;
}

bool mountCommand(const QStringList& arguments, const QString& program = QStringLiteral("mount"))
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

class TestRename : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void runOutcome_data();
    void runOutcome();
    void reversedOrder_data();
    void reversedOrder();
    void ignoringCasePlan_data();
    void ignoringCasePlan();
    void caseChangeOnCaselessVolume();
    void readOnlyFolder();
    void fileRemovedBeforeRun_data();
    void fileRemovedBeforeRun();
    void fileChangedSinceListing();
    void secondRunRefused();
    void longListCheck_data();
    void longListCheck();
};

void TestRename::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRename::runOutcome_data()
{
    QTest::addColumn<QByteArrayList>("files");
    QTest::addColumn<QByteArrayList>("renames");
    QTest::addColumn<std::vector<RenameStatus>>("statuses");
    // Final name -> the file (by its first name) that must be there; every other name gone.
    QTest::addColumn<QByteArrayList>("after");

    using S = RenameStatus;
    const QByteArray tooLong = QByteArray(300, 'x') + ".mp3";
    QTest::newRow("swap") << QByteArrayList{"00001 A.mp3", "00002 A.mp3"}
                          << QByteArrayList{"00001 A.mp3>00002 A.mp3", "00002 A.mp3>00001 A.mp3"}
                          << std::vector<S>{S::Renamed, S::Renamed}
                          << QByteArrayList{"00001 A.mp3>00002 A.mp3", "00002 A.mp3>00001 A.mp3"};
    QTest::newRow("cycle-of-three") << QByteArrayList{"a.mp3", "b.mp3", "c.mp3"}
                                    << QByteArrayList{"a.mp3>b.mp3", "b.mp3>c.mp3", "c.mp3>a.mp3"}
                                    << std::vector<S>{S::Renamed, S::Renamed, S::Renamed}
                                    << QByteArrayList{"a.mp3>b.mp3", "b.mp3>c.mp3", "c.mp3>a.mp3"};
    QTest::newRow("chain-listed-backwards")
        << QByteArrayList{"1.mp3", "2.mp3", "3.mp3"}
        << QByteArrayList{"1.mp3>2.mp3", "2.mp3>3.mp3", "3.mp3>4.mp3"}
        << std::vector<S>{S::Renamed, S::Renamed, S::Renamed}
        << QByteArrayList{"1.mp3>2.mp3", "2.mp3>3.mp3", "3.mp3>4.mp3"};
    QTest::newRow("foreign-target-skipped")
        << QByteArrayList{"x.mp3", "y.mp3", "z.mp3"} << QByteArrayList{"x.mp3>y.mp3", "z.mp3>w.mp3"}
        << std::vector<S>{S::TargetExists, S::Renamed}
        << QByteArrayList{"x.mp3>x.mp3", "y.mp3>y.mp3", "z.mp3>w.mp3"};
    QTest::newRow("duplicate-target-second-skipped")
        << QByteArrayList{"a.mp3", "b.mp3"} << QByteArrayList{"a.mp3>z.mp3", "b.mp3>z.mp3"}
        << std::vector<S>{S::Renamed, S::DuplicateTarget}
        << QByteArrayList{"a.mp3>z.mp3", "b.mp3>b.mp3"};
    QTest::newRow("blocked-by-skipped-row")
        << QByteArrayList{"a.mp3", "b.mp3", "c.mp3"} << QByteArrayList{"a.mp3>b.mp3", "b.mp3>c.mp3"}
        << std::vector<S>{S::BlockedBySkippedRow, S::TargetExists}
        << QByteArrayList{"a.mp3>a.mp3", "b.mp3>b.mp3", "c.mp3>c.mp3"};
    QTest::newRow("remembered-name-not-rebuilt")
        << QByteArrayList{"00007-Title.mp3", "12.mp3", "00007 Title.mp3"}
        << QByteArrayList{"00007-Title.mp3>00001 -Title.mp3", "12.mp3>00002 .mp3"}
        << std::vector<S>{S::Renamed, S::Renamed}
        << QByteArrayList{"00007-Title.mp3>00001 -Title.mp3", "12.mp3>00002 .mp3",
                          "00007 Title.mp3>00007 Title.mp3"};
    QTest::newRow("unchanged") << QByteArrayList{"00001 A.mp3"}
                               << QByteArrayList{"00001 A.mp3>00001 A.mp3"}
                               << std::vector<S>{S::Unchanged}
                               << QByteArrayList{"00001 A.mp3>00001 A.mp3"};
    QTest::newRow("extension-case")
        << QByteArrayList{"Song.MP3"} << QByteArrayList{"Song.MP3>00001 Song.mp3"}
        << std::vector<S>{S::Renamed} << QByteArrayList{"Song.MP3>00001 Song.mp3"};
    QTest::newRow("case-only-change")
        << QByteArrayList{"Song.MP3"} << QByteArrayList{"Song.MP3>Song.mp3"}
        << std::vector<S>{S::Renamed} << QByteArrayList{"Song.MP3>Song.mp3"};
    QTest::newRow("not-utf8-byte-for-byte")
        << QByteArrayList{"00003 \xff\xfe T\xe9.mp3"}
        << QByteArrayList{"00003 \xff\xfe T\xe9.mp3>00001 \xff\xfe T\xe9.mp3"}
        << std::vector<S>{S::Renamed}
        << QByteArrayList{"00003 \xff\xfe T\xe9.mp3>00001 \xff\xfe T\xe9.mp3"};
    QTest::newRow("name-too-long")
        << QByteArrayList{"a.mp3", "b.mp3"} << QByteArrayList{"a.mp3>" + tooLong, "b.mp3>c.mp3"}
        << std::vector<S>{S::NameTooLong, S::Renamed}
        << QByteArrayList{"a.mp3>a.mp3", "b.mp3>c.mp3"};
    QTest::newRow("slash-in-name")
        << QByteArrayList{"a.mp3"} << QByteArrayList{"a.mp3>sub/a.mp3"}
        << std::vector<S>{S::InvalidName} << QByteArrayList{"a.mp3>a.mp3"};
    QTest::newRow("cycle-broken-by-foreign-row-stays")
        << QByteArrayList{"a.mp3", "b.mp3", "c.mp3", "d.mp3"}
        << QByteArrayList{"a.mp3>b.mp3", "b.mp3>a.mp3", "c.mp3>d.mp3"}
        << std::vector<S>{S::Renamed, S::Renamed, S::TargetExists}
        << QByteArrayList{"a.mp3>b.mp3", "b.mp3>a.mp3", "c.mp3>c.mp3", "d.mp3>d.mp3"};
}

void TestRename::runOutcome()
{
    QFETCH(QByteArrayList, files);
    QFETCH(QByteArrayList, renames);
    QFETCH(std::vector<RenameStatus>, statuses);
    QFETCH(QByteArrayList, after);

    TestDir dir;
    for (const QByteArray& name : files)
        QVERIFY(dir.createRawFile(name, name));
    RenameEngine engine;
    QVERIFY(engine.prepare(dir.pathBytes(), requestsOf(dir, renames)));
    QCOMPARE(engine.stepCount(), renames.size());
    int steps = 0;
    while (engine.runStep())
        ++steps;
    QCOMPARE(steps + 1, engine.stepCount());
    QVERIFY(engine.isFinished());
    QCOMPARE(statusesOf(engine), statuses);
    const QMap<QByteArray, QByteArray> left = snapshot(dir);
    removeAll(dir);
    QCOMPARE(left, expectedFiles(after));
    QVERIFY(!engine.journalKept());
}

void TestRename::reversedOrder_data()
{
    QTest::addColumn<bool>("sameTitle");
    QTest::newRow("same-title/every-rename-a-swap") << true;
    QTest::newRow("own-titles/no-name-shared") << false;
}

void TestRename::reversedOrder()
{
    QFETCH(bool, sameTitle);
    constexpr int count = 50;
    TestDir dir;
    QByteArrayList pairs;
    for (int i = 1; i <= count; ++i) {
        const QByteArray title = sameTitle ? "Song" : "Song" + QByteArray::number(i);
        const QByteArray from = QByteArray::number(i).rightJustified(5, '0') + ' ' + title;
        const QByteArray to =
            QByteArray::number(count + 1 - i).rightJustified(5, '0') + ' ' + title;
        QVERIFY(dir.createRawFile(from + ".mp3", from + ".mp3"));
        pairs.prepend(from + ".mp3>" + to + ".mp3");
    }
    RenameEngine engine;
    QVERIFY(engine.prepare(dir.pathBytes(), requestsOf(dir, pairs)));
    engine.run();
    QCOMPARE(statusesOf(engine), std::vector<RenameStatus>(count, RenameStatus::Renamed));
    QCOMPARE(snapshot(dir), expectedFiles(pairs));
}

void TestRename::ignoringCasePlan_data()
{
    QTest::addColumn<QByteArrayList>("folder");
    QTest::addColumn<QByteArrayList>("renames");
    QTest::addColumn<std::vector<RenameStatus>>("statuses");
    QTest::addColumn<int>("cycles");

    using S = RenameStatus;
    QTest::newRow("case-change-goes-through-temporary")
        << QByteArrayList{"Song.MP3"} << QByteArrayList{"Song.MP3>Song.mp3"}
        << std::vector<S>{S::Pending} << 1;
    QTest::newRow("foreign-file-differing-in-case-collides")
        << QByteArrayList{"a.mp3", "B.MP3"} << QByteArrayList{"a.mp3>b.mp3"}
        << std::vector<S>{S::TargetExistsIgnoringCase} << 0;
    QTest::newRow("row-file-differing-in-case-is-followed")
        << QByteArrayList{"a.mp3", "B.MP3"} << QByteArrayList{"a.mp3>b.mp3", "B.MP3>c.mp3"}
        << std::vector<S>{S::Pending, S::Pending} << 0;
    QTest::newRow("targets-equal-ignoring-case")
        << QByteArrayList{"a.mp3", "b.mp3"} << QByteArrayList{"a.mp3>X.mp3", "b.mp3>x.mp3"}
        << std::vector<S>{S::Pending, S::DuplicateTarget} << 0;
}

void TestRename::ignoringCasePlan()
{
    QFETCH(QByteArrayList, folder);
    QFETCH(QByteArrayList, renames);
    QFETCH(std::vector<RenameStatus>, statuses);
    QFETCH(int, cycles);

    platform::FsTraits traits;
    traits.caseInsensitive = true;
    const renaming::RenameCheck check(std::vector<QByteArray>(folder.begin(), folder.end()),
                                      traits);
    std::vector<RenameRequest> requests;
    for (const QByteArray& pair : renames) {
        const int split = pair.indexOf('>');
        requests.push_back({pair.left(split), pair.mid(split + 1), 0, 0});
    }
    const renaming::RenamePlan plan =
        renaming::RenamePlan::build(requests, check, {}, QByteArrayLiteral(".tmp-"));
    std::vector<RenameStatus> got;
    int cyclesGot = 0;
    for (const renaming::RenamePlanRow& row : plan.rows())
        got.push_back(row.status);
    for (const renaming::RenameGroup& group : plan.groups())
        cyclesGot += group.cycle ? 1 : 0;
    QCOMPARE(got, statuses);
    QCOMPARE(cyclesGot, cycles);
}

void TestRename::caseChangeOnCaselessVolume()
{
    // A small vfat image mounted for the test, or a folder the environment names.
    TestDir dir;
    QByteArray path = qgetenv("ORVEN_TEST_CASELESS_DIR");
    const QString mountPoint = dir.filePath(QStringLiteral("vfat"));
    bool mounted = false;
    if (path.isEmpty()) {
        const QString mkfs = QStandardPaths::findExecutable(
            QStringLiteral("mkfs.vfat"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        const QString image = dir.filePath(QStringLiteral("vfat.img"));
        if (mkfs.isEmpty() || !runsAsRoot() || !dir.createDir(QStringLiteral("vfat")) ||
            !mountCommand({QStringLiteral("-C"), image, QStringLiteral("4096")}, mkfs) ||
            !mountCommand({QStringLiteral("-o"), QStringLiteral("loop"), image, mountPoint}))
            QSKIP("No vfat volume can be made here (set ORVEN_TEST_CASELESS_DIR)");
        mounted = true;
        path = QFile::encodeName(mountPoint);
    }
    const QByteArray sub = path + "/orven-case-test";
    QVERIFY(QDir().mkpath(QFile::decodeName(sub)));
    for (const QByteArray name : {"Song.MP3", "a.mp3", "b.mp3"}) {
        QFile file(QFile::decodeName(sub + '/' + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    const bool caseless = platform::probeFileSystem(sub).caseInsensitive;
    std::vector<RenameRequest> requests;
    for (const auto& [from, to] :
         {std::pair<QByteArray, QByteArray>{"Song.MP3", "Song.mp3"}, {"a.mp3", "B.mp3"}}) {
        platform::FileStat st;
        platform::SyncedFolder(sub).stat(from, &st);
        requests.push_back({from, to, st.size, st.mtimeNsec});
    }
    RenameEngine engine;
    const bool prepared = engine.prepare(sub, requests);
    engine.run();
    std::vector<QByteArray> names;
    platform::SyncedFolder(sub).readNames(&names);
    std::sort(names.begin(), names.end());
    QDir(QFile::decodeName(sub)).removeRecursively();
    if (mounted)
        mountCommand({QStringLiteral("-l"), mountPoint}, QStringLiteral("umount"));
    QVERIFY(caseless);
    QVERIFY(prepared);
    QCOMPARE(
        statusesOf(engine),
        (std::vector<RenameStatus>{RenameStatus::Renamed, RenameStatus::TargetExistsIgnoringCase}));
    QCOMPARE(names, (std::vector<QByteArray>{"Song.mp3", "a.mp3", "b.mp3"}));
}

void TestRename::readOnlyFolder()
{
    TestDir dir;
    // Permissions do not bind the superuser: a volume mounted read-only does.
    const QString ro = dir.filePath(QStringLiteral("ro"));
    QVERIFY(dir.createDir(QStringLiteral("ro")));
    const QByteArray path = QFile::encodeName(ro);
    if (runsAsRoot() &&
        !mountCommand({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("tmpfs"), ro}))
        QSKIP("No read-only volume can be made here");
    const QByteArrayList pairs{"a.mp3>b.mp3", "b.mp3>a.mp3", "c.mp3>d.mp3"};
    std::vector<RenameRequest> requests;
    for (const QByteArray name : {"a.mp3", "b.mp3", "c.mp3"}) {
        QFile file(QFile::decodeName(path + '/' + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    for (const QByteArray& pair : pairs) {
        const int split = pair.indexOf('>');
        platform::FileStat st;
        platform::SyncedFolder(path).stat(pair.left(split), &st);
        requests.push_back({pair.left(split), pair.mid(split + 1), st.size, st.mtimeNsec});
    }
    const bool locked = runsAsRoot()
                            ? mountCommand({QStringLiteral("-o"), QStringLiteral("remount,ro"), ro})
                            : ::chmod(path.constData(), 0555) == 0;
    RenameEngine engine;
    if (locked) {
        engine.prepare(path, requests);
        engine.run();
    }
    std::vector<QByteArray> names;
    platform::SyncedFolder(path).readNames(&names);
    if (runsAsRoot())
        mountCommand({QStringLiteral("-l"), ro}, QStringLiteral("umount"));
    else
        ::chmod(path.constData(), 0755);
    QVERIFY(locked);
    const RenameStatus expected =
        runsAsRoot() ? RenameStatus::ReadOnlyFileSystem : RenameStatus::PermissionDenied;
    QCOMPARE(statusesOf(engine), std::vector<RenameStatus>(3, expected));
    std::sort(names.begin(), names.end());
    QCOMPARE(names, (std::vector<QByteArray>{"a.mp3", "b.mp3", "c.mp3"}));
}

void TestRename::fileRemovedBeforeRun_data()
{
    QTest::addColumn<QByteArray>("removed");
    QTest::addColumn<bool>("swaps");
    QTest::addColumn<std::vector<RenameStatus>>("statuses");
    QTest::addColumn<QByteArrayList>("after");

    using S = RenameStatus;
    // Rows: a and b swap, c moves on to d, e stands alone.
    QTest::newRow("lone-row") << QByteArray("e.mp3") << true
                              << std::vector<S>{S::Renamed, S::Renamed, S::Renamed,
                                                S::SourceVanished}
                              << QByteArrayList{"a.mp3>b.mp3", "b.mp3>a.mp3", "c.mp3>d.mp3"};
    QTest::newRow("second-of-a-swap-put-back")
        << QByteArray("b.mp3") << false
        << std::vector<S>{S::RolledBack, S::SourceVanished, S::Renamed, S::Renamed}
        << QByteArrayList{"a.mp3>a.mp3", "c.mp3>d.mp3", "e.mp3>f.mp3"};
    // A swap checks both files first and does nothing when one is gone.
    QTest::newRow("second-of-a-swap-never-swapped")
        << QByteArray("b.mp3") << true
        << std::vector<S>{S::BlockedBySkippedRow, S::SourceVanished, S::Renamed, S::Renamed}
        << QByteArrayList{"a.mp3>a.mp3", "c.mp3>d.mp3", "e.mp3>f.mp3"};
    for (const bool swaps : {false, true}) {
        QTest::addRow("first-of-a-swap-%s", swaps ? "swapping" : "temporary-names")
            << QByteArray("a.mp3") << swaps
            << std::vector<S>{S::SourceVanished, S::BlockedBySkippedRow, S::Renamed, S::Renamed}
            << QByteArrayList{"b.mp3>b.mp3", "c.mp3>d.mp3", "e.mp3>f.mp3"};
    }
}

void TestRename::fileRemovedBeforeRun()
{
    QFETCH(QByteArray, removed);
    QFETCH(bool, swaps);
    QFETCH(std::vector<RenameStatus>, statuses);
    QFETCH(QByteArrayList, after);

    TestDir dir;
    for (const QByteArray name : {"a.mp3", "b.mp3", "c.mp3", "e.mp3"})
        QVERIFY(dir.createRawFile(name, name));
    RenameEngine engine;
    engine.setSwapsAllowed(swaps);
    QVERIFY(engine.prepare(dir.pathBytes(), requestsOf(dir, {"a.mp3>b.mp3", "b.mp3>a.mp3",
                                                             "c.mp3>d.mp3", "e.mp3>f.mp3"})));
    QVERIFY(QFile::remove(dir.filePath(QString::fromLatin1(removed))));
    engine.run();
    QCOMPARE(statusesOf(engine), statuses);
    QCOMPARE(snapshot(dir), expectedFiles(after));
    QVERIFY(!engine.journalKept());
}

void TestRename::fileChangedSinceListing()
{
    TestDir dir;
    QVERIFY(dir.createRawFile("a.mp3", "a"));
    QVERIFY(dir.createRawFile("b.mp3", "b"));
    std::vector<RenameRequest> requests = requestsOf(dir, {"a.mp3>c.mp3", "b.mp3>a.mp3"});
    QVERIFY(dir.createRawFile("a.mp3", "grown since"));
    RenameEngine engine;
    QVERIFY(engine.prepare(dir.pathBytes(), requests));
    engine.run();
    QCOMPARE(statusesOf(engine), (std::vector<RenameStatus>{RenameStatus::SourceChanged,
                                                            RenameStatus::BlockedBySkippedRow}));
    QCOMPARE(snapshot(dir).keys(), (QByteArrayList{"a.mp3", "b.mp3"}));
}

void TestRename::secondRunRefused()
{
    TestDir dir;
    QVERIFY(dir.createRawFile("a.mp3", "a.mp3"));
    QVERIFY(dir.createRawFile("b.mp3", "b.mp3"));
    RenameEngine first;
    QVERIFY(first.prepare(dir.pathBytes(), requestsOf(dir, {"a.mp3>b.mp3", "b.mp3>a.mp3"})));
    QVERIFY(first.runStep());
    QVERIFY(dir.exists(QString::fromLatin1(renaming::RenameJournal::fileName())));

    RenameEngine second;
    QVERIFY(!second.prepare(dir.pathBytes(), requestsOf(dir, {"a.mp3>c.mp3"})));
    second.run();
    QCOMPARE(statusesOf(second), std::vector<RenameStatus>{RenameStatus::RunPending});

    first.run();
    QCOMPARE(snapshot(dir), expectedFiles({"a.mp3>b.mp3", "b.mp3>a.mp3"}));
}

void TestRename::longListCheck_data()
{
    QTest::addColumn<std::vector<QByteArray>>("folder");
    QTest::addColumn<std::vector<RenameRequest>>("rows");
    QTest::addColumn<std::vector<RenameStatus>>("statuses");
    QTest::addColumn<std::vector<int>>("holders");

    // Thousands of rows, so the names fill tables far past any first size and collide.
    constexpr int Count = 3000;
    const auto name = [](int i) { return "n" + QByteArray::number(i) + ".mp3"; };
    std::vector<QByteArray> files;
    for (int i = 0; i < Count; ++i)
        files.push_back(name(i));

    // Row i renames file i to the name of file i + 1, the last one to `lastTarget`.
    const auto chain = [&](const QByteArray& lastTarget, bool backwards) {
        std::vector<RenameRequest> rows;
        for (int i = 0; i < Count; ++i)
            rows.push_back({name(i), i + 1 < Count ? name(i + 1) : lastTarget, 0, 0});
        if (backwards)
            std::reverse(rows.begin(), rows.end());
        return rows;
    };
    const auto ordered = [](std::vector<RenameStatus> statuses, bool backwards) {
        if (backwards)
            std::reverse(statuses.begin(), statuses.end());
        return statuses;
    };

    std::vector<RenameStatus> blocked(Count, RenameStatus::BlockedBySkippedRow);
    blocked.back() = RenameStatus::TargetExists;
    std::vector<int> none(Count, -1);
    std::vector<int> next(Count, -1);
    std::vector<int> nextBackwards(Count, -1);
    for (int i = 0; i + 1 < Count; ++i) {
        next[size_t(i)] = i + 1;
        nextBackwards[size_t(Count - 1 - i)] = Count - 2 - i;
    }
    std::vector<QByteArray> withForeign = files;
    withForeign.push_back("foreign.mp3");

    for (const bool backwards : {false, true}) {
        const QByteArray order = backwards ? "/backwards" : "/in-order";
        QTest::newRow("chain-ends-free" + order)
            << files << chain("free.mp3", backwards)
            << std::vector<RenameStatus>(Count, RenameStatus::Pending)
            << (backwards ? nextBackwards : next);
        QTest::newRow("chain-ends-on-foreign-file" + order)
            << withForeign << chain("foreign.mp3", backwards) << ordered(blocked, backwards)
            << none;
    }

    // Pairs of rows want one name: the first of each pair gets it.
    std::vector<RenameRequest> pairs;
    std::vector<RenameStatus> pairStatuses;
    for (int i = 0; i < Count; ++i) {
        pairs.push_back({name(i), "t" + QByteArray::number(i / 2) + ".mp3", 0, 0});
        pairStatuses.push_back(i % 2 ? RenameStatus::DuplicateTarget : RenameStatus::Pending);
    }
    QTest::newRow("duplicate-targets") << files << pairs << pairStatuses << none;

    // Every file listed twice: the second row of each is refused.
    std::vector<RenameRequest> twice;
    std::vector<RenameStatus> twiceStatuses;
    for (int i = 0; i < Count; ++i) {
        twice.push_back({name(i / 2), "u" + QByteArray::number(i) + ".mp3", 0, 0});
        twiceStatuses.push_back(i % 2 ? RenameStatus::DuplicateSource : RenameStatus::Pending);
    }
    QTest::newRow("duplicate-sources") << files << twice << twiceStatuses << none;
}

void TestRename::longListCheck()
{
    QFETCH(std::vector<QByteArray>, folder);
    QFETCH(std::vector<RenameRequest>, rows);
    QFETCH(std::vector<RenameStatus>, statuses);
    QFETCH(std::vector<int>, holders);

    const renaming::RenameCheck check(folder, platform::FsTraits());
    const renaming::RenameCheck::Result result = check.check(rows);
    QCOMPARE(result.status, statuses);
    QCOMPARE(result.holder, holders);
}

QTEST_GUILESS_MAIN(TestRename)

#include "tst_rename.moc"
