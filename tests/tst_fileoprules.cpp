#include "explorer/VxDesktopShortcut.h"
#include "explorer/VxFileClipboardData.h"
#include "explorer/VxFileOpRules.h"
#include "explorer/VxSendToEntries.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestFileOpRules : public QObject
{
    Q_OBJECT

private slots:
    void clipboardKeepsPathsByteForByte_data()
    {
        QTest::addColumn<QList<QByteArray>>("paths");
        QTest::addColumn<QByteArray>("uriList");
        QTest::newRow("plain") << QList<QByteArray>{"/a/b.mp3"}
                               << QByteArray("file:///a/b.mp3\r\n");
        QTest::newRow("space-percent-hash")
            << QList<QByteArray>{"/a b/50%#1.txt"} << QByteArray("file:///a%20b/50%25%231.txt\r\n");
        QTest::newRow("not-utf8") << QList<QByteArray>{"/m/caf\xe9.mp3"}
                                  << QByteArray("file:///m/caf%E9.mp3\r\n");
        QTest::newRow("two-in-order")
            << QList<QByteArray>{"/z", "/a"} << QByteArray("file:///z\r\nfile:///a\r\n");
    }

    void clipboardKeepsPathsByteForByte()
    {
        QFETCH(QList<QByteArray>, paths);
        QFETCH(QByteArray, uriList);
        const std::unique_ptr<QMimeData> data(vxclipboard::fileListData(paths));
        QCOMPARE(data->data(u"text/uri-list"_s), uriList);
        // Other programs read a paste of a cut as a copy: nothing marks it.
        const QByteArray gnome = data->data(u"x-special/gnome-copied-files"_s);
        QCOMPARE(gnome, "copy\n" + uriList.trimmed().replace("\r\n", "\n"));
        QCOMPARE(vxclipboard::localFiles(data.get()), paths);
    }

    void readsOtherProgramsFileLists_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::newRow("uri-list/comment-and-remote-skipped")
            << u"text/uri-list"_s
            << QByteArray("# from a browser\r\nhttp://example.org/x\r\nfile:///home/u/a.txt\r\n"
                          "file://otherhost/share/b\r\nfile://localhost/tmp/c%20d\r\n")
            << QList<QByteArray>{"/home/u/a.txt", "/tmp/c d"};
        QTest::newRow("uri-list/no-final-newline")
            << u"text/uri-list"_s << QByteArray("file:///x\nfile:///y")
            << QList<QByteArray>{"/x", "/y"};
        QTest::newRow("uri-list/encoded-nul-refused")
            << u"text/uri-list"_s << QByteArray("file:///x%00y\r\n") << QList<QByteArray>{};
        QTest::newRow("uri-list/relative-refused")
            << u"text/uri-list"_s << QByteArray("file:x\r\n") << QList<QByteArray>{};
        QTest::newRow("gnome-only/cut")
            << u"x-special/gnome-copied-files"_s << QByteArray("cut\nfile:///m/a\nfile:///m/b")
            << QList<QByteArray>{"/m/a", "/m/b"};
        QTest::newRow("plain-text-is-no-file-list")
            << u"text/plain"_s << QByteArray("/etc/passwd") << QList<QByteArray>{};
    }

    void readsOtherProgramsFileLists()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QByteArray>, expected);
        QMimeData data;
        data.setData(format, bytes);
        QCOMPARE(vxclipboard::localFiles(&data), expected);
    }

    void parsesExecWithoutShell_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<bool>("parses");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        const QString file = u"/m/my song;rm -rf ~.mp3"_s;
        QTest::newRow("file-code") << u"player %f"_s << true << u"player"_s << QStringList{file};
        QTest::newRow("url-code") << u"player --enqueue %U"_s << true << u"player"_s
                                  << QStringList{u"--enqueue"_s,
                                                 u"file:///m/my%20song;rm%20-rf%20~.mp3"_s};
        QTest::newRow("no-code-appends-file")
            << u"editor -n"_s << true << u"editor"_s << QStringList{u"-n"_s, file};
        QTest::newRow("quoted-program-and-escapes")
            << u"\"/opt/my app/run\" \"say \\\"hi\\\" \\$HOME\" %F"_s << true
            << u"/opt/my app/run"_s << QStringList{u"say \"hi\" $HOME"_s, file};
        QTest::newRow("percent-and-dropped-codes")
            << u"tool --rate=50%% %i %c %k %f"_s << true << u"tool"_s
            << QStringList{u"--rate=50%"_s, file};
        QTest::newRow("open-quote") << u"\"player %f"_s << false << QString() << QStringList();
        QTest::newRow("empty") << u"   "_s << false << QString() << QStringList();
    }

    void parsesExecWithoutShell()
    {
        QFETCH(QString, exec);
        QFETCH(bool, parses);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QString gotProgram;
        QStringList gotArguments;
        QCOMPARE(vxsendto::parseExec(exec, u"/m/my song;rm -rf ~.mp3"_s, gotProgram, gotArguments),
                 parses);
        if (!parses)
            return;
        QCOMPARE(gotProgram, program);
        QCOMPARE(gotArguments, arguments);
    }

    void newFolderNumbering_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << QStringList{} << u"New Folder"_s;
        QTest::newRow("first-taken") << QStringList{u"New Folder/"_s} << u"New Folder(2)"_s;
        QTest::newRow("two-taken")
            << QStringList{u"New Folder/"_s, u"New Folder(2)/"_s} << u"New Folder(3)"_s;
        QTest::newRow("file-holds-name") << QStringList{u"New Folder"_s} << u"New Folder(2)"_s;
        QTest::newRow("gap-reused")
            << QStringList{u"New Folder/"_s, u"New Folder(3)/"_s} << u"New Folder(2)"_s;
    }

    void newFolderNumbering()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        TestDir dir;
        for (const QString& name : existing)
            QVERIFY(name.endsWith(u'/') ? dir.createDir(name.chopped(1)) : dir.createFile(name));
        QCOMPARE(vxfileops::nextNewFolderPath(dir.path() + u'/', u"New Folder"_s),
                 dir.path() + u'/' + expected);
    }

    void viewAndContentsTypes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("view");
        QTest::addColumn<bool>("contents");
        QTest::addColumn<bool>("image");
        QTest::newRow("text-any-case") << u"/a/Read.Me.TxT"_s << true << true << false;
        QTest::newRow("picture") << u"/a/b.png"_s << true << true << true;
        QTest::newRow("web-page-viewed-only") << u"/a/index.htm"_s << true << false << false;
        QTest::newRow("song") << u"/a/b.mp3"_s << false << false << false;
        QTest::newRow("dot-in-folder-only") << u"/a.txt/readme"_s << false << false << false;
    }

    void viewAndContentsTypes()
    {
        QFETCH(QString, path);
        QFETCH(bool, view);
        QFETCH(bool, contents);
        QFETCH(bool, image);
        QCOMPARE(vxfileops::isViewExtension(path), view);
        QCOMPARE(vxfileops::isContentsExtension(path), contents);
        QCOMPARE(vxfileops::isImageExtension(path), image);
    }

    void shortcutNeverReplacesAFile()
    {
        TestDir desktop;
        TestDir data;
        QVERIFY(data.createFile(u"Album notes.txt"_s, "notes"));
        QVERIFY(desktop.createFile(u"Album notes.desktop"_s, "mine"));
        const QString target = data.filePath(u"Album notes.txt"_s);
        QString error;
        const QString written =
            vxshortcut::writeShortcut(desktop.path(), target, u"Album notes"_s, &error);
        QCOMPARE(written, desktop.filePath(u"Album notes(2).desktop"_s));
        QCOMPARE(desktop.read(u"Album notes.desktop"_s), QByteArray("mine"));
        const QByteArray text = desktop.read(u"Album notes(2).desktop"_s);
        QCOMPARE(vxsendto::desktopEntryValue(text, "Type"), u"Link"_s);
        QCOMPARE(vxsendto::desktopEntryValue(text, "Name"), u"Album notes"_s);
        QCOMPARE(QUrl(vxsendto::desktopEntryValue(text, "URL")).toLocalFile(), target);
    }

    void shortcutInUnwritableFolderFails()
    {
        TestDir desktop;
        QVERIFY(
            QFile::setPermissions(desktop.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFileInfo(desktop.path()).isWritable() &&
            QFile(desktop.filePath(u"probe"_s)).open(QIODevice::WriteOnly))
            QSKIP("running with rights that ignore folder permissions");
        QString error;
        QVERIFY(vxshortcut::writeShortcut(desktop.path(), u"/etc"_s, u"etc"_s, &error).isEmpty());
        QVERIFY(!error.isEmpty());
        QVERIFY(QDir(desktop.path()).isEmpty());
        QFile::setPermissions(desktop.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
    }

    void sendToEntriesAndTheirTargets_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("desktopText");
        QTest::addColumn<QString>("displayName");
        QTest::addColumn<int>("kind");
        QTest::newRow("link-to-folder")
            << u"Backup"_s << QByteArray() << u"Backup"_s << int(VxSendToTarget::Kind::Folder);
        QTest::newRow("desktop-link-to-folder")
            << u"stick.desktop"_s << QByteArray("[Desktop Entry]\nType=Link\nName=My Stick\nURL=")
            << u"My Stick"_s << int(VxSendToTarget::Kind::Folder);
        QTest::newRow("desktop-application")
            << u"player.desktop"_s
            << QByteArray("[Desktop Entry]\nType=Application\nName=Player\nExec=sh -c %f\n")
            << u"Player"_s << int(VxSendToTarget::Kind::Program);
        QTest::newRow("desktop-program-missing")
            << u"gone.desktop"_s
            << QByteArray(
                   "[Desktop Entry]\nType=Application\nName=Gone\nExec=no-such-program-x %f\n")
            << u"Gone"_s << int(VxSendToTarget::Kind::None);
        QTest::newRow("name-from-another-group-ignored")
            << u"odd.desktop"_s
            << QByteArray("[Other]\nName=Wrong\n[Desktop Entry]\nType=Link\nURL=") << u"odd"_s
            << int(VxSendToTarget::Kind::Folder);
    }

    void sendToEntriesAndTheirTargets()
    {
        QFETCH(QString, entry);
        QFETCH(QByteArray, desktopText);
        QFETCH(QString, displayName);
        QFETCH(int, kind);
        TestDir sendTo;
        TestDir target;
        QVERIFY(sendTo.createFile(u"notes.txt"_s, "a plain file is no entry"));
        const QString entryPath = sendTo.filePath(entry);
        if (desktopText.isEmpty()) {
            QVERIFY(QFile::link(target.path(), entryPath));
        } else {
            if (desktopText.endsWith("URL="))
                desktopText += QUrl::fromLocalFile(target.path()).toEncoded() + '\n';
            QVERIFY(sendTo.createFile(entry, desktopText));
        }
        const QList<VxSendToEntry> entries = vxsendto::readEntries(sendTo.path());
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.front().path, entryPath);
        QCOMPARE(entries.front().displayName, displayName);
        const VxSendToTarget resolved = vxsendto::resolve(entryPath, u"/m/a.mp3"_s);
        QCOMPARE(int(resolved.kind), kind);
        if (resolved.kind == VxSendToTarget::Kind::Folder)
            QCOMPARE(QFileInfo(resolved.folder).canonicalFilePath(),
                     QFileInfo(target.path()).canonicalFilePath());
        if (resolved.kind == VxSendToTarget::Kind::Program) {
            QVERIFY(QFileInfo(resolved.program).isAbsolute());
            QCOMPARE(resolved.arguments, (QStringList{u"-c"_s, u"/m/a.mp3"_s}));
        }
    }
};

QTEST_GUILESS_MAIN(TestFileOpRules)
#include "tst_fileoprules.moc"
