#include "app/Dialog1.h"
#include "app/Main.h"
#include "app/ProgessBar.h"
#include "app/TrackListModel.h"
#include "app/TrackPrint.h"
#include "core/SettingsFile.h"
#include "core/Text.h"
#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxDirTreeView.h"
#include "explorer/VxFilelistView28.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A main window whose settings file lives in a temporary folder.
struct Window
{
    explicit Window(const QByteArray& settingsBytes = QByteArray())
    {
        if (!settingsBytes.isNull())
            QVERIFY(dir.createFile(QStringLiteral("exe/ORVENFR.cfg"), settingsBytes));
        QVERIFY(dir.createDir(QStringLiteral("exe")));
        form = std::make_unique<TForm1>(settings());
        form->setProgressDialog(&progress);
    }
    SettingsFile settings() const
    {
        return SettingsFile(dir.filePath(QStringLiteral("exe/ORVENFR.cfg")),
                            dir.filePath(QStringLiteral("config/ORVEN/ORVENFR.cfg")));
    }
    template <typename T> T* find(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QString header(int column) const
    {
        return form->trackListModel()
            ->headerData(column, Qt::Horizontal, Qt::DisplayRole)
            .toString();
    }
    QAction* action(const char* name) const { return find<QAction>(name); }

    TestDir dir;
    TOKBottomDlg1 progress;
    std::unique_ptr<TForm1> form;
};

// Makes a FIFO, a bound UNIX socket or a link to a device at `path`; true when it is there.
bool makeSpecialFile(const QString& kind, const QByteArray& path)
{
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(path.constData(), 0600) == 0;
    if (kind == QLatin1String("device"))
        return ::symlink("/dev/null", path.constData()) == 0;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

const QByteArray EnglishFile = QByteArrayLiteral("\r\n\r\nEnglish\r\n");
const QByteArray FrenchFile = QByteArrayLiteral("\r\n\r\nFrancais\r\n");

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void controlsExistWithTheirNames_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"ToolBar1",     "SpeedButton1", "SpeedButton2",      "SpeedButton3",
              "SpeedButton4", "SpeedButton5", "SpeedButton6",      "SpeedButton7",
              "Image1",       "Image2",       "GroupBox1",         "Label1",
              "Label2",       "SpinEdit1",    "SpinEdit2",         "VxDirTreeCombo281",
              "ListView1",    "StatusBar1",   "VxFilelistView281", "RichEdit1",
              "SaveDialog2"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void controlsExistWithTheirNames()
    {
        QFETCH(QString, name);
        Window w(EnglishFile);
        QVERIFY2(w.form->findChild<QObject*>(name), qPrintable(name));
    }

    void toolbarButtonsInOrderAndSize()
    {
        Window w(EnglishFile);
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        const char* order[] = {"SpeedButton1", "SpeedButton5", "SpeedButton4", "SpeedButton3",
                               "SpeedButton2", "SpeedButton7", "SpeedButton6"};
        const int lefts[] = {0, 39, 78, 118, 158, 198, 238};
        const int firstLeft = w.find<QToolButton>(order[0])->x();
        for (int i = 0; i < 7; ++i) {
            const auto* button = w.find<QToolButton>(order[i]);
            QCOMPARE(button->x() - firstLeft, lefts[i]);
            QCOMPARE(button->height(), 37);
            QCOMPARE(button->iconSize(), QSize(32, 32));
            QVERIFY(!button->icon().isNull());
        }
        QCOMPARE(w.form->windowTitle(), QStringLiteral("ORVEN File Vivider"));
        QVERIFY(!w.find<QTextEdit>("RichEdit1")->isVisible());
    }

    void startUpMarksColumnZeroInTheLoadedLanguage_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("firstHeader");
        QTest::addColumn<QString>("groupTitle");
        QTest::newRow("english") << EnglishFile << QStringLiteral("Number *")
                                 << QStringLiteral("Process");
        QTest::newRow("french") << FrenchFile << QStringLiteral("Numéro *")
                                << QStringLiteral("Opération");
        QTest::newRow("first-run-writes-english")
            << QByteArray() << QStringLiteral("Number *") << QStringLiteral("Process");
    }
    void startUpMarksColumnZeroInTheLoadedLanguage()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, firstHeader);
        QFETCH(QString, groupTitle);
        Window w(settings);
        QCOMPARE(w.header(0), firstHeader);
        QCOMPARE(w.find<QGroupBox>("GroupBox1")->title(), groupTitle);
        for (int column = 1; column < 5; ++column)
            QVERIFY(!w.header(column).endsWith(QStringLiteral(" *")));
        QCOMPARE(w.form->VxFilelistView281()->Language(),
                 groupTitle == QStringLiteral("Process") ? lnEnglish : lnFrench);
        QCOMPARE(w.form->VxDirTreeCombo281()->Language(), lnFrench);
    }

    void languageSwitchRetextsAndDropsTheMarker()
    {
        Window w(EnglishFile);
        QCOMPARE(w.header(0), QStringLiteral("Number *"));
        w.action("French1")->trigger();
        QVERIFY(w.action("French1")->isChecked());
        QVERIFY(!w.action("English1")->isChecked());
        QCOMPARE(w.header(0), QStringLiteral("Numéro"));
        QCOMPARE(w.find<QToolButton>("SpeedButton6")->toolTip(), QStringLiteral("Quitter"));
        QCOMPARE(w.action("Print1")->text(), QStringLiteral("&Imprimer"));
        QCOMPARE(w.form->VxFilelistView281()->Language(), lnFrench);
        w.action("English1")->trigger();
        QCOMPARE(w.header(0), QStringLiteral("Number"));
        QCOMPARE(w.find<QToolButton>("SpeedButton1")->toolTip(),
                 QStringLiteral("Rename the MP3 files"));
        QCOMPARE(w.action("English1")->text(), QStringLiteral("&English"));
    }

    void aboutDialogFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("closeKey");
        QTest::newRow("french-enter")
            << QStringLiteral("French1") << QStringLiteral("A propos de ORVEN File Vivider")
            << int(Qt::Key_Return);
        QTest::newRow("english-escape")
            << QStringLiteral("English1") << QStringLiteral("About ORVEN File Vivider")
            << int(Qt::Key_Escape);
    }
    void aboutDialogFollowsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        QFETCH(int, closeKey);
        Window w(EnglishFile);
        TOKBottomDlg about;
        w.form->setAboutDialog(&about);
        w.form->findChild<QAction*>(language)->trigger();
        QString seenCaption;
        QString address;
        ModalAnswerer boxes;
        boxes.handle([&](QWidget* modal) {
            seenCaption = modal->windowTitle();
            QTextDocument shown;
            shown.setHtml(modal->findChild<QLabel*>(QStringLiteral("StaticText3"))->text());
            address = shown.toPlainText();
            QTest::keyClick(modal, Qt::Key(closeKey));
        });
        w.action("about1")->trigger();
        QCOMPARE(seenCaption, caption);
        QCOMPARE(address, QStringLiteral("orven.example"));
        QVERIFY(!about.isVisible());
    }

    void previewTakesTheWidthLeft_data()
    {
        QTest::addColumn<int>("windowWidth");
        QTest::newRow("narrower-than-the-columns") << 640;
        QTest::newRow("wider-than-the-columns") << 1400;
        QTest::newRow("widened-then-narrowed") << -1400;
    }
    void previewTakesTheWidthLeft()
    {
        QFETCH(int, windowWidth);
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/A.mp3")));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        w.form->resize(qAbs(windowWidth), 560);
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        auto* view = w.find<QTreeView>("ListView1");
        if (windowWidth < 0)
            w.form->resize(640, 560);
        const int widths[] = {70, 350, 70, 120};
        for (int column = 0; column < 4; ++column)
            QCOMPARE(view->columnWidth(column), widths[column]);
        const int left = view->viewport()->width() - 610;
        QTRY_COMPARE(view->columnWidth(4), qMax(350, left));
    }

    // At the layout's font, which Arial needs a metric-compatible font for, the dates of the
    // Date column fit its width.
    void dateTextsFitTheirColumn()
    {
        if (QFontInfo(QFont(QStringLiteral("Arial"))).family() != QLatin1String("Liberation Sans"))
            QSKIP("Liberation Sans is not installed (Debian package fonts-liberation2)");
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/A.mp3")));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        auto* view = w.find<QTreeView>("ListView1");
        const QString date = w.form->trackListModel()->rows().at(0).subItem(TrackRow::DateText);
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.widget = view;
        const QSize needed = view->itemDelegate()->sizeHint(option, view->model()->index(0, 3));
        QVERIFY2(needed.width() <= view->columnWidth(3),
                 qPrintable(date + QStringLiteral(" needs %1 pixels").arg(needed.width())));
    }

    void everyWayOfClosingWritesTheSettings_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("exit-button") << QStringLiteral("SpeedButton6");
        QTest::newRow("file-exit") << QStringLiteral("Exit1");
        QTest::newRow("close-box") << QString();
    }
    void everyWayOfClosingWritesTheSettings()
    {
        QFETCH(QString, way);
        Window w(EnglishFile);
        w.form->show();
        w.action("French1")->trigger();
        if (way == QStringLiteral("SpeedButton6"))
            w.find<QToolButton>("SpeedButton6")->click();
        else if (way == QStringLiteral("Exit1"))
            w.action("Exit1")->trigger();
        else
            w.form->close();
        QVERIFY(!w.form->isVisible());
        QVERIFY(w.dir.read(QStringLiteral("exe/ORVENFR.cfg")).endsWith("\r\nFrench\r\n"));
    }

    void settingsFailureKeepsTheLayoutTexts()
    {
        // Both places lie under a file, so the default file cannot be written, even by root.
        TestDir dir;
        QVERIFY(dir.createFile(QStringLiteral("blocker")));
        ModalAnswerer boxes;
        TForm1 form(SettingsFile(dir.filePath(QStringLiteral("blocker/ORVENFR.cfg")),
                                 dir.filePath(QStringLiteral("blocker/ORVEN/ORVENFR.cfg"))));
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(form.trackListModel()->columnCount(), 0);
        QCOMPARE(form.findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->title(),
                 QStringLiteral(" Opération "));
        QCOMPARE(form.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->toolTip(),
                 QStringLiteral("Créer les répertoires"));
        ModalAnswerer closing;
        form.close();
    }

    void startFolderFillsTheTrackList()
    {
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/00002 Beta.mp3"), "bb"));
        QVERIFY(w.dir.createFile(QStringLiteral("music/Alpha.MP3"), "a"));
        QVERIFY(w.dir.createFile(QStringLiteral("music/cover.jpg"), "c"));
        QVERIFY(w.dir.createFile(QStringLiteral("music/.hidden.mp3"), "h"));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        const QVector<TrackRow>& rows = w.form->trackListModel()->rows();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).subItem(TrackRow::Title), QStringLiteral(".hidden"));
        QCOMPARE(rows.at(1).caption(), QStringLiteral("00002"));
        QCOMPARE(rows.at(1).subItem(TrackRow::Preview), QStringLiteral("00002 Beta"));
        QCOMPARE(rows.at(2).subItem(TrackRow::Preview), QStringLiteral("00003 Alpha"));
        QCOMPARE(rows.at(2).subItem(TrackRow::SizeText), QStringLiteral("1 KB"));
        QVERIFY(w.form->VxDirTreeCombo281()->text().contains(QStringLiteral("music")));
    }

    void specialFilesAreListedButNoTracks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << QStringLiteral("fifo");
        QTest::newRow("socket") << QStringLiteral("socket");
        QTest::newRow("device-through-link") << QStringLiteral("device");
    }
    void specialFilesAreListedButNoTracks()
    {
        QFETCH(QString, kind);
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/Song.mp3"), "s"));
        QVERIFY(makeSpecialFile(kind, w.dir.pathBytes() + "/music/Special.mp3"));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        QCOMPARE(w.form->VxFilelistView281()->rowCount(), 2);
        const QVector<TrackRow>& rows = w.form->trackListModel()->rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).nameBytes, QByteArray("Song.mp3"));

        ModalAnswerer boxes;
        boxes.answer(QStringLiteral("&Oui"));
        boxes.answer(QStringLiteral("OK"));
        w.form->SpeedButton1Click();
        QCOMPARE(boxes.seen.size(), 2);
        QCOMPARE(boxes.seen.at(1), QStringLiteral("Avertissement|Rename process completed..."));
        QCOMPARE(w.dir.read(QStringLiteral("music/00001 Song.mp3")), QByteArray("s"));
        QCOMPARE(QDir(w.dir.filePath(QStringLiteral("music"))).entryList(QDir::System),
                 QStringList{QStringLiteral("Special.mp3")});
    }

    void startFolderThatIsNoFolderIsReported()
    {
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("song.mp3")));
        ModalAnswerer boxes;
        w.form->openStartFolder(w.dir.pathBytes() + "/song.mp3");
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY(boxes.seen.constFirst().startsWith(QStringLiteral("Avertissement|")));
        QVERIFY(boxes.seen.constFirst().contains(QStringLiteral("is not a folder")));
        QCOMPARE(w.form->trackListModel()->rowCount(), 0);
        QCOMPARE(w.form->VxFilelistView281()->Directory(), QStringLiteral("Drives"));
    }

    // The file list and the folder picker cannot show such a folder: the window says so rather
    // than calling an existing folder missing or showing another one.
    void startFolderNotValidUtf8IsReported()
    {
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("plain/Song.mp3")));
        const QByteArray folder = w.dir.pathBytes() + "/caf\xe9";
        QCOMPARE(std::rename((w.dir.pathBytes() + "/plain").constData(), folder.constData()), 0);
        ModalAnswerer boxes;
        w.form->openStartFolder(folder);
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY2(boxes.seen.constFirst().contains(
                     QStringLiteral("caf\\xE9\": its name is not valid UTF-8")),
                 qPrintable(boxes.seen.constFirst()));
        QCOMPARE(w.form->trackListModel()->rowCount(), 0);
        QCOMPARE(w.form->VxFilelistView281()->Directory(), QStringLiteral("Drives"));
    }

    void spinBoxesRecomputeThePreviews()
    {
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/A.mp3")));
        QVERIFY(w.dir.createFile(QStringLiteral("music/B.mp3")));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        auto* start = w.find<QWidget>("SpinEdit1");
        auto* edit = start->findChild<QLineEdit*>();
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("10"));
        QCOMPARE(w.form->trackListModel()->rows().at(1).subItem(TrackRow::Preview),
                 QStringLiteral("00012 B"));
    }

    void emptyListCommandsWarn_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("print-button") << QStringLiteral("SpeedButton7");
        QTest::newRow("rename-button") << QStringLiteral("SpeedButton1");
        QTest::newRow("file-print") << QStringLiteral("Print1");
        QTest::newRow("file-export") << QStringLiteral("Export1");
        QTest::newRow("actions-rename") << QStringLiteral("CreateDir1");
    }
    void emptyListCommandsWarn()
    {
        QFETCH(QString, command);
        Window w(EnglishFile);
        ModalAnswerer boxes;
        if (auto* button = w.form->findChild<QToolButton*>(command))
            button->click();
        else
            w.form->findChild<QAction*>(command)->trigger();
        QCOMPARE(boxes.seen, QStringList{QStringLiteral(
                                 "Avertissement|The selected directory does not contain any "
                                 "MP3 file.")});
    }

    void printWithoutADefaultPrinterIsReported()
    {
        if (trackprint::hasDefaultPrinter())
            QSKIP("this machine has a default printer");
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/00001 A.mp3")));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        ModalAnswerer boxes;
        w.find<QToolButton>("SpeedButton7")->click();
        QCOMPARE(boxes.seen, QStringList{QStringLiteral("ORVEN File Vivider|There is no default "
                                                        "printer currently selected")});
        QCOMPARE(w.find<QTextEdit>("RichEdit1")->toPlainText(), QStringLiteral("     00001 A"));
    }

    void exportAsksBeforeReplacingAFile_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("no-keeps-the-file") << QStringLiteral("&No") << QByteArray("precious");
        QTest::newRow("yes-replaces-it")
            << QStringLiteral("&Yes") << QByteArray("00001;A\r\n;B\r\n");
    }
    void exportAsksBeforeReplacingAFile()
    {
        QFETCH(QString, answer);
        QFETCH(QByteArray, expected);
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/00001 A.mp3")));
        QVERIFY(w.dir.createFile(QStringLiteral("music/B.mp3")));
        QVERIFY(w.dir.createFile(QStringLiteral("list.txt"), "precious"));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        const QString target = w.dir.filePath(QStringLiteral("list.txt"));
        ModalAnswerer boxes;
        QPointer<QFileDialog> saveDialog;
        boxes.handle([&](QWidget* modal) {
            saveDialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(saveDialog);
            // As a user does it: the folder, then the name typed into the name box.
            saveDialog->setDirectory(QFileInfo(target).absolutePath());
            auto* name = saveDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(QFileInfo(target).fileName());
            // Queued: the replace question opens inside accept(), and must be answered too.
            QMetaObject::invokeMethod(saveDialog, "accept", Qt::QueuedConnection);
        });
        boxes.handle([&](QWidget* question) {
            for (QAbstractButton* button : question->findChildren<QAbstractButton*>()) {
                if (button->text() == answer)
                    button->click();
            }
            // Declining leaves the save dialog open; the user then cancels it.
            if (saveDialog && answer == QStringLiteral("&No"))
                QMetaObject::invokeMethod(saveDialog, "reject", Qt::QueuedConnection);
        });
        w.form->Export1Click();
        QTRY_COMPARE(boxes.seen.size(), 2);
        QCOMPARE(w.dir.read(QStringLiteral("list.txt")), expected);
    }

    void renameCommandRunsAndReloads()
    {
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/00001 A.mp3"), "a"));
        QVERIFY(w.dir.createFile(QStringLiteral("music/00003 B.mp3"), "b"));
        QVERIFY(w.dir.createFile(QStringLiteral("music/Intro.MP3"), "i"));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        auto* view = w.find<QTreeView>("ListView1");
        // 00003 B above 00001 A, Intro last.
        view->setCurrentIndex(view->model()->index(1, 0));
        w.find<QToolButton>("SpeedButton5")->click();
        ModalAnswerer boxes;
        boxes.handle([&w](QWidget* question) {
            // The folder picked again while the question is open rebuilds the list in listing
            // order; the run still does what was confirmed.
            w.form->VxDirTreeCombo281PathChange(w.form->VxDirTreeCombo281(), QString());
            QTest::keyClick(question, Qt::Key_Return);
        });
        boxes.answer(QStringLiteral("OK"));
        w.form->SpeedButton1Click();
        QCOMPARE(boxes.seen,
                 (QStringList{QStringLiteral("Confirmation|Do you want to rename the MP3 files of "
                                             "this directory?"),
                              QStringLiteral("Avertissement|Rename process completed...")}));
        QCOMPARE(w.dir.read(QStringLiteral("music/00001 B.mp3")), QByteArray("b"));
        QCOMPARE(w.dir.read(QStringLiteral("music/00002 A.mp3")), QByteArray("a"));
        QCOMPARE(w.dir.read(QStringLiteral("music/00003 Intro.mp3")), QByteArray("i"));
        QCOMPARE(QDir(w.dir.filePath(QStringLiteral("music"))).count(), 5u);
        const QVector<TrackRow>& rows = w.form->trackListModel()->rows();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).caption(), QStringLiteral("00001"));
        QCOMPARE(rows.at(2).subItem(TrackRow::Title), QStringLiteral("Intro"));
        QCOMPARE(w.header(0), QStringLiteral("Number *"));
        QCOMPARE(w.header(1), QStringLiteral("File name"));
    }

    // A file manager's drop lands on whatever control is under the pointer; over the track
    // list it still copies into the folder shown, and the new track joins the list.
    void filesDroppedOverTheTrackListAreCopiedIntoTheFolder()
    {
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/00001 A.mp3"), "a"));
        QVERIFY(w.dir.createFile(QStringLiteral("elsewhere/New.mp3"), "new"));
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        QWidget* target = w.find<QTreeView>("ListView1")->viewport();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(w.dir.filePath(QStringLiteral("elsewhere/New.mp3")))});
        const QPoint point(20, 20);
        QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
        QTRY_COMPARE(w.dir.read(QStringLiteral("music/New.mp3")), QByteArray("new"));
        QCOMPARE(w.dir.read(QStringLiteral("elsewhere/New.mp3")), QByteArray("new"));
        QTRY_COMPARE(w.form->trackListModel()->rows().size(), 2);
    }

    void namesWithAStarAreListedAndRenamed()
    {
        Window w(EnglishFile);
        for (const QString& name : {QStringLiteral("*?[.mp3"), QStringLiteral("**.mp3"),
                                    QStringLiteral("*.mp3"), QStringLiteral("a*b.mp3")})
            QVERIFY(w.dir.createFile(QStringLiteral("music/") + name, name.toUtf8()));
        TVxDirTreeCombo28* picker = w.form->VxDirTreeCombo281();
        picker->OpenPath(w.dir.filePath(QStringLiteral("music")));
        picker->ToggleDropDown();
        QTest::keyClick(picker, Qt::Key_Return);
        QCOMPARE(w.form->trackListModel()->rowCount(), 4);
        ModalAnswerer boxes;
        boxes.answer(QStringLiteral("&Oui"));
        boxes.answer(QStringLiteral("OK"));
        w.form->SpeedButton1Click();
        QCOMPARE(boxes.seen.size(), 2);
        QCOMPARE(boxes.seen.at(1), QStringLiteral("Avertissement|Rename process completed..."));
        QCOMPARE(QDir(w.dir.filePath(QStringLiteral("music"))).entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("00001 **.mp3"), QStringLiteral("00002 *.mp3"),
                              QStringLiteral("00003 *?[.mp3"), QStringLiteral("00004 a*b.mp3")}));
        QCOMPARE(w.dir.read(QStringLiteral("music/00003 *?[.mp3")), QByteArray("*?[.mp3"));
    }

    void renameCommandAnsweredNoChangesNothing()
    {
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/Song.mp3"), "s"));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        ModalAnswerer boxes;
        boxes.answer(QStringLiteral("&Non"));
        w.form->SpeedButton1Click();
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY(w.dir.exists(QStringLiteral("music/Song.mp3")));
        QCOMPARE(w.header(0), QStringLiteral("Number *"));
    }

    void renameCommandReportsWhatFailed()
    {
        Window w(EnglishFile);
        QVERIFY(w.dir.createFile(QStringLiteral("music/A.mp3"), "a"));
        QVERIFY(w.dir.createFile(QStringLiteral("music/B.mp3"), "b"));
        // Not a track: a folder holding the name A would get.
        QVERIFY(w.dir.createDir(QStringLiteral("music/00001 A.mp3")));
        w.form->openStartFolder(w.dir.pathBytes() + "/music");
        ModalAnswerer boxes;
        boxes.answer(QStringLiteral("&Oui"));
        boxes.answer(QStringLiteral("OK"));
        w.form->SpeedButton1Click();
        QVERIFY2(boxes.seen.size() == 2, qPrintable(boxes.seen.join(u'#')));
        QVERIFY(boxes.seen.at(0).endsWith(QStringLiteral("\n1 file(s) cannot be renamed.")));
        const QString report = boxes.seen.at(1);
        QVERIFY2(report.startsWith(QStringLiteral("Avertissement|Rename process completed...")),
                 qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("A.mp3")), qPrintable(report));
        QCOMPARE(w.dir.read(QStringLiteral("music/A.mp3")), QByteArray("a"));
        QCOMPARE(w.dir.read(QStringLiteral("music/00002 B.mp3")), QByteArray("b"));
    }

    // Pictures for the documentation, made only when SCREENSHOT_DIR names a folder.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("SCREENSHOT_DIR is not set");
        Window w(EnglishFile);
        const char* titles[] = {
            "00003 Morning Light", "00001 Harbour Lights",    "Interlude",
            "00002 Northern Road", "00004 The Long Way Home", "00005 Paper Boats"};
        int size = 3100000;
        for (const char* title : titles) {
            QVERIFY(w.dir.createFile(QStringLiteral("Album/") + QString::fromLatin1(title) +
                                         QStringLiteral(".mp3"),
                                     QByteArray(size, 'x')));
            size += 731000;
        }
        w.form->resize(1000, 560);
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        w.form->openStartFolder(w.dir.pathBytes() + "/Album");
        w.form->ListView1ColumnClick(0);
        auto* view = w.find<QTreeView>("ListView1");
        view->setCurrentIndex(view->model()->index(2, 0));
        QTest::qWait(50);
        QVERIFY(w.form->grab().save(folder + QStringLiteral("/main-window.png")));

        TVxDirTreeCombo28* combo = w.form->VxDirTreeCombo281();
        combo->ToggleDropDown();
        QWidget* tree = combo->Tree();
        QTRY_VERIFY(tree->isVisible());
        QTest::qWait(50);
        QPixmap picture = w.form->grab();
        QPainter painter(&picture);
        painter.drawPixmap(tree->mapToGlobal(QPoint(0, 0)) - w.form->mapToGlobal(QPoint(0, 0)),
                           tree->grab());
        painter.end();
        QVERIFY(picture.save(folder + QStringLiteral("/folder-picker-open.png")));
        combo->ToggleDropDown();
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
