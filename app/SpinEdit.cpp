#include "app/SpinEdit.h"

#include "core/TrackRules.h"

#include <QLineEdit>

#include <algorithm>

SpinEdit::SpinEdit(int minValue, int maxValue, QWidget* parent)
    : QAbstractSpinBox(parent), m_minValue(minValue), m_maxValue(maxValue)
{
    lineEdit()->setText(QString::number(minValue));
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::changed);
}

qint32 SpinEdit::value() const
{
    qint32 value = m_minValue;
    return trackrules::parseIntegerText(text(), &value) ? value : m_minValue;
}

void SpinEdit::setValue(qint64 value)
{
    setText(QString::number(bounded(value)));
}

void SpinEdit::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void SpinEdit::stepBy(int steps)
{
    setValue(qint64(value()) + steps);
    selectAll();
}

QValidator::State SpinEdit::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos)
    // Digits, signs, blanks and what a hexadecimal number is written with; whether the whole
    // is a number is decided when the value is read.
    static const QString allowed = QStringLiteral(" +-$xX0123456789abcdefABCDEF");
    const bool ok =
        std::all_of(input.cbegin(), input.cend(), [](QChar c) { return allowed.contains(c); });
    return ok ? QValidator::Acceptable : QValidator::Invalid;
}

void SpinEdit::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
    qint32 typed = 0;
    if (trackrules::parseIntegerText(text(), &typed) && bounded(typed) != typed)
        setValue(typed);
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

qint64 SpinEdit::bounded(qint64 value) const
{
    return std::clamp<qint64>(value, m_minValue, m_maxValue);
}
