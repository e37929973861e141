#include "app/SpinEdit.h"

#include "core/TrackRules.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
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
    // What the integer-text rules read: a text set from code or pasted keeps its reading;
    // whether the whole is a number is decided when the value is read.
    static const QString allowed = QStringLiteral(" +-$xX0123456789abcdefABCDEF");
    const bool ok =
        std::all_of(input.cbegin(), input.cend(), [](QChar c) { return allowed.contains(c); });
    return ok ? QValidator::Acceptable : QValidator::Invalid;
}

void SpinEdit::keyPressEvent(QKeyEvent* event)
{
    // With Ctrl, Alt or Meta a key is a command (Ctrl+V pastes), not a typed character.
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && isRefusedTyping(event->text())) {
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

bool SpinEdit::event(QEvent* event)
{
    // The spin box hands composed text to its line edit before any handler of ours would see it.
    if (event->type() == QEvent::InputMethod &&
        isRefusedTyping(static_cast<QInputMethodEvent*>(event)->commitString())) {
        event->accept();
        return true;
    }
    return QAbstractSpinBox::event(event);
}

bool SpinEdit::isRefusedTyping(const QString& typed)
{
    // Control characters are editing keys (Backspace, Enter), not typed text.
    return std::any_of(typed.cbegin(), typed.cend(), [](QChar c) {
        return c.isPrint() && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-';
    });
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
