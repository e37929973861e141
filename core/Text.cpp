#include "core/Text.h"

namespace text {

namespace {

LanguageIndex g_languageIndex = English;

constexpr const char16_t* Hints[] = {
    u"Renommer les fichiers MP3",
    u"Monter le fichier sélectionné dans la liste (Ctrl+Haut)",
    u"Descendre le fichier sélectionné dans la liste (Ctrl+Bas)",
    u"Placer le fichier sélectionné au début de la liste (Ctrl+Début)",
    u"Placer le fichier sélectionné à la fin de la liste (Ctrl+Fin)",
    u"Imprimer",
    u"Quitter",
    u"Rename the MP3 files",
    u"Move the selected file up the list (Ctrl+Up)",
    u"Move the selected file down the list (Ctrl+Down)",
    u"Place the selected file at the beginning of the list (Ctrl+Home)",
    u"Place the selected file at the end of the list (Ctrl+End)",
    u"Print",
    u"Exit",
};

constexpr const char16_t* FileMenu[] = {
    u"&Fichier", u"&Imprimer", u"&Exporter", u"&Quitter", u"&File", u"&Print", u"&Export", u"&Exit",
};

constexpr const char16_t* ActionsMenu[] = {
    u"A&ctions",
    u"&Renommer les fichiers MP3",
    u"A&ctions",
    u"&Rename the MP3 files",
};

constexpr const char16_t* LanguageMenu[] = {
    u"&Langue", u"&English", u"&Français", u"&Language", u"&English", u"&Français",
};

constexpr const char16_t* HelpMenu[] = {
    u"&Aide",
    u"&A propos...",
    u"&Help",
    u"&About...",
};

constexpr const char16_t* About[] = {
    u"A propos de ORVEN File Vivider", u"ORVEN File Vivider", u"Version 1.0", u"orven.example",
    u"About ORVEN File Vivider",       u"ORVEN File Vivider", u"Version 1.0", u"orven.example",
};

constexpr const char16_t* Columns[] = {
    u"Numéro", u"Nom du fichier", u"Taille", u"Date", u"Aperçu",
    u"Number", u"File name",      u"Size",   u"Date", u"Preview",
};

constexpr const char16_t* Messages[] = {
    u"Voulez-vous renommer les fichiers MP3 de ce répertoire?",
    u"Le répertoire que vous avez sélectionné ne contient aucun fichier MP3.",
    u"Traitement terminé...",
    u"Do you want to rename the MP3 files of this directory?",
    u"The selected directory does not contain any MP3 file.",
    u"Rename process completed...",
};

constexpr const char16_t* Operation[] = {
    u"Opération",  u"Démarrer à partir de :", u"Incrémenter de :", u"Process",
    u"Begin at :", u"Increment to :",
};

constexpr const char16_t* Progress[] = {
    u"%1 sur %2",
    u"Annuler",
    u"%1 of %2",
    u"Cancel",
};

constexpr const char16_t* Report[] = {
    u"%1 fichier(s) sur %2 ont leur nouveau nom ; %3 n'ont pas été renommés.",
    u"(et %1 de plus)",
    u"Les détails donnent la liste complète des fichiers qui n'ont pas été renommés.",
    u"Un renommage interrompu attend dans ce répertoire : il faut d'abord l'achever ou le "
    u"défaire. La liste montre ensuite le répertoire tel qu'il est, et les fichiers peuvent être "
    u"renommés à nouveau.",
    u"%1 of %2 file(s) have their new name; %3 were not renamed.",
    u"(and %1 more)",
    u"The details list every file that was not renamed.",
    u"An interrupted rename run is waiting in this folder: it must be finished or rolled back "
    u"first. The list then shows the folder as it is, and the files can be renamed again.",
};

constexpr const char16_t* PdfExport[] = {
    u"Exporter en P&DF...",
    u"Document PDF (*.pdf)",
    u"Le fichier PDF « %1 » n'a pas pu être écrit.",
    u"Export as P&DF...",
    u"PDF document (*.pdf)",
    u"The PDF file \"%1\" could not be written.",
};

constexpr const char16_t* Print[] = {
    u"Aucune imprimante par défaut n'est actuellement sélectionnée",
    u"L'imprimante n'a pas pu commencer le travail %1.",
    u"L'imprimante n'a pas pu commencer la page %1 du travail %2.",
    u"L'imprimante n'a pas pu terminer le travail %1.",
    u"There is no default printer currently selected",
    u"The printer could not start the job %1.",
    u"The printer could not start page %1 of the job %2.",
    u"The printer could not finish the job %1.",
};

constexpr const char16_t* FileErrors[] = {
    u"Impossible d'écrire le fichier d'export %1 : %2",
    u"Impossible de créer le répertoire du fichier de paramètres %1.",
    u"Impossible d'écrire le fichier de paramètres %1 : %2",
    u"Impossible de lire le fichier de paramètres %1 : %2",
    u"Cannot write the export file %1: %2",
    u"Cannot create the folder of the settings file %1.",
    u"Cannot write the settings file %1: %2",
    u"Cannot read the settings file %1: %2",
};

constexpr const char16_t* WindowMessages[] = {
    u"« %1 » n'est pas un répertoire.",
    u"La fenêtre ne peut pas ouvrir le répertoire « %1 » : son nom n'est pas en UTF-8 valide. "
    u"ORVENFR --preview et --rename savent le lire.",
    u"%1 fichier(s) ne pourront pas être renommés.",
    u"Le répertoire « %1 » ne peut pas être lu : %2",
    u"\"%1\" is not a folder.",
    u"The window cannot open the folder \"%1\": its name is not valid UTF-8. ORVENFR --preview "
    u"and --rename can read it.",
    u"%1 file(s) cannot be renamed.",
    u"The folder \"%1\" cannot be read: %2",
};

} // namespace

const Table HintTexts = {Hints, 7};
const Table FileMenuTexts = {FileMenu, 4};
const Table ActionsTexts = {ActionsMenu, 2};
const Table LanguageTexts = {LanguageMenu, 3};
const Table HelpTexts = {HelpMenu, 2};
const Table AboutTexts = {About, 4};
const Table ColumnTexts = {Columns, 5};
const Table MessageTexts = {Messages, 3};
const Table ReportTexts = {Report, 4};
const Table OperationTexts = {Operation, 3};
const Table ProgressTexts = {Progress, 2};
const Table PdfExportTexts = {PdfExport, 3};
const Table PrintTexts = {Print, 4};
const Table FileErrorTexts = {FileErrors, 4};
const Table WindowMessageTexts = {WindowMessages, 4};

LanguageIndex languageIndex()
{
    return g_languageIndex;
}

void setLanguageIndex(LanguageIndex index)
{
    g_languageIndex = index;
}

QString entry(const Table& table, int k, LanguageIndex language)
{
    Q_ASSERT(k >= 0 && k < table.perLanguage);
    const int half = language == French ? 0 : 1;
    return QString::fromUtf16(table.entries[half * table.perLanguage + k]);
}

QString entry(const Table& table, int k)
{
    return entry(table, k, g_languageIndex);
}

} // namespace text
