#include "platform/Trash.h"
#include "platform/ui/FileOperation.h"
#include "tests/support/FuseVolume.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::FileOperationKind;
using platform::FileOperationResult;

Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {

QByteArray bytes(const TestDir& dir, const QString& name)
{
    return QFile::encodeName(dir.filePath(name));
}

// The content of a file named by raw bytes: a name that is not valid UTF-8 cannot go through
// QString and back. Empty when the file cannot be read.
FileOperationResult run(FileOperationKind kind, const QList<QByteArray>& sources,
                        const QList<QByteArray>& destinations = {})
{
    platform::FileOperation operation(nullptr);
    return operation.run(kind, sources, destinations);
}

} // namespace

class TestFileOps : public QObject
{
    Q_OBJECT

private:
    TestDir m_data;

private slots:
    void initTestCase()
    {
        // The user's trash goes into a temporary folder, never into the real one.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
        QVERIFY(platform::homeTrashPath().startsWith(m_data.pathBytes()));
    }

    void copiesFileWithTimeAndMode()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("a/song.mp3"), "music"));
        QVERIFY(dir.createDir(QStringLiteral("b")));
        const QByteArray source = bytes(dir, QStringLiteral("a/song.mp3"));
        const struct timespec times[2] = {{1000000000, 0}, {1100000000, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, source.constData(), times, 0), 0);
        QCOMPARE(::chmod(source.constData(), 0640), 0);
        ModalAnswerer answerer({}, QMessageBox::Cancel);
        const FileOperationResult result =
            run(FileOperationKind::Copy, {source}, {bytes(dir, QStringLiteral("b/song.mp3"))});
        QVERIFY(result.succeeded);
        QVERIFY(!result.aborted);
        QVERIFY(answerer.names.isEmpty());
        QCOMPARE(dir.read(QStringLiteral("b/song.mp3")), QByteArray("music"));
        QCOMPARE(dir.read(QStringLiteral("a/song.mp3")), QByteArray("music"));
        struct stat st;
        QCOMPARE(::stat(bytes(dir, QStringLiteral("b/song.mp3")).constData(), &st), 0);
        QCOMPARE(qint64(st.st_mtim.tv_sec), qint64(1100000000));
        QCOMPARE(st.st_mode & 0777, mode_t(0640));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("b"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("song.mp3")});
    }

    void clash_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<bool>("sourceKept");
        QTest::addColumn<bool>("aborted");

        QTest::newRow("copy/no-keeps-target")
            << false << QMessageBox::No << QByteArray("old") << true << true;
        QTest::newRow("copy/yes-replaces")
            << false << QMessageBox::Yes << QByteArray("new") << true << false;
        QTest::newRow("copy/cancel-keeps-target")
            << false << QMessageBox::Cancel << QByteArray("old") << true << true;
        QTest::newRow("move/no-keeps-both")
            << true << QMessageBox::No << QByteArray("old") << true << true;
        QTest::newRow("move/yes-replaces")
            << true << QMessageBox::Yes << QByteArray("new") << false << false;
    }

    void clash()
    {
        QFETCH(bool, move);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, target);
        QFETCH(bool, sourceKept);
        QFETCH(bool, aborted);
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("a/x.mp3"), "new"));
        QVERIFY(dir.createFile(QStringLiteral("b/x.mp3"), "old"));
        ModalAnswerer answerer({answer}, QMessageBox::Cancel);
        const FileOperationResult result =
            run(move ? FileOperationKind::Move : FileOperationKind::Copy,
                {bytes(dir, QStringLiteral("a/x.mp3"))}, {bytes(dir, QStringLiteral("b/x.mp3"))});
        QCOMPARE(answerer.names, QStringList{QStringLiteral("ConfirmReplace")});
        QVERIFY(answerer.texts.front().contains(QStringLiteral("\"x.mp3\"")));
        QVERIFY(!answerer.unexpected);
        QVERIFY(result.succeeded);
        QCOMPARE(result.aborted, aborted);
        QCOMPARE(dir.read(QStringLiteral("b/x.mp3")), target);
        QCOMPARE(dir.exists(QStringLiteral("a/x.mp3")), sourceKept);
        QCOMPARE(
            QDir(dir.filePath(QStringLiteral("b"))).entryList(QDir::Files | QDir::Hidden).size(),
            1);
    }

    void yesToAllAsksOnce()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("a/1.mp3"), "n1"));
        QVERIFY(dir.createFile(QStringLiteral("a/2.mp3"), "n2"));
        QVERIFY(dir.createFile(QStringLiteral("b/1.mp3"), "o1"));
        QVERIFY(dir.createFile(QStringLiteral("b/2.mp3"), "o2"));
        ModalAnswerer answerer({QMessageBox::YesToAll}, QMessageBox::Cancel);
        const FileOperationResult result =
            run(FileOperationKind::Copy,
                {bytes(dir, QStringLiteral("a/1.mp3")), bytes(dir, QStringLiteral("a/2.mp3"))},
                {bytes(dir, QStringLiteral("b"))});
        QCOMPARE(answerer.names.size(), 1);
        QVERIFY(result.succeeded && !result.aborted);
        QCOMPARE(dir.read(QStringLiteral("b/1.mp3")), QByteArray("n1"));
        QCOMPARE(dir.read(QStringLiteral("b/2.mp3")), QByteArray("n2"));
    }

    void cancelStopsTheRest()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("a/1.mp3"), "n1"));
        QVERIFY(dir.createFile(QStringLiteral("a/2.mp3"), "n2"));
        QVERIFY(dir.createFile(QStringLiteral("b/1.mp3"), "o1"));
        ModalAnswerer answerer({QMessageBox::Cancel}, QMessageBox::Cancel);
        const FileOperationResult result =
            run(FileOperationKind::Move,
                {bytes(dir, QStringLiteral("a/1.mp3")), bytes(dir, QStringLiteral("a/2.mp3"))},
                {bytes(dir, QStringLiteral("b/1.mp3")), bytes(dir, QStringLiteral("b/2.mp3"))});
        QVERIFY(result.aborted);
        QVERIFY(!dir.exists(QStringLiteral("b/2.mp3")));
        QVERIFY(dir.exists(QStringLiteral("a/2.mp3")));
    }

    void copiesAndMovesFolderTrees_data()
    {
        QTest::addColumn<bool>("move");
        QTest::newRow("copy") << false;
        QTest::newRow("move") << true;
    }

    void copiesAndMovesFolderTrees()
    {
        QFETCH(bool, move);
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("src/album/01.mp3"), "one"));
        QVERIFY(dir.createFile(QStringLiteral("src/album/deep/02.mp3"), "two"));
        QVERIFY(dir.createRawFile("src/album/Caf\xe9.mp3", "raw"));
        QVERIFY(
            QFile::link(QStringLiteral("01.mp3"), dir.filePath(QStringLiteral("src/album/link"))));
        QVERIFY(dir.createDir(QStringLiteral("dst")));
        ModalAnswerer answerer({}, QMessageBox::Cancel);
        const FileOperationResult result = run(
            move ? FileOperationKind::Move : FileOperationKind::Copy,
            {bytes(dir, QStringLiteral("src/album"))}, {bytes(dir, QStringLiteral("dst/album"))});
        QVERIFY(answerer.names.isEmpty());
        QVERIFY(result.succeeded && !result.aborted);
        QCOMPARE(dir.read(QStringLiteral("dst/album/01.mp3")), QByteArray("one"));
        QCOMPARE(dir.read(QStringLiteral("dst/album/deep/02.mp3")), QByteArray("two"));
        QCOMPARE(readRaw(dir.pathBytes() + "/dst/album/Caf\xe9.mp3"), QByteArray("raw"));
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("dst/album/link"))).symLinkTarget(),
                 dir.filePath(QStringLiteral("dst/album/01.mp3")));
        QCOMPARE(dir.exists(QStringLiteral("src/album")), !move);
    }

    void movedFolderMergesIntoExistingOne()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("a/music/1.mp3"), "new1"));
        QVERIFY(dir.createFile(QStringLiteral("a/music/2.mp3"), "new2"));
        QVERIFY(dir.createFile(QStringLiteral("b/music/1.mp3"), "old1"));
        QVERIFY(dir.createFile(QStringLiteral("b/music/3.mp3"), "old3"));
        ModalAnswerer answerer({QMessageBox::No}, QMessageBox::Cancel);
        const FileOperationResult result =
            run(FileOperationKind::Move, {bytes(dir, QStringLiteral("a/music"))},
                {bytes(dir, QStringLiteral("b/music"))});
        QCOMPARE(answerer.names, QStringList{QStringLiteral("ConfirmReplace")});
        QVERIFY(result.succeeded);
        QVERIFY(result.aborted);
        QCOMPARE(dir.read(QStringLiteral("b/music/1.mp3")), QByteArray("old1"));
        QCOMPARE(dir.read(QStringLiteral("b/music/2.mp3")), QByteArray("new2"));
        QCOMPARE(dir.read(QStringLiteral("b/music/3.mp3")), QByteArray("old3"));
        // The declined file stays where it was, and so does its folder.
        QCOMPARE(dir.read(QStringLiteral("a/music/1.mp3")), QByteArray("new1"));
        QVERIFY(!dir.exists(QStringLiteral("a/music/2.mp3")));
    }

    void refusesWhatWouldDestroyData_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");

        QTest::newRow("copy-file-onto-itself")
            << false << QStringLiteral("a/x.mp3") << QStringLiteral("a/x.mp3")
            << QStringLiteral("the same");
        QTest::newRow("copy-onto-hard-link")
            << false << QStringLiteral("a/x.mp3") << QStringLiteral("a/hard.mp3")
            << QStringLiteral("the same");
        QTest::newRow("copy-folder-into-itself")
            << false << QStringLiteral("a") << QStringLiteral("a/inner")
            << QStringLiteral("inside");
        QTest::newRow("move-folder-into-itself")
            << true << QStringLiteral("a") << QStringLiteral("a/inner") << QStringLiteral("inside");
        QTest::newRow("file-onto-folder") << false << QStringLiteral("a/x.mp3")
                                          << QStringLiteral("d") << QStringLiteral("folder");
    }

    void refusesWhatWouldDestroyData()
    {
        QFETCH(bool, move);
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, reason);
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("a/x.mp3"), "keep"));
        QVERIFY(dir.createFile(QStringLiteral("d/y"), "y"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("a/x.mp3")),
                            dir.filePath(QStringLiteral("tmp"))));
        QCOMPARE(::link(bytes(dir, QStringLiteral("a/x.mp3")).constData(),
                        bytes(dir, QStringLiteral("a/hard.mp3")).constData()),
                 0);
        ModalAnswerer answerer({QMessageBox::Ignore}, QMessageBox::Cancel);
        const FileOperationResult result =
            run(move ? FileOperationKind::Move : FileOperationKind::Copy, {bytes(dir, source)},
                {bytes(dir, target)});
        QVERIFY(!result.succeeded);
        QCOMPARE(answerer.names, QStringList{QStringLiteral("FileOperationError")});
        QVERIFY2(answerer.texts.front().contains(reason), qPrintable(answerer.texts.front()));
        QCOMPARE(dir.read(QStringLiteral("a/x.mp3")), QByteArray("keep"));
        QCOMPARE(dir.read(QStringLiteral("d/y")), QByteArray("y"));
    }

    void reportsSystemMessageOfMissingSource()
    {
        TestDir dir;
        ModalAnswerer answerer({QMessageBox::Ignore}, QMessageBox::Cancel);
        const FileOperationResult result =
            run(FileOperationKind::Copy, {bytes(dir, QStringLiteral("none.mp3"))},
                {bytes(dir, QStringLiteral("copy.mp3"))});
        QVERIFY(!result.succeeded);
        QCOMPARE(answerer.texts,
                 QStringList{QStringLiteral("Cannot copy none.mp3: ") + qt_error_string(ENOENT)});
    }

    void deletesToTheTrash()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("old song.mp3"), "bytes"));
        QVERIFY(dir.createFile(QStringLiteral("album/1.mp3"), "1"));
        ModalAnswerer answerer({QMessageBox::Yes}, QMessageBox::Cancel);
        const FileOperationResult result =
            run(FileOperationKind::Delete,
                {bytes(dir, QStringLiteral("old song.mp3")), bytes(dir, QStringLiteral("album"))});
        QVERIFY(result.succeeded && !result.aborted);
        QCOMPARE(answerer.names, QStringList{QStringLiteral("ConfirmDelete")});
        QVERIFY(answerer.texts.front().contains(QStringLiteral("2 items")));
        QVERIFY(!dir.exists(QStringLiteral("old song.mp3")));
        QVERIFY(!dir.exists(QStringLiteral("album")));
        const QString trash = QFile::decodeName(platform::homeTrashPath());
        QFile trashed(trash + QStringLiteral("/files/old song.mp3"));
        QVERIFY(trashed.open(QIODevice::ReadOnly));
        QCOMPARE(trashed.readAll(), QByteArray("bytes"));
        QVERIFY(QFileInfo::exists(trash + QStringLiteral("/files/album/1.mp3")));
        QFile info(trash + QStringLiteral("/info/old song.mp3.trashinfo"));
        QVERIFY(info.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = info.readAll().split('\n');
        QCOMPARE(lines.at(0), QByteArray("[Trash Info]"));
        QCOMPARE(lines.at(1), "Path=" + (dir.pathBytes() + "/old song.mp3").toPercentEncoding("/"));
        QVERIFY(lines.at(2).startsWith("DeletionDate=20"));
        QVERIFY(QFileInfo::exists(trash + QStringLiteral("/info/album.trashinfo")));
    }

    void trashKeepsEntriesOfTheSameName()
    {
        TestDir dir;
        QByteArray first;
        QByteArray second;
        QVERIFY(dir.createRawFile("tw\xefn.mp3", "first"));
        QVERIFY(platform::moveToTrash(dir.pathBytes() + "/tw\xefn.mp3", nullptr, &first));
        QVERIFY(dir.createRawFile("tw\xefn.mp3", "second"));
        QVERIFY(platform::moveToTrash(dir.pathBytes() + "/tw\xefn.mp3", nullptr, &second));
        QVERIFY(first != second);
        QCOMPARE(readRaw(first), QByteArray("first"));
        QCOMPARE(readRaw(second), QByteArray("second"));
        const QByteArray infoOfSecond = platform::homeTrashPath() + "/info/" +
                                        second.mid(second.lastIndexOf('/') + 1) + ".trashinfo";
        QVERIFY(readRaw(infoOfSecond)
                    .contains("Path=" + (dir.pathBytes() + "/tw\xefn.mp3").toPercentEncoding("/")));
    }

    void trashCreatesMissingFolders()
    {
        TestDir data;
        const QByteArray previous = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.pathBytes() + "/not/yet/there");
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("x.mp3"), "x"));
        QString error;
        const bool moved = platform::moveToTrash(bytes(dir, QStringLiteral("x.mp3")), &error);
        qputenv("XDG_DATA_HOME", previous);
        QVERIFY2(moved, qPrintable(error));
        QVERIFY(data.exists(QStringLiteral("not/yet/there/Trash/files/x.mp3")));
        QVERIFY(data.exists(QStringLiteral("not/yet/there/Trash/info/x.mp3.trashinfo")));
        QVERIFY(!dir.exists(QStringLiteral("x.mp3")));
    }

    void declinedDeleteKeepsFiles()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("x.mp3"), "x"));
        ModalAnswerer answerer({QMessageBox::No}, QMessageBox::Cancel);
        const FileOperationResult result =
            run(FileOperationKind::Delete, {bytes(dir, QStringLiteral("x.mp3"))});
        QVERIFY(result.aborted);
        QVERIFY(answerer.texts.front().contains(QStringLiteral("\"x.mp3\"")));
        QVERIFY(dir.exists(QStringLiteral("x.mp3")));
    }

    void deleteThatCannotHappenFails_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("missing-file") << QByteArray("/no/such/file.mp3");
    }

    void deleteThatCannotHappenFails()
    {
        QFETCH(QByteArray, path);
        ModalAnswerer answerer({QMessageBox::Yes, QMessageBox::Ignore}, QMessageBox::Cancel);
        const FileOperationResult result = run(FileOperationKind::Delete, {path});
        QVERIFY(!result.succeeded);
        QCOMPARE(answerer.names, (QStringList{QStringLiteral("ConfirmDelete"),
                                              QStringLiteral("FileOperationError")}));
        QString error;
        bool noTrash = true;
        QVERIFY(!platform::moveToTrash(path, &error, nullptr, &noTrash));
        QVERIFY(!error.isEmpty());
        QVERIFY(!noTrash);
    }

    void volumeWithoutTrashAsksBeforeDeletingForGood_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("no") << QMessageBox::No;
        QTest::newRow("cancel") << QMessageBox::Cancel;
    }

    void volumeWithoutTrashAsksBeforeDeletingForGood()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        // A volume without a trash of its own, where none can be made, and not the one holding
        // the user's trash.
        const QByteArray path("/proc/version");
        bool noTrash = false;
        QVERIFY(!platform::moveToTrash(path, nullptr, nullptr, &noTrash));
        QVERIFY(noTrash);
        ModalAnswerer answerer({QMessageBox::Yes, answer});
        const FileOperationResult result = run(FileOperationKind::Delete, {path});
        QVERIFY(result.aborted);
        QCOMPARE(answerer.names, (QStringList{QStringLiteral("ConfirmDelete"),
                                              QStringLiteral("ConfirmDeleteForGood")}));
        QVERIFY(answerer.texts.back().contains(QStringLiteral("\"version\"")));
        QVERIFY(QFileInfo::exists(QStringLiteral("/proc/version")));
    }

    void moveAcrossVolumes_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("movedSources");
        QTest::newRow("all-moved") << QMessageBox::Yes
                                   << QStringList{QStringLiteral("a.mp3"), QStringLiteral("b.mp3"),
                                                  QStringLiteral("disc/c.mp3")};
        // Cancelled at the second file: the first is done and whole, the rest untouched.
        QTest::newRow("cancelled-at-second")
            << QMessageBox::Cancel << QStringList{QStringLiteral("a.mp3")};
    }

    void moveAcrossVolumes()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, movedSources);
        const FuseVolume volume(FuseVolume::Kind::Fat);
        if (!volume.isMounted())
            QSKIP(volume.skipReason());
        TestDir dir;
        const QByteArray big(3 * 1024 * 1024, 'x');
        QVERIFY(dir.createFile(QStringLiteral("a.mp3"), big));
        QVERIFY(dir.createFile(QStringLiteral("b.mp3"), "new b"));
        QVERIFY(dir.createFile(QStringLiteral("disc/c.mp3"), "c"));
        QFile old(volume.filePath(QStringLiteral("b.mp3")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old b");
        old.close();
        const QByteArray target = QFile::encodeName(volume.path());
        ModalAnswerer answerer({answer});
        run(FileOperationKind::Move,
            {bytes(dir, QStringLiteral("a.mp3")), bytes(dir, QStringLiteral("b.mp3")),
             bytes(dir, QStringLiteral("disc"))},
            {target});
        QCOMPARE(answerer.names, QStringList{QStringLiteral("ConfirmReplace")});
        const QDir onVolume(volume.path());
        for (const QString& name :
             {QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("disc/c.mp3")}) {
            const bool moved = movedSources.contains(name);
            QCOMPARE(dir.exists(name), !moved);
            if (name != QStringLiteral("b.mp3"))
                QCOMPARE(QFileInfo::exists(onVolume.filePath(name)), moved);
        }
        QCOMPARE(readRaw(QFile::encodeName(onVolume.filePath(QStringLiteral("a.mp3")))), big);
        QCOMPARE(readRaw(QFile::encodeName(onVolume.filePath(QStringLiteral("b.mp3")))),
                 QByteArray(movedSources.contains(QStringLiteral("b.mp3")) ? "new b" : "old b"));
        // No partial copy is left under a hidden temporary name.
        QStringList expected{QStringLiteral("a.mp3"), QStringLiteral("b.mp3")};
        if (movedSources.contains(QStringLiteral("disc/c.mp3")))
            expected << QStringLiteral("disc");
        QCOMPARE(onVolume.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                    QDir::Name | QDir::IgnoreCase),
                 expected);
    }

    void renameNeverReplaces()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("a.mp3"), "a"));
        QVERIFY(dir.createFile(QStringLiteral("b.mp3"), "b"));
        ModalAnswerer answerer({QMessageBox::Ignore}, QMessageBox::Cancel);
        FileOperationResult result =
            run(FileOperationKind::Rename, {bytes(dir, QStringLiteral("a.mp3"))},
                {bytes(dir, QStringLiteral("b.mp3"))});
        QVERIFY(!result.succeeded);
        QCOMPARE(answerer.names, QStringList{QStringLiteral("FileOperationError")});
        QCOMPARE(dir.read(QStringLiteral("b.mp3")), QByteArray("b"));
        QCOMPARE(dir.read(QStringLiteral("a.mp3")), QByteArray("a"));
        result = run(FileOperationKind::Rename, {bytes(dir, QStringLiteral("a.mp3"))},
                     {bytes(dir, QStringLiteral("c.mp3"))});
        QVERIFY(result.succeeded);
        QCOMPARE(dir.read(QStringLiteral("c.mp3")), QByteArray("a"));
    }

    void mismatchedDestinationsAreRefused()
    {
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("a"), "a"));
        QVERIFY(dir.createFile(QStringLiteral("b"), "b"));
        ModalAnswerer answerer({QMessageBox::Ignore}, QMessageBox::Cancel);
        const FileOperationResult result =
            run(FileOperationKind::Copy,
                {bytes(dir, QStringLiteral("a")), bytes(dir, QStringLiteral("b"))},
                {bytes(dir, QStringLiteral("x")), bytes(dir, QStringLiteral("y")),
                 bytes(dir, QStringLiteral("z"))});
        QVERIFY(!result.succeeded);
        QVERIFY(!dir.exists(QStringLiteral("x")));
    }
};

QTEST_MAIN(TestFileOps)
#include "tst_fileops.moc"
