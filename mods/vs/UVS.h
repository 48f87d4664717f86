#pragma once
// Vampire Slayer's logic: the template's role routines with the mod's cvar table (three limits,
// six switches and the fixed bot lines the mod's own bots need switched off), its liblist.gam
// lines, its own player models and a bot store without chat keys.
#include "mods/common/ModLogic.h"

namespace UVS {

class TVS : public TModLogic {
public:
    TVS();
    TCvarTable Cvars() const override;
};

// The one logic object of the mod: its role routines and state outlive the window.
TVS& Logic();

} // namespace UVS
