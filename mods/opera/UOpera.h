#pragma once
// The Opera's logic: the template's role routines with The Opera's cvar table (the game type
// chooser and its values), its liblist.gam lines and its default model "bobby".
#include "mods/common/ModLogic.h"

namespace UOpera {

// mp_gamemode value of each item of OP_gamemode, in item order.
const QStringList& GameModeValues();
// The items of OP_gamemode.
const QStringList& GameModeItems();

class TOpera : public TModLogic {
public:
    TOpera();
    TCvarTable Cvars() const override;
    QStringList LiblistLines(const QString& dll) const override;
};

// The one logic object of the mod, the unit itself: its role routines (Logic().LoadConf() ...)
// and its state outlive the window.
TOpera& Logic();

// Fills The Opera's row hooks (window, restore, load, modified flag, launch writers).
void Register();

} // namespace UOpera
