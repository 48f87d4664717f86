#include "mods/op4/UFop4.h"

#include "core/UInit.h"
#include "mods/common/BotProperties.h"
#include "mods/common/TeamPanel.h"
#include "mods/op4/UOp4.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

QPointer<TFOp4> FOp4;


TFOp4::TFOp4(QWidget* owner) : TModWindow(UOp4::Logic(), owner)
{
    BuildWindow();
}

TFOp4::~TFOp4() = default;

void TFOp4::BuildGamePage(QWidget* p)
{
    auto* panel = new TTeamPanel(*this, QStringLiteral("OF_team"), 10);
    // Capture the Flag is played by the two sides, not by the teams.
    panel->TeamGameTypes = {UOp4::Teamplay};
    QGroupBox* type = AddGroup(p, QStringLiteral("GB_GameType"), QStringLiteral("Game Type"), 8, 8, 280, 76);
    panel->BuildGameTypeChooser(type, 12, 22, UOp4::GameTypes());
    OF_Gametype = panel->GameType;
    OF_Gametype->setToolTip(QStringLiteral("Type of game you want to play"));
    // The mod's own change: its models, sides and maps follow the game type too.
    disconnect(OF_Gametype, &QComboBox::activated, panel, nullptr);
    connect(OF_Gametype, &QComboBox::activated, this, &TFOp4::OF_GametypeChange);
    panel->LabelNumTeam->resize(panel->LabelNumTeam->sizeHint());

    QGroupBox* g = AddGroup(p, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"), 8, 84, 280, 282);
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 28, 94);
    AddNumber(g, QStringLiteral("OF_timelimit"), 0, 90, 2, 110, 24, 56,
              QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 56, 94);
    AddNumber(g, QStringLiteral("OF_fraglimit"), 0, 999, 3, 110, 52, 56,
              QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));
    Label8 = AddLabel(g, QStringLiteral("Label8"), QStringLiteral("CTF Limit"), 12, 84, 94);
    OF_ctf_capture = AddNumber(g, QStringLiteral("OF_ctf_capture"), 0, 999, 3, 110, 80, 56,
                               QStringLiteral("Flag captures before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelFallDamages"), QStringLiteral("Fall Damages"), 12, 112, 94);
    const QString fallHint = QStringLiteral("Type of damages applied when a player falls");
    AddRadio(g, QStringLiteral("OF_fallnorm"), QStringLiteral("Normal"), 110, 110, 76, fallHint)->setChecked(true);
    AddRadio(g, QStringLiteral("OF_fallreal"), QStringLiteral("Realistic"), 190, 110, 86, fallHint);
    const struct {
        const char* Name;
        const char* Caption;
        const char* Hint;
        bool On;
        int Column;
        int Row;
    } boxes[] = {
        {"OF_friendlyfire", "Friendly Fire", "Allows firing to teammates", false, 0, 0},
        {"OF_weaponstay", "Weapons Stay", "Weapon remains after a player picked it up", false, 0, 1},
        {"OF_forcerespawn", "Force Respawn", "Forces a player to respawn immediatly when killed", false, 0, 2},
        {"OF_footsteps", "Footsteps", "Allows footsteps sounds", true, 0, 3},
        {"OF_autocrosshair", "AutoCrossHair", "Allows auto-aiming crosshair", true, 1, 0},
        {"OF_ctf_autoteam", "CTF Auto Team", "Puts the players who join into a side", true, 1, 1},
        {"OF_Bottarget", "Bots don't target", "The bots do not shoot at the players", false, 1, 2},
    };
    for (const auto& b : boxes) {
        QCheckBox* box = AddCheck(g, QString::fromLatin1(b.Name), QString::fromLatin1(b.Caption),
                                  12 + b.Column * 132, 142 + b.Row * 24, b.Column ? 136 : 124,
                                  QString::fromLatin1(b.Hint));
        box->setChecked(b.On);
        if (QLatin1String(b.Name) == QLatin1String("OF_Bottarget"))
            OF_Bottarget = box;
    }
    Lab_reaction = AddLabel(g, QStringLiteral("Lab_reaction"), QStringLiteral("Reaction Time"), 12, 246, 94);
    OF_Reaction_Time = AddCombo(g, QStringLiteral("OF_Reaction_Time"),
                                {QStringLiteral("Disabled"), QStringLiteral("Short"), QStringLiteral("Moderate"),
                                 QStringLiteral("Long")},
                                110, 242, 110, QStringLiteral("How long the bots take to react"));
    OF_Reaction_Time->setCurrentIndex(0);
    Lab_reaction->hide();
    OF_Reaction_Time->hide();

    QGroupBox* teams = AddGroup(p, QStringLiteral("GB_TeamsSettings"), QStringLiteral("Teams Settings"),
                                296, 8, 270, 358);
    panel->BuildTeams(teams, 12, 24, 32);
}

void TFOp4::BuildExtraPages(QTabWidget*)
{
    spawnbot->SetRange(1, 32);

    // HPB Bot's settings beside the number of bots; their defaults are the bot program's own, so
    // a first save without a store writes those.
    const struct {
        TNumberEdit** Field;
        const char* Name;
        const char* Caption;
        int Max;
        const char* Default;
        int X;
        const char* Hint;
    } fields[] = {
        {&OF_strafe, "OF_strafe", "Strafe %", 100, "20", 186, "How often the bots strafe (percent)"},
        {&OF_logo, "OF_logo", "Logo %", 100, "40", 300, "How often the bots spray their logo (percent)"},
        {&OF_grenade, "OF_grenade", "Grenade time", 60, "15", 412, "Seconds between two grenades of a bot"},
    };
    for (const auto& f : fields) {
        QLabel* l = AddLabel(TS_Bots, QStringLiteral("Lab_") + QString::fromLatin1(f.Name + 3),
                             QString::fromLatin1(f.Caption), f.X, 10);
        *f.Field = AddNumber(TS_Bots, QString::fromLatin1(f.Name), 0, f.Max, 3, f.X + l->width() + 6, 6, 44,
                             QString::fromLatin1(f.Hint));
        (*f.Field)->SetText(QString::fromLatin1(f.Default));
        HpbOptions << l << *f.Field;
    }

    Lab_model = LabelModel;
    Lab_ctfmodel = AddLabel(GB_BotProp, QStringLiteral("Lab_ctfmodel"), QStringLiteral("CTF Model"), 10, 52, 48, 34);
    Lab_ctfmodel->setWordWrap(true);
    OF_botctfmodel = new QComboBox(GB_BotProp);
    OF_botctfmodel->setObjectName(QStringLiteral("OF_botctfmodel"));
    OF_botctfmodel->setGeometry(60, 58, 134, 22);
    OF_botctfmodel->setToolTip(QStringLiteral("The bot's model in Capture the Flag"));
    connect(OF_botctfmodel, &QComboBox::activated, this, [this] { botmodelChange(); });

    Lab_team = AddLabel(GB_BotProp, QStringLiteral("Lab_team"), QStringLiteral("Team"), 10, 124, 45);
    AddSideRadios(GB_BotProp,
                  {{QStringLiteral("OF_BotA"), QStringLiteral("Auto"), QStringLiteral("3")},
                   {QStringLiteral("OF_BotBM"), QStringLiteral("Black Messa"), QStringLiteral("1")},
                   {QStringLiteral("OF_BotOF"), QStringLiteral("Opposing Force"), QStringLiteral("2")}},
                  60, 122, 134);
    OF_BotA = SideRadios[0];
    OF_BotBM = SideRadios[1];
    OF_BotOF = SideRadios[2];
    for (QWidget* w : std::initializer_list<QWidget*>{Lab_ctfmodel, OF_botctfmodel, Lab_team, OF_BotA, OF_BotBM,
                                                      OF_BotOF})
        w->hide();

    OF_random_color = AddCheck(GB_BotProp, QStringLiteral("OF_random_color"), QStringLiteral("Random colors"), 10,
                               198, 150, QStringLiteral("The bots take random colours"));
    OF_random_color->hide();
    Traits = new TBotSliderColumn(*this, UOp4::TraitRows(), 4, 118);

    // The chat rate is every bot program's; the other two sliders and the switches are shown
    // for the programs that read them.
    Lab_chatfreq->show();
    Chatfreq->show();
    OF_AlwaysRespond = AddCheck(TS_Chat, QStringLiteral("OF_AlwaysRespond"), QStringLiteral("Always Respond"), 310,
                                278, 130, QStringLiteral("The bots answer every chat message"));
    OF_Botchat = AddCheck(TS_Chat, QStringLiteral("OF_Botchat"), QStringLiteral("Bots Chat"), 450, 278, 110,
                          QStringLiteral("The bots chat"));
    OF_AlwaysRespond->hide();
    OF_Botchat->hide();
}

void TFOp4::AfterBotSection(const TIniFile&, const QString& bot)
{
    const QVector<QWidget*> chat{Lab_chatkill, chatfreq_kill, Lab_chatdied, Chatfreq_died};
    if (bot == UOp4::Akimbot) {
        for (QWidget* w : chat)
            w->show();
    } else if (bot == UOp4::HpbBot) {
        for (QWidget* w : chat)
            w->show();
        for (QWidget* w : std::initializer_list<QWidget*>{Lab_reaction, OF_Reaction_Time, OF_random_color})
            w->show();
    } else if (bot == UOp4::Parabot) {
        {
            const QSignalBlocker block(OF_Gametype);
            OF_Gametype->removeItem(UOp4::CaptureTheFlag);
        }
        Traits->SetShown(true);
        for (QWidget* w : std::initializer_list<QWidget*>{OF_AlwaysRespond, OF_Botchat, Lab_chatfreq, Chatfreq})
            w->show();
        // Parabot takes no skill from the bot file (its traits stand for it) and plays no
        // Capture the Flag.
        QWidget* skillLabel = GB_BotProp->findChild<QWidget*>(QStringLiteral("LabelSkill"));
        for (QWidget* w : std::initializer_list<QWidget*>{LabelDefSkill, defskill, Label13, Label14, Label15,
                                                          Botskill, Label16, Label1, Label65, Label67, skillLabel,
                                                          Label8, OF_ctf_capture})
            if (w)
                w->hide();
    }
    // The outside editor keeps the bots: nothing of the bot list's settings is shown.
    if (!Logic().State.BotEditor.isEmpty()) {
        for (QWidget* w : std::initializer_list<QWidget*>{Label86, spawnbot, LabelDefSkill, defskill, Label13, Label14,
                                                          Label15})
            w->hide();
        for (QWidget* w : std::as_const(HpbOptions))
            w->hide();
    }
}

QComboBox* TFOp4::SteppedModelChooser() const
{
    return UOp4::Logic().GameType() == UOp4::CaptureTheFlag ? OF_botctfmodel : botmodel;
}

void TFOp4::OF_GametypeChange()
{
    UOp4::Logic().ApplyGameType();
    Modif_Param();
}
