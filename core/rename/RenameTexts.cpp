#include "core/rename/RenameTexts.h"

#include "core/rename/RenameStatus.h"

#include <iterator>

namespace text {

namespace {

constexpr const char16_t* Status[] = {
    u"Pas encore renommé.",
    u"Renommé.",
    u"Le nom est inchangé.",
    u"Un fichier ou un répertoire portant le nouveau nom existe déjà.",
    u"Un fichier ou un répertoire dont le nom ne diffère du nouveau nom que par la casse existe "
    u"déjà, et ce volume ne les distingue pas.",
    u"Une ligne précédente reçoit le même nouveau nom.",
    u"Le nouveau nom est pris par un autre fichier de la liste, qui n'a pas été renommé.",
    u"Le fichier n'existe plus.",
    u"Le fichier a changé depuis la lecture du répertoire.",
    u"Une ligne précédente renomme le même fichier.",
    u"Le nouveau nom est trop long pour ce volume.",
    u"Le nouveau nom n'est pas un nom de fichier valide.",
    u"Accès refusé.",
    u"Le volume est en lecture seule.",
    u"Le volume est plein.",
    u"Un renommage interrompu de ce répertoire doit d'abord être achevé ou défait.",
    u"Le répertoire ne peut pas être lu.",
    u"Le journal du renommage n'a pas pu être écrit ; le renommage s'est donc arrêté.",
    u"Non renommé : il faisait partie d'une chaîne de noms échangés qui a échoué ailleurs.",
    u"Le fichier porte un nom temporaire ; achevez ou défaites le renommage pour le mettre à "
    u"sa place.",
    u"Le système a refusé le renommage.",
    u"Les noms de ce fichier et de ceux avec lesquels il a été échangé ont été changés en dehors "
    u"du renommage ; il a été laissé où il est.",
    u"Le renommage n'a pas pu être enregistré dans le répertoire de données du programme ; il "
    u"n'a donc pas commencé.",
    u"Le renommage est trop grand pour son journal ; il n'a donc pas commencé.",
    u"Le fichier porte le nom d'un autre fichier du renommage ; achevez ou défaites le "
    u"renommage pour le mettre à sa place.",
    u"Non renommé : le renommage a été annulé avant ce fichier.",
    u"Not renamed yet.",
    u"Renamed.",
    u"The name is unchanged.",
    u"A file or folder with the new name already exists.",
    u"A file or folder whose name differs from the new name only in letter case already "
    u"exists, and this volume does not tell them apart.",
    u"An earlier row gets the same new name.",
    u"The new name is held by another file of the list that was not renamed.",
    u"The file no longer exists.",
    u"The file has changed since the folder was read.",
    u"An earlier row renames the same file.",
    u"The new name is too long for this volume.",
    u"The new name is not a valid file name.",
    u"Permission denied.",
    u"The volume is read-only.",
    u"The volume is full.",
    u"An interrupted rename run of this folder must be finished or rolled back first.",
    u"The folder cannot be read.",
    u"The run's journal could not be written, so the run stopped.",
    u"Not renamed: it was part of a chain of exchanged names that failed elsewhere.",
    u"The file is under a temporary name; finish or roll back the run to place it.",
    u"The system refused the rename.",
    u"The names of this file and the ones it was exchanged with were changed outside the run; "
    u"it was left where it is.",
    u"The run could not be recorded in the program's data folder, so it did not start.",
    u"The run is too large for its journal, so it did not start.",
    u"The file is under the name of another file of the run; finish or roll back the run to "
    u"place it.",
    u"Not renamed: the run was cancelled before this file.",
};

constexpr const char16_t* Completion[] = {
    u"Le renommage a été annulé : %1 fichier(s) sur %2 ont leur nouveau nom, les autres gardent "
    u"leur ancien nom.",
    u"La fin du renommage n'a pas pu être mise en sûreté (%1) : son journal reste dans le "
    u"répertoire, et rouvrir le répertoire propose de l'achever.",
    u"The rename run was cancelled: %1 of %2 file(s) have their new name, the others keep their "
    u"old name.",
    u"The end of the run could not be made safe (%1): its journal stays in the folder, and "
    u"opening the folder again offers to finish it.",
};

constexpr const char16_t* Recovery[] = {
    u"1 fichier",
    u"%1 fichiers",
    u"Un renommage du répertoire %1 a été interrompu.",
    u"%1 sous le nouveau nom, %2 sous l'ancien nom",
    u", %1 ailleurs",
    u"Achever le renommage (chaque fichier sous son nouveau nom) ou le défaire (chaque fichier "
    u"sous son ancien nom) ?",
    u" (maintenant %1)",
    u"Le renommage interrompu a été achevé : %1 sous le nouveau nom.",
    u"Le renommage interrompu a été défait : %1 sous l'ancien nom.",
    u"Fichiers qui n'ont pas pu être mis à leur place (%1) :",
    u"Le journal du renommage reste dans le répertoire, pour que cela puisse être tenté à "
    u"nouveau.",
    u"Un renommage du répertoire %1 a été interrompu avant d'avoir renommé le moindre fichier.%2"
    u"\n\nLe journal est le fichier caché %3 de ce répertoire ; les fichiers du répertoire ne "
    u"peuvent plus être renommés tant qu'il n'est pas supprimé.",
    u"Le journal d'un renommage du répertoire %1 est inutilisable%2 : le renommage ne peut être "
    u"ni achevé ni défait à partir de lui. Des fichiers du répertoire ont pu être renommés avant "
    u"l'arrêt du renommage ; rien n'est renommé à partir de ce journal.",
    u"Fichiers du répertoire qui portent un nom temporaire de renommage (%1) ; donnez-leur leur "
    u"nom à la main :",
    u"Mettez le journal de côté pour renommer à nouveau dans ce répertoire : il reste dans le "
    u"répertoire, renommé en %1.set-aside- suivi de la date et de l'heure.",
    u"Le répertoire %1 contient le journal d'un renommage interrompu que ce programme n'a pas "
    u"lancé ici : il peut venir d'un autre utilisateur, d'un autre ordinateur (un volume déplacé "
    u"pendant un renommage) ou y avoir été déposé.\n\nIl renommerait %2 dans ce répertoire (%3 "
    u"sous le nouveau nom actuellement, %4 sous l'ancien nom%5).\n\nN'achevez ou ne défaites ce "
    u"renommage que si vous savez d'où il vient ; sinon, mettez le journal de côté (il reste dans "
    u"le répertoire sous un autre nom) ou laissez-le pour plus tard. Rien n'est renommé sans "
    u"votre choix.",
    u"Le journal du répertoire %1 n'a pas pu être mis de côté (%2).",
    u"Un renommage est en cours dans le répertoire %1 ; attendez qu'il soit terminé.",
    u"Le journal n'a pas pu être supprimé.",
    u"&Plus tard",
    u"&Supprimer le journal",
    u"&Mettre de côté",
    u"&Achever",
    u"&Défaire",
    u"1 file",
    u"%1 files",
    u"A rename run in the folder %1 was interrupted.",
    u"%1 under the new name, %2 under the old name",
    u", %1 elsewhere",
    u"Finish the run (every file under its new name), or roll it back (every file under its old "
    u"name)?",
    u" (now %1)",
    u"The interrupted rename run was finished: %1 under the new name.",
    u"The interrupted rename run was rolled back: %1 under the old name.",
    u"%1 could not be placed:",
    u"The run's journal stays in the folder, so that this can be tried again.",
    u"A rename run in the folder %1 was interrupted before it renamed any file.%2\n\nThe journal "
    u"is the hidden file %3 in that folder; the folder cannot be renamed again until it is "
    u"removed.",
    u"The journal of a rename run in the folder %1 cannot be used%2, so the run can be neither "
    u"finished nor rolled back from it. Files of the folder may have been renamed before the run "
    u"stopped; nothing is renamed from this journal.",
    u"%1 of the folder carry a temporary name of a rename run; give them their names by hand:",
    u"Set the journal aside to rename in this folder again: it stays in the folder, renamed to "
    u"%1.set-aside- followed by the date and time.",
    u"The folder %1 holds the journal of an interrupted rename run that this program did not "
    u"start here: it may come from another user, from another computer (a volume moved while a "
    u"run was going on), or have been put there.\n\nIt would rename %2 inside this folder (%3 "
    u"under the new name now, %4 under the old name%5).\n\nFinish or roll back that run only if "
    u"you know where it comes from; otherwise set the journal aside (it stays in the folder "
    u"under another name) or leave it for later. Nothing is renamed unless you choose to.",
    u"The journal in the folder %1 could not be set aside (%2).",
    u"A rename run is going on in the folder %1; wait until it has ended.",
    u"The journal could not be removed.",
    u"&Later",
    u"&Remove journal",
    u"&Set aside",
    u"&Finish",
    u"&Roll back",
};

} // namespace

constexpr int kStatuses = int(renaming::RenameStatus::Cancelled) + 1;
static_assert(std::size(Status) == 2 * kStatuses);
static_assert(std::size(Completion) == 2 * (completion::JournalKept + 1));
static_assert(std::size(Recovery) == 2 * (recovery::RollBackButton + 1));

const Table StatusTexts = {Status, kStatuses};
const Table CompletionTexts = {Completion, completion::JournalKept + 1};
const Table RecoveryTexts = {Recovery, recovery::RollBackButton + 1};

} // namespace text
