#include "mods/esforces/UFESForces.h"

#include "mods/common/GameSettings.h"
#include "mods/esforces/UESForces.h"

#include <QComboBox>
#include <QGroupBox>

QPointer<TFESForces> FESForces;

TFESForces::TFESForces(QWidget* owner) : TModWindow(UESForces::Logic(), owner)
{
    BuildWindow();
}

TFESForces::~TFESForces() = default;

void TFESForces::BuildGamePage(QWidget* page)
{
    QGroupBox* type = AddGroup(page, QStringLiteral("GB_GameType"), QStringLiteral("Game Type"), 8, 8, 280, 60);
    ES_gamemode = AddCombo(type, QStringLiteral("ES_gamemode"), UESForces::GameModeItems(), 12, 24, 220);
    GameSettings::Build(*this, page,
                        {QStringLiteral("friendlyfire"), QStringLiteral("forcerespawn"),
                         QStringLiteral("footsteps"), QStringLiteral("autocrosshair")},
                        8, 76, 280, 226);
}
