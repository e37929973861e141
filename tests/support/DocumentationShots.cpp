#include "tests/support/DocumentationShots.h"

#include "app/Main.h"
#include "app/TrackListModel.h"
#include "core/SettingsFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace documentationshots {

namespace {

const char* const Tracks[] = {
    "00001 Morning Over the Harbour.mp3",
    "00002 Lanterns.mp3",
    "00003 The Long Road North.mp3",
    "00004 Paper Boats.mp3",
    "00005 Quiet Engines.mp3",
    "00006 Salt and Cedar.mp3",
    "00007 Night Ferry.mp3",
    "00008 Homecoming.mp3",
};

bool createFixture(const QString& album)
{
    if (!QDir().mkpath(album))
        return false;
    int index = 0;
    for (const char* name : Tracks) {
        QFile file(album + u'/' + QString::fromUtf8(name));
        // Sizes of a few megabytes, as real tracks have.
        if (!file.open(QIODevice::WriteOnly) || !file.resize((3 + index++ % 4) * 1024 * 1024))
            return false;
    }
    return true;
}

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    palette.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    palette.setColor(QPalette::AlternateBase, QColor(0x26, 0x26, 0x26));
    palette.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xe6));
    palette.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x6e, 0xb4));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::ToolTipText, QColor(0xe6, 0xe6, 0xe6));
    return palette;
}

// The window on the fixture's album, with its second row selected, saved as `fileName`.
bool shoot(const QString& root, const QString& fileName)
{
    TForm1 form(SettingsFile(root + QStringLiteral("/exe/ORVENFR.cfg"),
                             root + QStringLiteral("/config/ORVEN/ORVENFR.cfg")));
    form.resize(640, 480);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return false;
    form.openStartFolder(QFile::encodeName(root + QStringLiteral("/Music/Album")));
    const int tracks = int(std::size(Tracks));
    if (!QTest::qWaitFor([&] { return form.trackListModel()->rows().size() == tracks; }))
        return false;
    QApplication::processEvents();
    return form.grab().save(fileName);
}

} // namespace

int run(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QStandardPaths::setTestModeEnabled(true);
    QTextStream err(stderr);

    const QString target = qEnvironmentVariable("SCREENSHOT_DIR", QStringLiteral("docs"));
    QTemporaryDir fixture;
    if (!QDir().mkpath(target) || !fixture.isValid() ||
        !createFixture(fixture.filePath(QStringLiteral("Music/Album"))) ||
        !QDir().mkpath(fixture.filePath(QStringLiteral("exe")))) {
        err << "Cannot create the fixture folders or " << target << '\n';
        return 1;
    }

    const int scale = qRound(app.devicePixelRatio());
    const QString shot = QDir(target).filePath(QStringLiteral("main-scale%1.png").arg(scale));
    if (!shoot(fixture.path(), shot)) {
        err << "Cannot write " << shot << '\n';
        return 1;
    }
    if (scale != 1)
        return 0;

    QApplication::setPalette(darkPalette());
    const QString dark = QDir(target).filePath(QStringLiteral("main-dark.png"));
    if (!shoot(fixture.path(), dark)) {
        err << "Cannot write " << dark << '\n';
        return 1;
    }
    // The scale is fixed when the application starts: the 2x picture needs a run of its own.
    QProcess doubled;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    doubled.setProcessEnvironment(environment);
    doubled.setProcessChannelMode(QProcess::ForwardedChannels);
    doubled.start(QCoreApplication::applicationFilePath(), {QStringLiteral("screenshots")});
    if (!doubled.waitForFinished(120000) || doubled.exitStatus() != QProcess::NormalExit)
        return 1;
    return doubled.exitCode();
}

} // namespace documentationshots
