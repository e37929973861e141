// Lists generated folders of 1,000, 10,000 and 100,000 files and builds their track lists with
// numbered new names, along the two paths the program takes: the batch mode's pipeline
// (trackpipeline) and the main window's (the file list view's own reading, then the track-list
// commands with their previews and rename check). Each is timed against a C-level readdir +
// fstatat loop over the same entries in the same run, in interleaved rounds; the minimum and the
// median of each are printed with their ratios.
//
// Bytes per row: the heap in use (glibc's mallinfo2, uordblks) after the listing and the track
// rows of the pipeline are built and kept, less the heap in use before, divided by the listing
// rows. Freed memory does not count, unlike a resident-size delta.
//
// Usage: bench_listing [file count ...] [--rounds N]; the folders go to $TMPDIR or /tmp.

#include "app/SpinEdit.h"
#include "app/TrackListCommands.h"
#include "app/TrackListModel.h"
#include "core/TrackPipeline.h"
#include "core/rename/RenameRequests.h"
#include "explorer/VxFilelistView28.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every twentieth file is no MP3; most MP3 names carry a five-digit number, some do not.
bool makeFolder(const QByteArray& folder, int count)
{
    for (int i = 0; i < count; ++i) {
        QByteArray name;
        if (i % 20 == 19)
            name = "cover " + QByteArray::number(i) + (i % 40 == 39 ? ".jpg" : ".txt");
        else if (i % 10 == 3)
            name = "Untitled track " + QByteArray::number(i) + ".MP3";
        else
            name = QByteArray::number(i).rightJustified(5, '0') + " Song title " +
                   QByteArray::number(i * 7919 % 100003) + ".mp3";
        const QByteArray path = folder + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        // Sparse sizes of a few megabytes and times spread over some years, so the size and
        // modified texts vary as they do in a music folder.
        const bool sized = ::ftruncate(fd, off_t(1000000 + (i * 104729) % 9000000)) == 0;
        const struct timespec times[2] = {{0, UTIME_OMIT},
                                          {1100000000 + time_t(i) * 997, long(i % 1000) * 1000}};
        const bool timed = ::futimens(fd, times) == 0;
        if (::close(fd) != 0 || !sized || !timed)
            return false;
    }
    return true;
}

// The least a lister must do: read every name and ask for its status.
long plainLoop(const QByteArray& folder)
{
    DIR* stream = ::opendir(folder.constData());
    if (!stream)
        return -1;
    const int fd = ::dirfd(stream);
    long count = 0;
    long long bytes = 0;
    while (const dirent* e = ::readdir(stream)) {
        struct stat st;
        if (::fstatat(fd, e->d_name, &st, 0) == 0) {
            bytes += st.st_size;
            ++count;
        }
    }
    ::closedir(stream);
    return count + long(bytes & 1);
}

// The batch mode's work up to its output: listing, track rows in order, numbered new names.
qsizetype pipelineRun(const QByteArray& directory)
{
    QVector<ListingRow> listing;
    if (!trackpipeline::readListing(directory, &listing))
        return -1;
    const QVector<TrackRow> rows =
        trackpipeline::orderedTracks(listing, trackpipeline::Order::Listing);
    return qsizetype(renamerequests::requestsOf(rows, 0, 1).size());
}

struct Samples
{
    std::vector<double> ms;

    void add(qint64 ns) { ms.push_back(double(ns) / 1e6); }
    double min() const { return *std::min_element(ms.begin(), ms.end()); }
    double median() const
    {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
};

template <typename Work> void timed(Samples& samples, Work work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    samples.add(timer.nsecsElapsed());
}

double bytesPerRow(const QByteArray& directory)
{
    const size_t before = mallinfo2().uordblks;
    QVector<ListingRow> listing;
    trackpipeline::readListing(directory, &listing);
    QVector<TrackRow> rows = trackpipeline::orderedTracks(listing, trackpipeline::Order::Listing);
    const size_t after = mallinfo2().uordblks;
    return listing.isEmpty() ? 0.0 : double(after - before) / double(listing.size());
}

void benchFolder(int count, int rounds)
{
    QTemporaryDir temporary;
    const QByteArray folder = QFile::encodeName(temporary.path());
    if (!temporary.isValid() || !makeFolder(folder, count)) {
        std::fprintf(stderr, "cannot create a folder of %d files\n", count);
        std::exit(1);
    }
    const QByteArray directory = folder + '/';
    // The new inodes are written out first, so that writeback does not fall into a round.
    ::sync();

    TVxFilelistView28 view;
    view.setParentDirEnabled(false);
    view.setShowFolders(false);
    view.setMask(QStringLiteral("*.mp3"));
    view.setDirectory(temporary.path());
    TrackListModel tracks;
    QTreeView trackView;
    trackView.setModel(&tracks);
    SpinEdit start(0, 99999);
    SpinEdit increment(1, 9999);
    start.setValue(0);
    increment.setValue(1);
    TrackListCommands commands(&tracks, &trackView, &start, &increment);
    commands.setListingSource(
        {[&view] { return view.rows(); }, [&view](int column) { view.ColumnClickSort(column); },
         [&view]() -> const std::vector<QByteArray>& { return view.folderNames(); }});
    commands.setFolder(directory);

    Samples plain;
    Samples pipeline;
    Samples window;
    long seen = plainLoop(folder); // fills the caches all three then share
    qsizetype tracksSeen = 0;
    for (int round = 0; round < rounds; ++round) {
        timed(plain, [&] { seen = plainLoop(folder); });
        timed(pipeline, [&] { tracksSeen = pipelineRun(directory); });
        timed(window, [&] {
            view.UpdateFileList();
            commands.RebuildTrackList();
            commands.UpdatePreview();
        });
    }

    std::printf("\n%d files (%ld entries stat'ed by the loop, %lld tracks, %d rounds)\n", count,
                seen, static_cast<long long>(tracksSeen), rounds);
    std::printf("  %-44s %9s %9s %7s %7s\n", "", "min ms", "median ms", "x min", "x med");
    const auto line = [&plain](const char* what, const Samples& samples) {
        std::printf("  %-44s %9.2f %9.2f %7.2f %7.2f\n", what, samples.min(), samples.median(),
                    samples.min() / plain.min(), samples.median() / plain.median());
    };
    line("readdir + fstatat loop", plain);
    line("pipeline: listing + track list + new names", pipeline);
    line("window: file list + track list + previews", window);
    std::printf("  bytes per listing row (pipeline, mallinfo2): %.0f\n", bytesPerRow(directory));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<int> counts;
    int rounds = 7;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else
            counts.push_back(std::max(1, std::atoi(argv[i])));
    }
    if (counts.empty())
        counts = {1000, 10000, 100000};
    for (const int count : counts)
        benchFolder(count, rounds);
    return 0;
}
