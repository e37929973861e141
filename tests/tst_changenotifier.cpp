#include "platform/ChangeNotifier.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using platform::ChangeNotifier;

namespace {

QByteArray mountLine(const char* numbers, const char* mountPoint, const char* fsType)
{
    return QByteArray("30 1 ") + numbers + " / " + mountPoint + " rw,relatime shared:1 - " +
           fsType + " /dev/x rw\n";
}

const QByteArray RootOnly = mountLine("8:1", "/", "ext4");

// Long enough for a change that is reported to arrive; a silent one must stay silent as long.
constexpr int SettleMs = 400;

} // namespace

class TestChangeNotifier : public QObject
{
    Q_OBJECT

private slots:
    void folderChanges_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("reported");
        QTest::newRow("folder created") << u"mkdir New"_s << true;
        QTest::newRow("folder removed") << u"rmdir Old"_s << true;
        QTest::newRow("folder renamed") << u"rename Old Newer"_s << true;
        QTest::newRow("file created") << u"touch new.mp3"_s << false;
        QTest::newRow("file renamed") << u"rename old.mp3 renamed.mp3"_s << false;
        QTest::newRow("folder created in a folder not read") << u"mkdir Old/Deeper"_s << false;
    }

    void folderChanges()
    {
        QFETCH(QString, change);
        QFETCH(bool, reported);
        TestDir dir;
        QVERIFY(dir.createDir(u"Old"_s) && dir.createFile(u"old.mp3"_s));
        ChangeNotifier notifier(nullptr, ChangeNotifier::defaultMountTable());
        QCOMPARE(notifier.status(), ChangeNotifier::Status::Ready);
        notifier.watchFolder(dir.pathBytes());
        notifier.setKnownSubfolders(dir.pathBytes(), {QByteArrayLiteral("Old")});
        QSignalSpy spy(&notifier, &ChangeNotifier::foldersChanged);
        const QStringList words = change.split(u' ');
        QDir folder(dir.path());
        if (words.at(0) == u"mkdir"_s)
            QVERIFY(folder.mkdir(words.at(1)));
        else if (words.at(0) == u"rmdir"_s)
            QVERIFY(folder.rmdir(words.at(1)));
        else if (words.at(0) == u"rename"_s)
            QVERIFY(folder.rename(words.at(1), words.at(2)));
        else
            QVERIFY(dir.createFile(words.at(1)));
        if (reported) {
            QTRY_COMPARE(spy.count(), 1);
            QCOMPARE(spy.at(0).at(0).toString(), dir.path());
        }
        QTest::qWait(SettleMs);
        QCOMPARE(spy.count(), reported ? 1 : 0);
    }

    void forgottenFoldersStaySilent()
    {
        TestDir dir;
        ChangeNotifier notifier(nullptr, ChangeNotifier::defaultMountTable());
        notifier.watchFolder(dir.pathBytes());
        notifier.clearFolders();
        QSignalSpy spy(&notifier, &ChangeNotifier::foldersChanged);
        QVERIFY(dir.createDir(u"New"_s));
        QTest::qWait(SettleMs);
        QCOMPARE(spy.count(), 0);
        QVERIFY(notifier.watchedFolders().isEmpty());
    }

    void volumeChanges_data()
    {
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("reported");
        QTest::newRow("volume mounted")
            << RootOnly + mountLine("8:17", "/media/stick", "vfat") << true;
        QTest::newRow("network volume mounted")
            << RootOnly + mountLine("0:50", "/mnt/share", "nfs4") << true;
        QTest::newRow("pseudo file system mounted")
            << RootOnly + mountLine("0:22", "/proc", "proc") << false;
        QTest::newRow("same volumes, other options") << RootOnly + QByteArray(" ") << false;
    }

    void volumeChanges()
    {
        QFETCH(QByteArray, after);
        QFETCH(bool, reported);
        TestDir dir;
        QVERIFY(dir.createFile(u"mountinfo"_s, RootOnly));
        ChangeNotifier notifier(nullptr, dir.filePath(u"mountinfo"_s), 20);
        QSignalSpy spy(&notifier, &ChangeNotifier::volumesChanged);
        QVERIFY(dir.createFile(u"mountinfo"_s, after));
        if (reported)
            QTRY_COMPARE(spy.count(), 1);
        QTest::qWait(SettleMs / 4);
        QCOMPARE(spy.count(), reported ? 1 : 0);
        // Unmounting again is a change of its own.
        QVERIFY(dir.createFile(u"mountinfo"_s, RootOnly));
        if (reported)
            QTRY_COMPARE(spy.count(), 2);
    }
};

QTEST_MAIN(TestChangeNotifier)
#include "tst_changenotifier.moc"
