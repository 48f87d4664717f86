#pragma once
// The Gathering's logic: the template's role routines with the variant with teams (ten team
// choosers over the mod's eighteen fixed model names, which the bot model chooser lists too), the
// server settings kept in <moddir>\cfg\multiplayer.cfg instead of game.cfg, maps with a
// configuration file of their own marked "+", and the bots kept in <moddir>\cfg\bot.cfg as
// "addbot" lines rather than in a bot store. There is no choice of bot and no launch writer: the
// files are written when the settings are saved.
#include "mods/common/AddbotFile.h"
#include "mods/common/ModLogic.h"

namespace UGathering {

// The mod's player models, sorted: the bot model chooser's and every team chooser's items.
const QStringList& ModelNames();
// How cfg\bot.cfg reads and writes.
AddbotFile::TFormat BotFormat();

// multiplayer.cfg as written: the mod's own lines with the window's values of rows, then every
// line of the old file that sets none of the commands written (a line of several commands keeps
// the others), so the engine sees one value for each of them.
QStringList MultiplayerLines(const TModWindow& w, const TCvarTable& rows, const QStringList& old);

class TGathering : public TModLogic {
public:
    TGathering();
    TCvarTable Cvars() const override;
    QString GameCfgName() const override { return QStringLiteral("cfg\\multiplayer.cfg"); }
    bool WriteGameCfg(QString& error) override;
    void ListAvailableMaps() override;
    // The bot chooser, and the team choosers once: Restore Default leaves the chosen teams.
    void FillModelChooser() override;
    // At most the players a listen server leaves to bots: cfg\bot.cfg adds every bot it lists.
    // The bots live in cfg\bot.cfg: the store's reader and writer are that file's.
    void ReadBotsIni() override;
    bool WriteBotsIni(QString& error) override;
    // The game runs cfg\bot.cfg as commands: names keep the engine's tokens out.
    bool EngineReadsBotLines() const override { return true; }
    // Nothing to write at launch.
    bool LaunchWriters(QString&) override { return true; }

    QString BotCfgPath() const;

private:
    // cfg\bot.cfg is there but could not be read: a save must not replace it with the list shown.
    bool m_botFileUnreadable = false;
};

TGathering& Logic();

} // namespace UGathering
