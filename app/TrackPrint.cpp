#include "app/TrackPrint.h"

#include "core/Text.h"
#include "platform/NoReplaceRename.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace trackprint {

namespace {

constexpr int FontPointSize = 10;

PrintResult failure(const QString& message)
{
    return {false, message};
}

} // namespace

PrintResult PrintTrackList(QPrinter& printer, const QStringList& lines, const QString& jobTitle)
{
    printer.setDocName(jobTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        return failure(text::entry(text::PrintTexts, 1).arg(jobTitle));

    // Laid out at the printer's own resolution over the printable width, no margins; a long
    // title wraps.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(QFont(QStringLiteral("Arial"), FontPointSize));
    document.setDocumentMargin(0);
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    document.setTextWidth(page.width());
    document.setPlainText(lines.join(u'\n'));
    // The layout runs in steps while idle; the pages need all of it now.
    document.documentLayout()->documentSize();

    // Each page takes the whole text lines that fit, so no line is cut in two at a page end.
    qreal pageTop = 0;
    int pageNumber = 1;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const qreal top = layout->position().y() + line.y();
            if (top + line.height() - pageTop > page.height() && top > pageTop) {
                ++pageNumber;
                if (!printer.newPage()) {
                    painter.end();
                    return failure(text::entry(text::PrintTexts, 2)
                                       .arg(QString::number(pageNumber), jobTitle));
                }
                pageTop = top;
            }
            line.draw(&painter, layout->position() - QPointF(0, pageTop));
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return failure(text::entry(text::PrintTexts, 3).arg(jobTitle));
    return {};
}

PrintResult ExportPdf(const QString& fileName, const QStringList& lines, const QString& jobTitle)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(QPrinter::HighResolution);
    if (!info.isNull())
        printer.setPageLayout(QPrinter(info, QPrinter::HighResolution).pageLayout());
    // Written beside the target under a name of its own, then put in its place: a failure
    // halfway leaves no partial file and the file the user chose to replace whole.
    QTemporaryFile part(fileName + QStringLiteral(".XXXXXX.part"));
    if (!part.open())
        return failure(text::entry(text::PdfExportTexts, 2).arg(fileName));
    part.close();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part.fileName());
    if (!PrintTrackList(printer, lines, jobTitle).ok ||
        platform::replaceWith(QFile::encodeName(part.fileName()), QFile::encodeName(fileName)) != 0)
        return failure(text::entry(text::PdfExportTexts, 2).arg(fileName));
    part.setAutoRemove(false);
    return {};
}

bool hasDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

std::unique_ptr<QPrinter> defaultPrinter(QString* errorMessage)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        *errorMessage = text::entry(text::PrintTexts, 0);
        return nullptr;
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

} // namespace trackprint
