// Renumbers 10,000 files listed in reverse through the rename engine (every rename is part of a
// swap, so it goes through a temporary name, with the journal written and removed) and
// compares it with a plain loop of rename() over as many files in the same run.

#include "core/rename/RenameEngine.h"
#include "platform/SyncedFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr int kFiles = 10000;

QByteArray songName(int number)
{
    return QByteArray::number(number).rightJustified(5, '0') + " Song.mp3";
}

bool createFiles(const QByteArray& folder)
{
    for (int i = 1; i <= kFiles; ++i) {
        std::FILE* f = std::fopen((folder + '/' + songName(i)).constData(), "wb");
        if (!f)
            return false;
        std::fclose(f);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir engineDir;
    QTemporaryDir plainDir;
    const QByteArray enginePath = QFile::encodeName(engineDir.path());
    const QByteArray plainPath = QFile::encodeName(plainDir.path());
    if (!engineDir.isValid() || !plainDir.isValid() || !createFiles(enginePath) ||
        !createFiles(plainPath)) {
        std::fprintf(stderr, "cannot create the files\n");
        return 1;
    }

    std::vector<renaming::RenameRequest> requests;
    const platform::SyncedFolder folder(enginePath);
    for (int i = kFiles; i >= 1; --i) {
        platform::FileStat st;
        folder.stat(songName(i), &st);
        requests.push_back({songName(i), songName(kFiles + 1 - i), st.size, st.mtimeNsec});
    }

    QElapsedTimer timer;
    timer.start();
    renaming::RenameEngine engine;
    engine.prepare(enginePath, requests);
    const qint64 prepared = timer.nsecsElapsed();
    engine.run();
    const qint64 engineNs = timer.nsecsElapsed();
    int renamed = 0;
    for (const renaming::RenameRowResult& result : engine.results())
        renamed += result.status == renaming::RenameStatus::Renamed ? 1 : 0;

    timer.restart();
    int plainRenamed = 0;
    for (int i = 1; i <= kFiles; ++i) {
        const QByteArray from = plainPath + '/' + songName(i);
        const QByteArray to = plainPath + '/' + songName(i) + ".new";
        plainRenamed += std::rename(from.constData(), to.constData()) == 0 ? 1 : 0;
    }
    const qint64 plainNs = timer.nsecsElapsed();

    std::printf("files: %d (engine renamed %d, plain loop %d)\n", kFiles, renamed, plainRenamed);
    std::printf("engine: %.1f ms (checks and plan %.1f ms, %d renames)\n", engineNs / 1e6,
                prepared / 1e6, engine.plan().totalSteps());
    std::printf("plain rename() loop: %.1f ms\n", plainNs / 1e6);
    std::printf("ratio: %.2fx\n", double(engineNs) / double(plainNs));
    return renamed == kFiles && plainRenamed == kFiles ? 0 : 1;
}
