#pragma once
// Rocket Crowbar's logic: three game types (DeathMatch, Teamplay, Capture the Flag) with up to
// six named teams, Half-Life's own maps, numbers in game.cfg with six decimals, the bot records
// kept in the row's own 13-slot records, RCBot's settings (the Misc page) and its header and
// last line in the bot file.
#include "mods/common/ModLogic.h"

namespace URocket {

extern const QString RCBot;   // "RCBot"

// The game-type chooser's items, the fall-damage chooser's and the number of team choosers.
const QStringList& GameTypeItems();
const QStringList& FallDamageItems();
constexpr int TeamCount = 6;

class TRocket : public TModLogic {
public:
    TRocket();

    void ReadBotSection() override;
    void LoadModDefaults() override;
    void ClearBotFields() override;
    QString MapConfigFolder() const override;
    TCvarTable Cvars() const override;
    TStoreTable StoreRows() const override;
    QStringList LiblistLines(const QString& dll) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    QStringList BotFileHeader(const TBotFileContext& c) const override;
    QStringList BotFileTrailer(const TBotFileContext& c) const override;

    // Two records exchanged whole (the list routines' moves and deletions), then modified.
    void SwapBots(int a, int b);
};

TRocket& Logic();
void Register();

} // namespace URocket
