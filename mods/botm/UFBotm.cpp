#include "mods/botm/UFBotm.h"

#include "mods/botm/UBotm.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QGroupBox>

QPointer<TFBotm> FBotm;

TFBotm::TFBotm(QWidget* owner) : TModWindow(UBotm::Logic(), owner)
{
    BuildWindow();
}

TFBotm::~TFBotm() = default;

void TFBotm::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 8, 555, 110);
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 30, 90);
    BO_timelimit = AddNumber(g, QStringLiteral("BO_timelimit"), 0, 90, 2, 110, 26, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 64, 90);
    BO_fraglimit = AddNumber(g, QStringLiteral("BO_fraglimit"), 0, 999, 3, 110, 60, 56,
                             QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));
    BO_footsteps = AddCheck(g, QStringLiteral("BO_footsteps"), QStringLiteral("Footsteps"), 240, 30, 150,
                            QStringLiteral("Allows footsteps sounds"));
    BO_autocrosshair = AddCheck(g, QStringLiteral("BO_autocrosshair"), QStringLiteral("AutoCrossHair"),
                                240, 64, 150, QStringLiteral("Allows auto-aiming crosshair"));
    BO_friendlyfire = AddCheck(g, QStringLiteral("BO_friendlyfire"), QStringLiteral("Friendly Fire"),
                               400, 30, 140, QStringLiteral("Allows firing to teammates"));
    BO_footsteps->setChecked(true);
    BO_autocrosshair->setChecked(true);
}

void TFBotm::BuildExtraPages(QTabWidget*)
{
    // The mod plays with at most nine bots.
    spawnbot->SetRange(1, 9);
}
