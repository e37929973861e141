#include "core/TrackExport.h"

#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
#include <QTest>

using trackexport::ExportBytes;
using trackexport::ExportTrackList;

Q_DECLARE_METATYPE(QList<TrackLine>)

namespace {

QByteArray utf8Bom()
{
    return QByteArray("\xEF\xBB\xBF");
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void exportBytes_data();
    void exportBytes();
    void exportReplacesExistingFile();
    void exportFailure_data();
    void exportFailure();
    void failedExportKeepsTheOldFile();
};

void TestExport::exportBytes_data()
{
    QTest::addColumn<QList<TrackLine>>("lines");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("numbered-and-unnumbered")
        << QList<TrackLine>{{u"00001"_qs, u"A"_qs}, {QString(), u"B"_qs}}
        << QByteArray("00001;A\r\n;B\r\n");
    QTest::newRow("empty-list") << QList<TrackLine>{} << QByteArray();
    QTest::newRow("latin-1-part") << QList<TrackLine>{{u"00002"_qs, u"Café"_qs}}
                                  << QByteArray("00002;Caf\xE9\r\n");
    QTest::newRow("windows-1252-high-bytes") << QList<TrackLine>{{QString(), u"€ ‘x’ … Œ ž"_qs}}
                                             << QByteArray(";\x80 \x91x\x92 \x85 \x8C \x9E\r\n");
    QTest::newRow("outside-1252-makes-whole-file-utf8")
        << QList<TrackLine>{{u"00001"_qs, u"Café"_qs}, {u"00002"_qs, u"Ωmega"_qs}}
        << utf8Bom() + u"00001;Café\r\n00002;Ωmega\r\n"_qs.toUtf8();
    QTest::newRow("code-page-hole-is-outside") << QList<TrackLine>{{u"00001"_qs, u"a\u0081b"_qs}}
                                               << utf8Bom() + u"00001;a\u0081b\r\n"_qs.toUtf8();
    QTest::newRow("beyond-the-basic-plane") << QList<TrackLine>{{u"00001"_qs, u"Song 🎵"_qs}}
                                            << utf8Bom() + u"00001;Song 🎵\r\n"_qs.toUtf8();
    QTest::newRow("line-break-in-title-stays-one-line")
        << QList<TrackLine>{{u"00001"_qs, u"a\nb\rc"_qs}} << QByteArray("00001;a b c\r\n");
}

void TestExport::exportBytes()
{
    QFETCH(QList<TrackLine>, lines);
    QFETCH(QByteArray, expected);
    QCOMPARE(ExportBytes(lines), expected);
}

void TestExport::exportReplacesExistingFile()
{
    TestDir dir;
    QVERIFY(dir.createFile(u"list.txt"_qs, QByteArray(4096, 'x')));
    const trackexport::ExportResult result =
        ExportTrackList(dir.filePath(u"list.txt"_qs), {{u"00001"_qs, u"A"_qs}});
    QVERIFY2(result.ok, qPrintable(result.errorMessage));
    QCOMPARE(dir.read(u"list.txt"_qs), QByteArray("00001;A\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"list.txt"_qs});
}

void TestExport::exportFailure_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("missing-folder") << u"missing/list.txt"_qs;
    QTest::newRow("folder-is-a-file") << u"plain/list.txt"_qs;
    QTest::newRow("target-is-a-folder") << u"folder"_qs;
}

void TestExport::exportFailure()
{
    QFETCH(QString, relativePath);
    TestDir dir;
    QVERIFY(dir.createFile(u"plain"_qs, "old"));
    QVERIFY(dir.createDir(u"folder"_qs));
    const QString path = dir.filePath(relativePath);
    const trackexport::ExportResult result = ExportTrackList(path, {{u"00001"_qs, u"A"_qs}});
    QVERIFY(!result.ok);
    QVERIFY2(result.errorMessage.contains(path), qPrintable(result.errorMessage));
    QCOMPARE(dir.read(u"plain"_qs), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{u"folder"_qs, u"plain"_qs}));
}

// The file is replaced in one step: when the new text cannot be written next to it, the old
// list stays whole and no partial file is left.
void TestExport::failedExportKeepsTheOldFile()
{
    TestDir dir;
    QVERIFY(dir.createDir(u"locked"_qs));
    QVERIFY(dir.createFile(u"locked/list.txt"_qs, "00001;Old\r\n"));
    const QString folder = dir.filePath(u"locked"_qs);
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    QFile probe(folder + u"/probe"_qs);
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QSKIP("This user may write into read-only folders.");
    }

    const trackexport::ExportResult result =
        ExportTrackList(folder + u"/list.txt"_qs, {{u"00001"_qs, u"New"_qs}});
    QVERIFY(!result.ok);
    QVERIFY(!result.errorMessage.isEmpty());
    QCOMPARE(dir.read(u"locked/list.txt"_qs), QByteArray("00001;Old\r\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"list.txt"_qs});
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
