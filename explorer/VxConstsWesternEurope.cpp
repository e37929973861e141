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

// Dutch.
TextSet DutchTexts = {
    "Naam",                                                            // ColName
    "Grootte",                                                         // ColSize
    "Type",                                                            // ColType
    "Gewijzigd",                                                       // ColModified
    "Attr",                                                            // ColAttr
    "Schijfgrootte",                                                   // ColDiskSize
    "Vrije ruimte",                                                    // ColFreeSpace
    "Onbekend",                                                        // DriveUnknown
    "Bestaat niet",                                                    // DriveNoRoot
    "Verwisselbare schijf",                                            // DriveRemovable
    "Vaste schijf",                                                    // DriveFixed
    "Netwerkschijf",                                                   // DriveRemote
    "Cd-romstation",                                                   // DriveCDRom
    "RAM-schijf",                                                      // DriveRamDisk
    "&Openen",                                                         // MenuOpen
    "&Weergeven",                                                      // MenuView
    "&Kopiëren naar",                                                  // MenuSendTo
    "K&nippen",                                                        // MenuCut
    "&Kopiëren",                                                       // MenuCopy
    "&Plakken",                                                        // MenuPaste
    "&Naam wijzigen",                                                  // MenuRename
    "&Verwijderen",                                                    // MenuDelete
    "&Eigenschappen",                                                  // MenuProperties
    "&Nieuwe map...",                                                  // MenuNewFolder
    "Willekeurige map ...",                                            // MenuAnyFolder
    "Klembord als inhoud",                                             // MenuClipboardContents
    "Klembord als bestandsnaam",                                       // MenuClipboardFileName
    "Bureaublad als snelkoppeling",                                    // MenuDesktopShortcut
    "&Nieuwe map",                                                     // TreeMenuNewFolder
    "Map &hernoemen",                                                  // TreeMenuRenameFolder
    "Map &verwijderen",                                                // TreeMenuDeleteFolder
    "K&nippen",                                                        // TreeMenuCut
    "&Kopiëren",                                                       // TreeMenuCopy
    "&Plakken",                                                        // TreeMenuPaste
    "Boom&grootte",                                                    // TreeMenuTreeSize
    "&Inhoud van map",                                                 // TreeMenuFolderContents
    "Netwerkstation &toewijzen ...",                                   // TreeMenuMapDrive
    "Netwerkstation &loskoppelen",                                     // TreeMenuDisconnectDrive
    "&Eigenschap",                                                     // TreeMenuProperty
    "Station ",                                                        // DriveLabel
    "Map \"",                                                          // FolderQuote
    "FOUT - ",                                                         // ErrorPrefix
    " bestand ",                                                       // FileWord
    "Van   : ",                                                        // FromLabel
    "Naar   : ",                                                       // ToLabel
    "Annuleren",                                                       // CancelCaption
    "Bladeren",                                                        // BrowseCaption
    "Alleen-lezen",                                                    // ReadOnlyCaption
    "Archief",                                                         // ArchiveCaption
    "Verborgen",                                                       // HiddenCaption
    "Systeem",                                                         // SystemCaption
    "FOUT - Kan niet ",                                                // CannotPrefix
    "Geef een map op",                                                 // SpecifyDirectory
    "Geen geldige stationsaanduiding",                                 // InvalidDriveId
    "Er zit geen schijf in het station of het station is niet gereed", // DriveNotReady
    "bestaat al !",                                                    // AlreadyExists
    "Fout - Ongeldige mapnaam",                                        // InvalidDirName
    "Wilt u de geselecteerde map hernoemen",                           // ConfirmRenameFolder
    "Kan geen stations toevoegen",                                     // CannotAddDrives
    "Nieuwe map",                                                      // NewFolderName
    "De mapnaam bevat ongeldige tekens",                               // InvalidFolderChars
    "niet gevonden",                                                   // NotFound
    "Bestanden in ",                                                   // FilesIn
    "Bestandsbewerking mislukt",                                       // FileOpFailed
    "Het is alleen-lezen",                                             // ItsReadOnly
    "Geen bestand(en) geselecteerd",                                   // NoFileSelected
    "Naar een willekeurige map sturen",                                // SendToAnyFolder
    "Geef het doelpad op",                                             // EnterSendToPath
    "Fout - PersistFile.Save mislukt",                                 // ShortcutSaveFailed
    "Kenmerken instellen",                                             // SetAttributesTitle
    "BOOMGROOTTE",                                                     // TreeSizeTitle
    "en al zijn submappen ",                                           // AndSubFolders
};

// German.
TextSet GermanTexts = {
    "Name",                                                    // ColName
    "Größe",                                                   // ColSize
    "Typ",                                                     // ColType
    "Geändert",                                                // ColModified
    "Attr",                                                    // ColAttr
    "Datenträgergröße",                                        // ColDiskSize
    "Freier Speicher",                                         // ColFreeSpace
    "Unbekannt",                                               // DriveUnknown
    "Existiert nicht",                                         // DriveNoRoot
    "Wechseldatenträger",                                      // DriveRemovable
    "Festplatte",                                              // DriveFixed
    "Netzlaufwerk",                                            // DriveRemote
    "CD-ROM-Laufwerk",                                         // DriveCDRom
    "RAM-Disk",                                                // DriveRamDisk
    "Ö&ffnen",                                                 // MenuOpen
    "&Ansicht",                                                // MenuView
    "Se&nden an",                                              // MenuSendTo
    "&Ausschneiden",                                           // MenuCut
    "&Kopieren",                                               // MenuCopy
    "&Einfügen",                                               // MenuPaste
    "&Umbenennen",                                             // MenuRename
    "&Löschen",                                                // MenuDelete
    "&Eigenschaften",                                          // MenuProperties
    "&Neuer Ordner...",                                        // MenuNewFolder
    "Beliebiger Ordner ...",                                   // MenuAnyFolder
    "Zwischenablage als Inhalt",                               // MenuClipboardContents
    "Zwischenablage als Dateiname",                            // MenuClipboardFileName
    "Desktop als Verknüpfung",                                 // MenuDesktopShortcut
    "&Neuer Ordner",                                           // TreeMenuNewFolder
    "Ordner &umbenennen",                                      // TreeMenuRenameFolder
    "Ordner &löschen",                                         // TreeMenuDeleteFolder
    "&Ausschneiden",                                           // TreeMenuCut
    "&Kopieren",                                               // TreeMenuCopy
    "&Einfügen",                                               // TreeMenuPaste
    "Baum&größe",                                              // TreeMenuTreeSize
    "Ordner&inhalt",                                           // TreeMenuFolderContents
    "Netzlaufwerk &verbinden ...",                             // TreeMenuMapDrive
    "Netzlaufwerk &trennen",                                   // TreeMenuDisconnectDrive
    "&Eigenschaft",                                            // TreeMenuProperty
    "Laufwerk ",                                               // DriveLabel
    "Ordner \"",                                               // FolderQuote
    "FEHLER - ",                                               // ErrorPrefix
    " Datei ",                                                 // FileWord
    "Von  : ",                                                 // FromLabel
    "Nach   : ",                                               // ToLabel
    "Abbrechen",                                               // CancelCaption
    "Durchsuchen",                                             // BrowseCaption
    "Schreibgeschützt",                                        // ReadOnlyCaption
    "Archiv",                                                  // ArchiveCaption
    "Versteckt",                                               // HiddenCaption
    "System",                                                  // SystemCaption
    "FEHLER - Kann nicht ",                                    // CannotPrefix
    "Bitte wählen Sie ein Verzeichnis",                        // SpecifyDirectory
    "Keine gültige Laufwerkskennung",                          // InvalidDriveId
    "Kein Datenträger im Laufwerk oder Laufwerk nicht bereit", // DriveNotReady
    "existiert bereits !",                                     // AlreadyExists
    "Fehler - Ungültiger Verzeichnisname",                     // InvalidDirName
    "Möchten Sie den gewählten Ordner umbenennen",             // ConfirmRenameFolder
    "Laufwerke können nicht hinzugefügt werden",               // CannotAddDrives
    "Neuer Ordner",                                            // NewFolderName
    "Der Ordnername enthält ungültige Zeichen",                // InvalidFolderChars
    "nicht gefunden",                                          // NotFound
    "Dateien in ",                                             // FilesIn
    "Dateivorgang fehlgeschlagen",                             // FileOpFailed
    "Schreibgeschützt",                                        // ItsReadOnly
    "Keine Datei(en) ausgewählt",                              // NoFileSelected
    "An beliebigen Ordner senden",                             // SendToAnyFolder
    "Bitte geben Sie den Zielpfad ein",                        // EnterSendToPath
    "Fehler - PersistFile.Save fehlgeschlagen",                // ShortcutSaveFailed
    "Attribute setzen",                                        // SetAttributesTitle
    "BAUMGRÖSSE",                                              // TreeSizeTitle
    "und aller Unterordner ",                                  // AndSubFolders
};

// Italian.
TextSet ItalianTexts = {
    "Nome",                                                 // ColName
    "Dimensione",                                           // ColSize
    "Tipo",                                                 // ColType
    "Modificato",                                           // ColModified
    "Attr",                                                 // ColAttr
    "Dimensione disco",                                     // ColDiskSize
    "Spazio libero",                                        // ColFreeSpace
    "Sconosciuto",                                          // DriveUnknown
    "Non esiste",                                           // DriveNoRoot
    "Disco rimovibile",                                     // DriveRemovable
    "Disco fisso",                                          // DriveFixed
    "Disco di rete",                                        // DriveRemote
    "Unità CD-ROM",                                         // DriveCDRom
    "Disco RAM",                                            // DriveRamDisk
    "&Apri",                                                // MenuOpen
    "&Visualizza",                                          // MenuView
    "&Invia a",                                             // MenuSendTo
    "&Taglia",                                              // MenuCut
    "&Copia",                                               // MenuCopy
    "I&ncolla",                                             // MenuPaste
    "&Rinomina",                                            // MenuRename
    "&Elimina",                                             // MenuDelete
    "&Proprietà",                                           // MenuProperties
    "&Nuova cartella...",                                   // MenuNewFolder
    "Qualsiasi cartella ...",                               // MenuAnyFolder
    "Appunti come contenuto",                               // MenuClipboardContents
    "Appunti come nome file",                               // MenuClipboardFileName
    "Desktop come collegamento",                            // MenuDesktopShortcut
    "&Nuova cartella",                                      // TreeMenuNewFolder
    "&Rinomina cartella",                                   // TreeMenuRenameFolder
    "&Elimina cartella",                                    // TreeMenuDeleteFolder
    "&Taglia",                                              // TreeMenuCut
    "&Copia",                                               // TreeMenuCopy
    "I&ncolla",                                             // TreeMenuPaste
    "&Dimensione albero",                                   // TreeMenuTreeSize
    "C&ontenuto cartella",                                  // TreeMenuFolderContents
    "Connetti &unità di rete ...",                          // TreeMenuMapDrive
    "&Disconnetti unità di rete",                           // TreeMenuDisconnectDrive
    "&Proprietà",                                           // TreeMenuProperty
    "Unità ",                                               // DriveLabel
    "Cartella \"",                                          // FolderQuote
    "ERRORE - ",                                            // ErrorPrefix
    " file ",                                               // FileWord
    "Da  : ",                                               // FromLabel
    "A      : ",                                            // ToLabel
    "Annulla",                                              // CancelCaption
    "Sfoglia",                                              // BrowseCaption
    "Sola lettura",                                         // ReadOnlyCaption
    "Archivio",                                             // ArchiveCaption
    "Nascosto",                                             // HiddenCaption
    "Sistema",                                              // SystemCaption
    "ERRORE - Impossibile ",                                // CannotPrefix
    "Specificare una directory",                            // SpecifyDirectory
    "ID unità non valido",                                  // InvalidDriveId
    "Nessun disco nell'unità o unità non pronta",           // DriveNotReady
    "esiste già !",                                         // AlreadyExists
    "Errore - Nome di directory non valido",                // InvalidDirName
    "Rinominare la cartella selezionata",                   // ConfirmRenameFolder
    "Impossibile aggiungere unità",                         // CannotAddDrives
    "Nuova cartella",                                       // NewFolderName
    "Il nome della cartella contiene caratteri non validi", // InvalidFolderChars
    "non trovato",                                          // NotFound
    "File in ",                                             // FilesIn
    "Operazione sul file non riuscita",                     // FileOpFailed
    "È di sola lettura",                                    // ItsReadOnly
    "Nessun file selezionato",                              // NoFileSelected
    "Invia a qualsiasi cartella",                           // SendToAnyFolder
    "Immettere il percorso di destinazione",                // EnterSendToPath
    "Errore - PersistFile.Save non riuscito",               // ShortcutSaveFailed
    "Imposta attributi",                                    // SetAttributesTitle
    "DIMENSIONE ALBERO",                                    // TreeSizeTitle
    "e di tutte le sue sottocartelle ",                     // AndSubFolders
};

// Portuguese.
TextSet PortugueseTexts = {
    "Nome",                                                 // ColName
    "Tamanho",                                              // ColSize
    "Tipo",                                                 // ColType
    "Modificado",                                           // ColModified
    "Atrib",                                                // ColAttr
    "Tamanho do disco",                                     // ColDiskSize
    "Espaço livre",                                         // ColFreeSpace
    "Desconhecido",                                         // DriveUnknown
    "Não existe",                                           // DriveNoRoot
    "Disco removível",                                      // DriveRemovable
    "Disco fixo",                                           // DriveFixed
    "Disco de rede",                                        // DriveRemote
    "Unidade de CD-ROM",                                    // DriveCDRom
    "Disco RAM",                                            // DriveRamDisk
    "&Abrir",                                               // MenuOpen
    "&Visualizar",                                          // MenuView
    "E&nviar para",                                         // MenuSendTo
    "Recor&tar",                                            // MenuCut
    "&Copiar",                                              // MenuCopy
    "C&olar",                                               // MenuPaste
    "&Renomear",                                            // MenuRename
    "&Excluir",                                             // MenuDelete
    "&Propriedades",                                        // MenuProperties
    "&Nova pasta...",                                       // MenuNewFolder
    "Qualquer pasta ...",                                   // MenuAnyFolder
    "Área de transferência como conteúdo",                  // MenuClipboardContents
    "Área de transferência como nome de arquivo",           // MenuClipboardFileName
    "Área de trabalho como atalho",                         // MenuDesktopShortcut
    "&Nova pasta",                                          // TreeMenuNewFolder
    "&Renomear pasta",                                      // TreeMenuRenameFolder
    "&Excluir pasta",                                       // TreeMenuDeleteFolder
    "Recor&tar",                                            // TreeMenuCut
    "&Copiar",                                              // TreeMenuCopy
    "C&olar",                                               // TreeMenuPaste
    "&Tamanho da árvore",                                   // TreeMenuTreeSize
    "Conteúdo da &pasta",                                   // TreeMenuFolderContents
    "&Mapear unidade de rede ...",                          // TreeMenuMapDrive
    "&Desconectar unidade de rede",                         // TreeMenuDisconnectDrive
    "P&ropriedade",                                         // TreeMenuProperty
    "Unidade ",                                             // DriveLabel
    "Pasta \"",                                             // FolderQuote
    "ERRO - ",                                              // ErrorPrefix
    " arquivo ",                                            // FileWord
    "De  : ",                                               // FromLabel
    "Para   : ",                                            // ToLabel
    "Cancelar",                                             // CancelCaption
    "Procurar",                                             // BrowseCaption
    "Somente leitura",                                      // ReadOnlyCaption
    "Arquivo morto",                                        // ArchiveCaption
    "Oculto",                                               // HiddenCaption
    "Sistema",                                              // SystemCaption
    "ERRO - Não é possível ",                               // CannotPrefix
    "Especifique um diretório",                             // SpecifyDirectory
    "ID de unidade inválido",                               // InvalidDriveId
    "Não há disco na unidade ou a unidade não está pronta", // DriveNotReady
    "já existe !",                                          // AlreadyExists
    "Erro - Nome de diretório inválido",                    // InvalidDirName
    "Deseja renomear a pasta selecionada",                  // ConfirmRenameFolder
    "Não é possível adicionar unidades",                    // CannotAddDrives
    "Nova pasta",                                           // NewFolderName
    "O nome da pasta contém caracteres inválidos",          // InvalidFolderChars
    "não encontrado",                                       // NotFound
    "Arquivos em ",                                         // FilesIn
    "A operação de arquivo falhou",                         // FileOpFailed
    "É somente leitura",                                    // ItsReadOnly
    "Nenhum arquivo selecionado",                           // NoFileSelected
    "Enviar para qualquer pasta",                           // SendToAnyFolder
    "Digite o caminho de destino",                          // EnterSendToPath
    "Erro - PersistFile.Save falhou",                       // ShortcutSaveFailed
    "Definir atributos",                                    // SetAttributesTitle
    "TAMANHO DA ÁRVORE",                                    // TreeSizeTitle
    "e de todas as suas subpastas ",                        // AndSubFolders
};

// Spanish.
TextSet SpanishTexts = {
    "Nombre",                                                  // ColName
    "Tamaño",                                                  // ColSize
    "Tipo",                                                    // ColType
    "Modificado",                                              // ColModified
    "Atrib",                                                   // ColAttr
    "Tamaño del disco",                                        // ColDiskSize
    "Espacio libre",                                           // ColFreeSpace
    "Desconocido",                                             // DriveUnknown
    "No existe",                                               // DriveNoRoot
    "Disco extraíble",                                         // DriveRemovable
    "Disco fijo",                                              // DriveFixed
    "Disco de red",                                            // DriveRemote
    "Unidad de CD-ROM",                                        // DriveCDRom
    "Disco RAM",                                               // DriveRamDisk
    "&Abrir",                                                  // MenuOpen
    "&Ver",                                                    // MenuView
    "E&nviar a",                                               // MenuSendTo
    "Cor&tar",                                                 // MenuCut
    "&Copiar",                                                 // MenuCopy
    "&Pegar",                                                  // MenuPaste
    "Cambiar &nombre",                                         // MenuRename
    "&Eliminar",                                               // MenuDelete
    "P&ropiedades",                                            // MenuProperties
    "&Nueva carpeta...",                                       // MenuNewFolder
    "Cualquier carpeta ...",                                   // MenuAnyFolder
    "Portapapeles como contenido",                             // MenuClipboardContents
    "Portapapeles como nombre de archivo",                     // MenuClipboardFileName
    "Escritorio como acceso directo",                          // MenuDesktopShortcut
    "&Nueva carpeta",                                          // TreeMenuNewFolder
    "Cambiar &nombre de carpeta",                              // TreeMenuRenameFolder
    "&Eliminar carpeta",                                       // TreeMenuDeleteFolder
    "Cor&tar",                                                 // TreeMenuCut
    "&Copiar",                                                 // TreeMenuCopy
    "&Pegar",                                                  // TreeMenuPaste
    "&Tamaño del árbol",                                       // TreeMenuTreeSize
    "Contenido de la &carpeta",                                // TreeMenuFolderContents
    "Conectar &unidad de red ...",                             // TreeMenuMapDrive
    "&Desconectar unidad de red",                              // TreeMenuDisconnectDrive
    "P&ropiedad",                                              // TreeMenuProperty
    "Unidad ",                                                 // DriveLabel
    "Carpeta \"",                                              // FolderQuote
    "ERROR - ",                                                // ErrorPrefix
    " archivo ",                                               // FileWord
    "De  : ",                                                  // FromLabel
    "A      : ",                                               // ToLabel
    "Cancelar",                                                // CancelCaption
    "Examinar",                                                // BrowseCaption
    "Solo lectura",                                            // ReadOnlyCaption
    "Archivo",                                                 // ArchiveCaption
    "Oculto",                                                  // HiddenCaption
    "Sistema",                                                 // SystemCaption
    "ERROR - No se puede ",                                    // CannotPrefix
    "Especifique un directorio",                               // SpecifyDirectory
    "Identificador de unidad no válido",                       // InvalidDriveId
    "No hay disco en la unidad o la unidad no está preparada", // DriveNotReady
    "ya existe !",                                             // AlreadyExists
    "Error - Nombre de directorio no válido",                  // InvalidDirName
    "¿Desea cambiar el nombre de la carpeta seleccionada",     // ConfirmRenameFolder
    "No se pueden agregar unidades",                           // CannotAddDrives
    "Nueva carpeta",                                           // NewFolderName
    "El nombre de la carpeta contiene caracteres no válidos",  // InvalidFolderChars
    "no encontrado",                                           // NotFound
    "Archivos en ",                                            // FilesIn
    "La operación con el archivo ha fallado",                  // FileOpFailed
    "Es de solo lectura",                                      // ItsReadOnly
    "Ningún archivo seleccionado",                             // NoFileSelected
    "Enviar a cualquier carpeta",                              // SendToAnyFolder
    "Escriba la ruta de destino",                              // EnterSendToPath
    "Error - PersistFile.Save ha fallado",                     // ShortcutSaveFailed
    "Establecer atributos",                                    // SetAttributesTitle
    "TAMAÑO DEL ÁRBOL",                                        // TreeSizeTitle
    "y de todas sus subcarpetas ",                             // AndSubFolders
};

} // namespace vxconsts
