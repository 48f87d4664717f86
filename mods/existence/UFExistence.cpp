#include "mods/existence/UFExistence.h"

#include "mods/existence/UExistence.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

QPointer<TFExistence> FExistence;

TFExistence::TFExistence(QWidget* owner) : TModWindow(UExistence::Logic(), owner)
{
    BuildWindow();
}

TFExistence::~TFExistence() = default;

void TFExistence::BuildGamePage(QWidget* p)
{
    QGroupBox* g = AddGroup(p, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"), 8, 8, 555, 250);
    AddLabel(g, QStringLiteral("Lab_timelimit"), QStringLiteral("Time Limit"), 12, 32, 100);
    EX_timelimit = AddNumber(g, QStringLiteral("EX_timelimit"), 0, 90, 2, 120, 28, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("Lab_restarttime"), QStringLiteral("Restart Time"), 12, 66, 100);
    EX_restarttime = AddNumber(g, QStringLiteral("EX_restarttime"), 0, 90, 2, 120, 62, 56,
                               QStringLiteral("Time in seconds until the next round starts"));
    AddLabel(g, QStringLiteral("Lab_Jailtime"), QStringLiteral("Jail Time"), 12, 100, 100);
    EX_Jailtime = AddNumber(g, QStringLiteral("EX_Jailtime"), 1, 10, 2, 120, 96, 56,
                            QStringLiteral("Minutes the Agents must hold a prisoner to win the round"));
    EX_restarttime->SetText(QStringLiteral("10"));
    EX_Jailtime->SetText(QStringLiteral("3"));

    QGroupBox* fall = AddGroup(g, QStringLiteral("GB_Fall"), QStringLiteral("Fall Damages"), 12, 134, 246, 56);
    EX_fallnorm = new QRadioButton(QStringLiteral("Normal"), fall);
    EX_fallnorm->setObjectName(QStringLiteral("EX_fallnorm"));
    EX_fallnorm->setGeometry(10, 24, 100, 20);
    EX_fallreal = new QRadioButton(QStringLiteral("Realistic"), fall);
    EX_fallreal->setObjectName(QStringLiteral("EX_fallreal"));
    EX_fallreal->setGeometry(120, 24, 110, 20);
    for (QRadioButton* r : {EX_fallnorm, EX_fallreal})
        connect(r, &QRadioButton::clicked, this, &TFExistence::OnChange);

    EX_friendlyfire = AddCheck(g, QStringLiteral("EX_friendlyfire"), QStringLiteral("Friendly Fire"), 300, 32, 220,
                               QStringLiteral("Allows firing to teammates"));
    EX_footsteps = AddCheck(g, QStringLiteral("EX_footsteps"), QStringLiteral("Footsteps"), 300, 66, 220,
                            QStringLiteral("Allows footsteps sounds"));
    EX_flashlight = AddCheck(g, QStringLiteral("EX_flashlight"), QStringLiteral("Flashlight"), 300, 100, 220,
                             QStringLiteral("Allows players to use flashlight"));
    EX_autocrosshair = AddCheck(g, QStringLiteral("EX_autocrosshair"), QStringLiteral("AutoCrossHair"), 300, 134, 220,
                                QStringLiteral("Allows auto-aiming crosshair"));
}

void TFExistence::BuildExtraPages(QTabWidget*)
{
    spawnbot->SetRange(1, 13);
    spawnbot->setToolTip(QStringLiteral("Number of bots to spawn in the game."));
    AddLabel(GB_BotProp, QStringLiteral("LabelTeam"), QStringLiteral("Team"), 10, 124, 45);
    AddSideRadios(GB_BotProp,
                  {{QStringLiteral("EX_BotAl"), QStringLiteral("Rebels"), QStringLiteral("1")},
                   {QStringLiteral("EX_BotAx"), QStringLiteral("Agents"), QStringLiteral("2")}},
                  60, 124, 130);
    EX_BotAl = SideRadios[0];
    EX_BotAx = SideRadios[1];
}
