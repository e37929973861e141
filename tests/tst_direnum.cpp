#include "platform/DirEnum.h"
#include "platform/PathSegment.h"
#include "platform/SyncedFolder.h"
#include "tests/support/FuseVolume.h"
#include "tests/support/TestDir.h"

#include <QFile>
#include <QTest>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::DirEntry;

namespace {

std::vector<DirEntry> list(const TestDir& dir, const QByteArray& pattern = "*")
{
    std::vector<DirEntry> entries;
    platform::enumerateDirectory(dir.pathBytes(), pattern, entries);
    return entries;
}

const DirEntry* find(const std::vector<DirEntry>& entries, const QByteArray& name)
{
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&name](const DirEntry& e) { return e.name == name; });
    return it == entries.end() ? nullptr : &*it;
}

QByteArray names(std::vector<DirEntry> entries)
{
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    QByteArray out;
    for (const DirEntry& e : entries)
        out += e.name + ' ';
    return out.trimmed();
}

} // namespace

class TestDirEnum : public QObject
{
    Q_OBJECT

private slots:
    void wildcards_data()
    {
        QTest::addColumn<QByteArray>("pattern");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("match");

        QTest::newRow("star-ext/upper-case-name")
            << QByteArray("*.mp3") << QByteArray("SONG.MP3") << true;
        QTest::newRow("star-ext/other-ext")
            << QByteArray("*.mp3") << QByteArray("song.mp4") << false;
        QTest::newRow("star-ext/second-ext")
            << QByteArray("*.mp3") << QByteArray("a.mp3.bak") << false;
        QTest::newRow("star-ext/double-ext")
            << QByteArray("*.mp3") << QByteArray("a.mp3.mp3") << true;
        QTest::newRow("star-ext/bare-ext") << QByteArray("*.mp3") << QByteArray(".mp3") << true;
        QTest::newRow("question/one-char") << QByteArray("a?c") << QByteArray("aXc") << true;
        QTest::newRow("question/no-char") << QByteArray("a?c") << QByteArray("ac") << false;
        QTest::newRow("question/two-chars") << QByteArray("a?c") << QByteArray("aXYc") << false;
        QTest::newRow("question/trailing") << QByteArray("0000?") << QByteArray("00001") << true;
        QTest::newRow("star/empty-name") << QByteArray("*") << QByteArray("") << true;
        QTest::newRow("star-star/dots") << QByteArray("*.*") << QByteArray("noext") << false;
        QTest::newRow("backtrack") << QByteArray("*a*b") << QByteArray("xaYbZb") << true;
        QTest::newRow("backtrack/fails") << QByteArray("*a*b") << QByteArray("xaYbZ") << false;
        QTest::newRow("non-ascii-not-folded")
            << QByteArray("\xc3\xa9*") << QByteArray("\xc3\x89t\xc3\xa9") << false;
        QTest::newRow("invalid-utf8-byte") << QByteArray("?.mp3") << QByteArray("\xff.MP3") << true;
        QTest::newRow("star-in-name/alone") << QByteArray("*.mp3") << QByteArray("*.mp3") << true;
        QTest::newRow("star-in-name/two") << QByteArray("*.mp3") << QByteArray("**.mp3") << true;
        QTest::newRow("star-in-name/with-other-wildcard-letters")
            << QByteArray("*.mp3") << QByteArray("*?[.mp3") << true;
        QTest::newRow("star-in-name/inside")
            << QByteArray("*.mp3") << QByteArray("a*b.mp3") << true;
        QTest::newRow("star-in-name/then-letters")
            << QByteArray("*b.mp3") << QByteArray("*xb.MP3") << true;
        QTest::newRow("star-in-name/other-ext")
            << QByteArray("*.mp3") << QByteArray("*.mp4") << false;
        QTest::newRow("star-in-name/no-wildcard-for-the-pattern")
            << QByteArray("a.mp3") << QByteArray("*.mp3") << false;
        QTest::newRow("question-in-name/no-wildcard-for-the-pattern")
            << QByteArray("ab") << QByteArray("a?") << false;
    }

    void wildcards()
    {
        QFETCH(QByteArray, pattern);
        QFETCH(QByteArray, name);
        QFETCH(bool, match);
        QCOMPARE(platform::wildcardMatch(pattern, name), match);
    }

    void listsNamesThatAreNotUtf8()
    {
        TestDir dir;
        const QByteArray raw("Caf\xe9 01.mp3");
        QVERIFY(dir.createRawFile(raw, "abc"));
        const std::vector<DirEntry> entries = list(dir, "*.MP3");
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries.front().name, raw);
        QCOMPARE(entries.front().size, qint64(3));
        const QString shown = platform::displayName(raw);
        QVERIFY(shown.contains(QChar::ReplacementCharacter));
        QVERIFY(shown.startsWith(QStringLiteral("Caf")));
    }

    void listsNamesBeginningWithAStar()
    {
        TestDir dir;
        for (const QByteArray name : {"*?[.mp3", "**.mp3", "*.mp3", "a*b.mp3", "*.txt"})
            QVERIFY(dir.createRawFile(name));
        std::vector<DirEntry> entries;
        QVERIFY(platform::enumerateDirectory(dir.pathBytes(), "*.mp3", entries));
        QCOMPARE(names(entries), QByteArray("**.mp3 *.mp3 *?[.mp3 a*b.mp3"));
    }

    // A failed status call inside the loop leaves errno set; the end of the folder must still
    // read as the end, not as a failure.
    void danglingLinksLeaveTheListingWhole()
    {
        TestDir dir;
        for (const QString& name : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")})
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(name)));
        QVERIFY(dir.createFile(QStringLiteral("d.mp3")));
        std::vector<DirEntry> entries;
        QVERIFY(platform::enumerateDirectory(dir.pathBytes(), "*", entries));
        QCOMPARE(names(entries), QByteArray(". .. a b c d.mp3"));
    }

    void damagedFolderIsAFailure()
    {
        const FuseVolume volume(FuseVolume::Kind::DamagedExt2);
        if (!volume.isMounted())
            QSKIP(volume.skipReason());
        const QByteArray damaged = QFile::encodeName(volume.filePath(FuseVolume::damagedFolder()));
        // The volume itself reads; only the damaged folder does not.
        std::vector<DirEntry> entries;
        QVERIFY(platform::enumerateDirectory(QFile::encodeName(volume.path()), "*", entries));
        QVERIFY(find(entries, FuseVolume::damagedFolder().toUtf8()));
        std::vector<QByteArray> allNames;
        QVERIFY(!platform::enumerateDirectory(damaged, "*", entries, nullptr, &allNames));
        QVERIFY(find(entries, FuseVolume::damagedFolder().toUtf8()));
        QVERIFY2(allNames.empty(), "names of a folder read in part were handed out");

        const platform::SyncedFolder folder(damaged);
        QVERIFY(folder.isOpen());
        std::vector<QByteArray> names;
        const int error = folder.readNames(&names);
        QVERIFY2(error != 0, "a folder that cannot be read was taken as read");
        QVERIFY(!platform::sysErrorText(error).isEmpty());
    }

    void reportsDotEntriesAndFolders()
    {
        TestDir dir;
        QVERIFY(dir.createDir(QStringLiteral("sub")));
        QVERIFY(dir.createFile(QStringLiteral("a.txt")));
        QVERIFY(
            QFile::link(dir.filePath(QStringLiteral("sub")), dir.filePath(QStringLiteral("link"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")),
                            dir.filePath(QStringLiteral("dangling"))));
        const std::vector<DirEntry> entries = list(dir);
        QCOMPARE(names(entries), QByteArray(". .. a.txt dangling link sub"));
        QVERIFY(find(entries, "sub")->attributes & platform::AttrDirectory);
        QVERIFY(find(entries, "link")->attributes & platform::AttrDirectory);
        QVERIFY(find(entries, "a.txt")->attributes & platform::AttrArchive);
        QVERIFY(!(find(entries, "dangling")->attributes & platform::AttrDirectory));
        QVERIFY(!(find(entries, ".")->attributes & platform::AttrHidden));
        QVERIFY(!(find(entries, "..")->attributes & platform::AttrHidden));
        QCOMPARE(find(entries, "sub")->size, qint64(0));
    }

    void allNamesWhateverThePattern_data()
    {
        QTest::addColumn<QByteArray>("pattern");
        QTest::addColumn<QByteArray>("matched");
        QTest::newRow("every-name")
            << QByteArray("*") << QByteArray(". .. .hidden a.txt b.mp3 sub \xff.mp3");
        QTest::newRow("mp3-only") << QByteArray("*.mp3") << QByteArray("b.mp3 \xff.mp3");
        QTest::newRow("no-match") << QByteArray("*.wav") << QByteArray();
    }

    // The names that tell which targets are taken come from the same read as the rows, so they
    // must hold what the pattern left out.
    void allNamesWhateverThePattern()
    {
        QFETCH(QByteArray, pattern);
        QFETCH(QByteArray, matched);
        TestDir dir;
        QVERIFY(dir.createDir(QStringLiteral("sub")));
        for (const QByteArray name : {".hidden", "a.txt", "b.mp3", "\xff.mp3"})
            QVERIFY(dir.createRawFile(name, "x"));
        std::vector<DirEntry> entries;
        std::vector<QByteArray> allNames{"left from before"};
        QVERIFY(
            platform::enumerateDirectory(dir.pathBytes(), pattern, entries, nullptr, &allNames));
        QCOMPARE(names(entries), matched);
        std::sort(allNames.begin(), allNames.end());
        QCOMPARE(allNames,
                 (std::vector<QByteArray>{".hidden", "a.txt", "b.mp3", "sub", "\xff.mp3"}));
    }

    void missingFolderFails()
    {
        TestDir dir;
        std::vector<DirEntry> entries;
        std::vector<QByteArray> allNames;
        QVERIFY(!platform::enumerateDirectory(dir.pathBytes() + "/none", "*", entries, nullptr,
                                              &allNames));
        QVERIFY(entries.empty());
        QVERIFY(allNames.empty());
    }

    void acceptsTrailingSeparator()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("x.mp3")));
        std::vector<DirEntry> entries;
        QVERIFY(platform::enumerateDirectory(dir.pathBytes() + '/', "*.mp3", entries));
        QCOMPARE(names(entries), QByteArray("x.mp3"));
    }

    void attributes_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("foreignOwner");
        QTest::addColumn<uint>("expected");

        const uint a = platform::AttrArchive;
        const uint r = platform::AttrReadOnly;
        const uint h = platform::AttrHidden;
        QTest::newRow("writable") << QByteArray("w.mp3") << 0644 << false << a;
        QTest::newRow("read-only-owner") << QByteArray("r.mp3") << 0444 << false << (a | r);
        QTest::newRow("hidden") << QByteArray(".h.mp3") << 0644 << false << (a | h);
        QTest::newRow("hidden-read-only") << QByteArray(".hr") << 0400 << false << (a | h | r);
        QTest::newRow("foreign/others-may-write") << QByteArray("o.mp3") << 0606 << true << a;
        QTest::newRow("foreign/only-owner-and-group-write")
            << QByteArray("g.mp3") << 0664 << true << (a | r);
    }

    void attributes()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, mode);
        QFETCH(bool, foreignOwner);
        QFETCH(uint, expected);
        TestDir dir;
        QVERIFY(dir.createRawFile(name));
        const QByteArray path = dir.pathBytes() + '/' + name;
        QCOMPARE(::chmod(path.constData(), mode_t(mode)), 0);
        if (foreignOwner) {
            if (::geteuid() != 0)
                QSKIP("giving a file to another user needs root");
            QCOMPARE(::chown(path.constData(), 54321, 54321), 0);
        }
        const std::vector<DirEntry> entries = list(dir, name);
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(uint(entries.front().attributes), expected);
    }

    void reportsSizesBeyond4GiB()
    {
        TestDir dir;
        const QByteArray path = dir.pathBytes() + "/big.mp3";
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        const qint64 size = 5LL * 1024 * 1024 * 1024 + 7;
        const bool grown = ::ftruncate(fd, off_t(size)) == 0;
        ::close(fd);
        if (!grown)
            QSKIP("the temporary folder's file system refuses a sparse 5 GiB file");
        const std::vector<DirEntry> entries = list(dir, "big.mp3");
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries.front().size, size);
    }

    void reportsModificationTimeInNanoseconds()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("t.mp3")));
        const QByteArray path = dir.pathBytes() + "/t.mp3";
        const struct timespec times[2] = {{1000000000, 0}, {1072915500, 123456789}};
        QCOMPARE(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
        const std::vector<DirEntry> entries = list(dir, "t.mp3");
        QCOMPARE(entries.front().mtimeNsec, 1072915500LL * 1000000000LL + 123456789LL);
    }

    void lastSegment_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("segment");

        QTest::newRow("file-in-folder") << QByteArray("/music/a.mp3") << QByteArray("a.mp3");
        QTest::newRow("bare-name") << QByteArray("a.mp3") << QByteArray("a.mp3");
        QTest::newRow("folder/trailing-separator")
            << QByteArray("/music/old/") << QByteArray("old");
        QTest::newRow("folder/doubled-separators")
            << QByteArray("/music//old//") << QByteArray("old");
        QTest::newRow("root") << QByteArray("/") << QByteArray();
        QTest::newRow("root/doubled") << QByteArray("//") << QByteArray();
        QTest::newRow("not-utf8-kept-byte-for-byte")
            << QByteArray("/m/Caf\xe9.mp3") << QByteArray("Caf\xe9.mp3");
    }

    void lastSegment()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, segment);
        QCOMPARE(platform::lastSegment(path), segment);
    }
};

QTEST_GUILESS_MAIN(TestDirEnum)
#include "tst_direnum.moc"
