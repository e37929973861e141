#include "explorer/ListingTexts.h"
#include "explorer/VxFileListSort.h"

#include <QLocale>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kParent = u" Parent"_s;

// A row from "caption|kind|size text|time key|type|attr"; missing fields are blank. The row
// holds the raw values the texts stand for: "4 KB" is 4096 bytes, "2048" is 2048 bytes with the
// byte unit, a time key is the modification time and the letters of attr are its bits.
ListingRow row(const QString& description)
{
    const QStringList f = description.split(QLatin1Char('|'));
    auto field = [&f](int i) { return i < f.size() ? f.at(i) : QString(); };
    const QString kind = field(1);
    const QString size = field(2).trimmed();
    ListingTexts::Options options;
    options.folder = u"/m/"_s;
    options.parentDirCaption = kParent;
    options.fileSize = size.isEmpty() || size.endsWith(u"KB"_s) ? fsKB : fsByte;
    options.datePattern = u"dd/mm/yyyy"_s;
    options.timePattern = u"hh:nn"_s;

    ListingRow r;
    r.texts = std::make_shared<const ListingTexts>(options);
    if (kind == u"drv"_s) {
        r.kind = ListingRow::Kind::Drive;
        r.fixedTexts = QStringList{field(0)};
        return r;
    }
    if (field(0) == kParent && kind == u"dir"_s) {
        r.kind = ListingRow::Kind::Parent;
    } else {
        r.kind = kind == u"dir"_s ? ListingRow::Kind::Folder : ListingRow::Kind::File;
        r.nameBytes = field(0).toUtf8();
    }
    const qint64 number = size.section(u' ', 0, 0).toLongLong();
    r.size = options.fileSize == fsKB ? number * 1024 : number;
    r.mtimeNsec = field(3).toLongLong();
    if (!field(4).isEmpty())
        r.fixedTexts = QStringList{field(4)};
    const QString attr = field(5);
    r.attributes = (attr.contains(u'A') ? 0x20u : 0u) | (attr.contains(u'R') ? 0x01u : 0u) |
                   (attr.contains(u'H') ? 0x02u : 0u) | (attr.contains(u'S') ? 0x04u : 0u);
    return r;
}

QVector<ListingRow> rows(const QStringList& descriptions)
{
    QVector<ListingRow> made;
    for (const QString& description : descriptions)
        made.append(row(description));
    return made;
}

QStringList captionsInOrder(const QVector<ListingRow>& input, const QVector<int>& order)
{
    QStringList captions;
    for (int i : order)
        captions << input.at(i).caption();
    return captions;
}

} // namespace

class TestFileListSort : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void compare_data();
    void compare();
    void nameOrderFollowsLocaleCaseMapping();
    void sizeKey_data();
    void sizeKey();
};

// Under a Turkish locale "i" upper-cases to a dotted capital I, which sorts after Z.
void TestFileListSort::nameOrderFollowsLocaleCaseMapping()
{
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    if (turkish.toUpper(u"i"_s) != u"\u0130"_s)
        QSKIP("This Qt has no Turkish case mapping.");
    const QVector<ListingRow> input = rows({u"iz.mp3"_s, u"Zz.mp3"_s});
    const QLocale previous;
    QLocale::setDefault(turkish);
    const QVector<int> order = VxFileListSort(0, false, kParent).order(input);
    QLocale::setDefault(previous);
    QCOMPARE(captionsInOrder(input, order), (QStringList{u"Zz.mp3"_s, u"iz.mp3"_s}));
    QCOMPARE(captionsInOrder(input, VxFileListSort(0, false, kParent).order(input)),
             (QStringList{u"iz.mp3"_s, u"Zz.mp3"_s}));
}

void TestFileListSort::order_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("expected");

    // As a re-read lists them before sorting: the parent row comes first from the platform.
    const QStringList mixed = {kParent + u"|dir| |50"_s, u"b.mp3|file|3 KB|300"_s,
                               u"Sub|dir| |100"_s,       u"A.mp3|file|10 KB|200"_s,
                               u"C.mp3|file|1 KB|400"_s, u"alpha|dir| |500"_s};

    QTest::newRow("name/ascending-folders-first-parent-first")
        << 0 << false << mixed
        << QStringList{kParent, u"alpha"_s, u"Sub"_s, u"A.mp3"_s, u"b.mp3"_s, u"C.mp3"_s};
    QTest::newRow("name/descending-files-first-parent-stays-first")
        << 0 << true << mixed
        << QStringList{kParent, u"C.mp3"_s, u"b.mp3"_s, u"A.mp3"_s, u"Sub"_s, u"alpha"_s};
    QTest::newRow("name/accented-first-letter-after-z")
        << 0 << false << QStringList{u"\u00c9dith.mp3"_s, u"Zoe.mp3"_s, u"abba.mp3"_s}
        << QStringList{u"abba.mp3"_s, u"Zoe.mp3"_s, u"\u00c9dith.mp3"_s};
    QTest::newRow("name/lower-accent-upper-cased")
        << 0 << false << QStringList{u"\u00e9t\u00e9.mp3"_s, u"zz.mp3"_s, u"\u00c9a.mp3"_s}
        << QStringList{u"zz.mp3"_s, u"\u00c9a.mp3"_s, u"\u00e9t\u00e9.mp3"_s};
    QTest::newRow("name/shared-long-prefix-by-code-unit")
        << 0 << false
        << QStringList{u"Track title 9.mp3"_s, u"track title 10.mp3"_s, u"Track title 1.mp3"_s}
        << QStringList{u"Track title 1.mp3"_s, u"track title 10.mp3"_s, u"Track title 9.mp3"_s};
    QTest::newRow("name/prefix-of-another-goes-first")
        << 0 << false << QStringList{u"abcdefghij"_s, u"abc"_s, u"abcdefgh"_s, u"ab"_s}
        << QStringList{u"ab"_s, u"abc"_s, u"abcdefgh"_s, u"abcdefghij"_s};
    // y with diaeresis (U+00FF) upper-cases to U+0178, past A with macron (U+0100).
    QTest::newRow("name/upper-case-beyond-latin-1")
        << 0 << false << QStringList{u"\u4e2d.mp3"_s, u"\u00ff.mp3"_s, u"\u0100.mp3"_s}
        << QStringList{u"\u0100.mp3"_s, u"\u00ff.mp3"_s, u"\u4e2d.mp3"_s};
    QTest::newRow("size/first-click-largest-first-files-before-folders")
        << 1 << true << mixed
        << QStringList{kParent, u"A.mp3"_s, u"b.mp3"_s, u"C.mp3"_s, u"Sub"_s, u"alpha"_s};
    QTest::newRow("size/second-click-smallest-first-folders-first")
        << 1 << false << mixed
        << QStringList{kParent, u"Sub"_s, u"alpha"_s, u"C.mp3"_s, u"b.mp3"_s, u"A.mp3"_s};
    QTest::newRow("size/same-kb-ties-keep-their-order")
        << 1 << true << QStringList{u"x|file|1 KB"_s, u"y|file|2 KB"_s, u"z|file|1 KB"_s}
        << QStringList{u"y"_s, u"x"_s, u"z"_s};
    QTest::newRow("size/kb-numbers-not-texts")
        << 1 << false
        << QStringList{u"nine|file|9 KB"_s, u"ten|file|10 KB"_s, u"big|file|5242880 KB"_s}
        << QStringList{u"nine"_s, u"ten"_s, u"big"_s};
    QTest::newRow("size/byte-texts")
        << 1 << false << QStringList{u"b|file|2048"_s, u"a|file|1023"_s, u"c|file|4567890"_s}
        << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("modified/descending-newest-first-parent-first")
        << 3 << true << mixed
        << QStringList{kParent, u"C.mp3"_s, u"b.mp3"_s, u"A.mp3"_s, u"alpha"_s, u"Sub"_s};
    QTest::newRow("modified/ascending-oldest-first")
        << 3 << false << mixed
        << QStringList{kParent, u"Sub"_s, u"alpha"_s, u"A.mp3"_s, u"b.mp3"_s, u"C.mp3"_s};
    QTest::newRow("modified/64-bit-keys")
        << 3 << false
        << QStringList{u"late|file||1700000000000000000"_s, u"early|file||999999999999999999"_s}
        << QStringList{u"early"_s, u"late"_s};
    QTest::newRow("type/ascii-case-ignored")
        << 2 << false
        << QStringList{u"1|file|||mp3 audio"_s, u"2|file|||MP3 Audio"_s, u"3|file|||Image"_s}
        << QStringList{u"3"_s, u"1"_s, u"2"_s};
    QTest::newRow("attr/descending")
        << 4 << true << QStringList{u"a|file||||A"_s, u"r|file||||AR"_s, u"h|file||||AH"_s}
        << QStringList{u"r"_s, u"h"_s, u"a"_s};
}

void TestFileListSort::order()
{
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(QStringList, input);
    QFETCH(QStringList, expected);

    const QVector<ListingRow> listing = rows(input);
    const VxFileListSort sort(column, descending, kParent);
    const QVector<int> order = sort.order(listing);
    QCOMPARE(captionsInOrder(listing, order), expected);

    // The bulk sort and the pairwise rule agree wherever the parent row is not involved.
    for (int i = 1; i < order.size(); ++i) {
        const ListingRow& a = listing.at(order.at(i - 1));
        const ListingRow& b = listing.at(order.at(i));
        if (a.caption() != kParent && b.caption() != kParent)
            QVERIFY2(sort.compare(a, b) <= 0, qPrintable(a.caption() + u" / "_s + b.caption()));
    }
}

void TestFileListSort::compare_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expectedSign");

    QTest::newRow("folder-before-file") << 0 << false << u"z|dir"_s << u"a|file"_s << -1;
    QTest::newRow("folder-before-file-inverted") << 0 << true << u"z|dir"_s << u"a|file"_s << 1;
    QTest::newRow("parent-not-inverted") << 0 << true << kParent + u"|dir"_s << u"a|dir"_s << -1;
    QTest::newRow("parent-time-not-inverted")
        << 3 << true << kParent + u"|dir||100"_s << u"a|dir||200"_s << -1;
    QTest::newRow("drive-rows-are-not-folders") << 0 << false << u"b|drv"_s << u"a|dir"_s << 1;
    QTest::newRow("name-equal-after-upper-case")
        << 0 << false << u"song.MP3"_s << u"SONG.mp3"_s << 0;
    QTest::newRow("size-same-kb-equal") << 1 << true << u"a|file|4 KB"_s << u"b|file|4 KB"_s << 0;
    QTest::newRow("type-difference") << 2 << false << u"a|file|||B"_s << u"b|file|||a"_s << 1;
}

void TestFileListSort::compare()
{
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expectedSign);

    const int result = VxFileListSort(column, descending, kParent).compare(row(a), row(b));
    QCOMPARE(result < 0 ? -1 : (result > 0 ? 1 : 0), expectedSign);
}

// The Size sort compares the number the row's size text shows, from the raw size.
void TestFileListSort::sizeKey_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("unit");
    QTest::addColumn<qint64>("key");

    QTest::newRow("folder") << true << qint64(5000) << int(fsKB) << qint64(0);
    QTest::newRow("empty-file") << false << qint64(0) << int(fsKB) << qint64(0);
    QTest::newRow("one-byte-is-1-kb") << false << qint64(1) << int(fsKB) << qint64(1);
    QTest::newRow("1023-bytes-is-1-kb") << false << qint64(1023) << int(fsKB) << qint64(1);
    QTest::newRow("2047-bytes-is-1-kb") << false << qint64(2047) << int(fsKB) << qint64(1);
    QTest::newRow("kilobytes") << false << qint64(4460 * 1024 + 5) << int(fsKB) << qint64(4460);
    QTest::newRow("beyond-32-bits")
        << false << qint64(5368709120LL) << int(fsKB) << qint64(5242880);
    QTest::newRow("bytes") << false << qint64(5368709120LL) << int(fsByte) << qint64(5368709120LL);
}

void TestFileListSort::sizeKey()
{
    QFETCH(bool, folder);
    QFETCH(qint64, size);
    QFETCH(int, unit);
    QFETCH(qint64, key);
    ListingTexts::Options options;
    options.fileSize = TFileSize(unit);
    ListingRow r;
    r.kind = folder ? ListingRow::Kind::Folder : ListingRow::Kind::File;
    r.nameBytes = "x";
    r.size = size;
    r.texts = std::make_shared<const ListingTexts>(options);
    QCOMPARE(r.sizeKey(), key);
    if (!folder)
        QCOMPARE(r.subItem(ListingRow::SizeItem).section(u' ', 0, 0).toLongLong(), key);
}

QTEST_APPLESS_MAIN(TestFileListSort)
#include "tst_filelistsort.moc"
