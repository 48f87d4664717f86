#include "mods/dragonmodz/UFDragonmodz.h"

#include "mods/dragonmodz/UDragonmodz.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

QPointer<TFDragonmodz> FDragonmodz;

TFDragonmodz::TFDragonmodz(QWidget* owner) : TModWindow(UDragonmodz::Logic(), owner)
{
    BuildWindow();
}

TFDragonmodz::~TFDragonmodz() = default;

void TFDragonmodz::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 8, 555, 170);
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 30, 90);
    DZ_timelimit = AddNumber(g, QStringLiteral("DZ_timelimit"), 0, 90, 2, 110, 26, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 64, 90);
    DZ_fraglimit = AddNumber(g, QStringLiteral("DZ_fraglimit"), 0, 999, 3, 110, 60, 56,
                             QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));

    const QString fallHint = QStringLiteral("Type of damages applied when a player falls");
    QGroupBox* fall = AddGroup(g, QStringLiteral("GB_FallDamages"), QStringLiteral("Fall Damages"),
                               12, 94, 180, 64);
    fall->setToolTip(fallHint);
    DZ_fallnorm = AddRadio(fall, QStringLiteral("DZ_fallnorm"), QStringLiteral("Normal"), 10, 20, 150, fallHint);
    DZ_fallreal = AddRadio(fall, QStringLiteral("DZ_fallreal"), QStringLiteral("Realistic"), 10, 40, 150, fallHint);
    DZ_fallnorm->setChecked(true);

    DZ_friendlyfire = AddCheck(g, QStringLiteral("DZ_friendlyfire"), QStringLiteral("Friendly Fire"),
                               240, 30, 150, QStringLiteral("Allows firing to teammates"));
    DZ_footsteps = AddCheck(g, QStringLiteral("DZ_footsteps"), QStringLiteral("Footsteps"), 240, 64, 150,
                            QStringLiteral("Allows footsteps sounds"));
    DZ_forcerespawn = AddCheck(g, QStringLiteral("DZ_forcerespawn"), QStringLiteral("Force Respawn"),
                               240, 98, 150,
                               QStringLiteral("Forces a player to respawn immediatly when killed"));
    DZ_autocrosshair = AddCheck(g, QStringLiteral("DZ_autocrosshair"), QStringLiteral("AutoCrossHair"),
                                400, 30, 140, QStringLiteral("Allows auto-aiming crosshair"));
    DZ_Flashlight = AddCheck(g, QStringLiteral("DZ_Flashlight"), QStringLiteral("Flashlight"), 400, 64, 140);
    DZ_footsteps->setChecked(true);
    DZ_autocrosshair->setChecked(true);
}

void TFDragonmodz::BuildExtraPages(QTabWidget*)
{
    // The mod plays with at most nine bots.
    spawnbot->SetRange(1, 9);
}
