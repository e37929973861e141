#include "app/RecoveryOffer.h"
#include "app/TrackPrint.h"
#include "core/Text.h"
#include "core/TrackExport.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameStatus.h"
#include "core/rename/RenameTexts.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/RenameRun.h"
#include "tests/support/TestDir.h"

#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(const text::Table*)

namespace {

// Names the tables of the program's own texts beyond the main window's.
struct NamedTable
{
    const char* name;
    const text::Table* table;
};

const NamedTable kTables[] = {
    {"status", &text::StatusTexts},
    {"recovery", &text::RecoveryTexts},
    {"completion", &text::CompletionTexts},
    {"print", &text::PrintTexts},
    {"progress", &text::ProgressTexts},
    {"file-errors", &text::FileErrorTexts},
    {"window-messages", &text::WindowMessageTexts},
};

// A folder whose run stopped after its first step: its journal waits for a recovery.
bool interruptedRun(TestDir& dir, const QByteArrayList& pairs)
{
    if (!renametest::createFiles(dir, pairs))
        return false;
    renaming::RenameEngine engine;
    return engine.prepare(dir.pathBytes(), renametest::requestsOf(dir.pathBytes(), pairs)) &&
           engine.runStep();
}

} // namespace

// The texts of the rename run, the recovery and the print and file failures follow the
// interface language.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { text::setLanguageIndex(text::English); }
    void textsInBothLanguages_data();
    void textsInBothLanguages();
    void recoveryOfferFollowsTheLanguage_data();
    void recoveryOfferFollowsTheLanguage();
    void failuresFollowTheLanguage_data();
    void failuresFollowTheLanguage();
};

void TestLanguages::textsInBothLanguages_data()
{
    QTest::addColumn<const text::Table*>("table");
    QTest::addColumn<int>("entry");
    for (const NamedTable& named : kTables) {
        for (int k = 0; k < named.table->perLanguage; ++k)
            QTest::addRow("%s/%d", named.name, k) << named.table << k;
    }
}

// Each entry exists in both languages, differs between them, and takes the same placeholders,
// mnemonics and line breaks, so the code that fills it in works in either.
void TestLanguages::textsInBothLanguages()
{
    QFETCH(const text::Table*, table);
    QFETCH(int, entry);
    const QString french = text::entry(*table, entry, text::French);
    const QString english = text::entry(*table, entry, text::English);
    QVERIFY(!french.trimmed().isEmpty());
    QVERIFY(!english.trimmed().isEmpty());
    QVERIFY2(french != english, qPrintable(english));
    for (int n = 1; n <= 5; ++n) {
        const QString placeholder = u'%' + QString::number(n);
        QCOMPARE(french.contains(placeholder), english.contains(placeholder));
    }
    QCOMPARE(french.count(u'&'), english.count(u'&'));
    QCOMPARE(french.count(u'\n'), english.count(u'\n'));
}

void TestLanguages::recoveryOfferFollowsTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("french/finish")
        << int(text::French) << u"FinishButton"_qs
        << QStringList{u"&Achever"_qs, u"&Défaire"_qs, u"&Plus tard"_qs}
        << u"Un renommage du répertoire "_qs << u"Le renommage interrompu a été achevé : "_qs;
    QTest::newRow("french/roll-back")
        << int(text::French) << u"RollBackButton"_qs
        << QStringList{u"&Achever"_qs, u"&Défaire"_qs, u"&Plus tard"_qs}
        << u"Un renommage du répertoire "_qs << u"Le renommage interrompu a été défait : "_qs;
    QTest::newRow("english/finish")
        << int(text::English) << u"FinishButton"_qs
        << QStringList{u"&Finish"_qs, u"&Roll back"_qs, u"&Later"_qs}
        << u"A rename run in the folder "_qs
        << u"The interrupted rename run was finished: 2 files under the new name."_qs;
}

// The offer of a run interrupted after its first rename, and the box that tells how the chosen
// way out went.
void TestLanguages::recoveryOfferFollowsTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, button);
    QFETCH(QStringList, captions);
    QFETCH(QString, question);
    QFETCH(QString, outcome);
    text::setLanguageIndex(text::LanguageIndex(language));
    TestDir dir;
    QVERIFY(interruptedRun(dir, {"a.mp3>00001 a.mp3", "b.mp3>00002 b.mp3"}));
    QStringList shown;
    ModalAnswerer boxes;
    const QString shots = qEnvironmentVariable("SCREENSHOT_DIR");
    boxes.handle([&](QWidget* box) {
        if (!shots.isEmpty())
            QVERIFY(box->grab().save(
                shots + u"/recovery-offer-"_qs +
                QString::fromLatin1(QTest::currentDataTag()).replace(u'/', u'-') + u".png"_qs));
        for (const QPushButton* each : box->findChildren<QPushButton*>())
            shown << each->text();
        box->findChild<QPushButton*>(button)->click();
    });
    boxes.answer(u"OK"_qs);
    QVERIFY(recoveryoffer::offerRecovery(nullptr, dir.pathBytes()));
    QVERIFY(!boxes.unexpected);
    QCOMPARE(boxes.texts.size(), 2);
    shown.sort();
    captions.sort();
    QCOMPARE(shown, captions);
    QVERIFY2(boxes.texts.at(0).startsWith(question), qPrintable(boxes.texts.at(0)));
    QVERIFY2(boxes.texts.at(1).startsWith(outcome), qPrintable(boxes.texts.at(1)));
}

void TestLanguages::failuresFollowTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("exportError");
    QTest::addColumn<QString>("reason");
    QTest::newRow("french") << int(text::French) << u"Impossible d'écrire le fichier d'export "_qs
                            << u"Non renommé : le renommage a été annulé avant ce fichier."_qs;
    QTest::newRow("english") << int(text::English) << u"Cannot write the export file "_qs
                             << u"Not renamed: the run was cancelled before this file."_qs;
}

// A failed export into a folder that does not exist, a cancelled row's reason, and the missing
// printer, which a machine with a default printer cannot show.
void TestLanguages::failuresFollowTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, exportError);
    QFETCH(QString, reason);
    text::setLanguageIndex(text::LanguageIndex(language));
    TestDir dir;
    const trackexport::ExportResult result =
        trackexport::ExportTrackList(dir.filePath(u"missing/list.txt"_qs), {});
    QVERIFY(!result.ok);
    QVERIFY2(result.errorMessage.startsWith(exportError), qPrintable(result.errorMessage));
    QCOMPARE(renaming::statusText(renaming::RenameStatus::Cancelled), reason);
    if (trackprint::hasDefaultPrinter())
        QSKIP("This machine has a default printer");
    QString error;
    QVERIFY(!trackprint::defaultPrinter(&error));
    QCOMPARE(error, text::entry(text::PrintTexts, 0));
    QCOMPARE(error == u"There is no default printer currently selected"_qs,
             language == text::English);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
