#include "core/BatchMode.h"
#include "core/NameEscape.h"
#include "core/rename/RenameRequests.h"
#include "tests/support/BatchRun.h"
#include "tests/support/FuseVolume.h"
#include "tests/support/TestDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cstdio>

using batchmode::Options;
using batchmode::Order;

Q_DECLARE_METATYPE(Options::Command)
Q_DECLARE_METATYPE(Order)

namespace {

QStringList previewColumn(const QString& output)
{
    QStringList previews;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts))
        previews.append(line.split(u'\t').value(4));
    return previews;
}

QStringList fileNames(const TestDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// A folder or file under a raw name: made under a plain name, then renamed.
bool renameRaw(const TestDir& dir, const QString& plainName, const QByteArray& rawName)
{
    return std::rename(QFile::encodeName(dir.filePath(plainName)).constData(),
                       (dir.pathBytes() + '/' + rawName).constData()) == 0;
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
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<Options::Command>("command");
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("increment");
        QTest::addColumn<Order>("order");
        const auto window = Options::Command::Window;
        QTest::newRow("window") << QByteArrayList{} << window << QByteArray() << 0LL << 1LL
                                << Order::Listing;
        QTest::newRow("window-folder-and-qt-option")
            << QByteArrayList{"-style", "fusion", "/music"} << window << QByteArray() << 0LL << 1LL
            << Order::Listing;
        QTest::newRow("help") << QByteArrayList{"--help"} << Options::Command::Help << QByteArray()
                              << 0LL << 1LL << Order::Listing;
        QTest::newRow("preview-all")
            << QByteArrayList{"--preview",   "/m", "--start", "10",
                              "--increment", "$A", "--order", "size"}
            << Options::Command::Preview << QByteArray("/m") << 10LL << 10LL << Order::Size;
        QTest::newRow("rename-latin1-folder")
            << QByteArrayList{"--rename", "/caf\xe9", "--order", "date"} << Options::Command::Rename
            << QByteArray("/caf\xe9") << 0LL << 1LL << Order::Date;
    }
    void arguments()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(Options::Command, command);
        QFETCH(QByteArray, folder);
        QFETCH(qint64, start);
        QFETCH(qint64, increment);
        QFETCH(Order, order);
        const Options options = batchmode::parseArguments(arguments);
        QVERIFY2(options.error.isEmpty(), qPrintable(options.error));
        QCOMPARE(options.command, command);
        QCOMPARE(options.folder, folder);
        QCOMPARE(options.start, start);
        QCOMPARE(options.increment, increment);
        QCOMPARE(options.order, order);
    }

    // FOLDER stands for a real folder, so only the argument can be at fault.
    void refusedCommandLinesExitWithoutWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        const QString folder = QStringLiteral("FOLDER");
        QTest::newRow("negative-start")
            << QStringList{u"--preview"_qs, folder, u"--start"_qs, u"-5"_qs}
            << u"The start must be a number from 0 to 99999, not \"-5\"."_qs;
        QTest::newRow("increment-zero")
            << QStringList{u"--rename"_qs, folder, u"--increment"_qs, u"0"_qs}
            << u"The increment must be a number from 1 to 99999, not \"0\"."_qs;
        QTest::newRow("unknown-order")
            << QStringList{u"--preview"_qs, folder, u"--order"_qs, u"random"_qs}
            << u"The order is number, name, size or date, not \"random\"."_qs;
        QTest::newRow("value-missing")
            << QStringList{u"--preview"_qs, folder, u"--start"_qs} << u"--start needs a value."_qs;
        QTest::newRow("unknown-option-of-a-command")
            << QStringList{u"--preview"_qs, folder, u"--verbose"_qs, u"1"_qs}
            << u"Unknown option \"--verbose\"."_qs;
        QTest::newRow("preview-without-folder")
            << QStringList{u"--preview"_qs} << u"--preview needs a folder."_qs;
        QTest::newRow("rename-option-for-folder")
            << QStringList{u"--rename"_qs, u"--start"_qs, u"3"_qs}
            << u"--rename needs a folder."_qs;
        QTest::newRow("unknown-option-alone")
            << QStringList{u"--frobnicate"_qs} << u"Unknown option \"--frobnicate\"."_qs;
        QTest::newRow("unknown-option-after-window-folder")
            << QStringList{folder, u"--verbose"_qs} << u"Unknown option \"--verbose\"."_qs;
        QTest::newRow("command-after-window-folder")
            << QStringList{folder, u"--preview"_qs} << u"--preview must come first."_qs;
        QTest::newRow("double-dash-alone") << QStringList{u"--"_qs} << u"Unknown option \"--\"."_qs;
    }
    void refusedCommandLinesExitWithoutWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("Song.mp3"), "s"));
        arguments.replaceInStrings(QStringLiteral("FOLDER"), dir.path());
        const Outcome outcome = runProgram(programPath(), arguments);
        QVERIFY2(outcome.code == 2, qPrintable(outcome.err));
        QVERIFY2(outcome.err.startsWith(reason + u'\n'), qPrintable(outcome.err));
        QVERIFY(outcome.out.isEmpty());
        QVERIFY(dir.exists(QStringLiteral("Song.mp3")));
    }

    void helpDescribesTheEscapes()
    {
        const Outcome outcome = runProgram(programPath(), {QStringLiteral("--help")});
        QCOMPARE(outcome.code, 0);
        QVERIFY(outcome.out.contains(QStringLiteral("\\t, \\n and \\\\")));
        QVERIFY(outcome.out.contains(QStringLiteral("\\xHH")));
    }

    void previewOrders_data()
    {
        QTest::addColumn<QByteArray>("order");
        QTest::addColumn<QStringList>("previews");
        QTest::newRow("listing-by-name")
            << QByteArray()
            << QStringList{QStringLiteral("00001 Small"), QStringLiteral("00002 Big"),
                           QStringLiteral("00003 old")};
        QTest::newRow("number-empty-first")
            << QByteArray("number")
            << QStringList{QStringLiteral("00001 Big"), QStringLiteral("00002 old"),
                           QStringLiteral("00003 Small")};
        QTest::newRow("size-largest-first")
            << QByteArray("size")
            << QStringList{QStringLiteral("00001 Big"), QStringLiteral("00002 Small"),
                           QStringLiteral("00003 old")};
        QTest::newRow("date-newest-first")
            << QByteArray("date")
            << QStringList{QStringLiteral("00001 Small"), QStringLiteral("00002 Big"),
                           QStringLiteral("00003 old")};
    }
    void previewOrders()
    {
        QFETCH(QByteArray, order);
        QFETCH(QStringList, previews);
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("Big.mp3"), QByteArray(5000, 'b')));
        QVERIFY(dir.createFile(QStringLiteral("old.mp3"), "o"));
        QVERIFY(dir.createFile(QStringLiteral("00009 Small.mp3"), QByteArray(1500, 's')));
        QVERIFY(dir.createFile(QStringLiteral("notes.txt"), "n"));
        setTime(dir, QStringLiteral("old.mp3"), 1000000000);
        setTime(dir, QStringLiteral("Big.mp3"), 1500000000);
        setTime(dir, QStringLiteral("00009 Small.mp3"), 1600000000);
        QByteArrayList arguments{"--preview", dir.pathBytes()};
        if (!order.isEmpty())
            arguments << "--order" << order;
        const Outcome outcome = runBatch(arguments);
        QCOMPARE(outcome.code, 0);
        QCOMPARE(previewColumn(outcome.out), previews);
        QVERIFY(dir.exists(QStringLiteral("old.mp3")));
    }

    void previewOfNoFolderFails()
    {
        TestDir dir;
        const Outcome outcome = runBatch({"--preview", dir.pathBytes() + "/missing"});
        QCOMPARE(outcome.code, 2);
        QVERIFY(outcome.err.contains(QStringLiteral("is not a folder")));
        QVERIFY(outcome.out.isEmpty());
    }

    void latin1Folder_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QByteArray>("nameAfter");
        QTest::newRow("preview") << QByteArray("--preview") << u"00001 Song"_qs
                                 << QByteArray("Song.mp3");
        QTest::newRow("rename") << QByteArray("--rename") << QString()
                                << QByteArray("00001 Song.mp3");
    }
    void latin1Folder()
    {
        QFETCH(QByteArray, command);
        QFETCH(QString, output);
        QFETCH(QByteArray, nameAfter);
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("plain/Song.mp3"), "s"));
        QVERIFY(renameRaw(dir, QStringLiteral("plain"), "caf\xe9"));
        const QByteArray folder = dir.pathBytes() + "/caf\xe9";
        const Outcome outcome = runBatch({command, folder});
        QVERIFY2(outcome.code == 0, qPrintable(outcome.err));
        QCOMPARE(previewColumn(outcome.out),
                 output.isEmpty() ? QStringList() : QStringList{output});
        QCOMPARE(readRaw(folder + '/' + nameAfter), QByteArray("s"));
    }

    // The shell passes the folder's bytes on, as a terminal would: QProcess can only pass text.
    void latin1FolderFromTheCommandLine()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("plain/Song.mp3"), "s"));
        QVERIFY(renameRaw(dir, QStringLiteral("plain"), "caf\xe9"));
        const Outcome outcome =
            runProgram(QStringLiteral("/bin/sh"),
                       {QStringLiteral("-c"),
                        QStringLiteral("exec \"$0\" --preview \"$1/$(printf 'caf\\351')\""),
                        programPath(), dir.path()});
        QVERIFY2(outcome.code == 0, qPrintable(outcome.err));
        QCOMPARE(previewColumn(outcome.out), QStringList{u"00001 Song"_qs});
    }

    void escaped_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QByteArray("Song 1") << u"Song 1"_qs;
        QTest::newRow("utf8-kept")
            << QByteArray("Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb5") << u"Café € 🎵"_qs;
        QTest::newRow("tab") << QByteArray("a\tb") << u"a\\tb"_qs;
        QTest::newRow("line-feed") << QByteArray("a\nb") << u"a\\nb"_qs;
        QTest::newRow("backslash") << QByteArray("a\\b") << u"a\\\\b"_qs;
        QTest::newRow("backslash-x-not-an-escape") << QByteArray("\\xE9") << u"\\\\xE9"_qs;
        QTest::newRow("carriage-return") << QByteArray("a\rb") << u"a\\x0Db"_qs;
        QTest::newRow("escape-and-delete") << QByteArray("\x1b\x7f") << u"\\x1B\\x7F"_qs;
        QTest::newRow("latin1") << QByteArray("caf\xe9") << u"caf\\xE9"_qs;
        QTest::newRow("lone-continuation") << QByteArray("\x80x") << u"\\x80x"_qs;
        QTest::newRow("truncated-at-end") << QByteArray("a\xe2\x82") << u"a\\xE2\\x82"_qs;
        QTest::newRow("lead-then-ascii") << QByteArray("\xc3(") << u"\\xC3("_qs;
        QTest::newRow("overlong-slash") << QByteArray("\xc0\xaf") << u"\\xC0\\xAF"_qs;
        QTest::newRow("overlong-three-bytes")
            << QByteArray("\xe0\x80\xaf") << u"\\xE0\\x80\\xAF"_qs;
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << u"\\xED\\xA0\\x80"_qs;
        QTest::newRow("beyond-unicode")
            << QByteArray("\xf4\x90\x80\x80") << u"\\xF4\\x90\\x80\\x80"_qs;
        QTest::newRow("last-code-point-kept")
            << QByteArray("\xf4\x8f\xbf\xbf") << QString::fromUtf8("\xf4\x8f\xbf\xbf");
        QTest::newRow("c1-control-as-utf8-kept") << QByteArray("\xc2\x85") << u"\u0085"_qs;
    }
    void escaped()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(nameescape::escaped(bytes), text);
    }

    // Every field taken from a file name stays in its column and on its line, in --preview and
    // in the failure lines of --rename.
    void namesArePrintedEscaped_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("title");
        QTest::newRow("line-feed") << QByteArray("a\nb.mp3") << QString() << u"a\\nb"_qs;
        QTest::newRow("tab") << QByteArray("00007 a\tb.mp3") << u"00007"_qs << u"a\\tb"_qs;
        QTest::newRow("backslash") << QByteArray("a\\nb.mp3") << QString() << u"a\\\\nb"_qs;
        QTest::newRow("latin1") << QByteArray("00007 caf\xe9.mp3") << u"00007"_qs << u"caf\\xE9"_qs;
        QTest::newRow("control") << QByteArray("\x01x.mp3") << QString() << u"\\x01x"_qs;
    }
    void namesArePrintedEscaped()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, number);
        QFETCH(QString, title);
        TestDir dir;
        QVERIFY(dir.createRawFile(name, "n"));

        const Outcome preview = runBatch({"--preview", dir.pathBytes()});
        QCOMPARE(preview.code, 0);
        QVERIFY(preview.out.endsWith(u'\n'));
        const QStringList fields = preview.out.chopped(1).split(u'\t');
        QCOMPARE(fields.size(), 5);
        QCOMPARE(fields.at(0), number);
        QCOMPARE(fields.at(1), title);
        QCOMPARE(fields.at(4), QStringLiteral("00001 ") + title);

        // Held by a folder outside the run, the new name cannot be taken.
        QVERIFY(dir.createDir(QStringLiteral("blocker")));
        QVERIFY(renameRaw(dir, QStringLiteral("blocker"), renamerequests::newNameBytes(1, name)));
        const Outcome rename = runBatch({"--rename", dir.pathBytes()});
        QCOMPARE(rename.code, 1);
        QCOMPARE(rename.out.count(u'\n'), 1);
        QVERIFY2(rename.out.startsWith(nameescape::escaped(name) + u'\t'), qPrintable(rename.out));
        QCOMPARE(readRaw(dir.pathBytes() + '/' + name), QByteArray("n"));
    }

    void renameRenamesAndReportsWhatItCouldNot()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("00002 A.mp3"), "a"));
        QVERIFY(dir.createFile(QStringLiteral("00001 B.mp3"), "b"));
        QVERIFY(dir.createFile(QStringLiteral("C.mp3"), "c"));
        // Held by a folder outside the run: C cannot take this name.
        QVERIFY(dir.createDir(QStringLiteral("00003 C.mp3")));
        const Outcome outcome = runBatch({"--rename", dir.pathBytes(), "--order", "name"});
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
        const Outcome outcome = runBatch({"--rename", dir.pathBytes(), "--start", "10"});
        QCOMPARE(outcome.code, 0);
        QVERIFY(outcome.out.isEmpty());
        QCOMPARE(dir.read(QStringLiteral("00011 a.mp3")), QByteArray("a"));
        QCOMPARE(dir.read(QStringLiteral("00012 b.mp3")), QByteArray("b"));
    }

    // A folder whose listing fails part-way is no folder of fewer files: nothing is renumbered.
    void unreadableFolderIsRefused_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("preview") << QByteArray("--preview");
        QTest::newRow("rename") << QByteArray("--rename");
    }

    void unreadableFolderIsRefused()
    {
        QFETCH(QByteArray, command);
        const FuseVolume volume(FuseVolume::Kind::DamagedExt2);
        if (!volume.isMounted())
            QSKIP(volume.skipReason());
        const Outcome outcome =
            runBatch({command, QFile::encodeName(volume.filePath(FuseVolume::damagedFolder()))});
        QCOMPARE(outcome.code, 2);
        QVERIFY2(outcome.err.contains(QStringLiteral("could not be read")),
                 qPrintable(outcome.err));
        QVERIFY(outcome.out.isEmpty());
    }

    // A run past 99999 gives six-digit numbers; the next run must read them back whole.
    void sixDigitNumbersAreStableAcrossRuns()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("Song.mp3"), "s"));
        QVERIFY(dir.createFile(QStringLiteral("Tune.mp3"), "t"));
        const QByteArrayList arguments{"--rename", dir.pathBytes(), "--start",
                                       "99999",    "--increment",   "99999"};
        const QStringList expected{u"199998 Song.mp3"_qs, u"299997 Tune.mp3"_qs};
        for (int run = 1; run <= 2; ++run) {
            const Outcome outcome = runBatch(arguments);
            QVERIFY2(outcome.code == 0, qPrintable(outcome.out + outcome.err));
            QCOMPARE(fileNames(dir), expected);
        }
        QCOMPARE(dir.read(QStringLiteral("199998 Song.mp3")), QByteArray("s"));
    }

    void playlistAndOldNumberOptions_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<bool>("dropOldNumbers");
        QTest::addColumn<QByteArray>("playlist");
        QTest::addColumn<QString>("error");
        QTest::newRow("both") << QByteArrayList{"--rename",   "/m",        "--drop-old-numbers",
                                                "--playlist", "/p/l.m3u8", "--start",
                                                "4"}
                              << true << QByteArray("/p/l.m3u8") << QString();
        QTest::newRow("neither") << QByteArrayList{"--preview", "/m"} << false << QByteArray()
                                 << QString();
        QTest::newRow("flag-last") << QByteArrayList{"--preview", "/m", "--drop-old-numbers"}
                                   << true << QByteArray() << QString();
        QTest::newRow("playlist-without-file")
            << QByteArrayList{"--preview", "/m", "--playlist"} << false << QByteArray()
            << u"--playlist needs a value."_qs;
        QTest::newRow("playlist-empty") << QByteArrayList{"--preview", "/m", "--playlist", ""}
                                        << false << QByteArray() << u"--playlist needs a value."_qs;
        QTest::newRow("flag-takes-no-value")
            << QByteArrayList{"--preview", "/m", "--drop-old-numbers", "yes"} << false
            << QByteArray() << u"Unknown option \"yes\"."_qs;
    }
    void playlistAndOldNumberOptions()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(bool, dropOldNumbers);
        QFETCH(QByteArray, playlist);
        QFETCH(QString, error);
        const Options options = batchmode::parseArguments(arguments);
        QCOMPARE(options.error, error);
        if (!error.isEmpty())
            return;
        QCOMPARE(options.dropOldNumbers, dropOldNumbers);
        QCOMPARE(options.playlist, playlist);
        QCOMPARE(options.folder, QByteArray("/m"));
    }

    // The playlist lists the files in the run's order under the names they have after it: the
    // new names of the renamed files, the old name of a file that kept it.
    void playlistAfterTheRun_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<bool>("drop");
        QTest::addColumn<bool>("blocked"); // the second file's new name is held by a folder
        QTest::addColumn<QStringList>("previews");
        QTest::addColumn<QByteArrayList>("listed");
        const QByteArrayList oldNames{"01 - Intro.mp3", "02 - Outro.mp3",
                                      "2001 A Space Odyssey.mp3"};
        QTest::newRow("preview/old-numbers-kept")
            << QByteArray("--preview") << false << false
            << QStringList{u"00001 01 - Intro"_qs, u"00002 02 - Outro"_qs,
                           u"00003 2001 A Space Odyssey"_qs}
            << oldNames;
        QTest::newRow("preview/old-numbers-dropped")
            << QByteArray("--preview") << true << false
            << QStringList{u"00001 Intro"_qs, u"00002 Outro"_qs, u"00003 2001 A Space Odyssey"_qs}
            << oldNames;
        QTest::newRow("rename/old-numbers-dropped")
            << QByteArray("--rename") << true << false << QStringList()
            << QByteArrayList{"00001 Intro.mp3", "00002 Outro.mp3",
                              "00003 2001 A Space Odyssey.mp3"};
        QTest::newRow("rename/old-numbers-kept")
            << QByteArray("--rename") << false << false << QStringList()
            << QByteArrayList{"00001 01 - Intro.mp3", "00002 02 - Outro.mp3",
                              "00003 2001 A Space Odyssey.mp3"};
        QTest::newRow("rename/one-file-kept-its-name")
            << QByteArray("--rename") << true << true << QStringList()
            << QByteArrayList{"00001 Intro.mp3", "02 - Outro.mp3",
                              "00003 2001 A Space Odyssey.mp3"};
    }
    void playlistAfterTheRun()
    {
        QFETCH(QByteArray, command);
        QFETCH(bool, drop);
        QFETCH(bool, blocked);
        QFETCH(QStringList, previews);
        QFETCH(QByteArrayList, listed);
        for (const bool inside : {true, false}) {
            TestDir dir;
            for (const QString& name :
                 {u"2001 A Space Odyssey.mp3"_qs, u"02 - Outro.mp3"_qs, u"01 - Intro.mp3"_qs})
                QVERIFY(dir.createFile(u"music/"_qs + name, name.toUtf8()));
            if (blocked)
                QVERIFY(dir.createDir(u"music/00002 Outro.mp3"_qs));
            const QByteArray music = dir.pathBytes() + "/music";
            const QByteArray playlist = inside ? music + "/list.m3u8" : dir.pathBytes() + "/l.m3u8";
            QByteArrayList arguments{command, music, "--order", "name", "--playlist", playlist};
            if (drop)
                arguments.append("--drop-old-numbers");
            const Outcome outcome = runBatch(arguments);
            QVERIFY2(outcome.code == (blocked ? 1 : 0), qPrintable(outcome.err));
            QCOMPARE(previewColumn(outcome.out).mid(0, previews.size()), previews);
            QByteArray expected("#EXTM3U\n");
            for (const QByteArray& name : listed) {
                expected += (inside ? QByteArray() : music + '/') + name + '\n';
                QVERIFY2(QFileInfo(QFile::decodeName(music + '/' + name)).isFile(),
                         name.constData());
            }
            QCOMPARE(readRaw(playlist), expected);
        }
    }

    // The run is reported as it went, and the playlist that could not be written as a failure.
    void playlistThatCannotBeWritten()
    {
        TestDir dir;
        QVERIFY(dir.createFile(u"01 - Intro.mp3"_qs, "i"));
        const Outcome outcome = runBatch(
            {"--preview", dir.pathBytes(), "--playlist", dir.pathBytes() + "/missing/list.m3u8"});
        QCOMPARE(outcome.code, 1);
        QCOMPARE(previewColumn(outcome.out), QStringList{u"00001 01 - Intro"_qs});
        QVERIFY2(outcome.err.contains(u"missing/list.m3u8"_qs), qPrintable(outcome.err));
        QVERIFY(dir.exists(u"01 - Intro.mp3"_qs));
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
            << QByteArray("123456 Long.mp3") << QByteArray("00003 Long.mp3");
        QTest::newRow("six-digits-no-blank")
            << QByteArray("123456Long.mp3") << QByteArray("00003 Long.mp3");
        QTest::newRow("six-digits-latin1-title")
            << QByteArray("123456 Caf\xe9.mp3") << QByteArray("00003 Caf\xe9.mp3");
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
