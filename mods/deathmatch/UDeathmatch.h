#pragma once
// Half-Life Deathmatch's logic. Every bot program has folders of its own, named by its section
// of Mods\HL-DM.ini: "path" for the bot's files (the row's Dir while the window is open) and
// "game" for the -game folder, where game.cfg, mapcycle.txt and (for valve only) liblist.gam
// are written at launch. The game settings live in the bot store (Bots\HL_Bots.ini, section
// [game.cfg]) and the map cycle in the program folder; the launch writes both into the game
// folder. Jumbot adds its jumbot.cfg and two memo files, Parabot its parabot.cfg and Rho-Bot
// its own files instead of the bot file.
#include "mods/common/BotProperties.h"
#include "mods/common/ModLogic.h"

namespace UDeathmatch {

extern const QString ModKey;   // "Deathmatch"

// The bot record's slots 5 to 23: the five traits and the fourteen weapon preferences.
const TBotSliderTable& SliderRows();

class TDeathmatch : public TModLogic {
public:
    TDeathmatch();

    bool IsBot(const char* name) const;

    // "game" and "path" of the selected bot as read with the bot section.
    QString Game;
    QString Path;
    QString ConfigFolder;   // HLPath\<cfgpath>

    void ReadBotSection() override;
    void LoadConf() override;
    void LoadModDefaults() override;
    void ReadBotsIni() override;
    void ClearBotFields() override;
    bool CheckConf() override;
    bool SaveConf() override;
    TBot NewBot(bool random) override;
    void ShowBotRecord(const TBot& bot) override;
    TStoreTable StoreRows() const override;
    TStoreTable BotStoreRows() const override;
    void ReadDefaultSection(const TIniFile& store) override;
    bool WriteDefaultSection(TIniFile& store) override;
    QString WaypointFolderPath() const override;
    QString MapConfigFolder() const override;

    // The Jumbot files of the window: jumbot.cfg, botorder.cfg and morons.cfg in the bot folder.
    void ReadJumbotCfg();
    bool WriteJumbotCfg(QString& error);

    // ---- Launch (UDeathmatch_Launch.cpp); from the files only. ----
    bool LaunchWriters(QString& error) override;
    // game.cfg, the map cycle and, for the valve folder, liblist.gam in the game folder.
    bool WriteLaunchFiles(const TIniFile& mods, QString& error);
    bool WriteBotCfg(QString& error) override;
    bool WriteRhobotCfg(QString& error);
    bool PatchJumbotCfg(QString& error);
    QStringList BotFileHeader(const TBotFileContext& c) const override;
    QStringList BotFileTrailer(const TBotFileContext& c) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    ModWriters::TFillOptions FillOptions() const override;

    // The bot folder and game folder of the selected bot from Mods\HL-DM.ini; false with a
    // message naming the empty key.
    static bool BotFolders(const TIniFile& mods, QString& botDir, QString& gameDir, QString& error);
    // The number of bots the launch brings in: the store's spawnbot within the server's limit.
    static int SpawnBots(const TIniFile& store);
};

TDeathmatch& Logic();

} // namespace UDeathmatch
