#include "core/PlaylistExport.h"

#include "core/NameEscape.h"
#include "core/TrackOptionTexts.h"
#include "core/rename/PendingRuns.h"
#include "platform/SyncedFile.h"
#include "platform/SyncedFolder.h"

namespace playlistexport {

namespace {

bool sameFolder(const platform::SyncedFolder& a, const QByteArray& bPath)
{
    const platform::SyncedFolder b(bPath);
    platform::FolderIdentity aIdentity;
    platform::FolderIdentity bIdentity;
    return a.isOpen() && b.isOpen() && a.identity(&aIdentity) == 0 && b.identity(&bIdentity) == 0 &&
           aIdentity == bIdentity;
}

PlaylistResult failure(const QByteArray& playlistPath, const QString& reason,
                       text::LanguageIndex language)
{
    return {false, text::entry(text::PlaylistTexts, 1, language)
                       .arg(nameescape::escaped(playlistPath), reason)};
}

} // namespace

QByteArray playlistBytes(const QByteArray& musicFolder, const QByteArrayList& names, bool relative)
{
    QByteArray folder = musicFolder;
    if (!folder.endsWith('/'))
        folder.append('/');
    QByteArray bytes("#EXTM3U\n");
    for (const QByteArray& name : names) {
        if (!relative)
            bytes.append(folder);
        else if (name.startsWith('#'))
            bytes.append("./");
        bytes.append(name).append('\n');
    }
    return bytes;
}

PlaylistResult writePlaylist(const QByteArray& playlistPath, const QByteArray& musicFolder,
                             const QByteArrayList& names, text::LanguageIndex language)
{
    for (const QByteArray& name : names) {
        if (name.contains('\n') || name.contains('\r'))
            return {false,
                    text::entry(text::PlaylistTexts, 2, language).arg(nameescape::escaped(name))};
    }
    const qsizetype slash = playlistPath.lastIndexOf('/');
    const QByteArray fileName = playlistPath.mid(slash + 1);
    const QByteArray folderPath = slash < 0    ? QByteArrayLiteral(".")
                                  : slash == 0 ? QByteArrayLiteral("/")
                                               : playlistPath.left(slash);
    const platform::SyncedFolder folder(renaming::absoluteFolderPath(folderPath));
    if (!folder.isOpen())
        return failure(playlistPath, platform::sysErrorText(folder.openError()), language);
    if (fileName.isEmpty() || fileName == "." || fileName == "..")
        return failure(playlistPath, text::entry(text::PlaylistTexts, 3, language), language);
    const QByteArray bytes = playlistBytes(musicFolder, names, sameFolder(folder, musicFolder));
    const int error = platform::SyncedFile::writeDurably(folder, fileName, bytes);
    if (error != 0)
        return failure(playlistPath, platform::sysErrorText(error), language);
    return {};
}

} // namespace playlistexport
