#include "mods/common/ModStore.h"

#include "core/Types.h"
#include "core/UInit.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "platform/IniFile.h"
#include "ui/NumberEdit.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace ModStore {

namespace {

TStoreRow Row(const QString& section, const QString& key, const QString& control,
              const QString& def, TStoreKind kind)
{
    TStoreRow row;
    row.Section = section;
    row.Key = key;
    row.Control = control;
    row.Default = def;
    row.Kind = kind;
    return row;
}

bool Holds(const TStoreRow& row) { return !row.When || row.When(); }

int HighestOf(const TStoreRow& row) { return row.Highest ? row.Highest() : row.Max; }

// A number as the row keeps it: a value that is no whole number is the row's default, one out
// of range the nearest end; a good one keeps its text ("007" stays as typed).
QString NumberInRange(const TStoreRow& row, const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    const int high = HighestOf(row);
    const bool inRange = ok && v >= row.Min && v <= high;
    if (!inRange && row.OutsideReadsDefault)
        return row.Default;
    if (!ok) {
        if (text == row.Default)
            return text;
        return NumberInRange(row, row.Default);
    }
    if (!inRange)
        return QString::number(qBound(row.Min, v, qMax(row.Min, high)));
    return text;
}

} // namespace

TStoreRow Flag(const QString& section, const QString& key, const QString& control, const QString& def)
{
    return Row(section, key, control, def, TStoreKind::Flag);
}

TStoreRow Number(const QString& section, const QString& key, const QString& control,
                 const QString& def, int min, int max)
{
    TStoreRow row = Row(section, key, control, def, TStoreKind::Number);
    row.Min = min;
    row.Max = max;
    return row;
}

TStoreRow Text(const QString& section, const QString& key, const QString& control, const QString& def)
{
    return Row(section, key, control, def, TStoreKind::Text);
}

TStoreRow ChooserText(const QString& section, const QString& key, const QString& control,
                      const QString& def)
{
    return Row(section, key, control, def, TStoreKind::ChooserText);
}

TStoreRow Slot(const QString& key, int slot, const QString& def, int min, int max)
{
    TStoreRow row = Number(QString(), key, QString(), def, min, max);
    row.Slot = slot;
    return row;
}

TStoreRow ListSlot(const QString& key, int slot, const QString& def, int min, int max)
{
    TStoreRow row = Slot(key, slot, def, min, max);
    row.OutsideReadsDefault = true;
    return row;
}

TStoreRow SlotText(const QString& key, int slot, const QString& def)
{
    TStoreRow row = Text(QString(), key, QString(), def);
    row.Slot = slot;
    return row;
}

QString ReadValue(const TIniFile& store, const QString& section, const TStoreRow& row)
{
    QString value = store.ReadString(section, row.Key, row.Default);
    if (row.ReadAs)
        value = row.ReadAs(value);
    switch (row.Kind) {
    case TStoreKind::Flag:
        return ModWriters::FlagOr(value, row.Default);
    case TStoreKind::Number:
        return NumberInRange(row, value);
    case TStoreKind::Text:
    case TStoreKind::ChooserText:
        return value;
    }
    return value;
}

QString ShownValue(const TModView& w, const TStoreRow& row)
{
    const QWidget* control = w.ControlWidget(row.Control);
    QString value;
    if (row.Kind == TStoreKind::ChooserText) {
        const auto* chooser = qobject_cast<const QComboBox*>(control);
        value = chooser ? chooser->currentText() : QString();
    } else if (!control) {
        value = row.Default;
    } else {
        value = ModCvars::ControlValue(control);
        // A number field left empty or half typed is saved as the row's default.
        if (row.Kind == TStoreKind::Number)
            value = NumberInRange(row, value);
    }
    return row.WriteAs ? row.WriteAs(value) : value;
}

void ApplyDefaults(TModView& w, const TStoreTable& rows)
{
    // An empty store: every key missing, so each row reads as its default.
    const TIniFile none{QString()};
    ReadRows(w, none, rows);
}

void ReadRows(TModView& w, const TIniFile& store, const TStoreTable& rows)
{
    for (const TStoreRow& row : rows) {
        if (!Holds(row))
            continue;
        QWidget* control = w.ControlWidget(row.Control);
        if (!control)
            continue;
        const QString value = ReadValue(store, row.Section, row);
        if (row.Kind == TStoreKind::ChooserText) {
            if (auto* chooser = qobject_cast<QComboBox*>(control)) {
                const QSignalBlocker block(chooser);
                chooser->setCurrentIndex(value.isEmpty() ? -1 : chooser->findText(value, Qt::MatchExactly));
            }
        } else if (auto* field = qobject_cast<TNumberEdit*>(control); field && row.Kind == TStoreKind::Number) {
            // A stored number outside the field's range shows as the nearest end it can hold.
            bool ok = false;
            const int v = value.trimmed().toInt(&ok);
            if (ok && (v < field->Minimum() || v > field->Maximum()))
                ModCvars::SetControlValue(control, QString::number(qBound(field->Minimum(), v, field->Maximum())));
            else
                ModCvars::SetControlValue(control, value);
        } else {
            ModCvars::SetControlValue(control, value);
        }
    }
}

bool WriteRows(const TModView& w, TIniFile& store, const TStoreTable& rows)
{
    for (const TStoreRow& row : rows)
        if (Holds(row) && !store.WriteString(row.Section, row.Key, ShownValue(w, row)))
            return false;
    return true;
}

void ReadBotRows(const TIniFile& store, const QString& section, const TStoreTable& rows, TBot& bot)
{
    for (const TStoreRow& row : rows)
        if (Holds(row) && row.Slot >= 0 && row.Slot < TBot::Slots)
            bot[row.Slot] = ReadValue(store, section, row);
}

bool WriteBotRows(TIniFile& store, const QString& section, const TStoreTable& rows, const TBot& bot)
{
    for (const TStoreRow& row : rows) {
        if (!Holds(row) || row.Slot < 0 || row.Slot >= TBot::Slots)
            continue;
        const QString value = row.WriteAs ? row.WriteAs(bot[row.Slot]) : bot[row.Slot];
        if (!store.WriteString(section, row.Key, value))
            return false;
    }
    return true;
}

QStringList Snapshot(const TModView& w, const TStoreTable& rows)
{
    QStringList out;
    for (const TStoreRow& row : rows)
        if (Holds(row) && row.Slot < 0)
            out << row.Section + QLatin1Char('/') + row.Key + QLatin1Char('=') + ShownValue(w, row);
    return out;
}

QStringList StoredSnapshot(const TIniFile& store, const TStoreTable& rows)
{
    QStringList out;
    for (const TStoreRow& row : rows) {
        if (!Holds(row) || row.Slot >= 0)
            continue;
        QString value = ReadValue(store, row.Section, row);
        if (row.WriteAs)
            value = row.WriteAs(value);
        out << row.Section + QLatin1Char('/') + row.Key + QLatin1Char('=') + value;
    }
    return out;
}

} // namespace ModStore
