#pragma once
// A bot list kept in a file of "addbot" lines: the mods that bring their own bots read their bot
// list from the very file those bots are added from (<moddir>\bot.cfg, cfg\bot.cfg), and write it
// back when the settings are saved. The file is both the game's input and the program's only
// store of the list, so whatever the reader takes in, the writer gives back.
//
// A line is "addbot [<model> [<name> [<skill>]]]". A bot read without a name shows a placeholder
// name in the list ("<RandomBot1>", numbered per file); its line is written back as it was read,
// so the game still picks the name. The mods differ in the defaults of the shorter lines and in
// whether a skill "0" is written (TFormat).
#include "core/Types.h"

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace AddbotFile {

// What differs between the mods that keep such a file.
struct TFormat {
    // The model a bare "addbot" line reads as.
    QString BareModel;
    // The skill of a line that gives none: "addbot" alone, "addbot <model>", and
    // "addbot <model> <name>" (also a skill that is no number).
    QString BareSkill = QStringLiteral("0");
    QString NoNameSkill = QStringLiteral("0");
    QString NoSkillSkill = QStringLiteral("0");
    // The skills a line can give: a number outside is brought into this range.
    int MinSkill = 0;
    int MaxSkill = 5;
    // The writer puts the skill on every named bot's line; otherwise a skill "0" is left out
    // (the bot then plays at the file's "botskill").
    bool SkillAlways = false;
    // Names read keep the one name rule (ModWriters::CleanBotName), with the engine's tokens
    // where the engine executes the file, and lose the mod's own refused characters.
    bool EngineTokens = true;
    QString ForbiddenNameChars;
};

// The slot of a record read from a bare "addbot" line ("1"): with its model unchanged it is
// written back bare.
constexpr int BareSlot = 3;

// "<RandomBot" + n + ">", the name shown for the n-th bot of a file read without one. No name
// read or typed can take that form ("<" and ">" are refused), so it marks the bot for the writer.
QString PlaceholderName(int n);
bool IsPlaceholderName(const QString& name);

// A line of the "addbot" command (any case, blanks around it aside).
bool IsAddbotLine(const QString& line);
// A line whose first eight characters, in any case, are "botskill": true, with skill := the text
// from the tenth character on, trimmed (as written: it may be no number).
bool IsBotSkillLine(const QString& line, QString& skill);

// One "addbot" line as a record: slot 0 name, 1 model, 2 skill (BareSlot marks a bare line).
// counter numbers the bots read without a name (1 at the start of each file) and advances for
// each of them. asRead: the name as the line gives it, before the one name rule ("" for none).
TBot ParseAddbotLine(const QString& line, const TFormat& format, int& counter, QString* asRead = nullptr);

// A whole file's lines: the bots of its "addbot" lines in order, and the last "botskill" line's
// value ("" when the file has none); every other line (comments, "pause" ...) is passed over.
struct TContents {
    QVector<TBot> Bots;
    QString BotSkill;
    // The names the one name rule changed: as read, and as they now read (what a save writes).
    QVector<QPair<QString, QString>> Renamed;
};
TContents ReadLines(const QStringList& lines, const TFormat& format);

// Reads path. Missing: false with nothing read and error empty (each mod words its own warning);
// unreadable: false with error naming the file.
bool ReadFile(const QString& path, const TFormat& format, TContents& contents, QString& error);

// A record's line: "addbot <model> <name>" and " <skill>" unless it is "0" and the format leaves
// it out; a bot read without a name: "addbot" or "addbot <model>", as it was read.
QString AddbotLine(const TBot& bot, const TFormat& format);
QStringList AddbotLines(const QVector<TBot>& bots, const TFormat& format);

// Every bot of such a file joins the game, so a list longer than the server holds (most: the
// player slots left, the host's kept on a listen server) is refused before saving, and the file
// keeps every stored bot. The refusal's message, or "" when count fits.
QString TooManyBots(int count, int most);

} // namespace AddbotFile
