#pragma once
// Existence's logic: the settings of its window (game.cfg with the round and jail timers, the bot
// store Bots\EX_Bots.ini) and its launch files (liblist.gam, a bot file of the mod's own shape,
// and the spawn bind in config.cfg). Every bot is a Rebel or an Agent and picks a character of
// its side's list, kept as its number.
#include "mods/common/ModLogic.h"

namespace UExistence {

extern const QString Akimbot;   // "Akimbot"

// The seven characters of a side ("1" Rebels, "2" Agents); any other side has none.
QStringList ClassNames(const QString& side);

// The bot file: "# " + template, the default skill and an empty line; Akimbot's rate lines; then
// each bot's line followed by "Pause 2"; for Akimbot, whose sides are the other way round, the
// first Agent (after the swap) of class 2 is held back to the end as "addbot 3 ..." after
// "Pause 10", and the file ends with its waypoint-message line.
QStringList BotFileLines(const QString& bot, const QString& botTemplate, const TIniFile& store,
                         const QString& maxSkill, const QString& defaultSkill, int spawnBot);

class TExistence : public TModLogic {
public:
    TExistence();

    TCvarTable Cvars() const override;
    QStringList BotFileLines(const TBotFileContext& c) const override;
    TStoreTable BotStoreRows() const override;
    QStringList SideClassNames(const QString& side) const override { return ClassNames(side); }
    void LoadModDefaults() override;
    void ClearBotFields() override;
    TBot NewBot(bool random) override;
};

TExistence& Logic();

} // namespace UExistence
