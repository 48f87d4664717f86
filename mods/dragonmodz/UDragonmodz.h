#pragma once
// Dragon Mod Z's logic: the template's role routines with the mod's ten fixed characters as the
// model chooser (stored as the character's number, "0" = none), its cvar table with the fixed
// team lines, the whole-number model of its bot file and its liblist.gam with "cldll" commented
// out.
#include "mods/common/ModLogic.h"

namespace UDragonmodz {

// The ten characters of the model chooser, in the mod's order (character k is item k - 1).
const QStringList& Characters();

class TDragonmodz : public TModLogic {
public:
    TDragonmodz();
    TCvarTable Cvars() const override;
    QStringList LiblistLines(const QString& dll) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
};

// The one logic object of the mod: its role routines and state outlive the window.
TDragonmodz& Logic();

} // namespace UDragonmodz
