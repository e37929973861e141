// Time from constructing the main window to its first paint event: on an empty start and on
// folders of 10,000 and 100,000 files given as the start folder, against a bare QMainWindow
// measured the same way in the same run. Rounds interleave the four cases; the minimum and the
// median of each are printed with their ratios to the bare window.
//
// Every case runs in this one process, so the fonts, the style and the first-use costs of Qt are
// paid once in a warm-up and not by whichever case comes first.
//
// Usage: bench_startup [--rounds N]; the folders go to $TMPDIR or /tmp.

#include "app/Main.h"
#include "core/SettingsFile.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool makeFolder(const QByteArray& folder, int count)
{
    for (int i = 0; i < count; ++i) {
        const QByteArray name = QByteArray::number(i).rightJustified(5, '0') + " Song title " +
                                QByteArray::number(i * 7919 % 100003) + ".mp3";
        const int fd = ::open((folder + '/' + name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 || ::close(fd) != 0)
            return false;
    }
    return true;
}

// Notes the first paint event a widget receives.
class FirstPaint : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Nanoseconds from calling `make` (which builds and shows a window) to that window's first
// paint; -1 when it never paints.
qint64 timeToFirstPaint(const std::function<std::unique_ptr<QWidget>(FirstPaint*)>& make)
{
    FirstPaint watcher;
    QElapsedTimer timer;
    timer.start();
    const std::unique_ptr<QWidget> window = make(&watcher);
    const QDeadlineTimer deadline(30000);
    while (!watcher.painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return watcher.painted ? timer.nsecsElapsed() : -1;
}

struct Case
{
    const char* name;
    std::function<std::unique_ptr<QWidget>(FirstPaint*)> make;
    std::vector<double> ms;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window's settings and pending-run records go to temporary places, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    int rounds = 5;
    for (int i = 1; i + 1 < argc; ++i) {
        if (QByteArray(argv[i]) == "--rounds")
            rounds = std::max(1, std::atoi(argv[i + 1]));
    }

    QTemporaryDir temporary;
    const QByteArray root = QFile::encodeName(temporary.path());
    const QByteArray small = root + "/ten-thousand";
    const QByteArray large = root + "/hundred-thousand";
    if (!temporary.isValid() || ::mkdir(small.constData(), 0755) != 0 ||
        ::mkdir(large.constData(), 0755) != 0 || !makeFolder(small, 10000) ||
        !makeFolder(large, 100000)) {
        std::fprintf(stderr, "cannot create the folders\n");
        return 1;
    }
    ::sync();

    const SettingsFile settings(temporary.filePath(QStringLiteral("exe/ORVENFR.cfg")),
                                temporary.filePath(QStringLiteral("user/ORVENFR.cfg")));
    const auto mainWindow = [&settings](const QByteArray& folder) {
        return [&settings, folder](FirstPaint* watcher) -> std::unique_ptr<QWidget> {
            auto form = std::make_unique<TForm1>(settings);
            form->installEventFilter(watcher);
            form->show();
            if (!folder.isEmpty())
                form->openStartFolder(folder);
            return form;
        };
    };
    std::vector<Case> cases = {
        {"bare QMainWindow",
         [](FirstPaint* watcher) -> std::unique_ptr<QWidget> {
             auto window = std::make_unique<QMainWindow>();
             window->installEventFilter(watcher);
             window->show();
             return window;
         },
         {}},
        {"main window, empty start", mainWindow(QByteArray()), {}},
        {"main window, 10,000 files", mainWindow(small), {}},
        {"main window, 100,000 files", mainWindow(large), {}},
    };

    for (Case& c : cases)
        timeToFirstPaint(c.make); // warm-up, not counted
    for (int round = 0; round < rounds; ++round) {
        for (Case& c : cases) {
            const qint64 ns = timeToFirstPaint(c.make);
            if (ns < 0) {
                std::fprintf(stderr, "%s: no paint within 30 s\n", c.name);
                return 1;
            }
            c.ms.push_back(double(ns) / 1e6);
        }
    }

    const Case& bare = cases.front();
    const double bareMin = *std::min_element(bare.ms.begin(), bare.ms.end());
    const double bareMedian = median(bare.ms);
    std::printf("time to first paint (%d rounds)\n", rounds);
    std::printf("  %-28s %9s %9s %7s %7s\n", "", "min ms", "median ms", "x min", "x med");
    for (const Case& c : cases) {
        const double min = *std::min_element(c.ms.begin(), c.ms.end());
        std::printf("  %-28s %9.2f %9.2f %7.2f %7.2f\n", c.name, min, median(c.ms), min / bareMin,
                    median(c.ms) / bareMedian);
    }
    return 0;
}
