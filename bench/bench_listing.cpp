// Lists a generated folder of 100,000 files through the file list view with the "*.mp3" mask,
// the way the main window uses it, builds the track list with its previews from the rows, and
// prints the time against a plain readdir + stat loop over the same folder, measured in the
// same run, together with the memory per row. Then paints both lists once and checks that only
// painted rows asked for icons and type names.
//
// Usage: bench_listing [file count]; BENCH_VERBOSE=1 prints every run's times.

#include "app/SpinEdit.h"
#include "app/TrackListCommands.h"
#include "app/TrackListModel.h"
#include "explorer/VxFilelistView28.h"
#include "platform/ui/ImageList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cstdio>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kRuns = 9;

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

// The least a lister must do: read every name and stat it.
qint64 plainLoop(const QByteArray& folder, long& seen)
{
    QElapsedTimer timer;
    timer.start();
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
    seen = count + long(bytes & 1);
    return timer.nsecsElapsed();
}

// Resident memory in bytes.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().simplified().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
}

qint64 best(QList<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.front();
}

// Rows of the listing that have asked for their icon or their type name.
int resolvedRows(const TVxFilelistView28& view)
{
    int resolved = 0;
    for (const ListingRow& row : view.rows())
        resolved += row.imageIndex >= 0 || !row.subItems.value(1).isEmpty() ? 1 : 0;
    return resolved;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;

    QTemporaryDir temporary;
    const QByteArray folder = QFile::encodeName(temporary.path());
    std::printf("generating %d files in %s\n", count, folder.constData());
    if (!temporary.isValid() || !makeFolder(folder, count)) {
        std::fprintf(stderr, "cannot create the folder\n");
        return 1;
    }

    TVxFilelistView28 view;
    view.setParentDirEnabled(false);
    view.setShowFolders(false);
    view.setMask(QStringLiteral("*.mp3"));
    view.setColWidth_Size(50);
    view.setColWidth_Type(0);
    view.setColWidth_Mod(125);

    TrackListModel tracks;
    QTreeView trackView;
    trackView.setUniformRowHeights(true);
    trackView.setModel(&tracks);
    SpinEdit start(0, 99999);
    SpinEdit increment(1, 9999);
    start.setValue(0);
    increment.setValue(1);
    TrackListCommands commands(&tracks, &trackView, &start, &increment);
    commands.setListingSource(
        {[&view] { return view.rows(); }, [&view](int column) { view.ColumnClickSort(column); }});

    // The new inodes are written out first, so that writeback does not fall into a measurement.
    ::sync();
    long seen = 0;
    plainLoop(folder, seen); // the first pass fills the caches both measurements then share
    QList<qint64> plain;
    QList<qint64> listing;
    QList<qint64> trackList;
    qint64 memoryBefore = 0;
    qint64 memoryAfter = 0;
    for (int run = 0; run < kRuns; ++run) {
        plain.append(plainLoop(folder, seen));

        if (run == 0)
            memoryBefore = residentBytes();
        QElapsedTimer timer;
        timer.start();
        if (run == 0)
            view.setDirectory(temporary.path());
        else
            view.UpdateFileList();
        listing.append(timer.nsecsElapsed());
        if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
            std::printf("run %d: plain %.1f ms, listing %.1f ms\n", run, plain.back() / 1e6,
                        listing.back() / 1e6);
        timer.restart();
        commands.RebuildTrackList();
        commands.UpdatePreview();
        trackList.append(timer.nsecsElapsed());
        if (run == 0)
            memoryAfter = residentBytes();
    }

    const qint64 plainNs = best(plain);
    const qint64 listingNs = best(listing);
    const qint64 trackNs = best(trackList);
    const int rows = view.rowCount();
    std::printf("entries stat'ed by the plain loop: %ld\n", seen);
    std::printf("listing rows: %d, track rows: %d\n", rows, tracks.rowCount());
    std::printf("plain readdir + stat:        %8.1f ms\n", plainNs / 1e6);
    std::printf("UpdateFileList (*.mp3):      %8.1f ms\n", listingNs / 1e6);
    std::printf("RebuildTrackList + previews: %8.1f ms\n", trackNs / 1e6);
    std::printf("ratio (list + track list) / plain loop: %.2f (target at most 4)\n",
                double(listingNs + trackNs) / double(plainNs));
    std::printf("ratio (list only) / plain loop:         %.2f\n",
                double(listingNs) / double(plainNs));
    std::printf("memory per row (listing and track row): %.0f bytes\n",
                rows > 0 ? double(memoryAfter - memoryBefore) / rows : 0.0);

    const int unpainted = resolvedRows(view);
    view.resize(800, 400);
    view.show();
    trackView.resize(800, 400);
    trackView.show();
    QCoreApplication::processEvents();
    // Rendering paints the rows a user would see, as an expose would.
    view.grab();
    trackView.grab();
    const int painted = resolvedRows(view);
    std::printf("rows that asked for icons or type names: %d before painting, %d after "
                "(image list holds %d icons)\n",
                unpainted, painted, platform::ImageList::instance().count());
    // The view measures its first row for the height of all rows, so that one row may ask early.
    const bool lazy = unpainted <= 1 && painted > 0 && painted < 200;
    std::printf("%s\n", lazy ? "icons and type names: painted rows only"
                             : "icons and type names: asked for rows that were never painted");
    return lazy ? 0 : 1;
}
