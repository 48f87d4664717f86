#include "mods/goldeneye/UFGoldeneye.h"

#include "mods/goldeneye/UGoldeneye.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

QPointer<TFGoldeneye> FGoldeneye;

TFGoldeneye::TFGoldeneye(QWidget* owner) : TModWindow(UGoldeneye::Logic(), owner)
{
    BuildWindow();
}

TFGoldeneye::~TFGoldeneye() = default;

void TFGoldeneye::BuildGamePage(QWidget* page)
{
    QGroupBox* type = AddGroup(page, QStringLiteral("GB_GameType"), QStringLiteral("Game Type"), 8, 8,
                               555, 58);
    GE_rules = AddCombo(type, QStringLiteral("GE_rules"),
                        {QStringLiteral("Deathmatch"), QStringLiteral("Teamplay"),
                         QStringLiteral("Licensed to Kill DM"), QStringLiteral("Man with The Golden Gun")},
                        12, 24, 220);

    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 74, 555, 160);
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 30, 110);
    GE_timelimit = AddNumber(g, QStringLiteral("GE_timelimit"), 0, 90, 2, 130, 26, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 62, 110);
    GE_fraglimit = AddNumber(g, QStringLiteral("GE_fraglimit"), 0, 999, 3, 130, 58, 56,
                             QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));
    const QString spyHint =
        QStringLiteral("Max. number of rounds a player can be the Spy (only on ge3 maps)");
    AddLabel(g, QStringLiteral("LabelSpyChange"), QStringLiteral("Max. Spy rounds"), 12, 94, 110)
        ->setToolTip(spyHint);
    GE_spychange = AddNumber(g, QStringLiteral("GE_spychange"), 0, 999, 3, 130, 90, 56, spyHint);

    QGroupBox* fall = AddGroup(g, QStringLiteral("GB_FallDamages"), QStringLiteral("Fall Damages"),
                               210, 22, 130, 68);
    GE_fallnorm = AddRadio(fall, QStringLiteral("GE_fallnorm"), QStringLiteral("Normal"), 10, 20, 110);
    GE_fallreal = AddRadio(fall, QStringLiteral("GE_fallreal"), QStringLiteral("Realistic"), 10, 42, 110);
    GE_fallnorm->setChecked(true);

    GE_friendlyfire = AddCheck(g, QStringLiteral("GE_friendlyfire"), QStringLiteral("Friendly Fire"),
                               210, 100, 130);
    GE_footsteps = AddCheck(g, QStringLiteral("GE_footsteps"), QStringLiteral("Footsteps"), 210, 126, 130);
    GE_flashlight = AddCheck(g, QStringLiteral("GE_flashlight"), QStringLiteral("Flashlight"), 380, 22, 160);
    GE_forcerespawn = AddCheck(g, QStringLiteral("GE_forcerespawn"), QStringLiteral("Force Respawn"),
                               380, 48, 160);
    GE_autocrosshair = AddCheck(g, QStringLiteral("GE_autocrosshair"), QStringLiteral("AutoCrossHair"),
                                380, 74, 160);
    GE_allowradar = AddCheck(g, QStringLiteral("GE_allowradar"), QStringLiteral("Allow Radar"), 380, 100,
                             160, QStringLiteral("Display radar in the corner of the screen"));
    GE_allowarmor = AddCheck(g, QStringLiteral("GE_allowarmor"), QStringLiteral("Allow Armor"), 380, 126,
                             160, QStringLiteral("Allow usage of body armor"));
    for (QCheckBox* on : {GE_footsteps, GE_flashlight, GE_autocrosshair, GE_allowradar, GE_allowarmor})
        on->setChecked(true);

    QGroupBox* misc = AddGroup(page, QStringLiteral("GB_Misc"), QStringLiteral("Misc"), 8, 242, 555, 124);
    AddLabel(misc, QStringLiteral("LabelBotNote"),
             QStringLiteral("The bots are automatically spawned only in\n"
                            "pure Deathmatch mode.\n"
                            "If you play other modes, select a key to\n"
                            "create the bots when the game starts."),
             12, 22, 320, 66);
    QLabel* bind = AddLabel(misc, QStringLiteral("Lab_Botmenu"),
                            QStringLiteral("Bind                                 to create the bots"),
                            12, 94);
    GE_botmenu = AddCombo(misc, QStringLiteral("GE_botmenu"), {}, 0, 0, 120,
                          QStringLiteral("Key that creates the bots in the game"));
    // A key is chosen from the list or typed; what is typed is not added to the list.
    GE_botmenu->setEditable(true);
    GE_botmenu->setInsertPolicy(QComboBox::NoInsert);
    connect(GE_botmenu->lineEdit(), &QLineEdit::textEdited, this, &TModWindow::OnChange);
    PlaceInCaptionGap(bind, GE_botmenu, QStringLiteral("Bind"));
    KeyChoosers = {GE_botmenu};
}

void TFGoldeneye::BuildExtraPages(QTabWidget*)
{
    // The mod adds every bot of its list: there is no number of bots to choose.
    Label86->hide();
    spawnbot->hide();
    // The list and the bot's properties take the place the count leaves.
    GB_BotList->move(GB_BotList->x(), 6);
    // A bot read without a name has no place for a skill on its line (the name comes first);
    // once it is given a name, it can have one.
    connect(botname, &QLineEdit::textEdited, this, [this] {
        Botskill->setEnabled(!UGoldeneye::Logic().ShownBotUnnamed());
    });
}
