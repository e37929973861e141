// The text sets of the Central European and East Asian languages.

#include "explorer/VxConstsTextSets.h"

namespace vxconsts {

// Polish.
TextSet PolishTexts = {
    "Nazwa",                                          // ColName
    "Rozmiar",                                        // ColSize
    "Typ",                                            // ColType
    "Zmodyfikowany",                                  // ColModified
    "Atryb",                                          // ColAttr
    "Rozmiar dysku",                                  // ColDiskSize
    "Wolne miejsce",                                  // ColFreeSpace
    "Nieznany",                                       // DriveUnknown
    "Nie istnieje",                                   // DriveNoRoot
    "Dysk wymienny",                                  // DriveRemovable
    "Dysk stały",                                     // DriveFixed
    "Dysk sieciowy",                                  // DriveRemote
    "Stacja CD-ROM",                                  // DriveCDRom
    "Dysk RAM",                                       // DriveRamDisk
    "&Otwórz",                                        // MenuOpen
    "&Podgląd",                                       // MenuView
    "&Wyślij do",                                     // MenuSendTo
    "Wy&tnij",                                        // MenuCut
    "&Kopiuj",                                        // MenuCopy
    "Wk&lej",                                         // MenuPaste
    "&Zmień nazwę",                                   // MenuRename
    "&Usuń",                                          // MenuDelete
    "Właś&ciwości",                                   // MenuProperties
    "&Nowy folder...",                                // MenuNewFolder
    "Dowolny folder ...",                             // MenuAnyFolder
    "Schowek jako zawartość",                         // MenuClipboardContents
    "Schowek jako nazwa pliku",                       // MenuClipboardFileName
    "Pulpit jako skrót",                              // MenuDesktopShortcut
    "&Nowy folder",                                   // TreeMenuNewFolder
    "&Zmień nazwę folderu",                           // TreeMenuRenameFolder
    "&Usuń folder",                                   // TreeMenuDeleteFolder
    "Wy&tnij",                                        // TreeMenuCut
    "&Kopiuj",                                        // TreeMenuCopy
    "Wk&lej",                                         // TreeMenuPaste
    "&Rozmiar drzewa",                                // TreeMenuTreeSize
    "&Zawartość folderu",                             // TreeMenuFolderContents
    "&Mapuj dysk sieciowy ...",                       // TreeMenuMapDrive
    "&Odłącz dysk sieciowy",                          // TreeMenuDisconnectDrive
    "Właś&ciwość",                                    // TreeMenuProperty
    "Dysk ",                                          // DriveLabel
    "Folder \"",                                      // FolderQuote
    "BŁĄD - ",                                        // ErrorPrefix
    " plik ",                                         // FileWord
    "Z   : ",                                         // FromLabel
    "Do     : ",                                      // ToLabel
    "Anuluj",                                         // CancelCaption
    "Przeglądaj",                                     // BrowseCaption
    "Tylko do odczytu",                               // ReadOnlyCaption
    "Archiwalny",                                     // ArchiveCaption
    "Ukryty",                                         // HiddenCaption
    "Systemowy",                                      // SystemCaption
    "BŁĄD - Nie można ",                              // CannotPrefix
    "Proszę wybrać katalog",                          // SpecifyDirectory
    "Nieprawidłowy identyfikator dysku",              // InvalidDriveId
    "Brak dysku w stacji lub stacja nie jest gotowa", // DriveNotReady
    "już istnieje !",                                 // AlreadyExists
    "Błąd - Nieprawidłowa nazwa katalogu",            // InvalidDirName
    "Czy chcesz zmienić nazwę wybranego folderu",     // ConfirmRenameFolder
    "Nie można dodać dysków",                         // CannotAddDrives
    "Nowy folder",                                    // NewFolderName
    "Nazwa folderu zawiera niedozwolone znaki",       // InvalidFolderChars
    "nie znaleziono",                                 // NotFound
    "Pliki w ",                                       // FilesIn
    "Operacja na pliku nie powiodła się",             // FileOpFailed
    "Jest tylko do odczytu",                          // ItsReadOnly
    "Nie wybrano plików",                             // NoFileSelected
    "Wyślij do dowolnego folderu",                    // SendToAnyFolder
    "Proszę podać ścieżkę docelową",                  // EnterSendToPath
    "Błąd - PersistFile.Save nie powiodło się",       // ShortcutSaveFailed
    "Ustaw atrybuty",                                 // SetAttributesTitle
    "ROZMIAR DRZEWA",                                 // TreeSizeTitle
    "i wszystkich jego podfolderów ",                 // AndSubFolders
};

// Slovenian.
TextSet SlovenianTexts = {
    "Ime",                                        // ColName
    "Velikost",                                   // ColSize
    "Vrsta",                                      // ColType
    "Spremenjeno",                                // ColModified
    "Atr",                                        // ColAttr
    "Velikost diska",                             // ColDiskSize
    "Prosti prostor",                             // ColFreeSpace
    "Neznano",                                    // DriveUnknown
    "Ne obstaja",                                 // DriveNoRoot
    "Izmenljivi disk",                            // DriveRemovable
    "Trdi disk",                                  // DriveFixed
    "Omrežni disk",                               // DriveRemote
    "Pogon CD-ROM",                               // DriveCDRom
    "RAM disk",                                   // DriveRamDisk
    "&Odpri",                                     // MenuOpen
    "&Pogled",                                    // MenuView
    "Pošl&ji v",                                  // MenuSendTo
    "I&zreži",                                    // MenuCut
    "&Kopiraj",                                   // MenuCopy
    "&Prilepi",                                   // MenuPaste
    "P&reimenuj",                                 // MenuRename
    "Iz&briši",                                   // MenuDelete
    "&Lastnosti",                                 // MenuProperties
    "&Nova mapa...",                              // MenuNewFolder
    "Poljubna mapa ...",                          // MenuAnyFolder
    "Odložišče kot vsebina",                      // MenuClipboardContents
    "Odložišče kot ime datoteke",                 // MenuClipboardFileName
    "Namizje kot bližnjica",                      // MenuDesktopShortcut
    "&Nova mapa",                                 // TreeMenuNewFolder
    "P&reimenuj mapo",                            // TreeMenuRenameFolder
    "Iz&briši mapo",                              // TreeMenuDeleteFolder
    "I&zreži",                                    // TreeMenuCut
    "&Kopiraj",                                   // TreeMenuCopy
    "&Prilepi",                                   // TreeMenuPaste
    "&Velikost drevesa",                          // TreeMenuTreeSize
    "V&sebina mape",                              // TreeMenuFolderContents
    "Pove&ži omrežni pogon ...",                  // TreeMenuMapDrive
    "Prekini &omrežni pogon",                     // TreeMenuDisconnectDrive
    "&Lastnost",                                  // TreeMenuProperty
    "Pogon ",                                     // DriveLabel
    "Mapa \"",                                    // FolderQuote
    "NAPAKA - ",                                  // ErrorPrefix
    " datoteka ",                                 // FileWord
    "Od  : ",                                     // FromLabel
    "Do     : ",                                  // ToLabel
    "Prekliči",                                   // CancelCaption
    "Prebrskaj",                                  // BrowseCaption
    "Samo za branje",                             // ReadOnlyCaption
    "Arhiv",                                      // ArchiveCaption
    "Skrito",                                     // HiddenCaption
    "Sistem",                                     // SystemCaption
    "NAPAKA - Ni mogoče ",                        // CannotPrefix
    "Izberite mapo",                              // SpecifyDirectory
    "Neveljavna oznaka pogona",                   // InvalidDriveId
    "V pogonu ni diska ali pogon ni pripravljen", // DriveNotReady
    "že obstaja !",                               // AlreadyExists
    "Napaka - Neveljavno ime mape",               // InvalidDirName
    "Ali želite preimenovati izbrano mapo",       // ConfirmRenameFolder
    "Pogonov ni mogoče dodati",                   // CannotAddDrives
    "Nova mapa",                                  // NewFolderName
    "Ime mape vsebuje nedovoljene znake",         // InvalidFolderChars
    "ni najdeno",                                 // NotFound
    "Datoteke v ",                                // FilesIn
    "Operacija z datoteko ni uspela",             // FileOpFailed
    "Samo za branje",                             // ItsReadOnly
    "Ni izbranih datotek",                        // NoFileSelected
    "Pošlji v poljubno mapo",                     // SendToAnyFolder
    "Vnesite ciljno pot",                         // EnterSendToPath
    "Napaka - PersistFile.Save ni uspel",         // ShortcutSaveFailed
    "Nastavi atribute",                           // SetAttributesTitle
    "VELIKOST DREVESA",                           // TreeSizeTitle
    "in vseh njenih podmap ",                     // AndSubFolders
};

// Slovak.
TextSet SlovakTexts = {
    "Názov",                                                   // ColName
    "Veľkosť",                                                 // ColSize
    "Typ",                                                     // ColType
    "Zmenené",                                                 // ColModified
    "Atr",                                                     // ColAttr
    "Veľkosť disku",                                           // ColDiskSize
    "Voľné miesto",                                            // ColFreeSpace
    "Neznámy",                                                 // DriveUnknown
    "Neexistuje",                                              // DriveNoRoot
    "Vymeniteľný disk",                                        // DriveRemovable
    "Pevný disk",                                              // DriveFixed
    "Sieťový disk",                                            // DriveRemote
    "Jednotka CD-ROM",                                         // DriveCDRom
    "RAM disk",                                                // DriveRamDisk
    "&Otvoriť",                                                // MenuOpen
    "&Zobraziť",                                               // MenuView
    "&Odoslať do",                                             // MenuSendTo
    "Vys&trihnúť",                                             // MenuCut
    "&Kopírovať",                                              // MenuCopy
    "&Prilepiť",                                               // MenuPaste
    "Pre&menovať",                                             // MenuRename
    "O&dstrániť",                                              // MenuDelete
    "&Vlastnosti",                                             // MenuProperties
    "&Nový priečinok...",                                      // MenuNewFolder
    "Ľubovoľný priečinok ...",                                 // MenuAnyFolder
    "Schránka ako obsah",                                      // MenuClipboardContents
    "Schránka ako názov súboru",                               // MenuClipboardFileName
    "Pracovná plocha ako odkaz",                               // MenuDesktopShortcut
    "&Nový priečinok",                                         // TreeMenuNewFolder
    "Pre&menovať priečinok",                                   // TreeMenuRenameFolder
    "O&dstrániť priečinok",                                    // TreeMenuDeleteFolder
    "Vys&trihnúť",                                             // TreeMenuCut
    "&Kopírovať",                                              // TreeMenuCopy
    "&Prilepiť",                                               // TreeMenuPaste
    "&Veľkosť stromu",                                         // TreeMenuTreeSize
    "&Obsah priečinka",                                        // TreeMenuFolderContents
    "&Pripojiť sieťovú jednotku ...",                          // TreeMenuMapDrive
    "Od&pojiť sieťovú jednotku",                               // TreeMenuDisconnectDrive
    "&Vlastnosť",                                              // TreeMenuProperty
    "Jednotka ",                                               // DriveLabel
    "Priečinok \"",                                            // FolderQuote
    "CHYBA - ",                                                // ErrorPrefix
    " súbor ",                                                 // FileWord
    "Z   : ",                                                  // FromLabel
    "Do     : ",                                               // ToLabel
    "Zrušiť",                                                  // CancelCaption
    "Prehľadávať",                                             // BrowseCaption
    "Iba na čítanie",                                          // ReadOnlyCaption
    "Archív",                                                  // ArchiveCaption
    "Skrytý",                                                  // HiddenCaption
    "Systémový",                                               // SystemCaption
    "CHYBA - Nedá sa ",                                        // CannotPrefix
    "Zadajte adresár",                                         // SpecifyDirectory
    "Neplatný identifikátor jednotky",                         // InvalidDriveId
    "V jednotke nie je disk alebo jednotka nie je pripravená", // DriveNotReady
    "už existuje !",                                           // AlreadyExists
    "Chyba - Neplatný názov adresára",                         // InvalidDirName
    "Chcete premenovať vybratý priečinok",                     // ConfirmRenameFolder
    "Jednotky nemožno pridať",                                 // CannotAddDrives
    "Nový priečinok",                                          // NewFolderName
    "Názov priečinka obsahuje neplatné znaky",                 // InvalidFolderChars
    "nenájdené",                                               // NotFound
    "Súbory v ",                                               // FilesIn
    "Operácia so súborom zlyhala",                             // FileOpFailed
    "Je iba na čítanie",                                       // ItsReadOnly
    "Nie sú vybraté žiadne súbory",                            // NoFileSelected
    "Odoslať do ľubovoľného priečinka",                        // SendToAnyFolder
    "Zadajte cieľovú cestu",                                   // EnterSendToPath
    "Chyba - PersistFile.Save zlyhalo",                        // ShortcutSaveFailed
    "Nastaviť atribúty",                                       // SetAttributesTitle
    "VEĽKOSŤ STROMU",                                          // TreeSizeTitle
    "a všetkých jeho podpriečinkov ",                          // AndSubFolders
};

// ChineseTraditional.
TextSet ChineseTraditionalTexts = {
    "名稱",                             // ColName
    "大小",                             // ColSize
    "類型",                             // ColType
    "修改日期",                         // ColModified
    "屬性",                             // ColAttr
    "磁碟大小",                         // ColDiskSize
    "可用空間",                         // ColFreeSpace
    "未知",                             // DriveUnknown
    "不存在",                           // DriveNoRoot
    "抽取式磁碟",                       // DriveRemovable
    "本機磁碟",                         // DriveFixed
    "網路磁碟",                         // DriveRemote
    "光碟機",                           // DriveCDRom
    "RAM 磁碟",                         // DriveRamDisk
    "開啟(&O)",                         // MenuOpen
    "檢視(&V)",                         // MenuView
    "傳送到(&N)",                       // MenuSendTo
    "剪下(&T)",                         // MenuCut
    "複製(&C)",                         // MenuCopy
    "貼上(&P)",                         // MenuPaste
    "重新命名(&R)",                     // MenuRename
    "刪除(&D)",                         // MenuDelete
    "內容(&P)",                         // MenuProperties
    "新增資料夾(&N)...",                // MenuNewFolder
    "任意資料夾 ...",                   // MenuAnyFolder
    "剪貼簿作為內容",                   // MenuClipboardContents
    "剪貼簿作為檔案名稱",               // MenuClipboardFileName
    "桌面作為捷徑",                     // MenuDesktopShortcut
    "新增資料夾(&N)",                   // TreeMenuNewFolder
    "重新命名資料夾(&R)",               // TreeMenuRenameFolder
    "刪除資料夾(&D)",                   // TreeMenuDeleteFolder
    "剪下(&T)",                         // TreeMenuCut
    "複製(&C)",                         // TreeMenuCopy
    "貼上(&P)",                         // TreeMenuPaste
    "樹狀大小(&S)",                     // TreeMenuTreeSize
    "資料夾內容(&F)",                   // TreeMenuFolderContents
    "連線網路磁碟機(&M) ...",           // TreeMenuMapDrive
    "中斷網路磁碟機(&C)",               // TreeMenuDisconnectDrive
    "內容(&P)",                         // TreeMenuProperty
    "磁碟機 ",                          // DriveLabel
    "資料夾 \"",                        // FolderQuote
    "錯誤 - ",                          // ErrorPrefix
    " 檔案 ",                           // FileWord
    "從  : ",                           // FromLabel
    "到     : ",                        // ToLabel
    "取消",                             // CancelCaption
    "瀏覽",                             // BrowseCaption
    "唯讀",                             // ReadOnlyCaption
    "封存",                             // ArchiveCaption
    "隱藏",                             // HiddenCaption
    "系統",                             // SystemCaption
    "錯誤 - 無法 ",                     // CannotPrefix
    "請指定一個目錄",                   // SpecifyDirectory
    "無效的磁碟機代號",                 // InvalidDriveId
    "磁碟機中沒有磁碟或磁碟機尚未就緒", // DriveNotReady
    "已經存在 !",                       // AlreadyExists
    "錯誤 - 無效的目錄名稱",            // InvalidDirName
    "您要重新命名選取的資料夾嗎",       // ConfirmRenameFolder
    "無法新增磁碟機",                   // CannotAddDrives
    "新資料夾",                         // NewFolderName
    "資料夾名稱包含無效字元",           // InvalidFolderChars
    "找不到",                           // NotFound
    "檔案位於 ",                        // FilesIn
    "檔案操作失敗",                     // FileOpFailed
    "它是唯讀的",                       // ItsReadOnly
    "未選取檔案",                       // NoFileSelected
    "傳送到任意資料夾",                 // SendToAnyFolder
    "請輸入目的地路徑",                 // EnterSendToPath
    "錯誤 - PersistFile.Save 失敗",     // ShortcutSaveFailed
    "設定屬性",                         // SetAttributesTitle
    "樹狀大小",                         // TreeSizeTitle
    "及其所有子資料夾 ",                // AndSubFolders
};

// ChineseSimplified.
TextSet ChineseSimplifiedTexts = {
    "名称",                           // ColName
    "大小",                           // ColSize
    "类型",                           // ColType
    "修改日期",                       // ColModified
    "属性",                           // ColAttr
    "磁盘大小",                       // ColDiskSize
    "可用空间",                       // ColFreeSpace
    "未知",                           // DriveUnknown
    "不存在",                         // DriveNoRoot
    "可移动磁盘",                     // DriveRemovable
    "本地磁盘",                       // DriveFixed
    "网络磁盘",                       // DriveRemote
    "光盘驱动器",                     // DriveCDRom
    "RAM 磁盘",                       // DriveRamDisk
    "打开(&O)",                       // MenuOpen
    "查看(&V)",                       // MenuView
    "发送到(&N)",                     // MenuSendTo
    "剪切(&T)",                       // MenuCut
    "复制(&C)",                       // MenuCopy
    "粘贴(&P)",                       // MenuPaste
    "重命名(&R)",                     // MenuRename
    "删除(&D)",                       // MenuDelete
    "属性(&P)",                       // MenuProperties
    "新建文件夹(&N)...",              // MenuNewFolder
    "任意文件夹 ...",                 // MenuAnyFolder
    "剪贴板作为内容",                 // MenuClipboardContents
    "剪贴板作为文件名",               // MenuClipboardFileName
    "桌面作为快捷方式",               // MenuDesktopShortcut
    "新建文件夹(&N)",                 // TreeMenuNewFolder
    "重命名文件夹(&R)",               // TreeMenuRenameFolder
    "删除文件夹(&D)",                 // TreeMenuDeleteFolder
    "剪切(&T)",                       // TreeMenuCut
    "复制(&C)",                       // TreeMenuCopy
    "粘贴(&P)",                       // TreeMenuPaste
    "目录树大小(&S)",                 // TreeMenuTreeSize
    "文件夹内容(&F)",                 // TreeMenuFolderContents
    "映射网络驱动器(&M) ...",         // TreeMenuMapDrive
    "断开网络驱动器(&C)",             // TreeMenuDisconnectDrive
    "属性(&P)",                       // TreeMenuProperty
    "驱动器 ",                        // DriveLabel
    "文件夹 \"",                      // FolderQuote
    "错误 - ",                        // ErrorPrefix
    " 文件 ",                         // FileWord
    "从  : ",                         // FromLabel
    "到     : ",                      // ToLabel
    "取消",                           // CancelCaption
    "浏览",                           // BrowseCaption
    "只读",                           // ReadOnlyCaption
    "存档",                           // ArchiveCaption
    "隐藏",                           // HiddenCaption
    "系统",                           // SystemCaption
    "错误 - 无法 ",                   // CannotPrefix
    "请指定一个目录",                 // SpecifyDirectory
    "无效的驱动器标识",               // InvalidDriveId
    "驱动器中没有磁盘或驱动器未就绪", // DriveNotReady
    "已经存在 !",                     // AlreadyExists
    "错误 - 无效的目录名",            // InvalidDirName
    "您要重命名所选文件夹吗",         // ConfirmRenameFolder
    "无法添加驱动器",                 // CannotAddDrives
    "新建文件夹",                     // NewFolderName
    "文件夹名称包含无效字符",         // InvalidFolderChars
    "未找到",                         // NotFound
    "文件位于 ",                      // FilesIn
    "文件操作失败",                   // FileOpFailed
    "它是只读的",                     // ItsReadOnly
    "未选择文件",                     // NoFileSelected
    "发送到任意文件夹",               // SendToAnyFolder
    "请输入目标路径",                 // EnterSendToPath
    "错误 - PersistFile.Save 失败",   // ShortcutSaveFailed
    "设置属性",                       // SetAttributesTitle
    "目录树大小",                     // TreeSizeTitle
    "及其所有子文件夹 ",              // AndSubFolders
};

// Japanese.
TextSet JapaneseTexts = {
    "名前",                                                       // ColName
    "サイズ",                                                     // ColSize
    "種類",                                                       // ColType
    "更新日時",                                                   // ColModified
    "属性",                                                       // ColAttr
    "ディスクサイズ",                                             // ColDiskSize
    "空き領域",                                                   // ColFreeSpace
    "不明",                                                       // DriveUnknown
    "存在しません",                                               // DriveNoRoot
    "リムーバブル ディスク",                                      // DriveRemovable
    "ローカル ディスク",                                          // DriveFixed
    "ネットワーク ドライブ",                                      // DriveRemote
    "CD-ROM ドライブ",                                            // DriveCDRom
    "RAM ディスク",                                               // DriveRamDisk
    "開く(&O)",                                                   // MenuOpen
    "表示(&V)",                                                   // MenuView
    "送る(&N)",                                                   // MenuSendTo
    "切り取り(&T)",                                               // MenuCut
    "コピー(&C)",                                                 // MenuCopy
    "貼り付け(&P)",                                               // MenuPaste
    "名前の変更(&R)",                                             // MenuRename
    "削除(&D)",                                                   // MenuDelete
    "プロパティ(&P)",                                             // MenuProperties
    "新しいフォルダ(&N)...",                                      // MenuNewFolder
    "任意のフォルダ ...",                                         // MenuAnyFolder
    "クリップボードに内容",                                       // MenuClipboardContents
    "クリップボードにファイル名",                                 // MenuClipboardFileName
    "デスクトップにショートカット",                               // MenuDesktopShortcut
    "新しいフォルダ(&N)",                                         // TreeMenuNewFolder
    "フォルダ名の変更(&R)",                                       // TreeMenuRenameFolder
    "フォルダの削除(&D)",                                         // TreeMenuDeleteFolder
    "切り取り(&T)",                                               // TreeMenuCut
    "コピー(&C)",                                                 // TreeMenuCopy
    "貼り付け(&P)",                                               // TreeMenuPaste
    "ツリーのサイズ(&S)",                                         // TreeMenuTreeSize
    "フォルダの内容(&F)",                                         // TreeMenuFolderContents
    "ネットワーク ドライブの割り当て(&M) ...",                    // TreeMenuMapDrive
    "ネットワーク ドライブの切断(&C)",                            // TreeMenuDisconnectDrive
    "プロパティ(&P)",                                             // TreeMenuProperty
    "ドライブ ",                                                  // DriveLabel
    "フォルダ \"",                                                // FolderQuote
    "エラー - ",                                                  // ErrorPrefix
    " ファイル ",                                                 // FileWord
    "元  : ",                                                     // FromLabel
    "先     : ",                                                  // ToLabel
    "キャンセル",                                                 // CancelCaption
    "参照",                                                       // BrowseCaption
    "読み取り専用",                                               // ReadOnlyCaption
    "アーカイブ",                                                 // ArchiveCaption
    "隠しファイル",                                               // HiddenCaption
    "システム",                                                   // SystemCaption
    "エラー - 次を実行できません: ",                              // CannotPrefix
    "ディレクトリを指定してください",                             // SpecifyDirectory
    "無効なドライブ ID です",                                     // InvalidDriveId
    "ドライブにディスクがないか、ドライブの準備ができていません", // DriveNotReady
    "は既に存在します !",                                         // AlreadyExists
    "エラー - 無効なディレクトリ名です",                          // InvalidDirName
    "選択したフォルダの名前を変更しますか",                       // ConfirmRenameFolder
    "ドライブを追加できません",                                   // CannotAddDrives
    "新しいフォルダ",                                             // NewFolderName
    "フォルダ名に無効な文字が含まれています",                     // InvalidFolderChars
    "見つかりません",                                             // NotFound
    "ファイルの場所 ",                                            // FilesIn
    "ファイル操作に失敗しました",                                 // FileOpFailed
    "読み取り専用です",                                           // ItsReadOnly
    "ファイルが選択されていません",                               // NoFileSelected
    "任意のフォルダへ送る",                                       // SendToAnyFolder
    "送り先のパスを入力してください",                             // EnterSendToPath
    "エラー - PersistFile.Save に失敗しました",                   // ShortcutSaveFailed
    "属性の設定",                                                 // SetAttributesTitle
    "ツリーのサイズ",                                             // TreeSizeTitle
    "とそのすべてのサブフォルダ ",                                // AndSubFolders
};

} // namespace vxconsts
