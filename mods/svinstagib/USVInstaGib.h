#pragma once
// SV Insta Gib's logic: the variant with teams over nine choosers of Half-Life's player models,
// on the stock maps, without chat, with the instagib weapon setup (grappling hook, headshot
// points, shooting through walls, second attack, delay between shots, the beam colour, Funny
// mode) and SV Bot's kick line after its bots.
#include "mods/common/ModLogic.h"

namespace USVInstaGib {

// The items of SV_sa, in the order their index is written.
const QStringList& SecondAttackItems();
// The one value of "funny" that switches Funny mode on.
QString FunnyValue();

class TSVInstaGib : public TModLogic {
public:
    TSVInstaGib();
    TCvarTable Cvars() const override;
    QStringList LiblistLines(const QString& dll) const override;
    // Funny mode is read from the file alone: a file without the line (or with another value)
    // shows it off.
    void ReadGameCfg() override;
    QStringList BotFileTrailer(const TBotFileContext& c) const override;
};

TSVInstaGib& Logic();

} // namespace USVInstaGib
