#include "app/SpinEdit.h"
#include "tests/support/SpinEditKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A start box and an increment box in one shown window, with a plain line edit to move the
// focus to.
class SpinWindow
{
public:
    SpinWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        start = new SpinEdit(0, 99999, &window);
        start->setObjectName(QStringLiteral("SpinEdit1"));
        increment = new SpinEdit(1, 99999, &window);
        increment->setObjectName(QStringLiteral("SpinEdit2"));
        elsewhere = new QLineEdit(&window);
        layout->addWidget(start);
        layout->addWidget(increment);
        layout->addWidget(elsewhere);
        window.show();
        window.activateWindow();
    }

    SpinEdit* box(const QString& name) const { return window.findChild<SpinEdit*>(name); }

    void leave() { elsewhere->setFocus(); }

    QWidget window;
    SpinEdit* start = nullptr;
    SpinEdit* increment = nullptr;
    QLineEdit* elsewhere = nullptr;
};

} // namespace

// The two numeric boxes driven by keys: what a typed text counts as, and how it is corrected
// when the focus leaves.
class TestSpinEdit : public QObject
{
    Q_OBJECT

private slots:
    void initialValues();
    void typed_data();
    void typed();
    void arrows_data();
    void arrows();
    void changeSignals();
    void inputMethodCommits_data();
    void inputMethodCommits();
    void pastedAndSetTexts_data();
    void pastedAndSetTexts();
};

void TestSpinEdit::initialValues()
{
    SpinWindow spins;
    QCOMPARE(spins.start->text(), u"0"_qs);
    QCOMPARE(spins.increment->text(), u"1"_qs);
    QCOMPARE(spins.start->value(), 0);
    QCOMPARE(spins.increment->value(), 1);
}

void TestSpinEdit::typed_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("valueWhileTyping");
    QTest::addColumn<QString>("textAfterLeaving");
    QTest::addColumn<int>("valueAfterLeaving");
    QTest::newRow("start/in-range") << "SpinEdit1"
                                    << "42"
                                    << "42" << 42 << "42" << 42;
    QTest::newRow("start/negative-used-as-typed") << "SpinEdit1"
                                                  << "-3"
                                                  << "-3" << -3 << "0" << 0;
    QTest::newRow("start/beyond-max-used-as-typed") << "SpinEdit1"
                                                    << "123456"
                                                    << "123456" << 123456 << "99999" << 99999;
    // Typing takes digits and signs only: hexadecimal prefixes, letters and blanks are refused.
    QTest::newRow("start/dollar-hex-refused") << "SpinEdit1"
                                              << "$1F"
                                              << "1" << 1 << "1" << 1;
    QTest::newRow("start/0x-hex-refused") << "SpinEdit1"
                                          << "0x10"
                                          << "010" << 10 << "010" << 10;
    QTest::newRow("start/hex-letters-refused") << "SpinEdit1"
                                               << "$FFFFF"
                                               << "" << 0 << "" << 0;
    QTest::newRow("start/leading-blanks-refused") << "SpinEdit1"
                                                  << "  7"
                                                  << "7" << 7 << "7" << 7;
    QTest::newRow("start/other-signs-refused") << "SpinEdit1"
                                               << "4*2/1.5,0e1"
                                               << "421501" << 421501 << "99999" << 99999;
    QTest::newRow("start/plus-sign") << "SpinEdit1"
                                     << "+5"
                                     << "+5" << 5 << "+5" << 5;
    // Not an integer text: it counts as the minimum and is left as it is.
    QTest::newRow("start/empty") << "SpinEdit1"
                                 << ""
                                 << "" << 0 << "" << 0;
    QTest::newRow("start/sign-alone") << "SpinEdit1"
                                      << "-"
                                      << "-" << 0 << "-" << 0;
    QTest::newRow("start/trailing-blank-refused") << "SpinEdit1"
                                                  << "5 "
                                                  << "5" << 5 << "5" << 5;
    QTest::newRow("start/signs-twice") << "SpinEdit1"
                                       << "+-5"
                                       << "+-5" << 0 << "+-5" << 0;
    QTest::newRow("start/beyond-32-bits") << "SpinEdit1"
                                          << "9999999999"
                                          << "9999999999" << 0 << "9999999999" << 0;
    QTest::newRow("start/letters-refused") << "SpinEdit1"
                                           << "1g2"
                                           << "12" << 12 << "12" << 12;
    QTest::newRow("increment/zero-used-as-typed") << "SpinEdit2"
                                                  << "0"
                                                  << "0" << 0 << "1" << 1;
    QTest::newRow("increment/negative") << "SpinEdit2"
                                        << "-5"
                                        << "-5" << -5 << "1" << 1;
    QTest::newRow("increment/empty-is-minimum") << "SpinEdit2"
                                                << ""
                                                << "" << 1 << "" << 1;
    QTest::newRow("increment/x-refused") << "SpinEdit2"
                                         << "x"
                                         << "" << 1 << "" << 1;
}

void TestSpinEdit::typed()
{
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, valueWhileTyping);
    QFETCH(QString, textAfterLeaving);
    QFETCH(int, valueAfterLeaving);
    SpinWindow spins;
    QVERIFY(QTest::qWaitForWindowActive(&spins.window));
    SpinEdit* edit = spins.box(box);
    QVERIFY(edit);

    typeInto(edit, keys);
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->value(), valueWhileTyping);

    spins.leave();
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), textAfterLeaving);
    QCOMPARE(edit->value(), valueAfterLeaving);
}

void TestSpinEdit::arrows_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("up") << "SpinEdit1"
                        << "5" << int(Qt::Key_Up) << "6";
    QTest::newRow("down") << "SpinEdit1"
                          << "5" << int(Qt::Key_Down) << "4";
    QTest::newRow("up-at-max-stays") << "SpinEdit1"
                                     << "99999" << int(Qt::Key_Up) << "99999";
    QTest::newRow("down-at-min-stays") << "SpinEdit1"
                                       << "0" << int(Qt::Key_Down) << "0";
    QTest::newRow("increment-down-at-min") << "SpinEdit2"
                                           << "1" << int(Qt::Key_Down) << "1";
    QTest::newRow("up-from-below-range") << "SpinEdit1"
                                         << "-3" << int(Qt::Key_Up) << "0";
    QTest::newRow("down-from-beyond-range") << "SpinEdit1"
                                            << "200000" << int(Qt::Key_Down) << "99999";
    QTest::newRow("up-from-no-number-start") << "SpinEdit1"
                                             << "" << int(Qt::Key_Up) << "1";
    QTest::newRow("up-from-no-number") << "SpinEdit2"
                                       << "" << int(Qt::Key_Up) << "2";
}

void TestSpinEdit::arrows()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, text);
    SpinWindow spins;
    QVERIFY(QTest::qWaitForWindowActive(&spins.window));
    SpinEdit* edit = spins.box(box);
    typeInto(edit, typed);
    QTest::keyClick(edit, Qt::Key(key));
    QCOMPARE(edit->text(), text);
}

// Every change of the text is signalled once: each typed character, an arrow, and the
// correction when the focus leaves; leaving without a correction signals nothing.
void TestSpinEdit::changeSignals()
{
    SpinWindow spins;
    QVERIFY(QTest::qWaitForWindowActive(&spins.window));
    typeInto(spins.start, QString());
    QSignalSpy changed(spins.start, &SpinEdit::changed);

    QTest::keyClicks(spins.start, u"-12"_qs);
    QCOMPARE(changed.count(), 3);
    QTest::keyClick(spins.start, Qt::Key_Up);
    QCOMPARE(spins.start->text(), u"0"_qs);
    QCOMPARE(changed.count(), 4);
    spins.leave();
    QCOMPARE(changed.count(), 4);

    spins.start->setFocus();
    QTest::keyClick(spins.start, Qt::Key_End);
    QTest::keyClicks(spins.start, u"123456"_qs);
    QCOMPARE(changed.count(), 10);
    spins.leave();
    QCOMPARE(spins.start->text(), u"99999"_qs);
    QCOMPARE(changed.count(), 11);
}

void TestSpinEdit::inputMethodCommits_data()
{
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits") << "12"
                            << "12";
    QTest::newRow("sign-and-digit") << "-4"
                                    << "-4";
    QTest::newRow("letter-refused") << "1x"
                                    << "";
    QTest::newRow("other-digits-refused") << QStringLiteral("1\u0662") << "";
    QTest::newRow("accent-refused") << QStringLiteral("\u00e9") << "";
}

// Text composed by an input method is typed text too.
void TestSpinEdit::inputMethodCommits()
{
    QFETCH(QString, commit);
    QFETCH(QString, shown);
    SpinWindow spins;
    QVERIFY(QTest::qWaitForWindowActive(&spins.window));
    typeInto(spins.start, QString());
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(spins.start, &event);
    QCOMPARE(spins.start->text(), shown);
}

void TestSpinEdit::pastedAndSetTexts_data()
{
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("textAfterLeaving");
    QTest::newRow("pasted/dollar-hex") << true << "$1F" << 31 << "$1F";
    QTest::newRow("pasted/0x-hex") << true << "0x10" << 16 << "0x10";
    QTest::newRow("pasted/leading-blanks") << true << "  7" << 7 << "  7";
    QTest::newRow("pasted/hex-beyond-max") << true << "$FFFFF" << 0xFFFFF << "99999";
    QTest::newRow("pasted/trailing-blank") << true << "5 " << 0 << "5 ";
    QTest::newRow("pasted/other-letters-refused") << true << "12g" << 0 << "";
    QTest::newRow("set/x-hex") << false << "xA" << 10 << "xA";
    QTest::newRow("set/hex-beyond-max") << false << "$FFFFF" << 0xFFFFF << "99999";
}

// Pasted and set from code, a text keeps the reading the integer-text rules give it.
void TestSpinEdit::pastedAndSetTexts()
{
    QFETCH(bool, pasted);
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(QString, textAfterLeaving);
    SpinWindow spins;
    QVERIFY(QTest::qWaitForWindowActive(&spins.window));
    typeInto(spins.start, QString());
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(spins.start, Qt::Key_V, Qt::ControlModifier);
    } else {
        spins.start->setText(text);
    }
    QCOMPARE(spins.start->value(), value);
    spins.leave();
    QCOMPARE(spins.start->text(), textAfterLeaving);
}

QTEST_MAIN(TestSpinEdit)
#include "tst_spinedit.moc"
