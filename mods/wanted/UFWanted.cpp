#include "mods/wanted/UFWanted.h"

#include "core/UQOR.h"
#include "mods/wanted/UWanted.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

QPointer<TFWanted> FWanted;

TFWanted::TFWanted(QWidget* owner) : TModWindow(UWanted::Logic(), owner)
{
    BuildWindow();
}

TFWanted::~TFWanted() = default;

void TFWanted::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 8, 555, 170);
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 30, 90);
    WT_timelimit = AddNumber(g, QStringLiteral("WT_timelimit"), 0, 90, 2, 110, 26, 56);
    AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 64, 90);
    WT_fraglimit = AddNumber(g, QStringLiteral("WT_fraglimit"), 0, 999, 3, 110, 60, 56);

    QGroupBox* fall = AddGroup(g, QStringLiteral("GB_FallDamages"), QStringLiteral("Fall Damages"),
                               12, 94, 180, 64);
    WT_fallnorm = AddRadio(fall, QStringLiteral("WT_fallnorm"), QStringLiteral("Normal"), 10, 20, 150);
    WT_fallreal = AddRadio(fall, QStringLiteral("WT_fallreal"), QStringLiteral("Realistic"), 10, 40, 150);
    WT_fallnorm->setChecked(true);

    WT_friendlyfire = AddCheck(g, QStringLiteral("WT_friendlyfire"), QStringLiteral("Friendly Fire"),
                               240, 30, 140);
    WT_weaponstay = AddCheck(g, QStringLiteral("WT_weaponstay"), QStringLiteral("Weapons Stay"), 240, 64, 140);
    WT_forcerespawn = AddCheck(g, QStringLiteral("WT_forcerespawn"), QStringLiteral("Force Respawn"),
                               240, 98, 140);
    WT_footsteps = AddCheck(g, QStringLiteral("WT_footsteps"), QStringLiteral("Footsteps"), 400, 30, 140);
    WT_flashlight = AddCheck(g, QStringLiteral("WT_flashlight"), QStringLiteral("Flashlight"), 400, 64, 140);
    WT_autocrosshair = AddCheck(g, QStringLiteral("WT_autocrosshair"), QStringLiteral("AutoCrossHair"),
                                400, 98, 140);
}

void TFWanted::BuildExtraPages(QTabWidget*)
{
    // The number of bots and the difficulty are the mod's own cvars: the template's field and
    // slider (under the mod's names and captions) with the mod's ranges.
    WT_defaultbots = spawnbot;
    WT_defaultbots->SetRange(1, 30);

    LabelDefSkill->resize(100, LabelDefSkill->height());
    defskill->setRange(0, 2);
    Label13->setGeometry(104, 346, 80, Label13->height());
    Label14->hide();
    Label15->setGeometry(288, 346, 80, Label15->height());
    WT_adjbotskill = AddCheck(TS_Bots, QStringLiteral("WT_adjbotskill"),
                              QStringLiteral("Adjust bot difficulty"), 380, 324, 180);

    // The bot's skill runs from Good (1) to Bad (5): no "Default" position.
    Botskill->setRange(1, 5);
    Label16->hide();
    Label1->move(56, Label1->y());

    AddLabel(GB_BotProp, QStringLiteral("LabelShirt"), QStringLiteral("Shirt color"), 10, 134, 80);
    WT_botparam2 = new TNumberEdit(0, 254, 3, GB_BotProp);
    WT_botparam2->setObjectName(QStringLiteral("WT_botparam2"));
    WT_botparam2->setGeometry(100, 130, 60, 22);
    AddLabel(GB_BotProp, QStringLiteral("LabelPants"), QStringLiteral("Pants color"), 10, 168, 80);
    WT_botparam1 = new TNumberEdit(0, 254, 3, GB_BotProp);
    WT_botparam1->setObjectName(QStringLiteral("WT_botparam1"));
    WT_botparam1->setGeometry(100, 164, 60, 22);
    connect(WT_botparam1, &TNumberEdit::Edited, this, &TFWanted::WT_botparam1Change);
    connect(WT_botparam2, &TNumberEdit::Edited, this, &TFWanted::WT_botparam2Change);
}

void TFWanted::WT_botparam1Change()
{
    UQOR::SetBotParam1(ListBot, Logic().Bots(), WT_botparam1->Text());
}

void TFWanted::WT_botparam2Change()
{
    UQOR::SetBotParam2(ListBot, Logic().Bots(), WT_botparam2->Text());
}
