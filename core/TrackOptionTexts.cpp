#include "core/TrackOptionTexts.h"

namespace text {

namespace {

constexpr const char16_t* OldNumber[] = {
    u"Retirer l'ancien numéro des titres",
    u"Le choix n'a pas pu être enregistré dans « %1 » ; il vaut jusqu'à la fermeture du "
    u"programme.",
    u"Drop the old track number from titles",
    u"The choice could not be saved in \"%1\"; it holds until the program is closed.",
};

constexpr const char16_t* Playlist[] = {
    u"Liste de lecture (*.m3u8)",
    u"La liste de lecture « %1 » n'a pas pu être écrite : %2",
    u"La liste de lecture ne peut pas nommer le fichier « %1 » : son nom contient un saut de "
    u"ligne. Rien n'a été écrit.",
    u"c'est un répertoire",
    u"Playlist (*.m3u8)",
    u"The playlist \"%1\" could not be written: %2",
    u"The playlist cannot name the file \"%1\": its name holds a line break. Nothing was "
    u"written.",
    u"it names a folder",
};

} // namespace

const Table OldNumberTexts = {OldNumber, 2};
const Table PlaylistTexts = {Playlist, 4};

} // namespace text
