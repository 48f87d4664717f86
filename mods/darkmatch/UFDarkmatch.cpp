#include "mods/darkmatch/UFDarkmatch.h"

#include "mods/common/GameSettings.h"
#include "mods/darkmatch/UDarkmatch.h"

#include <QCheckBox>
#include <QGroupBox>

QPointer<TFDarkmatch> FDarkmatch;

TFDarkmatch::TFDarkmatch(QWidget* owner) : TModWindow(UDarkmatch::Logic(), owner)
{
    BuildWindow();
    GameSettings::UseTeamModButtonNames(*this);
}

TFDarkmatch::~TFDarkmatch() = default;

void TFDarkmatch::BuildGamePage(QWidget* page)
{
    const GameSettings::TTeamPage t = GameSettings::BuildTeamPage(
        *this, page, 9,
        {QStringLiteral("friendlyfire"), QStringLiteral("weaponstay"), QStringLiteral("forcerespawn"),
         QStringLiteral("footsteps"), QStringLiteral("flashlight"), QStringLiteral("autocrosshair")});
    // The equipment beside the switches, all on in a new window.
    int y = 118;
    for (const auto& [name, caption] : {std::pair{"DK_radar", "Radar"}, std::pair{"DK_nvg", "Night Goggles"},
                                        std::pair{"DK_boots", "Stealth Boots"}, std::pair{"DK_flares", "Flares"}}) {
        AddCheck(t.Settings, QString::fromLatin1(name), QString::fromLatin1(caption), 150, y, 124)->setChecked(true);
        y += 24;
    }
}
