#include "mods/frontline/UFFrontline.h"

#include "mods/common/OddBot.h"
#include "mods/frontline/UFrontline.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

QPointer<TFFrontline> FFrontline;

TFFrontline::TFFrontline(QWidget* owner) : TModWindow(UFrontline::Logic(), owner)
{
    BuildWindow();
}

TFFrontline::~TFFrontline() = default;

void TFFrontline::BuildGamePage(QWidget* p)
{
    QGroupBox* g = AddGroup(p, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"), 8, 8, 270, 362);
    AddLabel(g, QStringLiteral("Lab_timelimit"), QStringLiteral("Time Limit"), 12, 32, 100);
    FL_timelimit = AddNumber(g, QStringLiteral("FL_timelimit"), 0, 90, 2, 130, 28, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("Lab_roundlimit"), QStringLiteral("Score Limit"), 12, 66, 100);
    FL_roundlimit = AddNumber(g, QStringLiteral("FL_roundlimit"), 0, 999, 3, 130, 62, 56,
                              QStringLiteral("Score a team must reach before changing map (0 = infinite)"));
    FL_friendlyfire = AddCheck(g, QStringLiteral("FL_friendlyfire"), QStringLiteral("Friendly Fire"), 12, 104, 240,
                               QStringLiteral("Allows firing to teammates"));
    FL_footsteps = AddCheck(g, QStringLiteral("FL_footsteps"), QStringLiteral("Footsteps"), 12, 132, 240,
                            QStringLiteral("Allows footsteps sounds"));
    FL_flashlight = AddCheck(g, QStringLiteral("FL_flashlight"), QStringLiteral("Flashlight"), 12, 160, 240,
                             QStringLiteral("Allows players to use flashlight"));
    FL_autoteambalance = AddCheck(g, QStringLiteral("FL_autoteambalance"), QStringLiteral("Auto Team Balance"),
                                  12, 188, 240, QStringLiteral("Moves players to keep the teams even"));
    FL_forcebalance = AddCheck(g, QStringLiteral("FL_forcebalance"), QStringLiteral("Force Balance"), 12, 216, 240,
                               QStringLiteral("Players cannot join the bigger team"));

    GB_misc = AddGroup(p, QStringLiteral("GB_misc"), QStringLiteral("Misc Options"), 290, 8, 273, 362);
    AddLabel(GB_misc, QStringLiteral("Lab_strafe"), QStringLiteral("Strafe"), 12, 32, 130);
    FL_strafe = AddNumber(GB_misc, QStringLiteral("FL_strafe"), 0, 100, 3, 150, 28, 56,
                          QStringLiteral("How often the bots strafe (percent)"));
    AddLabel(GB_misc, QStringLiteral("Lab_grenade"), QStringLiteral("Grenade"), 12, 66, 130);
    FL_grenade = AddNumber(GB_misc, QStringLiteral("FL_grenade"), 0, 60, 2, 150, 62, 56,
                           QStringLiteral("Seconds between two grenades of a bot"));
    AddLabel(GB_misc, QStringLiteral("Lab_logo"), QStringLiteral("Tag"), 12, 100, 130);
    FL_logo = AddNumber(GB_misc, QStringLiteral("FL_logo"), 0, 100, 3, 150, 96, 56,
                        QStringLiteral("How often the bots spray their logo (percent)"));
    AddLabel(GB_misc, QStringLiteral("Lab_Reaction_Time"), QStringLiteral("Reaction Time"), 12, 134, 130);
    FL_Reaction_Time = AddCombo(GB_misc, QStringLiteral("FL_Reaction_Time"),
                                {QStringLiteral("Disabled"), QStringLiteral("Short"),
                                 QStringLiteral("Moderate"), QStringLiteral("Long")},
                                150, 130, 110);
    FL_Botshoot = AddCheck(GB_misc, QStringLiteral("FL_Botshoot"), QStringLiteral("Bots don't shoot"), 12, 170, 240);
    FL_dodge_bullets = AddCheck(GB_misc, QStringLiteral("FL_dodge_bullets"), QStringLiteral("Bots dodge bullets"),
                                12, 198, 240);
    FL_dodge_bullets->hide();
    GB_misc->hide();
    // Without a bot store the first save writes the bot program's own defaults.
    FL_strafe->SetText(QStringLiteral("20"));
    FL_grenade->SetText(QStringLiteral("15"));
    FL_logo->SetText(QStringLiteral("40"));
    FL_Reaction_Time->setCurrentIndex(0);
}

void TFFrontline::BuildExtraPages(QTabWidget*)
{
    spawnbot->SetRange(1, 32);
    Label75 = ChatNote;

    AddLabel(GB_BotProp, QStringLiteral("LabelTeam"), QStringLiteral("Team"), 10, 124, 45);
    AddSideRadios(GB_BotProp,
                  {{QStringLiteral("FL_TeamAuto"), QStringLiteral("Auto"), QStringLiteral("0")},
                   {QStringLiteral("FL_TeamRebel"), QStringLiteral("Rebels"), QStringLiteral("1")},
                   {QStringLiteral("FL_TeamCommando"), QStringLiteral("Commandos"), QStringLiteral("2")}},
                  60, 124, 130);
    FL_TeamAuto = SideRadios[0];
    FL_TeamRebel = SideRadios[1];
    FL_TeamCommando = SideRadios[2];
}

void TFFrontline::AfterBotSection(const TIniFile&, const QString& bot)
{
    const TModLogic::TState& st = Logic().State;
    if (st.Skill0 == QStringLiteral("worst")) {
        // The scale reads the other way round: no marks that suggest an order.
        defskill->setTickPosition(QSlider::NoTicks);
        Botskill->setTickPosition(QSlider::NoTicks);
    }
    const QString nameNote = QStringLiteral("%s  can be used to insert the player's name.");
    if (bot == UFrontline::HpbBot) {
        GB_misc->show();
        for (QWidget* w : std::initializer_list<QWidget*>{Chatfreq, chatfreq_kill, Chatfreq_died, Lab_chatfreq,
                                                          Lab_chatkill, Lab_chatdied})
            w->show();
        Label75->setText(nameNote);
    } else if (bot == UFrontline::OddBot) {
        ShowChatFiles(OddBot::ChatFiles());
        Chatfreq->show();
        Lab_chatfreq->show();
        Label75->setText(nameNote);
    }
}
