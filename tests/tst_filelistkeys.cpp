#include "explorer/VxConsts.h"
#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxDirTreeView.h"
#include "explorer/VxFileListShortCuts.h"
#include "explorer/VxFilelistView28.h"
#include "explorer/VxFilelistView28PopUp.h"
#include "explorer/VxParentIcon.h"
#include "explorer/VxPathUtils.h"
#include "platform/ui/ImageList.h"
#include "tests/support/FuseVolume.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// A file list on a folder, shown, with a model tester watching it.
struct ListOnFolder
{
    explicit ListOnFolder(const QString& folder)
    {
        view.resize(640, 360);
        view.show();
        view.setDirectory(folder);
        view.UpdateFileList();
        tester = std::make_unique<QAbstractItemModelTester>(
            view.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    TVxFilelistView28 view;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

// The name that stands for a file name that is not valid UTF-8.
const QByteArray kRawName("\xff-raw.mp3");

QByteArray nameBytes(const QString& name)
{
    return name == "raw"_L1 ? kRawName : name.toUtf8();
}

// Creates each name of `names` in `dir`: "name/" a folder, "name:N" a file of N bytes; the name
// "raw" stands for kRawName.
bool populate(TestDir& dir, const QStringList& names)
{
    for (const QString& entry : names) {
        if (entry.endsWith(u'/')) {
            if (!dir.createDir(entry.chopped(1)))
                return false;
            continue;
        }
        const qsizetype colon = entry.indexOf(u':');
        const QString name = colon < 0 ? entry : entry.left(colon);
        const int size = colon < 0 ? 1 : entry.mid(colon + 1).toInt();
        if (!dir.createRawFile(nameBytes(name), QByteArray(size, 'x')))
            return false;
    }
    return true;
}

int rowOf(const TVxFilelistView28& view, const QByteArray& name)
{
    for (int row = 0; row < view.rowCount(); ++row) {
        if (view.rows().at(row).nameBytes == name)
            return row;
    }
    return -1;
}

void selectNames(TVxFilelistView28& view, const QStringList& names)
{
    view.selectionModel()->clearSelection();
    for (const QString& name : names) {
        const int row = rowOf(view, nameBytes(name));
        QVERIFY2(row >= 0, qPrintable(name));
        view.selectionModel()->select(view.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QStringList namesOnDisk(const TestDir& dir)
{
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

QString storedParentIndexKey()
{
    return u"ParentImgIdx"_s;
}

QSettings componentSettings()
{
    return QSettings(u"Marrel"_s, u"VeVuraRavidize"_s);
}

// The rows of pixels where `image` differs from `reference`, each with how many pixels differ.
QList<int> differingPixelsPerRow(const QImage& image, const QImage& reference)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != reference.pixel(x, y) ? 1 : 0;
        if (count > 0)
            rows.append(count);
    }
    return rows;
}

} // namespace

class TestFileListKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void selectionStatus_data();
    void selectionStatus();
    void parentImageIndex_data();
    void parentImageIndex();
    void keyTable_data();
    void keyTable();
    void permanentDelete_data();
    void permanentDelete();
    void backspace_data();
    void backspace();
    void inPlaceRename_data();
    void inPlaceRename();
    void renameOnVolumeIgnoringCase_data();
    void renameOnVolumeIgnoringCase();
    void clicks_data();
    void clicks();
    void comboLink();
    void comboKeys_data();
    void comboKeys();
    void contextMenu_data();
    void contextMenu();
    void languageRebuildsLayout_data();
    void languageRebuildsLayout();
    void sortArrowPointsUpWhenAscending();

public slots:
    // Stands in for the desktop's handler of file addresses.
    void recordUrl(const QUrl& url) { m_openedUrls << url.toString(); }

private:
    QStringList m_openedUrls;
};

void TestFileListKeys::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(qEnvironmentVariable("HOME").startsWith(QDir::tempPath()));
}

void TestFileListKeys::selectionStatus_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<int>("number");
    QTest::addColumn<qint64>("size");

    QTest::newRow("none-selected-counts-all-rows")
        << QStringList{u"a.mp3:10"_s, u"b.mp3:20"_s, u"c.mp3:30"_s} << QStringList{} << 3
        << qint64(0);
    QTest::newRow("one-file") << QStringList{u"a.mp3:10"_s, u"b.mp3:20"_s}
                              << QStringList{u"b.mp3"_s} << 1 << qint64(20);
    QTest::newRow("two-files") << QStringList{u"a.mp3:10"_s, u"b.mp3:20"_s, u"c.mp3:300"_s}
                               << QStringList{u"a.mp3"_s, u"c.mp3"_s} << 2 << qint64(310);
    QTest::newRow("name-not-utf8") << QStringList{u"raw:40"_s, u"b.mp3:20"_s}
                                   << QStringList{u"raw"_s, u"b.mp3"_s} << 2 << qint64(60);
    QTest::newRow("folder-adds-nothing") << QStringList{u"a.mp3:10"_s, u"sub/"_s}
                                         << QStringList{u"a.mp3"_s, u"sub"_s} << 2 << qint64(10);
}

void TestFileListKeys::selectionStatus()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, selected);
    QFETCH(int, number);
    QFETCH(qint64, size);

    TestDir dir;
    QVERIFY(populate(dir, files));
    ListOnFolder list(dir.path());
    list.view.setParentDirEnabled(false);
    list.view.UpdateFileList();
    selectNames(list.view, selected);

    // Another folder holding the same names with other sizes is the working folder.
    TestDir elsewhere;
    for (const QString& name : selected)
        QVERIFY(elsewhere.createRawFile(nameBytes(name), QByteArray(1000, 'y')));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const qint64 measured = list.view.SelectedSize();
    QVERIFY(QDir::setCurrent(previous));

    QCOMPARE(list.view.SelectedNumber(), number);
    QCOMPARE(measured, size);
    QVERIFY(list.view.DriveFreeSpace() > 0);
}

void TestFileListKeys::parentImageIndex_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("appends");

    QTest::newRow("first-run-appends-and-stores") << u"none"_s << true;
    QTest::newRow("reuse-within-the-process") << u"valid"_s << false;
    QTest::newRow("stored-index-holds-another-image") << u"other-image"_s << true;
    QTest::newRow("stored-index-past-the-list") << u"out-of-range"_s << true;
    QTest::newRow("stored-value-not-a-number") << u"text"_s << true;
}

void TestFileListKeys::parentImageIndex()
{
    QFETCH(QString, stored);
    QFETCH(bool, appends);

    platform::ImageList& images = platform::ImageList::instance();
    {
        QSettings settings = componentSettings();
        if (stored == "none"_L1)
            settings.remove(storedParentIndexKey());
        else if (stored == "valid"_L1)
            settings.setValue(storedParentIndexKey(), TVxFilelistView28().parentImageIndex());
        else if (stored == "other-image"_L1)
            settings.setValue(
                storedParentIndexKey(),
                images.append(QIcon(QPixmap::fromImage(QImage(36, 31, QImage::Format_RGB32)))));
        else if (stored == "out-of-range"_L1)
            settings.setValue(storedParentIndexKey(), images.count() + 5);
        else
            settings.setValue(storedParentIndexKey(), u"seven"_s);
    }
    const int before = images.count();
    const int previous = componentSettings().value(storedParentIndexKey()).toInt();

    TestDir dir;
    QVERIFY(dir.createDir(u"sub"_s));
    ListOnFolder list(dir.filePath(u"sub"_s));

    const int index = list.view.parentImageIndex();
    QCOMPARE(images.count(), appends ? before + 1 : before);
    QCOMPARE(index, appends ? before : previous);
    QCOMPARE(componentSettings().value(storedParentIndexKey()).toInt(), index);
    QVERIFY(VxParentIcon::sameImage(images.icon(index), VxParentIcon::icon()));
    QCOMPARE(list.view.rowCount(), 1);
    QCOMPARE(list.view.rows().at(0).kind, ListingRow::Kind::Parent);
    const QModelIndex parentCell = list.view.model()->index(0, 0);
    QVERIFY(VxParentIcon::sameImage(
        list.view.model()->data(parentCell, Qt::DecorationRole).value<QIcon>(),
        VxParentIcon::icon()));
}

void TestFileListKeys::keyTable_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("rowSelected");
    QTest::addColumn<QString>("effect");
    QTest::addColumn<bool>("happens");

    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const struct
    {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* effect;
        bool needsSelection;
    } keys[] = {
        {"ctrl-v", Qt::Key_V, ctrl, "paste", true},
        {"ctrl-n", Qt::Key_N, ctrl, "new-folder", true},
        {"ctrl-c", Qt::Key_C, ctrl, "copy", true},
        {"f2", Qt::Key_F2, none, "rename", true},
        {"backspace", Qt::Key_Backspace, none, "parent", false},
        {"f3", Qt::Key_F3, none, "find", false},
        {"f5", Qt::Key_F5, none, "re-read", false},
        {"ctrl-a", Qt::Key_A, ctrl, "select-all", false},
    };
    for (const auto& entry : keys) {
        for (const bool selected : {true, false}) {
            QTest::addRow("%s/%s", entry.name, selected ? "row-selected" : "none-selected")
                << entry.key << entry.modifiers << selected << QString::fromLatin1(entry.effect)
                << (selected || !entry.needsSelection);
        }
    }
}

void TestFileListKeys::keyTable()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, rowSelected);
    QFETCH(QString, effect);
    QFETCH(bool, happens);

    TestDir dir;
    QVERIFY(dir.createDir(u"list"_s));
    QVERIFY(dir.createFile(u"list/a.mp3"_s, "a"));
    QVERIFY(dir.createFile(u"list/b.mp3"_s, "b"));
    QVERIFY(dir.createFile(u"source/pasted.mp3"_s, "p"));
    const QString folder = EnsureTrailingBackslash(dir.filePath(u"list"_s));
    ListOnFolder list(folder);
    list.view.setParentDirEnabled(false);
    list.view.UpdateFileList();
    if (rowSelected)
        list.view.selectOnly(rowOf(list.view, "a.mp3"));
    else
        list.view.selectionModel()->clearSelection();

    auto* mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile(dir.filePath(u"source/pasted.mp3"_s))});
    QApplication::clipboard()->setMimeData(mime);
    QVERIFY(dir.createFile(u"list/late.mp3"_s, "l"));
    m_openedUrls.clear();
    QDesktopServices::setUrlHandler(u"file"_s, this, "recordUrl");
    const auto unhandle = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"file"_s); });

    ModalAnswerer boxes({}, QMessageBox::Ok);
    QTest::keyClick(&list.view, Qt::Key(key), modifiers);

    if (effect == "paste"_L1) {
        if (happens)
            QTRY_VERIFY(dir.exists(u"list/pasted.mp3"_s));
        else
            QVERIFY(!dir.exists(u"list/pasted.mp3"_s));
    } else if (effect == "copy"_L1) {
        const QString copied = happens ? u"list/a.mp3"_s : u"source/pasted.mp3"_s;
        QCOMPARE(QApplication::clipboard()->mimeData()->urls(),
                 QList<QUrl>{QUrl::fromLocalFile(dir.filePath(copied))});
    } else if (effect == "new-folder"_L1) {
        if (happens)
            QTRY_VERIFY(QFileInfo(dir.filePath(u"list/New Folder"_s)).isDir());
        else
            QVERIFY(!dir.exists(u"list/New Folder"_s));
    } else if (effect == "rename"_L1) {
        QCOMPARE(list.view.isRenaming(), happens);
    } else if (effect == "parent"_L1) {
        QCOMPARE(list.view.Directory(), EnsureTrailingBackslash(dir.path()));
        QCOMPARE(list.view.SelectedItem(), StripTrailingBackslash(folder));
    } else if (effect == "find"_L1) {
        QTRY_COMPARE(m_openedUrls, QStringList{QUrl::fromLocalFile(folder).toString()});
    } else if (effect == "re-read"_L1) {
        QVERIFY(rowOf(list.view, "late.mp3") >= 0);
    } else if (effect == "select-all"_L1) {
        QCOMPARE(list.view.selectedRows().size(), list.view.rowCount());
    }
    QVERIFY(!boxes.unexpected);
}

void TestFileListKeys::permanentDelete_data()
{
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("left");

    const QString question = u"Are you sure you want to permanently delete file\r  \"%1\"?"_s;
    // Sorted by name descending, the files come before the folder.
    const QStringList bothAsked{question.arg(u"b.mp3"_s), question.arg(u"a.mp3"_s)};
    QTest::newRow("two-files-yes-then-folder-stops")
        << QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::Yes} << true
        << bothAsked << QStringList{u"c"_s};
    QTest::newRow("no-keeps-the-file")
        << QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::Yes} << true
        << bothAsked << QStringList{u"b.mp3"_s, u"c"_s};
    QTest::newRow("nothing-selected-asks-nothing")
        << QList<QMessageBox::StandardButton>{} << false << QStringList{}
        << QStringList{u"a.mp3"_s, u"b.mp3"_s, u"c"_s};
}

void TestFileListKeys::permanentDelete()
{
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(bool, selectAll);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, left);

    TestDir dir;
    QVERIFY(populate(dir, {u"a.mp3"_s, u"b.mp3"_s, u"c/"_s}));
    QVERIFY(dir.createFile(u"c/inside.mp3"_s, "i"));
    ListOnFolder list(dir.path());
    list.view.setParentDirEnabled(false);
    list.view.UpdateFileList();
    list.view.ColumnClickSort(0);
    QVERIFY(list.view.sortDescending());
    list.view.selectionModel()->clearSelection();
    if (selectAll)
        list.view.selectAll();

    ModalAnswerer boxes(answers);
    QTest::keyClick(&list.view, Qt::Key_Delete, Qt::ShiftModifier);

    QCOMPARE(boxes.texts, asked);
    QCOMPARE(namesOnDisk(dir), left);
    QVERIFY(dir.exists(u"c/inside.mp3"_s));
    QCOMPARE(list.view.rowCount(), left.size());
}

void TestFileListKeys::backspace_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("selectedPath");

    QTest::newRow("subfolder-lists-parent-and-selects-it")
        << u"sub/inner"_s << u"sub/"_s << u"sub/inner"_s;
    QTest::newRow("volume-root-lists-the-drives") << u"/"_s << u"Drives"_s << u"/"_s;
    QTest::newRow("drives-view-stays") << u"Drives"_s << u"Drives"_s << QString();
}

void TestFileListKeys::backspace()
{
    QFETCH(QString, start);
    QFETCH(QString, after);
    QFETCH(QString, selectedPath);

    TestDir dir;
    QVERIFY(dir.createDir(u"sub/inner"_s));
    const auto resolve = [&dir](const QString& path) {
        if (path.isEmpty() || path.startsWith(u'/') || path == "Drives"_L1)
            return path;
        return dir.filePath(path) + (path.endsWith(u'/') ? u"/"_s : QString());
    };
    ListOnFolder list(resolve(start));
    list.view.selectionModel()->clearSelection();
    QSignalSpy itemChanges(&list.view, &TVxFilelistView28::OnItemChange);

    QTest::keyClick(&list.view, Qt::Key_Backspace);

    QCOMPARE(list.view.Directory(),
             QDir::cleanPath(resolve(after)) +
                 (after.endsWith(u'/') && after != "/"_L1 ? u"/"_s : QString()));
    if (selectedPath.isEmpty()) {
        QCOMPARE(list.view.selectedRow(), -1);
        QCOMPARE(itemChanges.count(), 0);
        return;
    }
    QVERIFY(list.view.selectedRow() >= 0);
    const QString expected = resolve(selectedPath);
    QCOMPARE(EnsureTrailingBackslash(list.view.SelectedItem()), EnsureTrailingBackslash(expected));
    QCOMPARE(itemChanges.count(), 1);
}

void TestFileListKeys::inPlaceRename_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("edits");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("after");

    const QStringList two{u"a.mp3"_s, u"b.mp3"_s};
    const QString invalidName = VxText(lnEnglish, VxKey::InvalidDirName);
    const QString invalidChars = VxText(lnEnglish, VxKey::InvalidFolderChars);
    const QString readOnly = VxText(lnEnglish, VxKey::ItsReadOnly);

    QTest::newRow("new-name") << two << u"a.mp3"_s << QString() << u"c.mp3"_s << true << QString()
                              << QStringList{u"b.mp3"_s, u"c.mp3"_s};
    QTest::newRow("unchanged") << two << u"a.mp3"_s << QString() << u"a.mp3"_s << true << QString()
                               << two;
    QTest::newRow("existing-name-kept")
        << two << u"a.mp3"_s << QString() << u"b.mp3"_s << true
        << u"\"b.mp3\" "_s + VxText(lnEnglish, VxKey::AlreadyExists) << two;
    QTest::newRow("case-only-change-renames")
        << two << u"a.mp3"_s << QString() << u"A.MP3"_s << true << QString()
        << QStringList{u"A.MP3"_s, u"b.mp3"_s};
    QTest::newRow("case-variant-of-another-file-kept")
        << QStringList{u"A.MP3"_s, u"a.mp3"_s} << u"a.mp3"_s << QString() << u"A.MP3"_s << true
        << u"\"A.MP3\" "_s + VxText(lnEnglish, VxKey::AlreadyExists)
        << QStringList{u"A.MP3"_s, u"a.mp3"_s};
    QTest::newRow("folder") << QStringList{u"dir/"_s} << u"dir"_s << QString() << u"music"_s << true
                            << QString() << QStringList{u"music"_s};
    QTest::newRow("hidden-extension-takes-whole-caption")
        << two << u"a.mp3"_s << u"hide-ext"_s << u"c"_s << true << QString()
        << QStringList{u"b.mp3"_s, u"c"_s};
    QTest::newRow("invalid/slash") << two << u"a.mp3"_s << QString() << u"x/y.mp3"_s << true
                                   << invalidChars + u"\n\"x/y.mp3\""_s << two;
    QTest::newRow("invalid/nul") << two << u"a.mp3"_s << QString() << u"x\0y"_s << true
                                 << invalidChars + u"\n\"x\0y\""_s << two;
    QTest::newRow("invalid/empty")
        << two << u"a.mp3"_s << QString() << QString() << true << invalidName + u"\n\"\""_s << two;
    QTest::newRow("invalid/dot-dot")
        << two << u"a.mp3"_s << QString() << u".."_s << true << invalidName + u"\n\"..\""_s << two;
    QTest::newRow("invalid/256-bytes")
        << two << u"a.mp3"_s << QString() << QString(128, u'é') << true
        << invalidName + u"\n\""_s + QString(128, u'é') + u'"' << two;
    QTest::newRow("read-only-row-warns")
        << QStringList{u"locked/"_s} << u"locked"_s << u"read-only-row"_s << QString() << false
        << readOnly << QStringList{u"locked"_s};
    QTest::newRow("read-only-list-warns")
        << two << u"a.mp3"_s << u"read-only-list"_s << QString() << false << readOnly << two;
    QTest::newRow("rename-action-removed")
        << two << u"a.mp3"_s << u"no-rename"_s << QString() << false << QString() << two;
}

void TestFileListKeys::inPlaceRename()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, row);
    QFETCH(QString, setting);
    QFETCH(QString, typed);
    QFETCH(bool, edits);
    QFETCH(QString, message);
    QFETCH(QStringList, after);

    TestDir dir;
    QVERIFY(populate(dir, entries));
    if (setting == "read-only-row"_L1)
        QVERIFY(QFile::setPermissions(dir.filePath(row), QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&dir, &row] {
        QFile::setPermissions(dir.filePath(row),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    ListOnFolder list(dir.path());
    list.view.setParentDirEnabled(false);
    list.view.setHideFileExt(setting == "hide-ext"_L1);
    list.view.setReadOnly(setting == "read-only-list"_L1);
    if (setting == "no-rename"_L1)
        list.view.ShortCuts().Actions.exclude(vaRename);
    list.view.UpdateFileList();
    list.view.selectOnly(rowOf(list.view, row.toUtf8()));

    ModalAnswerer boxes({}, QMessageBox::Ok);
    QTest::keyClick(&list.view, Qt::Key_F2);
    auto* editor = list.view.findChild<QLineEdit*>(u"RenameEditor"_s);
    QCOMPARE(editor != nullptr && editor->isVisible(), edits);
    if (edits) {
        QCOMPARE(editor->text(), list.view.rows().at(list.view.selectedRow()).caption());
        editor->setText(typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!list.view.isRenaming());
    }
    if (!message.isEmpty())
        QTRY_COMPARE(boxes.texts, QStringList{message});
    QTRY_COMPARE(namesOnDisk(dir), after);
    QCOMPARE(boxes.texts.size(), message.isEmpty() ? 0 : 1);
    QStringList listed;
    for (const ListingRow& listedRow : list.view.rows())
        listed << QString::fromUtf8(listedRow.nameBytes);
    QTRY_COMPARE(listed, after);
}

void TestFileListKeys::renameOnVolumeIgnoringCase_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("case-only-change")
        << u"A.MP3"_s << QString() << QStringList{u"A.MP3"_s, u"b.mp3"_s};
    QTest::newRow("other-file-in-other-case")
        << u"B.MP3"_s << u"\"B.MP3\" "_s + VxText(lnEnglish, VxKey::AlreadyExists)
        << QStringList{u"a.mp3"_s, u"b.mp3"_s};
}

void TestFileListKeys::renameOnVolumeIgnoringCase()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, after);

    const FuseVolume volume(FuseVolume::Kind::Fat);
    if (!volume.isMounted())
        QSKIP(volume.skipReason());
    for (const QString& name : {u"a.mp3"_s, u"b.mp3"_s}) {
        QFile file(volume.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("x"), qint64(1));
    }
    ListOnFolder list(volume.path());
    list.view.setParentDirEnabled(false);
    list.view.UpdateFileList();
    list.view.selectOnly(rowOf(list.view, "a.mp3"));

    ModalAnswerer boxes({}, QMessageBox::Ok);
    QTest::keyClick(&list.view, Qt::Key_F2);
    auto* editor = list.view.findChild<QLineEdit*>(u"RenameEditor"_s);
    QVERIFY(editor);
    editor->setText(typed);
    QTest::keyClick(editor, Qt::Key_Return);

    if (!message.isEmpty())
        QTRY_COMPARE(boxes.texts, QStringList{message});
    QTRY_COMPARE(QDir(volume.path()).entryList(QDir::Files, QDir::Name), after);
    QCOMPARE(boxes.texts.size(), message.isEmpty() ? 0 : 1);
}

void TestFileListKeys::clicks_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("dragOperation");
    QTest::addColumn<QString>("selectedItem");
    QTest::addColumn<QString>("directory");

    QTest::newRow("click-takes-the-path")
        << u"click"_s << u"b.mp3"_s << 2 << u"b.mp3"_s << u"list"_s;
    QTest::newRow("ctrl-click-copies")
        << u"ctrl-click"_s << u"b.mp3"_s << 0 << u"b.mp3"_s << u"list"_s;
    QTest::newRow("down-key-takes-the-next-path")
        << u"down"_s << u"a.mp3"_s << -1 << u"b.mp3"_s << u"list"_s;
    QTest::newRow("double-click-parent-goes-up")
        << u"double-click"_s << QString() << 2 << u"list"_s << QString();
    QTest::newRow("double-click-parent-opens-it")
        << u"double-click-open"_s << QString() << 2 << u"list"_s << QString();
}

void TestFileListKeys::clicks()
{
    QFETCH(QString, gesture);
    QFETCH(QString, row);
    QFETCH(int, dragOperation);
    QFETCH(QString, selectedItem);
    QFETCH(QString, directory);

    TestDir dir;
    QVERIFY(dir.createFile(u"list/a.mp3"_s, "a"));
    QVERIFY(dir.createFile(u"list/b.mp3"_s, "b"));
    ListOnFolder list(dir.filePath(u"list"_s));
    list.view.ShortCuts().DblClickToOpen = gesture == "double-click-open"_L1;
    QVERIFY(QTest::qWaitForWindowExposed(&list.view));
    QSignalSpy itemChanges(&list.view, &TVxFilelistView28::OnItemChange);
    // The parent row comes first.
    const int target = row.isEmpty() ? 0 : rowOf(list.view, row.toUtf8());
    const QPoint point = list.view.visualRect(list.view.model()->index(target, 1)).center();
    QWidget* viewport = list.view.viewport();

    if (gesture == "click"_L1) {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
    } else if (gesture == "ctrl-click"_L1) {
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, point);
    } else if (gesture == "down"_L1) {
        list.view.selectOnly(target);
        list.view.setFocus();
        QTest::keyClick(&list.view, Qt::Key_Down);
    } else {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, point);
    }

    if (dragOperation >= 0)
        QCOMPARE(TVxFilelistView28::dragOperation(), dragOperation);
    const QString expectedPath =
        dir.filePath(directory.isEmpty() ? selectedItem : directory + u'/' + selectedItem);
    QCOMPARE(list.view.SelectedItem(), expectedPath);
    QVERIFY(itemChanges.count() >= 1);
    QCOMPARE(itemChanges.last().at(1).toString(), expectedPath);
    QCOMPARE(itemChanges.last().at(0).value<QObject*>(), &list.view);
    QCOMPARE(list.view.Directory(),
             EnsureTrailingBackslash(directory.isEmpty() ? dir.path() : dir.filePath(directory)));
}

void TestFileListKeys::comboLink()
{
    TVxFilelistView28 view;
    auto first = std::make_unique<TVxDirTreeCombo28>();
    auto second = std::make_unique<TVxDirTreeCombo28>();

    view.setDirTreeCombo(first.get());
    QCOMPARE(view.DirTreeCombo(), first.get());
    QCOMPARE(first->FileList(), &view);

    view.setDirTreeCombo(second.get());
    QCOMPARE(first->FileList(), nullptr);
    QCOMPARE(second->FileList(), &view);

    second.reset();
    QCOMPARE(view.DirTreeCombo(), nullptr);
    view.setDirTreeCombo(first.get());
    QCOMPARE(first->FileList(), &view);
}

void TestFileListKeys::comboKeys_data()
{
    QTest::addColumn<bool>("linked");
    QTest::addColumn<bool>("openFirst");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("droppedDown");

    QTest::newRow("f4-opens-the-tree") << true << false << int(Qt::Key_F4) << true;
    QTest::newRow("f4-closes-the-open-tree") << true << true << int(Qt::Key_F4) << false;
    QTest::newRow("escape-closes-the-open-tree") << true << true << int(Qt::Key_Escape) << false;
    QTest::newRow("f4-without-combo") << false << false << int(Qt::Key_F4) << false;
    QTest::newRow("escape-without-combo") << false << true << int(Qt::Key_Escape) << true;
}

void TestFileListKeys::comboKeys()
{
    QFETCH(bool, linked);
    QFETCH(bool, openFirst);
    QFETCH(int, key);
    QFETCH(bool, droppedDown);

    TestDir dir;
    QWidget window;
    window.resize(500, 400);
    auto* combo = new TVxDirTreeCombo28(&window);
    combo->setGeometry(0, 0, 300, 24);
    auto* view = new TVxFilelistView28(&window);
    view->setGeometry(0, 30, 500, 370);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (linked)
        view->setDirTreeCombo(combo);
    view->setDirectory(dir.path());
    if (openFirst) {
        combo->ToggleDropDown();
        QTRY_VERIFY(combo->Tree()->isDroppedDown());
    }

    QTest::keyClick(view, Qt::Key(key));

    QTRY_COMPARE(combo->Tree()->isDroppedDown(), droppedDown);
    if (combo->Tree()->isDroppedDown())
        combo->ToggleDropDown();
}

void TestFileListKeys::contextMenu_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("shown");

    QTest::newRow("menu-key") << u"menu-key"_s << QString() << true;
    QTest::newRow("shift-f10") << u"shift-f10"_s << QString() << true;
    QTest::newRow("right-click") << u"right-click"_s << QString() << true;
    QTest::newRow("plain-f10-is-no-menu-key") << u"f10"_s << QString() << false;
    QTest::newRow("drives-view") << u"menu-key"_s << u"drives"_s << false;
    QTest::newRow("menu-switched-off") << u"right-click"_s << u"disabled"_s << false;
}

void TestFileListKeys::contextMenu()
{
    QFETCH(QString, gesture);
    QFETCH(QString, setting);
    QFETCH(bool, shown);

    TestDir dir;
    QVERIFY(populate(dir, {u"a.mp3"_s, u"b.mp3"_s}));
    ListOnFolder list(setting == "drives"_L1 ? u"Drives"_s : dir.path());
    QVERIFY(QTest::qWaitForWindowExposed(&list.view));
    list.view.setPopUpMenuEnabled(setting != "disabled"_L1);
    list.view.selectOnly(list.view.rowCount() - 1);
    TVxFilelistView28PopUp* menu = list.view.popupMenu();
    QVERIFY(menu);

    if (gesture == "menu-key"_L1) {
        QTest::keyClick(&list.view, Qt::Key_Menu);
    } else if (gesture == "shift-f10"_L1) {
        QTest::keyClick(&list.view, Qt::Key_F10, Qt::ShiftModifier);
    } else if (gesture == "f10"_L1) {
        QTest::keyClick(&list.view, Qt::Key_F10);
    } else {
        const QPoint point = list.view.visualRect(list.view.model()->index(0, 0)).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, point,
                                list.view.viewport()->mapToGlobal(point));
        QApplication::sendEvent(list.view.viewport(), &click);
    }

    if (shown) {
        QTRY_VERIFY(menu->isVisible());
        // The menu opens beside the selected row for a key, beside the pointer for a click.
        const int row = gesture == "right-click"_L1 ? 0 : list.view.selectedRow();
        const QRect rowArea = list.view.visualRect(list.view.model()->index(row, 0));
        const QPoint rowCentre = list.view.viewport()->mapToGlobal(rowArea.center());
        QVERIFY(menu->geometry().contains(rowCentre + QPoint(11, 11)));
        menu->close();
    } else {
        QVERIFY(!menu->isVisible());
    }
}

void TestFileListKeys::languageRebuildsLayout_data()
{
    QTest::addColumn<bool>("drives");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("folder-layout")
        << false
        << QStringList{VxText(lnFrench, VxKey::ColName), VxText(lnFrench, VxKey::ColSize),
                       VxText(lnFrench, VxKey::ColType), VxText(lnFrench, VxKey::ColModified),
                       VxText(lnFrench, VxKey::ColAttr)};
    QTest::newRow("drives-layout")
        << true
        << QStringList{VxText(lnFrench, VxKey::ColName), VxText(lnFrench, VxKey::ColType),
                       VxText(lnFrench, VxKey::ColDiskSize), VxText(lnFrench, VxKey::ColFreeSpace),
                       VxText(lnFrench, VxKey::ColAttr)};
}

void TestFileListKeys::languageRebuildsLayout()
{
    QFETCH(bool, drives);
    QFETCH(QStringList, captions);

    TestDir dir;
    QVERIFY(populate(dir, {u"b.mp3"_s, u"a.mp3"_s, u"c.mp3"_s}));
    ListOnFolder list(drives ? u"Drives"_s : dir.path());
    list.view.setLanguage(lnEnglish);
    if (!drives)
        list.view.ColumnClickSort(1);
    QStringList before;
    for (const ListingRow& row : list.view.rows())
        before << row.caption();
    const TVxFilelistView28PopUp* oldMenu = list.view.popupMenu();
    QSignalSpy menuGone(oldMenu, &QObject::destroyed);
    list.view.setPopUpMenuEnabled(false);

    list.view.setLanguage(lnFrench);

    QStringList shown;
    for (int column = 0; column < 5; ++column)
        shown << list.view.model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(shown, captions);
    QCOMPARE(list.view.isDrivesLayout(), drives);
    QCOMPARE(list.view.header()->sortIndicatorSection(), -1);
    QStringList after;
    for (const ListingRow& row : list.view.rows())
        after << row.caption();
    QCOMPARE(after, before);
    QCOMPARE(menuGone.count(), 1);
    QVERIFY(list.view.popupMenu());
    QVERIFY(list.view.PopUpMenuEnabled());
    list.view.setLanguage(lnEnglish);
}

void TestFileListKeys::sortArrowPointsUpWhenAscending()
{
    TestDir dir;
    QVERIFY(populate(dir, {u"a.mp3"_s, u"b.mp3"_s}));
    ListOnFolder list(dir.path());
    QVERIFY(QTest::qWaitForWindowExposed(&list.view));
    QHeaderView* header = list.view.header();
    const auto arrowRows = [header](Qt::SortOrder order) {
        header->setSortIndicatorShown(false);
        const QImage plain = header->grab().toImage();
        header->setSortIndicatorShown(true);
        header->setSortIndicator(0, order);
        return differingPixelsPerRow(header->grab().toImage(), plain);
    };
    const QList<int> ascending = arrowRows(Qt::AscendingOrder);
    const QList<int> descending = arrowRows(Qt::DescendingOrder);
    QVERIFY(ascending.size() >= 2);
    QVERIFY(descending.size() >= 2);
    // An arrow pointing up is narrowest at its top.
    QVERIFY2(ascending.first() < ascending.last(), qPrintable(QString::number(ascending.first())));
    QVERIFY(descending.first() > descending.last());
}

// The component's settings and the trash live in the user's folders: a home of its own.
int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(u".config"_s)));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(u".local/share"_s)));
    QApplication app(argc, argv);
    TestFileListKeys test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filelistkeys.moc"
