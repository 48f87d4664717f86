#include "ui/NumberEdit.h"

#include <QLineEdit>

TNumberEdit::TNumberEdit(int minimum, int maximum, int maxDigits, QWidget* parent)
    : QAbstractSpinBox(parent), m_min(minimum), m_max(maximum), m_maxDigits(maxDigits)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    lineEdit()->setText(QString::number(minimum));
    // Typing and pasting both come through textEdited; programmatic SetText does not.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (m_setting)
            return;
        m_typed = true;
        emit Edited();
    });
    // When the user is done typing, an emptied field falls back to the lowest value and a typed
    // number outside the range to the nearer end; a value set by the program stays as it is.
    connect(lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (!m_typed)
            return;
        m_typed = false;
        const QString t = Text().trimmed();
        bool ok = false;
        const int v = t.toInt(&ok);
        QString fixed;
        if (!ok)
            fixed = QString::number(m_min);
        else if (v < m_min || v > m_max)
            fixed = QString::number(qBound(m_min, v, m_max));
        if (!fixed.isEmpty() && fixed != Text()) {
            SetText(fixed);
            emit Edited();
        }
    });
}

QString TNumberEdit::Text() const
{
    return lineEdit()->text();
}

void TNumberEdit::SetText(const QString& text)
{
    m_typed = false;
    m_setting = true;
    lineEdit()->setText(text);
    m_setting = false;
    update();
}

int TNumberEdit::Value(int def) const
{
    bool ok = false;
    const int v = Text().trimmed().toInt(&ok);
    return ok ? v : def;
}

int TNumberEdit::ClampedValue(int def) const
{
    bool ok = false;
    const int v = Text().trimmed().toInt(&ok);
    if (!ok)
        return qBound(m_min, def, m_max);
    return qBound(m_min, v, m_max);
}

void TNumberEdit::SetRange(int minimum, int maximum)
{
    m_min = minimum;
    m_max = qMax(minimum, maximum);
    update();
}

void TNumberEdit::SetTypingDisabled(bool disabled)
{
    lineEdit()->setReadOnly(disabled);
}

void TNumberEdit::stepBy(int steps)
{
    // A value outside the range (as read from a file) steps from the nearer end.
    const int current = ClampedValue(m_min);
    const int next = qBound(m_min, current + steps * m_step, m_max);
    if (Text() == QString::number(next))
        return;
    SetText(QString::number(next));
    emit Edited();
}

QAbstractSpinBox::StepEnabled TNumberEdit::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    bool ok = false;
    const int v = Text().trimmed().toInt(&ok);
    if (!ok)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled e = StepNone;
    if (v < m_max)
        e |= StepUpEnabled;
    if (v > m_min)
        e |= StepDownEnabled;
    return e;
}

QValidator::State TNumberEdit::validate(QString& input, int& /*pos*/) const
{
    // Digits only (a leading minus where the range allows it), at most maxDigits of them. The
    // range itself is not forced while typing: "9" must be allowed on the way to "90".
    if (input.isEmpty())
        return QValidator::Intermediate;
    int start = 0;
    if (m_min < 0 && input.startsWith(QLatin1Char('-')))
        start = 1;
    if (input.size() - start > m_maxDigits)
        return QValidator::Invalid;
    for (int i = start; i < input.size(); ++i)
        if (!input.at(i).isDigit())
            return QValidator::Invalid;
    return start == input.size() ? QValidator::Intermediate : QValidator::Acceptable;
}

void TNumberEdit::fixup(QString& input) const
{
    if (input.isEmpty() || input == QStringLiteral("-"))
        input = QString::number(m_min);
}
