#pragma once
// jumbot.cfg, the settings file of the Jumbot bot program, as a table of its commands: the
// reader that puts a file into a window's controls, the writer that makes the file from them,
// and the launch-time patcher that renews the five lines the bot store also keeps. Every mod
// that drives Jumbot (Half-Life Deathmatch, Sci-hunt) builds on this one table; a mod whose
// controls are named otherwise copies the table and changes the stems.
//
// File form: one command per line, the name, one blank and the value; CR LF; lines starting
// with "//" are comments.
#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;
class TModWindow;
class TNumberEdit;

namespace Jumbot {

// How a command's value is kept in its control and written.
enum class TValue {
    Number,     // a whole number (number field or slider)
    Flag,       // a check box or radio: "0"/"1", read ticked for "1"/"Yes"
    Text,       // the field's text as it stands (botfov, bot_distance)
    Tenths,     // 1..10 shown, "0.1" .. "0.9" and "1" written (think speed, view delay)
    SliderTenth,// a 0..100 slider written divided by 10, halves away from zero
    TripMine,   // bweap_tripmine: the slider's value while "Use Trip mines" is ticked, else -10
    Fixed,      // Literal, whatever the window shows
    FirstMap,   // the map cycle's first entry
    FileInFolder, // a file name edit: Folder + the name, in double quotes; read back without
                  // the folder when the value starts with it
};

struct TCommand {
    QString Name;      // compared case-sensitively when read
    QString Stem;      // the control's name without "<Prefix>_" (empty: no control)
    TValue Value = TValue::Number;
    QString Default;   // what LoadDefaults puts into the control; null: not touched
    bool Read = true;  // false: the value comes from the bot store, not from this file
    QString Literal;   // Fixed
    // Controls (stems) enabled only while this box is ticked (the sight distance and its label
    // for "Limited sight" ...).
    QStringList Enables;
    QString Folder;    // FileInFolder: the folder the bot program finds the file in ("botfiles\")
};

using TCommandTable = QVector<TCommand>;

// Every command, in the order the writer puts them in the file.
const TCommandTable& Commands();
// A mod's dialect of the table: the commands it does not write left out, and each command of
// own in the place of the shared command of the same name (its own control, default or rule).
TCommandTable Dialect(const QStringList& dropped, const TCommandTable& own);
// The three lines the file starts with and the lines it ends with: the waypoint-editing
// switches off, then the fixed lines (FixedTailLines) that end every jumbot.cfg.
QStringList HeadLines();
QStringList TailLines();
QStringList FixedTailLines();

// "1" for 10, "0." + v below it.
QString TenthsText(int value);
// "1" reads as 10, "0.<n>" as n (so an old "0.10" is 10 again); def for anything else.
int TenthsValue(const QString& text, int def);

// LoadDefaults' step: every command with a default sets its control (no change signal), and
// the controls that depend on a box follow it.
void ApplyDefaults(TModWindow& w, const QString& prefix, const TCommandTable& table = Commands());
// One line's command to the window; true when the name was a command the reader applies. A
// whole number that is none reads as the command's default.
bool ApplyCommand(TModWindow& w, const QString& prefix, const QString& name, const QString& value,
                  const TCommandTable& table = Commands());
// The dependent controls enabled (or, for the trip-mine slider, shown) as their boxes say.
void ApplyDependents(TModWindow& w, const QString& prefix, const TCommandTable& table = Commands());
// Reads the file into the window; false when it does not exist or cannot be read (the window
// keeps what it shows). The value of the file's "map" line goes to firstMap when given.
bool ReadFile(TModWindow& w, const QString& prefix, const QString& path,
              const TCommandTable& table = Commands(), QString* firstMap = nullptr);
// The whole file as the window would write it: the head lines, the table, then TailLines() or
// the given last lines.
QStringList FileLines(const TModWindow& w, const QString& prefix, const QString& firstMap,
                      const TCommandTable& table = Commands());
QStringList FileLines(const TModWindow& w, const QString& prefix, const QString& firstMap,
                      const TCommandTable& table, const QStringList& tail);
// A file name as a FileInFolder edit holds it: the bare name of a value read (no folder part,
// not "." or ".."), or "" when nothing of it is a file name.
QString BareFileName(const QString& value);

// The A.I. page's nine number fields with their labels in the behaviours box: sight distance,
// field of vision, weapon run, run worse and yaw speed down the left column from y 234, speed,
// speedup, think speed and view delay down the right one. fovStem is the field of vision's stem
// (the shared table's "Botfov" or a dialect's own). Returns the sight distance field.
TNumberEdit* AddNumberFields(TModWindow& w, QWidget* box, const QString& prefix,
                             const QString& fovStem = QStringLiteral("Botfov"));

// The A.I. page's weapons box (top left) with its fourteen preference sliders (-10 never used
// .. 23 always), one under the other, each with its label: "Lab_bweap_<weapon>", the trip
// mine's "<Prefix>_LabelTrip". pageStep is what a page key moves a slider by.
void AddWeaponSliders(TModWindow& w, QWidget* page, const QString& prefix, int pageStep);

// The launch's renewal of the lines the bot store keeps. A line whose first word is one of the
// five commands (a comment line never is) is replaced by that command with the given value;
// every other line stays as it was.
struct TPatch {
    QString Map;
    QString BotRandom;
    QString BotNum;
    QString SpawnDelay;
    QString BotSkill;
};
QStringList PatchLines(const QStringList& lines, const TPatch& patch);

} // namespace Jumbot
