// Expands, in the drop-down directory tree, a generated folder whose subfolders are full of
// files, the case where finding each subfolder's expand mark costs most, and prints the time
// against the least a tree must do, measured in the same run: read the folder's names, and
// in every subfolder read names until one is a folder.
//
// Usage: bench_dirtree [subfolder count] [files per subfolder]

#include "explorer/VxDirTreeView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <cstdio>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kRuns = 5;

bool makeTree(const QByteArray& root, int folders, int files)
{
    for (int f = 0; f < folders; ++f) {
        const QByteArray folder = root + "/Album " + QByteArray::number(f);
        if (::mkdir(folder.constData(), 0755) != 0)
            return false;
        // Every tenth album holds a folder of its own, after its files.
        for (int i = 0; i < files; ++i) {
            const QByteArray path =
                folder + '/' + QByteArray::number(i).rightJustified(5, '0') + " Song.mp3";
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd < 0 || ::close(fd) != 0)
                return false;
        }
        if (f % 10 == 0 && ::mkdir((folder + "/Scans").constData(), 0755) != 0)
            return false;
    }
    return true;
}

bool firstSubfolder(const QByteArray& folder)
{
    DIR* stream = ::opendir(folder.constData());
    if (!stream)
        return false;
    bool found = false;
    while (const dirent* e = ::readdir(stream)) {
        if (e->d_type == DT_DIR && e->d_name[0] != '.') {
            found = true;
            break;
        }
    }
    ::closedir(stream);
    return found;
}

qint64 baseline(const QByteArray& root, int& withMark)
{
    QElapsedTimer timer;
    timer.start();
    DIR* stream = ::opendir(root.constData());
    withMark = 0;
    while (const dirent* e = ::readdir(stream)) {
        if (e->d_type == DT_DIR && e->d_name[0] != '.')
            withMark += firstSubfolder(root + '/' + e->d_name) ? 1 : 0;
    }
    ::closedir(stream);
    return timer.nsecsElapsed();
}

qint64 expandInTree(const QString& root, int& withMark)
{
    TVxDirTreeView tree(nullptr);
    tree.BuildRoot();
    // The folders above are read outside the measurement.
    tree.SelectPath(root.left(root.lastIndexOf(QLatin1Char('/')) + 1));
    QTreeWidgetItem* node = nullptr;
    for (QTreeWidgetItemIterator it(&tree); *it && !node; ++it) {
        if (TVxDirTreeView::NodePath(*it) == root)
            node = *it;
    }
    if (!node)
        return -1;
    QElapsedTimer timer;
    timer.start();
    node->setExpanded(true);
    const qint64 elapsed = timer.nsecsElapsed();
    withMark = 0;
    for (int i = 0; node && i < node->childCount(); ++i)
        withMark += node->child(i)->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int folders = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const int files = argc > 2 ? std::max(0, atoi(argv[2])) : 1000;
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    if (!dir.isValid() || !makeTree(root, folders, files)) {
        std::fprintf(stderr, "cannot create the folders\n");
        return 1;
    }
    qint64 best = -1, bestBase = -1;
    int marks = 0, baseMarks = 0;
    for (int run = 0; run < kRuns; ++run) {
        const qint64 t = expandInTree(dir.path(), marks);
        const qint64 b = baseline(root, baseMarks);
        best = best < 0 ? t : std::min(best, t);
        bestBase = bestBase < 0 ? b : std::min(bestBase, b);
    }
    std::printf("%d subfolders of %d files: tree %.1f ms, baseline %.1f ms, ratio %.1f\n", folders,
                files, best / 1e6, bestBase / 1e6, double(best) / double(bestBase));
    std::printf("expand marks: tree %d, baseline %d%s\n", marks, baseMarks,
                marks == baseMarks ? "" : "  MISMATCH");
    return marks == baseMarks ? 0 : 1;
}
