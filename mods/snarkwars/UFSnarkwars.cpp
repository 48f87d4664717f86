#include "mods/snarkwars/UFSnarkwars.h"

#include "mods/common/GameSettings.h"
#include "mods/snarkwars/USnarkwars.h"

QPointer<TFSnarkWars> FSnarkWars;

TFSnarkWars::TFSnarkWars(QWidget* owner) : TModWindow(USnarkwars::Logic(), owner)
{
    BuildWindow();
    GameSettings::UseTeamModButtonNames(*this);
}

TFSnarkWars::~TFSnarkWars() = default;

void TFSnarkWars::BuildGamePage(QWidget* page)
{
    GameSettings::BuildTeamPage(*this, page, 9,
                                {QStringLiteral("friendlyfire"), QStringLiteral("weaponstay"),
                                 QStringLiteral("forcerespawn"), QStringLiteral("footsteps"),
                                 QStringLiteral("flashlight"), QStringLiteral("autocrosshair")});
}
