#pragma once
// Snark Wars' logic: the variant with teams over nine choosers of Half-Life's player models, on
// the stock maps, with an optional waypoint marker and a liblist.gam whose lines carry comments.
#include "mods/common/ModLogic.h"

namespace USnarkwars {

class TSnarkwars : public TModLogic {
public:
    TSnarkwars();
    TCvarTable Cvars() const override;
};

TSnarkwars& Logic();

} // namespace USnarkwars
