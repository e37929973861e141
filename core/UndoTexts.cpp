#include "core/UndoTexts.h"

#include <iterator>

namespace undotexts {

namespace {

constexpr const char16_t* Entries[] = {
    u"&Annuler le dernier renommage",
    u"Annuler le renommage du %1 ? %2 fichier(s) reprendront le nom qu'ils avaient avant lui.",
    u"Aucun renommage de ce répertoire n'est enregistré : il n'y a rien à annuler.",
    u"L'historique des renommages de ce répertoire est inutilisable (%1). Rien n'a été "
    u"renommé.",
    u"%1 fichier(s) sur %2 ont repris le nom qu'ils avaient avant le renommage.",
    u"%1 fichier(s) ont été laissés tels quels :",
    u"%1 fichier(s) avaient changé depuis le renommage (contenu ou étiquettes) et ont tout de "
    u"même repris leur ancien nom.",
    u"Les détails donnent la liste complète des fichiers laissés tels quels.",
    u"Renommé depuis (il s'appelle maintenant « %1 »).",
    u"Plus aucun fichier ne porte le nom que le renommage lui a donné.",
    u"Le nom que le renommage lui a donné est maintenant celui d'un autre fichier.",
    u"Le nom qu'il avait avant le renommage est maintenant celui d'un autre fichier.",
    u"Changé depuis le renommage ; il a tout de même repris son ancien nom.",
    u"Le renommage n'a pas pu être enregistré pour une annulation : %1",
    u"L'historique des renommages de ce répertoire était endommagé ; il a été mis de côté "
    u"(« %1 ») et un nouvel historique commence.",
    u"le fichier est trop grand",
    u"le fichier est tronqué, modifié ou n'est pas un historique",
    u"il nomme un fichier hors du répertoire",
    u"L'historique des renommages n'a pas pu être écrit : %1",
    u"L'historique des renommages n'a pas pu être écrit (%1) ; rien n'a été renommé.",
    u"&Undo last rename",
    u"Undo the rename of %1? %2 file(s) get back the names they had before it.",
    u"No rename run of this folder is recorded: there is nothing to undo.",
    u"The rename history of this folder cannot be used (%1). Nothing was renamed.",
    u"%1 of %2 file(s) have the names they had before the run again.",
    u"%1 file(s) were left alone:",
    u"%1 file(s) had changed since the run (contents or tags) and got their earlier name back "
    u"all the same.",
    u"The details list every file that was left alone.",
    u"Renamed since (it is now \"%1\").",
    u"No file has the name the run gave it any more.",
    u"The name the run gave it now belongs to another file.",
    u"The name it had before the run now belongs to another file.",
    u"Changed since the run; it got its earlier name back all the same.",
    u"The run could not be recorded for an undo: %1",
    u"The rename history of this folder was damaged; it was set aside (\"%1\") and a new one "
    u"begins.",
    u"the file is too large",
    u"the file is cut off, altered or not a history",
    u"it names a file outside the folder",
    u"The rename history could not be written: %1",
    u"The rename history could not be written (%1), so nothing was renamed.",
};

static_assert(std::size(Entries) == 2 * EntryCount);

} // namespace

const text::Table Table = {Entries, EntryCount};

QString entry(Entry k)
{
    return text::entry(Table, k);
}

} // namespace undotexts
