#include "explorer/VxFileListOperations.h"
#include "explorer/VxFilelistView28.h"
#include "explorer/VxFilelistView28PopUp.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {

// Stands in for the desktop's default application: records what it was asked to open.
class OpenRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// A small window holding a file list, the way a program puts one in its main window.
struct ListWindow
{
    explicit ListWindow(const QString& folder)
    {
        window.resize(480, 320);
        auto* layout = new QVBoxLayout(&window);
        list = new TVxFilelistView28(&window);
        list->setObjectName(u"FileList"_s);
        layout->addWidget(list);
        list->setParentDirEnabled(false);
        list->setDirectory(folder);
        window.show();
    }

    int rowOf(const QString& caption) const
    {
        for (int row = 0; row < list->rows().size(); ++row) {
            if (list->rows()[row].caption() == caption)
                return row;
        }
        return -1;
    }

    void select(const QStringList& captions)
    {
        list->clearSelection();
        for (const QString& caption : captions) {
            const int row = rowOf(caption);
            QVERIFY2(row >= 0, qPrintable(caption));
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    QAction* item(const QString& name) const
    {
        return list->popupMenu() ? list->popupMenu()->findChild<QAction*>(name) : nullptr;
    }

    QWidget window;
    TVxFilelistView28* list;
};

} // namespace

class TestFileListOps : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDir> m_home;

private slots:
    void init()
    {
        // Every test has its own home, data and configuration folders: the trash, the Send To
        // folder and the desktop all live there.
        m_home = std::make_unique<TestDir>();
        qputenv("HOME", QFile::encodeName(m_home->path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home->filePath(u"data"_s)));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home->filePath(u"config"_s)));
        QGuiApplication::clipboard()->clear();
    }

    void cleanup() { m_home.reset(); }

    void enablingAtPopup_data()
    {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<bool>("clipboardFiles");
        QTest::addColumn<QStringList>("enabled");
        const QStringList always{u"ItemFolder"_s};
        QTest::newRow("none") << QStringList{} << false << always;
        QTest::newRow("none/files-on-clipboard")
            << QStringList{} << true << QStringList{u"ItemOpPaste"_s, u"ItemFolder"_s};
        const QStringList selected{
            u"ItemOpen"_s,     u"SubMenuSend"_s, u"ItemOpCut"_s, u"ItemOpCopy"_s, u"ItemDelete"_s,
            u"ItemProperty"_s, u"ItemFolder"_s,  u"Send_To0"_s,  u"Send_To2"_s,   u"Send_To3"_s};
        QTest::newRow("one-song") << QStringList{u"a.mp3"_s} << false
                                  << selected + QStringList{u"ItemRename"_s};
        QTest::newRow("one-text") << QStringList{u"notes.txt"_s} << false
                                  << selected +
                                         QStringList{u"ItemRename"_s, u"ItemView"_s, u"Send_To1"_s};
        QTest::newRow("one-web-page") << QStringList{u"page.html"_s} << false
                                      << selected + QStringList{u"ItemRename"_s, u"ItemView"_s};
        QTest::newRow("two-first-text")
            << QStringList{u"a.mp3"_s, u"notes.txt"_s} << false << selected;
    }

    void enablingAtPopup()
    {
        QFETCH(QStringList, selection);
        QFETCH(bool, clipboardFiles);
        QFETCH(QStringList, enabled);
        TestDir dir;
        for (const QString& name : {u"a.mp3"_s, u"notes.txt"_s, u"page.html"_s})
            QVERIFY(dir.createFile(name, "x"));
        if (clipboardFiles) {
            auto* data = new QMimeData;
            data->setData(u"text/uri-list"_s, "file:///etc/hostname\r\n");
            QGuiApplication::clipboard()->setMimeData(data);
        }
        ListWindow w(dir.path());
        w.select(selection);
        // The selected row is the first in row order: the song sorts before the text.
        w.list->popupMenu()->Popup(w.window.mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY(w.list->popupMenu()->isVisible());
        QStringList actual;
        for (const QString& name :
             {u"ItemOpen"_s, u"ItemView"_s, u"SubMenuSend"_s, u"ItemOpCut"_s, u"ItemOpCopy"_s,
              u"ItemOpPaste"_s, u"ItemRename"_s, u"ItemDelete"_s, u"ItemProperty"_s,
              u"ItemFolder"_s, u"Send_To0"_s, u"Send_To1"_s, u"Send_To2"_s, u"Send_To3"_s}) {
            QAction* action = w.item(name);
            QVERIFY2(action, qPrintable(name));
            if (action->isEnabled())
                actual << name;
        }
        actual.sort();
        enabled.sort();
        QCOMPARE(actual, enabled);
        w.list->popupMenu()->close();
    }

    void menuShowsBesideThePoint()
    {
        TestDir dir;
        QVERIFY(dir.createFile(u"a.mp3"_s));
        ListWindow w(dir.path());
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        TVxFilelistView28PopUp* menu = w.list->popupMenu();
        const QPoint point = w.window.mapToGlobal(QPoint(30, 40));
        menu->Popup(point);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), point + QPoint(10, 10));
        QCOMPARE(w.item(u"ItemOpen"_s)->text(), u"&Open"_s);
        // A click on an item runs its command.
        w.select({u"a.mp3"_s});
        menu->Popup(point);
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                          menu->actionGeometry(w.item(u"ItemOpCopy"_s)).center());
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(w.list->operations().pendingFiles(),
                 QList<QByteArray>{QFile::encodeName(dir.filePath(u"a.mp3"_s))});

        w.list->setDirectory(u"Drives"_s);
        menu = w.list->popupMenu();
        menu->Popup(point);
        QVERIFY(!menu->isVisible());
    }

    void copyOrCutThenPaste_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("sourcesStay");
        QTest::newRow("copy") << u"ItemOpCopy"_s << true;
        QTest::newRow("cut") << u"ItemOpCut"_s << false;
    }

    void copyOrCutThenPaste()
    {
        QFETCH(QString, command);
        QFETCH(bool, sourcesStay);
        TestDir from;
        TestDir to;
        QVERIFY(from.createFile(u"one two.mp3"_s, "first song"));
        QVERIFY(from.createFile(u"b.mp3"_s, "second song"));
        QVERIFY(from.createFile(u"c.mp3"_s, "stays"));
        ListWindow source(from.path());
        source.select({u"one two.mp3"_s, u"b.mp3"_s});
        source.item(command)->trigger();

        // Both marked "copy": another program pastes a cut as a copy.
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        const QByteArray base = QUrl::fromLocalFile(from.path()).toEncoded();
        QCOMPARE(data->data(u"text/uri-list"_s), base + "/b.mp3\r\n" + base + "/one%20two.mp3\r\n");
        QCOMPARE(data->data(u"x-special/gnome-copied-files"_s),
                 "copy\n" + base + "/b.mp3\n" + base + "/one%20two.mp3");

        ListWindow target(to.path());
        target.item(u"ItemOpPaste"_s)->trigger();
        QCOMPARE(to.read(u"one two.mp3"_s), QByteArray("first song"));
        QCOMPARE(to.read(u"b.mp3"_s), QByteArray("second song"));
        QVERIFY(!to.exists(u"c.mp3"_s));
        QCOMPARE(from.exists(u"one two.mp3"_s), sourcesStay);
        QCOMPARE(from.exists(u"b.mp3"_s), sourcesStay);
        QVERIFY(from.exists(u"c.mp3"_s));
        // The folder is read again and the pending list emptied.
        QVERIFY(target.rowOf(u"b.mp3"_s) >= 0);
        QVERIFY(target.list->operations().pendingFiles().isEmpty());
    }

    void pasteOntoExistingNameAsks_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("no-keeps-the-file") << QMessageBox::No << QByteArray("old");
        QTest::newRow("cancel-keeps-the-file") << QMessageBox::Cancel << QByteArray("old");
        QTest::newRow("yes-replaces") << QMessageBox::Yes << QByteArray("new");
    }

    void pasteOntoExistingNameAsks()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, kept);
        TestDir from;
        TestDir to;
        QVERIFY(from.createFile(u"a.mp3"_s, "new"));
        QVERIFY(to.createFile(u"a.mp3"_s, "old"));
        ListWindow source(from.path());
        source.select({u"a.mp3"_s});
        source.list->operations().Cut();
        ListWindow target(to.path());
        ModalAnswerer answerer({answer});
        target.list->operations().Paste();
        QCOMPARE(answerer.names, QStringList{u"ConfirmReplace"_s});
        QCOMPARE(to.read(u"a.mp3"_s), kept);
        QCOMPARE(from.exists(u"a.mp3"_s), kept == "old");
        QCOMPARE(QDir(to.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"a.mp3"_s});
    }

    void pasteOfFolderIntoItselfIsRefused_data()
    {
        QTest::addColumn<QString>("into");
        QTest::newRow("itself") << u"album"_s;
        QTest::newRow("its-subfolder") << u"album/disc 1"_s;
    }

    void pasteOfFolderIntoItselfIsRefused()
    {
        QFETCH(QString, into);
        TestDir dir;
        QVERIFY(dir.createFile(u"album/disc 1/a.mp3"_s, "song"));
        ListWindow w(dir.path());
        w.select({u"album"_s});
        w.list->operations().Cut();
        w.list->setDirectory(dir.filePath(into));
        ModalAnswerer answerer({}, QMessageBox::Cancel);
        w.list->operations().Paste();
        QCOMPARE(answerer.names, QStringList{u"FileOperationError"_s});
        QVERIFY(answerer.texts.front().contains(u"inside the source folder"_s));
        QCOMPARE(dir.read(u"album/disc 1/a.mp3"_s), QByteArray("song"));
        QVERIFY(!dir.exists(into + u"/album"_s));
    }

    void deleteGoesToTheUsersTrash_data()
    {
        QTest::addColumn<bool>("dataFolderExists");
        QTest::newRow("data-folder-exists") << true;
        QTest::newRow("data-folder-missing") << false;
    }

    void deleteGoesToTheUsersTrash()
    {
        QFETCH(bool, dataFolderExists);
        if (dataFolderExists)
            QVERIFY(m_home->createDir(u"data"_s));
        TestDir dir;
        QVERIFY(dir.createFile(u"a.mp3"_s, "song"));
        QVERIFY(dir.createFile(u"keep.mp3"_s));
        ListWindow w(dir.path());
        w.select({u"a.mp3"_s});
        ModalAnswerer answerer({QMessageBox::Yes});
        w.item(u"ItemDelete"_s)->trigger();
        QCOMPARE(answerer.names, QStringList{u"ConfirmDelete"_s});
        QVERIFY(!dir.exists(u"a.mp3"_s));
        QVERIFY(dir.exists(u"keep.mp3"_s));
        const QString trash = m_home->filePath(u"data/Trash"_s);
        QFile trashed(trash + u"/files/a.mp3"_s);
        QVERIFY(trashed.open(QIODevice::ReadOnly));
        QCOMPARE(trashed.readAll(), QByteArray("song"));
        QFile info(trash + u"/info/a.mp3.trashinfo"_s);
        QVERIFY(info.open(QIODevice::ReadOnly));
        const QByteArray record = info.readAll();
        QVERIFY(record.startsWith("[Trash Info]\n"));
        QVERIFY(record.contains(
            "Path=" + QFile::encodeName(dir.filePath(u"a.mp3"_s)).toPercentEncoding("/")));
        QCOMPARE(w.rowOf(u"a.mp3"_s), -1);
    }

    void newFolderTakesTheNextNumber()
    {
        TestDir dir;
        QVERIFY(dir.createDir(u"New Folder"_s));
        QVERIFY(dir.createDir(u"New Folder(2)"_s));
        ListWindow w(dir.path());
        w.item(u"ItemFolder"_s)->trigger();
        QVERIFY(QFileInfo(dir.filePath(u"New Folder(3)"_s)).isDir());
        const int row = w.rowOf(u"New Folder(3)"_s);
        QVERIFY(row >= 0);
        QCOMPARE(w.list->selectedRows(), QList<int>{row});
        // Its name is open for editing at once.
        auto* editor = w.list->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        QCOMPARE(editor->text(), u"New Folder(3)"_s);
    }

    void dropOnTheWindow_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("drivesView");
        QTest::addColumn<bool>("copied");
        QTest::newRow("files-from-a-file-manager") << QString() << false << true;
        QTest::newRow("rows-of-this-program")
            << u"application/x-qabstractitemmodeldatalist"_s << false << false;
        QTest::newRow("drives-view") << QString() << true << false;
    }

    void dropOnTheWindow()
    {
        QFETCH(QString, format);
        QFETCH(bool, drivesView);
        QFETCH(bool, copied);
        TestDir from;
        TestDir to;
        QVERIFY(from.createFile(u"a.mp3"_s, "one"));
        QVERIFY(from.createFile(u"b c.mp3"_s, "two"));
        ListWindow w(to.path());
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        if (drivesView)
            w.list->setDirectory(u"Drives"_s);
        QVERIFY(w.window.acceptDrops());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(from.filePath(u"a.mp3"_s)),
                      QUrl::fromLocalFile(from.filePath(u"b c.mp3"_s))});
        if (!format.isEmpty())
            data.setData(format, "row");
        const QPointF point(10, 10);
        QDragEnterEvent enter(point.toPoint(), Qt::CopyAction | Qt::MoveAction, &data,
                              Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w.window, &enter);
        QCOMPARE(enter.isAccepted(), copied);
        QDropEvent drop(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(&w.window, &drop);
        QCOMPARE(drop.isAccepted(), copied);
        if (copied) {
            QTRY_COMPARE(to.read(u"b c.mp3"_s), QByteArray("two"));
            QCOMPARE(to.read(u"a.mp3"_s), QByteArray("one"));
            QVERIFY(from.exists(u"a.mp3"_s));
            QTRY_VERIFY(w.rowOf(u"a.mp3"_s) >= 0);
        } else {
            QCoreApplication::processEvents();
            QVERIFY(QDir(to.path()).isEmpty());
        }
    }

    void sendToShortcutOfAFolder_data()
    {
        QTest::addColumn<bool>("desktopEntry");
        QTest::newRow("symbolic-link") << false;
        QTest::newRow("desktop-link") << true;
    }

    void sendToShortcutOfAFolder()
    {
        QFETCH(bool, desktopEntry);
        TestDir dir;
        TestDir backup;
        QVERIFY(dir.createFile(u"a.mp3"_s, "song"));
        QVERIFY(dir.createFile(u"b.mp3"_s, "other"));
        QVERIFY(m_home->createDir(u"data/ORVEN/SendTo"_s));
        if (desktopEntry)
            QVERIFY(m_home->createFile(u"data/ORVEN/SendTo/usb.desktop"_s,
                                       "[Desktop Entry]\nType=Link\nName=Backup\nURL=" +
                                           QUrl::fromLocalFile(backup.path()).toEncoded() + '\n'));
        else
            QVERIFY(QFile::link(backup.path(), m_home->filePath(u"data/ORVEN/SendTo/Backup"_s)));
        ListWindow w(dir.path());
        QAction* entry = w.item(u"Send_To4"_s);
        QVERIFY(entry);
        QCOMPARE(entry->text(), u"Backup"_s);
        w.select({u"a.mp3"_s, u"b.mp3"_s});
        entry->trigger();
        QCOMPARE(backup.read(u"a.mp3"_s), QByteArray("song"));
        QCOMPARE(backup.read(u"b.mp3"_s), QByteArray("other"));
        QVERIFY(dir.exists(u"a.mp3"_s));
    }

    void sendToAProgramGivesItTheFirstFile()
    {
        TestDir dir;
        TestDir tools;
        QVERIFY(dir.createFile(u"a b;$(touch x).mp3"_s));
        QVERIFY(dir.createFile(u"z.mp3"_s));
        // A program of the test's own that writes down the arguments it was started with.
        const QString record = tools.filePath(u"record.sh"_s);
        QVERIFY(tools.createFile(u"record.sh"_s, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.part\"\n"
                                                 "mv \"$0.part\" \"$0.out\"\n"));
        QVERIFY(QFile::setPermissions(record, QFile::permissions(record) | QFileDevice::ExeOwner));
        QVERIFY(m_home->createFile(u"data/ORVEN/SendTo/record.desktop"_s,
                                   "[Desktop Entry]\nType=Application\nName=Record\nExec=\"" +
                                       QFile::encodeName(record) + "\" --from-menu %f\n"));
        ListWindow w(dir.path());
        QAction* entry = w.item(u"Send_To4"_s);
        QVERIFY(entry);
        QCOMPARE(entry->text(), u"Record"_s);
        w.select({u"a b;$(touch x).mp3"_s, u"z.mp3"_s});
        entry->trigger();
        QTRY_VERIFY(tools.exists(u"record.sh.out"_s));
        QCOMPARE(tools.read(u"record.sh.out"_s),
                 "--from-menu\n" + QFile::encodeName(dir.filePath(u"a b;$(touch x).mp3"_s)) + '\n');
        QVERIFY(!dir.exists(u"x"_s));
    }

    void openNeverRunsAFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("open") << u"ItemOpen"_s;
        QTest::newRow("view") << u"ItemView"_s;
    }

    void openNeverRunsAFile()
    {
        QFETCH(QString, command);
        TestDir dir;
        QVERIFY(dir.createFile(u"run me.txt"_s, "#!/bin/sh\ntouch \"$0.ran\"\n"));
        QVERIFY(QFile::setPermissions(dir.filePath(u"run me.txt"_s),
                                      QFile::permissions(dir.filePath(u"run me.txt"_s)) |
                                          QFileDevice::ExeOwner));
        OpenRecorder recorder;
        QDesktopServices::setUrlHandler(u"file"_s, &recorder, "open");
        const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"file"_s); });
        ListWindow w(dir.path());
        w.select({u"run me.txt"_s});
        w.item(command)->trigger();
        QCOMPARE(recorder.opened, QList<QUrl>{QUrl::fromLocalFile(dir.filePath(u"run me.txt"_s))});
        QVERIFY(!dir.exists(u"run me.txt.ran"_s));
    }

    void openAFolderListsIt()
    {
        TestDir dir;
        QVERIFY(dir.createFile(u"sub/inner.mp3"_s));
        ListWindow w(dir.path());
        w.select({u"sub"_s});
        w.item(u"ItemOpen"_s)->trigger();
        QCOMPARE(w.list->Directory(), dir.filePath(u"sub/"_s));
        QVERIFY(w.rowOf(u"inner.mp3"_s) >= 0);
    }

    void contentsToTheClipboard_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("image");
        QTest::newRow("text") << u"notes.txt"_s << false;
        QTest::newRow("picture") << u"cover.png"_s << true;
    }

    void contentsToTheClipboard()
    {
        QFETCH(QString, name);
        QFETCH(bool, image);
        TestDir dir;
        QVERIFY(dir.createFile(u"notes.txt"_s, "Track list\nsecond line \xc3\xa9"));
        QImage picture(7, 5, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir.filePath(u"cover.png"_s)));
        ListWindow w(dir.path());
        w.select({name});
        w.item(u"Send_To1"_s)->trigger();
        if (image) {
            QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(7, 5));
        } else {
            QCOMPARE(QGuiApplication::clipboard()->text(), u"Track list\nsecond line \u00e9"_s);
        }
    }

    void sendToAnyFolder_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("typed-path-without-separator") << true;
        QTest::newRow("cancelled") << false;
    }

    void sendToAnyFolder()
    {
        QFETCH(bool, confirm);
        TestDir dir;
        TestDir target;
        QVERIFY(dir.createFile(u"a.mp3"_s, "song"));
        ListWindow w(dir.path());
        w.select({u"a.mp3"_s});
        ModalAnswerer answerer;
        QString caption;
        answerer.handle([&](QWidget* modal) {
            caption = modal->windowTitle();
            modal->findChild<QLineEdit*>(u"PathEdit"_s)->setText(target.path());
            const QString button = confirm ? u"OKButton"_s : u"CancelButton"_s;
            QTest::mouseClick(modal->findChild<QPushButton*>(button), Qt::LeftButton);
        });
        w.item(u"Send_To0"_s)->trigger();
        QCOMPARE(caption, u"Send to any folder"_s);
        QCOMPARE(target.exists(u"a.mp3"_s), confirm);
        QVERIFY(dir.exists(u"a.mp3"_s));
    }

    void namesAndShortcutToTheClipboardAndDesktop()
    {
        TestDir dir;
        for (const QString& name : {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s})
            QVERIFY(dir.createFile(name));
        ListWindow w(dir.path());
        w.select({u"c.mp3"_s, u"a.mp3"_s, u"b.mp3"_s});
        w.item(u"Send_To2"_s)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringList(
                     {dir.filePath(u"a.mp3"_s), dir.filePath(u"b.mp3"_s), dir.filePath(u"c.mp3"_s)})
                     .join(u'\n'));

        w.item(u"Send_To3"_s)->trigger();
        QVERIFY(QFileInfo(m_home->filePath(u"Desktop/a.desktop"_s)).isFile());
    }
};

QTEST_MAIN(TestFileListOps)
#include "tst_filelistops.moc"
