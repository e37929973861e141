#include "core/InOutError.h"
#include "core/SettingsFile.h"

#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString AppId = QStringLiteral("example.orven.FileVivider");

struct Finished
{
    bool ran = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Finished runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    Finished finished;
    finished.ran = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    finished.exitCode = process.exitCode();
    finished.out = process.readAllStandardOutput();
    finished.err = process.readAllStandardError();
    return finished;
}

// The "Key=value" line of a desktop entry's main group.
QString desktopEntryValue(const QByteArray& entry, const QString& key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(entry)).captured(1);
}

// Width and height from a PNG's header chunk, or -1 when the bytes are no PNG.
QSize pngSize(const QByteArray& bytes)
{
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.mid(12, 4) != "IHDR")
        return QSize(-1, -1);
    const auto bigEndian = [&bytes](int at) {
        int value = 0;
        for (int i = 0; i < 4; ++i)
            value = value * 256 + static_cast<unsigned char>(bytes.at(at + i));
        return value;
    };
    return QSize(bigEndian(16), bigEndian(20));
}

} // namespace

// The installed program: one `cmake --install` of this build into a temporary prefix, the files
// a desktop and a package manager look for, checked by the desktop's own validators, and where
// an installed program keeps its settings.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFile_data();
    void installedFile();
    void validatorAccepts_data();
    void validatorAccepts();
    void desktopEntryNamesInstalledFiles();
    void settingsPlace_data();
    void settingsPlace();

private:
    QString installed(const QString& relativePath) const { return m_prefix.filePath(relativePath); }

    TestDir m_prefix;
};

void TestInstall::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_prefix.isValid());
    const Finished install =
        runProgram(QStringLiteral(CMAKE_COMMAND_PATH),
                   {QStringLiteral("--install"), QStringLiteral(ORVEN_BINARY_DIR),
                    QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.ran && install.exitCode == 0, install.err.constData());
}

void TestInstall::installedFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("pngSide");
    QTest::newRow("program") << u"bin/ORVENFR"_qs << 0;
    QTest::newRow("desktop-entry") << u"share/applications/%1.desktop"_qs.arg(AppId) << 0;
    QTest::newRow("metainfo") << u"share/metainfo/%1.metainfo.xml"_qs.arg(AppId) << 0;
    QTest::newRow("man-page") << u"share/man/man1/ORVENFR.1"_qs << 0;
    QTest::newRow("icon/scalable")
        << u"share/icons/hicolor/scalable/apps/%1.svg"_qs.arg(AppId) << 0;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = u"share/icons/hicolor/%1x%1/apps/%2.png"_qs.arg(side).arg(AppId);
        QTest::newRow(qPrintable(u"icon/%1"_qs.arg(side))) << path << side;
    }
}

void TestInstall::installedFile()
{
    QFETCH(QString, path);
    QFETCH(int, pngSide);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QVERIFY(file.size() > 0);
    if (path.startsWith(u"bin/"_qs))
        QVERIFY(file.isExecutable());
    if (pngSide > 0) {
        QFile png(file.filePath());
        QVERIFY(png.open(QIODevice::ReadOnly));
        QCOMPARE(pngSize(png.read(32)), QSize(pngSide, pngSide));
    }
}

void TestInstall::validatorAccepts_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("path");
    // What the validator may print on standard output without it being a complaint.
    QTest::addColumn<bool>("outputAllowed");
    QTest::newRow("desktop-entry") << u"desktop-file-validate"_qs << QStringList()
                                   << u"share/applications/%1.desktop"_qs.arg(AppId) << false;
    QTest::newRow("metainfo") << u"appstreamcli"_qs << QStringList{u"validate"_qs, u"--no-net"_qs}
                              << u"share/metainfo/%1.metainfo.xml"_qs.arg(AppId) << true;
    QTest::newRow("man-page") << u"man"_qs << QStringList{u"--warnings"_qs, u"-l"_qs}
                              << u"share/man/man1/ORVENFR.1"_qs << true;
}

void TestInstall::validatorAccepts()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, path);
    QFETCH(bool, outputAllowed);
    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty())
        QSKIP(
            qPrintable(u"%1 is not installed (tools/install-deps.sh installs it)"_qs.arg(program)));
    const Finished check = runProgram(executable, arguments << installed(path));
    QVERIFY(check.ran);
    QVERIFY2(check.err.isEmpty(), check.err.constData());
    if (!outputAllowed)
        QVERIFY2(check.out.isEmpty(), check.out.constData());
    QVERIFY2(check.exitCode == 0, check.out.constData());
}

void TestInstall::desktopEntryNamesInstalledFiles()
{
    QFile entryFile(installed(u"share/applications/%1.desktop"_qs.arg(AppId)));
    QVERIFY(entryFile.open(QIODevice::ReadOnly));
    const QByteArray entry = entryFile.readAll();
    const QString program = desktopEntryValue(entry, u"Exec"_qs).section(QLatin1Char(' '), 0, 0);
    QVERIFY(QFileInfo(installed(u"bin/"_qs + program)).isExecutable());
    QCOMPARE(desktopEntryValue(entry, u"TryExec"_qs), program);
    const QString icon = desktopEntryValue(entry, u"Icon"_qs);
    QVERIFY(QFileInfo::exists(installed(u"share/icons/hicolor/scalable/apps/%1.svg"_qs.arg(icon))));

    QFile metainfo(installed(u"share/metainfo/%1.metainfo.xml"_qs.arg(AppId)));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    const QByteArray launchable = QByteArray("<launchable type=\"desktop-id\">") +
                                  entryFile.fileName().section(QLatin1Char('/'), -1).toUtf8() +
                                  "</launchable>";
    QVERIFY(metainfo.readAll().contains(launchable));
}

void TestInstall::settingsPlace_data()
{
    // A relative program folder lies in the test's temporary folder, which can be written.
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<bool>("besideProgram");
    QTest::newRow("system/usr-bin") << u"/usr/bin"_qs << false;
    QTest::newRow("system/usr-local-bin") << u"/usr/local/bin"_qs << false;
    QTest::newRow("system/opt") << u"/opt/orven/bin"_qs << false;
    QTest::newRow("system/usr-unclean") << u"/usr/local/../bin/"_qs << false;
    QTest::newRow("build/folder") << u"build/app"_qs << true;
    QTest::newRow("build/usr-below-home") << u"home/usr/bin"_qs << true;
    QTest::newRow("build/opt-like-name") << u"optical/bin"_qs << true;
}

void TestInstall::settingsPlace()
{
    QFETCH(QString, programFolder);
    QFETCH(bool, besideProgram);
    TestDir dir;
    if (QFileInfo(programFolder).isRelative()) {
        QVERIFY(dir.createDir(programFolder));
        programFolder = dir.filePath(programFolder);
    }
    const SettingsFile settings = SettingsFile::forProgramFolder(programFolder, dir.path());
    const QString expected = besideProgram ? QDir(programFolder).filePath(u"ORVENFR.cfg"_qs)
                                           : dir.filePath(u"ORVEN/ORVENFR.cfg"_qs);
    QCOMPARE(settings.writePath(), expected);
    try {
        settings.save(text::French);
        QCOMPARE(settings.readPath(), expected);
        QCOMPARE(settings.load(), text::French);
    } catch (const InOutError& error) {
        QFAIL(error.what());
    }
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
