#include "mods/efmatch/UFExtreme.h"

#include "mods/common/GameSettings.h"
#include "mods/efmatch/UExtreme.h"

QPointer<TFExtreme> FExtreme;

TFExtreme::TFExtreme(QWidget* owner) : TModWindow(UExtreme::Logic(), owner)
{
    BuildWindow();
    GameSettings::UseTeamModButtonNames(*this);
}

TFExtreme::~TFExtreme() = default;

void TFExtreme::BuildGamePage(QWidget* page)
{
    GameSettings::BuildTeamPage(*this, page, 10,
                                {QStringLiteral("friendlyfire"), QStringLiteral("weaponstay"),
                                 QStringLiteral("forcerespawn"), QStringLiteral("footsteps"),
                                 QStringLiteral("flashlight"), QStringLiteral("autocrosshair")});
}
