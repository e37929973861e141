#include "app/Main.h"
#include "app/ProgessBar.h"
#include "app/TrackListModel.h"
#include "core/SettingsFile.h"
#include "core/Text.h"
#include "core/rename/RenameEngine.h"
#include "core/rename/RenameJournal.h"
#include "core/rename/RenameReport.h"
#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxFilelistView28.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/RenameRun.h"
#include "tests/support/TestDir.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <vector>

using renaming::RenameRequest;
using renaming::RenameRowResult;
using renaming::RenameStatus;

Q_DECLARE_METATYPE(std::vector<renaming::RenameStatus>)

namespace {

ModalAnswerer::Handler press(const QString& objectName)
{
    return [objectName](QWidget* modal) {
        auto* button = modal->findChild<QPushButton*>(objectName);
        QVERIFY2(button, qPrintable(objectName));
        button->click();
    };
}

// A main window whose settings live in the test's folder.
std::unique_ptr<TForm1> window(const TestDir& dir, TOKBottomDlg1* progress)
{
    auto form = std::make_unique<TForm1>(
        SettingsFile(dir.filePath(QStringLiteral("exe/ORVENFR.cfg")),
                     dir.filePath(QStringLiteral("config/ORVEN/ORVENFR.cfg"))));
    form->setProgressDialog(progress);
    form->English1Click();
    return form;
}

} // namespace

class TestCompletionReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void summaryCountsEachReason_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArrayList>("names");
        QTest::addColumn<std::vector<RenameStatus>>("statuses");
        QTest::addColumn<QString>("summary");
        using S = RenameStatus;
        const int en = text::English;
        QTest::newRow("all-renamed/message-alone")
            << en << QByteArrayList{"a.mp3", "b.mp3"} << std::vector<S>{S::Renamed, S::Unchanged}
            << QStringLiteral("Rename process completed...");
        QTest::newRow("all-renamed/french")
            << int(text::French) << QByteArrayList{"a.mp3"} << std::vector<S>{S::Renamed}
            << QStringLiteral("Traitement termin\u00e9...");
        QTest::newRow("two-reasons/in-order-of-first-row")
            << en << QByteArrayList{"a.mp3", "b.mp3", "c.mp3", "d.mp3"}
            << std::vector<S>{S::SourceVanished, S::Renamed, S::TargetExists, S::SourceVanished}
            << QStringLiteral(
                   "Rename process completed...\n\n1 of 4 file(s) have their new name; 3 were "
                   "not renamed.\n\nThe file no longer exists. (2)\n    a.mp3\n    d.mp3\n\n"
                   "A file or folder with the new name already exists. (1)\n    c.mp3\n\n"
                   "The details list every file that was not renamed.");
        QTest::newRow("cancelled/count-and-no-names")
            << en << QByteArrayList{"a.mp3", "b.mp3", "c.mp3", "d.mp3"}
            << std::vector<S>{S::Renamed, S::Renamed, S::Cancelled, S::Cancelled}
            << QStringLiteral("The rename run was cancelled: 2 of 4 file(s) have their new name, "
                              "the others keep their old name.\n\nThe details list every file "
                              "that was not renamed.");
        QTest::newRow("cancelled/french")
            << int(text::French) << QByteArrayList{"a.mp3", "b.mp3"}
            << std::vector<S>{S::Unchanged, S::Cancelled}
            << QStringLiteral("Le renommage a \u00e9t\u00e9 annul\u00e9 : 1 fichier(s) sur 2 ont "
                              "leur nouveau nom, les autres gardent leur ancien nom.\n\nLes "
                              "d\u00e9tails donnent la liste compl\u00e8te des fichiers qui "
                              "n'ont pas \u00e9t\u00e9 renomm\u00e9s.");
        QTest::newRow("cancelled/other-reasons-named")
            << en << QByteArrayList{"a.mp3", "b.mp3", "c.mp3"}
            << std::vector<S>{S::SourceVanished, S::Renamed, S::Cancelled}
            << QStringLiteral("The rename run was cancelled: 1 of 3 file(s) have their new name, "
                              "the others keep their old name.\n\nThe file no longer exists. "
                              "(1)\n    a.mp3\n\nThe details list every file that was not "
                              "renamed.");
        QTest::newRow("many-of-one-reason/first-five-named")
            << en << QByteArrayList{"1.mp3", "2.mp3", "3.mp3", "4.mp3", "5.mp3", "6.mp3", "7.mp3"}
            << std::vector<S>(7, S::NameTooLong)
            << QStringLiteral("Rename process completed...\n\n0 of 7 file(s) have their new "
                              "name; 7 were not renamed.\n\nThe new name is too long for this "
                              "volume. (7)\n    1.mp3\n    2.mp3\n    3.mp3\n    4.mp3\n    "
                              "5.mp3\n    (and 2 more)\n\nThe details list every file that was "
                              "not renamed.");
        QTest::newRow("long-name/shortened-in-the-middle")
            << en << QByteArrayList{QByteArray(244, 'x') + ".mp3"}
            << std::vector<S>{S::TargetExists}
            << QStringLiteral("Rename process completed...\n\n0 of 1 file(s) have their new "
                              "name; 1 were not renamed.\n\nA file or folder with the new name "
                              "already exists. (1)\n    ") +
                   QString(39, u'x') + QChar(0x2026) + QString(16, u'x') +
                   QStringLiteral(".mp3\n\nThe details list every file that was not renamed.");
    }
    void summaryCountsEachReason()
    {
        QFETCH(int, language);
        QFETCH(QByteArrayList, names);
        QFETCH(std::vector<RenameStatus>, statuses);
        QFETCH(QString, summary);
        std::vector<RenameRequest> rows;
        std::vector<RenameRowResult> results;
        for (int i = 0; i < names.size(); ++i) {
            rows.push_back({names[i], "new.mp3", 0, 0});
            results.push_back({statuses[size_t(i)], 0, names[i]});
        }
        const text::LanguageIndex before = text::languageIndex();
        text::setLanguageIndex(text::LanguageIndex(language));
        const QString got = renamereport::completionSummary(rows, results);
        text::setLanguageIndex(before);
        QCOMPARE(got, summary);
        // The details name every file that was not renamed, whole.
        const QStringList details =
            renamereport::completionDetails(rows, results).split(u'\n', Qt::SkipEmptyParts);
        int failed = 0;
        for (size_t i = 0; i < statuses.size(); ++i) {
            if (!renaming::isSuccess(statuses[i])) {
                QVERIFY(details.value(failed).startsWith(QString::fromUtf8(names[int(i)])));
                ++failed;
            }
        }
        QCOMPARE(details.size(), failed);
    }

    void elidedNameKeepsCharactersWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("elided");
        const QString emoji = QString::fromUtf8("\xF0\x9F\x8E\xB5");
        QTest::newRow("short-unchanged")
            << QStringLiteral("Song.mp3") << QStringLiteral("Song.mp3");
        QTest::newRow("exactly-the-limit") << QString(12, u'a') << QString(12, u'a');
        QTest::newRow("middle-cut")
            << QStringLiteral("abcdefghijklmnop") << QStringLiteral("abcdefg\u2026mnop");
        QTest::newRow("emoji-at-the-head-cut")
            << QStringLiteral("abcdef") + emoji + QStringLiteral("ghijklmnop")
            << QStringLiteral("abcdef\u2026mnop");
        QTest::newRow("emoji-at-the-tail-cut")
            << QStringLiteral("abcdefghijkl") + emoji + QStringLiteral("nop")
            << QStringLiteral("abcdefg\u2026nop");
    }
    void elidedNameKeepsCharactersWhole()
    {
        QFETCH(QString, name);
        QFETCH(QString, elided);
        QCOMPARE(renamereport::elidedName(name, 12), elided);
    }

    // Every row of a real run fails: the targets are held by folders, which are not tracks.
    void reportBoxFitsTheScreen_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("titleLength");
        QTest::newRow("5000-failed-rows") << 5000 << 8;
        QTest::newRow("name-of-248-characters") << 1 << 244;
    }
    void reportBoxFitsTheScreen()
    {
        QFETCH(int, files);
        QFETCH(int, titleLength);
        TestDir dir;
        QVERIFY(dir.createDir(QStringLiteral("exe")));
        QStringList names;
        for (int i = 1; i <= files; ++i) {
            // Zero-padded, so the listing's name order is the order they are made in.
            const QString title =
                u't' + QStringLiteral("%1").arg(i, titleLength - 1, 10, QLatin1Char('0'));
            names << title + QStringLiteral(".mp3");
            QVERIFY(dir.createFile(QStringLiteral("music/") + names.last()));
            QVERIFY(dir.createDir(
                QStringLiteral("music/%1 %2.mp3").arg(i, 5, 10, QLatin1Char('0')).arg(title)));
        }
        TOKBottomDlg1 progress;
        std::unique_ptr<TForm1> form = window(dir, &progress);
        form->openStartFolder(dir.pathBytes() + "/music");

        ModalAnswerer boxes;
        boxes.answer(QStringLiteral("&Oui"));
        QRect boxFrame;
        QRect screenArea;
        QString summary;
        QString details;
        boxes.handle([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            boxFrame = box->frameGeometry();
            screenArea = box->screen()->availableGeometry();
            summary = box->text();
            details = box->detailedText();
            const QString shots = qEnvironmentVariable("SCREENSHOT_DIR");
            if (!shots.isEmpty() && files == 5000)
                QVERIFY(box->grab().save(shots + QStringLiteral("/report-5000.png")));
            QTest::keyClick(box, Qt::Key_Return);
        });
        form->SpeedButton1Click();
        QCOMPARE(boxes.seen.size(), 2);
        QVERIFY2(boxFrame.width() <= screenArea.width() && boxFrame.height() <= screenArea.height(),
                 qPrintable(QStringLiteral("box %1x%2, screen %3x%4")
                                .arg(boxFrame.width())
                                .arg(boxFrame.height())
                                .arg(screenArea.width())
                                .arg(screenArea.height())));
        QVERIFY2(summary.contains(QStringLiteral("%1 were not renamed").arg(files)),
                 qPrintable(summary));
        QVERIFY(!summary.contains(names.constFirst()) || titleLength < 50);
        const QStringList lines = details.split(u'\n');
        QCOMPARE(lines.size(), files);
        for (int i = 0; i < files; ++i)
            QVERIFY(lines.at(i).startsWith(names.at(i) + QStringLiteral(": ")));
    }

    // A journal in the folder: the rename command says so and offers the recovery instead of
    // starting a run that could only fail.
    void pendingRunIsSettledBeforeAsking()
    {
        TestDir dir;
        QVERIFY(dir.createDir(QStringLiteral("exe")));
        QVERIFY(dir.createDir(QStringLiteral("music")));
        const QByteArrayList pairs{"a.mp3>00001 a.mp3", "b.mp3>00002 b.mp3"};
        for (const QByteArray& pair : pairs) {
            const QByteArray name = pair.left(pair.indexOf('>'));
            QVERIFY(dir.createFile(QStringLiteral("music/") + QString::fromLatin1(name),
                                   "content of " + name));
        }
        const QByteArray music = dir.pathBytes() + "/music";
        {
            renaming::RenameEngine engine;
            QVERIFY(engine.prepare(music, renametest::requestsOf(music, pairs)));
            QVERIFY(engine.runStep());
        }
        TOKBottomDlg1 progress;
        std::unique_ptr<TForm1> form = window(dir, &progress);
        {
            ModalAnswerer opening;
            opening.handle(press(QStringLiteral("LaterButton")));
            form->openStartFolder(music);
            QCOMPARE(opening.names, QStringList{QStringLiteral("RecoveryOfferBox")});
        }

        ModalAnswerer boxes;
        boxes.answer(QStringLiteral("OK"));
        boxes.handle(press(QStringLiteral("FinishButton")));
        boxes.answer(QStringLiteral("OK"));
        form->SpeedButton1Click();
        QVERIFY(!boxes.unexpected);
        QCOMPARE(boxes.seen.size(), 3);
        QCOMPARE(boxes.texts.at(0), text::entry(text::ReportTexts, 3));
        QCOMPARE(boxes.names.at(1), QStringLiteral("RecoveryOfferBox"));
        for (const QString& seen : boxes.seen)
            QVERIFY(!seen.startsWith(QStringLiteral("Confirmation|Do you want")));
        QCOMPARE(renametest::snapshot(music), renametest::placed(pairs, true));
        QStringList titles;
        for (const TrackRow& row : form->trackListModel()->rows())
            titles << row.caption() + u' ' + row.title();
        QCOMPARE(titles, (QStringList{QStringLiteral("00001 a"), QStringLiteral("00002 b")}));
    }
};

QTEST_MAIN(TestCompletionReport)
#include "tst_completionreport.moc"
