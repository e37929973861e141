#include "core/PlaylistExport.h"
#include "core/TrackExport.h"

#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdio>

using trackexport::ExportBytes;
using trackexport::ExportTrackList;

Q_DECLARE_METATYPE(QList<TrackLine>)

namespace {

QByteArray utf8Bom()
{
    return QByteArray("\xEF\xBB\xBF");
}

// The music folder p/m\xFAsica (a name that is not valid UTF-8) with a subfolder "sub" and
// the files `names`; the link "lp" leads to "p".
QByteArray createMusicFolder(TestDir& dir, const QByteArrayList& names)
{
    const QByteArray music = dir.pathBytes() + "/p/m\xFAsica";
    if (!dir.createDir(u"p/plain/sub"_qs) ||
        std::rename((dir.pathBytes() + "/p/plain").constData(), music.constData()) != 0 ||
        !QFile::link(dir.filePath(u"p"_qs), dir.filePath(u"lp"_qs)))
        return QByteArray();
    for (const QByteArray& name : names) {
        if (!dir.createRawFile("p/m\xFAsica/" + name))
            return QByteArray();
    }
    return music;
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void exportBytes_data();
    void exportBytes();
    void exportReplacesExistingFile();
    void exportFailure_data();
    void exportFailure();
    void failedExportKeepsTheOldFile();
    void playlistLines_data();
    void playlistLines();
    void playlistFailure_data();
    void playlistFailure();
};

void TestExport::exportBytes_data()
{
    QTest::addColumn<QList<TrackLine>>("lines");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("numbered-and-unnumbered")
        << QList<TrackLine>{{u"00001"_qs, u"A"_qs}, {QString(), u"B"_qs}}
        << QByteArray("00001;A\r\n;B\r\n");
    QTest::newRow("empty-list") << QList<TrackLine>{} << QByteArray();
    QTest::newRow("latin-1-part") << QList<TrackLine>{{u"00002"_qs, u"Café"_qs}}
                                  << QByteArray("00002;Caf\xE9\r\n");
    QTest::newRow("windows-1252-high-bytes") << QList<TrackLine>{{QString(), u"€ ‘x’ … Œ ž"_qs}}
                                             << QByteArray(";\x80 \x91x\x92 \x85 \x8C \x9E\r\n");
    QTest::newRow("outside-1252-makes-whole-file-utf8")
        << QList<TrackLine>{{u"00001"_qs, u"Café"_qs}, {u"00002"_qs, u"Ωmega"_qs}}
        << utf8Bom() + u"00001;Café\r\n00002;Ωmega\r\n"_qs.toUtf8();
    QTest::newRow("code-page-hole-is-outside") << QList<TrackLine>{{u"00001"_qs, u"a\u0081b"_qs}}
                                               << utf8Bom() + u"00001;a\u0081b\r\n"_qs.toUtf8();
    QTest::newRow("beyond-the-basic-plane") << QList<TrackLine>{{u"00001"_qs, u"Song 🎵"_qs}}
                                            << utf8Bom() + u"00001;Song 🎵\r\n"_qs.toUtf8();
    QTest::newRow("line-break-in-title-stays-one-line")
        << QList<TrackLine>{{u"00001"_qs, u"a\nb\rc"_qs}} << QByteArray("00001;a b c\r\n");
}

void TestExport::exportBytes()
{
    QFETCH(QList<TrackLine>, lines);
    QFETCH(QByteArray, expected);
    QCOMPARE(ExportBytes(lines), expected);
}

void TestExport::exportReplacesExistingFile()
{
    TestDir dir;
    QVERIFY(dir.createFile(u"list.txt"_qs, QByteArray(4096, 'x')));
    const trackexport::ExportResult result =
        ExportTrackList(dir.filePath(u"list.txt"_qs), {{u"00001"_qs, u"A"_qs}});
    QVERIFY2(result.ok, qPrintable(result.errorMessage));
    QCOMPARE(dir.read(u"list.txt"_qs), QByteArray("00001;A\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"list.txt"_qs});
}

void TestExport::exportFailure_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("missing-folder") << u"missing/list.txt"_qs;
    QTest::newRow("folder-is-a-file") << u"plain/list.txt"_qs;
    QTest::newRow("target-is-a-folder") << u"folder"_qs;
}

void TestExport::exportFailure()
{
    QFETCH(QString, relativePath);
    TestDir dir;
    QVERIFY(dir.createFile(u"plain"_qs, "old"));
    QVERIFY(dir.createDir(u"folder"_qs));
    const QString path = dir.filePath(relativePath);
    const trackexport::ExportResult result = ExportTrackList(path, {{u"00001"_qs, u"A"_qs}});
    QVERIFY(!result.ok);
    QVERIFY2(result.errorMessage.contains(path), qPrintable(result.errorMessage));
    QCOMPARE(dir.read(u"plain"_qs), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{u"folder"_qs, u"plain"_qs}));
}

// The file is replaced in one step: when the new text cannot be written next to it, the old
// list stays whole and no partial file is left.
void TestExport::failedExportKeepsTheOldFile()
{
    TestDir dir;
    QVERIFY(dir.createDir(u"locked"_qs));
    QVERIFY(dir.createFile(u"locked/list.txt"_qs, "00001;Old\r\n"));
    const QString folder = dir.filePath(u"locked"_qs);
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    QFile probe(folder + u"/probe"_qs);
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QSKIP("This user may write into read-only folders.");
    }

    const trackexport::ExportResult result =
        ExportTrackList(folder + u"/list.txt"_qs, {{u"00001"_qs, u"New"_qs}});
    QVERIFY(!result.ok);
    QVERIFY(!result.errorMessage.isEmpty());
    QCOMPARE(dir.read(u"locked/list.txt"_qs), QByteArray("00001;Old\r\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"list.txt"_qs});
}

void TestExport::playlistLines_data()
{
    QTest::addColumn<QByteArray>("playlistFolder");
    QTest::addColumn<bool>("relative");
    QTest::newRow("in-the-music-folder/names-alone") << QByteArray("p/m\xFAsica") << true;
    QTest::newRow("through-a-link/names-alone") << QByteArray("lp/m\xFAsica") << true;
    QTest::newRow("beside-it/absolute") << QByteArray("p") << false;
    QTest::newRow("in-its-subfolder/absolute") << QByteArray("p/m\xFAsica/sub") << false;
}

// Names are written as the file system's bytes, so a player finds a file whose name, or whose
// folder's name, is not valid UTF-8.
void TestExport::playlistLines()
{
    QFETCH(QByteArray, playlistFolder);
    QFETCH(bool, relative);
    const QByteArrayList names{"00002 Caf\xE9.mp3", "00001 \xCE\xA9mega.mp3", "#3 Hash.mp3",
                               "00004 Intro.mp3"};
    TestDir dir;
    const QByteArray music = createMusicFolder(dir, names);
    QVERIFY(!music.isEmpty());
    const QByteArray path = dir.pathBytes() + '/' + playlistFolder + "/list.m3u8";

    const playlistexport::PlaylistResult result = playlistexport::writePlaylist(path, music, names);
    QVERIFY2(result.ok, qPrintable(result.errorMessage));
    const QByteArray prefix = relative ? QByteArray() : music + '/';
    QCOMPARE(readRaw(path), "#EXTM3U\n" + prefix + names.at(0) + '\n' + prefix + names.at(1) +
                                '\n' + (relative ? "./" : prefix) + names.at(2) + '\n' + prefix +
                                names.at(3) + '\n');
}

void TestExport::playlistFailure_data()
{
    QTest::addColumn<QByteArray>("playlist");
    QTest::addColumn<QByteArray>("badName");
    QTest::addColumn<QString>("reason");
    QTest::newRow("name-with-a-line-feed")
        << QByteArray("list.m3u8") << QByteArray("00001 A\nB.mp3") << u"line break"_qs;
    QTest::newRow("name-with-a-carriage-return")
        << QByteArray("list.m3u8") << QByteArray("00001 A\rB.mp3") << u"line break"_qs;
    QTest::newRow("missing-folder")
        << QByteArray("missing/list.m3u8") << QByteArray() << u"missing/list.m3u8"_qs;
    QTest::newRow("path-ends-in-a-slash")
        << QByteArray("sub/") << QByteArray() << u"names a folder"_qs;
    QTest::newRow("target-is-a-folder") << QByteArray("sub") << QByteArray() << u"sub"_qs;
}

// Nothing is written, the old playlist stays, and the message says why.
void TestExport::playlistFailure()
{
    QFETCH(QByteArray, playlist);
    QFETCH(QByteArray, badName);
    QFETCH(QString, reason);
    TestDir dir;
    QVERIFY(dir.createFile(u"list.m3u8"_qs, "#EXTM3U\nold.mp3\n"));
    QVERIFY(dir.createFile(u"sub/keep.mp3"_qs));
    QByteArrayList names{"00002 B.mp3"};
    if (!badName.isEmpty())
        names.append(badName);
    const playlistexport::PlaylistResult result = playlistexport::writePlaylist(
        dir.pathBytes() + '/' + playlist, dir.pathBytes(), names, text::English);
    QVERIFY(!result.ok);
    QVERIFY2(result.errorMessage.contains(reason), qPrintable(result.errorMessage));
    QCOMPARE(dir.read(u"list.m3u8"_qs), QByteArray("#EXTM3U\nold.mp3\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{u"list.m3u8"_qs, u"sub"_qs}));
    QCOMPARE(QDir(dir.filePath(u"sub"_qs)).entryList(QDir::Files), QStringList{u"keep.mp3"_qs});
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
