#pragma once

#include "core/Text.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// The playlist export: "#EXTM3U", then one line per track in the list's order naming the file
// as it is on disk. The lines are the file system's bytes (UTF-8 for any valid name), so a name
// that is not valid UTF-8 still names its file for a player.
namespace playlistexport {

struct PlaylistResult
{
    bool ok = true;
    QString errorMessage;
};

// The playlist for the files `names` of `musicFolder` (an absolute path): each name alone when
// `relative` (the playlist lies in that folder), else its absolute path. A name that starts
// with "#" is written "./#...", which a player would otherwise skip as a comment line.
QByteArray playlistBytes(const QByteArray& musicFolder, const QByteArrayList& names, bool relative);

// Writes the playlist `playlistPath` (file system bytes, relative to the working folder or
// absolute) for the files `names` of `musicFolder`, relative when the playlist's folder is the
// music folder. The file is replaced as a whole: a failure leaves any old one as it was. The
// messages are in `language`.
PlaylistResult writePlaylist(const QByteArray& playlistPath, const QByteArray& musicFolder,
                             const QByteArrayList& names,
                             text::LanguageIndex language = text::languageIndex());

} // namespace playlistexport
