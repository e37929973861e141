#include "core/TrackRules.h"
#include "core/rename/RenameRequests.h"
#include "explorer/ListingTexts.h"

#include <QTest>

#include <limits>
#include <memory>

using namespace trackrules;

namespace {

// A listed file of `size` bytes modified at `mtimeNsec`, as a folder pass in kilobytes lists it.
ListingRow listingRow(const QString& caption, qint64 size = 1000, qint64 mtimeNsec = 42)
{
    ListingTexts::Options options;
    options.folder = QStringLiteral("/music/");
    options.datePattern = QStringLiteral("dd/mm/yyyy");
    options.timePattern = QStringLiteral("hh:nn");
    ListingRow row;
    row.texts = std::make_shared<const ListingTexts>(options);
    row.nameBytes = caption.toUtf8();
    row.size = size;
    row.mtimeNsec = mtimeNsec;
    return row;
}

QStringList subItems(const TrackRow& row)
{
    QStringList items;
    for (int i = 0; i < TrackRow::SubItemCount; ++i)
        items.append(row.subItem(i));
    return items;
}

} // namespace

// Name split, integer texts, previews and the comparison of the track list.
class TestTrackRules : public QObject
{
    Q_OBJECT

private slots:
    void mp3Names_data();
    void mp3Names();
    void nameSplit_data();
    void nameSplit();
    void integerText_data();
    void integerText();
    void previewNumber_data();
    void previewNumber();
    void compare_data();
    void compare();
    void rowsFromListingKeepOrderAndFileData();
    void rowsFromListingByExtension_data();
    void rowsFromListingByExtension();
    void compareRowsUsesCaptionOrTitle();
    void oldNumber_data();
    void oldNumber();
};

void TestTrackRules::mp3Names_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("taken");
    QTest::newRow("lower") << "song.mp3" << true;
    QTest::newRow("mixed-case") << "Song.Mp3" << true;
    QTest::newRow("capitals") << "SONG.MP3" << true;
    QTest::newRow("only-extension") << ".mp3" << true;
    QTest::newRow("second-extension") << "song.mp3.bak" << false;
    QTest::newRow("longer-extension") << "song.mp3x" << false;
    QTest::newRow("no-dot") << "mp3" << false;
    // Only ASCII letters fold: a letter that merely looks like "m" is not one.
    QTest::newRow("non-ascii-letter") << QStringLiteral("song.\u1E41p3") << false;
    QTest::newRow("wav") << "song.wav" << false;
}

void TestTrackRules::mp3Names()
{
    QFETCH(QString, caption);
    QFETCH(bool, taken);
    QCOMPARE(isMp3Name(caption), taken);
}

void TestTrackRules::nameSplit_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("title");
    QTest::newRow("blank-separator") << "00007 Title.mp3"
                                     << "00007"
                                     << "Title";
    QTest::newRow("dash-separator") << "00007-Title.mp3"
                                    << "00007"
                                    << "Title";
    QTest::newRow("underscore-separator") << "00007_Title.mp3"
                                          << "00007"
                                          << "Title";
    QTest::newRow("short-number-no-title") << "12.mp3"
                                           << "12"
                                           << "";
    QTest::newRow("six-digits-and-blank") << "123456 Long.mp3"
                                          << "123456"
                                          << "Long";
    QTest::newRow("previewed-six-digits") << "199998 Song.mp3"
                                          << "199998"
                                          << "Song";
    QTest::newRow("seven-digits-and-blank") << "1234567 Song.mp3"
                                            << "1234567"
                                            << "Song";
    QTest::newRow("six-digits-second-blank-kept") << "199998  Song.mp3"
                                                  << "199998"
                                                  << " Song";
    QTest::newRow("six-digits-empty-title") << "123456 .mp3"
                                            << "123456"
                                            << "";
    // Without a blank right after the digits the five-character number stands.
    QTest::newRow("six-digits-no-blank") << "123456Long.mp3"
                                         << "12345"
                                         << "Long";
    QTest::newRow("six-digits-alone") << "123456.mp3"
                                      << "12345"
                                      << "";
    QTest::newRow("six-digits-then-tab") << "123456\tSong.mp3"
                                         << "12345"
                                         << "\tSong";
    QTest::newRow("six-digits-then-dash") << "123456-Song.mp3"
                                          << "12345"
                                          << "-Song";
    QTest::newRow("blank-before-six-digits") << " 123456 x.mp3"
                                             << " 1234"
                                             << "6 x";
    QTest::newRow("plus-before-six-digits") << "+123456 x.mp3"
                                            << "+1234"
                                            << "6 x";
    QTest::newRow("negative-preview") << "-00002 Title.mp3"
                                      << "-0000"
                                      << " Title";
    QTest::newRow("five-digits-and-blank") << "12345 Title.mp3"
                                           << "12345"
                                           << "Title";
    QTest::newRow("four-digits-only") << "1234.mp3"
                                      << "1234"
                                      << "";
    QTest::newRow("arabic-indic-digits")
        << QStringLiteral("\u0661\u0662\u0663\u0664\u0665\u0666 x.mp3") << ""
        << QStringLiteral("\u0661\u0662\u0663\u0664\u0665\u0666 x");
    QTest::newRow("four-digits-and-blank") << "0001 Song.mp3"
                                           << ""
                                           << "0001 Song";
    QTest::newRow("two-blanks-then-digits") << "  123 Song.mp3"
                                            << "  123"
                                            << "Song";
    QTest::newRow("negative") << "-0001 Song.mp3"
                              << "-0001"
                              << "Song";
    QTest::newRow("plus-sign") << "+1234 Song.mp3"
                               << "+1234"
                               << "Song";
    QTest::newRow("hexadecimal") << "$1F2A Song.mp3"
                                 << "$1F2A"
                                 << "Song";
    QTest::newRow("only-extension") << ".mp3"
                                    << ""
                                    << "";
    QTest::newRow("words") << "Intro.mp3"
                           << ""
                           << "Intro";
    QTest::newRow("last-dot-splits") << "00001 A.B.mp3"
                                     << "00001"
                                     << "A.B";
    QTest::newRow("exactly-six") << "00001-.mp3"
                                 << "00001"
                                 << "";
    // A separator outside the Basic Multilingual Plane is dropped whole, as the rename drops it.
    QTest::newRow("emoji-separator") << QStringLiteral("00001\U0001F3B5Song.mp3") << "00001"
                                     << "Song";
    QTest::newRow("emoji-separator-empty-title") << QStringLiteral("00001\U0001F3B5.mp3") << "00001"
                                                 << "";
    QTest::newRow("emoji-after-six-digits")
        << QStringLiteral("123456\U0001F3B5x.mp3") << "12345" << QStringLiteral("\U0001F3B5x");
    QTest::newRow("emoji-in-title-kept")
        << QStringLiteral("00001 \U0001F3B5.mp3") << "00001" << QStringLiteral("\U0001F3B5");
    QTest::newRow("emoji-within-five")
        << QStringLiteral("0001\U0001F3B5 x.mp3") << "" << QStringLiteral("0001\U0001F3B5 x");
}

void TestTrackRules::nameSplit()
{
    QFETCH(QString, caption);
    QFETCH(QString, number);
    QFETCH(QString, title);
    const NameSplit split = splitBaseName(baseName(caption));
    QCOMPARE(split.number, number);
    QCOMPARE(split.title, title);
    // The rename run reads the title from the name's bytes: it must read the same one.
    QCOMPARE(renamerequests::titleBytes(caption.toUtf8()), title.toUtf8());
}

void TestTrackRules::integerText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "123" << true << 123;
    QTest::newRow("leading-zeros") << "00007" << true << 7;
    QTest::newRow("leading-blanks") << "  123" << true << 123;
    QTest::newRow("plus") << "+1234" << true << 1234;
    QTest::newRow("minus") << "-0001" << true << -1;
    QTest::newRow("dollar-hex") << "$1F2A" << true << 0x1F2A;
    QTest::newRow("x-hex") << "x1f" << true << 0x1F;
    QTest::newRow("X-hex") << "XfF" << true << 0xFF;
    QTest::newRow("0x-hex") << "0x10" << true << 16;
    QTest::newRow("0X-hex") << "0XaB" << true << 0xAB;
    QTest::newRow("blank-then-hex") << " $A" << true << 10;
    QTest::newRow("max") << "2147483647" << true << 2147483647;
    QTest::newRow("min") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("hex-max") << "$7FFFFFFF" << true << 2147483647;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("only-blanks") << "   " << false << 0;
    QTest::newRow("sign-alone") << "-" << false << 0;
    QTest::newRow("prefix-alone") << "$" << false << 0;
    QTest::newRow("0x-alone") << "0x" << false << 0;
    QTest::newRow("trailing-blank") << "0001 " << false << 0;
    QTest::newRow("blank-after-sign") << "- 1" << false << 0;
    QTest::newRow("signed-hex") << "-$1" << false << 0;
    QTest::newRow("hex-letter-in-decimal") << "12a" << false << 0;
    QTest::newRow("over-max") << "2147483648" << false << 0;
    QTest::newRow("under-min") << "-2147483649" << false << 0;
    QTest::newRow("hex-over-max") << "$80000000" << false << 0;
    QTest::newRow("tab-not-blank") << "\t1" << false << 0;
    QTest::newRow("arabic-indic-digit") << QStringLiteral("\u0661") << false << 0;
    QTest::newRow("huge-digits") << "99999999999999999999999" << false << 0;
}

void TestTrackRules::integerText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    qint32 parsed = -777;
    QCOMPARE(parseIntegerText(text, &parsed), valid);
    QCOMPARE(parsed, valid ? value : -777);
}

void TestTrackRules::previewNumber_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("increment");
    QTest::addColumn<qint64>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("first-row-initial") << qint64(0) << qint64(1) << qint64(1) << "00001";
    QTest::newRow("start-10-step-5-third") << qint64(10) << qint64(5) << qint64(3) << "00025";
    QTest::newRow("six-digits-kept") << qint64(99999) << qint64(99999) << qint64(3) << "399996";
    QTest::newRow("negative-start") << qint64(-3) << qint64(1) << qint64(1) << "-00002";
    QTest::newRow("negative-long") << qint64(-123456) << qint64(1) << qint64(0) << "-123456";
    QTest::newRow("zero") << qint64(-1) << qint64(1) << qint64(1) << "00000";
    QTest::newRow("beyond-32-bits")
        << qint64(2147483647) << qint64(2147483647) << qint64(2) << "6442450941";
    QTest::newRow("negative-five-digits") << qint64(-99999) << qint64(1) << qint64(0) << "-99999";
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << qint64(1) << qint64(0)
                             << "9223372036854775807";
    QTest::newRow("most-negative")
        << std::numeric_limits<qint64>::min() << qint64(1) << qint64(0) << "-9223372036854775808";
}

void TestTrackRules::previewNumber()
{
    QFETCH(qint64, start);
    QFETCH(qint64, increment);
    QFETCH(qint64, position);
    QFETCH(QString, text);
    const qint64 number = trackrules::previewNumber(start, increment, position);
    QCOMPARE(previewNumberText(number), text);
    // The preview and the new name are written from one number text and must agree.
    const QByteArray newName = renamerequests::newNameBytes(number, "00007 Song.mp3");
    QCOMPARE(newName, text.toLatin1() + " Song.mp3");
    QCOMPARE(trackrules::previewName(newName, QStringLiteral("Song")),
             trackrules::previewName(number, QStringLiteral("Song")));
}

void TestTrackRules::compare_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("sign");
    QTest::newRow("equal") << "00001"
                           << "00001" << 0;
    QTest::newRow("ascii-case-folded") << "Song"
                                       << "SONG" << 0;
    QTest::newRow("text-not-value") << "00009"
                                    << "00010" << -1;
    QTest::newRow("short-caption-after") << "12"
                                         << "00100" << 1;
    QTest::newRow("empty-first") << ""
                                 << "00001" << -1;
    QTest::newRow("prefix-first") << "Song"
                                  << "Song B" << -1;
    // Folding maps a-z onto A-Z, so "_" (0x5F) sorts after capitals and lower case alike.
    QTest::newRow("underscore-after-letters") << "_a"
                                              << "b" << 1;
    QTest::newRow("accent-not-folded") << QStringLiteral("\u00e9") << QStringLiteral("\u00c9") << 1;
    QTest::newRow("accent-after-ascii") << QStringLiteral("\u00e9t\u00e9") << "zoo" << 1;
    // In Windows-1252 the euro sign is 0x80, below every Latin-1 letter.
    QTest::newRow("windows-1252-euro")
        << QStringLiteral("\u20ac") << QStringLiteral("\u00a0") << -1;
    QTest::newRow("beyond-8-bit-after-all")
        << QStringLiteral("\u4e00") << QStringLiteral("\u00ff") << 1;
    QTest::newRow("beyond-8-bit-distinct")
        << QStringLiteral("\u4e00") << QStringLiteral("\u4e01") << -1;
}

void TestTrackRules::compare()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, sign);
    const int result = compareText(a, b);
    QCOMPARE((result > 0) - (result < 0), sign);
    const int reverse = compareText(b, a);
    QCOMPARE((reverse > 0) - (reverse < 0), -sign);
}

void TestTrackRules::rowsFromListingByExtension_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("hideFileExt");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("track");

    QTest::newRow("lower") << QByteArray("a.mp3") << false << false << true;
    QTest::newRow("upper") << QByteArray("A.MP3") << false << false << true;
    QTest::newRow("mixed") << QByteArray("a.mP3") << false << false << true;
    QTest::newRow("dot-only") << QByteArray(".mp3") << false << false << true;
    QTest::newRow("last-extension-counts") << QByteArray("a.mp3.txt") << false << false << false;
    QTest::newRow("earlier-extension") << QByteArray("a.txt.mp3") << false << false << true;
    QTest::newRow("longer-extension") << QByteArray("a.mp33") << false << false << false;
    QTest::newRow("shorter-extension") << QByteArray("a.mp") << false << false << false;
    QTest::newRow("no-dot") << QByteArray("amp3") << false << false << false;
    QTest::newRow("empty") << QByteArray() << false << false << false;
    QTest::newRow("not-utf8-before") << QByteArray("\xff\xfe.mp3") << false << false << true;
    QTest::newRow("not-utf8-extension") << QByteArray("a.mp\xb3") << false << false << false;
    QTest::newRow("latin1-letter-extension")
        << QByteArray("a.\xc3\xadp3") << false << false << false;
    QTest::newRow("fullwidth-letter-extension")
        << QByteArray("a.\xef\xbd\x8dp3") << false << false << false;
    QTest::newRow("hidden-extension") << QByteArray("a.mp3") << true << false << false;
    QTest::newRow("folder-named-like-mp3") << QByteArray("d.mp3") << false << true << true;
}

void TestTrackRules::rowsFromListingByExtension()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, hideFileExt);
    QFETCH(bool, folder);
    QFETCH(bool, track);

    ListingTexts::Options options;
    options.hideFileExt = hideFileExt;
    ListingRow row;
    row.texts = std::make_shared<const ListingTexts>(options);
    row.nameBytes = name;
    row.kind = folder ? ListingRow::Kind::Folder : ListingRow::Kind::File;
    // The rows go by the extension the list shows, read from the name's bytes or not.
    QCOMPARE(isMp3Name(row.caption()), track);
    const QVector<TrackRow> rows = trackRowsFromListing({row});
    QCOMPARE(rows.size(), track ? 1 : 0);
    if (track)
        QCOMPARE(rows.at(0).isFolder, folder);
}

void TestTrackRules::rowsFromListingKeepOrderAndFileData()
{
    const qint64 day = 86400LL * 1000000000LL;
    const QVector<ListingRow> listing = {
        listingRow(QStringLiteral("readme.txt")),
        listingRow(QStringLiteral("00002 B.mp3"), 2048, 20 * day),
        listingRow(QStringLiteral("cover.jpg")),
        listingRow(QStringLiteral("Intro.MP3"), 3072, 30 * day),
    };
    const QVector<TrackRow> rows = trackRowsFromListing(listing);
    QCOMPARE(rows.size(), 2);
    // The track list shows the listing's own size and date texts.
    QCOMPARE(rows.at(0).caption(), QStringLiteral("00002"));
    QCOMPARE(subItems(rows.at(0)),
             QStringList({QStringLiteral("B"), QStringLiteral("2 KB"),
                          listing.at(1).subItem(ListingRow::ModifiedItem), QStringLiteral("...")}));
    QCOMPARE(rows.at(0).nameBytes, QByteArray("00002 B.mp3"));
    QCOMPARE(rows.at(1).caption(), QString());
    QCOMPARE(subItems(rows.at(1)),
             QStringList({QStringLiteral("Intro"), QStringLiteral("3 KB"),
                          listing.at(3).subItem(ListingRow::ModifiedItem), QStringLiteral("...")}));
    QCOMPARE(rows.at(1).nameBytes, QByteArray("Intro.MP3"));
    QCOMPARE(rows.at(1).size, qint64(3072));
    QCOMPARE(rows.at(1).mtimeNsec, 30 * day);
    QVERIFY(subItems(rows.at(0)).at(TrackRow::DateText) !=
            subItems(rows.at(1)).at(TrackRow::DateText));
}

void TestTrackRules::compareRowsUsesCaptionOrTitle()
{
    TrackRow a;
    a.nameBytes = "00002 apple.mp3";
    TrackRow b;
    b.nameBytes = "00001 Banana.mp3";
    QVERIFY(compareRows(a, b, 0) > 0);
    QVERIFY(compareRows(a, b, 1) < 0);
}

void TestTrackRules::oldNumber_data()
{
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("dropped");
    QTest::newRow("dash/spaced") << QByteArray("01 - Intro") << QByteArray("Intro");
    QTest::newRow("dot/one-digit") << QByteArray("1. Intro") << QByteArray("Intro");
    QTest::newRow("underscore/no-blanks") << QByteArray("07_Intro") << QByteArray("Intro");
    QTest::newRow("zero-led/blank") << QByteArray("01 Intro") << QByteArray("Intro");
    QTest::newRow("dash/blank-before-only") << QByteArray("1 -Intro") << QByteArray("Intro");
    QTest::newRow("dash/three-digits") << QByteArray("100 - Intro") << QByteArray("Intro");
    QTest::newRow("zero-led/three-digits-two-blanks")
        << QByteArray("007  Intro") << QByteArray("Intro");
    QTest::newRow("dash/only-the-first-number")
        << QByteArray("1 - A - 2 - B") << QByteArray("A - 2 - B");
    QTest::newRow("dash/non-ascii-title")
        << QByteArray("01 - \xC3\x89t\xC3\xA9") << QByteArray("\xC3\x89t\xC3\xA9");
    QTest::newRow("dash/invalid-utf8-title-kept-byte-for-byte")
        << QByteArray("01 - \xE9t\xE9") << QByteArray("\xE9t\xE9");
    QTest::newRow("kept/year") << QByteArray("2001 A Space Odyssey")
                               << QByteArray("2001 A Space Odyssey");
    QTest::newRow("kept/not-zero-led")
        << QByteArray("99 Luftballons") << QByteArray("99 Luftballons");
    QTest::newRow("kept/decimal") << QByteArray("3.14 Pi") << QByteArray("3.14 Pi");
    QTest::newRow("kept/number-only") << QByteArray("12") << QByteArray("12");
    QTest::newRow("kept/number-last") << QByteArray("Track 01") << QByteArray("Track 01");
    QTest::newRow("kept/four-digits-dash")
        << QByteArray("1000 - Intro") << QByteArray("1000 - Intro");
    QTest::newRow("kept/four-zero-led") << QByteArray("0001 Intro") << QByteArray("0001 Intro");
    QTest::newRow("kept/tab-is-no-separator") << QByteArray("01\tIntro") << QByteArray("01\tIntro");
    QTest::newRow("kept/would-be-empty") << QByteArray("1 - ") << QByteArray("1 - ");
    QTest::newRow("kept/would-be-empty-dot") << QByteArray("1.") << QByteArray("1.");
    QTest::newRow("kept/digit-after-separator")
        << QByteArray("1.2 Intro") << QByteArray("1.2 Intro");
    QTest::newRow("kept/wide-blank-after-separator")
        << QByteArray("1 - \xE3\x80\x80Intro") << QByteArray("1 - \xE3\x80\x80Intro");
    QTest::newRow("kept/other-script-digits")
        << QByteArray("\xD9\xA0\xD9\xA1 Intro") << QByteArray("\xD9\xA0\xD9\xA1 Intro");
}

// The rule as the preview shows it and as the run renames: the title column keeps the old
// number, the preview and the new name leave out the same characters.
void TestTrackRules::oldNumber()
{
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, dropped);
    QCOMPARE(withoutOldNumber(QString::fromUtf8(title)), QString::fromUtf8(dropped));

    const QByteArray name = "00003 " + title + ".mp3";
    QCOMPARE(renamerequests::newNameBytes(1, name, OldNumber::Drop), "00001 " + dropped + ".mp3");
    QCOMPARE(renamerequests::newNameBytes(1, name, OldNumber::Keep), "00001 " + title + ".mp3");
    QVector<TrackRow> rows(1);
    rows[0].nameBytes = name;
    QCOMPARE(renamerequests::requestsOf(rows, 4, 1, OldNumber::Drop).at(0).newName,
             "00005 " + dropped + ".mp3");
    renamerequests::numberRows(&rows, 0, 1, OldNumber::Drop);
    QCOMPARE(rows.at(0).newName, "00001 " + dropped + ".mp3");
    QCOMPARE(rows.at(0).subItem(TrackRow::Title), QString::fromUtf8(title));
    QCOMPARE(rows.at(0).subItem(TrackRow::Preview), u"00001 "_qs + QString::fromUtf8(dropped));
    renamerequests::numberRows(&rows, 0, 1, OldNumber::Keep);
    QCOMPARE(rows.at(0).subItem(TrackRow::Preview), u"00001 "_qs + QString::fromUtf8(title));
}

QTEST_GUILESS_MAIN(TestTrackRules)
#include "tst_trackrules.moc"
