#pragma once
// Goldeneye's logic. The mod brings its own bots: there is no choice of bot and no bot store;
// the bot list lives in the mod's <moddir>\bot.cfg of "addbot" lines, read at load and written
// (with game.cfg, the map cycle and the bot key's bind in config.cfg) when the settings are
// saved. The launch writes nothing of its own.
#include "mods/common/AddbotFile.h"
#include "mods/common/ModLogic.h"

namespace UGoldeneye {

class TGoldeneye : public TModLogic {
public:
    TGoldeneye();
    TCvarTable Cvars() const override;
    bool EngineReadsBotLines() const override { return true; }

    // The template's routines where the mod's own bot file stands for the bot store.
    void LoadConf() override;
    void ReadBotsIni() override { ReadAddbotCfg(); }
    // The template's checks, and no more bots than the server holds: each of them joins.
    bool SaveConf() override;
    void ClearBotFields() override;
    void LoadModDefaults() override;
    void ShowBotRecord(const TBot& bot) override;
    // Nothing is written at launch: the files were written when the settings were saved.
    bool LaunchWriters(QString&) override { return true; }

    // <moddir>\bot.cfg: the list of bots and the default skill, and back.
    void ReadAddbotCfg();
    bool WriteAddbotCfg(QString& error);
    QStringList AddbotCfgLines() const;
    // config.cfg without its old bind of the bot file, with the chosen key's bind at its end.
    bool RewriteConfigCfg(QString& error);

    // The focused bot was read without a name (it shows a placeholder until it is given one).
    bool ShownBotUnnamed() const;

    static AddbotFile::TFormat Format();
};

// The one logic object of the mod: its role routines and state outlive the window.
TGoldeneye& Logic();

} // namespace UGoldeneye
