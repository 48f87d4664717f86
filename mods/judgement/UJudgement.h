#pragma once
// Judgement's logic: the template's role routines with the mod's own player models, no chat, a
// maximum skill of 1 unless the bot's section says otherwise (window and launch alike), the mod's
// cvar table, its liblist.gam, and its own bot "Judgement", whose bots are named after their
// model.
#include "mods/common/ModLogic.h"

namespace UJudgement {

// The section of the mod's own bot: no skill shown, the name follows the model.
bool OwnBot();

class TJudgement : public TModLogic {
public:
    TJudgement();
    TCvarTable Cvars() const override;
    QStringList LiblistLines(const QString& dll) const override;
    TBot NewBot(bool random) override;
};

// The one logic object of the mod: its role routines and state outlive the window.
TJudgement& Logic();

} // namespace UJudgement
