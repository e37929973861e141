#include "explorer/VxDirTreeFolders.h"
#include "explorer/VxDirTreeView.h"
#include "explorer/VxFileListTexts.h"
#include "platform/Volumes.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// Folders end with "/"; everything else is a file.
const QStringList FolderTree = {
    u"Data/Music/"_s,     u"Data/Music/song.mp3"_s, u"Data/a/"_s, u"Data/b/"_s,
    u"Data/B/"_s,         u"Data/.hidden/"_s,       u"data/"_s,   u"Docs/Letters/"_s,
    u"Empty/readme.txt"_s};

// The file systems whose folder link counts tell whether a folder holds subfolders.
bool countsSubfolders(const QString& path)
{
    static const QByteArrayList counting = {"ext2", "ext3", "ext4", "xfs", "tmpfs"};
    return counting.contains(QStorageInfo(path).fileSystemType());
}

bool populate(TestDir& dir, const QStringList& names)
{
    for (const QString& name : names) {
        const bool ok =
            name.endsWith(u'/') ? dir.createDir(name.chopped(1)) : dir.createFile(name, "x");
        if (!ok)
            return false;
    }
    return true;
}

QTreeWidgetItem* nodeOf(const TVxDirTreeView& tree, const QString& path)
{
    for (QTreeWidgetItemIterator it(const_cast<TVxDirTreeView*>(&tree)); *it; ++it) {
        if (TVxDirTreeView::NodePath(*it) == path)
            return *it;
    }
    return nullptr;
}

QStringList childTexts(const QTreeWidgetItem* node)
{
    QStringList texts;
    for (int i = 0; node && i < node->childCount(); ++i)
        texts.append(node->child(i)->text(0));
    return texts;
}

// A tree dropped down beside a line edit that stands in for its combo, showing the test
// folder's nodes.
struct DroppedTree
{
    explicit DroppedTree(const TestDir& dir) : tree(new TVxDirTreeView(&combo))
    {
        combo.show();
        tree->BuildRoot();
        tree->SelectPath(dir.path() + u"/Data/"_s);
        tree->DropDown(QRect(0, 0, 400, 2000));
    }
    QPoint framePos(const QPoint& inViewport) const
    {
        return tree->viewport()->mapTo(tree, inViewport);
    }

    QLineEdit combo;
    TVxDirTreeView* tree;
};

} // namespace

class TestDirTree : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDir> m_dir;
    QString path(const QString& relative) const
    {
        return relative == u"Drives"_s ? relative : m_dir->path() + u'/' + relative;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_dir = std::make_unique<TestDir>();
        QVERIFY(populate(*m_dir, FolderTree));
    }

    void rootNodes()
    {
        TVxDirTreeView tree(nullptr);
        tree.BuildRoot();
        QCOMPARE(tree.topLevelItemCount(), 1);
        const QTreeWidgetItem* computer = tree.computerNode();
        QCOMPARE(computer->text(0), platform::computerName());
        QCOMPARE(TVxDirTreeView::NodePath(computer), u"Drives"_s);
        const std::vector<platform::Volume> volumes = platform::listVolumes();
        QCOMPARE(computer->childCount(), int(volumes.size()));
        for (int i = 0; i < computer->childCount(); ++i) {
            QCOMPARE(TVxDirTreeView::NodePath(computer->child(i)), volumes.at(i).mountPoint);
            QCOMPARE(computer->child(i)->text(0),
                     vxfilelist::driveCaption(volumes.at(i).mountPoint, volumes.at(i).label));
            QCOMPARE(computer->child(i)->childCount(), 0);
            QCOMPARE(computer->child(i)->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
        }
    }

    // The tree's volume nodes and the list's volume rows share this caption.
    void driveCaptions_data()
    {
        QTest::addColumn<QString>("mountPoint");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("root without label") << u"/"_s << QString() << u" (/)  "_s;
        QTest::newRow("labelled stick")
            << u"/media/u/MUSIC"_s << u"MUSIC"_s << u" (/media/u/MUSIC)  MUSIC "_s;
        QTest::newRow("label is the mount point") << u"/data"_s << u"/data"_s << u" (/data)  "_s;
        QTest::newRow("label with a parenthesis")
            << u"/mnt/b"_s << u"Backup (old)"_s << u" (/mnt/b)  Backup "_s;
    }

    void driveCaptions()
    {
        QFETCH(QString, mountPoint);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QCOMPARE(vxfilelist::driveCaption(mountPoint, label), caption);
    }

    void folderOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("lower case first among equal letters")
            << QStringList{u"B"_s, u"a"_s, u"b"_s} << QStringList{u"a"_s, u"b"_s, u"B"_s};
        QTest::newRow("letters before case")
            << QStringList{u"Beta"_s, u"alpha"_s, u"Alpha"_s, u"beta"_s}
            << QStringList{u"alpha"_s, u"Alpha"_s, u"beta"_s, u"Beta"_s};
        QTest::newRow("accented letter with its base letter")
            << QStringList{u"Zebra"_s, u"\u00e9t\u00e9"_s, u"fa"_s}
            << QStringList{u"\u00e9t\u00e9"_s, u"fa"_s, u"Zebra"_s};
    }

    void folderOrder()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, expected);
        std::sort(names.begin(), names.end(), dirtree::FolderNameOrder());
        QCOMPARE(names, expected);
    }

    void hasSubFolders_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("expected");
        QTest::newRow("folder") << QStringList{u"f.mp3"_s, u"Sub/"_s} << true;
        QTest::newRow("hidden folder") << QStringList{u".sub/"_s} << true;
        QTest::newRow("files only") << QStringList{u"a.mp3"_s, u"b.txt"_s} << false;
        QTest::newRow("nothing") << QStringList() << false;
        // Where the link count answers, a link to a folder is no subfolder.
        QTest::newRow("link to a folder")
            << QStringList{u"@../Docs"_s} << !countsSubfolders(m_dir->path());
        QTest::newRow("link to a file") << QStringList{u"@../Empty/readme.txt"_s} << false;
        QTest::newRow("dangling link") << QStringList{u"@../Gone"_s} << false;
        QTest::newRow("missing folder") << QStringList{u"-"_s} << false;
    }

    // "@target" is a symbolic link to target, "-" removes the folder itself.
    void hasSubFolders()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, expected);
        const QString folder = m_dir->filePath(u"probe"_s);
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder));
        TestDir& dir = *m_dir;
        for (const QString& entry : entries) {
            if (entry == u"-"_s)
                QVERIFY(QDir(folder).removeRecursively());
            else if (entry.startsWith(u'@'))
                QVERIFY(QFile::link(entry.mid(1), folder + u"/link"_s));
            else
                QVERIFY(populate(dir, {u"probe/"_s + entry}));
        }
        QCOMPARE(HasSubFolders(QFile::encodeName(folder)), expected);
        QDir(folder).removeRecursively();
    }

    // Many files and one subfolder made last, so a reader that stops early cannot have seen
    // it first; then the subfolder removed again.
    void hasSubFoldersByFileSystem_data()
    {
        QTest::addColumn<QString>("root");
        QTest::newRow("temporary folder") << QDir::tempPath();
        QTest::newRow("tmpfs") << u"/dev/shm"_s;
    }

    void hasSubFoldersByFileSystem()
    {
        QFETCH(QString, root);
        if (!QFileInfo(root).isWritable())
            QSKIP("the file system cannot be written here");
        QTemporaryDir dir(root + u"/dirtree-XXXXXX"_s);
        QVERIFY(dir.isValid());
        const QByteArray folder = QFile::encodeName(dir.path());
        for (int i = 0; i < 300; ++i)
            QVERIFY(QFile(dir.filePath(u"track %1.mp3"_s.arg(i))).open(QIODevice::WriteOnly));
        QVERIFY(!HasSubFolders(folder));
        QVERIFY(QDir(dir.path()).mkdir(u"zz last"_s));
        QVERIFY(HasSubFolders(folder));
        QVERIFY(QDir(dir.path()).rmdir(u"zz last"_s));
        QVERIFY(!HasSubFolders(folder));
    }

    void expansionReadsFoldersOnce()
    {
        TVxDirTreeView tree(nullptr);
        tree.BuildRoot();
        QSignalSpy reads(&tree, &TVxDirTreeView::folderRead);
        tree.SelectPath(path(u"Data/"_s));
        QTreeWidgetItem* data = nodeOf(tree, path(u"Data"_s));
        QVERIFY(data);
        // Hidden folders are listed; siblings come in the locale's order.
        QStringList names = childTexts(data);
        QVERIFY(names.removeOne(u".hidden"_s));
        QCOMPARE(names, (QStringList{u"a"_s, u"b"_s, u"B"_s, u"Music"_s}));
        // Siblings of the path are listed but not read until they expand.
        QCOMPARE(childTexts(nodeOf(tree, path(u"Docs"_s))), QStringList());
        const int readsSoFar = reads.count();
        data->setExpanded(false);
        data->setExpanded(true);
        QCOMPARE(reads.count(), readsSoFar);
        QCOMPARE(data->childCount(), 5);
    }

    void expandMark_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("markBefore");
        QTest::addColumn<QStringList>("childrenAfter");
        QTest::newRow("with a subfolder") << u"Docs"_s << true << QStringList{u"Letters"_s};
        QTest::newRow("with files only") << u"Empty"_s << false << QStringList();
        QTest::newRow("empty") << u"data"_s << false << QStringList();
        QTest::newRow("with a file beside its subfolder")
            << u"Data/Music"_s << false << QStringList();
    }

    void expandMark()
    {
        QFETCH(QString, folder);
        QFETCH(bool, markBefore);
        QFETCH(QStringList, childrenAfter);
        TVxDirTreeView tree(nullptr);
        tree.BuildRoot();
        tree.SelectPath(path(folder).section(u'/', 0, -2) + u'/');
        QTreeWidgetItem* node = nodeOf(tree, path(folder));
        QVERIFY(node);
        QCOMPARE(node->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator, markBefore);
        node->setExpanded(true);
        QCOMPARE(childTexts(node), childrenAfter);
        if (childrenAfter.isEmpty())
            QVERIFY(node->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator);
    }

    void selectPath_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("selected");
        QTest::newRow("whole path") << u"Data/Music/"_s << u"Data/Music"_s;
        QTest::newRow("missing last segment") << u"Data/Missing/"_s << u"Data"_s;
        QTest::newRow("other letter case") << u"docs/LETTERS/"_s << u"Docs/Letters"_s;
        QTest::newRow("exact case preferred") << u"data/"_s << u"data"_s;
        QTest::newRow("text after the last separator ignored") << u"Data/Music"_s << u"Data"_s;
        QTest::newRow("drives") << u"Drives"_s << u"Drives"_s;
    }

    void selectPath()
    {
        QFETCH(QString, requested);
        QFETCH(QString, selected);
        TVxDirTreeView tree(nullptr);
        tree.BuildRoot();
        tree.SelectPath(path(u"Docs/Letters/"_s));
        tree.SelectPath(path(requested));
        QVERIFY(tree.selectedNode());
        QCOMPARE(TVxDirTreeView::NodePath(tree.selectedNode()), path(selected));
        if (selected != u"Drives"_s)
            QVERIFY(tree.selectedNode()->isExpanded());
        // Nothing stays open from the path selected before.
        if (!path(requested).contains(u"ocs"_s))
            QVERIFY(!nodeOf(tree, path(u"Docs"_s))->isExpanded());
    }

    void commitSelection_data()
    {
        QTest::addColumn<QString>("select");
        QTest::addColumn<QString>("committed");
        QTest::newRow("folder without a trailing separator") << u"Data/a/"_s << u"Data/a"_s;
        QTest::newRow("computer node") << u"Drives"_s << u"Drives"_s;
        QTest::newRow("nothing selected counts as the computer node") << QString() << u"Drives"_s;
    }

    void commitSelection()
    {
        QFETCH(QString, select);
        QFETCH(QString, committed);
        TVxDirTreeView tree(nullptr);
        tree.BuildRoot();
        if (!select.isEmpty())
            tree.SelectPath(path(select));
        tree.CommitSelection();
        QCOMPARE(tree.SelectedPath(), path(committed));
    }

    void mouse_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("spot");
        QTest::addColumn<bool>("commits");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("label commits") << u"Data/Music"_s << u"label"_s << true << false;
        QTest::newRow("icon commits") << u"Docs"_s << u"icon"_s << true << false;
        QTest::newRow("expand button expands") << u"Docs"_s << u"button"_s << false << true;
        QTest::newRow("right of the label") << u"Docs"_s << u"beyond"_s << false << true;
        QTest::newRow("outside closes") << u"Docs"_s << u"outside"_s << false << false;
    }

    // The tree holds the mouse grab while dropped down, so clicks reach its frame first.
    void mouse()
    {
        QFETCH(QString, node);
        QFETCH(QString, spot);
        QFETCH(bool, commits);
        QFETCH(bool, staysOpen);
        DroppedTree dropped(*m_dir);
        TVxDirTreeView* tree = dropped.tree;
        QSignalSpy committed(tree, &TVxDirTreeView::NodeCommitted);
        QTreeWidgetItem* item = nodeOf(*tree, path(node));
        const QRect rect = tree->visualItemRect(item);
        const int y = rect.center().y();
        QPoint at;
        if (spot == u"label"_s)
            at = QPoint(rect.left() + tree->iconSize().width() + 8, y);
        else if (spot == u"icon"_s)
            at = QPoint(rect.left() + 4, y);
        else if (spot == u"button"_s)
            at = QPoint(rect.left() - tree->indentation() / 2, y);
        else if (spot == u"beyond"_s)
            at = QPoint(rect.right() - 4, y);
        const QPoint framePos = spot == u"outside"_s ? QPoint(-30, -30) : dropped.framePos(at);
        QTest::mouseClick(tree, Qt::LeftButton, {}, framePos);
        QCOMPARE(committed.count(), commits ? 1 : 0);
        QCOMPARE(tree->SelectedPath(), commits ? path(node) : QString());
        QCOMPARE(tree->isVisible(), staysOpen);
        QCOMPARE(tree->isDroppedDown(), staysOpen);
        if (spot == u"button"_s)
            QVERIFY(nodeOf(*tree, path(node))->isExpanded());
    }

    void hotTracking()
    {
        DroppedTree dropped(*m_dir);
        TVxDirTreeView* tree = dropped.tree;
        QSignalSpy committed(tree, &TVxDirTreeView::NodeCommitted);
        const QRect rect = tree->visualItemRect(nodeOf(*tree, path(u"Docs"_s)));
        const QPoint label = dropped.framePos(QPoint(rect.left() + 24, rect.center().y()));
        QMouseEvent move(QEvent::MouseMove, label, tree->mapToGlobal(label), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tree, &move);
        QCOMPARE(TVxDirTreeView::NodePath(tree->selectedNode()), path(u"Docs"_s));
        QCOMPARE(committed.count(), 0);
        QVERIFY(tree->isVisible());
    }
};

QTEST_MAIN(TestDirTree)
#include "tst_dirtree.moc"
