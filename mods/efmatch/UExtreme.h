#pragma once
// Extreme Fragmatch's logic: the template's role routines with the variant with teams (ten team
// choosers from the mod's own player models), the standard game settings and its liblist.gam.
#include "mods/common/ModLogic.h"

namespace UExtreme {

class TExtreme : public TModLogic {
public:
    TExtreme();
    TCvarTable Cvars() const override;
};

// The one logic object of the mod: its role routines and state outlive the window.
TExtreme& Logic();

} // namespace UExtreme
