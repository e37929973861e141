#include "explorer/VxConstsTextSets.h"

namespace vxconsts {

OwnTextSet EnglishOwnTexts = {
    "The destinations do not match the sources.",          // OpDestinationsMismatch
    "Moving...",                                           // OpMovingLabel
    "Copying...",                                          // OpCopyingLabel
    "Moving",                                              // OpMovingTitle
    "Copying",                                             // OpCopyingTitle
    "Cancel",                                              // OpCancel
    "The destination folder is inside the source folder.", // OpInsideSource
    "The source and destination are the same.",            // OpSameFile
    "A file with this name already exists.",               // OpFileExists
    "A folder with this name already exists.",             // OpFolderExists
    "Only files, folders and links can be copied.",        // OpUnsupportedKind
    "Confirm Delete",                                      // OpConfirmDeleteTitle
    "\"%1\" cannot be moved to the trash: its volume has no trash and none can be made there."
    "\n\nDo you want to delete it for good? It cannot be restored.", // OpDeleteForGood
    "Are you sure you want to move \"%1\" to the trash?",            // OpConfirmDeleteOne
    "Are you sure you want to move these %1 items to the trash?",    // OpConfirmDeleteMany
    "Confirm File Replace",                                          // OpConfirmReplaceTitle
    "This folder already contains a file named \"%1\".\n\n"
    "Do you want to replace the existing file?", // OpConfirmReplace
    "&Yes",                                      // OpYes
    "Yes to &All",                               // OpYesToAll
    "&No",                                       // OpNo
    "&Skip",                                     // OpSkip
    "Error Moving File or Folder",               // OpErrorMoveTitle
    "Error Copying File or Folder",              // OpErrorCopyTitle
    "Error Deleting File or Folder",             // OpErrorDeleteTitle
    "Error Renaming File or Folder",             // OpErrorRenameTitle
    "Cannot move %1: %2",                        // OpCannotMove
    "Cannot copy %1: %2",                        // OpCannotCopy
    "Cannot delete %1: %2",                      // OpCannotDelete
    "Cannot rename %1: %2",                      // OpCannotRename
    "%1 Properties",                             // PropTitle
    "Name:",                                     // PropName
    "Type:",                                     // PropType
    "Location:",                                 // PropLocation
    "Size:",                                     // PropSize
    "Modified:",                                 // PropModified
    "Permissions:",                              // PropPermissions
    "%1 (%2 bytes)",                             // PropSizeBytes
    ", %1 files, %2 folders",                    // PropFolderCounts
    "The folder \"%1\" cannot be read: %2",      // FolderUnreadable
};

OwnTextSet FrenchOwnTexts = {
    "Les destinations ne correspondent pas aux sources.",                 // OpDestinationsMismatch
    "Déplacement...",                                                     // OpMovingLabel
    "Copie...",                                                           // OpCopyingLabel
    "Déplacement",                                                        // OpMovingTitle
    "Copie",                                                              // OpCopyingTitle
    "Annuler",                                                            // OpCancel
    "Le dossier de destination est à l'intérieur du dossier source.",     // OpInsideSource
    "La source et la destination sont identiques.",                       // OpSameFile
    "Un fichier de ce nom existe déjà.",                                  // OpFileExists
    "Un dossier de ce nom existe déjà.",                                  // OpFolderExists
    "Seuls les fichiers, les dossiers et les liens peuvent être copiés.", // OpUnsupportedKind
    "Confirmer la suppression",                                           // OpConfirmDeleteTitle
    "\"%1\" ne peut pas être mis à la corbeille : son volume n'a pas de corbeille et aucune ne "
    "peut y être créée.\n\nVoulez-vous le supprimer définitivement ? Il ne pourra pas être "
    "restauré.",                                                    // OpDeleteForGood
    "Voulez-vous vraiment mettre \"%1\" à la corbeille ?",          // OpConfirmDeleteOne
    "Voulez-vous vraiment mettre ces %1 éléments à la corbeille ?", // OpConfirmDeleteMany
    "Confirmer le remplacement du fichier",                         // OpConfirmReplaceTitle
    "Ce dossier contient déjà un fichier nommé \"%1\".\n\n"
    "Voulez-vous remplacer le fichier existant ?",               // OpConfirmReplace
    "&Oui",                                                      // OpYes
    "Oui pour &tous",                                            // OpYesToAll
    "&Non",                                                      // OpNo
    "&Ignorer",                                                  // OpSkip
    "Erreur lors du déplacement du fichier ou du dossier",       // OpErrorMoveTitle
    "Erreur lors de la copie du fichier ou du dossier",          // OpErrorCopyTitle
    "Erreur lors de la suppression du fichier ou du dossier",    // OpErrorDeleteTitle
    "Erreur lors du changement de nom du fichier ou du dossier", // OpErrorRenameTitle
    "Impossible de déplacer %1 : %2",                            // OpCannotMove
    "Impossible de copier %1 : %2",                              // OpCannotCopy
    "Impossible de supprimer %1 : %2",                           // OpCannotDelete
    "Impossible de renommer %1 : %2",                            // OpCannotRename
    "Propriétés de %1",                                          // PropTitle
    "Nom :",                                                     // PropName
    "Type :",                                                    // PropType
    "Emplacement :",                                             // PropLocation
    "Taille :",                                                  // PropSize
    "Modifié le :",                                              // PropModified
    "Droits d'accès :",                                          // PropPermissions
    "%1 (%2 octets)",                                            // PropSizeBytes
    ", %1 fichiers, %2 dossiers",                                // PropFolderCounts
    "Impossible de lire le dossier \"%1\" : %2",                 // FolderUnreadable
};

} // namespace vxconsts
