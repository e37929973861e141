#include "explorer/VxFileListTexts.h"
#include "explorer/VxFileListing.h"
#include "explorer/VxFilelistView28.h"
#include "explorer/VxPathUtils.h"
#include "platform/Volumes.h"
#include "tests/support/FileListFixture.h"
#include "tests/support/TestDir.h"

#include <QAbstractItemModelTester>
#include <QDateTime>
#include <QFile>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Creates the entries of `names` in `dir`: a name ending with "/" is a folder, a name
// beginning with "!" is a read-only file.
bool populate(TestDir& dir, const QStringList& names)
{
    for (QString name : names) {
        if (name.endsWith(u'/')) {
            if (!dir.createDir(name.chopped(1)))
                return false;
            continue;
        }
        const bool readOnly = name.startsWith(u'!');
        if (readOnly)
            name.remove(0, 1);
        if (!dir.createFile(name, "x"))
            return false;
        if (readOnly &&
            !QFile::setPermissions(dir.filePath(name),
                                   QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther))
            return false;
    }
    return true;
}

// Works on folders too, which QFile cannot open for setFileTime.
void setMtime(const QString& path, const QDateTime& when)
{
    const qint64 msecs = when.toMSecsSinceEpoch();
    const struct timespec times[2] = {{0, UTIME_OMIT}, {msecs / 1000, (msecs % 1000) * 1000000}};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

void clickHeader(TVxFilelistView28& view, int column)
{
    QHeaderView* header = view.header();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class TestFileList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void initialState();
    void listing_data();
    void listing();
    void rowFields();
    void sizes_data();
    void sizes();
    void headerSort_data();
    void headerSort();
    void rereadResetsSort();
    void fileLayout();
    void drivesView();
    void languageChange();
    void dateFormatLeavesRows();
    void timeZoneOfTheLastReRead_data();
    void timeZoneOfTheLastReRead();
    void invalidUtf8Name();
    void lazyTypesAndIcons();
};

void TestFileList::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestFileList::initialState()
{
    TVxFilelistView28 view;
    QCOMPARE(view.Directory(), u"Drives"_s);
    QCOMPARE(view.Mask(), u"*.*"_s);
    QCOMPARE(view.About(), u"Version 2.8.8.1"_s);
    view.setAbout(u"x"_s);
    QCOMPARE(view.About(), u"Version 2.8.8.1"_s);
    QCOMPARE(view.ParentDirCaption(), u" Parent"_s);
    QCOMPARE(view.Language(), lnEnglish);
    QCOMPARE(ListLanguage, lnEnglish);
    QCOMPARE(view.FileType(), (TFileType{ftReadOnly, ftHidden, ftSystem, ftArchive}));
    QCOMPARE(view.ColWidth_Mod(), 125);
    QCOMPARE(view.DateFormat(), df_Customize);
    QCOMPARE(view.TimeFormat(), tfShortFormat);
    QVERIFY(view.ShowFolders());
    QVERIFY(view.ParentDirEnabled());
    QCOMPARE(view.rowCount(), 0);
    QVERIFY(!view.isDrivesLayout());
}

void TestFileList::listing_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("showFolders");
    QTest::addColumn<bool>("parentDir");
    QTest::addColumn<int>("fileType");
    QTest::addColumn<bool>("hideExt");
    QTest::addColumn<QStringList>("expected");

    const QStringList folder = {u"b.mp3"_s,     u"A.MP3"_s,  u".hidden.mp3"_s, u"!ro.mp3"_s,
                                u"notes.txt"_s, u"README"_s, u"dir.mp3/"_s,    u"sub/"_s};
    const int all = TFileType{ftReadOnly, ftHidden, ftSystem, ftArchive}.toByte();

    QTest::newRow("mp3/every-attribute-no-folders")
        << folder << u"*.mp3"_s << false << false << all << false
        << QStringList{u".hidden.mp3"_s, u"A.MP3"_s, u"b.mp3"_s, u"ro.mp3"_s};
    QTest::newRow("mp3/empty-file-type-hides-read-only-and-hidden")
        << folder << u"*.mp3"_s << false << false << 0 << false
        << QStringList{u"A.MP3"_s, u"b.mp3"_s};
    QTest::newRow("mask/blanks-list-every-file")
        << folder << u"   "_s << false << false << all << false
        << QStringList{u".hidden.mp3"_s, u"A.MP3"_s,  u"b.mp3"_s,
                       u"notes.txt"_s,   u"README"_s, u"ro.mp3"_s};
    QTest::newRow("mask/overlapping-patterns-list-twice")
        << folder << u"*.mp3;b*"_s << false << false << all << false
        << QStringList{u".hidden.mp3"_s, u"A.MP3"_s, u"b.mp3"_s, u"b.mp3"_s, u"ro.mp3"_s};
    QTest::newRow("mask/empty-piece-adds-nothing")
        << folder << u"*.txt;;"_s << false << false << all << false << QStringList{u"notes.txt"_s};
    QTest::newRow("folders/matching-folder-once-parent-first")
        << folder << u"*.mp3"_s << true << true << all << false
        << QStringList{u" Parent"_s, u"dir.mp3"_s, u"sub"_s,   u".hidden.mp3"_s,
                       u"A.MP3"_s,   u"b.mp3"_s,   u"ro.mp3"_s};
    QTest::newRow("folders/parent-needs-show-folders")
        << folder << u"*.txt"_s << false << true << all << false << QStringList{u"notes.txt"_s};
    QTest::newRow("mp3/names-with-a-star")
        << QStringList{u"*?[.mp3"_s, u"**.mp3"_s, u"*.mp3"_s, u"a*b.mp3"_s, u"*.txt"_s}
        << u"*.mp3"_s << false << false << all << false
        << QStringList{u"**.mp3"_s, u"*.mp3"_s, u"*?[.mp3"_s, u"a*b.mp3"_s};
    QTest::newRow("captions/hide-extension")
        << QStringList{u"Song.mp3"_s, u"README"_s, u"a.b.c"_s} << u"*.*"_s << false << false << all
        << true << QStringList{u"a.b"_s, u"README"_s, u"Song"_s};
}

void TestFileList::listing()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, mask);
    QFETCH(bool, showFolders);
    QFETCH(bool, parentDir);
    QFETCH(int, fileType);
    QFETCH(bool, hideExt);
    QFETCH(QStringList, expected);

    TestDir dir;
    QVERIFY(populate(dir, entries));
    FileListFixture f;
    f.view.setMask(mask);
    f.view.setShowFolders(showFolders);
    f.view.setParentDirEnabled(parentDir);
    f.view.setFileType(TFileType::fromByte(quint8(fileType)));
    f.view.setHideFileExt(hideExt);
    f.view.setDirectory(dir.path());
    QCOMPARE(captions(f.view), expected);
}

void TestFileList::rowFields()
{
    TestDir dir;
    QVERIFY(populate(dir, {u"song.mp3"_s, u"!ro.mp3"_s, u".h.mp3"_s, u"sub/"_s}));
    const QDateTime when(QDate(2003, 12, 31), QTime(14, 5, 7));
    setMtime(dir.filePath(u"song.mp3"_s), when);

    FileListFixture f;
    f.view.setShowFolders(true);
    f.view.setParentDirEnabled(true);
    f.view.setDirectory(dir.path());
    const QString folder = EnsureTrailingBackslash(dir.path());
    QCOMPARE(f.view.Directory(), folder);
    QCOMPARE(captions(f.view),
             (QStringList{u" Parent"_s, u"sub"_s, u".h.mp3"_s, u"ro.mp3"_s, u"song.mp3"_s}));
    for (const ListingRow& row : f.view.rows())
        QCOMPARE(row.subItemCount(), 7);

    const ListingRow& parent = f.view.rows().at(0);
    QCOMPARE(parent.subItems().mid(0, 4), QStringList(4, u" "_s));
    QCOMPARE(parent.subItem(4), folder + u".."_s);
    QCOMPARE(parent.subItem(5), u"dir"_s);
    QVERIFY(parent.nameBytes.isEmpty());

    const ListingRow& sub = f.view.rows().at(1);
    QCOMPARE(sub.subItem(0), u" "_s);
    QCOMPARE(sub.subItem(4), folder + u"sub"_s);
    QCOMPARE(sub.subItem(5), u"dir"_s);

    QCOMPARE(f.view.rows().at(2).subItem(3), u"AH"_s);
    QCOMPARE(f.view.rows().at(3).subItem(3), u"AR"_s);

    const ListingRow& song = f.view.rows().at(4);
    QCOMPARE(song.nameBytes, QByteArray("song.mp3"));
    QCOMPARE(song.subItem(0), u"1 KB"_s);
    QCOMPARE(song.subItem(3), u"A"_s);
    QCOMPARE(song.subItem(4), folder + u"song.mp3"_s);
    QCOMPARE(song.subItem(5), u"file"_s);
    QCOMPARE(song.mtimeNsec, when.toMSecsSinceEpoch() * 1000000);
    QCOMPARE(song.subItem(6).toLongLong(), song.mtimeNsec);
    QCOMPARE(song.subItem(2),
             FileTimeToText(song.mtimeNsec, f.view.datePatternText(), f.view.timePatternText()));
    QCOMPARE(song.size, qint64(1));
}

void TestFileList::sizes_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("kb");
    QTest::addColumn<QString>("bytes");

    QTest::newRow("0") << qint64(0) << u"0 KB"_s << u"0"_s;
    QTest::newRow("1") << qint64(1) << u"1 KB"_s << u"1"_s;
    QTest::newRow("1023") << qint64(1023) << u"1 KB"_s << u"1023"_s;
    QTest::newRow("2047") << qint64(2047) << u"1 KB"_s << u"2047"_s;
    QTest::newRow("2048") << qint64(2048) << u"2 KB"_s << u"2048"_s;
    QTest::newRow("4567890") << qint64(4567890) << u"4460 KB"_s << u"4567890"_s;
    QTest::newRow("5-gib-sparse") << qint64(5) * 1024 * 1024 * 1024 << u"5242880 KB"_s
                                  << u"5368709120"_s;
}

void TestFileList::sizes()
{
    QFETCH(qint64, size);
    QFETCH(QString, kb);
    QFETCH(QString, bytes);

    TestDir dir;
    QVERIFY(dir.createFile(u"a.mp3"_s));
    QVERIFY(QFile::resize(dir.filePath(u"a.mp3"_s), size));

    FileListFixture f;
    f.view.setDirectory(dir.path());
    QCOMPARE(f.view.rowCount(), 1);
    QCOMPARE(f.view.rows().at(0).subItem(0), kb);
    QCOMPARE(f.view.rows().at(0).size, size);

    // The unit applies at the next re-read only.
    f.view.setFileSize(fsByte);
    QCOMPARE(f.view.rows().at(0).subItem(0), kb);
    f.view.UpdateFileList();
    QCOMPARE(f.view.rows().at(0).subItem(0), bytes);
}

void TestFileList::headerSort_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("arrowColumn");
    QTest::addColumn<bool>("descending");

    QTest::newRow("size/first-click-largest-first-files-before-folders")
        << QList<int>{1}
        << QStringList{u"big.mp3"_s, u"mid.mp3"_s, u"small.mp3"_s, u"alpha"_s, u"Zed"_s} << 1
        << true;
    QTest::newRow("size/second-click-smallest-first-folders-first")
        << QList<int>{1, 1}
        << QStringList{u"alpha"_s, u"Zed"_s, u"small.mp3"_s, u"mid.mp3"_s, u"big.mp3"_s} << 1
        << false;
    QTest::newRow("modified/after-size-newest-first")
        << QList<int>{1, 3}
        << QStringList{u"small.mp3"_s, u"big.mp3"_s, u"mid.mp3"_s, u"Zed"_s, u"alpha"_s} << 3
        << true;
    QTest::newRow("name/first-click-descending")
        << QList<int>{0}
        << QStringList{u"small.mp3"_s, u"mid.mp3"_s, u"big.mp3"_s, u"Zed"_s, u"alpha"_s} << 0
        << true;
}

void TestFileList::headerSort()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, expected);
    QFETCH(int, arrowColumn);
    QFETCH(bool, descending);

    TestDir dir;
    QVERIFY(dir.createFile(u"small.mp3"_s, QByteArray(10, 'x')));
    QVERIFY(dir.createFile(u"mid.mp3"_s, QByteArray(5000, 'x')));
    QVERIFY(dir.createFile(u"big.mp3"_s, QByteArray(90000, 'x')));
    QVERIFY(dir.createDir(u"alpha"_s));
    QVERIFY(dir.createDir(u"Zed"_s));
    const QDateTime base(QDate(2020, 1, 1), QTime(12, 0));
    setMtime(dir.filePath(u"mid.mp3"_s), base);
    setMtime(dir.filePath(u"big.mp3"_s), base.addDays(1));
    setMtime(dir.filePath(u"small.mp3"_s), base.addDays(2));
    // Folders made in the same clock tick would tie; the newer one must come first.
    setMtime(dir.filePath(u"alpha"_s), base.addDays(-2));
    setMtime(dir.filePath(u"Zed"_s), base.addDays(-1));

    FileListFixture f;
    f.view.setShowFolders(true);
    f.view.setDirectory(dir.path());
    f.view.resize(600, 300);
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    for (int column : clicks)
        clickHeader(f.view, column);

    QCOMPARE(captions(f.view), expected);
    QCOMPARE(f.view.header()->sortIndicatorSection(), arrowColumn);
    QCOMPARE(f.view.header()->sortIndicatorOrder(),
             descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TestFileList::rereadResetsSort()
{
    TestDir dir;
    QVERIFY(populate(dir, {u"b.mp3"_s, u"a.mp3"_s, u"c/"_s}));
    FileListFixture f;
    f.view.setShowFolders(true);
    f.view.setDirectory(dir.path());
    f.view.ColumnClickSort(1);
    f.view.ColumnClickSort(3);
    f.view.ColumnClickSort(3);
    f.view.UpdateFileList();
    QCOMPARE(captions(f.view), (QStringList{u"c"_s, u"a.mp3"_s, u"b.mp3"_s}));
    QCOMPARE(f.view.sortColumn(), 0);
    QVERIFY(!f.view.sortDescending());
    QCOMPARE(f.view.header()->sortIndicatorSection(), 0);
    QCOMPARE(f.view.header()->sortIndicatorOrder(), Qt::AscendingOrder);
}

void TestFileList::fileLayout()
{
    TVxFilelistView28 view;
    view.setColWidth_Size(50);
    view.setColWidth_Type(0);
    QHeaderView* header = view.header();
    QCOMPARE(header->count(), 5);
    const QList<int> widths = {165, 50, 0, 125, 40};
    const QStringList titles = {u"Name"_s, u"Size"_s, u"Type"_s, u"Modified"_s, u"Attr"_s};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(header->sectionSize(column), widths.at(column));
        QCOMPARE(view.model()->headerData(column, Qt::Horizontal).toString(), titles.at(column));
    }
    QVERIFY(!header->isSectionHidden(2));
    QCOMPARE(view.model()->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt() &
                 Qt::AlignHorizontal_Mask,
             int(Qt::AlignRight));

    // In the drives layout a width is only stored, for the next file layout.
    view.setDirectory(u"Drives"_s);
    view.UpdateFileList();
    QCOMPARE(header->sectionSize(0), 160);
    view.setColWidth_Name(200);
    QCOMPARE(header->sectionSize(0), 160);
    TestDir dir;
    view.setDirectory(dir.path());
    QCOMPARE(header->sectionSize(0), 200);
}

void TestFileList::drivesView()
{
    FileListFixture f;
    f.view.setDirectory(u"drives"_s);
    const std::vector<platform::Volume> volumes = platform::listVolumes();
    QCOMPARE(f.view.rowCount(), int(volumes.size()));
    QVERIFY(f.view.rowCount() > 0);
    const QStringList titles = {u"Name"_s, u"Type"_s, u"Disk Size"_s, u"Free Space"_s, u"Attr"_s};
    for (int column = 0; column < 5; ++column)
        QCOMPARE(f.view.model()->headerData(column, Qt::Horizontal).toString(), titles.at(column));

    const QRegularExpression space(u"^(0 Mb| Mb|\\d{1,3}(,\\d{3})* Mb)$"_s);
    for (int i = 0; i < f.view.rowCount(); ++i) {
        const ListingRow& row = f.view.rows().at(i);
        const platform::Volume& volume = volumes.at(size_t(i));
        QCOMPARE(row.caption(), vxfilelist::driveCaption(volume.mountPoint, volume.label));
        QCOMPARE(row.subItemCount(), 6);
        QVERIFY2(space.match(row.subItem(1)).hasMatch(), qPrintable(row.subItem(1)));
        QVERIFY2(space.match(row.subItem(2)).hasMatch(), qPrintable(row.subItem(2)));
        QCOMPARE(row.subItem(3), QString());
        QVERIFY(row.subItem(4).endsWith(u'/'));
        QCOMPARE(row.subItem(5), u"drv"_s);
    }

    // Header clicks change nothing and no arrow shows.
    const QStringList before = captions(f.view);
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    clickHeader(f.view, 0);
    f.view.ColumnClickSort(2);
    QCOMPARE(captions(f.view), before);
    QVERIFY(!f.view.header()->isSortIndicatorShown());
}

void TestFileList::languageChange()
{
    TVxFilelistView28 view;
    view.setLanguage(lnFrench);
    QCOMPARE(ListLanguage, lnFrench);
    QCOMPARE(view.model()->headerData(3, Qt::Horizontal).toString(), u"Date"_s);
    QCOMPARE(view.model()->headerData(4, Qt::Horizontal).toString(), u"Attributs"_s);

    // The same value reloads nothing, even after another component changed the list language.
    ListLanguage = lnEnglish;
    view.setLanguage(lnFrench);
    QCOMPARE(ListLanguage, lnEnglish);

    view.setLanguage(lnSysDefault);
    QCOMPARE(view.Language(), ResolveLanguageId(SystemDefaultLanguageId()));
    QVERIFY(view.Language() != lnSysDefault);
}

void TestFileList::dateFormatLeavesRows()
{
    TestDir dir;
    QVERIFY(dir.createFile(u"a.mp3"_s));
    setMtime(dir.filePath(u"a.mp3"_s), QDateTime(QDate(2003, 12, 31), QTime(14, 5)));
    FileListFixture f;
    f.view.setDirectory(dir.path());
    const QString before = f.view.rows().at(0).subItem(2);

    f.view.setDateFormat(df_ddMMyy_DE);
    QCOMPARE(f.view.rows().at(0).subItem(2), before);
    f.view.UpdateFileList();
    QVERIFY2(f.view.rows().at(0).subItem(2).startsWith(u"31.12.03 "_s),
             qPrintable(f.view.rows().at(0).subItem(2)));
}

void TestFileList::timeZoneOfTheLastReRead_data()
{
    QTest::addColumn<bool>("askedBeforeTheChange");
    QTest::newRow("texts asked before the zone changed") << true;
    QTest::newRow("texts first asked after the zone changed") << false;
}

// The modified texts are written when asked for, by the zone in force when the folder was read,
// even after another listing has loaded a new zone for the whole program.
void TestFileList::timeZoneOfTheLastReRead()
{
    QFETCH(bool, askedBeforeTheChange);
    const QByteArray previous = qgetenv("TZ");
    const bool hadZone = qEnvironmentVariableIsSet("TZ");
    const auto restore = qScopeGuard([&] {
        if (hadZone)
            qputenv("TZ", previous);
        else
            qunsetenv("TZ");
    });
    TestDir dir;
    QVERIFY(dir.createFile(u"a.mp3"_s));
    setMtime(dir.filePath(u"a.mp3"_s), QDateTime(QDate(2003, 12, 31), QTime(14, 5), Qt::UTC));
    VxListingOptions options;
    options.datePattern = u"dd/mm/yyyy"_s;
    options.timePattern = u"hh:nn"_s;
    const QByteArray folder = dir.pathBytes() + '/';

    qputenv("TZ", "UTC");
    QVector<ListingRow> before;
    QVERIFY(vxfilelist::addFiles(before, folder, "*.mp3", 0x27, options));
    if (askedBeforeTheChange)
        QCOMPARE(before.at(0).subItem(ListingRow::ModifiedItem), u"31/12/2003 14:05"_s);

    qputenv("TZ", "Asia/Tokyo");
    QVector<ListingRow> after;
    QVERIFY(vxfilelist::addFiles(after, folder, "*.mp3", 0x27, options));
    QCOMPARE(after.at(0).subItem(ListingRow::ModifiedItem), u"31/12/2003 23:05"_s);
    QCOMPARE(before.at(0).subItem(ListingRow::ModifiedItem), u"31/12/2003 14:05"_s);
}

void TestFileList::invalidUtf8Name()
{
    TestDir dir;
    const QByteArray name("caf\xe9.mp3");
    QVERIFY(dir.createRawFile(name, "x"));
    FileListFixture f;
    f.view.setDirectory(dir.path());
    QCOMPARE(f.view.rowCount(), 1);
    const ListingRow& row = f.view.rows().at(0);
    QCOMPARE(row.nameBytes, name);
    QVERIFY(row.caption().contains(QChar::ReplacementCharacter));
    QVERIFY(row.caption().endsWith(u".mp3"_s));
}

void TestFileList::lazyTypesAndIcons()
{
    TestDir dir;
    for (int i = 0; i < 300; ++i)
        QVERIFY(dir.createFile(u"%1 Title.mp3"_s.arg(i, 5, 10, QLatin1Char('0'))));
    FileListFixture f;
    f.view.setDirectory(dir.path());
    QCOMPARE(f.view.rowCount(), 300);
    // Row 0 is left out: the model tester reads it.
    for (int i = 1; i < f.view.rowCount(); ++i) {
        QVERIFY(f.view.rows().at(i).subItem(1).isEmpty());
        QCOMPARE(f.view.rows().at(i).imageIndex, -1);
    }

    f.view.resize(500, 200);
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QTRY_VERIFY(f.view.rows().at(2).imageIndex >= 0);
    QVERIFY(!f.view.rows().at(2).subItem(1).isEmpty());
    QCOMPARE(f.view.rows().at(299).imageIndex, -1);
    QVERIFY(f.view.rows().at(299).subItem(1).isEmpty());

    QVERIFY(!f.view.typeText(299).isEmpty());
    QCOMPARE(f.view.rows().at(299).subItem(1), f.view.typeText(299));
}

QTEST_MAIN(TestFileList)
#include "tst_filelist.moc"
