#include "app/ExportCommands.h"

#include "app/EmptyListWarning.h"
#include "app/MessageBoxes.h"
#include "app/TrackListCommands.h"
#include "app/TrackListModel.h"
#include "app/TrackPrint.h"
#include "core/Text.h"
#include "core/TrackOptionTexts.h"
#include "platform/DirEnum.h"
#include "platform/ui/WaitCursor.h"

#include <QFileDialog>
#include <QPrinter>
#include <QTextEdit>
#include <QTime>

namespace {

// A save dialog that asks before replacing a file (a silent overwrite would lose the user's
// file) and is Qt's own, which speaks the interface language where a desktop's ignores it.
QFileDialog* saveDialog(QWidget* parent, const char* objectName, const QString& suffix)
{
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(QString::fromLatin1(objectName));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(suffix);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    return dialog;
}

QString playlistFilter()
{
    return text::entry(text::PlaylistTexts, 0);
}

} // namespace

ExportCommands::ExportCommands(TrackListModel* model, TrackListCommands* commands,
                               const TVxFilelistView28* fileList, QTextEdit* printText,
                               QWidget* window)
    : QObject(window), m_model(model), m_commands(commands), m_fileList(fileList),
      m_printText(printText), m_window(window),
      m_saveDialog2(saveDialog(window, "SaveDialog2", QStringLiteral("txt"))),
      m_saveDialog3(saveDialog(window, "SaveDialog3", QStringLiteral("pdf")))
{
    connect(m_saveDialog2, &QFileDialog::filterSelected, this, [this](const QString& filter) {
        m_saveDialog2->setDefaultSuffix(filter == playlistFilter() ? QStringLiteral("m3u8")
                                                                   : QStringLiteral("txt"));
    });
}

void ExportCommands::applyLanguage()
{
    m_saveDialog2->setNameFilters({QStringLiteral("DB text (*.txt)"), playlistFilter()});
    m_saveDialog2->setDefaultSuffix(QStringLiteral("txt"));
    m_saveDialog3->setNameFilter(text::entry(text::PdfExportTexts, 1));
}

void ExportCommands::print()
{
    if (!hasRows())
        return;
    const QStringList lines = trackprint::PrintLines(trackLines());
    m_printText->setPlainText(lines.join(u'\n'));
    QString error;
    const std::unique_ptr<QPrinter> printer = trackprint::defaultPrinter(&error);
    if (!printer) {
        messageboxes::showError(m_window, error);
        return;
    }
    WaitCursor wait;
    const trackprint::PrintResult result = trackprint::PrintTrackList(
        *printer, lines, trackprint::PrintJobTitle(QTime::currentTime()));
    if (!result.ok)
        messageboxes::showError(m_window, result.errorMessage);
}

void ExportCommands::exportText()
{
    const QString fileName = pickFile(m_saveDialog2);
    if (fileName.isEmpty())
        return;
    if (m_saveDialog2->selectedNameFilter() == playlistFilter())
        exportPlaylist(fileName);
    else
        exportTrackList(fileName);
}

void ExportCommands::exportTrackList(const QString& fileName)
{
    const trackexport::ExportResult result = trackexport::ExportTrackList(fileName, trackLines());
    if (!result.ok)
        messageboxes::showError(m_window, result.errorMessage);
}

void ExportCommands::exportPlaylist(const QString& fileName)
{
    const playlistexport::PlaylistResult result =
        m_commands->writePlaylist(platform::encodePath(fileName));
    if (!result.ok)
        messageboxes::showError(m_window, result.errorMessage);
}

void ExportCommands::exportPdf()
{
    if (const QString fileName = pickFile(m_saveDialog3); !fileName.isEmpty())
        exportTrackListPdf(fileName);
}

void ExportCommands::exportTrackListPdf(const QString& fileName)
{
    WaitCursor wait;
    const trackprint::PrintResult result =
        trackprint::ExportPdf(fileName, trackprint::PrintLines(trackLines()),
                              trackprint::PrintJobTitle(QTime::currentTime()));
    if (!result.ok)
        messageboxes::showError(m_window, result.errorMessage);
}

bool ExportCommands::hasRows() const
{
    if (!m_model->rows().isEmpty())
        return true;
    messageboxes::warnEmptyList(m_window, *m_fileList);
    return false;
}

QString ExportCommands::pickFile(QFileDialog* dialog) const
{
    if (!hasRows())
        return QString();
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}

QList<TrackLine> ExportCommands::trackLines() const
{
    QList<TrackLine> lines;
    for (const TrackRow& row : m_model->rows())
        lines.append({row.caption(), row.title()});
    return lines;
}
