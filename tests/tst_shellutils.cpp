#include "explorer/VxConsts.h"
#include "explorer/VxShellUtils.h"
#include "platform/ui/PropertiesDialog.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString englishText(VxKey key)
{
    return VxText(lnEnglish, key);
}

} // namespace

class TestShellUtils : public QObject
{
    Q_OBJECT

private:
    TestDir m_data;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Deletions go to a trash inside a temporary folder, never into the real one.
        qputenv("XDG_DATA_HOME", m_data.pathBytes());
        ListLanguage = lnEnglish;
        LoadListTexts();
    }

    void checkDriveReady_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("report");
        QTest::addColumn<bool>("ready");
        QTest::addColumn<QStringList>("boxes");

        const QString invalid = englishText(VxKey::InvalidDriveId);
        const QString notReady = englishText(VxKey::DriveNotReady);
        QTest::newRow("relative/invalid-id-without-not-ready")
            << u"1"_s << false << false << QStringList{invalid};
        // The test goes on after the invalid-id box, so a report follows it.
        QTest::newRow("relative/reported-goes-on")
            << u"music"_s << true << false << QStringList{invalid, notReady};
        QTest::newRow("empty/invalid-id") << QString() << false << false << QStringList{invalid};
        QTest::newRow("root/ready") << u"/"_s << true << true << QStringList();
        QTest::newRow("root-with-separator/ready") << u"/"_s << false << true << QStringList();
        // What an unmounted volume leaves behind: a folder of the volume above it.
        QTest::newRow("folder-not-mounted/not-ready")
            << m_data.path() << true << false << QStringList{notReady};
    }

    void checkDriveReady()
    {
        QFETCH(QString, path);
        QFETCH(bool, report);
        QFETCH(bool, ready);
        QFETCH(QStringList, boxes);

        ModalAnswerer answerer({}, QMessageBox::Ok);
        QCOMPARE(CheckDriveReady(path, report), ready);
        QCOMPARE(answerer.texts, boxes);
        const QString invalid = englishText(VxKey::InvalidDriveId);
        for (qsizetype i = 0; i < boxes.size(); ++i)
            QCOMPARE(answerer.icons.at(i),
                     boxes.at(i) == invalid ? QMessageBox::Critical : QMessageBox::Warning);
    }

    void driveSizes()
    {
        const qint64 size = DriveSizeKB(m_data.path());
        const qint64 free = DriveFreeKB(m_data.path());
        QVERIFY(size > 0);
        QVERIFY(free > 0);
        QVERIFY(free <= size);
        // A failed query gives -1 bytes, which is 0 KB.
        QCOMPARE(DriveSizeKB(u"/no/such/volume"_s), qint64(0));
        QCOMPARE(DriveFreeKB(u"/no/such/volume"_s), qint64(0));
    }

    void specialFolderPath_data()
    {
        QTest::addColumn<int>("folder");
        QTest::addColumn<bool>("exists");
        QTest::newRow("desktop") << int(sfDesktop) << true;
        QTest::newRow("favorites-has-no-counterpart") << int(sfFavorites) << false;
        QTest::newRow("nethood-has-no-counterpart") << int(sfNetHood) << false;
        QTest::newRow("personal") << int(sfPersonal) << true;
        QTest::newRow("programs") << int(sfPrograms) << true;
        QTest::newRow("sendto") << int(sfSendTo) << true;
        QTest::newRow("start-menu") << int(sfStartMenu) << true;
        QTest::newRow("startup") << int(sfStartUp) << true;
        QTest::newRow("windows") << int(sfWindows) << true;
        QTest::newRow("system") << int(sfSystem) << true;
    }

    void specialFolderPath()
    {
        QFETCH(int, folder);
        QFETCH(bool, exists);
        const QString path = SpecialFolderPath(TSpecialFolder(folder));
        QCOMPARE(!path.isEmpty(), exists);
        if (exists) {
            QVERIFY2(path.endsWith(u'/'), qPrintable(path));
            QVERIFY2(!path.endsWith(u"//"_s), qPrintable(path));
        }
        if (folder == sfSendTo)
            QVERIFY(path.endsWith(u"/ORVEN/SendTo/"_s));
    }

    void reportIfNameExists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("text");

        const QString folderText = u"\"New Folder\" already exists !"_s;
        QTest::newRow("folder") << u"New Folder"_s << true << folderText;
        QTest::newRow("folder-with-separator") << u"New Folder/"_s << true << folderText;
        QTest::newRow("name-with-nul") << u"New Folder\0"_s << true << folderText;
        QTest::newRow("file") << u"a.mp3"_s << true << u"\"a.mp3\" already exists !"_s;
        QTest::newRow("dangling-link-holds-its-name")
            << u"dangling"_s << true << u"\"dangling\" already exists !"_s;
        QTest::newRow("missing-says-nothing") << u"b.mp3"_s << false << QString();
    }

    void reportIfNameExists()
    {
        QFETCH(QString, name);
        QFETCH(bool, exists);
        QFETCH(QString, text);

        TestDir dir;
        QVERIFY(dir.createDir(u"New Folder"_s));
        QVERIFY(dir.createFile(u"a.mp3"_s));
        QVERIFY(QFile::link(dir.filePath(u"gone"_s), dir.filePath(u"dangling"_s)));
        ModalAnswerer answerer({}, QMessageBox::Ok);
        QCOMPARE(ReportIfNameExists(dir.path() + u'/' + name), exists);
        QCOMPARE(answerer.texts, exists ? QStringList{text} : QStringList());
        if (exists)
            QCOMPARE(answerer.icons.constFirst(), QMessageBox::Critical);
    }

    void runShellFileOperation_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("sourceKept");
        QTest::addColumn<bool>("targetMade");

        QTest::newRow("delete/cancelled-confirmation")
            << 3 << QString() << int(QMessageBox::No) << false << true << false;
        QTest::newRow("delete/confirmed")
            << 3 << QString() << int(QMessageBox::Yes) << true << false << false;
        QTest::newRow("copy") << 2 << u"copy.mp3"_s << int(QMessageBox::Ok) << true << true << true;
        QTest::newRow("move") << 1 << u"moved.mp3"_s << int(QMessageBox::Ok) << true << false
                              << true;
        QTest::newRow("rename") << 4 << u"renamed.mp3"_s << int(QMessageBox::Ok) << true << false
                                << true;
        QTest::newRow("rename/onto-existing-refused")
            << 4 << u"other.mp3"_s << int(QMessageBox::Ignore) << false << true << true;
        QTest::newRow("copy/declined-replace")
            << 2 << u"other.mp3"_s << int(QMessageBox::No) << false << true << true;
        QTest::newRow("unknown-operation")
            << 5 << u"x.mp3"_s << int(QMessageBox::Ok) << false << true << false;
    }

    void runShellFileOperation()
    {
        QFETCH(int, operation);
        QFETCH(QString, target);
        QFETCH(int, answer);
        QFETCH(bool, result);
        QFETCH(bool, sourceKept);
        QFETCH(bool, targetMade);

        TestDir dir;
        QVERIFY(dir.createFile(u"song.mp3"_s, "song"));
        QVERIFY(dir.createFile(u"other.mp3"_s, "other"));
        ModalAnswerer answerer({}, QMessageBox::StandardButton(answer));
        const QString destination = target.isEmpty() ? QString() : dir.filePath(target);
        QCOMPARE(RunShellFileOperation(operation, dir.filePath(u"song.mp3"_s), destination),
                 result);
        QCOMPARE(dir.exists(u"song.mp3"_s), sourceKept);
        if (!target.isEmpty())
            QCOMPARE(dir.exists(target), targetMade);
        if (targetMade && target != u"other.mp3"_s)
            QCOMPARE(dir.read(target), QByteArray("song"));
        QCOMPARE(dir.read(u"other.mp3"_s), QByteArray("other"));
    }

    void runShellFileOperationOnSeveralNames()
    {
        TestDir dir;
        QVERIFY(dir.createFile(u"a.mp3"_s, "a"));
        QVERIFY(dir.createFile(u"b.mp3"_s, "b"));
        QVERIFY(dir.createDir(u"into"_s));
        ModalAnswerer answerer({}, QMessageBox::Ok);
        const QString sources = dir.filePath(u"a.mp3"_s) + QChar(0) + dir.filePath(u"b.mp3"_s);
        QVERIFY(RunShellFileOperation(2, sources, dir.filePath(u"into"_s)));
        QCOMPARE(dir.read(u"into/a.mp3"_s), QByteArray("a"));
        QCOMPARE(dir.read(u"into/b.mp3"_s), QByteArray("b"));
        QVERIFY(answerer.texts.isEmpty());
    }

    void shellExecuteReportsMissingFile()
    {
        TestDir dir;
        const QString missing = dir.filePath(u"none.txt"_s);
        ModalAnswerer answerer({}, QMessageBox::Ok);
        QVERIFY(ShellExecuteWithReport(u"open"_s, missing, QString(), QString(), 1) <= 32);
        QCOMPARE(answerer.texts, QStringList{u"ERROR - Can't open file "_s + missing});
        QCOMPARE(answerer.icons.constFirst(), QMessageBox::Critical);
    }

    void showShellProperties_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("file-shows-dialog") << u"a.mp3"_s << QString();
        QTest::newRow("folder-with-separator-shows-dialog") << u"sub/"_s << QString();
        QTest::newRow("missing-file") << u"none.mp3"_s << u"The specified file was not found."_s;
        QTest::newRow("missing-folder")
            << u"none/a.mp3"_s << u"The specified path was not found."_s;
    }

    void showShellProperties()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);

        TestDir dir;
        QVERIFY(dir.createFile(u"a.mp3"_s, "a"));
        QVERIFY(dir.createDir(u"sub"_s));
        ModalAnswerer answerer({}, QMessageBox::Ok);
        ShowShellProperties(dir.path() + u'/' + name);
        QCOMPARE(answerer.texts, message.isEmpty() ? QStringList() : QStringList{message});

        platform::PropertiesDialog* shown = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<platform::PropertiesDialog*>(widget);
                dialog && dialog->isVisible())
                shown = dialog;
        }
        QCOMPARE(shown != nullptr, message.isEmpty());
        if (shown)
            shown->close();
        QTest::qWait(0);
    }

    void iconIndexes()
    {
        TestDir dir;
        QVERIFY(dir.createDir(u"sub"_s));
        QVERIFY(dir.createFile(u"a.mp3"_s));
        QVERIFY(dir.createFile(u"b.MP3"_s));
        const int closed = ShellSmallIconIndex(dir.filePath(u"sub"_s));
        const int open = ShellOpenIconIndex(dir.filePath(u"sub"_s));
        QVERIFY(closed >= 0);
        QVERIFY(open >= 0);
        QVERIFY(open != closed);
        QCOMPARE(ShellSmallIconIndex(dir.filePath(u"a.mp3"_s)),
                 ShellSmallIconIndex(dir.filePath(u"b.MP3"_s)));
        QVERIFY(ShellSmallIconIndex(dir.filePath(u"a.mp3"_s)) != closed);
    }
};

QTEST_MAIN(TestShellUtils)
#include "tst_shellutils.moc"
