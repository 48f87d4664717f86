#pragma once
// The game page as data: one row per line of game.cfg, in file order. The generic
// ReadGameCfg / ApplyGameCfgCvar / WriteGameCfg of TModLogic run over these rows, so a mod
// lists its cvars and writes code only for rules of its own.
//
// Line form (as the game's config reader wants it, CR LF): "name"<TAB><TAB>"value".
// The table never holds the sv_sendvelocity line: the writer adds it after every row but those
// marked AfterSendVelocity.
#include "mods/common/ModView.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QCheckBox;
class QSlider;
class QWidget;
class TModWindow;

// How a value read from game.cfg reaches the control.
enum class TCvarRead {
    None,       // never read back (fixed lines, or rows kept elsewhere)
    Number,     // cut at the first "." ("20.00000" -> "20"), put into the field's text unchanged
    Bool,       // ticked when UInit::TextToBool(value) ("1" or "Yes")
    Index,      // a chooser: cut at the first "." then looked up in Values (or taken as the
                // index when Values is empty); a value not found leaves the chooser as it was
    Radio,      // a radio pair: the control is the radio ticked for Values[0] ("1" by default),
                // Control2 the one ticked otherwise
    Own,        // ReadRule decides
};

// How the control's value is written.
enum class TCvarWrite {
    Number,     // the field's text + Tail (".00000")
    Bool01,     // "0" / "1"
    Raw,        // the control's value as it stands, no tail (an index row writes Values[index])
    Fixed,      // Literal, whatever the window shows
    Own,        // WriteRule gives the value
};

struct TCvarRow {
    QString Cvar;           // compared case-sensitively when read
    QString Control;        // objectName of the control (empty for fixed lines)
    // What LoadDefaults puts into the control; a null string means "not touched" (the table's
    // dash). Check boxes and radios: "0"/"1" (a radio pair: "1" ticks Control, "0" Control2);
    // choosers: the item index; fields: the text.
    QString Default;
    TCvarRead Read = TCvarRead::Number;
    TCvarWrite Written = TCvarWrite::Number;
    QString Literal;        // Fixed: the value written
    QString Tail = QStringLiteral(".00000");   // Number: appended to the text
    // Index rows: the cvar value of each chooser item (index -> value). Radio rows: Values[0] is
    // the value that ticks Control ("1" when empty).
    QStringList Values;
    QString Control2;       // Radio: the second button
    // Own rules. ReadRule returns true when it took the value (the row still counts as known).
    std::function<void(TModWindow& w, const QString& value)> ReadRule;
    std::function<QString(const TModWindow& w)> WriteRule;
    std::function<void(TModWindow& w)> DefaultRule;
    // A conditional line: written only when this says so (one bot only, a box ticked ...).
    std::function<bool(const TModWindow& w)> When;
    // Written after the sv_sendvelocity line instead of before it (Holy Wars has one such).
    bool AfterSendVelocity = false;
};

using TCvarTable = QVector<TCvarRow>;

namespace ModCvars {

// Row builders for the common kinds.
TCvarRow Number(const QString& cvar, const QString& control, const QString& def = QString());
TCvarRow Check(const QString& cvar, const QString& control, const QString& def = QString());
TCvarRow Index(const QString& cvar, const QString& control, const QStringList& values,
               const QString& def = QString(), bool withTail = false);
TCvarRow Fixed(const QString& cvar, const QString& literal);
// A pair of radios (fall damage Normal / Realistic): the value "1" ticks onControl, any other
// value offControl; written "1" or "0"; the defaults tick onControl when defaultOn, else
// offControl.
TCvarRow RadioPair(const QString& cvar, const QString& onControl, const QString& offControl,
                   bool defaultOn = false);
// The same pair, left as it stands by the defaults (a mod whose Restore Default keeps it).
TCvarRow KeptRadioPair(const QString& cvar, const QString& onControl, const QString& offControl);

// "name"<TAB><TAB>"value".
QString CvarLine(const QString& name, const QString& value);
// The last line of every game.cfg.
QString SendVelocityLine();

// A read number's text: cut before the first ".".
QString CutDecimals(const QString& value);

// The control's value as a row reads it (field text, "0"/"1", item index, slider position).
QString ControlValue(const QWidget* control);
// Sets it (signals of the control are blocked, so nothing is marked modified).
void SetControlValue(QWidget* control, const QString& value);

// LoadDefaults' step for the game page: every row with a default sets its control.
void ApplyDefaults(TModView& w, const TCvarTable& table);
// ApplyGameCfgCvar over the table: every row compared; true when any matched.
bool ApplyCvar(TModView& w, const TCvarTable& table, const QString& name, const QString& value);
// The lines WriteGameCfg writes, sv_sendvelocity included as the last one.
QStringList GameCfgLines(const TModView& w, const TCvarTable& table);
// The value one row writes (the window's current state).
QString WrittenValue(const TModView& w, const TCvarRow& row);

} // namespace ModCvars

// Small setters the mods' loaders share: each blocks the control's signals, so filling a window
// never marks the mod modified; a null control is passed over.
namespace ModControls {

void SetSlider(QSlider* slider, int value);   // Qt brings the value into the slider's range
void SetCheck(QCheckBox* box, bool on);
// A label's or button's text, or a group's title; false for a control that shows no caption.
bool SetCaption(QWidget* control, const QString& caption);
// A path as the user reads it in a message ("C:\\Half-Life\\cstrike" on Windows).
QString NativePath(const QString& path);

} // namespace ModControls
