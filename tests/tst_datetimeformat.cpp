#include "explorer/VxDateTimeFormat.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(TDtFormat)
Q_DECLARE_METATYPE(TTmFormat)

namespace {

VxFormatSettings english()
{
    return VxFormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

VxFormatSettings withSeparators(const QString& date, const QString& time)
{
    VxFormatSettings settings = english();
    settings.dateSeparator = date;
    settings.timeSeparator = time;
    return settings;
}

QDateTime at(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

} // namespace

class TestDateTimeFormat : public QObject
{
    Q_OBJECT

private slots:
    void datePatterns_data();
    void datePatterns();
    void patternLanguage_data();
    void patternLanguage();
    void timePatterns_data();
    void timePatterns();
    void fromLocale_data();
    void fromLocale();
    void shortDateMatchesTheLocale_data();
    void shortDateMatchesTheLocale();
};

void TestDateTimeFormat::datePatterns_data()
{
    QTest::addColumn<TDtFormat>("format");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("DE-keeps-dots-under-slash") << df_ddMMyy_DE << u"/"_qs << u"31.12.03"_qs;
    QTest::newRow("DE-keeps-dots-under-dash") << df_ddMMyy_DE << u"-"_qs << u"31.12.03"_qs;
    QTest::newRow("IT-keeps-dashes") << df_ddMMyy_IT << u"."_qs << u"31-12-03"_qs;
    QTest::newRow("MMddyyyy-takes-locale-dot") << df_MMddyyyy << u"."_qs << u"12.31.2003"_qs;
    QTest::newRow("MMddyy") << df_MMddyy << u"/"_qs << u"12/31/03"_qs;
    QTest::newRow("ddMMyyyy-takes-locale-dot") << df_ddMMyyyy << u"."_qs << u"31.12.2003"_qs;
    QTest::newRow("GB") << df_ddMMyy_GB << u"/"_qs << u"31/12/03"_qs;
    QTest::newRow("yyyyMMdd") << df_yyyyMMdd << u"."_qs << u"2003-12-31"_qs;
    QTest::newRow("yyMMdd") << df_yyMMdd << u"/"_qs << u"03-12-31"_qs;
    QTest::newRow("customize-is-locale-short-date") << df_Customize << u"/"_qs << u"12/31/03"_qs;
}

void TestDateTimeFormat::datePatterns()
{
    QFETCH(TDtFormat, format);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    const VxFormatSettings settings = withSeparators(separator, u":"_qs);
    QCOMPARE(FormatDateTimePattern(DatePatternText(format, settings), at(2003, 12, 31, 8, 0, 0),
                                   settings),
             expected);
}

void TestDateTimeFormat::patternLanguage_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<QString>("expected");
    const QDateTime afternoon = at(2003, 12, 31, 13, 7, 9);
    const QDateTime midnight = at(2003, 12, 31, 0, 5, 0);
    const QDateTime noon = at(2003, 12, 31, 12, 0, 0);
    const QDateTime early = at(2004, 1, 5, 8, 4, 3);

    QTest::newRow("12h/midnight-is-12") << u"h:nn AM/PM"_qs << midnight << u"12:05 AM"_qs;
    QTest::newRow("12h/13-is-1") << u"hh:nn am/pm"_qs << afternoon << u"01:07 pm"_qs;
    QTest::newRow("12h/noon-is-12-pm") << u"h:nn AM/PM"_qs << noon << u"12:00 PM"_qs;
    QTest::newRow("12h/written-case") << u"h Am/pM"_qs << afternoon << u"1 pM"_qs;
    QTest::newRow("12h/designator") << u"h:nn AMPM"_qs << afternoon << u"1:07 PM"_qs;
    QTest::newRow("12h/designator-first") << u"AMPM h"_qs << afternoon << u"PM 13"_qs;
    QTest::newRow("12h/only-up-to-next-hour") << u"hh hh AM/PM"_qs << afternoon << u"13 01 PM"_qs;
    QTest::newRow("12h/quoted-ampm-does-not-count")
        << u"hh 'AM/PM'"_qs << afternoon << u"13 AM/PM"_qs;
    QTest::newRow("24h/without-ampm") << u"hh:nn:ss"_qs << afternoon << u"13:07:09"_qs;
    QTest::newRow("h-without-leading-zero") << u"h:n:s"_qs << early << u"8:4:3"_qs;
    QTest::newRow("m-after-h-is-minutes") << u"hh:mm"_qs << afternoon << u"13:07"_qs;
    QTest::newRow("m-after-h-past-quotes") << u"h\"h\"m"_qs << afternoon << u"13h7"_qs;
    QTest::newRow("m-after-other-letter-is-month") << u"h x mm"_qs << afternoon << u"13 x 12"_qs;
    QTest::newRow("m-without-hour-is-month") << u"m/mm"_qs << early << u"1/01"_qs;
    QTest::newRow("d-without-leading-zero") << u"d/dd"_qs << early << u"5/05"_qs;
    QTest::newRow("short-day-name") << u"ddd"_qs << afternoon << u"Wed"_qs;
    QTest::newRow("long-day-name") << u"dddd"_qs << afternoon << u"Wednesday"_qs;
    QTest::newRow("short-month-name") << u"d mmm"_qs << afternoon << u"31 Dec"_qs;
    QTest::newRow("long-month-name") << u"mmmm"_qs << afternoon << u"December"_qs;
    QTest::newRow("y-is-two-digits") << u"y"_qs << early << u"04"_qs;
    QTest::newRow("yyy-is-four-digits") << u"yyy"_qs << early << u"2004"_qs;
    QTest::newRow("letters-ignore-case")
        << u"DD/MM/YYYY HH:MM"_qs << afternoon << u"31/12/2003 13:07"_qs;
    QTest::newRow("quoted-text-single") << u"'dd at' dd"_qs << afternoon << u"dd at 31"_qs;
    QTest::newRow("quoted-text-double") << u"\"h:m\" h"_qs << afternoon << u"h:m 13"_qs;
    QTest::newRow("unterminated-quote") << u"d 'rest"_qs << afternoon << u"31 rest"_qs;
    QTest::newRow("t-is-short-time") << u"t"_qs << afternoon << u"1:07 PM"_qs;
    QTest::newRow("tt-is-long-time") << u"tt"_qs << afternoon << u"1:07:09 PM"_qs;
    QTest::newRow("other-characters-copied") << u"d.x,é-z"_qs << afternoon << u"31.x,é-z"_qs;
}

void TestDateTimeFormat::patternLanguage()
{
    QFETCH(QString, pattern);
    QFETCH(QDateTime, local);
    QFETCH(QString, expected);
    QCOMPARE(FormatDateTimePattern(pattern, local, english()), expected);
}

void TestDateTimeFormat::timePatterns_data()
{
    QTest::addColumn<TTmFormat>("format");
    QTest::addColumn<QString>("timePattern");
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<bool>("twelveHour");
    QTest::addColumn<bool>("designatorFirst");
    QTest::addColumn<QString>("expected");
    QTest::newRow("customize/cut-before-t")
        << tfCustomize << u"hh:mm:ss tt"_qs << true << true << false << u"hh:mm:ss  AM/PM"_qs;
    QTest::newRow("customize/24h-still-gets-ampm")
        << tfCustomize << u"HH:mm:ss"_qs << true << false << false << u"HH:mm:ss AM/PM"_qs;
    QTest::newRow("customize/designator-first")
        << tfCustomize << u"tt h:mm:ss"_qs << false << true << true << u" AM/PM"_qs;
    QTest::newRow("short/24h-leading-zero")
        << tfShortFormat << u"HH:mm:ss"_qs << true << false << false << u"hh:mm"_qs;
    QTest::newRow("short/12h-suffix")
        << tfShortFormat << u"h:mm:ss tt"_qs << false << true << false << u"h:mm AMPM"_qs;
    QTest::newRow("long/12h-prefix")
        << tfLongFormat << u"tt h:mm:ss"_qs << false << true << true << u"AMPM h:mm:ss"_qs;
    QTest::newRow("long/24h") << tfLongFormat << u"H:mm:ss"_qs << false << false << false
                              << u"h:mm:ss"_qs;
}

void TestDateTimeFormat::timePatterns()
{
    QFETCH(TTmFormat, format);
    QFETCH(QString, timePattern);
    QFETCH(bool, leadingZero);
    QFETCH(bool, twelveHour);
    QFETCH(bool, designatorFirst);
    QFETCH(QString, expected);
    VxFormatSettings settings;
    settings.timePattern = timePattern;
    settings.hourLeadingZero = leadingZero;
    settings.twelveHourClock = twelveHour;
    settings.designatorFirst = designatorFirst;
    QCOMPARE(TimePatternText(format, settings), expected);
}

void TestDateTimeFormat::fromLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dateSeparator");
    QTest::addColumn<QString>("timeSeparator");
    QTest::addColumn<QString>("timePattern");
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<bool>("twelveHour");
    QTest::addColumn<bool>("designatorFirst");
    QTest::addColumn<QString>("shortTime");
    QTest::newRow("en_US") << u"en_US"_qs << u"/"_qs << u":"_qs << u"h:mm:ss tt"_qs << false << true
                           << false << u"h:mm AMPM"_qs;
    QTest::newRow("de_DE") << u"de_DE"_qs << u"."_qs << u":"_qs << u"HH:mm:ss"_qs << true << false
                           << false << u"hh:mm"_qs;
    QTest::newRow("fi_FI-dot-time") << u"fi_FI"_qs << u"."_qs << u"."_qs << u"H.mm.ss"_qs << false
                                    << false << false << u"h:mm"_qs;
    QTest::newRow("es_ES-zone-in-parentheses") << u"es_ES"_qs << u"/"_qs << u":"_qs << u"H:mm:ss"_qs
                                               << false << false << false << u"h:mm"_qs;
    QTest::newRow("zh_CN-zone-first") << u"zh_CN"_qs << u"/"_qs << u":"_qs << u"HH:mm:ss"_qs << true
                                      << false << false << u"hh:mm"_qs;
    QTest::newRow("ko_KR-designator-first")
        << u"ko_KR"_qs << u"."_qs << u":"_qs << u"tt h시 m분 s초"_qs << false << true << true
        << u"AMPM h:mm"_qs;
}

void TestDateTimeFormat::fromLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, dateSeparator);
    QFETCH(QString, timeSeparator);
    QFETCH(QString, timePattern);
    QFETCH(bool, leadingZero);
    QFETCH(bool, twelveHour);
    QFETCH(bool, designatorFirst);
    QFETCH(QString, shortTime);
    const VxFormatSettings settings = VxFormatSettings::fromLocale(QLocale(locale));
    QCOMPARE(settings.dateSeparator, dateSeparator);
    QCOMPARE(settings.timeSeparator, timeSeparator);
    QCOMPARE(settings.timePattern, timePattern);
    QCOMPARE(settings.hourLeadingZero, leadingZero);
    QCOMPARE(settings.twelveHourClock, twelveHour);
    QCOMPARE(settings.designatorFirst, designatorFirst);
    QCOMPARE(settings.shortTimePattern(), shortTime);
}

void TestDateTimeFormat::shortDateMatchesTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    for (const char* name : {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ko_KR", "hu_HU", "bg_BG",
                             "sv_SE", "nl_NL", "es_ES", "sk_SK", "zh_TW"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// The converted short date pattern writes what the locale itself writes, quoted words
// included (for locales that write Latin digits, as the pattern language always does).
void TestDateTimeFormat::shortDateMatchesTheLocale()
{
    QFETCH(QString, locale);
    const QLocale qtLocale(locale);
    const VxFormatSettings settings = VxFormatSettings::fromLocale(qtLocale);
    for (const QDate& date : {QDate(2003, 12, 31), QDate(2004, 1, 5)}) {
        QCOMPARE(FormatDateTimePattern(DatePatternText(df_Customize, settings),
                                       QDateTime(date, QTime(13, 7)), settings),
                 qtLocale.toString(date, QLocale::ShortFormat));
    }
}

QTEST_GUILESS_MAIN(TestDateTimeFormat)
#include "tst_datetimeformat.moc"
