#pragma once
// The launch writers' shared parts: liblist.gam from a mod's literal lines, the bot file's
// skeleton and the addbot placeholder filler. They work from files only, so a launch needs no
// open mod window.
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class TIniFile;

namespace ModWriters {

// One placeholder of an addbot template: replaced by the value of Key in the bot's [Bot i]
// section of the bot store (Default when the key is missing), passed through Convert when set
// (team 0 written as 5, scaled traits, a whole-number model ...). Key may be empty when Convert
// computes the value alone (the bot number).
struct TPlaceholder {
    QString Name;       // "<model>"
    QString Key;        // "modele"
    QString Default;
    std::function<QString(const QString& value, int botNumber)> Convert;
};
using TPlaceholderTable = QVector<TPlaceholder>;

// The template's three, in the fixed order "<model>", "<name>", "<skill>"; skillKey is
// "skill" + maxskill. A mod appends its own after them.
TPlaceholderTable TemplatePlaceholders(const QString& skillKey);

struct TFillOptions {
    // Repeat the passes until no "<" is left; a pass that replaces nothing ends it, so an
    // unknown placeholder stays in the line as written.
    bool Repeat = false;
    // "<TAB>" -> TAB and "<RC>" -> line break, everywhere in the line.
    bool ReplaceTabAndRc = true;
    // "<CR>" splits the entry into several lines.
    bool SplitOnCr = true;
};

// One bot's entry: each placeholder of the table, in table order, replaced at its first
// occurrence in the line as changed so far. The result is one line, or several when the
// template holds "<CR>" (or "<RC>").
QStringList FillTemplate(const QString& templ, const TPlaceholderTable& table,
                         const TIniFile& store, int botNumber, const TFillOptions& options = {});
// The same with the values given directly (placeholder name -> value), for tests and mods
// whose values do not come from the bot store.
QString ReplaceFirst(const QString& line, const QString& placeholder, const QString& value,
                     bool* replaced = nullptr);

// The gamedll line of liblist.gam: gamedll "<dll>".
QString GameDllLine(const QString& dll);
// A liblist line: key "value".
QString LiblistLine(const QString& key, const QString& value);

// The bot file's skeleton before the bot lines: "# " + template, the pause line, an empty
// line, "botskill <skill>", a line of one blank. Mods that write only parts of it build their
// own list.
QStringList BotFileHeader(const QString& templ, const QString& pauseLine,
                          const QString& defaultSkill);
// Akimbot's three rate lines (after the header) and its last line.
QStringList AkimbotRateLines(const TIniFile& store);
QString AkimbotLastLine();

// Writes lines to path through UInit::OutFile (CR LF, atomically). False with a message naming
// the file in error; the file then keeps its old contents.
bool WriteFile(const QString& path, const QStringList& lines, QString& error);

} // namespace ModWriters
