#pragma once
// Deathmatch Classic's logic: the template's role routines with the mod's cvar rows, the bot
// property tabs over a 16-slot record (traits and the eight Quake weapons), the plain "skill" key
// of its bot store, the bot programs' own header lines, Parabot's parabot.cfg and Rho-DMC's files
// in place of the bot file.
#include "mods/common/BotProperties.h"
#include "mods/common/ModLogic.h"

namespace UDMC {

extern const QString ModKey;   // "DMC"

// The bot record's slots 5 to 17: the five traits and the eight weapon preferences.
const TBotSliderTable& SliderRows();

class TDMC : public TModLogic {
public:
    TDMC();

    bool IsBot(const char* name) const;

    TCvarTable Cvars() const override;
    TStoreTable StoreRows() const override;
    TStoreTable BotStoreRows() const override;
    void ShowBotRecord(const TBot& bot) override;
    TBot NewBot(bool random) override;

    bool LaunchWriters(QString& error) override;
    bool WriteBotCfg(QString& error) override;
    bool WriteRhobotCfg(QString& error);
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    ModWriters::TFillOptions FillOptions() const override;
    QStringList BotFileHeader(const TBotFileContext& c) const override;
};

TDMC& Logic();

} // namespace UDMC
