#include "app/TrackPrint.h"

#include "explorer/VxDateTimeFormat.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace trackprint {

namespace {

constexpr int FontPointSize = 10;

QString singleLine(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}

PrintResult failure(const QString& message)
{
    return {false, message};
}

} // namespace

QStringList PrintLines(const QList<TrackLine>& lines)
{
    QStringList printed;
    printed.reserve(lines.size());
    for (const TrackLine& line : lines)
        printed.append(QStringLiteral("     ") + singleLine(line.caption) + u' ' +
                       singleLine(line.title));
    return printed;
}

QString PrintJobTitle(const QTime& time)
{
    const VxFormatSettings& settings = VxFormatSettings::runtime();
    return QStringLiteral("Orven / File Vivider") +
           FormatDateTimePattern(settings.longTimePattern(), QDateTime(QDate::currentDate(), time),
                                 settings);
}

PrintResult PrintTrackList(QPrinter& printer, const QStringList& lines, const QString& jobTitle)
{
    printer.setDocName(jobTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        return failure(QStringLiteral("The printer could not start the job %1.").arg(jobTitle));

    // Laid out at the printer's own resolution, one page per printable area, no margins.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(QFont(QStringLiteral("Arial"), FontPointSize));
    document.setDocumentMargin(0);
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    document.setPageSize(page);
    document.setPlainText(lines.join(u'\n'));

    const int pageCount = document.pageCount();
    for (int index = 0; index < pageCount; ++index) {
        if (index > 0 && !printer.newPage()) {
            painter.end();
            return failure(QStringLiteral("The printer could not start page %1 of the job %2.")
                               .arg(index + 1)
                               .arg(jobTitle));
        }
        const QRectF area(QPointF(0, index * page.height()), page);
        painter.save();
        painter.translate(0, -area.top());
        document.drawContents(&painter, area);
        painter.restore();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return failure(QStringLiteral("The printer could not finish the job %1.").arg(jobTitle));
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
        *errorMessage = QStringLiteral("There is no default printer currently selected");
        return nullptr;
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

} // namespace trackprint
