#pragma once

#include "core/TrackExport.h"

#include <QList>
#include <QObject>

class QFileDialog;
class QTextEdit;
class QWidget;
class TrackListCommands;
class TrackListModel;
class TVxFilelistView28;

// The File menu's output commands: print, the text or playlist export and the PDF export.
// Each writes the track list's rows in their current order; an empty list is refused with a
// warning, and a failure is reported in the error box. The save dialogs belong to the window
// and keep their object names, so they can be found and answered by name.
class ExportCommands : public QObject
{
    Q_OBJECT

public:
    ExportCommands(TrackListModel* model, TrackListCommands* commands,
                   const TVxFilelistView28* fileList, QTextEdit* printText, QWidget* window);

    // The save dialogs' filters follow the interface language.
    void applyLanguage();

    void print();
    // Asks for a file and writes the track list, or the playlist when that type is chosen.
    void exportText();
    void exportTrackList(const QString& fileName);
    void exportPlaylist(const QString& fileName);
    // Asks for a file and writes the pages print would send.
    void exportPdf();
    void exportTrackListPdf(const QString& fileName);

private:
    // Warns when the list is empty: there is nothing to write.
    bool hasRows() const;
    // The file picked in `dialog`; empty when there are no rows or the dialog was cancelled.
    QString pickFile(QFileDialog* dialog) const;
    // The rows as print and export write them: the current number and the title.
    QList<TrackLine> trackLines() const;

    TrackListModel* m_model;
    TrackListCommands* m_commands;
    const TVxFilelistView28* m_fileList;
    QTextEdit* m_printText;
    QWidget* m_window;
    QFileDialog* m_saveDialog2;
    QFileDialog* m_saveDialog3;
};
