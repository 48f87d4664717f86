#include "mods/dod/UFDod.h"

#include "mods/dod/UDod.h"
#include "platform/IniFile.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

QPointer<TFDod> FDod;

TFDod::TFDod(QWidget* owner) : TModWindow(UDod::Logic(), owner)
{
    BuildWindow();
}

TFDod::~TFDod() = default;

void TFDod::BuildGamePage(QWidget* p)
{
    QGroupBox* g = AddGroup(p, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"), 8, 8, 270, 362);
    AddLabel(g, QStringLiteral("Lab_fraglimit"), QStringLiteral("Frag Limit"), 12, 32, 110);
    DD_fraglimit = AddNumber(g, QStringLiteral("DD_fraglimit"), 0, 999, 3, 140, 28, 56,
                             QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("Lab_timelimit"), QStringLiteral("Time Limit"), 12, 66, 110);
    DD_timelimit = AddNumber(g, QStringLiteral("DD_timelimit"), 0, 90, 2, 140, 62, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("Lab_tkpenalty"), QStringLiteral("Max Team kills"), 12, 100, 110);
    DD_tkpenalty = AddNumber(g, QStringLiteral("DD_tkpenalty"), 0, 15, 2, 140, 96, 56,
                             QStringLiteral("Team kills before a player is kicked (0 = no limit)"));

    QGroupBox* fall = AddGroup(g, QStringLiteral("GB_Fall"), QStringLiteral("Fall Damages"), 12, 134, 246, 56);
    DD_fallnorm = new QRadioButton(QStringLiteral("Normal"), fall);
    DD_fallnorm->setObjectName(QStringLiteral("DD_fallnorm"));
    DD_fallnorm->setGeometry(10, 24, 100, 20);
    DD_fallreal = new QRadioButton(QStringLiteral("Realistic"), fall);
    DD_fallreal->setObjectName(QStringLiteral("DD_fallreal"));
    DD_fallreal->setGeometry(120, 24, 110, 20);
    for (QRadioButton* r : {DD_fallnorm, DD_fallreal})
        connect(r, &QRadioButton::clicked, this, &TFDod::OnChange);

    DD_footsteps = AddCheck(g, QStringLiteral("DD_footsteps"), QStringLiteral("Footsteps"), 12, 204, 240,
                            QStringLiteral("Allows footsteps sounds"));
    DD_flashlight = AddCheck(g, QStringLiteral("DD_flashlight"), QStringLiteral("Flashlight"), 12, 232, 240,
                             QStringLiteral("Allows players to use flashlight"));
    DD_autocrosshair = AddCheck(g, QStringLiteral("DD_autocrosshair"), QStringLiteral("AutoCrossHair"), 12, 260, 240,
                                QStringLiteral("Allows auto-aiming crosshair"));
    DD_friendlyfire = AddCheck(g, QStringLiteral("DD_friendlyfire"), QStringLiteral("Friendly Fire"), 12, 288, 240,
                               QStringLiteral("Allows firing to teammates"));

    GB_misc = AddGroup(p, QStringLiteral("GB_misc"), QStringLiteral("Misc options"), 290, 8, 273, 362);
    // Each key chooser stands in its caption, as wide as the longest key name.
    int y = 30;
    Lab_Botmenu = AddLabel(GB_misc, QStringLiteral("Lab_Botmenu"),
                           QStringLiteral("Bind                             for in-game bot menu"), 10, y);
    DD_botmenu = AddCombo(GB_misc, QStringLiteral("DD_botmenu"), {}, 0, 0, 100,
                          QStringLiteral("Key that opens the bot program's menu in the game"));
    y += PlaceKeyChooser(Lab_Botmenu, DD_botmenu, QStringLiteral("Bind")) + 12;
    Lab_ExecKey = AddLabel(GB_misc, QStringLiteral("Lab_ExecKey"),
                           QStringLiteral("Bind                             to spawn the bots"), 10, y);
    DD_ExecKey = AddCombo(GB_misc, QStringLiteral("DD_ExecKey"), {}, 0, 0, 100,
                          QStringLiteral("Key that adds the bots in the game"));
    y += PlaceKeyChooser(Lab_ExecKey, DD_ExecKey, QStringLiteral("Bind")) + 16;
    KeyChoosers = {DD_botmenu, DD_ExecKey};

    Lab_min_reaction = AddLabel(GB_misc, QStringLiteral("Lab_min_reaction"), QStringLiteral("Min. Reaction Time"),
                                10, y + 4, 150);
    DD_min_reaction = AddNumber(GB_misc, QStringLiteral("DD_min_reaction"), 0, 400, 3, 170, y, 60,
                                QStringLiteral("Shortest reaction of a bot, in hundredths of a second"));
    y += 34;
    Lab_max_reaction = AddLabel(GB_misc, QStringLiteral("Lab_max_reaction"), QStringLiteral("Max. Reaction Time"),
                                10, y + 4, 150);
    DD_max_reaction = AddNumber(GB_misc, QStringLiteral("DD_max_reaction"), 0, 400, 3, 170, y, 60,
                                QStringLiteral("Longest reaction of a bot, in hundredths of a second"));
    y += 32;
    DD_Rank = AddCheck(GB_misc, QStringLiteral("DD_Rank"), QStringLiteral("Rank"), 10, y, 200);
    DD_botchat = AddCheck(GB_misc, QStringLiteral("DD_botchat"), QStringLiteral("Bots chat"), 10, y + 28, 200);
    DD_grenade = AddCheck(GB_misc, QStringLiteral("DD_grenade"), QStringLiteral("Bots use grenades"), 10, y + 56, 200);
    // Without a bot store the first save writes Sturmbot's own timings.
    DD_min_reaction->SetText(QStringLiteral("70"));
    DD_max_reaction->SetText(QStringLiteral("120"));
    for (QWidget* w : std::initializer_list<QWidget*>{GB_misc, Lab_Botmenu, DD_botmenu, Lab_ExecKey, DD_ExecKey,
                                                      Lab_min_reaction, DD_min_reaction, Lab_max_reaction,
                                                      DD_max_reaction, DD_Rank, DD_botchat, DD_grenade})
        w->hide();
}

void TFDod::BuildExtraPages(QTabWidget*)
{
    // The Auto side's classes carry both names ("Assault / Sturmtruppen"): the name field and
    // the class chooser take a little of the picture's width so that they show whole.
    botname->resize(158, botname->height());
    botmodel->resize(158, botmodel->height());
    if (auto* frame = GB_BotProp->findChild<QFrame*>(QStringLiteral("PanelBotPic"))) {
        frame->setGeometry(214, 20, 145, 204);
        BotPic->setGeometry(2, 2, 141, 200);
    }

    AddLabel(GB_BotProp, QStringLiteral("LabelTeam"), QStringLiteral("Team"), 10, 124, 45);
    AddSideRadios(GB_BotProp,
                  {{QStringLiteral("DD_BotAl"), QStringLiteral("Allies"), QStringLiteral("1")},
                   {QStringLiteral("DD_BotAx"), QStringLiteral("Axis"), QStringLiteral("2")},
                   {QStringLiteral("DD_BotA"), QStringLiteral("Auto"), QStringLiteral("0")}},
                  60, 124, 130);
    DD_BotAl = SideRadios[0];
    DD_BotAx = SideRadios[1];
    DD_BotA = SideRadios[2];

    DD_Minskill = new QSlider(Qt::Horizontal, TS_Bots);
    DD_Minskill->setObjectName(QStringLiteral("DD_Minskill"));
    DD_Minskill->setRange(1, 5);
    DD_Minskill->hide();
    CoupleMinSkill(DD_Minskill);
}

void TFDod::AfterBotSection(const TIniFile& modsIni, const QString& bot)
{
    const UDod::TDod& logic = UDod::Logic();
    {
        const QSignalBlocker block(DD_Minskill);
        DD_Minskill->setMaximum(logic.MaxSkill());
        DD_Minskill->setValue(modsIni.ReadInteger(bot, QStringLiteral("minskill"), 1));
    }
    if (!logic.BotMenuCmd.isEmpty())
        for (QWidget* w : std::initializer_list<QWidget*>{GB_misc, Lab_Botmenu, DD_botmenu})
            w->show();
    if (!logic.ExecCmd.isEmpty())
        for (QWidget* w : std::initializer_list<QWidget*>{GB_misc, Lab_ExecKey, DD_ExecKey})
            w->show();
    if (bot == UDod::Sturmbot)
        for (QWidget* w : std::initializer_list<QWidget*>{GB_misc, Lab_min_reaction, DD_min_reaction,
                                                          Lab_max_reaction, DD_max_reaction, DD_Rank})
            w->show();
}
