#include "app/SpinEdit.h"
#include "app/TrackListCommands.h"
#include "app/TrackListModel.h"
#include "core/Text.h"
#include "core/rename/RenameStatus.h"
#include "explorer/VxFilelistView28.h"

#include "tests/support/TestDir.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QIcon>
#include <QMimeData>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

// A file of the test folder: its name, its size in bytes and how many minutes before now it
// was last modified.
struct TestFile
{
    QString name;
    int size = 10;
    int minutesAgo = 0;
};

bool createTestFile(TestDir& dir, const TestFile& file)
{
    if (!dir.createFile(file.name, QByteArray(file.size, 'x')))
        return false;
    QFile handle(dir.filePath(file.name));
    const QDateTime when = QDateTime::currentDateTime().addSecs(-60 * file.minutesAgo);
    return handle.open(QIODevice::ReadWrite) &&
           handle.setFileTime(when, QFileDevice::FileModificationTime);
}

bool createTestFiles(TestDir& dir, const QList<TestFile>& files)
{
    return std::all_of(files.begin(), files.end(),
                       [&dir](const TestFile& file) { return createTestFile(dir, file); });
}

// The track list as the main window puts it together: the hidden folder listing, the model and
// its view, the two spin boxes and the commands, in one shown window.
class TrackListWindow
{
public:
    TrackListWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        listing = new TVxFilelistView28(&window);
        listing->setMask(QStringLiteral("*.mp3"));
        listing->setShowFolders(false);
        listing->setParentDirEnabled(false);
        view = new QTreeView(&window);
        view->setModel(&model);
        view->setRootIsDecorated(false);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->header()->setSectionsClickable(true);
        start = new SpinEdit(0, 99999, &window);
        increment = new SpinEdit(1, 99999, &window);
        for (QWidget* widget : {static_cast<QWidget*>(listing), static_cast<QWidget*>(view),
                                static_cast<QWidget*>(start), static_cast<QWidget*>(increment)})
            layout->addWidget(widget);
        commands = new TrackListCommands(&model, view, start, increment, &window);
        TVxFilelistView28* source = listing;
        commands->setListingSource(
            {[source] { return source->rows(); },
             [source](int column) { source->ColumnClickSort(column); },
             [source]() -> const std::vector<QByteArray>& { return source->folderNames(); }});
        QObject::connect(view->header(), &QHeaderView::sectionClicked, commands,
                         &TrackListCommands::ListView1ColumnClick);
        model.addColumns();
        commands->setSortMarker(0);
        window.resize(900, 500);
        window.show();
    }

    // Points the listing at the folder and rebuilds the list, as a path change does.
    void openFolder(const TestDir& dir)
    {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        listing->setDirectory(dir.path());
        commands->setFolder(dir.pathBytes());
        commands->RebuildTrackList();
        commands->UpdatePreview();
    }

    QStringList column(int column) const
    {
        QStringList texts;
        for (const TrackRow& row : model.rows())
            texts.append(TrackListModel::columnText(row, column));
        return texts;
    }
    QStringList titles() const { return column(1); }

    void clickRow(int row)
    {
        const QRect cell = view->visualRect(model.index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

    void clickHeader(int section)
    {
        QHeaderView* header = view->header();
        const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // The key that does what the move button `command` does, pressed in the list.
    void pressMoveKey(const QString& command)
    {
        const Qt::Key key = command == u"up"     ? Qt::Key_Up
                            : command == u"down" ? Qt::Key_Down
                            : command == u"top"  ? Qt::Key_Home
                                                 : Qt::Key_End;
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        QTest::keyClick(view, key, Qt::ControlModifier);
    }

    // Drags row `row` with the mouse to where the move button `command` puts it: into the upper
    // half of the row above (of the first row for "top") or into the lower half of the row
    // below (of the last row for "bottom").
    void dragRow(int row, const QString& command)
    {
        const int last = model.rowCount() - 1;
        const int target = command == u"up"     ? std::max(row - 1, 0)
                           : command == u"down" ? std::min(row + 1, last)
                           : command == u"top"  ? 0
                                                : last;
        const QRect cell = view->visualRect(model.index(target, 1));
        const bool upper = command == u"up" || command == u"top";
        dragRowTo(row, QPoint(cell.center().x(), upper ? cell.top() + cell.height() / 4
                                                       : cell.bottom() - cell.height() / 4));
    }

    // The events a drag of row `row` sends to the list when it is let go at `at`. The offscreen
    // platform has no drag loop: they are sent here as the drag would send them.
    void dragRowTo(int row, const QPoint& at, Qt::DropAction action = Qt::MoveAction,
                   const QAbstractItemModel* from = nullptr)
    {
        const QAbstractItemModel* source = from ? from : &model;
        const std::unique_ptr<QMimeData> data(source->mimeData({source->index(row, 0)}));
        QWidget* viewport = view->viewport();
        QDragEnterEvent enter(at, action, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, action, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QDropEvent drop(at, action, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
    }

    // The column captions that carry the sort marker.
    QList<int> markedColumns() const
    {
        QList<int> marked;
        for (int column = 0; column < TrackListModel::ColumnCount; ++column) {
            const QString caption = model.headerData(column, Qt::Horizontal).toString();
            if (caption.endsWith(QStringLiteral(" *")))
                marked.append(column);
        }
        return marked;
    }

    // The model outlives the window, whose boxes may still signal a change while they go.
    TrackListModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
    QWidget window;
    TVxFilelistView28* listing = nullptr;
    QTreeView* view = nullptr;
    SpinEdit* start = nullptr;
    SpinEdit* increment = nullptr;
    TrackListCommands* commands = nullptr;
};

} // namespace

// The status of each row whose rename would fail, by row.
using FailingRows = QMap<int, int>;

Q_DECLARE_METATYPE(QList<TestFile>)

// The track list rebuilt from a real folder listing, its move commands, its header sorts and
// the problems its previews show before a run.
class TestTrackList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rebuildTakesTheMp3RowsOfTheListing();
    void folderWithoutTracksGivesAnEmptyList();
    void moves_data();
    void moves();
    void headerSorts_data();
    void headerSorts();
    void listingSortsRestoreTheListingOrder();
    void previewHeaderOnlyRecomputes();
    void previewProblems_data();
    void previewProblems();
    void previewChecksFollowTheListedFolder();
    void refusedDrops_data();
    void refusedDrops();
};

void TestTrackList::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    text::setLanguageIndex(text::English);
}

void TestTrackList::rebuildTakesTheMp3RowsOfTheListing()
{
    TestDir dir;
    QVERIFY(createTestFiles(dir, {{u"00002 B.mp3"_qs, 2000},
                                  {u"Intro.MP3"_qs, 2000},
                                  {u"cover.jpg"_qs, 2000},
                                  {u"song.mp3.bak"_qs, 2000},
                                  {u"00001 A.mp3"_qs, 2000}}));
    TrackListWindow list;
    list.clickHeader(1);
    QCOMPARE(list.commands->sortColumn(), 1);
    list.openFolder(dir);

    QCOMPARE(list.column(0), (QStringList{u"00001"_qs, u"00002"_qs, QString()}));
    QCOMPARE(list.titles(), (QStringList{u"A"_qs, u"B"_qs, u"Intro"_qs}));
    QCOMPARE(list.column(4), (QStringList{u"00001 A"_qs, u"00002 B"_qs, u"00003 Intro"_qs}));
    QCOMPARE(list.commands->sortColumn(), 0);
    // The rebuild leaves the marker where the last header click put it.
    QCOMPARE(list.markedColumns(), QList<int>{1});

    // Size and date are the listing's own texts, and each row keeps the file it came from.
    const QVector<ListingRow>& listed = list.listing->rows();
    for (int i = 0; i < list.model.rowCount(); ++i) {
        const TrackRow& row = list.model.row(i);
        const auto same = std::find_if(listed.cbegin(), listed.cend(), [&](const ListingRow& l) {
            return l.nameBytes == row.nameBytes;
        });
        QVERIFY(same != listed.cend());
        QCOMPARE(row.subItem(TrackRow::SizeText), same->subItem(0));
        QCOMPARE(row.subItem(TrackRow::DateText), same->subItem(2));
        QCOMPARE(row.size, qint64(2000));
    }
    QCOMPARE(list.model.row(2).nameBytes, QByteArray("Intro.MP3"));
    QCOMPARE(list.commands->failingRowCount(), 0);
}

void TestTrackList::folderWithoutTracksGivesAnEmptyList()
{
    TestDir dir;
    QVERIFY(createTestFile(dir, {u"notes.txt"_qs}));
    TrackListWindow list;
    list.openFolder(dir);
    QCOMPARE(list.model.rowCount(), 0);
    list.commands->UpdatePreview();
    QCOMPARE(list.model.rowCount(), 0);
    QCOMPARE(list.commands->failingRowCount(), 0);
}

void TestTrackList::moves_data()
{
    QTest::addColumn<QString>("via");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("selectedAfter");
    const struct
    {
        const char* name;
        const char* command;
        int selected;
        const char* order;
        int selectedAfter;
    } moves[] = {
        {"up/middle", "up", 1, "BAC", 0},
        {"down/middle", "down", 1, "ACB", 2},
        {"top/middle", "top", 1, "BAC", 0},
        {"bottom/middle", "bottom", 1, "ACB", 2},
        {"top/last", "top", 2, "CAB", 0},
        {"bottom/first", "bottom", 0, "BCA", 2},
        {"up/first-does-nothing", "up", 0, "ABC", 0},
        {"top/first-does-nothing", "top", 0, "ABC", 0},
        {"down/last-does-nothing", "down", 2, "ABC", 2},
        {"bottom/last-does-nothing", "bottom", 2, "ABC", 2},
        {"up/none-selected", "up", -1, "ABC", -1},
        {"down/none-selected", "down", -1, "ABC", -1},
    };
    // The keys and a drag of the row to where the button puts it give the same rows.
    for (const char* via : {"button", "key", "drag"}) {
        for (const auto& move : moves) {
            if (qstrcmp(via, "drag") == 0 && move.selected < 0)
                continue;
            QTest::addRow("%s/%s", via, move.name)
                << QString::fromLatin1(via) << QString::fromLatin1(move.command) << move.selected
                << QString::fromLatin1(move.order) << move.selectedAfter;
        }
    }
}

// A move carries the whole row along, texts and file, and the previews follow the new order.
void TestTrackList::moves()
{
    QFETCH(QString, via);
    QFETCH(QString, command);
    QFETCH(int, selected);
    QFETCH(QString, order);
    QFETCH(int, selectedAfter);
    TestDir dir;
    QVERIFY(createTestFiles(
        dir, {{u"A.mp3"_qs, 1000, 30}, {u"B.mp3"_qs, 3000, 20}, {u"C.mp3"_qs, 5000, 10}}));
    TrackListWindow list;
    list.openFolder(dir);
    list.clickHeader(1);
    QCOMPARE(list.titles(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
    QMap<QString, TrackRow> before;
    for (const TrackRow& row : list.model.rows())
        before.insert(row.subItem(TrackRow::Title), row);
    if (selected >= 0)
        list.clickRow(selected);
    QCOMPARE(list.commands->selectedRow(), selected);

    if (via == u"key")
        list.pressMoveKey(command);
    else if (via == u"drag")
        list.dragRow(selected, command);
    else if (command == u"up")
        list.commands->moveUp();
    else if (command == u"down")
        list.commands->moveDown();
    else if (command == u"top")
        list.commands->moveToTop();
    else
        list.commands->moveToBottom();

    QCOMPARE(list.titles().join(QString()), order);
    QCOMPARE(list.commands->selectedRow(), selectedAfter);
    for (int i = 0; i < list.model.rowCount(); ++i) {
        const TrackRow& row = list.model.row(i);
        const TrackRow& was = before.value(row.subItem(TrackRow::Title));
        QCOMPARE(row.caption(), was.caption());
        for (int item = 0; item < TrackRow::Preview; ++item)
            QCOMPARE(row.subItem(item), was.subItem(item));
        QCOMPARE(row.nameBytes, was.nameBytes);
        QCOMPARE(row.size, was.size);
        QCOMPARE(row.mtimeNsec, was.mtimeNsec);
        QCOMPARE(row.subItem(TrackRow::Preview),
                 u"%1 %2"_qs.arg(i + 1, 5, 10, QChar(u'0')).arg(order.at(i)));
    }
    QCOMPARE(list.commands->sortColumn(), 1);
    QCOMPARE(list.markedColumns(), QList<int>{1});
}

void TestTrackList::headerSorts_data()
{
    QTest::addColumn<QList<TestFile>>("files");
    QTest::addColumn<int>("header");
    QTest::addColumn<int>("shownColumn");
    QTest::addColumn<QStringList>("firstClick");
    QTest::addColumn<QStringList>("secondClick");
    const QList<TestFile> numbered = {{u"00010 X.mp3"_qs},
                                      {u"00009 Y.mp3"_qs},
                                      {u"12.mp3"_qs},
                                      {u"00100 Z.mp3"_qs},
                                      {u"Intro.mp3"_qs}};
    // By text, not by value; rows without a number first.
    const QStringList byNumber = {QString(), u"00009"_qs, u"00010"_qs, u"00100"_qs, u"12"_qs};
    QTest::newRow("number/by-text-twice-ascending") << numbered << 0 << 0 << byNumber << byNumber;
    const QList<TestFile> titled = {
        {u"banana.mp3"_qs}, {u"Apple.mp3"_qs}, {u"_under.mp3"_qs}, {u"cherry.mp3"_qs}};
    const QStringList byTitle = {u"Apple"_qs, u"banana"_qs, u"cherry"_qs, u"_under"_qs};
    QTest::newRow("title/ascii-case-folded") << titled << 1 << 1 << byTitle << byTitle;
    const QList<TestFile> sized = {
        {u"A.mp3"_qs, 3000, 5}, {u"B.mp3"_qs, 9000, 50}, {u"C.mp3"_qs, 1000, 20}};
    QTest::newRow("size/largest-first-then-reversed")
        << sized << 2 << 1 << QStringList{u"B"_qs, u"A"_qs, u"C"_qs}
        << QStringList{u"C"_qs, u"A"_qs, u"B"_qs};
    QTest::newRow("date/newest-first-then-reversed")
        << sized << 3 << 1 << QStringList{u"A"_qs, u"C"_qs, u"B"_qs}
        << QStringList{u"B"_qs, u"C"_qs, u"A"_qs};
}

void TestTrackList::headerSorts()
{
    QFETCH(QList<TestFile>, files);
    QFETCH(int, header);
    QFETCH(int, shownColumn);
    QFETCH(QStringList, firstClick);
    QFETCH(QStringList, secondClick);
    TestDir dir;
    QVERIFY(createTestFiles(dir, files));
    TrackListWindow list;
    list.openFolder(dir);

    list.clickHeader(header);
    QCOMPARE(list.column(shownColumn), firstClick);
    QCOMPARE(list.markedColumns(), QList<int>{header});
    QCOMPARE(list.commands->sortColumn(), header == 1 ? 1 : 0);
    QCOMPARE(list.column(4).first(), u"00001 "_qs + list.titles().first());

    list.clickHeader(header);
    QCOMPARE(list.column(shownColumn), secondClick);
    QCOMPARE(list.markedColumns(), QList<int>{header});
    QCOMPARE(list.column(4).last(),
             u"%1 "_qs.arg(files.size(), 5, 10, QChar(u'0')) + list.titles().last());
}

void TestTrackList::listingSortsRestoreTheListingOrder()
{
    TestDir dir;
    QVERIFY(createTestFiles(dir, {{u"A.mp3"_qs, 1000}, {u"B.mp3"_qs, 5000}, {u"C.mp3"_qs, 3000}}));
    TrackListWindow list;
    list.openFolder(dir);
    list.clickHeader(1);
    list.clickRow(0);
    list.commands->moveToBottom();
    QCOMPARE(list.titles(), (QStringList{u"B"_qs, u"C"_qs, u"A"_qs}));

    list.clickHeader(2);
    QCOMPARE(list.titles(), (QStringList{u"B"_qs, u"C"_qs, u"A"_qs}));
    list.clickRow(2);
    list.commands->moveToTop();
    QCOMPARE(list.titles(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
    // The second click reverses the listing's order and drops the hand-made one.
    list.clickHeader(2);
    QCOMPARE(list.titles(), (QStringList{u"A"_qs, u"C"_qs, u"B"_qs}));
    QCOMPARE(list.column(4), (QStringList{u"00001 A"_qs, u"00002 C"_qs, u"00003 B"_qs}));
}

void TestTrackList::previewHeaderOnlyRecomputes()
{
    TestDir dir;
    QVERIFY(createTestFiles(dir, {{u"00003 C.mp3"_qs}, {u"00001 A.mp3"_qs}, {u"00002 B.mp3"_qs}}));
    TrackListWindow list;
    list.openFolder(dir);
    list.clickHeader(1);
    list.clickRow(0);
    list.commands->moveToBottom();
    // The boxes are not wired to the list here, so only the click can bring the new start in.
    list.start->setValue(100);
    QCOMPARE(list.column(4), (QStringList{u"00001 B"_qs, u"00002 C"_qs, u"00003 A"_qs}));

    list.clickHeader(4);
    QCOMPARE(list.titles(), (QStringList{u"B"_qs, u"C"_qs, u"A"_qs}));
    QCOMPARE(list.column(4), (QStringList{u"00101 B"_qs, u"00102 C"_qs, u"00103 A"_qs}));
    QCOMPARE(list.markedColumns(), QList<int>{1});
    QCOMPARE(list.commands->sortColumn(), 1);
}

void TestTrackList::previewProblems_data()
{
    QTest::addColumn<QList<TestFile>>("files");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("increment");
    QTest::addColumn<bool>("lastToTop");
    QTest::addColumn<FailingRows>("failing");
    using S = renaming::RenameStatus;
    QTest::newRow("clean-folder") << QList<TestFile>{{u"A.mp3"_qs}, {u"B.mp3"_qs}} << QStringList{}
                                  << "1" << false << FailingRows{};
    QTest::newRow("name-held-by-a-foreign-folder")
        << QList<TestFile>{{u"A.mp3"_qs}, {u"B.mp3"_qs}} << QStringList{u"00001 A.mp3"_qs} << "1"
        << false << FailingRows{{0, int(S::TargetExists)}};
    // While the increment box holds a typed 0, every row gets the same number.
    QTest::newRow("same-name-as-an-earlier-row")
        << QList<TestFile>{{u"00007 A.mp3"_qs}, {u"A.mp3"_qs}, {u"B.mp3"_qs}} << QStringList{}
        << "0" << false << FailingRows{{1, int(S::DuplicateTarget)}};
    QTest::newRow("name-too-long")
        << QList<TestFile>{{u"A.mp3"_qs}, {QString(250, u'x') + u".mp3"_qs}} << QStringList{} << "1"
        << false << FailingRows{{1, int(S::NameTooLong)}};
    // The file holding the new name is itself renamed away in the same run.
    QTest::newRow("name-freed-by-another-row")
        << QList<TestFile>{{u"00001 A.mp3"_qs}, {u"A.mp3"_qs}} << QStringList{} << "1" << true
        << FailingRows{};
}

void TestTrackList::previewProblems()
{
    QFETCH(QList<TestFile>, files);
    QFETCH(QStringList, folders);
    QFETCH(QString, increment);
    QFETCH(bool, lastToTop);
    QFETCH(FailingRows, failing);
    TestDir dir;
    QVERIFY(createTestFiles(dir, files));
    for (const QString& folder : folders)
        QVERIFY(dir.createDir(folder));
    TrackListWindow list;
    list.openFolder(dir);
    QCOMPARE(list.model.rowCount(), files.size());
    list.increment->setText(increment);
    if (lastToTop) {
        list.clickRow(list.model.rowCount() - 1);
        list.commands->moveToTop();
    }
    list.commands->UpdatePreview();

    QCOMPARE(list.commands->failingRowCount(), failing.size());
    for (int row = 0; row < list.model.rowCount(); ++row) {
        const QModelIndex preview = list.model.index(row, TrackListModel::PreviewColumn);
        const QString tip = preview.data(Qt::ToolTipRole).toString();
        const QIcon icon = preview.data(Qt::DecorationRole).value<QIcon>();
        if (failing.contains(row)) {
            QCOMPARE(tip, renaming::statusText(renaming::RenameStatus(failing.value(row))));
            QVERIFY(!icon.isNull());
        } else {
            QVERIFY2(tip.isEmpty(), qPrintable(tip));
            QVERIFY(icon.isNull());
        }
        QVERIFY(!list.model.index(row, 1).data(Qt::DecorationRole).isValid());
    }
}

// The check takes the folder's names from the read that made the rows: after another folder is
// listed, the names of the first must not linger, nor be missing when it is listed again.
void TestTrackList::previewChecksFollowTheListedFolder()
{
    TestDir blocked;
    QVERIFY(createTestFiles(blocked, {{u"A.mp3"_qs}}));
    QVERIFY(blocked.createDir(u"00001 A.mp3"_qs));
    TestDir clean;
    QVERIFY(createTestFiles(clean, {{u"A.mp3"_qs}}));
    TrackListWindow list;
    for (const auto& [dir, failing] :
         {std::pair<TestDir*, int>{&blocked, 1}, {&clean, 0}, {&blocked, 1}}) {
        list.openFolder(*dir);
        QCOMPARE(list.model.rowCount(), 1);
        QCOMPARE(list.commands->failingRowCount(), failing);
    }
}

void TestTrackList::refusedDrops_data()
{
    QTest::addColumn<QString>("drop");
    QTest::newRow("row-of-another-list") << u"other-list"_qs;
    QTest::newRow("copy-instead-of-move") << u"copy"_qs;
    QTest::newRow("left-the-list-before-the-drop") << u"leave"_qs;
    QTest::newRow("onto-the-dragged-row") << u"itself"_qs;
    QTest::newRow("list-changed-during-the-drag") << u"changed"_qs;
}

// A drop that is not a move of one of the list's own rows to another place changes nothing.
void TestTrackList::refusedDrops()
{
    QFETCH(QString, drop);
    TestDir dir;
    QVERIFY(createTestFiles(dir, {{u"A.mp3"_qs}, {u"B.mp3"_qs}, {u"C.mp3"_qs}}));
    TrackListWindow list;
    list.openFolder(dir);
    list.clickHeader(1);
    list.clickRow(2);
    const QStringList previews = list.column(TrackListModel::PreviewColumn);
    const QRect first = list.view->visualRect(list.model.index(0, 1));
    const QPoint top(first.center().x(), first.top() + 2);

    if (drop == u"other-list") {
        TrackListModel other;
        other.setRows(list.model.rows());
        other.addColumns();
        list.dragRowTo(2, top, Qt::MoveAction, &other);
    } else if (drop == u"copy") {
        list.dragRowTo(2, top, Qt::CopyAction);
    } else if (drop == u"changed") {
        // The dragged row's file is gone when the drop comes; its place holds another file.
        const std::unique_ptr<QMimeData> data(list.model.mimeData({list.model.index(2, 0)}));
        list.model.removeTrackRow(2);
        list.model.insertTrackRow(2, list.model.row(0));
        QDropEvent dropped(top, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.view->viewport(), &dropped);
        QCOMPARE(list.titles(), (QStringList{u"A"_qs, u"B"_qs, u"A"_qs}));
        return;
    } else if (drop == u"itself") {
        list.dragRowTo(2, list.view->visualRect(list.model.index(2, 1)).center());
    } else {
        const std::unique_ptr<QMimeData> data(list.model.mimeData({list.model.index(2, 0)}));
        QDragEnterEvent enter(top, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.view->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDragLeaveEvent leave;
        QApplication::sendEvent(list.view->viewport(), &leave);
    }

    QCOMPARE(list.titles(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
    QCOMPARE(list.column(TrackListModel::PreviewColumn), previews);
    QCOMPARE(list.commands->selectedRow(), 2);
}

QTEST_MAIN(TestTrackList)
#include "tst_tracklist.moc"
