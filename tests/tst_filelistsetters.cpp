#include "explorer/VxFilelistView28.h"
#include "tests/support/FileListFixture.h"
#include "tests/support/TestDir.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QStandardPaths>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

using namespace Qt::Literals::StringLiterals;

// The file list view's property setters: which read the folder again, and which wait for the
// next re-read.
class TestFileListSetters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void directorySetter_data();
    void directorySetter();
    void directoryCaseVariantOfAnotherFolder();
    void settersReread_data();
    void settersReread();
};

void TestFileListSetters::directorySetter_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("upperCase");
    QTest::addColumn<bool>("rereads");
    QTest::addColumn<QString>("directory");

    // %1 stands for the listed folder without its trailing separator.
    QTest::newRow("case-only-change-does-nothing") << u"%1/"_s << true << false << u"%1/"_s;
    QTest::newRow("same-text-does-nothing") << u"%1/"_s << false << false << u"%1/"_s;
    QTest::newRow("missing-separator-rereads") << u"%1"_s << false << true << u"%1/"_s;
    QTest::newRow("drives-in-lower-case") << u"drives"_s << false << true << u"drives"_s;
    QTest::newRow("missing-folder-ignored") << u"%1/missing"_s << false << false << u"%1/"_s;
    QTest::newRow("file-ignored") << u"%1/a.mp3"_s << false << false << u"%1/"_s;
    QTest::newRow("empty-ignored") << QString() << false << false << u"%1/"_s;
}

void TestFileListSetters::directorySetter()
{
    QFETCH(QString, value);
    QFETCH(bool, upperCase);
    QFETCH(bool, rereads);
    QFETCH(QString, directory);

    TestDir dir;
    QVERIFY(dir.createFile(u"a.mp3"_s));
    FileListFixture f;
    f.view.setDirectory(dir.path() + u'/');
    QCOMPARE(f.view.rowCount(), 1);
    const QString cwd = QDir::currentPath();

    // A file that appears afterwards shows only if the setter re-reads.
    QVERIFY(dir.createFile(u"b.mp3"_s));
    QString resolved = value.replace(u"%1"_s, dir.path());
    if (upperCase)
        resolved = resolved.toUpper();
    f.view.setDirectory(resolved);
    QCOMPARE(f.view.Directory(), directory.replace(u"%1"_s, dir.path()));
    const bool drives = directory == u"drives"_s;
    if (!drives)
        QCOMPARE(f.view.rowCount(), rereads ? 2 : 1);
    QCOMPARE(f.view.isDrivesLayout(), drives);
    QCOMPARE(QDir::currentPath(), cwd);
}

void TestFileListSetters::directoryCaseVariantOfAnotherFolder()
{
    TestDir dir;
    QVERIFY(dir.createFile(u"Music/upper.mp3"_s));
    QVERIFY(dir.createFile(u"music/lower.mp3"_s));
    FileListFixture f;
    f.view.setDirectory(dir.filePath(u"Music"_s));
    QCOMPARE(captions(f.view), QStringList{u"upper.mp3"_s});

    // Both folders exist side by side: the one asked for is listed.
    f.view.setDirectory(dir.filePath(u"music/"_s));
    QCOMPARE(f.view.Directory(), dir.filePath(u"music/"_s));
    QCOMPARE(captions(f.view), QStringList{u"lower.mp3"_s});
}

void TestFileListSetters::settersReread_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("rereads");

    // Only a changed Directory, Mask, FileType or ShowFolders reads the folder again.
    QTest::newRow("mask/same-value") << u"mask-same"_s << false;
    QTest::newRow("mask/case-differs") << u"mask-case"_s << true;
    QTest::newRow("file-type/same-value") << u"file-type-same"_s << false;
    QTest::newRow("file-type/changed") << u"file-type-changed"_s << true;
    QTest::newRow("show-folders/same-value") << u"show-folders-same"_s << false;
    QTest::newRow("show-folders/changed") << u"show-folders-changed"_s << true;
    QTest::newRow("hide-file-ext/changed-waits") << u"hide-ext"_s << false;
    QTest::newRow("parent-dir-enabled/changed-waits") << u"parent-enabled"_s << false;
    QTest::newRow("parent-caption/changed-waits") << u"parent-caption"_s << false;
    QTest::newRow("file-size/changed-waits") << u"file-size"_s << false;
    QTest::newRow("date-format/changed-waits") << u"date-format"_s << false;
    QTest::newRow("time-format/changed-waits") << u"time-format"_s << false;
    QTest::newRow("column-width/changed-waits") << u"column-width"_s << false;
    QTest::newRow("language/same-value") << u"language-same"_s << false;
    QTest::newRow("language/changed-keeps-rows") << u"language-changed"_s << false;
}

void TestFileListSetters::settersReread()
{
    QFETCH(QString, action);
    QFETCH(bool, rereads);

    const std::map<QString, std::function<void(TVxFilelistView28&)>> actions = {
        {u"mask-same"_s, [](TVxFilelistView28& v) { v.setMask(u"*.mp3"_s); }},
        {u"mask-case"_s, [](TVxFilelistView28& v) { v.setMask(u"*.MP3"_s); }},
        {u"file-type-same"_s, [](TVxFilelistView28& v) { v.setFileType(v.FileType()); }},
        {u"file-type-changed"_s,
         [](TVxFilelistView28& v) {
             v.setFileType({ftReadOnly, ftHidden, ftArchive});
         }},
        {u"show-folders-same"_s, [](TVxFilelistView28& v) { v.setShowFolders(false); }},
        {u"show-folders-changed"_s, [](TVxFilelistView28& v) { v.setShowFolders(true); }},
        {u"hide-ext"_s, [](TVxFilelistView28& v) { v.setHideFileExt(true); }},
        {u"parent-enabled"_s, [](TVxFilelistView28& v) { v.setParentDirEnabled(true); }},
        {u"parent-caption"_s, [](TVxFilelistView28& v) { v.setParentDirCaption(u"Up"_s); }},
        {u"file-size"_s, [](TVxFilelistView28& v) { v.setFileSize(fsByte); }},
        {u"date-format"_s, [](TVxFilelistView28& v) { v.setDateFormat(df_yyyyMMdd); }},
        {u"time-format"_s, [](TVxFilelistView28& v) { v.setTimeFormat(tfLongFormat); }},
        {u"column-width"_s, [](TVxFilelistView28& v) { v.setColWidth_Name(300); }},
        {u"language-same"_s, [](TVxFilelistView28& v) { v.setLanguage(v.Language()); }},
        {u"language-changed"_s, [](TVxFilelistView28& v) { v.setLanguage(lnGerman); }},
    };

    TestDir dir;
    QVERIFY(dir.createFile(u"a.mp3"_s, "a"));
    FileListFixture f;
    f.view.setDirectory(dir.path());
    const QVector<ListingRow> before = f.view.rows();
    QCOMPARE(before.size(), 1);

    QVERIFY(dir.createFile(u"b.mp3"_s, "b"));
    actions.at(action)(f.view);
    if (rereads) {
        QCOMPARE(captions(f.view), (QStringList{u"a.mp3"_s, u"b.mp3"_s}));
        return;
    }
    QCOMPARE(f.view.rowCount(), 1);
    QCOMPARE(f.view.rows().at(0).caption(), before.at(0).caption());
    QCOMPARE(f.view.rows().at(0).subItems(), before.at(0).subItems());

    // The next re-read applies what the setter stored.
    f.view.UpdateFileList();
    QCOMPARE(f.view.rowCount(), 2);
    if (action == u"hide-ext"_s)
        QCOMPARE(captions(f.view), (QStringList{u"a"_s, u"b"_s}));
    if (action == u"file-size"_s)
        QCOMPARE(f.view.rows().at(0).subItem(0), u"1"_s);
    if (action == u"date-format"_s)
        QVERIFY(f.view.rows().at(0).subItem(2).contains(u'-'));
}

QTEST_MAIN(TestFileListSetters)
#include "tst_filelistsetters.moc"
