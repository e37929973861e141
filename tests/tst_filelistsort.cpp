#include "explorer/VxFileListSort.h"

#include <QLocale>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kParent = u" Parent"_s;

// A row from "caption|kind|size text|time key|type|attr"; missing fields are blank.
ListingRow row(const QString& description)
{
    const QStringList f = description.split(QLatin1Char('|'));
    auto field = [&f](int i) { return i < f.size() ? f.at(i) : QString(); };
    ListingRow r;
    r.caption = field(0);
    const QString kind = field(1).isEmpty() ? u"file"_s : field(1);
    const QString size = field(2).isEmpty() ? u" "_s : field(2);
    r.subItems << size << field(4) << u"01/01/2020 10:00"_s << field(5) << u"/m/"_s + r.caption
               << kind << field(3);
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
        captions << input.at(i).caption;
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
        if (a.caption != kParent && b.caption != kParent)
            QVERIFY2(sort.compare(a, b) <= 0, qPrintable(a.caption + u" / "_s + b.caption));
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

void TestFileListSort::sizeKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("key");

    QTest::newRow("folder-blank") << u" "_s << qint64(0);
    QTest::newRow("kilobytes") << u"4460 KB"_s << qint64(4460);
    QTest::newRow("beyond-32-bits") << u"5242880 KB"_s << qint64(5242880);
    QTest::newRow("bytes") << u"5368709120"_s << qint64(5368709120LL);
    QTest::newRow("not-a-number") << u"n/a"_s << qint64(0);
}

void TestFileListSort::sizeKey()
{
    QFETCH(QString, text);
    QFETCH(qint64, key);
    QCOMPARE(VxFileListSort::sizeKey(text), key);
}

QTEST_APPLESS_MAIN(TestFileListSort)
#include "tst_filelistsort.moc"
