#pragma once
// Opposing Force's logic: three game types (Deathmatch, Teamplay, Capture the Flag) kept in the
// bot store, up to ten teams named after the mod's fifteen player models, a side and a second
// model per bot for Capture the Flag, an available-map list and a map cycle that keep only the
// maps of the game type, and at launch liblist.gam, a bot file per bot program (the
// capture-the-flag template for Capture the Flag) and Parabot's parabot.cfg.
#include "mods/common/BotProperties.h"
#include "mods/common/ModLogic.h"

class QComboBox;

namespace UOp4 {

extern const QString Akimbot;   // "Akimbot"
extern const QString HpbBot;    // "HPB Bot"
extern const QString Parabot;   // "Parabot"
extern const QString TeamBot;   // "TeamBot"

// The player models, sorted (they name the teams too), and the capture-the-flag models of a side
// ("1" Black Mesa, "2" Opposing Force, "3" Auto; none for any other side).
const QStringList& Models();
QStringList CtfModels(const QString& side);
// The maps that come with the mod, offered for Deathmatch and Teamplay without a file.
const QStringList& BuiltInMaps();
// The game-type chooser's items.
const QStringList& GameTypes();
constexpr int Deathmatch = 0;
constexpr int Teamplay = 1;
constexpr int CaptureTheFlag = 2;

// Parabot's traits (accuracy, aggression, perception: 1..10 in slots 6..8).
const TBotSliderTable& TraitRows();

// True when the bot program plays Capture the Flag (Parabot and TeamBot do not: a stored Capture
// the Flag is Deathmatch for them).
bool PlaysCtf(const QString& bot);

class TOp4 : public TModLogic {
public:
    TOp4();

    void ReadBotSection() override;
    void LoadConf() override;
    void LoadModDefaults() override;
    void ClearBotFields() override;
    bool SaveConf() override;
    void RestoreDefaults() override;
    TCvarTable Cvars() const override;
    TStoreTable StoreRows() const override;
    TStoreTable BotStoreRows() const override;
    void FillModelChooser() override;
    void ListAvailableMaps() override;
    QString MapConfigFolder() const override;
    void ShowBotRecord(const TBot& bot) override;
    void SideChanged(const TBot& bot) override;
    int ModelSlot() const override;
    TBot NewBot(bool random) override;

    QStringList LiblistLines(const QString& dll) const override;
    QStringList BotFileLines(const TBotFileContext& c) const override;
    bool WriteBotCfg(QString& error) override;

    // The window's game type (Deathmatch without a window).
    int GameType() const;
    // The controls of the game type: teams, the model or the side and capture-the-flag model,
    // the available maps, the bot shown again.
    void ApplyGameType();
    // The capture-the-flag models of a side into OF_botctfmodel.
    void FillModelList(const QString& side);
    // The map cycle of the game type: the first fitting map as QOR.ini "First Map", the others in
    // mapcycle.txt; the maps of the other game types stay in the window's list only.
    bool WriteMapCycle(QString& error);

    // The folder of the maps' own configuration files ("cfgpath" below Half-Life; the maps).
    QString ConfigFolder;
};

TOp4& Logic();

} // namespace UOp4
