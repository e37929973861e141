#pragma once

#include <QString>
#include <QtGlobal>

// The interface texts of the program's own windows in French and English. Each table holds its
// m French entries followed by the same m entries in English; the language index picks the half.
namespace text {

// The language index: 1 = French, 2 = English.
using LanguageIndex = quint8;
inline constexpr LanguageIndex French = 1;
inline constexpr LanguageIndex English = 2;

LanguageIndex languageIndex();
void setLanguageIndex(LanguageIndex index);

struct Table
{
    const char16_t* const* entries;
    int perLanguage; // m
};

extern const Table HintTexts;      // toolbar buttons 1, 5, 4, 3, 2, 7, 6
extern const Table FileMenuTexts;  // File1, Print1, Export1, Exit1
extern const Table ActionsTexts;   // Actions1, CreateDir1
extern const Table LanguageTexts;  // Language1, English1, French1
extern const Table HelpTexts;      // help1, about1
extern const Table AboutTexts;     // caption, StaticText1, StaticText2, StaticText3
extern const Table ColumnTexts;    // Number, File name, Size, Date, Preview
extern const Table MessageTexts;   // rename question, no MP3 file, rename completed
extern const Table OperationTexts; // GroupBox1, Label1, Label2
extern const Table ReportTexts;    // renamed count, more names, details hint, run pending
extern const Table ProgressTexts;  // rows done of all rows ("%1" done, "%2" all), Cancel button
extern const Table PdfExportTexts; // ExportPdf1, save dialog's file type, write failure ("%1")
// Print failures: no default printer, job not started ("%1" job), page not started ("%1" page,
// "%2" job), job not finished ("%1" job)
extern const Table PrintTexts;
// File failures ("%1" file, "%2" the system's reason): export not written, settings folder not
// created (no "%2"), settings not written, settings not read
extern const Table FileErrorTexts;
// The main window's own warnings: not a folder ("%1" path), a folder name that is not UTF-8
// ("%1" path), rows that cannot be renamed ("%1" count), a folder that cannot be read ("%1" path,
// "%2" the system's reason)
extern const Table WindowMessageTexts;

// Entry k of `table` in the given language; any index other than French reads English.
QString entry(const Table& table, int k, LanguageIndex language);
// Entry k of `table` in the current language.
QString entry(const Table& table, int k);

} // namespace text
