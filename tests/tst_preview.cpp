#include "app/SpinEdit.h"
#include "app/TrackListCommands.h"
#include "app/TrackListModel.h"
#include "explorer/ListingTexts.h"
#include "tests/support/SpinEditKeys.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

namespace {

ListingRow listingRow(const QString& caption)
{
    static const auto texts = std::make_shared<const ListingTexts>(ListingTexts::Options());
    ListingRow row;
    row.texts = texts;
    row.nameBytes = caption.toUtf8();
    row.size = 1000;
    return row;
}

// The previews as the window computes them: both boxes recompute the list on every change.
class PreviewWindow
{
public:
    explicit PreviewWindow(const QStringList& captions)
    {
        auto* layout = new QVBoxLayout(&window);
        view = new QTreeView(&window);
        view->setModel(&model);
        start = new SpinEdit(0, 99999, &window);
        increment = new SpinEdit(1, 99999, &window);
        elsewhere = new QLineEdit(&window);
        layout->addWidget(view);
        layout->addWidget(start);
        layout->addWidget(increment);
        layout->addWidget(elsewhere);
        commands = new TrackListCommands(&model, view, start, increment, &window);
        QObject::connect(start, &SpinEdit::changed, commands, &TrackListCommands::UpdatePreview);
        QObject::connect(increment, &SpinEdit::changed, commands,
                         &TrackListCommands::UpdatePreview);
        model.addColumns();
        QVector<ListingRow> listing;
        for (const QString& caption : captions)
            listing.append(listingRow(caption));
        commands->RebuildTrackList(listing);
        commands->UpdatePreview();
        window.show();
        window.activateWindow();
    }

    QStringList previews() const
    {
        QStringList texts;
        for (const TrackRow& row : model.rows())
            texts.append(row.subItem(TrackRow::Preview));
        return texts;
    }

    // The model outlives the window, whose boxes may still signal a change while they go.
    TrackListModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
    QWidget window;
    QTreeView* view = nullptr;
    SpinEdit* start = nullptr;
    SpinEdit* increment = nullptr;
    QLineEdit* elsewhere = nullptr;
    TrackListCommands* commands = nullptr;
};

} // namespace

// Preview names from the position of each row and the texts of the two boxes, as typed.
class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void previews_data();
    void previews();
    void typedNegativeStartUntilTheFocusLeaves();
    void emptyListStaysEmpty();
};

void TestPreview::previews_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("increment");
    QTest::addColumn<QStringList>("expected");
    const QStringList abc = {u"A.mp3"_qs, u"B.mp3"_qs, u"C.mp3"_qs};
    QTest::newRow("initial-values")
        << abc << "0"
        << "1" << QStringList{u"00001 A"_qs, u"00002 B"_qs, u"00003 C"_qs};
    QTest::newRow("start-10-increment-5")
        << abc << "10"
        << "5" << QStringList{u"00015 A"_qs, u"00020 B"_qs, u"00025 C"_qs};
    QTest::newRow("six-digits-not-cut")
        << abc << "99999"
        << "99999" << QStringList{u"199998 A"_qs, u"299997 B"_qs, u"399996 C"_qs};
    QTest::newRow("typed-negative-start")
        << abc << "-3"
        << "1" << QStringList{u"-00002 A"_qs, u"-00001 B"_qs, u"00000 C"_qs};
    QTest::newRow("empty-increment-counts-as-1")
        << abc << "7"
        << "" << QStringList{u"00008 A"_qs, u"00009 B"_qs, u"00010 C"_qs};
    QTest::newRow("empty-start-counts-as-0")
        << abc << ""
        << "2" << QStringList{u"00002 A"_qs, u"00004 B"_qs, u"00006 C"_qs};
    // Typing takes no hexadecimal: "$A" types nothing, and the empty start counts as 0.
    QTest::newRow("typed-hex-start-refused")
        << abc << "$A"
        << "1" << QStringList{u"00001 A"_qs, u"00002 B"_qs, u"00003 C"_qs};
    QTest::newRow("start-beyond-range-as-typed")
        << abc << "999999"
        << "1" << QStringList{u"1000000 A"_qs, u"1000001 B"_qs, u"1000002 C"_qs};
    // The current number is replaced, the title kept, an empty title leaves a trailing blank.
    QTest::newRow("titles-of-numbered-files")
        << QStringList{u"00009 Old.mp3"_qs, u"12.mp3"_qs, u"123456 Long.mp3"_qs} << "0"
        << "1" << QStringList{u"00001 Old"_qs, u"00002 "_qs, u"00003 Long"_qs};
    // A number the previews gave past 99999 reads back whole: a second run changes nothing.
    QTest::newRow("six-digit-numbers-read-back")
        << QStringList{u"199998 A.mp3"_qs, u"299997 B.mp3"_qs, u"399996 C.mp3"_qs} << "99999"
        << "99999" << QStringList{u"199998 A"_qs, u"299997 B"_qs, u"399996 C"_qs};
}

void TestPreview::previews()
{
    QFETCH(QStringList, files);
    QFETCH(QString, start);
    QFETCH(QString, increment);
    QFETCH(QStringList, expected);
    PreviewWindow window(files);
    QVERIFY(QTest::qWaitForWindowActive(&window.window));
    QVERIFY(!window.previews().contains(u"..."_qs));
    // The start box is typed last, so it keeps the focus and its text counts as typed.
    typeInto(window.increment, increment);
    typeInto(window.start, start);
    QCOMPARE(window.previews(), expected);
}

void TestPreview::typedNegativeStartUntilTheFocusLeaves()
{
    PreviewWindow window({u"A.mp3"_qs, u"B.mp3"_qs});
    QVERIFY(QTest::qWaitForWindowActive(&window.window));
    typeInto(window.start, u"-3"_qs);
    QCOMPARE(window.previews().first(), u"-00002 A"_qs);
    window.elsewhere->setFocus();
    QCOMPARE(window.start->text(), u"0"_qs);
    QCOMPARE(window.previews(), (QStringList{u"00001 A"_qs, u"00002 B"_qs}));
}

void TestPreview::emptyListStaysEmpty()
{
    PreviewWindow window({u"notes.txt"_qs});
    QCOMPARE(window.model.rowCount(), 0);
    window.start->setValue(5);
    window.commands->UpdatePreview();
    QCOMPARE(window.model.rowCount(), 0);
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
