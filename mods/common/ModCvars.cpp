#include "mods/common/ModCvars.h"

#include "core/UInit.h"
#include "ui/NumberEdit.h"
#include "platform/FileSys.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QDir>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace ModCvars {

namespace {

const QChar kQuote = QLatin1Char('"');

QString ComboValue(const QComboBox* combo, const QStringList& values)
{
    // No item chosen writes the first item's value rather than a meaningless "-1".
    const int index = qMax(0, combo->currentIndex());
    if (values.isEmpty())
        return QString::number(index);
    return values.value(index, values.value(0));
}

// A row bound to one control of the game page; the kinds differ only in their two rules.
TCvarRow ControlRow(const QString& cvar, const QString& control, const QString& def,
                    TCvarRead read, TCvarWrite written)
{
    TCvarRow row;
    row.Cvar = cvar;
    row.Control = control;
    row.Default = def;
    row.Read = read;
    row.Written = written;
    return row;
}

} // namespace

TCvarRow Number(const QString& cvar, const QString& control, const QString& def)
{
    return ControlRow(cvar, control, def, TCvarRead::Number, TCvarWrite::Number);
}

TCvarRow Check(const QString& cvar, const QString& control, const QString& def)
{
    return ControlRow(cvar, control, def, TCvarRead::Bool, TCvarWrite::Bool01);
}

TCvarRow Index(const QString& cvar, const QString& control, const QStringList& values,
               const QString& def, bool withTail)
{
    TCvarRow row = ControlRow(cvar, control, def, TCvarRead::Index,
                              withTail ? TCvarWrite::Number : TCvarWrite::Raw);
    row.Values = values;
    return row;
}

TCvarRow Fixed(const QString& cvar, const QString& literal)
{
    TCvarRow row;
    row.Cvar = cvar;
    row.Read = TCvarRead::None;
    row.Written = TCvarWrite::Fixed;
    row.Literal = literal;
    return row;
}

TCvarRow RadioPair(const QString& cvar, const QString& onControl, const QString& offControl,
                   bool defaultOn)
{
    TCvarRow row;
    row.Cvar = cvar;
    row.Control = onControl;
    row.Control2 = offControl;
    row.Read = TCvarRead::Radio;
    row.Written = TCvarWrite::Raw;
    row.Values = {QStringLiteral("1"), QStringLiteral("0")};
    row.Default = defaultOn ? QStringLiteral("1") : QStringLiteral("0");
    return row;
}

TCvarRow KeptRadioPair(const QString& cvar, const QString& onControl, const QString& offControl)
{
    TCvarRow row = RadioPair(cvar, onControl, offControl);
    row.Default = QString();
    return row;
}

QString CvarLine(const QString& name, const QString& value)
{
    return kQuote + name + kQuote + QStringLiteral("\t\t") + kQuote + value + kQuote;
}

QString SendVelocityLine()
{
    return CvarLine(QStringLiteral("sv_sendvelocity"), QStringLiteral("0"));
}

QString CutDecimals(const QString& value)
{
    const int dot = value.indexOf(QLatin1Char('.'));
    return dot < 0 ? value : value.left(dot);
}

QString ControlValue(const QWidget* control)
{
    if (!control)
        return QString();
    if (auto* n = qobject_cast<const TNumberEdit*>(control))
        return n->Text();
    if (auto* r = qobject_cast<const QRadioButton*>(control))
        return r->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* c = qobject_cast<const QCheckBox*>(control))
        return c->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* c = qobject_cast<const QComboBox*>(control))
        return QString::number(c->currentIndex());
    if (auto* s = qobject_cast<const QSlider*>(control))
        return QString::number(s->value());
    if (auto* s = qobject_cast<const QSpinBox*>(control))
        return QString::number(s->value());
    if (auto* e = qobject_cast<const QLineEdit*>(control))
        return e->text();
    return QString();
}

void SetControlValue(QWidget* control, const QString& value)
{
    if (!control)
        return;
    const QSignalBlocker block(control);
    if (auto* n = qobject_cast<TNumberEdit*>(control)) {
        n->SetText(value);
    } else if (auto* r = qobject_cast<QRadioButton*>(control)) {
        r->setChecked(value.trimmed() == QStringLiteral("1"));
    } else if (auto* c = qobject_cast<QCheckBox*>(control)) {
        c->setChecked(value.trimmed() == QStringLiteral("1"));
    } else if (auto* c = qobject_cast<QComboBox*>(control)) {
        bool ok = false;
        const int index = value.trimmed().toInt(&ok);
        if (ok && index >= -1 && index < c->count())
            c->setCurrentIndex(index);
    } else if (auto* s = qobject_cast<QSlider*>(control)) {
        bool ok = false;
        const int v = value.trimmed().toInt(&ok);
        if (ok)
            s->setValue(v);   // QSlider brings it into its range
    } else if (auto* s = qobject_cast<QSpinBox*>(control)) {
        bool ok = false;
        const int v = value.trimmed().toInt(&ok);
        if (ok)
            s->setValue(v);
    } else if (auto* e = qobject_cast<QLineEdit*>(control)) {
        e->setText(value);
    }
}

void ApplyDefaults(TModView& w, const TCvarTable& table)
{
    for (const TCvarRow& row : table) {
        if (row.DefaultRule)
            row.DefaultRule(w.Window());
        // Unticking a radio of an exclusive pair does nothing: the default ticks the one it names.
        else if (!row.Default.isNull() && row.Read == TCvarRead::Radio && !row.Control2.isEmpty())
            SetControlValue(w.ControlWidget(row.Default == QLatin1String("1") ? row.Control : row.Control2),
                            QStringLiteral("1"));
        else if (!row.Default.isNull() && !row.Control.isEmpty())
            SetControlValue(w.ControlWidget(row.Control), row.Default);
    }
}

bool ApplyCvar(TModView& w, const TCvarTable& table, const QString& name, const QString& value)
{
    bool known = false;
    for (const TCvarRow& row : table) {
        if (row.Read == TCvarRead::None || row.Cvar != name)
            continue;
        known = true;
        QWidget* control = row.Control.isEmpty() ? nullptr : w.ControlWidget(row.Control);
        switch (row.Read) {
        case TCvarRead::None:
            break;
        case TCvarRead::Number:
            SetControlValue(control, CutDecimals(value));
            break;
        case TCvarRead::Bool:
            SetControlValue(control, UInit::TextToBool(value) ? QStringLiteral("1")
                                                              : QStringLiteral("0"));
            break;
        case TCvarRead::Index: {
            auto* combo = qobject_cast<QComboBox*>(control);
            if (!combo)
                break;
            const QString v = CutDecimals(value).trimmed();
            int index = -1;
            if (row.Values.isEmpty()) {
                bool ok = false;
                index = v.toInt(&ok);
                if (!ok)
                    index = -1;
            } else {
                index = row.Values.indexOf(v);
            }
            if (index >= 0 && index < combo->count()) {
                const QSignalBlocker block(combo);
                combo->setCurrentIndex(index);
            }
            break;
        }
        case TCvarRead::Radio: {
            const QString on = row.Values.value(0, QStringLiteral("1"));
            const bool first = value == on;
            SetControlValue(control, first ? QStringLiteral("1") : QStringLiteral("0"));
            if (!row.Control2.isEmpty())
                SetControlValue(w.ControlWidget(row.Control2),
                                first ? QStringLiteral("0") : QStringLiteral("1"));
            break;
        }
        case TCvarRead::Own:
            if (row.ReadRule)
                row.ReadRule(w.Window(), value);
            break;
        }
    }
    return known;
}

QString WrittenValue(const TModView& w, const TCvarRow& row)
{
    const QWidget* control = row.Control.isEmpty() ? nullptr : w.ControlWidget(row.Control);
    QString value;
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        value = ComboValue(combo, row.Values);
    else if (auto* radio = qobject_cast<const QRadioButton*>(control); radio && !row.Values.isEmpty())
        value = radio->isChecked() ? row.Values.value(0) : row.Values.value(1, QStringLiteral("0"));
    else
        value = ControlValue(control);

    switch (row.Written) {
    case TCvarWrite::Number:
        return value + row.Tail;
    case TCvarWrite::Bool01:
        return value == QStringLiteral("1") ? QStringLiteral("1") : QStringLiteral("0");
    case TCvarWrite::Raw:
        return value;
    case TCvarWrite::Fixed:
        return row.Literal;
    case TCvarWrite::Own:
        return row.WriteRule ? row.WriteRule(w.Window()) : QString();
    }
    return value;
}

QStringList GameCfgLines(const TModView& w, const TCvarTable& table)
{
    QStringList lines;
    QStringList after;
    for (const TCvarRow& row : table) {
        if (row.When && !row.When(w.Window()))
            continue;
        (row.AfterSendVelocity ? after : lines) << CvarLine(row.Cvar, WrittenValue(w, row));
    }
    lines << SendVelocityLine();
    lines << after;
    return lines;
}

} // namespace ModCvars

namespace ModControls {

bool SetCaption(QWidget* control, const QString& caption)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(caption);
    else
        return false;
    return true;
}

void SetSlider(QSlider* slider, int value)
{
    if (!slider)
        return;
    const QSignalBlocker block(slider);
    slider->setValue(value);
}

void SetCheck(QCheckBox* box, bool on)
{
    if (!box)
        return;
    const QSignalBlocker block(box);
    box->setChecked(on);
}

QString NativePath(const QString& path)
{
    return QDir::toNativeSeparators(FileSys::NormalizeSeparators(path));
}

} // namespace ModControls
