#include "core/InOutError.h"
#include "core/SettingsFile.h"

#include "tests/support/TestDir.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace {

const QByteArray EnglishFile =
    "Settings File of ORVEN Zevuduzar Idazivu\r\nLanguage :\r\nEnglish\r\n";
const QByteArray FrenchFile =
    "Settings File of ORVEN Zevuduzar Idazivu\r\nLanguage :\r\nFrench\r\n";

// A settings file whose two places are in a test folder: "beside" the program and in the
// user's configuration folder.
SettingsFile settingsIn(const TestDir& dir)
{
    return SettingsFile(dir.filePath(u"app/ORVENFR.cfg"_qs),
                        dir.filePath(u"config/ORVEN/ORVENFR.cfg"_qs));
}

} // namespace

// The three-line settings file: what selects English, where it is written and read, and how
// a failure is reported.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void language_data();
    void language();
    void firstRunWritesEnglish();
    void savedChoiceIsReadBack_data();
    void savedChoiceIsReadBack();
    void unwritableProgramFolderFallsBack_data();
    void unwritableProgramFolderFallsBack();
    void nowhereToWriteIsReported();
    void hugeFileIsReadOnlyAtItsStart();
};

void TestSettings::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSettings::language_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("english");
    QTest::newRow("english") << EnglishFile << true;
    QTest::newRow("french") << FrenchFile << false;
    QTest::newRow("any-first-lines") << QByteArray("x\r\n\r\nEnglish\r\n") << true;
    QTest::newRow("no-final-line-end") << QByteArray("a\r\nb\r\nEnglish") << true;
    QTest::newRow("capitals") << QByteArray("a\r\nb\r\nENGLISH\r\n") << false;
    QTest::newRow("trailing-blank") << QByteArray("a\r\nb\r\nEnglish \r\n") << false;
    QTest::newRow("leading-blank") << QByteArray("a\r\nb\r\n English\r\n") << false;
    QTest::newRow("two-lines") << QByteArray("a\r\nEnglish\r\n") << false;
    QTest::newRow("empty-file") << QByteArray() << false;
    // A line feed alone does not end a line: the whole file is one line.
    QTest::newRow("lf-only") << QByteArray("a\nb\nEnglish\n") << false;
    QTest::newRow("cr-only") << QByteArray("a\rb\rEnglish\r") << true;
    // Only a line feed right after the carriage return is skipped; a second one starts the
    // third line.
    QTest::newRow("extra-lf-in-third") << QByteArray("a\r\nb\r\n\nEnglish\r\n") << false;
    QTest::newRow("end-of-file-byte-before") << QByteArray("a\r\nb\r\n\x1a"
                                                           "English\r\n")
                                             << false;
    QTest::newRow("end-of-file-byte-after") << QByteArray("a\r\nb\r\nEnglish\x1a junk") << true;
    QTest::newRow("fourth-line-ignored") << QByteArray("a\r\nb\r\nEnglish\r\nFrench\r\n") << true;
}

void TestSettings::language()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, english);
    QCOMPARE(SettingsFile::languageFromBytes(bytes), english ? text::English : text::French);

    TestDir dir;
    QVERIFY(dir.createFile(u"app/ORVENFR.cfg"_qs, bytes));
    QCOMPARE(settingsIn(dir).load(), english ? text::English : text::French);
    QCOMPARE(dir.read(u"app/ORVENFR.cfg"_qs), bytes);
}

void TestSettings::firstRunWritesEnglish()
{
    TestDir dir;
    QVERIFY(dir.createDir(u"app"_qs));
    QCOMPARE(settingsIn(dir).load(), text::English);
    QCOMPARE(dir.read(u"app/ORVENFR.cfg"_qs), EnglishFile);
    QVERIFY(!dir.exists(u"config/ORVEN/ORVENFR.cfg"_qs));
}

void TestSettings::savedChoiceIsReadBack_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("french") << int(text::French) << FrenchFile;
    QTest::newRow("english") << int(text::English) << EnglishFile;
}

void TestSettings::savedChoiceIsReadBack()
{
    QFETCH(int, language);
    QFETCH(QByteArray, bytes);
    TestDir dir;
    QVERIFY(
        dir.createFile(u"app/ORVENFR.cfg"_qs, language == text::French ? EnglishFile : FrenchFile));
    const SettingsFile settings = settingsIn(dir);
    settings.save(text::LanguageIndex(language));
    QCOMPARE(dir.read(u"app/ORVENFR.cfg"_qs), bytes);
    QCOMPARE(settings.load(), text::LanguageIndex(language));
}

void TestSettings::unwritableProgramFolderFallsBack_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    // A path under a plain file can be written by nobody, root included.
    QTest::newRow("folder-is-a-file") << false;
    QTest::newRow("read-only-folder") << true;
}

// An installed program's folder cannot be written: the choice goes to the user's folder and is
// read from there, ahead of the file shipped beside the program.
void TestSettings::unwritableProgramFolderFallsBack()
{
    QFETCH(bool, readOnlyFolder);
    TestDir dir;
    if (readOnlyFolder) {
        QVERIFY(dir.createFile(u"app/ORVENFR.cfg"_qs, EnglishFile));
        QVERIFY(QFile::setPermissions(dir.filePath(u"app/ORVENFR.cfg"_qs), QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(dir.filePath(u"app"_qs), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QVERIFY(dir.createFile(u"app"_qs, "a file, not a folder"));
    }
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(dir.filePath(u"app"_qs),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (readOnlyFolder) {
        QFile probe(dir.filePath(u"app/probe"_qs));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("This user may write into read-only folders.");
        }
    }
    const SettingsFile settings = settingsIn(dir);
    const QString userFile = dir.filePath(u"config/ORVEN/ORVENFR.cfg"_qs);
    QCOMPARE(settings.writePath(), userFile);
    QCOMPARE(settings.load(), text::English);

    settings.save(text::French);
    QCOMPARE(dir.read(u"config/ORVEN/ORVENFR.cfg"_qs), FrenchFile);
    QCOMPARE(settings.readPath(), userFile);
    QCOMPARE(settings.load(), text::French);
    if (readOnlyFolder)
        QCOMPARE(dir.read(u"app/ORVENFR.cfg"_qs), EnglishFile);
}

void TestSettings::nowhereToWriteIsReported()
{
    TestDir dir;
    QVERIFY(dir.createFile(u"app"_qs, "file"));
    QVERIFY(dir.createFile(u"config"_qs, "file"));
    const SettingsFile settings = settingsIn(dir);
    QVERIFY_THROWS_EXCEPTION(InOutError, settings.save(text::French));
    QVERIFY_THROWS_EXCEPTION(InOutError, settings.load());
    QCOMPARE(dir.read(u"app"_qs), QByteArray("file"));
    QCOMPARE(dir.read(u"config"_qs), QByteArray("file"));
}

// Only the start of the file can hold the three lines; a huge file is not read whole.
void TestSettings::hugeFileIsReadOnlyAtItsStart()
{
    TestDir dir;
    QVERIFY(dir.createFile(u"app/ORVENFR.cfg"_qs, QByteArray(10 * 1024 * 1024, 'x')));
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(settingsIn(dir).load(), text::French);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));

    // A third line that starts past the limit is not seen.
    QByteArray late(SettingsFile::MaxReadBytes, 'x');
    late += "\r\nb\r\nEnglish\r\n";
    QVERIFY(dir.createFile(u"app/ORVENFR.cfg"_qs, late));
    QCOMPARE(settingsIn(dir).load(), text::French);
    QByteArray early = "a\r\nb\r\nEnglish\r\n" + QByteArray(10 * 1024 * 1024, 'x');
    QVERIFY(dir.createFile(u"app/ORVENFR.cfg"_qs, early));
    QCOMPARE(settingsIn(dir).load(), text::English);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
