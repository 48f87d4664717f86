#pragma once
// The number fields of the mod windows (the original's spin edits). The text is kept exactly as
// it was set, so a value read from game.cfg ("120" in a 0..90 field, even "abc") is written back
// as read; the user can only type digits (a validator, so paste is filtered too) and step with
// the arrows within the range. Edited() fires for user changes only, never for SetText().
#include <QAbstractSpinBox>
#include <QString>

class TNumberEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    TNumberEdit(int minimum, int maximum, int maxDigits, QWidget* parent = nullptr);

    // The raw text (what game.cfg receives).
    QString Text() const;
    // Sets the text as given, without validation and without Edited().
    void SetText(const QString& text);
    // The whole number of the text, or def when the text is not one.
    int Value(int def = 0) const;
    // The whole number of the text brought into the range (def for no number).
    int ClampedValue(int def) const;
    void SetValue(int value) { SetText(QString::number(value)); }

    int Minimum() const { return m_min; }
    int Maximum() const { return m_max; }
    void SetRange(int minimum, int maximum);
    // The original's "typing disabled": the arrows still step, the keyboard types nothing.
    void SetTypingDisabled(bool disabled);
    // What one arrow step adds (1 unless set; a sight distance steps by 128).
    void SetStep(int step) { m_step = qMax(1, step); }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    void Edited();

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_min;
    int m_max;
    int m_maxDigits;
    int m_step = 1;
    bool m_setting = false;
    bool m_typed = false;   // the user typed since the last SetText
};
