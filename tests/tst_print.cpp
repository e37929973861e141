#include "app/TrackPrint.h"

#include "tests/support/TestDir.h"

#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTime>

using trackprint::PrintJobTitle;
using trackprint::PrintLines;
using trackprint::PrintTrackList;

Q_DECLARE_METATYPE(QList<TrackLine>)

namespace {

// The output of a poppler tool, or a null string when it cannot be run.
QString runTool(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& pdf, int page = 0)
{
    QStringList arguments;
    if (page > 0)
        arguments << u"-f"_qs << QString::number(page) << u"-l"_qs << QString::number(page);
    return runTool(u"pdftotext"_qs, arguments << u"-layout"_qs << pdf << u"-"_qs);
}

QString pdfInfo(const QString& pdf, const QString& field)
{
    const QRegularExpression line(u"^"_qs + field + u":\\s*(.*)$"_qs,
                                  QRegularExpression::MultilineOption);
    return line.match(runTool(u"pdfinfo"_qs, {pdf})).captured(1).trimmed();
}

// Where each printed word stands on its page, in points from the page's left edge.
struct PdfWord
{
    QString text;
    double left = 0;
    double right = 0;
};

// pdftotext's own layout drops the indentation that all lines share and rounds positions to
// character columns, so the blanks before a line are measured from the word boxes.
QList<PdfWord> pdfWords(const QString& pdf)
{
    static const QRegularExpression word(
        u"<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"_qs);
    QList<PdfWord> words;
    const QString boxes = runTool(u"pdftotext"_qs, {u"-bbox"_qs, pdf, u"-"_qs});
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        words.append(
            {match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble()});
    }
    return words;
}

void setUpPdf(QPrinter& printer, const QString& fileName)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printLines_data();
    void printLines();
    void jobTitle_data();
    void jobTitle();
    void printsTheLinesToPdf();
    void longListContinuesOnNewPages();
    void longTitleWrapsInsideThePage();
    void unwritableOutputIsReported();
    void defaultPrinterOrItsAbsence();
};

void TestPrint::initTestCase()
{
    // A 24-hour locale with leading zeros, fixed before the runtime patterns are first read.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestPrint::printLines_data()
{
    QTest::addColumn<QList<TrackLine>>("lines");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("numbered") << QList<TrackLine>{{u"00001"_qs, u"Intro"_qs}}
                              << QStringList{u"     00001 Intro"_qs};
    QTest::newRow("unnumbered-six-blanks")
        << QList<TrackLine>{{QString(), u"Intro"_qs}} << QStringList{u"      Intro"_qs};
    QTest::newRow("order-kept") << QList<TrackLine>{{u"00002"_qs, u"B"_qs}, {u"00001"_qs, u"A"_qs}}
                                << QStringList{u"     00002 B"_qs, u"     00001 A"_qs};
    QTest::newRow("line-break-stays-one-line")
        << QList<TrackLine>{{u"00001"_qs, u"a\nb"_qs}} << QStringList{u"     00001 a b"_qs};
}

void TestPrint::printLines()
{
    QFETCH(QList<TrackLine>, lines);
    QFETCH(QStringList, expected);
    QCOMPARE(PrintLines(lines), expected);
}

void TestPrint::jobTitle_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected");
    QTest::newRow("afternoon") << QTime(14, 5, 9) << u"Orven / File Vivider14:05:09"_qs;
    QTest::newRow("morning-leading-zero") << QTime(9, 0, 3) << u"Orven / File Vivider09:00:03"_qs;
}

void TestPrint::jobTitle()
{
    QFETCH(QTime, time);
    QFETCH(QString, expected);
    QCOMPARE(PrintJobTitle(time), expected);
}

void TestPrint::printsTheLinesToPdf()
{
    if (QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty())
        QSKIP("pdftotext is not installed.");
    TestDir dir;
    const QString pdf = dir.filePath(u"list.pdf"_qs);
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf);
    const QStringList lines = PrintLines(
        {{u"00001"_qs, u"Intro"_qs}, {QString(), u"Café Ωmega"_qs}, {u"00010"_qs, u"Outro"_qs}});
    const trackprint::PrintResult result =
        PrintTrackList(printer, lines, PrintJobTitle(QTime(14, 5, 9)));
    QVERIFY2(result.ok, qPrintable(result.errorMessage));

    const QStringList text = pdfText(pdf).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(text.size() >= 3);
    QCOMPARE(text.at(0).simplified(), u"00001 Intro"_qs);
    QCOMPARE(text.at(1).simplified(), u"Café Ωmega"_qs);
    QCOMPARE(text.at(2).simplified(), u"00010 Outro"_qs);
    // The leading blanks are printed: the unnumbered title, after six blanks, starts one
    // blank further right than the numbers, after five.
    const QList<PdfWord> words = pdfWords(pdf);
    QCOMPARE(words.size(), 6);
    QCOMPARE(words.at(2).text, u"Café"_qs);
    const double blank = words.at(1).left - words.at(0).right;
    QVERIFY2(blank > 1, qPrintable(QString::number(blank)));
    QCOMPARE(words.at(4).left, words.at(0).left);
    QVERIFY(qAbs(words.at(2).left - words.at(0).left - blank) < 0.5);
    QVERIFY(words.at(0).left > 4 * blank);
    QCOMPARE(pdfInfo(pdf, u"Pages"_qs), u"1"_qs);
    QCOMPARE(pdfInfo(pdf, u"Title"_qs), u"Orven / File Vivider14:05:09"_qs);
}

// Every row is printed once, in order, whole, over as many pages as it takes.
void TestPrint::longListContinuesOnNewPages()
{
    if (QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty())
        QSKIP("pdftotext is not installed.");
    TestDir dir;
    const QString pdf = dir.filePath(u"long.pdf"_qs);
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf);
    QList<TrackLine> rows;
    for (int i = 1; i <= 150; ++i)
        rows.append({QString::number(i).rightJustified(5, u'0'), u"Title %1"_qs.arg(i)});
    const trackprint::PrintResult result =
        PrintTrackList(printer, PrintLines(rows), PrintJobTitle(QTime(8, 0)));
    QVERIFY2(result.ok, qPrintable(result.errorMessage));

    const int pages = pdfInfo(pdf, u"Pages"_qs).toInt();
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    QStringList printed;
    for (int page = 1; page <= pages; ++page) {
        const QStringList pageLines = pdfText(pdf, page).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(!pageLines.isEmpty(), qPrintable(QString::number(page)));
        for (const QString& line : pageLines) {
            if (!line.simplified().isEmpty())
                printed.append(line.simplified());
        }
    }
    QStringList expected;
    for (const TrackLine& row : rows)
        expected.append(row.caption + u' ' + row.title);
    QCOMPARE(printed, expected);
}

void TestPrint::longTitleWrapsInsideThePage()
{
    if (QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty())
        QSKIP("pdftotext is not installed.");
    TestDir dir;
    const QString pdf = dir.filePath(u"wide.pdf"_qs);
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf);
    QStringList title;
    for (int i = 1; i <= 60; ++i)
        title.append(u"word%1"_qs.arg(i));
    const trackprint::PrintResult result =
        PrintTrackList(printer, PrintLines({{u"00001"_qs, title.join(u' ')}}), u"job"_qs);
    QVERIFY2(result.ok, qPrintable(result.errorMessage));

    const QList<PdfWord> words = pdfWords(pdf);
    QCOMPARE(words.size(), 61);
    const double pageWidth = printer.pageRect(QPrinter::Point).width();
    for (const PdfWord& word : words)
        QVERIFY2(word.right < pageWidth + 20, qPrintable(word.text));
    QCOMPARE(words.last().text, u"word60"_qs);
}

void TestPrint::unwritableOutputIsReported()
{
    TestDir dir;
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, dir.filePath(u"missing/list.pdf"_qs));
    const trackprint::PrintResult result =
        PrintTrackList(printer, PrintLines({{u"00001"_qs, u"A"_qs}}), u"job"_qs);
    QVERIFY(!result.ok);
    QVERIFY(!result.errorMessage.isEmpty());
}

void TestPrint::defaultPrinterOrItsAbsence()
{
    QString error;
    const std::unique_ptr<QPrinter> printer = trackprint::defaultPrinter(&error);
    QCOMPARE(bool(printer), trackprint::hasDefaultPrinter());
    QCOMPARE(error.isEmpty(), trackprint::hasDefaultPrinter());
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
