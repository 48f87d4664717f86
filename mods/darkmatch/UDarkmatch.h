#pragma once
// Darkmatch's logic: the variant with teams over nine choosers of Half-Life's player models, the
// mod's own maps, and four equipment switches (radar, flares, stealth boots, night goggles).
#include "mods/common/ModLogic.h"

namespace UDarkmatch {

class TDarkmatch : public TModLogic {
public:
    TDarkmatch();
    TCvarTable Cvars() const override;
};

TDarkmatch& Logic();

} // namespace UDarkmatch
