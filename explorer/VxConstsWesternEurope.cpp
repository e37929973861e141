// The text sets of the Western European languages, leading and trailing blanks included.

#include "explorer/VxConstsTextSets.h"

namespace vxconsts {

// English.
TextSet EnglishTexts = {
    "Name",                                            // ColName
    "Size",                                            // ColSize
    "Type",                                            // ColType
    "Modified",                                        // ColModified
    "Attr",                                            // ColAttr
    "Disk Size",                                       // ColDiskSize
    "Free Space",                                      // ColFreeSpace
    "Unknown",                                         // DriveUnknown
    "Not exist",                                       // DriveNoRoot
    "Removable Disk",                                  // DriveRemovable
    "Fixed Disk",                                      // DriveFixed
    "Network Disk",                                    // DriveRemote
    "CD-ROM Disk",                                     // DriveCDRom
    "RAM Disk",                                        // DriveRamDisk
    "&Open",                                           // MenuOpen
    "&View",                                           // MenuView
    "Se&nd To",                                        // MenuSendTo
    "Cu&t",                                            // MenuCut
    "&Copy",                                           // MenuCopy
    "&Paste",                                          // MenuPaste
    "&Rename",                                         // MenuRename
    "&Delete",                                         // MenuDelete
    "&Properties",                                     // MenuProperties
    "&New Folder...",                                  // MenuNewFolder
    "Any Folder ...",                                  // MenuAnyFolder
    "Clipboard as Contents",                           // MenuClipboardContents
    "Clipboard as FileName",                           // MenuClipboardFileName
    "DeskTop as ShortCut",                             // MenuDesktopShortcut
    "&New Folder",                                     // TreeMenuNewFolder
    "&Rename Folder",                                  // TreeMenuRenameFolder
    "&Delete Folder",                                  // TreeMenuDeleteFolder
    "Cu&t",                                            // TreeMenuCut
    "&Copy",                                           // TreeMenuCopy
    "&Paste",                                          // TreeMenuPaste
    "Tree &Size",                                      // TreeMenuTreeSize
    "&Folder Contents",                                // TreeMenuFolderContents
    "&Map Network Drive ...",                          // TreeMenuMapDrive
    "Dis&Connect Network Drive",                       // TreeMenuDisconnectDrive
    "&Property",                                       // TreeMenuProperty
    "Drive ",                                          // DriveLabel
    "Folder \"",                                       // FolderQuote
    "ERROR - ",                                        // ErrorPrefix
    " file ",                                          // FileWord
    "From  : ",                                        // FromLabel
    "To     : ",                                       // ToLabel
    "Cancel",                                          // CancelCaption
    "Browse",                                          // BrowseCaption
    "ReadOnly",                                        // ReadOnlyCaption
    "Archive",                                         // ArchiveCaption
    "Hidden",                                          // HiddenCaption
    "System",                                          // SystemCaption
    "ERROR - Can't ",                                  // CannotPrefix
    "Please specify a directory",                      // SpecifyDirectory
    "Not a valid Drive ID",                            // InvalidDriveId
    "There is no disk in Drive or Drive is not ready", // DriveNotReady
    "already exists !",                                // AlreadyExists
    "Error - Invalid Directory Name",                  // InvalidDirName
    "Do you want to rename the selected folder",       // ConfirmRenameFolder
    "Can't add drives",                                // CannotAddDrives
    "New Folder",                                      // NewFolderName
    "Folder Name contains invalid characters",         // InvalidFolderChars
    "not found",                                       // NotFound
    "Files in ",                                       // FilesIn
    "File operation failed",                           // FileOpFailed
    "It's ReadOnly",                                   // ItsReadOnly
    "No file(s) selected",                             // NoFileSelected
    "Send to any folder",                              // SendToAnyFolder
    "Please enter the send_to path",                   // EnterSendToPath
    "Error - PersistFile.Save failed",                 // ShortcutSaveFailed
    "Set Attributes",                                  // SetAttributesTitle
    "TREE SIZE",                                       // TreeSizeTitle
    "and all its Sub-Folders ",                        // AndSubFolders
};

// French.
TextSet FrenchTexts = {
    "Nom",                                   // ColName
    "Taille",                                // ColSize
    "Type",                                  // ColType
    "Date",                                  // ColModified
    "Attributs",                             // ColAttr
    "Taille Disque",                         // ColDiskSize
    "Espace libre",                          // ColFreeSpace
    "Inconnu",                               // DriveUnknown
    "N'existe pas",                          // DriveNoRoot
    "Disque amovible",                       // DriveRemovable
    "Disque Fixe",                           // DriveFixed
    "Disque Réseau",                         // DriveRemote
    "CD-ROM",                                // DriveCDRom
    "RAM Disk",                              // DriveRamDisk
    "&Ouvrir",                               // MenuOpen
    "&Voir",                                 // MenuView
    "Co&pier dans",                          // MenuSendTo
    "C&ouper",                               // MenuCut
    "&Copier",                               // MenuCopy
    "Co&ller",                               // MenuPaste
    "&Renommer",                             // MenuRename
    "&Supprimer",                            // MenuDelete
    "&Propriétés",                           // MenuProperties
    "&Nouveau Dossier ...",                  // MenuNewFolder
    "le Dossier ...",                        // MenuAnyFolder
    "Contenu dans le Presse-Papier",         // MenuClipboardContents
    "Nom du fichier  dans le Presse-Papier", // MenuClipboardFileName
    "Comme Raccourci sur le Bureau",         // MenuDesktopShortcut
    "&Nouveau Dossier",                      // TreeMenuNewFolder
    "&Renommer le Dossier",                  // TreeMenuRenameFolder
    "&Effacer le Dossier",                   // TreeMenuDeleteFolder
    "Cou&per",                               // TreeMenuCut
    "&Copier",                               // TreeMenuCopy
    "Co&ller",                               // TreeMenuPaste
    "Taille de l'&arborescence",             // TreeMenuTreeSize
    "&Contenu du Dossier",                   // TreeMenuFolderContents
    "&Connecter Lecteur Réseau ...",         // TreeMenuMapDrive
    "&Déconnecter Lecteur Réseau",           // TreeMenuDisconnectDrive
    "&Propriétés",                           // TreeMenuProperty
    "Lecteur ",                              // DriveLabel
    "Dossier \"",                            // FolderQuote
    "ERREUR - ",                             // ErrorPrefix
    " le fichier  ",                         // FileWord
    "de  : ",                                // FromLabel
    "à     : ",                              // ToLabel
    "Annule",                                // CancelCaption
    "Parcourir",                             // BrowseCaption
    "Lecture Seule",                         // ReadOnlyCaption
    "Archive",                               // ArchiveCaption
    "Caché",                                 // HiddenCaption
    "Système",                               // SystemCaption
    "ERREUR - Impossible de ",               // CannotPrefix
    "SVP choisissez un répertoire",          // SpecifyDirectory
    "ID de lecteur non valide",              // InvalidDriveId
    "Il n'y a pas de disque dans le lecteurou le lecteur n'est pas prêt.", // DriveNotReady
    "\" existe déjà !",                                                    // AlreadyExists
    "Erreur - Nom de répertoire invalide",                                 // InvalidDirName
    "Voulez-vous renommer le dossier sélectionné",                         // ConfirmRenameFolder
    "Impossible d'ajouter des lecteurs",                                   // CannotAddDrives
    "Nouveau Dossier",                                                     // NewFolderName
    "Le nom de dossier contient des caractères interdits",                 // InvalidFolderChars
    "pas trouvé",                                                          // NotFound
    "Fichiers dans ",                                                      // FilesIn
    "L'opération sur le fichier a échoué",                                 // FileOpFailed
    "Lecteur en Lecture Seule",                                            // ItsReadOnly
    "Pas de fichier sélectionné",                                          // NoFileSelected
    "Copier dans le dossier...",                                           // SendToAnyFolder
    "Veuillez donner le chemin de destination",                            // EnterSendToPath
    "Erreur - Fichier protégé.L'enregistrement à échoué",                  // ShortcutSaveFailed
    "Donnez les Attributs",                                                // SetAttributesTitle
    "Taille de l'arbre",                                                   // TreeSizeTitle
    "et de tous ses sous-dossiers ",                                       // AndSubFolders
};

} // namespace vxconsts
