#include "app/ErrorReportingApplication.h"
#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxDirTreeView.h"
#include "explorer/VxFilelistView28.h"
#include "explorer/VxHintTiming.h"
#include "explorer/VxSpeedButton.h"
#include "platform/ChangeNotifier.h"
#include "platform/Volumes.h"
#include "platform/ui/ImageList.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"
#include <QElapsedTimer>
#include <QToolTip>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QString selectedNodePath(const TVxDirTreeCombo28& combo)
{
    const QTreeWidgetItem* node = combo.Tree()->selectedNode();
    return node ? TVxDirTreeView::NodePath(node) : QString();
}

QStringList childTexts(const TVxDirTreeView* tree, const QString& path)
{
    QStringList texts;
    for (QTreeWidgetItemIterator it(const_cast<TVxDirTreeView*>(tree)); *it; ++it) {
        if (TVxDirTreeView::NodePath(*it) != path)
            continue;
        for (int i = 0; i < (*it)->childCount(); ++i)
            texts.append((*it)->child(i)->text(0));
    }
    return texts;
}

void sendKeys(TVxDirTreeCombo28& combo, const QList<int>& keys)
{
    for (const int key : keys)
        QTest::keyClick(&combo, Qt::Key(key));
}

void sendWheel(QWidget* target, int delta)
{
    QWheelEvent wheel(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &wheel);
}

// A window holding the combo at the top of the screen, or near its bottom.
struct ComboWindow
{
    explicit ComboWindow(bool nearBottom = false) : combo(new TVxDirTreeCombo28(&window))
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        // Wide, so the labels of deep temporary folders stay inside the drop-down.
        window.setGeometry(screen.left(), nearBottom ? screen.bottom() - 60 : 20, screen.width(),
                           40);
        combo->setGeometry(10, 10, screen.width() - 20, combo->height());
        window.show();
        combo->setFocus();
    }

    QWidget window;
    TVxDirTreeCombo28* combo;
};

} // namespace

class TestDirTreeCombo : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDir> m_dir;
    // "Drives" and "/" stay as they are; other paths lie in the test folder, "" is the folder.
    QString path(const QString& relative) const
    {
        if (relative == u"Drives"_s || relative == u"/"_s)
            return relative;
        return relative.isEmpty() ? m_dir->path() : m_dir->path() + u'/' + relative;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_dir = std::make_unique<TestDir>();
        QVERIFY(m_dir->createDir(u"Data/Alpha"_s));
        QVERIFY(m_dir->createDir(u"Data/Beta/Inner"_s));
    }

    void startsAtTheComputerNode()
    {
        ComboWindow shown;
        TVxDirTreeCombo28* combo = shown.combo;
        QCOMPARE(combo->text(), platform::computerName());
        QCOMPARE(combo->SelectedPath(), u"Drives"_s);
        QCOMPARE(combo->iconIndex(), platform::ImageList::instance().computerIconIndex());
        QVERIFY(combo->isReadOnly());
        QCOMPARE(combo->TreeHeight(), 240);
        QVERIFY(combo->Tree()->computerNode()->isExpanded());
        QVERIFY(!combo->Tree()->isVisible());
        // A tool window of its own, never laid out inside the form.
        QVERIFY(combo->Tree()->isWindow());
        QCOMPARE(combo->Tree()->parentWidget(), combo);
    }

    void registrationFailures_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("message");
        QTest::newRow("mount table missing") << QByteArray() << u"Unable to load Shell32.dll"_s;
        QTest::newRow("mount table empty")
            << QByteArray("") << u"Unable to link to function SHChangeNotifyRegister"_s;
    }

    // The failure reaches the program's error box, and the picker is made all the same and
    // lists folders, only without change notifications.
    void registrationFailures()
    {
        QFETCH(QByteArray, table);
        QFETCH(QString, message);
        TestDir dir;
        if (!table.isNull())
            QVERIFY(dir.createFile(u"mountinfo"_s, table));
        ModalAnswerer boxes;
        boxes.answer(u"OK"_s);
        QWidget window;
        auto* combo = new TVxDirTreeCombo28(&window, dir.filePath(u"mountinfo"_s));
        window.show();
        QTRY_COMPARE(boxes.seen, QStringList{u"ORVEN File Vivider|"_s + message});
        QVERIFY(!boxes.unexpected);

        QCOMPARE(combo->SelectedPath(), u"Drives"_s);
        combo->OpenPath(path(u"Data"_s));
        QCOMPARE(combo->text(), u"Data"_s);
        QCOMPARE(childTexts(combo->Tree(), path(u"Data"_s)), (QStringList{u"Alpha"_s, u"Beta"_s}));
        combo->ToggleDropDown();
        QVERIFY(combo->Tree()->isVisible());
    }

    void arrowKeys_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("expanded");
        QTest::addColumn<QList<int>>("keysPassedOn");
        const int up = Qt::Key_Up, down = Qt::Key_Down, left = Qt::Key_Left, right = Qt::Key_Right;
        QTest::newRow("down on the closed combo opens it")
            << u"Data"_s << false << QList<int>{down} << u"Data"_s << true
            << QList<int>{Qt::Key_F4};
        QTest::newRow("down enters an expanded node")
            << u"Data"_s << true << QList<int>{down} << u"Data/Alpha"_s << false
            << QList<int>{down};
        QTest::newRow("down to the next sibling") << u"Data/Alpha"_s << true << QList<int>{down}
                                                  << u"Data/Beta"_s << false << QList<int>{down};
        QTest::newRow("right expands one level")
            << u"Data"_s << true << QList<int>{down, down, right, down} << u"Data/Beta/Inner"_s
            << false << QList<int>{down, down, right, down};
        QTest::newRow("up to the previous visible node")
            << u"Data/Alpha"_s << false << QList<int>{up} << u"Data"_s << true << QList<int>{up};
        QTest::newRow("left collapses and moves up")
            << u"Data"_s << true << QList<int>{left} << QString() << true << QList<int>{left};
        QTest::newRow("left on the first volume collapses it and stays")
            << u"/"_s << true << QList<int>{left} << u"/"_s << false << QList<int>();
        QTest::newRow("left on the computer node collapses it")
            << u"/"_s << true << QList<int>{left, up, left} << u"Drives"_s << false
            << QList<int>{up};
        QTest::newRow("up on the computer node stops")
            << u"/"_s << true << QList<int>{up, up} << u"Drives"_s << true << QList<int>{up};
        QTest::newRow("down on the last visible node stops")
            << u"/"_s << true << QList<int>{left, up, left, down} << u"Drives"_s << false
            << QList<int>{up};
        QTest::newRow("no selected node selects the computer node")
            << QString() << true << QList<int>{right} << u"Drives"_s << true << QList<int>{right};
    }

    void arrowKeys()
    {
        QFETCH(QString, start);
        QFETCH(bool, open);
        QFETCH(QList<int>, keys);
        QFETCH(QString, selected);
        QFETCH(bool, expanded);
        QFETCH(QList<int>, keysPassedOn);
        ComboWindow shown;
        TVxDirTreeCombo28& combo = *shown.combo;
        if (start.isNull())
            combo.ResetTree();
        else
            combo.OpenPath(path(start));
        if (open)
            combo.ToggleDropDown();
        QList<int> passedOn;
        connect(&combo, &TVxDirTreeCombo28::KeyDown, this,
                [&passedOn](QObject*, int key, Qt::KeyboardModifiers) { passedOn.append(key); });
        QSignalSpy changes(&combo, &TVxDirTreeCombo28::PathChange);
        sendKeys(combo, keys);
        QCOMPARE(selectedNodePath(combo), path(selected));
        QCOMPARE(combo.Tree()->selectedNode()->isExpanded(), expanded);
        QCOMPARE(passedOn, keysPassedOn);
        // Only Down opens a closed tree; no arrow closes an open one.
        QCOMPARE(combo.Tree()->isDroppedDown(), open || keys.first() == Qt::Key_Down);
        QCOMPARE(changes.count(), 0);
    }

    void commitKeys_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<bool>("openAfter");
        QTest::addColumn<int>("changes");
        const int up = Qt::Key_Up, down = Qt::Key_Down;
        QTest::newRow("enter commits the open tree")
            << true << QList<int>{down, Qt::Key_Return} << u"Data/Alpha"_s << false << 1;
        QTest::newRow("enter commits the closed tree")
            << false << QList<int>{up, Qt::Key_Enter} << u""_s << false << 1;
        QTest::newRow("escape closes without commit")
            << true << QList<int>{down, Qt::Key_Escape} << u"Data/"_s << false << 0;
        QTest::newRow("f4 opens") << false << QList<int>{Qt::Key_F4} << u"Data/"_s << true << 0;
        QTest::newRow("f4 closes") << true << QList<int>{Qt::Key_F4} << u"Data/"_s << false << 0;
        QTest::newRow("f5 rebuilds and reopens the path")
            << false << QList<int>{Qt::Key_F5} << u"Data/"_s << false << 1;
    }

    void commitKeys()
    {
        QFETCH(bool, open);
        QFETCH(QList<int>, keys);
        QFETCH(QString, committed);
        QFETCH(bool, openAfter);
        QFETCH(int, changes);
        ComboWindow shown;
        TVxDirTreeCombo28& combo = *shown.combo;
        combo.OpenPath(path(u"Data"_s));
        if (open)
            combo.ToggleDropDown();
        QSignalSpy spy(&combo, &TVxDirTreeCombo28::PathChange);
        sendKeys(combo, keys);
        QCOMPARE(combo.SelectedPath(), path(committed));
        QCOMPARE(combo.Tree()->isDroppedDown(), openAfter);
        QCOMPARE(combo.Tree()->isVisible(), openAfter);
        QCOMPARE(spy.count(), changes);
        if (changes > 0) {
            QCOMPARE(spy.last().at(0).value<QObject*>(), &combo);
            QCOMPARE(spy.last().at(1).toString(), combo.SelectedPath());
            QCOMPARE(combo.text(), combo.Tree()->selectedNode()->text(0));
        }
    }

    void enterWithoutSelectedNode()
    {
        ComboWindow shown;
        TVxDirTreeCombo28& combo = *shown.combo;
        combo.OpenPath(path(u"Data"_s));
        combo.ResetTree();
        QTest::keyClick(&combo, Qt::Key_Return);
        QCOMPARE(combo.SelectedPath(), u"Drives"_s);
        QCOMPARE(combo.text(), platform::computerName());
    }

    void wheel_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("overTree");
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("openAfter");
        QTest::newRow("toward the user opens the closed combo")
            << false << false << QList<int>{-120} << u"Data/Alpha"_s << true;
        QTest::newRow("away moves up without opening")
            << false << false << QList<int>{120} << u"Data"_s << false;
        QTest::newRow("toward the user moves down one node")
            << true << false << QList<int>{-120} << u"Data/Beta"_s << true;
        QTest::newRow("over the open tree") << true << true << QList<int>{120} << u"Data"_s << true;
        QTest::newRow("half notches add up")
            << true << false << QList<int>{-60, -60} << u"Data/Beta"_s << true;
        QTest::newRow("half a notch moves nothing")
            << true << false << QList<int>{-60} << u"Data/Alpha"_s << true;
        QTest::newRow("a turn back starts afresh")
            << true << false << QList<int>{-60, 60} << u"Data/Alpha"_s << true;
    }

    void wheel()
    {
        QFETCH(bool, open);
        QFETCH(bool, overTree);
        QFETCH(QList<int>, deltas);
        QFETCH(QString, selected);
        QFETCH(bool, openAfter);
        ComboWindow shown;
        TVxDirTreeCombo28& combo = *shown.combo;
        combo.OpenPath(path(u"Data/Alpha"_s));
        if (open)
            combo.ToggleDropDown();
        for (const int delta : deltas)
            sendWheel(overTree ? combo.Tree()->viewport() : &combo, delta);
        QCOMPARE(selectedNodePath(combo), path(selected));
        QCOMPARE(combo.Tree()->isDroppedDown(), openAfter);
        QCOMPARE(combo.SelectedPath(), path(u"Data/Alpha/"_s));
    }

    void pathChangeSender_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("fromTree");
        QTest::addColumn<bool>("listAlreadyThere");
        QTest::newRow("click in the tree") << u"click"_s << true << true;
        QTest::newRow("enter") << u"enter"_s << false << true;
        QTest::newRow("open path") << u"open"_s << false << false;
    }

    void pathChangeSender()
    {
        QFETCH(QString, action);
        QFETCH(bool, fromTree);
        QFETCH(bool, listAlreadyThere);
        ComboWindow shown;
        TVxDirTreeCombo28& combo = *shown.combo;
        TVxFilelistView28 list(&shown.window);
        combo.OpenPath(path(u"Data"_s));
        combo.setFileList(&list);
        const QString target = path(u"Data/Beta"_s);
        // A folder change elsewhere may rebuild the tree meanwhile and raise the event once more
        // from the combo, so the event is looked for among those raised.
        QObject* expected = fromTree ? static_cast<QObject*>(combo.Tree()) : &combo;
        QObjectList senders;
        QString listDirectory;
        connect(&combo, &TVxDirTreeCombo28::PathChange, this, [&](QObject* from, const QString&) {
            senders.append(from);
            if (from == expected)
                listDirectory = list.Directory();
        });
        if (action == u"open"_s) {
            combo.OpenPath(target);
        } else {
            combo.ToggleDropDown();
            sendKeys(combo, {Qt::Key_Down, Qt::Key_Down});
            if (action == u"enter"_s) {
                QTest::keyClick(&combo, Qt::Key_Return);
            } else {
                TVxDirTreeView* tree = combo.Tree();
                const QRect rect = tree->visualItemRect(tree->selectedNode());
                const QPoint label(rect.left() + tree->iconSize().width() + 8, rect.center().y());
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, label);
            }
        }
        QVERIFY(senders.contains(expected));
        QVERIFY(fromTree || !senders.contains(combo.Tree()));
        QCOMPARE(QDir::cleanPath(combo.SelectedPath()), target);
        QCOMPARE(QDir::cleanPath(listDirectory) == target, listAlreadyThere);
        QCOMPARE(combo.text(), u"Beta"_s);
        QVERIFY(!combo.Tree()->isVisible());
    }

    void selectedPathSetInCode()
    {
        ComboWindow shown;
        TVxDirTreeCombo28& combo = *shown.combo;
        TVxFilelistView28 list(&shown.window);
        combo.setFileList(&list);
        combo.OpenPath(path(u"Data"_s));
        QSignalSpy spy(&combo, &TVxDirTreeCombo28::PathChange);
        combo.setSelectedPath(path(u"Data/Alpha"_s));
        QCOMPARE(combo.SelectedPath(), path(u"Data/Alpha"_s));
        QCOMPARE(QDir::cleanPath(list.Directory()), path(u"Data/Alpha"_s));
        QCOMPARE(combo.text(), u"Data"_s);
        QCOMPARE(selectedNodePath(combo), path(u"Data"_s));
        QCOMPARE(spy.count(), 0);
    }

    void hint_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("hint");
        QTest::newRow("selected node") << u"selected"_s << u"SelectedPath =\n%1"_s;
        QTest::newRow("no selected node") << u"reset"_s << u"Selected = nil"_s;
        QTest::newRow("tree open") << u"open"_s << QString();
    }

    void hint()
    {
        QFETCH(QString, state);
        QFETCH(QString, hint);
        ComboWindow shown;
        TVxDirTreeCombo28& combo = *shown.combo;
        combo.OpenPath(path(u"Data"_s));
        if (state == u"reset"_s)
            combo.ResetTree();
        if (state == u"open"_s)
            combo.ToggleDropDown();
        QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), combo.mapToGlobal(QPointF(4, 4)));
        QCoreApplication::sendEvent(&combo, &enter);
        QCOMPARE(combo.toolTip(), hint.contains(u"%1"_s) ? hint.arg(combo.SelectedPath()) : hint);
    }

    // The hint waits its pause, then stays up on its own timing in the info colours.
    void hintTiming()
    {
        ComboWindow shown;
        TVxDirTreeCombo28& combo = *shown.combo;
        combo.OpenPath(path(u"Data"_s));
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QElapsedTimer clock;
        clock.start();
        QTest::mouseMove(&shown.window, QPoint(4, 36));
        QTest::mouseMove(&combo, QPoint(4, 4));
        QTRY_VERIFY(combo.underMouse());
        QVERIFY(!QToolTip::isVisible());
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY2(clock.elapsed() >= VxHintTiming::Pause * 9 / 10,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(QToolTip::text(), u"SelectedPath =\n"_s + combo.SelectedPath());
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase),
                 QApplication::palette().color(QPalette::ToolTipBase));
        QTest::mouseMove(&shown.window, QPoint(4, 36));
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void dropDownPlacement_data()
    {
        QTest::addColumn<bool>("nearBottom");
        QTest::newRow("below the combo") << false;
        QTest::newRow("above the combo near the bottom of the screen") << true;
    }

    void dropDownPlacement()
    {
        QFETCH(bool, nearBottom);
        ComboWindow shown(nearBottom);
        TVxDirTreeCombo28& combo = *shown.combo;
        combo.ToggleDropDown();
        const QRect tree = combo.Tree()->geometry();
        const QRect comboRect(combo.mapToGlobal(QPoint(0, 0)), combo.size());
        QCOMPARE(tree.height(), combo.TreeHeight());
        QCOMPARE(tree.width(), combo.width());
        QCOMPARE(tree.left(), comboRect.left());
        if (nearBottom)
            QCOMPARE(tree.bottom(), comboRect.top() - 1);
        else
            QCOMPARE(tree.top(), comboRect.bottom() + 1);
    }

    void rightButtonSwallowed_data()
    {
        QTest::addColumn<bool>("onButton");
        QTest::newRow("drop-down button") << true;
        QTest::newRow("edit") << false;
    }

    void rightButtonSwallowed()
    {
        QFETCH(bool, onButton);
        ComboWindow shown;
        QWidget* target = onButton ? static_cast<QWidget*>(shown.combo->Btn()) : shown.combo;
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3),
                            target->mapToGlobal(QPointF(3, 3)), Qt::RightButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(target, &release);
        QVERIFY(release.isAccepted());
        bool menuShown = false;
        QTimer::singleShot(0, this, [&menuShown] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                menuShown = true;
                popup->close();
            }
        });
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(3, 3),
                               target->mapToGlobal(QPoint(3, 3)));
        QCoreApplication::sendEvent(target, &menu);
        QCoreApplication::processEvents();
        QVERIFY(!menuShown);
    }

    void folderChangesRebuildTheTree_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("children");
        QTest::newRow("created in the selected folder")
            << u"create"_s << u"Data"_s << QStringList{u"Alpha"_s, u"Beta"_s, u"Gamma"_s};
        QTest::newRow("removed") << u"remove"_s << u"Data"_s << QStringList{u"Beta"_s};
        QTest::newRow("renamed") << u"rename"_s << u"Data"_s << QStringList{u"Beta"_s, u"Omega"_s};
        QTest::newRow("created in a parent folder")
            << u"create-parent"_s << QString() << QStringList{u"Data"_s, u"Extra"_s};
    }

    void folderChangesRebuildTheTree()
    {
        QFETCH(QString, change);
        QFETCH(QString, folder);
        QFETCH(QStringList, children);
        TestDir dir;
        QVERIFY(dir.createDir(u"Data/Alpha"_s) && dir.createDir(u"Data/Beta"_s));
        ComboWindow shown;
        TVxDirTreeCombo28& combo = *shown.combo;
        combo.OpenPath(dir.filePath(u"Data"_s));
        QSignalSpy spy(&combo, &TVxDirTreeCombo28::PathChange);
        QDir data(dir.filePath(u"Data"_s));
        if (change == u"create"_s)
            QVERIFY(data.mkdir(u"Gamma"_s));
        else if (change == u"remove"_s)
            QVERIFY(data.rmdir(u"Alpha"_s));
        else if (change == u"rename"_s)
            QVERIFY(data.rename(u"Alpha"_s, u"Omega"_s));
        else
            QVERIFY(dir.createDir(u"Extra"_s));
        const QString watched = folder.isEmpty() ? dir.path() : dir.filePath(folder);
        QTRY_COMPARE(childTexts(combo.Tree(), watched), children);
        QTRY_VERIFY(spy.count() > 0);
        QCOMPARE(selectedNodePath(combo), dir.filePath(u"Data"_s));
        QCOMPARE(combo.SelectedPath(), dir.filePath(u"Data/"_s));
    }

    // SCREENSHOT_DIR names a folder to write a picture of the open drop-down to.
    void screenshot()
    {
        const QString folder = qEnvironmentVariable("SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("SCREENSHOT_DIR is not set");
        QWidget window;
        window.setGeometry(40, 40, 320, 300);
        auto* combo = new TVxDirTreeCombo28(&window);
        combo->setGeometry(8, 8, 300, 22);
        window.show();
        combo->OpenPath(path(u"Data/Beta"_s));
        combo->ToggleDropDown();
        QImage image(window.size(), QImage::Format_ARGB32);
        image.fill(window.palette().color(QPalette::Window));
        QPainter painter(&image);
        window.render(&painter);
        painter.drawPixmap(window.mapFromGlobal(combo->Tree()->pos()), combo->Tree()->grab());
        painter.end();
        QVERIFY(image.save(QDir(folder).filePath(u"dirtree-open.png"_s)));
    }
};

int main(int argc, char* argv[])
{
    // The program's own application object, whose error handler reports what the picker raises.
    ErrorReportingApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestDirTreeCombo test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_dirtreecombo.moc"
