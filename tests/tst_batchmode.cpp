#include "app/BatchMode.h"
#include "app/RenameRequests.h"
#include "tests/support/TestDir.h"

#include <QDateTime>
#include <QFile>
#include <QTest>
#include <QTextStream>

using batchmode::Options;
using batchmode::Order;

Q_DECLARE_METATYPE(Options::Command)
Q_DECLARE_METATYPE(Order)

namespace {

struct Outcome
{
    int code = 0;
    QString out;
    QString err;
};

Outcome runBatch(const QStringList& arguments)
{
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.code = batchmode::run(batchmode::parseArguments(arguments), out, err);
    out.flush();
    err.flush();
    return outcome;
}

QStringList previewColumn(const QString& output)
{
    QStringList previews;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts))
        previews.append(line.split(u'\t').value(4));
    return previews;
}

void setTime(const TestDir& dir, const QString& name, qint64 seconds)
{
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::fromSecsSinceEpoch(seconds), QFile::FileModificationTime));
}

} // namespace

class TestBatchMode : public QObject
{
    Q_OBJECT

private slots:
    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Options::Command>("command");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("increment");
        QTest::addColumn<Order>("order");
        const auto none = Options::Command::None;
        const auto preview = Options::Command::Preview;
        const auto rename = Options::Command::Rename;
        QTest::newRow("window") << QStringList{} << none << false << 0LL << 1LL << Order::Listing;
        QTest::newRow("window-folder") << QStringList{QStringLiteral("/music")} << none << false
                                       << 0LL << 1LL << Order::Listing;
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << Options::Command::Help
                              << false << 0LL << 1LL << Order::Listing;
        QTest::newRow("preview-all")
            << QStringList{QStringLiteral("--preview"),   QStringLiteral("/m"),
                           QStringLiteral("--start"),     QStringLiteral("10"),
                           QStringLiteral("--increment"), QStringLiteral("$A"),
                           QStringLiteral("--order"),     QStringLiteral("size")}
            << preview << false << 10LL << 10LL << Order::Size;
        QTest::newRow("rename-order-date")
            << QStringList{QStringLiteral("--rename"), QStringLiteral("/m"),
                           QStringLiteral("--order"), QStringLiteral("date")}
            << rename << false << 0LL << 1LL << Order::Date;
        QTest::newRow("no-folder") << QStringList{QStringLiteral("--rename")} << rename << true
                                   << 0LL << 1LL << Order::Listing;
        QTest::newRow("increment-zero")
            << QStringList{QStringLiteral("--preview"), QStringLiteral("/m"),
                           QStringLiteral("--increment"), QStringLiteral("0")}
            << preview << true << 0LL << 1LL << Order::Listing;
        QTest::newRow("start-not-a-number")
            << QStringList{QStringLiteral("--preview"), QStringLiteral("/m"),
                           QStringLiteral("--start"), QStringLiteral("1e3")}
            << preview << true << 0LL << 1LL << Order::Listing;
        QTest::newRow("unknown-order")
            << QStringList{QStringLiteral("--preview"), QStringLiteral("/m"),
                           QStringLiteral("--order"), QStringLiteral("random")}
            << preview << true << 0LL << 1LL << Order::Listing;
        QTest::newRow("value-missing")
            << QStringList{QStringLiteral("--preview"), QStringLiteral("/m"),
                           QStringLiteral("--start")}
            << preview << true << 0LL << 1LL << Order::Listing;
    }
    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Options::Command, command);
        QFETCH(bool, refused);
        QFETCH(qint64, start);
        QFETCH(qint64, increment);
        QFETCH(Order, order);
        const Options options = batchmode::parseArguments(arguments);
        QCOMPARE(!options.error.isEmpty(), refused);
        if (refused)
            return;
        QCOMPARE(options.command, command);
        QCOMPARE(options.start, start);
        QCOMPARE(options.increment, increment);
        QCOMPARE(options.order, order);
    }

    void previewOrders_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QStringList>("previews");
        QTest::newRow("listing-by-name")
            << QString()
            << QStringList{QStringLiteral("00001 Small"), QStringLiteral("00002 Big"),
                           QStringLiteral("00003 old")};
        QTest::newRow("number-empty-first")
            << QStringLiteral("number")
            << QStringList{QStringLiteral("00001 Big"), QStringLiteral("00002 old"),
                           QStringLiteral("00003 Small")};
        QTest::newRow("size-largest-first")
            << QStringLiteral("size")
            << QStringList{QStringLiteral("00001 Big"), QStringLiteral("00002 Small"),
                           QStringLiteral("00003 old")};
        QTest::newRow("date-newest-first")
            << QStringLiteral("date")
            << QStringList{QStringLiteral("00001 Small"), QStringLiteral("00002 Big"),
                           QStringLiteral("00003 old")};
    }
    void previewOrders()
    {
        QFETCH(QString, order);
        QFETCH(QStringList, previews);
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("Big.mp3"), QByteArray(5000, 'b')));
        QVERIFY(dir.createFile(QStringLiteral("old.mp3"), "o"));
        QVERIFY(dir.createFile(QStringLiteral("00009 Small.mp3"), QByteArray(1500, 's')));
        QVERIFY(dir.createFile(QStringLiteral("notes.txt"), "n"));
        setTime(dir, QStringLiteral("old.mp3"), 1000000000);
        setTime(dir, QStringLiteral("Big.mp3"), 1500000000);
        setTime(dir, QStringLiteral("00009 Small.mp3"), 1600000000);
        QStringList arguments{QStringLiteral("--preview"), dir.path()};
        if (!order.isEmpty())
            arguments << QStringLiteral("--order") << order;
        const Outcome outcome = runBatch(arguments);
        QCOMPARE(outcome.code, 0);
        QCOMPARE(previewColumn(outcome.out), previews);
        QVERIFY(dir.exists(QStringLiteral("old.mp3")));
    }

    void previewOfNoFolderFails()
    {
        TestDir dir;
        const Outcome outcome =
            runBatch({QStringLiteral("--preview"), dir.filePath(QStringLiteral("missing"))});
        QCOMPARE(outcome.code, 2);
        QVERIFY(outcome.err.contains(QStringLiteral("is not a folder")));
        QVERIFY(outcome.out.isEmpty());
    }

    void renameRenamesAndReportsWhatItCouldNot()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("00002 A.mp3"), "a"));
        QVERIFY(dir.createFile(QStringLiteral("00001 B.mp3"), "b"));
        QVERIFY(dir.createFile(QStringLiteral("C.mp3"), "c"));
        // Held by a folder outside the run: C cannot take this name.
        QVERIFY(dir.createDir(QStringLiteral("00003 C.mp3")));
        const Outcome outcome = runBatch({QStringLiteral("--rename"), dir.path(),
                                          QStringLiteral("--order"), QStringLiteral("name")});
        QCOMPARE(outcome.code, 1);
        QCOMPARE(dir.read(QStringLiteral("00001 A.mp3")), QByteArray("a"));
        QCOMPARE(dir.read(QStringLiteral("00002 B.mp3")), QByteArray("b"));
        QCOMPARE(dir.read(QStringLiteral("C.mp3")), QByteArray("c"));
        const QStringList lines = outcome.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.constFirst().startsWith(QStringLiteral("C.mp3\t")));
    }

    void renameOfACleanFolderSucceeds()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("b.mp3"), "b"));
        QVERIFY(dir.createFile(QStringLiteral("a.mp3"), "a"));
        const Outcome outcome = runBatch({QStringLiteral("--rename"), dir.path(),
                                          QStringLiteral("--start"), QStringLiteral("10")});
        QCOMPARE(outcome.code, 0);
        QVERIFY(outcome.out.isEmpty());
        QCOMPARE(dir.read(QStringLiteral("00011 a.mp3")), QByteArray("a"));
        QCOMPARE(dir.read(QStringLiteral("00012 b.mp3")), QByteArray("b"));
    }

    void newNamesKeepTheFileBytes_data()
    {
        QTest::addColumn<QByteArray>("oldName");
        QTest::addColumn<QByteArray>("newName");
        QTest::newRow("numbered") << QByteArray("00007 Title.mp3") << QByteArray("00003 Title.mp3");
        QTest::newRow("dash-separator")
            << QByteArray("00007-Title.mp3") << QByteArray("00003 Title.mp3");
        QTest::newRow("short-number-empty-title")
            << QByteArray("12.mp3") << QByteArray("00003 .mp3");
        QTest::newRow("six-digits")
            << QByteArray("123456 Long.mp3") << QByteArray("00003  Long.mp3");
        QTest::newRow("capital-extension")
            << QByteArray("Song.MP3") << QByteArray("00003 Song.mp3");
        QTest::newRow("five-digits-only") << QByteArray("00012.mp3") << QByteArray("00003 .mp3");
        QTest::newRow("invalid-utf8-title")
            << QByteArray("00001 Caf\xe9.mp3") << QByteArray("00003 Caf\xe9.mp3");
        QTest::newRow("two-byte-separator")
            << QByteArray("00001\xc3\xa9Title.mp3") << QByteArray("00003 Title.mp3");
        QTest::newRow("broken-separator")
            << QByteArray("00001\xc3Title.mp3") << QByteArray("00003 Title.mp3");
    }
    void newNamesKeepTheFileBytes()
    {
        QFETCH(QByteArray, oldName);
        QFETCH(QByteArray, newName);
        QCOMPARE(renamerequests::newNameBytes(3, oldName), newName);
    }
};

QTEST_GUILESS_MAIN(TestBatchMode)
#include "tst_batchmode.moc"
