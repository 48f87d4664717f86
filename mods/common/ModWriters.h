#pragma once
// The launch writers' shared parts: liblist.gam from a mod's literal lines, the bot file's
// skeleton, the addbot placeholder filler and the key-bind lines. They work from files only, so
// a launch needs no open mod window.
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class TIniFile;

namespace ModWriters {

// A Half-Life server holds 32 players at most: a hand-edited bot store asking for more bots
// must not make a launch write (and the game add) thousands of entries.
constexpr int MaxBotEntries = 32;

// One placeholder of an addbot template: replaced by the value of Key in the bot's [Bot i]
// section of the bot store (Default when the key is missing), passed through Convert when set
// (team 0 written as 5, scaled traits, a whole-number model, a weapon name ...). Key may be
// empty when Convert computes the value alone (the bot number).
struct TPlaceholder {
    QString Name;       // "<model>"
    QString Key;        // "modele"
    QString Default;
    std::function<QString(const QString& value, int botNumber)> Convert;
    // The key holds a whole number: a stored value that is none reads as the key left out
    // (Default), before Convert, so letters never reach the line as letters or as nothing.
    bool Number = false;
};
using TPlaceholderTable = QVector<TPlaceholder>;

// The one rule for bot names, on every road in (typed, pasted, drawn from bot_names.txt, read
// from a hand-edited store) and in every file written: the bot programs split their add line at
// blanks and keep quotes as characters, the console ends a command at ";", and the game keeps 31
// bytes of a player's name. Where the engine's tokenizer reads the line (engineTokens) it also
// splits at ( ) { } , : and drops bytes from 0x80 up.
constexpr int MaxBotNameBytes = 31;
bool IsBotNameChar(QChar c, bool engineTokens);
// The name with every refused character dropped and cut to MaxBotNameBytes of UTF-8 (never
// inside a character); "NewBot" when nothing is left of a name that was not empty.
QString CleanBotName(const QString& name, bool engineTokens);

// Where a mod's own bot file is the only store of its bots, a name read that the rule changes
// would be written back changed at the next save: the user is told which, before that happens.
// Each pair is the name as read and as it now reads; "" for none.
QString RenamedBotsNote(const QString& file, const QVector<QPair<QString, QString>>& renamed);

// A stored number as it is, or fallback when the text is no whole number: a hand-edited store
// must not hand a bot program "botskill abc".
QString NumberOr(const QString& value, const QString& fallback);
// A number the launch reads from the bot store: a key holding no whole number writes what the
// key left out writes (fallback), so "skill5=abc" never becomes an empty or a lettered argument.
QString StoredNumber(const TIniFile& store, const QString& section, const QString& key,
                     const QString& fallback);
// A flag as "1" or "0": ticked for "1"/"Yes", unticked for "0"/"No", and anything else (letters,
// an empty value) is the fallback's, the value the key left out reads as.
QString FlagOr(const QString& value, const QString& fallback);
// A flag the launch reads from the bot store, as FlagOr gives it: "botchat abc" never reaches
// a bot program.
QString StoredFlag(const TIniFile& store, const QString& section, const QString& key, const QString& fallback);

// The template's three, in the fixed order "<model>", "<name>", "<skill>"; skillKey is
// "skill" + maxskill. A mod adds its own before or after them and may give them defaults. The
// name is written clean (CleanBotName), with the engine's rule where engineTokens says so.
TPlaceholderTable TemplatePlaceholders(const QString& skillKey, const QString& modelDefault = {},
                                       const QString& nameDefault = {},
                                       const QString& skillDefault = {},
                                       bool engineTokens = false);

// Writes the placeholder name of table through convert (a mod's own rule for a template one).
void SetConvert(TPlaceholderTable& table, const QString& name,
                const std::function<QString(const QString& value, int botNumber)>& convert);

// "<team>" from the bot's "team", where the bot programs take 5 for "join the side the game
// picks": a stored 0 (Auto), a missing team and one that is no number are written as 5.
TPlaceholder AutoTeamPlaceholder();

// The table with "<model>" written as a whole number (a class number), 0 when the key is missing
// or holds no number ("010" is written 10).
TPlaceholderTable WholeNumberModel(TPlaceholderTable table);

// The tags of the template besides the placeholders. Each mod's description says which of them
// its writer knows; a tag it does not know stays in the line as written.
struct TFillOptions {
    // Every occurrence of a placeholder is filled, not only the first.
    bool EveryOccurrence = false;
    bool Tab = false;       // "<TAB>" -> a TAB character
    bool RcBreak = false;   // "<RC>" -> a line break
    bool CrBreak = false;   // "<CR>" -> a line break
};

// One bot's entry. The template is read once, left to right: each placeholder of the table is
// filled at its first occurrence in the template (table order settles which of two overlapping
// ones wins), each known tag where it stands. Values are put in as they are, so a bot name
// holding "<CR>", "<TAB>" or "<skill>" is written as typed and never splits or fills the line;
// line breaks inside a value are dropped. The result is one line, or several where the template
// breaks it.
QStringList FillTemplate(const QString& templ, const TPlaceholderTable& table,
                         const TIniFile& store, int botNumber, const TFillOptions& options = {});

// The gamedll line of liblist.gam: gamedll "<dll>".
QString GameDllLine(const QString& dll);
// A liblist line: key "value".
QString LiblistLine(const QString& key, const QString& value);

// One value of liblist.gam, written key "Value" and then Tail (what the mod's own file carries
// after the value on that line: a comment, blanks). A value left unset is no line at all; one
// set to "" is the line key "".
struct TLiblistValue {
    TLiblistValue() = default;
    TLiblistValue(const char* value, const char* tail = "")
        : Set(true), Value(QString::fromUtf8(value)), Tail(QString::fromUtf8(tail))
    {
    }
    TLiblistValue(QString value, QString tail = {}) : Set(true), Value(std::move(value)), Tail(std::move(tail)) {}
    bool Set = false;
    QString Value;
    QString Tail;
};

// A mod's liblist.gam in the order most mods' own files keep: the Header lines as they are, then
// each value that is set, in the order of the fields. The gamedll line is always there, with the
// library the launch found and GameDllTail after it. A mod whose file lists its keys in another
// order, or holds other lines between them, writes its lines itself.
struct TLiblist {
    QStringList Header;
    TLiblistValue GameDir, Game, UrlInfo, UrlDl, StartMap, TrainMap, Version, Size, SvOnly, ClDll,
        HlVersion, Type, NoModels, MpEntity;
    QString GameDllTail;
    TLiblistValue GameDllLinux;
};
QStringList Liblist(const TLiblist& liblist, const QString& dll);

// The bot file's skeleton before the bot lines: "# " + template, the pause line, an empty
// line, "botskill <skill>", a line of one blank. Mods that write only parts of it build their
// own list.
QStringList BotFileHeader(const QString& templ, const QString& pauseLine,
                          const QString& defaultSkill);
// Akimbot's three rate lines (after the header) and its last line.
QStringList AkimbotRateLines(const TIniFile& store);
QString AkimbotLastLine();

// A key bind: bind "<Half-Life key>" "<command>".
QString BindLine(const QString& hlKey, const QString& command);
// Adds line at the end of the configuration file path unless a line of the same text (blanks
// around it aside) is there already. A missing file is no error: the game writes config.cfg at
// its first start and there is nothing to add to before that. False with a message naming the
// file when it could not be read or written; it then keeps its old contents.
bool AppendLineOnce(const QString& path, const QString& line, QString& error);
// Said where a save keeps a chosen key but has no config.cfg to bind it in yet (path).
QString BindWaitsNote(const QString& path);
// Rewrites the configuration file path without the lines drop accepts, then with append added
// at its end (the binds a mod keeps once: remove its old ones, add the current ones). The same
// rules as AppendLineOnce: a missing file is left missing, every other line keeps its text and
// the file its encoding; false with a message when it could not be read or written.
bool RewriteConfigLines(const QString& path, const std::function<bool(const QString&)>& drop,
                        const QStringList& append, QString& error);

// Writes lines to path through UInit::OutFile (CR LF, atomically). False with a message naming
// the file in error; the file then keeps its old contents.
bool WriteFile(const QString& path, const QStringList& lines, QString& error);

} // namespace ModWriters
