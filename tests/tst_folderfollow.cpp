#include "app/ListedFolderWatcher.h"
#include "app/Main.h"
#include "app/ProgessBar.h"
#include "app/TrackListModel.h"
#include "core/SettingsFile.h"
#include "core/rename/RenameStatus.h"
#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxFilelistView28.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <memory>

namespace {

// How long a file another program adds or removes may take to reach the list.
constexpr int FollowMs = 1000;

// A shown main window on dir/top/music holding A, B and C, its settings in the same folder.
struct Window
{
    // Sizes of 1.5, 3 and 4.5 KB give the Size header an order of its own.
    Window()
    {
        QVERIFY(dir.createDir(QStringLiteral("exe")));
        for (int i = 0; i < 3; ++i)
            QVERIFY(dir.createFile(QStringLiteral("top/music/%1.mp3").arg(QChar(u'A' + i)),
                                   QByteArray((i + 1) * 1500, 'x')));
        form = std::make_unique<TForm1>(
            SettingsFile(dir.filePath(QStringLiteral("exe/ORVENFR.cfg")),
                         dir.filePath(QStringLiteral("config/ORVEN/ORVENFR.cfg"))));
        form->setProgressDialog(&progress);
        tester = std::make_unique<QAbstractItemModelTester>(
            form->trackListModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        form->resize(900, 420);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->openStartFolder(dir.pathBytes() + "/top/music");
    }
    QString music(const QString& name = QString()) const
    {
        return dir.filePath(QStringLiteral("top/music/") + name);
    }
    QTreeView* view() const { return form->findChild<QTreeView*>(QStringLiteral("ListView1")); }
    void click(const char* button) const
    {
        form->findChild<QToolButton*>(QString::fromLatin1(button))->click();
    }
    QStringList titles() const
    {
        QStringList result;
        for (const TrackRow& row : form->trackListModel()->rows())
            result << row.title();
        return result;
    }
    QString selectedTitle() const
    {
        const QModelIndexList rows = view()->selectionModel()->selectedRows();
        return rows.size() == 1 ? form->trackListModel()->row(rows.first().row()).title()
                                : QString();
    }
    QStringList previews() const
    {
        QStringList result;
        for (const TrackRow& row : form->trackListModel()->rows())
            result << row.subItem(TrackRow::Preview);
        return result;
    }

    TestDir dir;
    TOKBottomDlg1 progress;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

QStringList numbered(const QStringList& titles)
{
    QStringList result;
    for (int i = 0; i < titles.size(); ++i)
        result << QStringLiteral("%1 %2").arg(i + 1, 5, 10, QLatin1Char('0')).arg(titles.at(i));
    return result;
}

} // namespace

class TestFolderFollow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // C is moved to the top by hand; then something changes on disk.
    void handMadeOrderSurvivesChanges_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("selected");
        const QStringList kept{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B")};
        QTest::newRow("folder/sibling-created")
            << QStringLiteral("mkdir") << QStringLiteral("top/sibling") << kept
            << QStringLiteral("C");
        QTest::newRow("folder/two-levels-up-created")
            << QStringLiteral("mkdir") << QStringLiteral("far") << kept << QStringLiteral("C");
        QTest::newRow("folder/created-in-the-listed-folder")
            << QStringLiteral("mkdir") << QStringLiteral("top/music/sub") << kept
            << QStringLiteral("C");
        QTest::newRow("track/added-at-the-end")
            << QStringLiteral("create") << QStringLiteral("top/music/0-first.mp3")
            << QStringList{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B"),
                           QStringLiteral("0-first")}
            << QStringLiteral("C");
        QTest::newRow("track/removed")
            << QStringLiteral("remove") << QStringLiteral("A.mp3")
            << QStringList{QStringLiteral("C"), QStringLiteral("B")} << QStringLiteral("C");
        QTest::newRow("track/selected-one-removed")
            << QStringLiteral("remove") << QStringLiteral("C.mp3")
            << QStringList{QStringLiteral("A"), QStringLiteral("B")} << QString();
        QTest::newRow("track/renamed-by-another-program")
            << QStringLiteral("rename") << QStringLiteral("A.mp3")
            << QStringList{QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("Z")}
            << QStringLiteral("C");
        QTest::newRow("other/not-a-track-added")
            << QStringLiteral("create") << QStringLiteral("top/music/cover.jpg") << kept
            << QStringLiteral("C");
    }
    void handMadeOrderSurvivesChanges()
    {
        QFETCH(QString, change);
        QFETCH(QString, target);
        QFETCH(QStringList, expected);
        QFETCH(QString, selected);
        Window w;
        w.view()->setCurrentIndex(w.form->trackListModel()->index(2, 0));
        w.click("SpeedButton3");
        QCOMPARE(w.titles(),
                 (QStringList{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B")}));
        QSignalSpy picker(w.form->VxDirTreeCombo281(), &TVxDirTreeCombo28::PathChange);
        QSignalSpy followed(w.form->findChild<ListedFolderWatcher*>(),
                            &ListedFolderWatcher::changed);

        if (change == QStringLiteral("mkdir")) {
            QVERIFY(w.dir.createDir(target));
            // The picker has rebuilt its tree, and the listed folder has been read again.
            QTRY_VERIFY(picker.count() > 0);
            if (target.startsWith(QStringLiteral("top/music/")))
                QTRY_VERIFY(followed.count() > 0);
        } else if (change == QStringLiteral("create")) {
            QVERIFY(w.dir.createFile(target, "new"));
            QTRY_VERIFY_WITH_TIMEOUT(followed.count() > 0, FollowMs);
        } else if (change == QStringLiteral("remove")) {
            QVERIFY(QFile::remove(w.music(target)));
        } else {
            QVERIFY(QFile::rename(w.music(target), w.music(QStringLiteral("Z.mp3"))));
        }
        QTRY_COMPARE_WITH_TIMEOUT(w.titles(), expected, FollowMs);
        QCOMPARE(w.selectedTitle(), selected);
        QCOMPARE(w.previews(), numbered(expected));

        // Export writes the order the user sees.
        const QString exported = w.dir.filePath(QStringLiteral("list.txt"));
        w.form->ExportTrackList(exported);
        QFile file(exported);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray lines;
        for (const QString& title : expected)
            lines += QByteArray(";") + title.toUtf8() + "\r\n";
        QCOMPARE(file.readAll(), lines);

        const QString shots = qEnvironmentVariable("SCREENSHOT_DIR");
        if (!shots.isEmpty() && qstrcmp(QTest::currentDataTag(), "folder/sibling-created") == 0)
            QVERIFY(w.form->grab().save(shots + QStringLiteral("/list-keeps-order.png")));
    }

    // A listed folder that can no longer be read keeps its rows, each saying why it cannot be
    // renamed; nothing passes for an empty folder.
    void unreadableFolderKeepsTheRowsAndSaysWhy()
    {
        Window w;
        w.view()->setCurrentIndex(w.form->trackListModel()->index(2, 0));
        w.click("SpeedButton3");
        QVERIFY(QDir(w.music()).removeRecursively());
        QTRY_VERIFY_WITH_TIMEOUT(!w.form->trackListModel()->row(0).previewProblem.isEmpty(),
                                 FollowMs);
        QCOMPARE(w.titles(),
                 (QStringList{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B")}));
        for (const TrackRow& row : w.form->trackListModel()->rows())
            QCOMPARE(row.previewProblem,
                     renaming::statusText(renaming::RenameStatus::FolderUnavailable));
    }

    // Picking, the refresh key and the Size header read the folder again, in its own order.
    void rebuildsTakeTheListingOrder_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("expected");
        const QStringList byName{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        QTest::newRow("pick-again") << QStringLiteral("pick") << byName;
        QTest::newRow("refresh-key") << QStringLiteral("F5") << byName;
        QTest::newRow("size-header")
            << QStringLiteral("size")
            << QStringList{QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("A")};
    }
    void rebuildsTakeTheListingOrder()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, expected);
        Window w;
        w.view()->setCurrentIndex(w.form->trackListModel()->index(1, 0));
        w.click("SpeedButton2");
        QCOMPARE(w.titles(),
                 (QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("B")}));
        if (how == QStringLiteral("pick")) {
            w.form->openStartFolder(w.dir.pathBytes() + "/top/music");
        } else if (how == QStringLiteral("F5")) {
            w.form->VxDirTreeCombo281()->setFocus();
            QTest::keyClick(w.form->VxDirTreeCombo281(), Qt::Key_F5);
        } else {
            w.form->ListView1ColumnClick(2);
        }
        QCOMPARE(w.titles(), expected);
    }

    // A file added while the rename question is open changes nothing until the command ends.
    void changeDuringTheRenameCommandWaitsForIt()
    {
        Window w;
        w.view()->setCurrentIndex(w.form->trackListModel()->index(2, 0));
        w.click("SpeedButton3");
        auto* watcher = w.form->findChild<ListedFolderWatcher*>();
        QVERIFY(watcher);
        ModalAnswerer boxes;
        QStringList seenDuring;
        boxes.handle([&](QWidget* question) {
            QVERIFY(w.dir.createFile(QStringLiteral("top/music/D.mp3"), "d"));
            QTRY_VERIFY(watcher->hasPendingChange());
            seenDuring = w.titles();
            QTest::keyClick(question, Qt::Key_Escape);
        });
        w.form->SpeedButton1Click();
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(seenDuring,
                 (QStringList{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B")}));
        QTRY_COMPARE_WITH_TIMEOUT(w.titles(),
                                  (QStringList{QStringLiteral("C"), QStringLiteral("A"),
                                               QStringLiteral("B"), QStringLiteral("D")}),
                                  FollowMs);
        QVERIFY(QDir(w.music()).exists(QStringLiteral("A.mp3")));
    }
};

QTEST_MAIN(TestFolderFollow)
#include "tst_folderfollow.moc"
