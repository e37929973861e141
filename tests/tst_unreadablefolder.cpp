#include "app/Main.h"
#include "core/SettingsFile.h"
#include "explorer/VxConsts.h"
#include "explorer/VxFilelistView28.h"
#include "platform/DirEnum.h"
#include "tests/support/FileListFixture.h"
#include "tests/support/FuseVolume.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(TLanguage)

class TestUnreadableFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void saysSoOncePerAsk_data();
    void saysSoOncePerAsk();
    void goneFolderStaysQuiet();
    void mainWindowSaysWhyThereAreNoTracks();
};

void TestUnreadableFolder::saysSoOncePerAsk_data()
{
    QTest::addColumn<TLanguage>("language");
    QTest::addColumn<QString>("opening");
    QTest::newRow("english") << lnEnglish << QStringLiteral("The folder \"");
    QTest::newRow("french") << lnFrench << QStringLiteral("Impossible de lire le dossier \"");
}

// Root reads any folder whatever its mode, so the folder that cannot be read is one whose
// listing block is damaged on a mounted image.
void TestUnreadableFolder::saysSoOncePerAsk()
{
    QFETCH(TLanguage, language);
    QFETCH(QString, opening);
    FuseVolume volume(FuseVolume::Kind::DamagedExt2);
    if (!volume.isMounted())
        QSKIP(volume.skipReason());
    const QString damaged = volume.filePath(FuseVolume::damagedFolder());
    FileListFixture list;
    list.view.setLanguage(language);
    list.view.show();
    QSignalSpy unreadable(&list.view, &TVxFilelistView28::folderUnreadable);
    ModalAnswerer answerer({}, QMessageBox::Ok);

    list.view.setDirectory(damaged);
    QCOMPARE(list.view.rowCount(), 0);
    QCOMPARE(unreadable.count(), 1);
    const QString reason = unreadable.at(0).at(1).toString();
    QVERIFY(!reason.isEmpty());
    QCOMPARE(unreadable.at(0).at(0).toString(), list.view.Directory());
    QCOMPARE(
        answerer.texts,
        QStringList{VxText(language, VxKey::FolderUnreadable).arg(list.view.Directory(), reason)});
    QVERIFY(answerer.texts.front().startsWith(opening));
    QCOMPARE(answerer.icons.front(), QMessageBox::Warning);

    // A re-read nobody asked for (a change seen in the folder) signals but shows no box.
    list.view.UpdateFileList();
    QCOMPARE(unreadable.count(), 2);
    QCOMPARE(answerer.texts.size(), 1);

    // Asked for again, it says so again.
    QTest::keyClick(&list.view, Qt::Key_F5);
    QCOMPARE(unreadable.count(), 3);
    QCOMPARE(answerer.texts.size(), 2);

    // A readable folder lists its track quietly; coming back says it again.
    list.view.setDirectory(volume.path());
    QCOMPARE(unreadable.count(), 3);
    list.view.setDirectory(damaged);
    QCOMPARE(answerer.texts.size(), 3);
    list.view.setLanguage(lnEnglish);
}

// A folder that is gone is followed by the picker and the window, not reported as unreadable.
void TestUnreadableFolder::goneFolderStaysQuiet()
{
    TestDir dir;
    QVERIFY(dir.createFile(QStringLiteral("away/song.mp3"), "music"));
    FileListFixture list;
    QSignalSpy unreadable(&list.view, &TVxFilelistView28::folderUnreadable);
    ModalAnswerer answerer({}, QMessageBox::Ok);
    list.view.setDirectory(dir.filePath(QStringLiteral("away")));
    QCOMPARE(list.view.rowCount(), 1);
    QVERIFY(QDir(dir.filePath(QStringLiteral("away"))).removeRecursively());
    list.view.UpdateFileList();
    QCOMPARE(list.view.rowCount(), 0);
    QCOMPARE(unreadable.count(), 0);
    QVERIFY(answerer.texts.isEmpty());
}

// The window's commands that need tracks name the folder that cannot be read rather than say
// that it holds no MP3 file.
void TestUnreadableFolder::mainWindowSaysWhyThereAreNoTracks()
{
    FuseVolume volume(FuseVolume::Kind::DamagedExt2);
    if (!volume.isMounted())
        QSKIP(volume.skipReason());
    TestDir dir;
    QVERIFY(dir.createFile(QStringLiteral("exe/ORVENFR.cfg"), "\r\n\r\nEnglish\r\n"));
    TForm1 form(SettingsFile(dir.filePath(QStringLiteral("exe/ORVENFR.cfg")),
                             dir.filePath(QStringLiteral("config/ORVEN/ORVENFR.cfg"))));
    ModalAnswerer answerer;
    answerer.answer(QStringLiteral("OK"));
    answerer.answer(QStringLiteral("OK"));
    form.openStartFolder(platform::encodePath(volume.filePath(FuseVolume::damagedFolder())));
    form.SpeedButton1Click();
    QCOMPARE(answerer.texts.size(), 2);
    QVERIFY2(answerer.texts.last().startsWith(QStringLiteral("The folder \"")) &&
                 answerer.texts.last().contains(QStringLiteral("\" cannot be read: ")),
             qPrintable(answerer.texts.last()));
    QVERIFY(!answerer.unexpected);
}

QTEST_MAIN(TestUnreadableFolder)
#include "tst_unreadablefolder.moc"
