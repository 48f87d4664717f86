#include "mods/wizwars/UFWizwars.h"

#include "mods/common/ModLogic.h"
#include "mods/wizwars/UWizwars.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

QPointer<TFWizwars> FWizwars;

TFWizwars::TFWizwars(QWidget* owner) : TModWindow(UWizwars::Logic(), owner)
{
    BuildWindow();
}

TFWizwars::~TFWizwars() = default;

void TFWizwars::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 8, 555, 200);
    AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 30, 90);
    WZ_fraglimit = AddNumber(g, QStringLiteral("WZ_fraglimit"), 0, 999, 3, 110, 26, 56,
                             QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 64, 90);
    WZ_timelimit = AddNumber(g, QStringLiteral("WZ_timelimit"), 0, 90, 2, 110, 60, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    WZ_friendlyfire = AddCheck(g, QStringLiteral("WZ_friendlyfire"), QStringLiteral("Friendly Fire"),
                               12, 100, 150, QStringLiteral("Allows firing to teammates"));
    WZ_footsteps = AddCheck(g, QStringLiteral("WZ_footsteps"), QStringLiteral("Footsteps"), 12, 130, 150,
                            QStringLiteral("Allows footsteps sounds"));
    WZ_autocrosshair = AddCheck(g, QStringLiteral("WZ_autocrosshair"), QStringLiteral("AutoCrossHair"),
                                12, 160, 150, QStringLiteral("Allows auto-aiming crosshair"));
    WZ_allowdmthorns = AddCheck(g, QStringLiteral("WZ_allowdmthorns"),
                                QStringLiteral("Allow thornplants in deathmatch"), 220, 30, 320);
    WZ_coop = AddCheck(g, QStringLiteral("WZ_coop"), QStringLiteral("Playing Co-op maps"), 220, 64, 320);
    WZ_combochaos = AddCheck(g, QStringLiteral("WZ_combochaos"),
                             QStringLiteral("Combo Chaos on deathmatch maps"), 220, 98, 320);
    for (QCheckBox* on : {WZ_footsteps, WZ_autocrosshair, WZ_allowdmthorns, WZ_combochaos})
        on->setChecked(true);
}

void TFWizwars::BuildExtraPages(QTabWidget*)
{
    // A dedicated server takes 32 bots; the launch keeps a listen server's slot for its host.
    spawnbot->SetRange(1, 32);
    AddLabel(GB_BotProp, QStringLiteral("LabelTeam"), QStringLiteral("Team"), 10, 124, 45);
    AddSideRadios(GB_BotProp,
                  {{QStringLiteral("WZ_TeamAuto"), QStringLiteral("Auto"), QStringLiteral("0")},
                   {QStringLiteral("WZ_TeamBlue"), QStringLiteral("Blue"), QStringLiteral("1")},
                   {QStringLiteral("WZ_TeamRed"), QStringLiteral("Red"), QStringLiteral("2")}},
                  60, 124, 120);
    WZ_TeamAuto = SideRadios[0];
    WZ_TeamBlue = SideRadios[1];
    WZ_TeamRed = SideRadios[2];
}

void TFWizwars::AfterBotSection(const TIniFile&, const QString&)
{
    // With the worst skill at the left the sliders show no marks, as the mod's window does.
    if (Logic().State.Skill0 == QStringLiteral("worst"))
        for (QSlider* s : {defskill, Botskill})
            s->setTickPosition(QSlider::NoTicks);
}
