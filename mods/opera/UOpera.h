#pragma once
// The Opera's logic: the template's role routines with The Opera's game page (game type,
// limits, weapon switches, the Shopping Cart) as control rows, its liblist.gam values and its
// default model "bobby".
#include "mods/common/ControlRows.h"
#include "mods/common/ModLogic.h"

namespace UOpera {

// The game page's controls and the game.cfg lines they bind.
const TControlRows& GamePage();

class TOpera : public TModLogic {
public:
    TOpera();
    TCvarTable Cvars() const override;
};

// The one logic object of the mod, the unit itself: its role routines (Logic().LoadConf() ...)
// and its state outlive the window.
TOpera& Logic();

} // namespace UOpera
