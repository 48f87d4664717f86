#pragma once
// The bot store as data: each key a mod keeps in Bots\<XX>_Bots.ini beyond the template's own
// (numbot, skill, spawnbot, the chat rates, nom/modele/skill of each bot) is declared once, as a
// row, and the reader, the writer, the first-save default and the store comparison all come from
// that one declaration. A [Default]-like row binds a control of the window; a bot row binds a
// slot of the bot record.
//
// How a mod uses it: return its rows from TModLogic::StoreRows() / BotStoreRows(); the template's
// ReadDefaultSection / WriteDefaultSection / ReadBotRecord / WriteBotRecord run over them. Keys are
// written in table order (a new store lists them so) and read in table order (a later row bound to
// the same control wins, as a bot program's own key can override a common one).
#include "mods/common/ModView.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <climits>
#include <functional>

class TIniFile;
struct TBot;

enum class TStoreKind {
    Flag,         // a check box or radio: written "0"/"1", read ticked when "1"/"Yes"
    Number,       // a whole number: a value that is no whole number reads as Default; clamped
    Text,         // the control's text as it stands (a line edit)
    ChooserText,  // a chooser: its current text is written; a read text selects that item (an
                  // empty or unknown one selects nothing)
};

struct TStoreRow {
    QString Section = QStringLiteral("Default");
    QString Key;
    QString Control;     // objectName of the bound control (window rows)
    int Slot = -1;       // the bound slot of the bot record (bot rows)
    QString Default;     // what a missing key (or a number that is none) reads as
    TStoreKind Kind = TStoreKind::Number;
    int Min = INT_MIN;   // numbers: the range a read value is brought into
    int Max = INT_MAX;
    // The row holds only for some bot programs (the selected bot's section name decides).
    std::function<bool()> When;
    // Conversions of the stored text (a timer kept within the bot's accepted form ...).
    std::function<QString(const QString& stored)> ReadAs;
    std::function<QString(const QString& shown)> WriteAs;
    // Numbers whose range depends on the window (a list's last index): overrides Max.
    std::function<int()> Highest;
    // A number out of range reads as Default instead of the nearest end (a class or side that
    // is no item of its list: the read default, which may itself be "no class").
    bool OutsideReadsDefault = false;
};

using TStoreTable = QVector<TStoreRow>;

namespace ModStore {

// Row builders for the common kinds.
TStoreRow Flag(const QString& section, const QString& key, const QString& control,
               const QString& def = QStringLiteral("0"));
TStoreRow Number(const QString& section, const QString& key, const QString& control,
                 const QString& def, int min = INT_MIN, int max = INT_MAX);
TStoreRow Text(const QString& section, const QString& key, const QString& control,
               const QString& def = QString());
TStoreRow ChooserText(const QString& section, const QString& key, const QString& control,
                      const QString& def = QString());
// A slot of the bot record ([Bot N]): a number within min..max, or a text kept as read.
TStoreRow Slot(const QString& key, int slot, const QString& def, int min = INT_MIN,
               int max = INT_MAX);
TStoreRow SlotText(const QString& key, int slot, const QString& def = QString());
// A slot holding an item number of a list (a side, a class): a value that is no number within
// min..max reads as def, whatever def is.
TStoreRow ListSlot(const QString& key, int slot, const QString& def, int min, int max);

// The value a row reads from the store (the conversions and the range applied).
QString ReadValue(const TIniFile& store, const QString& section, const TStoreRow& row);
// The value a window row writes: the control's value as the row keeps it.
QString ShownValue(const TModView& w, const TStoreRow& row);

// Reading without a store: every window row's control shows the row's default, the value a
// store without the key reads as, so a first save writes what a later read would give.
void ApplyDefaults(TModView& w, const TStoreTable& rows);
// The window rows: every row that holds sets its control from the store (no change signal).
void ReadRows(TModView& w, const TIniFile& store, const TStoreTable& rows);
// Writes them in table order; false at the first key that could not be written.
bool WriteRows(const TModView& w, TIniFile& store, const TStoreTable& rows);
// The bot rows: the record's slots from its section, and back.
void ReadBotRows(const TIniFile& store, const QString& section, const TStoreTable& rows, TBot& bot);
bool WriteBotRows(TIniFile& store, const QString& section, const TStoreTable& rows, const TBot& bot);

// What the window would write: "section/key=value" for each row that holds, in table order (the
// store comparison: a window whose values equal the store's holds nothing unsaved there).
QStringList Snapshot(const TModView& w, const TStoreTable& rows);
QStringList StoredSnapshot(const TIniFile& store, const TStoreTable& rows);

} // namespace ModStore
