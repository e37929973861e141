#include "app/Main.h"
#include "app/SpinEdit.h"
#include "app/TrackListModel.h"
#include "core/BatchMode.h"
#include "core/SettingsFile.h"
#include "core/TrackPipeline.h"
#include "core/rename/RenameRequests.h"
#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxFilelistView28.h"
#include "tests/support/SpinEditKeys.h"
#include "tests/support/TestDir.h"

#include <QDateTime>
#include <QFile>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

using trackpipeline::Order;

Q_DECLARE_METATYPE(trackpipeline::Order)

namespace {

// Numbers out of name order, equal sizes and equal dates, names in both letter cases: every
// order has ties and every order differs from the others.
struct Track
{
    const char* name;
    int size;
    int daysOld;
};

const Track kTracks[] = {
    {"00003 Delta.mp3", 300, 2}, {"00001 alpha.MP3", 100, 5}, {"00002 Charlie.mp3", 300, 1},
    {"Bravo.mp3", 200, 5},       {"00010 echo.mp3", 50, 3},   {"x 00004 Foxtrot.mp3", 200, 4},
    {"00002 Golf.Mp3", 100, 1},
};

bool createTracks(TestDir& dir)
{
    const QDateTime now = QDateTime::currentDateTime();
    for (const Track& track : kTracks) {
        const QString name = QString::fromLatin1(track.name);
        if (!dir.createFile(name, QByteArray(track.size, 'x')))
            return false;
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadWrite) ||
            !file.setFileTime(now.addDays(-track.daysOld), QFileDevice::FileModificationTime))
            return false;
    }
    return dir.createFile(QStringLiteral("notes.txt"), "not a track");
}

// The order of the rows and the names the run would give them.
QByteArrayList planned(const QVector<TrackRow>& rows, qint64 start, qint64 increment)
{
    QByteArrayList names;
    for (const renaming::RenameRequest& request :
         renamerequests::requestsOf(rows, start, increment))
        names << request.oldName + " -> " + request.newName;
    return names;
}

} // namespace

class TestPipeline : public QObject
{
    Q_OBJECT

private slots:
    void windowAndBatchAgree_data();
    void windowAndBatchAgree();
};

void TestPipeline::windowAndBatchAgree_data()
{
    QTest::addColumn<Order>("order");
    QTest::addColumn<int>("header"); // the track list header the window's user clicks, or -1
    QTest::newRow("listing") << Order::Listing << -1;
    QTest::newRow("number") << Order::Number << 0;
    QTest::newRow("name") << Order::Name << 1;
    QTest::newRow("size") << Order::Size << 2;
    QTest::newRow("date") << Order::Date << 3;
}

// The window reads the folder through its file list and sorts on a header click; the batch mode
// reads and sorts through the pipeline. Both must plan the same renames in the same order.
void TestPipeline::windowAndBatchAgree()
{
    QFETCH(Order, order);
    QFETCH(int, header);
    TestDir dir;
    QVERIFY(dir.createDir(QStringLiteral("exe")));
    QVERIFY(createTracks(dir));

    TForm1 form(SettingsFile(dir.filePath(QStringLiteral("exe/ORVENFR.cfg")),
                             dir.filePath(QStringLiteral("config/ORVENFR.cfg"))));
    form.show();
    form.openStartFolder(dir.pathBytes());
    typeInto(form.findChild<SpinEdit*>(QStringLiteral("SpinEdit1")), QStringLiteral("10"));
    typeInto(form.findChild<SpinEdit*>(QStringLiteral("SpinEdit2")), QStringLiteral("5"));
    QTRY_COMPARE(form.trackListModel()->rows().size(), qsizetype(std::size(kTracks)));
    if (header >= 0) {
        QHeaderView* headerView = form.findChild<QTreeView*>(QStringLiteral("ListView1"))->header();
        const QPoint at(headerView->sectionViewportPosition(header) + 5, headerView->height() / 2);
        QTest::mouseClick(headerView->viewport(), Qt::LeftButton, {}, at);
    }
    const QByteArrayList window = planned(form.trackListModel()->rows(), 10, 5);

    QVector<ListingRow> listing;
    QVERIFY(trackpipeline::readListing(dir.pathBytes() + '/', &listing));
    const QByteArrayList batch = planned(trackpipeline::orderedTracks(listing, order), 10, 5);
    QCOMPARE(window, batch);
}

QTEST_MAIN(TestPipeline)

#include "tst_pipeline.moc"
