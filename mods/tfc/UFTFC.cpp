#include "mods/tfc/UFTFC.h"

#include "mods/common/OddBot.h"
#include "mods/tfc/UTFC.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

QPointer<TFTFC> FTFC;

TFTFC::TFTFC(QWidget* owner) : TModWindow(UTFC::Logic(), owner)
{
    BuildWindow();
}

TFTFC::~TFTFC() = default;

void TFTFC::BuildGamePage(QWidget* p)
{
    AddLabel(p, QStringLiteral("Lab_fraglimit"), QStringLiteral("Frag Limit"), 12, 16, 100);
    TF_fraglimit = AddNumber(p, QStringLiteral("TF_fraglimit"), 0, 999, 3, 120, 12, 56,
                             QStringLiteral("Frags a player must reach before changing map (0 = infinite)"));
    AddLabel(p, QStringLiteral("Lab_timelimit"), QStringLiteral("Time Limit"), 12, 48, 100);
    TF_timelimit = AddNumber(p, QStringLiteral("TF_timelimit"), 0, 90, 2, 120, 44, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(p, QStringLiteral("Lab_respawndelay"), QStringLiteral("Respawn delay"), 12, 80, 100);
    TF_respawndelay = AddNumber(p, QStringLiteral("TF_respawndelay"), 0, 15, 2, 120, 76, 56,
                                QStringLiteral("Seconds a killed player waits before respawning (0 to 15)"));

    TF_footsteps = AddCheck(p, QStringLiteral("TF_footsteps"), QStringLiteral("Footsteps"), 12, 116, 200,
                            QStringLiteral("Allows footsteps sounds"));
    TF_Balance = AddCheck(p, QStringLiteral("TF_Balance"), QStringLiteral("Balance teams"), 12, 142, 200,
                          QStringLiteral("Players cannot join the bigger team"));
    TF_Botshoot = AddCheck(p, QStringLiteral("TF_Botshoot"), QStringLiteral("Bots don't shoot"), 12, 168, 200);
    TF_Birthday = AddCheck(p, QStringLiteral("TF_Birthday"), QStringLiteral("Happy Birthday !"), 12, 194, 200,
                           QStringLiteral("Party hats and balloons"));

    // The four damage rules between teammates, each Full, Half or None.
    const QStringList rules{QStringLiteral("Full"), QStringLiteral("Half"), QStringLiteral("None")};
    struct TRule {
        const char* Name;
        const char* First;
        const char* Second;
        QComboBox** Combo;
    };
    const TRule table[] = {
        {"TeamPlay_2", "Damages taken on body", "from a teammate direct shot", &TeamPlay_2},
        {"TeamPlay_8", "Damages taken on body", "from a teammate deflagration", &TeamPlay_8},
        {"TeamPlay_128", "Damages taken on armor", "from a teammate direct shot", &TeamPlay_128},
        {"TeamPlay_512", "Damages taken on armor", "from a teammate deflagration", &TeamPlay_512},
    };
    int y = 10;
    for (const TRule& r : table) {
        const QString name = QString::fromLatin1(r.Name);
        AddLabel(p, QStringLiteral("Lab_") + name,
                 QString::fromLatin1(r.First) + QLatin1Char('\n') + QString::fromLatin1(r.Second), 280, y, 200, 34);
        QComboBox* c = AddCombo(p, name, rules, 486, y + 6, 76);
        // A drop-down list: typed letters would change the rule unseen.
        c->installEventFilter(this);
        *r.Combo = c;
        y += 46;
    }

    GB_Options = AddGroup(p, QStringLiteral("GB_Options"), QStringLiteral("options"), 8, 222, 555, 146);
    QWidget* g = GB_Options;
    // Each scale's caption spans its slider: the words at its ends stand over the slider's ends.
    auto scale = [&](QLabel*& label, QSlider*& slider, const char* name, const QString& caption, int maximum,
                     int step, int x, int y, const QString& hint) {
        label = AddLabel(g, QStringLiteral("Lab_") + QString::fromLatin1(name), caption, x, y);
        slider = AddSlider(g, QStringLiteral("TF_") + QString::fromLatin1(name), 0, maximum, x, y + 18,
                           qMax(200, label->width()), step, hint);
    };
    scale(Lab_strafe, TF_strafe, "strafe", QStringLiteral("Strafe :    Low                                   High"),
          100, 10, 12, 20, QStringLiteral("How often the bots strafe"));
    scale(Lab_grenade, TF_grenade, "grenade", QStringLiteral("Grenade :  0                                     60 sec."),
          60, 5, 12, 74, QStringLiteral("Seconds between two grenades of a bot"));
    scale(Lab_logo, TF_logo, "logo", QStringLiteral("Tag :  Never                                     Always "), 100,
          10, 290, 20, QStringLiteral("How often the bots spray their logo"));
    TF_Bottarget = AddCheck(g, QStringLiteral("TF_Bottarget"), QStringLiteral("Bots don't target"), 12, 24, 200);
    Lab_reaction = AddLabel(g, QStringLiteral("Lab_reaction"), QStringLiteral("Reaction Time"), 290, 82, 100);
    TF_Reaction_Time = AddCombo(g, QStringLiteral("TF_Reaction_Time"),
                                {QStringLiteral("Disabled"), QStringLiteral("Short"), QStringLiteral("Moderate"),
                                 QStringLiteral("Long")},
                                398, 78, 110);
    for (QWidget* w : std::initializer_list<QWidget*>{TF_Bottarget, Lab_strafe, TF_strafe, Lab_grenade, TF_grenade,
                                                      Lab_logo, TF_logo, Lab_reaction, TF_Reaction_Time})
        w->hide();
    GB_Options->hide();
    // Without a bot store the first save writes the bot programs' own defaults.
    TF_strafe->setValue(20);
    TF_grenade->setValue(15);
    TF_logo->setValue(40);
    TF_Reaction_Time->setCurrentIndex(0);
}

void TFTFC::BuildExtraPages(QTabWidget*)
{
    spawnbot->SetRange(1, 32);
    Label75 = ChatNote;

    AddLabel(GB_BotProp, QStringLiteral("LabelTeam"), QStringLiteral("Team"), 10, 124, 45);
    AddSideRadios(GB_BotProp,
                  {{QStringLiteral("TF_TeamAuto"), QStringLiteral("Auto"), QStringLiteral("0")},
                   {QStringLiteral("TF_TeamBlue"), QStringLiteral("Blue"), QStringLiteral("1")},
                   {QStringLiteral("TF_TeamRed"), QStringLiteral("Red"), QStringLiteral("2")}},
                  60, 124, 120);
    TF_TeamAuto = SideRadios[0];
    TF_TeamBlue = SideRadios[1];
    TF_TeamRed = SideRadios[2];

    if (TS_Chat) {
        TF_botchat = AddCheck(TS_Chat, QStringLiteral("TF_botchat"), QStringLiteral("Bots chat"), 8, 306, 200,
                              QStringLiteral("The bots send chat messages"));
        TF_botchat->hide();
    }
}

void TFTFC::AfterBotSection(const TIniFile&, const QString& bot)
{
    if (Logic().State.Skill0 == QStringLiteral("worst")) {
        // The scale reads the other way round: no marks that suggest an order.
        defskill->setTickPosition(QSlider::NoTicks);
        Botskill->setTickPosition(QSlider::NoTicks);
    }
    auto show = [](std::initializer_list<QWidget*> widgets) {
        for (QWidget* w : widgets)
            if (w)
                w->show();
    };
    if (bot == UTFC::Abot) {
        GB_Options->setTitle(QStringLiteral("Abot options"));
        show({GB_Options, TF_Bottarget});
    } else if (bot == UTFC::FoxBot) {
        show({TF_botchat});
    } else if (bot == UTFC::HpbBot) {
        GB_Options->setTitle(QStringLiteral("HPB_Bot options"));
        show({GB_Options, Lab_strafe, TF_strafe, Lab_grenade, TF_grenade, Lab_logo, TF_logo, Lab_reaction,
              TF_Reaction_Time, Chatfreq, chatfreq_kill, Chatfreq_died, Lab_chatfreq, Lab_chatkill,
              Lab_chatdied});
    } else if (bot == OddBot::Name) {
        ShowChatFiles(OddBot::ChatFiles());
        show({Lab_chatfreq, Chatfreq});
        Label75->setText(QStringLiteral("%s  can be used to insert the player's name."));
    }
}

bool TFTFC::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        const bool chooser = watched == TeamPlay_2 || watched == TeamPlay_8 || watched == TeamPlay_128 ||
                             watched == TeamPlay_512;
        // The rules are chosen from the list only: typed characters do not search it.
        if (chooser && !key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
    }
    return TModWindow::eventFilter(watched, e);
}
