#pragma once
// Earth's Special Forces' logic: the template with a game-mode chooser written as its position,
// the mod's fixed lines (no teams, no weapons stay, no flashlight), the mod's own player models
// and its liblist.gam.
#include "mods/common/ModLogic.h"

namespace UESForces {

// The items of ES_gamemode; the position is the value written.
const QStringList& GameModeItems();

class TESForces : public TModLogic {
public:
    TESForces();
    TCvarTable Cvars() const override;
    QStringList LiblistLines(const QString& dll) const override;
};

TESForces& Logic();

} // namespace UESForces
