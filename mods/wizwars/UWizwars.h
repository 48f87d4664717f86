#pragma once
// Wizard Wars' logic: the template's role routines with the mod's nine wizard classes as the
// model chooser (stored as the class number), a team per bot (Auto / Blue / Red) and a slot the
// mod keeps unchanged, its three game options, the bot file's translations (team Auto written
// "5", class 9 written "10") after "pause 2", and liblist.gam with its comment lines.
#include "mods/common/ModLogic.h"

namespace UWizwars {

// The nine classes of the model chooser, in the mod's order (class k is item k - 1).
const QStringList& Classes();

class TWizwars : public TModLogic {
public:
    TWizwars();
    TCvarTable Cvars() const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    TStoreTable BotStoreRows() const override;
    TBot NewBot(bool random) override;
    void ClearBotFields() override;
};

// The one logic object of the mod: its role routines and state outlive the window.
TWizwars& Logic();

} // namespace UWizwars
