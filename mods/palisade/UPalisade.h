#pragma once
// Palisade's logic: the template's role routines with only the bot list and the chat file: no
// game settings (game.cfg is never written), no map cycle, no model (the bot file fills only the
// name and the skill), and its liblist.gam.
#include "mods/common/ModLogic.h"

namespace UPalisade {

class TPalisade : public TModLogic {
public:
    TPalisade();
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
};

// The one logic object of the mod: its role routines and state outlive the window.
TPalisade& Logic();

} // namespace UPalisade
