#pragma once

#include <QAbstractSpinBox>

// A numeric box whose text is what the user typed: the value is read from the text with the
// integer-text rules (blanks, a sign, hexadecimal prefixes) and is used as typed, even outside
// the range, until the box loses the focus, when it is moved to the nearest bound. A text that
// is no integer text reads as the minimum and is left alone. Typing takes digits and signs
// only; a text pasted or set from code may use all the rules read.
class SpinEdit : public QAbstractSpinBox
{
    Q_OBJECT

public:
    SpinEdit(int minValue, int maxValue, QWidget* parent = nullptr);

    int minValue() const { return m_minValue; }
    int maxValue() const { return m_maxValue; }

    // The value of the text, not clamped; the minimum when the text is no integer text.
    qint32 value() const;
    // Shows the value moved into the range.
    void setValue(qint64 value);

    void setText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    // Every change of the text: typing, an arrow, a correction on leaving.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    StepEnabled stepEnabled() const override;

private:
    // True when `typed` holds a printable character other than a digit or a sign.
    static bool isRefusedTyping(const QString& typed);
    qint64 bounded(qint64 value) const;

    int m_minValue;
    int m_maxValue;
};
