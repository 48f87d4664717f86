#pragma once
// Front Line Force's logic: the settings of its window (game.cfg, the bot store Bots\FL_Bots.ini
// with HPB Bot's behaviour settings and OddBot's team balance) and its launch files (liblist.gam
// with the bot section's "size", the bot file for HPB Bot or OddBot). Each bot has a side (Auto,
// Rebels, Commandos) and a class from a fixed list, kept as its number.
#include "mods/common/ModLogic.h"

namespace UFrontline {

extern const QString HpbBot;   // "HPB Bot"
extern const QString& OddBot;   // "OddBot"

// The settings lines of the selected bot program, read from the store's [Default].
QStringList BotProgramLines(const QString& bot, const TIniFile& store);

class TFrontline : public TModLogic {
public:
    TFrontline();

    TCvarTable Cvars() const override;
    QStringList LiblistLines(const QString& dll) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    QStringList BotFileHeader(const TBotFileContext& c) const override;
    TStoreTable StoreRows() const override;
    TStoreTable BotStoreRows() const override;
    bool WriteDefaultSection(TIniFile& store) override;
    void LoadModDefaults() override;
    TBot NewBot(bool random) override;
};

TFrontline& Logic();

} // namespace UFrontline
