#pragma once
// Worms HL's logic: bots without a model whose team follows their place in the list (blue, red,
// blue ...), skills kept under the plain "skill" key, a bot file without the header skeleton and
// the mod's cvar table and liblist.gam lines.
#include "mods/common/ModLogic.h"

namespace UWormsHL {

// The team of the bot at list place index (from 0): "blue" for even places, "red" for odd.
QString TeamOfPlace(int index);

class TWormsHL : public TModLogic {
public:
    TWormsHL();
    TCvarTable Cvars() const override;
    QStringList LiblistLines(const QString& dll) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    QStringList BotFileHeader(const TBotFileContext& c) const override;
    void ShowBotRecord(const TBot& bot) override;
};

TWormsHL& Logic();

} // namespace UWormsHL
