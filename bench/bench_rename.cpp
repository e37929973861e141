// Renames a folder of N files (10,000 and 100,000) through the rename engine, journal, checks
// and syncs included, against a baseline doing the same work by hand: one renameat2 with
// RENAME_NOREPLACE per file and one folder fsync. Two orders: natural (every file to a free
// name: "Song N.mp3" to "0000N Song N.mp3" and back) and full reversal (every file to the name
// of another: swaps). Rounds alternate engine and baseline on folders of their own, after a
// sync(); the figures are the minimum and the median over the rounds, and their ratio.
//
//   bench_rename [ROUNDS] [--temporary-names]
//
// ROUNDS defaults to 5; --temporary-names makes the engine take cycles through temporary names
// instead of swapping files, as it does on volumes that cannot swap.

#include "core/rename/RenameEngine.h"
#include "platform/SyncedFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

struct Pair
{
    QByteArray from;
    QByteArray to;
};

QByteArray padded(int n)
{
    return QByteArray::number(n).rightJustified(5, '0');
}

// The renames of one round; the next round takes the files back (or reverses them again).
std::vector<Pair> naturalRun(int files, bool back)
{
    std::vector<Pair> pairs;
    pairs.reserve(size_t(files));
    for (int i = 1; i <= files; ++i) {
        const QByteArray plain = "Song " + QByteArray::number(i) + ".mp3";
        const QByteArray numbered = padded(i) + ' ' + plain;
        pairs.push_back(back ? Pair{numbered, plain} : Pair{plain, numbered});
    }
    return pairs;
}

std::vector<Pair> reversal(int files)
{
    std::vector<Pair> pairs;
    pairs.reserve(size_t(files));
    for (int i = 1; i <= files; ++i)
        pairs.push_back({padded(i) + " Song.mp3", padded(files + 1 - i) + " Song.mp3"});
    return pairs;
}

bool createFiles(const QByteArray& folder, const std::vector<Pair>& pairs)
{
    for (const Pair& pair : pairs) {
        const int fd = ::open((folder + '/' + pair.from).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        ::close(fd);
    }
    return true;
}

bool g_swaps = true;

qint64 engineRun(const QByteArray& folder, const std::vector<Pair>& pairs)
{
    // The requests come from the listing the user saw, before the run: not the engine's work.
    std::vector<renaming::RenameRequest> requests;
    requests.reserve(pairs.size());
    const platform::SyncedFolder dir(folder);
    for (const Pair& pair : pairs) {
        platform::FileStat st;
        dir.stat(pair.from, &st);
        requests.push_back({pair.from, pair.to, st.size, st.mtimeNsec});
    }
    QElapsedTimer timer;
    timer.start();
    renaming::RenameEngine engine;
    engine.setSwapsAllowed(g_swaps);
    if (!engine.prepare(folder, requests))
        return -1;
    engine.run();
    for (const renaming::RenameRowResult& result : engine.results()) {
        if (!renaming::isSuccess(result.status))
            return -1;
    }
    return timer.nsecsElapsed() / 1000;
}

// The same number of renames, each to a name that is free, and one sync. For the reversal the
// files go to fresh names and back in alternate rounds (a rename cannot swap by itself).
qint64 baselineRun(const QByteArray& folder, const std::vector<Pair>& pairs, bool reversed,
                   bool back)
{
    QElapsedTimer timer;
    timer.start();
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const Pair& pair : pairs) {
        const QByteArray from = reversed && back ? "x" + pair.from : pair.from;
        const QByteArray to = reversed ? (back ? pair.from : "x" + pair.from) : pair.to;
        if (::syscall(SYS_renameat2, fd, from.constData(), fd, to.constData(), RENAME_NOREPLACE) !=
            0) {
            ::close(fd);
            return -1;
        }
    }
    ::fsync(fd);
    ::close(fd);
    return timer.nsecsElapsed() / 1000;
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool measure(int files, bool reversed, int rounds)
{
    QTemporaryDir engineDir;
    QTemporaryDir baselineDir;
    const QByteArray enginePath = QFile::encodeName(engineDir.path());
    const QByteArray baselinePath = QFile::encodeName(baselineDir.path());
    const std::vector<Pair> forward = reversed ? reversal(files) : naturalRun(files, false);
    if (!createFiles(enginePath, forward) || !createFiles(baselinePath, forward)) {
        std::fprintf(stderr, "cannot create the files\n");
        return false;
    }
    std::vector<qint64> engine;
    std::vector<qint64> baseline;
    for (int round = 0; round < rounds; ++round) {
        const bool back = round % 2 == 1;
        const std::vector<Pair> pairs = reversed ? forward : naturalRun(files, back);
        ::sync();
        engine.push_back(engineRun(enginePath, pairs));
        ::sync();
        baseline.push_back(baselineRun(baselinePath, pairs, reversed, back));
        if (engine.back() < 0 || baseline.back() < 0) {
            std::fprintf(stderr, "a round failed\n");
            return false;
        }
    }
    const qint64 engineMin = *std::min_element(engine.begin(), engine.end());
    const qint64 baselineMin = *std::min_element(baseline.begin(), baseline.end());
    std::printf("%7d files, %-9s engine min %8.1f ms median %8.1f ms | baseline min %8.1f ms "
                "median %8.1f ms | ratio min %.2fx median %.2fx\n",
                files, reversed ? "reversal" : "natural", engineMin / 1000.0,
                median(engine) / 1000.0, baselineMin / 1000.0, median(baseline) / 1000.0,
                double(engineMin) / double(baselineMin),
                double(median(engine)) / double(median(baseline)));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    int rounds = 5;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--temporary-names")
            g_swaps = false;
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }
    for (const int files : {10000, 100000}) {
        for (const bool reversed : {false, true}) {
            if (!measure(files, reversed, rounds))
                return 1;
        }
    }
    return 0;
}
