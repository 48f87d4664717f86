#pragma once
// Gangsta Wars' logic: the mod plays with its own bots, so there is no bot list and no bot file;
// the window sets only how many play (kept in the bot store, written to game.cfg for the mod's
// own bot program), the game settings and the map cycle.
#include "mods/common/ModLogic.h"

namespace UGangsta {

class TGangsta : public TModLogic {
public:
    TGangsta();
    TCvarTable Cvars() const override;
    TStoreTable StoreRows() const override;
    // Only liblist.gam: the mod's bots read game.cfg.
    bool LaunchWriters(QString& error) override;
};

TGangsta& Logic();

} // namespace UGangsta
