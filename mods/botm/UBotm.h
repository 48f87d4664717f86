#pragma once
// Battle of the Millennium's logic: the template's role routines with the mod's fixed list of
// characters as the model chooser (stored as the character's number, "0" = none), its cvar table
// with the fixed team and weapon lines, the whole-number model of its bot file, and liblist.gam
// lines that each carry their comment.
#include "mods/common/ModLogic.h"

namespace UBotm {

// The items of the model chooser, "< Random >" last (character k is item k - 1).
const QStringList& Characters();

class TBotm : public TModLogic {
public:
    TBotm();
    TCvarTable Cvars() const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
};

// The one logic object of the mod: its role routines and state outlive the window.
TBotm& Logic();

} // namespace UBotm
