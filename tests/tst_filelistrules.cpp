#include "explorer/VxFileListRules.h"
#include "explorer/VxFileListShortCuts.h"
#include "explorer/VxFileListTexts.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestFileListRules : public QObject
{
    Q_OBJECT

private slots:
    void maskPatterns_data();
    void maskPatterns();
    void parentCaption_data();
    void parentCaption();
    void sameDirectoryText_data();
    void sameDirectoryText();
    void sizeText_data();
    void sizeText();
    void attributesText_data();
    void attributesText();
    void driveSpaceText_data();
    void driveSpaceText();
    void driveTypeText();
    void newNameProblem_data();
    void newNameProblem();
    void sameNameIgnoringCase_data();
    void sameNameIgnoringCase();
    void shortCutOf_data();
    void shortCutOf();
    void shortCutDefaults();
};

void TestFileListRules::maskPatterns_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QStringList>("patterns");

    QTest::newRow("single") << u"*.mp3"_s << QStringList{u"*.mp3"_s};
    QTest::newRow("blanks-only-lists-all") << u"   "_s << QStringList{u"*.*"_s};
    QTest::newRow("empty-lists-all") << QString() << QStringList{u"*.*"_s};
    QTest::newRow("outer-blanks-trimmed") << u"  *.mp3 "_s << QStringList{u"*.mp3"_s};
    QTest::newRow("inner-blank-kept") << u"*.mp3; *.wav"_s << QStringList{u"*.mp3"_s, u" *.wav"_s};
    QTest::newRow("trailing-separator") << u"*.mp3;"_s << QStringList{u"*.mp3"_s};
    QTest::newRow("empty-piece-kept") << u"a;;b"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("tab-not-trimmed") << u"\t*.mp3"_s << QStringList{u"\t*.mp3"_s};
}

void TestFileListRules::maskPatterns()
{
    QFETCH(QString, mask);
    QFETCH(QStringList, patterns);
    QCOMPARE(vxfilelist::maskPatterns(mask), patterns);
}

void TestFileListRules::parentCaption_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("result");

    QTest::newRow("initial") << QString() << u" Parent"_s << u" Parent"_s;
    QTest::newRow("without-blank") << QString() << u"Parent"_s << u" Parent"_s;
    QTest::newRow("controls-trimmed") << u" Parent"_s << u"\t Up \n"_s << u" Up"_s;
    QTest::newRow("case-only-keeps-stored") << u" Parent"_s << u"PARENT"_s << u" Parent"_s;
    QTest::newRow("emptied") << u" Parent"_s << u"  "_s << u" "_s;
}

void TestFileListRules::parentCaption()
{
    QFETCH(QString, stored);
    QFETCH(QString, value);
    QFETCH(QString, result);
    QCOMPARE(vxfilelist::parentCaptionFor(value, stored), result);
}

void TestFileListRules::sameDirectoryText_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");

    QTest::newRow("identical") << u"/m/"_s << u"/m/"_s << true;
    QTest::newRow("case-only") << u"/Music/Old/"_s << u"/music/OLD/"_s << true;
    QTest::newRow("accented-case") << u"/\u00c9t\u00e9/"_s << u"/\u00e9t\u00e9/"_s << true;
    QTest::newRow("trailing-separator-differs") << u"/m"_s << u"/m/"_s << false;
    QTest::newRow("drives-word") << u"drives"_s << u"Drives"_s << true;
}

void TestFileListRules::sameDirectoryText()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(vxfilelist::sameDirectoryText(a, b), same);
}

void TestFileListRules::sizeText_data()
{
    QTest::addColumn<bool>("isDir");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("text");

    QTest::newRow("kb/zero") << false << qint64(0) << int(fsKB) << u"0 KB"_s;
    QTest::newRow("kb/one-byte") << false << qint64(1) << int(fsKB) << u"1 KB"_s;
    QTest::newRow("kb/1023") << false << qint64(1023) << int(fsKB) << u"1 KB"_s;
    QTest::newRow("kb/2047") << false << qint64(2047) << int(fsKB) << u"1 KB"_s;
    QTest::newRow("kb/2048") << false << qint64(2048) << int(fsKB) << u"2 KB"_s;
    QTest::newRow("kb/4567890-no-grouping")
        << false << qint64(4567890) << int(fsKB) << u"4460 KB"_s;
    QTest::newRow("kb/5-gib") << false << qint64(5) * 1024 * 1024 * 1024 << int(fsKB)
                              << u"5242880 KB"_s;
    QTest::newRow("kb/folder") << true << qint64(4096) << int(fsKB) << u" "_s;
    QTest::newRow("byte/4567890") << false << qint64(4567890) << int(fsByte) << u"4567890"_s;
    QTest::newRow("byte/folder") << true << qint64(0) << int(fsByte) << u" "_s;
}

void TestFileListRules::sizeText()
{
    QFETCH(bool, isDir);
    QFETCH(qint64, size);
    QFETCH(int, unit);
    QFETCH(QString, text);
    QCOMPARE(vxfilelist::sizeText(isDir, size, TFileSize(unit)), text);
}

void TestFileListRules::attributesText_data()
{
    QTest::addColumn<quint32>("attributes");
    QTest::addColumn<QString>("text");

    QTest::newRow("none") << quint32(0) << QString();
    QTest::newRow("normal") << quint32(0x80) << QString();
    QTest::newRow("folder-bit-not-shown") << quint32(0x10) << QString();
    QTest::newRow("archive-read-only") << quint32(0x21) << u"AR"_s;
    QTest::newRow("all-in-order") << quint32(0x27) << u"ARHS"_s;
    QTest::newRow("hidden-folder") << quint32(0x12) << u"H"_s;
}

void TestFileListRules::attributesText()
{
    QFETCH(quint32, attributes);
    QFETCH(QString, text);
    QCOMPARE(vxfilelist::attributesText(attributes), text);
}

void TestFileListRules::driveSpaceText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("unreadable") << qint64(-1) << u"0 Mb"_s;
    QTest::newRow("below-one-kb") << qint64(1023) << u"0 Mb"_s;
    QTest::newRow("under-1000-kb-no-digit") << qint64(999) * 1024 << u" Mb"_s;
    QTest::newRow("grouped") << qint64(80000000) * 1024 << u"80,000 Mb"_s;
    QTest::newRow("millions") << qint64(2000000000) * 1024 << u"2,000,000 Mb"_s;
}

void TestFileListRules::driveSpaceText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(vxfilelist::driveSpaceText(vxfilelist::driveKilobytes(bytes), english), text);
}

void TestFileListRules::driveTypeText()
{
    using platform::DriveType;
    QCOMPARE(vxfilelist::driveTypeText(DriveType::Fixed, lnEnglish), u"Fixed Disk"_s);
    QCOMPARE(vxfilelist::driveTypeText(DriveType::Removable, lnFrench), u"Disque amovible"_s);
    QCOMPARE(vxfilelist::driveTypeText(DriveType::CDRom, lnFrench), u"CD-ROM"_s);
    QCOMPARE(vxfilelist::driveTypeText(DriveType::Unknown, lnEnglish), u"Unknown"_s);
    QVERIFY(vxfilelist::skipsDriveSizes(DriveType::CDRom));
    QVERIFY(!vxfilelist::skipsDriveSizes(DriveType::Remote));
}

void TestFileListRules::newNameProblem_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("problem");

    using vxfilelist::NameProblem;
    QTest::newRow("plain") << QByteArray("a.mp3") << int(NameProblem::None);
    QTest::newRow("blank-inside") << QByteArray("a b.mp3") << int(NameProblem::None);
    QTest::newRow("leading-dot") << QByteArray(".hidden") << int(NameProblem::None);
    QTest::newRow("three-dots") << QByteArray("...") << int(NameProblem::None);
    QTest::newRow("backslash-is-a-character") << QByteArray("a\\b") << int(NameProblem::None);
    QTest::newRow("empty") << QByteArray() << int(NameProblem::Empty);
    QTest::newRow("dot") << QByteArray(".") << int(NameProblem::DotName);
    QTest::newRow("dot-dot") << QByteArray("..") << int(NameProblem::DotName);
    QTest::newRow("slash") << QByteArray("a/b") << int(NameProblem::Separator);
    QTest::newRow("trailing-slash") << QByteArray("a/") << int(NameProblem::Separator);
    QTest::newRow("nul") << QByteArray("a\0b", 3) << int(NameProblem::Nul);
    QTest::newRow("255-bytes") << QByteArray(255, 'x') << int(NameProblem::None);
    QTest::newRow("256-bytes") << QByteArray(256, 'x') << int(NameProblem::TooLong);
    QTest::newRow("128-two-byte-letters")
        << QString(128, u'\u00e9').toUtf8() << int(NameProblem::TooLong);
}

void TestFileListRules::newNameProblem()
{
    QFETCH(QByteArray, name);
    QFETCH(int, problem);
    QCOMPARE(int(vxfilelist::newNameProblem(name)), problem);
}

void TestFileListRules::sameNameIgnoringCase_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("same");

    QTest::newRow("ascii-case") << QByteArray("a.mp3") << QByteArray("A.MP3") << true;
    QTest::newRow("accented-case") << QString(u"\u00e9t\u00e9.mp3"_s).toUtf8()
                                   << QString(u"\u00c9T\u00c9.mp3"_s).toUtf8() << true;
    QTest::newRow("not-utf8-ascii-letters-fold")
        << QByteArray("\xff-a.mp3") << QByteArray("\xff-A.MP3") << true;
    QTest::newRow("not-utf8-other-bytes-differ")
        << QByteArray("\xff.mp3") << QByteArray("\xfe.mp3") << false;
    QTest::newRow("other-name") << QByteArray("a.mp3") << QByteArray("b.mp3") << false;
}

void TestFileListRules::sameNameIgnoringCase()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, same);
    QCOMPARE(vxfilelist::sameNameIgnoringCase(a, b), same);
}

void TestFileListRules::shortCutOf_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("value");

    QTest::newRow("ctrl-c") << int(Qt::Key_C) << int(Qt::ControlModifier) << 16451;
    QTest::newRow("ctrl-v") << int(Qt::Key_V) << int(Qt::ControlModifier) << 16470;
    QTest::newRow("ctrl-a") << int(Qt::Key_A) << int(Qt::ControlModifier) << 16449;
    QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << 46;
    QTest::newRow("shift-delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << 0x2000 + 46;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << 8;
    QTest::newRow("f2") << int(Qt::Key_F2) << 0 << 113;
    QTest::newRow("f5") << int(Qt::Key_F5) << 0 << 116;
    QTest::newRow("enter-of-keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13;
    QTest::newRow("alt-shift-ctrl-1")
        << int(Qt::Key_1) << int(Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier)
        << 0xe000 + 0x31;
    QTest::newRow("no-one-byte-code") << int(Qt::Key_VolumeUp) << 0 << 0;
    QTest::newRow("no-code-with-ctrl") << int(Qt::Key_VolumeUp) << int(Qt::ControlModifier) << 0;
    QTest::newRow("modifier-alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << 0;
}

void TestFileListRules::shortCutOf()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, value);
    QCOMPARE(int(TVxFileListShortCuts::shortCutOf(key, modifiers)), value);
}

void TestFileListRules::shortCutDefaults()
{
    const TVxFileListShortCuts keys;
    const QList<int> values{keys.scCopy, keys.scPaste,     keys.scCut,       keys.scOpen,
                            keys.scView, keys.scNewFolder, keys.scSelectAll, keys.scDelete,
                            keys.scBack, keys.scRename,    keys.scFindFile,  keys.scRefresh};
    QCOMPARE(values,
             (QList<int>{16451, 16470, 16472, 16463, 16454, 16462, 16449, 46, 8, 113, 114, 116}));
    QVERIFY(keys.OpenWithEnter);
    QVERIFY(keys.DblClickToOpen);
    QCOMPARE(int(keys.Actions.bits()), 4095);
    for (int action = vaCopy; action <= vaRefresh; ++action)
        QVERIFY(keys.Actions.contains(TVxListViewAction(action)));
}

QTEST_GUILESS_MAIN(TestFileListRules)
#include "tst_filelistrules.moc"
