#include "explorer/VxPathUtils.h"

#include "explorer/VxDateTimeFormat.h"

#include <QDateTime>
#include <QTest>

class TestPathUtils : public QObject
{
    Q_OBJECT

private slots:
    void ensureTrailingBackslash_data();
    void ensureTrailingBackslash();
    void stripTrailingBackslash_data();
    void stripTrailingBackslash();
    void joinDirAndName_data();
    void joinDirAndName();
    void appendNulChar_data();
    void appendNulChar();
    void fileNameWithoutExt_data();
    void fileNameWithoutExt();
    void formatSizeKB_data();
    void formatSizeKB();
    void fileTimeToText_data();
    void fileTimeToText();
    void fileTimeFollowsTimeZoneChange_data();
    void fileTimeFollowsTimeZoneChange();
};

void TestPathUtils::ensureTrailingBackslash_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty-stays-empty") << QString() << QString();
    QTest::newRow("folder-gets-one") << u"/home/user"_qs << u"/home/user/"_qs;
    QTest::newRow("already-ends") << u"/home/user/"_qs << u"/home/user/"_qs;
    QTest::newRow("root") << u"/"_qs << u"/"_qs;
    QTest::newRow("relative") << u"music"_qs << u"music/"_qs;
}

void TestPathUtils::ensureTrailingBackslash()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(EnsureTrailingBackslash(path), expected);
}

void TestPathUtils::stripTrailingBackslash_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("removes-one") << u"/home/user/"_qs << u"/home/user"_qs;
    QTest::newRow("only-one-of-two") << u"/home//"_qs << u"/home/"_qs;
    QTest::newRow("none-to-remove") << u"/home/user"_qs << u"/home/user"_qs;
    QTest::newRow("root-stays-root") << u"/"_qs << u"/"_qs;
    QTest::newRow("empty") << QString() << QString();
}

void TestPathUtils::stripTrailingBackslash()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(StripTrailingBackslash(path), expected);
}

void TestPathUtils::joinDirAndName_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("adds-separator") << u"/music"_qs << u"x"_qs << u"/music/x"_qs;
    QTest::newRow("keeps-separator") << u"/music/"_qs << u"x"_qs << u"/music/x"_qs;
    QTest::newRow("root") << u"/"_qs << u"x"_qs << u"/x"_qs;
    QTest::newRow("empty-dir") << QString() << u"x"_qs << QString();
    QTest::newRow("empty-name") << u"/music"_qs << QString() << QString();
}

void TestPathUtils::joinDirAndName()
{
    QFETCH(QString, dir);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(JoinDirAndName(dir, name), expected);
}

void TestPathUtils::appendNulChar_data()
{
    const QChar nul(0);
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty-stays-empty") << QString() << QString();
    QTest::newRow("name") << u"/a/b"_qs << u"/a/b"_qs + nul;
    QTest::newRow("already-terminated") << u"/a/b"_qs + nul << u"/a/b"_qs + nul;
    QTest::newRow("list") << u"/a"_qs + nul + u"/b"_qs << u"/a"_qs + nul + u"/b"_qs + nul;
}

void TestPathUtils::appendNulChar()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(AppendNulChar(text), expected);
}

void TestPathUtils::fileNameWithoutExt_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("full-path") << u"/music/song.mp3"_qs << u"song"_qs;
    QTest::newRow("double-extension-drops-last") << u"x.mp3.mp3"_qs << u"x.mp3"_qs;
    QTest::newRow("extension-text-inside-name")
        << u"/music/song.mp3 remix.mp3"_qs << u"song.mp3 remix"_qs;
    QTest::newRow("upper-case-extension") << u"/music/Track.MP3"_qs << u"Track"_qs;
    QTest::newRow("no-extension") << u"/music/readme"_qs << u"readme"_qs;
    QTest::newRow("dot-in-folder-only") << u"/music.d/readme"_qs << u"readme"_qs;
    QTest::newRow("trailing-dot") << u"/music/name."_qs << u"name"_qs;
    QTest::newRow("name-only") << u"00001 Intro.mp3"_qs << u"00001 Intro"_qs;
}

void TestPathUtils::fileNameWithoutExt()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(FileNameWithoutExt(path), expected);
}

void TestPathUtils::formatSizeKB_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty-file") << u"file"_qs << qint64(0) << u"0 KB"_qs;
    QTest::newRow("one-byte-is-1-KB") << u"file"_qs << qint64(1) << u"1 KB"_qs;
    QTest::newRow("1023") << u"file"_qs << qint64(1023) << u"1 KB"_qs;
    QTest::newRow("1024") << u"file"_qs << qint64(1024) << u"1 KB"_qs;
    QTest::newRow("2047-truncates") << u"file"_qs << qint64(2047) << u"1 KB"_qs;
    QTest::newRow("2048") << u"file"_qs << qint64(2048) << u"2 KB"_qs;
    QTest::newRow("4567890") << u"file"_qs << qint64(4567890) << u"4460 KB"_qs;
    QTest::newRow("5-GiB-beyond-32-bits")
        << u"file"_qs << qint64(5) * 1024 * 1024 * 1024 << u"5242880 KB"_qs;
    QTest::newRow("dir") << u"dir"_qs << qint64(4096) << u" "_qs;
    QTest::newRow("DIR-any-case") << u"DIR"_qs << qint64(0) << u" "_qs;
    QTest::newRow("drive-is-not-dir") << u"drv"_qs << qint64(0) << u"0 KB"_qs;
}

void TestPathUtils::formatSizeKB()
{
    QFETCH(QString, kind);
    QFETCH(qint64, size);
    QFETCH(QString, expected);
    QCOMPARE(FormatSizeKB(kind, size), expected);
}

void TestPathUtils::fileTimeToText_data()
{
    QTest::addColumn<qint64>("msecsUtc");
    QTest::addColumn<qint64>("extraNsec");
    QTest::newRow("2003-12-31")
        << QDateTime(QDate(2003, 12, 31), QTime(23, 59, 58), Qt::UTC).toMSecsSinceEpoch()
        << qint64(999999);
    QTest::newRow("summer")
        << QDateTime(QDate(2021, 7, 4), QTime(1, 2, 3), Qt::UTC).toMSecsSinceEpoch() << qint64(0);
    QTest::newRow("before-1970-rounds-to-the-past") << qint64(-1000) << qint64(-1);
}

// The text is the local time with the date pattern, one blank, then the time pattern.
void TestPathUtils::fileTimeToText()
{
    QFETCH(qint64, msecsUtc);
    QFETCH(qint64, extraNsec);
    const qint64 nsec = msecsUtc * 1000000 + extraNsec;
    const QDateTime local =
        QDateTime::fromMSecsSinceEpoch(msecsUtc + (extraNsec < 0 ? -1 : 0), Qt::UTC).toLocalTime();
    const VxFormatSettings& settings = VxFormatSettings::runtime();
    const QString date = local.toString(u"dd/MM/yyyy"_qs).replace(u'/', settings.dateSeparator);
    const QString time = local.toString(u"HH:mm:ss"_qs).replace(u':', settings.timeSeparator);
    QCOMPARE(FileTimeToText(nsec, u"dd/MM/yyyy"_qs, u"hh:nn:ss"_qs), date + u' ' + time);
}

void TestPathUtils::fileTimeFollowsTimeZoneChange_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("expected");
    // Zone rules written out in TZ, so no zone database is needed.
    QTest::newRow("utc") << QByteArray("UTC0") << u"01/01/1970 00:00"_qs;
    QTest::newRow("half-hour-east") << QByteArray("IST-5:30") << u"01/01/1970 05:30"_qs;
    QTest::newRow("west-previous-day") << QByteArray("EST5") << u"31/12/1969 19:00"_qs;
}

// A zone changed while the program runs applies to the next text.
void TestPathUtils::fileTimeFollowsTimeZoneChange()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, expected);
    const QByteArray previous = qgetenv("TZ");
    const bool hadZone = qEnvironmentVariableIsSet("TZ");
    qputenv("TZ", zone);
    const QString text = FileTimeToText(0, u"dd/MM/yyyy"_qs, u"hh:nn"_qs);
    if (hadZone)
        qputenv("TZ", previous);
    else
        qunsetenv("TZ");
    const VxFormatSettings& settings = VxFormatSettings::runtime();
    QCOMPARE(text, QString(expected)
                       .replace(u'/', settings.dateSeparator)
                       .replace(u':', settings.timeSeparator));
}

QTEST_GUILESS_MAIN(TestPathUtils)
#include "tst_pathutils.moc"
