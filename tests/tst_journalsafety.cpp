#include "app/Main.h"
#include "app/RecoveryOffer.h"
#include "core/SettingsFile.h"
#include "core/rename/PendingRuns.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameJournal.h"
#include "core/rename/RenameRecovery.h"
#include "core/rename/RenameReport.h"
#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxFilelistView28.h"
#include "platform/SyncedFolder.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/RenameRun.h"
#include "tests/support/TestDir.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

using renaming::RenameEngine;
using renaming::RenameGroup;
using renaming::RenameJournal;
using renaming::RenamePlan;
using renaming::RenamePlanRow;
using renaming::RenameRecovery;
using renaming::RenameRequest;

Q_DECLARE_METATYPE(renaming::RenameJournal::Load)

using namespace renametest;

namespace {

const QString kJournal = QString::fromLatin1(RenameJournal::fileName());

// A swap and a chain; stopped after `steps` rows it leaves a journal behind, as a crash would.
const QByteArrayList kRun{"a.mp3>b.mp3", "b.mp3>a.mp3", "c.mp3>d.mp3"};

bool stopRunAfter(TestDir& dir, int steps, bool swaps = true)
{
    if (!createFiles(dir, kRun))
        return false;
    RenameEngine engine;
    engine.setSwapsAllowed(swaps);
    if (!engine.prepare(dir.pathBytes(), requestsOf(dir.pathBytes(), kRun)))
        return false;
    for (int i = 0; i < steps; ++i)
        engine.runStep();
    return dir.exists(kJournal);
}

// Writes a journal whose plan renames one file, through its temporary name when one is given.
int writeJournal(const QByteArray& folderPath, const QByteArray& oldName, const QByteArray& newName,
                 const QByteArray& tempName)
{
    RenamePlanRow row;
    row.oldName = oldName;
    row.newName = newName;
    row.tempName = tempName;
    // A chain: the recovery has no use for the temporary name, but the plan must still be safe.
    RenameGroup group;
    group.rows = {0};
    const RenamePlan plan({row}, {group});
    const platform::SyncedFolder folder(folderPath);
    RenameJournal journal;
    return journal.create(folder, plan);
}

// Clicks the button a message box would take on Enter, after noting which one it is.
ModalAnswerer::Handler pressDefault(QString* defaultName, QStringList* buttons)
{
    return [defaultName, buttons](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        for (const QAbstractButton* button : box->buttons())
            buttons->append(button->objectName());
        *defaultName = box->defaultButton()->objectName();
        box->defaultButton()->click();
    };
}

// Puts the recovery question for the folder, answered by `handler`; the offer's result, and in
// `boxes` how many modal boxes came.
bool answerOffer(const QByteArray& folder, const ModalAnswerer::Handler& handler,
                 qsizetype* boxes = nullptr)
{
    QWidget parent;
    ModalAnswerer answerer;
    answerer.handle(handler);
    const bool result = recoveryoffer::offerRecovery(&parent, folder);
    if (boxes)
        *boxes = answerer.names.size();
    return result;
}

ModalAnswerer::Handler press(const QString& objectName)
{
    return [objectName](QWidget* modal) {
        auto* button = modal->findChild<QPushButton*>(objectName);
        QVERIFY2(button, qPrintable(objectName));
        button->click();
    };
}

} // namespace

class TestJournalSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void namesStayInTheFolder_data();
    void namesStayInTheFolder();
    void oversizedJournal();
    void journalOverTheLimitIsNotWritten();
    void journalThatIsNotAFile_data();
    void journalThatIsNotAFile();
    void foreignJournalNeedsAnExplicitChoice();
    void movedFolderKeepsItsRun();
    void damagedPlanNamesTemporaryFiles();
    void runWithoutRecordDoesNotStart();
    void questionIsNotPutTwice();
    void journalOfTheEarlierVersion();
};

void TestJournalSafety::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    cleanup();
}

void TestJournalSafety::cleanup()
{
    QDir(renaming::pendingRunsDir()).removeRecursively();
}

void TestJournalSafety::namesStayInTheFolder_data()
{
    QTest::addColumn<QByteArray>("oldName");
    QTest::addColumn<QByteArray>("newName");
    QTest::addColumn<QByteArray>("tempName");
    QTest::addColumn<bool>("usable");

    QTest::newRow("plain-names") << QByteArray("in.mp3") << QByteArray("out.mp3") << QByteArray()
                                 << true;
    QTest::newRow("run-temporary-name") << QByteArray("in.mp3") << QByteArray("out.mp3")
                                        << QByteArray(".orven-tmp-9fa0b1c2-17") << true;
    QTest::newRow("old-name-climbs-out")
        << QByteArray("../outside.mp3") << QByteArray("in.mp3") << QByteArray() << false;
    QTest::newRow("new-name-climbs-out")
        << QByteArray("in.mp3") << QByteArray("../autostart/x.desktop") << QByteArray() << false;
    QTest::newRow("absolute-old-name")
        << QByteArray("/tmp/elsewhere.mp3") << QByteArray("in2.mp3") << QByteArray() << false;
    QTest::newRow("name-with-folder")
        << QByteArray("in.mp3") << QByteArray("sub/out.mp3") << QByteArray() << false;
    QTest::newRow("dot") << QByteArray("in.mp3") << QByteArray(".") << QByteArray() << false;
    QTest::newRow("dot-dot") << QByteArray("..") << QByteArray("in.mp3") << QByteArray() << false;
    QTest::newRow("nul-byte") << QByteArray("in.mp3") << QByteArray("out\0.mp3", 8) << QByteArray()
                              << false;
    QTest::newRow("256-bytes") << QByteArray("in.mp3") << QByteArray(256, 'x') << QByteArray()
                               << false;
    QTest::newRow("journal-name") << QByteArray("in.mp3") << RenameJournal::fileName()
                                  << QByteArray() << false;
    QTest::newRow("temporary-name-climbs-out") << QByteArray("in.mp3") << QByteArray("out.mp3")
                                               << QByteArray("../.orven-tmp-1-0") << false;
    QTest::newRow("temporary-name-not-hexadecimal")
        << QByteArray("in.mp3") << QByteArray("out.mp3") << QByteArray(".orven-tmp-xyz-1") << false;
    QTest::newRow("temporary-name-nine-digits") << QByteArray("in.mp3") << QByteArray("out.mp3")
                                                << QByteArray(".orven-tmp-123456789-1") << false;
    QTest::newRow("temporary-name-not-ours")
        << QByteArray("in.mp3") << QByteArray("out.mp3") << QByteArray("notes.txt") << false;
    QTest::newRow("temporary-name-with-suffix") << QByteArray("in.mp3") << QByteArray("out.mp3")
                                                << QByteArray(".orven-tmp-1-2.mp3") << false;
}

// Anyone can write a journal into a folder; its names must never reach outside it.
void TestJournalSafety::namesStayInTheFolder()
{
    QFETCH(QByteArray, oldName);
    QFETCH(QByteArray, newName);
    QFETCH(QByteArray, tempName);
    QFETCH(bool, usable);

    TestDir root;
    QVERIFY(root.createFile(QStringLiteral("outside.mp3"), "outside"));
    QVERIFY(root.createFile(QStringLiteral("music/in.mp3"), "inside"));
    QVERIFY(root.createDir(QStringLiteral("autostart")));
    const QByteArray music = root.pathBytes() + "/music";
    QCOMPARE(writeJournal(music, oldName, newName, tempName), 0);
    const QMap<QByteArray, QByteArray> rootBefore = snapshot(root.pathBytes());

    RenameRecovery recovery(music);
    QCOMPARE(recovery.load() == RenameJournal::Load::Ok, usable);
    if (!usable) {
        QCOMPARE(recovery.loadResult(), RenameJournal::Load::Damaged);
        QVERIFY(!recovery.loadDetail().isEmpty());
    }
    recovery.carryOut(RenameRecovery::Action::Finish);
    QCOMPARE(snapshot(root.pathBytes()), rootBefore);
    QCOMPARE(snapshot(root.pathBytes() + "/autostart").size(), 0);
    const QMap<QByteArray, QByteArray> inside = snapshot(music);
    QCOMPARE(inside.value(usable ? "out.mp3" : "in.mp3"), QByteArray("inside"));
}

void TestJournalSafety::oversizedJournal()
{
    TestDir dir;
    QVERIFY(stopRunAfter(dir, 1));
    // Sparse: six gigabytes on paper, nothing on the disk; reading it whole would abort.
    QFile journal(dir.filePath(kJournal));
    QVERIFY(journal.resize(qint64(6) << 30));
    QElapsedTimer timer;
    timer.start();
    RenameRecovery recovery(dir.pathBytes());
    QCOMPARE(recovery.load(), RenameJournal::Load::Damaged);
    QVERIFY(recovery.loadDetail().contains(QStringLiteral("larger")));
    QVERIFY2(timer.elapsed() < 5000, "the journal must not be read");
    QCOMPARE(recovery.setAside(), 0);
    QVERIFY(!dir.exists(kJournal));
}

void TestJournalSafety::journalOverTheLimitIsNotWritten()
{
    TestDir dir;
    std::vector<RenamePlanRow> rows(200);
    RenameGroup chain;
    for (int i = 0; i < 200; ++i) {
        rows[size_t(i)].oldName = "old " + QByteArray::number(i) + ".mp3";
        rows[size_t(i)].newName = "new " + QByteArray::number(i) + ".mp3";
        chain.rows.push_back(i);
    }
    const RenamePlan plan(std::move(rows), {chain});
    const platform::SyncedFolder folder(dir.pathBytes());
    RenameJournal small(4096);
    QCOMPARE(small.create(folder, plan), EFBIG);
    QVERIFY(!dir.exists(kJournal));
    {
        RenameJournal large(1 << 20);
        QCOMPARE(large.create(folder, plan), 0);
        QVERIFY(dir.exists(kJournal));
    }
    // The reader keeps to the same limit.
    RenameJournal reader(4096);
    QCOMPARE(reader.open(folder), RenameJournal::Load::Damaged);
}

void TestJournalSafety::journalThatIsNotAFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link-to-a-real-journal") << QStringLiteral("link");
    QTest::newRow("dangling-link") << QStringLiteral("dangling");
    QTest::newRow("fifo") << QStringLiteral("fifo");
    QTest::newRow("folder") << QStringLiteral("folder");
}

// Whatever stands under the journal's name, the folder is never blocked for good.
void TestJournalSafety::journalThatIsNotAFile()
{
    QFETCH(QString, kind);
    TestDir other;
    QVERIFY(stopRunAfter(other, 1));
    TestDir dir;
    QVERIFY(dir.createFile(QStringLiteral("x.mp3"), "x"));
    const QByteArray journalPath = dir.pathBytes() + '/' + RenameJournal::fileName();
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(other.filePath(kJournal), QFile::decodeName(journalPath)));
    else if (kind == QLatin1String("dangling"))
        QVERIFY(
            QFile::link(dir.filePath(QStringLiteral("nowhere")), QFile::decodeName(journalPath)));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(journalPath.constData(), 0600), 0);
    else
        QVERIFY(dir.createDir(kJournal));
    const QMap<QByteArray, QByteArray> otherBefore = snapshot(other.pathBytes());

    QVERIFY(RenameRecovery::hasJournal(dir.pathBytes()));
    QString defaultName;
    QStringList buttons;
    qsizetype boxes = 0;
    QVERIFY(!answerOffer(dir.pathBytes(), pressDefault(&defaultName, &buttons), &boxes));
    QCOMPARE(boxes, 1);
    QCOMPARE(defaultName, QStringLiteral("LaterButton"));
    QVERIFY(buttons.contains(QStringLiteral("SetAsideButton")));

    QVERIFY(answerOffer(dir.pathBytes(), press(QStringLiteral("SetAsideButton"))));
    QVERIFY(!RenameRecovery::hasJournal(dir.pathBytes()));
    QCOMPARE(snapshot(other.pathBytes()), otherBefore);
    RenameEngine engine;
    QVERIFY(engine.prepare(dir.pathBytes(), requestsOf(dir.pathBytes(), {"x.mp3>y.mp3"})));
    engine.run();
    QCOMPARE(engine.results().at(0).status, renaming::RenameStatus::Renamed);
}

void TestJournalSafety::foreignJournalNeedsAnExplicitChoice()
{
    TestDir dir;
    QVERIFY(stopRunAfter(dir, 1));
    // Another user's run, or one from another computer: this user's records do not list it.
    renaming::forgetPendingRun(platform::SyncedFolder(dir.pathBytes()));
    const QMap<QByteArray, QByteArray> before = snapshot(dir.pathBytes());

    {
        RenameRecovery recovery(dir.pathBytes());
        QCOMPARE(recovery.load(), RenameJournal::Load::Ok);
        QVERIFY(!recovery.isOwnRun());
        QCOMPARE(recovery.plannedFiles(), 3);
        const QString question = renamereport::foreignJournalQuestion(recovery);
        QVERIFY2(question.contains(QStringLiteral("3 files")), qPrintable(question));
    }

    QString defaultName;
    QStringList buttons;
    QVERIFY(!answerOffer(dir.pathBytes(), pressDefault(&defaultName, &buttons)));
    QCOMPARE(defaultName, QStringLiteral("LaterButton"));
    QCOMPARE(buttons.size(), 4);
    QCOMPARE(snapshot(dir.pathBytes()), before);

    QVERIFY(answerOffer(dir.pathBytes(), press(QStringLiteral("SetAsideButton"))));
    QMap<QByteArray, QByteArray> after = snapshot(dir.pathBytes());
    const QByteArray journal = before.value(RenameJournal::fileName());
    QMap<QByteArray, QByteArray> expected = before;
    expected.remove(RenameJournal::fileName());
    const QByteArray setAside = after.firstKey();
    QVERIFY2(setAside.startsWith(RenameJournal::fileName() + ".set-aside-2"), setAside.constData());
    QCOMPARE(after.take(setAside), journal);
    QCOMPARE(after, expected);
}

// The record names the folder by device and inode, so a folder renamed since keeps its run.
void TestJournalSafety::movedFolderKeepsItsRun()
{
    TestDir root;
    QVERIFY(root.createDir(QStringLiteral("before")));
    for (const QByteArray& pair : kRun) {
        const QString name = QString::fromLatin1(pair.left(pair.indexOf('>')));
        QVERIFY(root.createFile(QStringLiteral("before/") + name, "content of " + name.toLatin1()));
    }
    {
        RenameEngine engine;
        const QByteArray path = root.pathBytes() + "/before";
        QVERIFY(engine.prepare(path, requestsOf(path, kRun)));
        QVERIFY(engine.runStep());
    }
    QVERIFY(QDir(root.path()).rename(QStringLiteral("before"), QStringLiteral("after")));
    RenameRecovery recovery(root.pathBytes() + "/after");
    QCOMPARE(recovery.load(), RenameJournal::Load::Ok);
    QVERIFY(recovery.isOwnRun());
    recovery.carryOut(RenameRecovery::Action::RollBack);
    QVERIFY(recovery.journalRemoved());
    QVERIFY(renaming::pendingRuns().empty());
}

void TestJournalSafety::damagedPlanNamesTemporaryFiles()
{
    TestDir dir;
    // The chain, then the swap's first file under its temporary name.
    QVERIFY(stopRunAfter(dir, 2, false));
    std::vector<QByteArray> temporary;
    for (const QByteArray& name : snapshot(dir.pathBytes()).keys()) {
        if (RenameJournal::isTemporaryName(name))
            temporary.push_back(name);
    }
    QCOMPARE(temporary.size(), size_t(1));
    QByteArray journal = dir.read(kJournal);
    journal[20] = char(journal[20] ^ 0x01);
    QVERIFY(dir.createFile(kJournal, journal));

    RenameRecovery recovery(dir.pathBytes());
    QCOMPARE(recovery.load(), RenameJournal::Load::Damaged);
    const QString text = renamereport::unusableJournalText(recovery);
    QVERIFY2(!text.contains(QStringLiteral("No file was touched")), qPrintable(text));
    QVERIFY2(text.contains(QString::fromLatin1(temporary.front())), qPrintable(text));
    const QMap<QByteArray, QByteArray> before = snapshot(dir.pathBytes());
    recovery.carryOut(RenameRecovery::Action::Finish);
    QCOMPARE(snapshot(dir.pathBytes()), before);
}

void TestJournalSafety::runWithoutRecordDoesNotStart()
{
    // A file where the records' folder should be: the record cannot be written.
    QVERIFY(QDir().mkpath(QFileInfo(renaming::pendingRunsDir()).path()));
    QFile blocker(renaming::pendingRunsDir());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    TestDir dir;
    QVERIFY(dir.createFile(QStringLiteral("a.mp3"), "a"));
    RenameEngine engine;
    QVERIFY(engine.prepare(dir.pathBytes(), requestsOf(dir.pathBytes(), {"a.mp3>b.mp3"})));
    engine.run();
    QCOMPARE(engine.results().at(0).status, renaming::RenameStatus::RunRecordFailed);
    QVERIFY(dir.exists(QStringLiteral("a.mp3")));
    QVERIFY(!dir.exists(kJournal));
    QVERIFY(QFile::remove(renaming::pendingRunsDir()));
}

// A folder created next to the listed one while the recovery question is open makes the folder
// picker report its path again; that must not bring up a second question or a false "a run is
// going on" warning.
void TestJournalSafety::questionIsNotPutTwice()
{
    TestDir root;
    QVERIFY(root.createDir(QStringLiteral("exe")));
    QVERIFY(root.createDir(QStringLiteral("music")));
    for (const QByteArray& pair : kRun) {
        const QString name = QString::fromLatin1(pair.left(pair.indexOf('>')));
        QVERIFY(root.createFile(QStringLiteral("music/") + name, "content of " + name.toLatin1()));
    }
    const QByteArray music = root.pathBytes() + "/music";
    {
        RenameEngine engine;
        QVERIFY(engine.prepare(music, requestsOf(music, kRun)));
        QVERIFY(engine.runStep());
    }
    TForm1 form(SettingsFile(root.filePath(QStringLiteral("exe/ORVENFR.cfg")),
                             root.filePath(QStringLiteral("config/ORVENFR.cfg"))));
    form.show();
    auto* combo = form.findChild<TVxDirTreeCombo28*>(QStringLiteral("VxDirTreeCombo281"));
    QVERIFY(combo);
    QSignalSpy pathChanges(combo, &TVxDirTreeCombo28::PathChange);

    ModalAnswerer answerer;
    bool seen = false;
    answerer.handle([&](QWidget* modal) {
        // The spy hears of the path change that opened this question only after it closes.
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("sibling")));
        seen = QTest::qWaitFor([&] { return pathChanges.count() >= 1; }, 10000);
        press(QStringLiteral("LaterButton"))(modal);
    });
    form.openStartFolder(music);
    QVERIFY2(seen, "the folder picker did not report the new folder");
    QTRY_COMPARE(answerer.names.size(), 1);
    QCOMPARE(answerer.names.first(), QStringLiteral("RecoveryOfferBox"));
    QVERIFY(!answerer.unexpected);
}

// A run of the program's earlier version, stopped half-way through a swap by temporary name:
// its journal (version 1, no inodes) and its pending-run record (the path alone) are still read,
// and the run is finished.
void TestJournalSafety::journalOfTheEarlierVersion()
{
    TestDir dir;
    const QByteArray temporary = ".orven-tmp-1f-0";
    QVERIFY(dir.createRawFile(temporary, "content of a.mp3"));
    QVERIFY(dir.createRawFile("a.mp3", "content of b.mp3"));
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << qint32(2);
        out << QByteArray("a.mp3") << QByteArray("b.mp3") << temporary << qint64(16) << qint64(1)
            << quint8(0);
        out << QByteArray("b.mp3") << QByteArray("a.mp3") << QByteArray() << qint64(16) << qint64(1)
            << quint8(0);
        out << qint32(1) << true << qint32(2) << qint32(0) << qint32(1);
    }
    QByteArray journal = "ORVENRJ1";
    journal.resize(journal.size() + 4);
    qToBigEndian(quint32(payload.size()), journal.data() + 8);
    journal += payload + QCryptographicHash::hash(payload, QCryptographicHash::Md5);
    QVERIFY(dir.createFile(kJournal, journal));
    QVERIFY(QDir().mkpath(renaming::pendingRunsDir()));
    QFile record(renaming::pendingRunsDir() + QLatin1Char('/') +
                 QString::fromLatin1(
                     QCryptographicHash::hash(dir.pathBytes(), QCryptographicHash::Sha1).toHex()) +
                 QStringLiteral(".run"));
    QVERIFY(record.open(QIODevice::WriteOnly));
    record.write(dir.pathBytes());
    record.close();

    RenameRecovery recovery(dir.pathBytes());
    QCOMPARE(recovery.load(), RenameJournal::Load::Ok);
    QVERIFY(recovery.isOwnRun());
    QCOMPARE(recovery.countAtNew(), 1);
    recovery.carryOut(RenameRecovery::Action::Finish);
    QVERIFY(recovery.journalRemoved());
    QCOMPARE(snapshot(dir.pathBytes()), placed({"a.mp3>b.mp3", "b.mp3>a.mp3"}, true));
}

QTEST_MAIN(TestJournalSafety)

#include "tst_journalsafety.moc"
