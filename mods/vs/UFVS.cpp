#include "mods/vs/UFVS.h"

#include "mods/vs/UVS.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QGroupBox>

QPointer<TFVS> FVS;

TFVS::TFVS(QWidget* owner) : TModWindow(UVS::Logic(), owner)
{
    BuildWindow();
}

TFVS::~TFVS() = default;

void TFVS::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 8, 555, 136);
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 30, 90);
    VS_timelimit = AddNumber(g, QStringLiteral("VS_timelimit"), 0, 90, 2, 110, 26, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelRoundTime"), QStringLiteral("Round Time"), 12, 64, 90);
    VS_roundtime = AddNumber(g, QStringLiteral("VS_roundtime"), 0, 999, 3, 110, 60, 56,
                             QStringLiteral("Maximum duration of round in minutes (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelRoundsWon"), QStringLiteral("Rounds Won"), 12, 98, 90);
    VS_roundlimit = AddNumber(g, QStringLiteral("VS_roundlimit"), 0, 90, 2, 110, 94, 56,
                              QStringLiteral("Number of  rounds to win before map change (0 = infinite)"));

    VS_friendlyfire = AddCheck(g, QStringLiteral("VS_friendlyfire"), QStringLiteral("Friendly Fire"),
                               220, 30, 150);
    VS_nodraws = AddCheck(g, QStringLiteral("VS_nodraws"), QStringLiteral("Disable Draws"), 220, 64, 150,
                          QStringLiteral("Disable Draws (Slayers must slay)"));
    VS_tkkill = AddCheck(g, QStringLiteral("VS_tkkill"), QStringLiteral("Kills the tk'ers"), 220, 98, 150,
                         QStringLiteral("Instantly kills the team killers"));
    VS_autobalance = AddCheck(g, QStringLiteral("VS_autobalance"), QStringLiteral("Autobalance Teams"),
                              390, 30, 150);
    VS_flashlight = AddCheck(g, QStringLiteral("VS_flashlight"), QStringLiteral("Flashlight"), 390, 64, 150);
    VS_decap = AddCheck(g, QStringLiteral("VS_decap"), QStringLiteral("Decapitations"), 390, 98, 150,
                        QStringLiteral("Enables  slayer decapitation"));
}
