#include "mods/deathmatch/UFDeathmatch.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/BotProperties.h"
#include "mods/common/Jumbot.h"
#include "mods/common/TeamPanel.h"
#include "mods/deathmatch/UDeathmatch.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "ui/NumberEdit.h"
#include "ui/UEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

QPointer<TFDeathmatch> FDeathmatch;

namespace {

// What each bot program shows beyond the design state, applied in this order at the first
// activation. A row names the bots it holds for (or, with Except, every bot but those).
struct TBotLayoutRow {
    QStringList Bots;
    bool Except = false;
    QStringList Show;
    QStringList Hide;
};

const QStringList kSkillSlider{QStringLiteral("DM_Botskill"), QStringLiteral("LabelSkill"),
                               QStringLiteral("Label16"), QStringLiteral("Label1"),
                               QStringLiteral("Label65"), QStringLiteral("Label67")};
const QStringList kColours{QStringLiteral("DM_Botparam2"), QStringLiteral("Lab_shirt"),
                           QStringLiteral("DM_BotParam1"), QStringLiteral("Lab_pants")};
const QStringList kChatRates{QStringLiteral("DM_Chatfreq"), QStringLiteral("Lab_chatfreq"),
                             QStringLiteral("DM_chatfreq_kill"), QStringLiteral("Lab_chatkill"),
                             QStringLiteral("DM_Chatfreq_died"), QStringLiteral("Lab_chatdied")};
const QStringList kChatFreq{QStringLiteral("DM_Chatfreq"), QStringLiteral("Lab_chatfreq")};
const QStringList kSpawnDelay{QStringLiteral("Lab_spawndelay"), QStringLiteral("DM_spawndelay"),
                              QStringLiteral("DM_bot_random")};
const QStringList kDefaultSkill{QStringLiteral("DM_defskill"), QStringLiteral("Lab_bot_skill"),
                                QStringLiteral("Label13"), QStringLiteral("Label14"),
                                QStringLiteral("Label15")};

QVector<TBotLayoutRow> BotLayout()
{
    auto join = [](std::initializer_list<QStringList> parts) {
        QStringList all;
        for (const QStringList& p : parts)
            all << p;
        return all;
    };
    return {
        {{QStringLiteral("HPB Bot")}, false,
         join({kSkillSlider, kChatRates,
               {QStringLiteral("Lab_Reaction_Time"), QStringLiteral("DM_Reaction_Time"),
                QStringLiteral("DM_random_color")}}),
         {}},
        {{QStringLiteral("Jumbot")}, false,
         join({{QStringLiteral("DM_squads"), QStringLiteral("DM_leadsys")}, kSpawnDelay, kColours,
               kSkillSlider,
               {QStringLiteral("DM_botchat"), QStringLiteral("DM_chatfreq_kill"),
                QStringLiteral("Lab_chatkill"), QStringLiteral("DM_Chatfreq_died"),
                QStringLiteral("Lab_chatdied"), QStringLiteral("DM_bot_ordering"),
                QStringLiteral("DM_ackteam"), QStringLiteral("DM_orders"), QStringLiteral("Lab_orders")}}),
         {}},
        {{QStringLiteral("OddBot")}, false, kChatFreq, {}},
        {{QStringLiteral("Parabot")}, false,
         join({kChatFreq,
               {QStringLiteral("DM_AlwaysRespond"), QStringLiteral("DM_botchat"),
                QStringLiteral("DM_RestrictedWeaponMode")}}),
         {}},
        {{QStringLiteral("Phineas")}, false, join({kSpawnDelay, kColours}), {}},
        {{QStringLiteral("Phineas"), QStringLiteral("Parabot"), QStringLiteral("TeamBot")}, false, {},
         kDefaultSkill},
        {{QStringLiteral("RCBot")}, false, join({kSkillSlider, kChatFreq}), {}},
        {{QStringLiteral("Rho-Bot")}, false, kColours, {}},
    };
}

QRadioButton* Radio(TModWindow& w, QWidget* parent, const QString& name, const QString& caption,
                    int x, int y, int width)
{
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(name);
    r->setGeometry(x, y, width, 20);
    QObject::connect(r, &QRadioButton::clicked, &w, &TModWindow::OnChange);
    return r;
}

} // namespace

TFDeathmatch::TFDeathmatch(QWidget* owner) : TModWindow(UDeathmatch::Logic(), owner)
{
    BuildWindow();
}

TFDeathmatch::~TFDeathmatch() = default;

void TFDeathmatch::BuildGamePage(QWidget* page)
{
    auto* teams = new TTeamPanel(*this, QStringLiteral("DM_Team"), 10);
    QGroupBox* type = AddGroup(page, QStringLiteral("GB_GameType"), QStringLiteral("Game Type"), 8, 6, 292, 104);
    teams->BuildGameType(type, 12, 22);
    teams->LabelNumTeam->resize(140, teams->LabelNumTeam->height());
    DM_leadsys = AddCheck(type, QStringLiteral("DM_leadsys"), QStringLiteral("Team leaders"), 12, 76, 120);
    DM_squads = AddCheck(type, QStringLiteral("DM_squads"), QStringLiteral("Squads"), 140, 76, 120);
    DM_RestrictedWeaponMode = AddCheck(type, QStringLiteral("DM_RestrictedWeaponMode"),
                                       QStringLiteral("Restricted Weapon Mode"), 12, 76, 260);
    for (QWidget* w : std::initializer_list<QWidget*>{DM_leadsys, DM_squads, DM_RestrictedWeaponMode})
        w->hide();

    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"), 8, 114, 292, 250);
    AddLabel(g, QStringLiteral("Lab_falldamage"), QStringLiteral("Fall Damage"), 12, 92, 80);
    DM_fallnorm = Radio(*this, g, QStringLiteral("DM_fallnorm"), QStringLiteral("Normal"), 96, 90, 80);
    DM_fallreal = Radio(*this, g, QStringLiteral("DM_fallreal"), QStringLiteral("Realistic"), 180, 90, 100);
    DM_fallnorm->setChecked(true);
    const std::tuple<const char*, const char*, int, int> checks[] = {
        {"DM_friendlyfire", "Friendly Fire", 12, 120},   {"DM_weaponstay", "Weapons Stay", 12, 144},
        {"DM_forcerespawn", "Force Respawn", 12, 168},   {"DM_footsteps", "Footsteps", 150, 120},
        {"DM_flashlight", "Flashlight", 150, 144},       {"DM_autocrosshair", "AutoCrossHair", 150, 168}};
    for (const auto& [name, caption, x, y] : checks)
        AddCheck(g, QString::fromLatin1(name), QString::fromLatin1(caption), x, y, 130);
    AddLabel(g, QStringLiteral("Lab_timelimit"), QStringLiteral("Time Limit"), 12, 208, 70);
    AddNumber(g, QStringLiteral("DM_timelimit"), 0, 90, 2, 84, 204, 50,
              QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("Lab_fraglimit"), QStringLiteral("Frag Limit"), 150, 208, 70);
    AddNumber(g, QStringLiteral("DM_fraglimit"), 0, 999, 3, 222, 204, 56,
              QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));

    QGroupBox* t = AddGroup(page, QStringLiteral("GB_Teams"), QStringLiteral("Teams Settings"), 306, 6, 258, 358);
    teams->BuildTeams(t, 8, 22, 32);
}

void TFDeathmatch::BuildAIPage(QWidget* page)
{
    Jumbot::AddWeaponSliders(*this, page, QStringLiteral("DM"), 10);

    QGroupBox* b = AddGroup(page, QStringLiteral("GB_Behaviours"), QStringLiteral("Bots Behaviours"), 234, 4, 333, 362);
    const std::tuple<const char*, const char*, int, int> checks[] = {
        {"DM_bot_checkdistance", "Limited sight", 8, 20},
        {"DM_botusefov", "Limited FOV", 8, 41},
        {"DM_bot_tripmines", "Use Trip mines", 8, 62},
        {"DM_bot_longjump", "Use longjump module", 8, 83},
        {"DM_bot_gauss", "Gauss jump", 8, 104},
        {"DM_bot_turret", "Use turrets", 8, 125},
        {"DM_bot_rpgaimlow", "RPG aim at feet", 8, 146},
        {"DM_bot_angleupdate", "Angles update", 8, 167},
        {"DM_bot_runaway", "Run Away", 176, 20},
        {"DM_bot_hunt", "Hunting", 176, 41},
        {"DM_bothearing", "Hearing", 176, 62},
        {"DM_botpain", "Detect pain", 176, 83},
        {"DM_bot_crowbar", "Crowbar Mode", 176, 104},
        {"DM_realgame", "Realistic game", 176, 125},
        {"DM_snipers", "Snipers", 176, 146},
        {"DM_campers", "Campers", 176, 167},
        {"DM_objavoid", "Avoid objects", 176, 188},
        {"DM_funcsmash", "Smash objects", 176, 209}};
    for (const auto& [name, caption, x, y] : checks) {
        QCheckBox* c = AddCheck(b, QString::fromLatin1(name), QString::fromLatin1(caption), x, y, x < 100 ? 168 : 150);
        // The sight distance, the field of vision and the trip-mine preference follow their box.
        connect(c, &QCheckBox::clicked, this, [this] { Jumbot::ApplyDependents(*this, QStringLiteral("DM")); });
    }
    AddLabel(b, QStringLiteral("Lab_botaccuracy"), QStringLiteral("Accuracy"), 8, 196, 60);
    auto* accuracy = new QSlider(Qt::Horizontal, b);
    accuracy->setObjectName(QStringLiteral("DM_botaccuracy"));
    accuracy->setRange(0, 160);
    accuracy->setToolTip(QStringLiteral("Bots accuracy (min = perfect, max = very bad)"));
    accuracy->setGeometry(70, 192, 90, 22);
    connect(accuracy, &QSlider::valueChanged, this, [this] {
        if (UInit::LoadingDone == 1)
            OnChange();
    });
    AddLabel(b, QStringLiteral("Lab_accgood"), QStringLiteral("Good"), 66, 212, 40);
    AddLabel(b, QStringLiteral("Lab_accbad"), QStringLiteral("Bad"), 140, 212, 30);

    Jumbot::AddNumberFields(*this, b, QStringLiteral("DM"));
}

void TFDeathmatch::BuildWaypointsPage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_Waypoints"), QStringLiteral("Navigation"), 8, 8, 555, 200);
    Radio(*this, g, QStringLiteral("DM_waypoints"), QStringLiteral("Use waypoints files"), 16, 24, 300)->setChecked(true);
    Radio(*this, g, QStringLiteral("DM_nav_autogen"), QStringLiteral("Generate navigation on-the-fly"), 16, 50, 300);
    AddCheck(g, QStringLiteral("DM_wp_autoplace"), QStringLiteral("Auto place regular waypoints"), 36, 80, 300);
    AddCheck(g, QStringLiteral("DM_wp_jumpplace"), QStringLiteral("Auto place jump waypoints"), 36, 104, 300);
    AddCheck(g, QStringLiteral("DM_bot_wppref"), QStringLiteral("Use good items (weapons, health...)"), 16, 140, 330);
    AddCheck(g, QStringLiteral("DM_bot_advp"), QStringLiteral("Use advantage points (turrets...)"), 16, 164, 330);
}

void TFDeathmatch::BuildExtraPages(QTabWidget* pages)
{
    auto page = [this, pages](const QString& name, const QString& caption, int at) {
        auto* w = new QWidget;
        w->setObjectName(name);
        w->setAutoFillBackground(true);
        w->setPalette(palette());
        if (at >= 0)
            pages->insertTab(at, w, caption);
        else
            pages->addTab(w, caption);
        return w;
    };
    // Game, Maps, Bots, A.I., Chat, Waypoints, Moron Bots.
    DM_TS_AI = page(QStringLiteral("DM_TS_AI"), QStringLiteral("A.I."), TS_Chat ? pages->indexOf(TS_Chat) : -1);
    BuildAIPage(DM_TS_AI);
    DM_TS_Waypoints = page(QStringLiteral("DM_TS_Waypoints"), QStringLiteral("Waypoints"), -1);
    BuildWaypointsPage(DM_TS_Waypoints);
    DM_TS_Moron = page(QStringLiteral("DM_TS_Moron"), QStringLiteral("Moron Bots"), -1);
    AddLabel(DM_TS_Moron, QStringLiteral("Lab_Moron"), QStringLiteral("Moron bots (morons.cfg)"), 8, 8, 300);
    DM_Moron = new QPlainTextEdit(DM_TS_Moron);
    DM_Moron->setObjectName(QStringLiteral("DM_Moron"));
    DM_Moron->setGeometry(8, 28, 555, 336);
    DM_Moron->setTabChangesFocus(true);
    connect(DM_Moron, &QPlainTextEdit::textChanged, this, [this] {
        if (UInit::LoadingDone == 1)
            OnChange();
    });

    // The default skill sits with the game settings.
    if (auto* g = findChild<QGroupBox*>(QStringLiteral("GB_GameSettings"))) {
        Lab_bot_skill = LabelDefSkill;
        const std::tuple<QWidget*, int, int, int> moves[] = {
            {Lab_bot_skill, 12, 22, 200}, {defskill, 12, 40, 200}, {Label13, 10, 64, 50},
            {Label14, 92, 64, 50},        {Label15, 180, 64, 50}};
        for (const auto& [w, x, y, width] : moves) {
            w->setParent(g);
            w->setGeometry(x, y, width, w->height());
            w->show();
        }
    }

    // Bots page: the spawn delay beside the number of bots, the HPB Bot settings below the list.
    AddLabel(TS_Bots, QStringLiteral("Lab_spawndelay"), QStringLiteral("Spawn delay"), 176, 10, 84);
    DM_spawndelay = AddNumber(TS_Bots, QStringLiteral("DM_spawndelay"), 1, 30, 2, 262, 6, 50,
                              QStringLiteral("Number of seconds bots await before joining"));
    DM_spawndelay->SetTypingDisabled(true);
    DM_bot_random = AddCheck(TS_Bots, QStringLiteral("DM_bot_random"), QStringLiteral("random"), 326, 8, 90);
    AddLabel(TS_Bots, QStringLiteral("Lab_Reaction_Time"), QStringLiteral("Reaction Time"), 8, 324, 90);
    DM_Reaction_Time = AddCombo(TS_Bots, QStringLiteral("DM_Reaction_Time"),
                                {QStringLiteral("Disabled"), QStringLiteral("Short"),
                                 QStringLiteral("Moderate"), QStringLiteral("Long")},
                                100, 320, 110);
    DM_random_color = AddCheck(TS_Bots, QStringLiteral("DM_random_color"), QStringLiteral("Random colors"), 230, 322, 140);
    for (const QString& name : QStringList{QStringLiteral("Lab_spawndelay"), QStringLiteral("DM_spawndelay"),
                                           QStringLiteral("DM_bot_random"), QStringLiteral("Lab_Reaction_Time"),
                                           QStringLiteral("DM_Reaction_Time"), QStringLiteral("DM_random_color")})
        ControlWidget(name)->hide();

    Label65->resize(60, Label65->height());
    // The bot record's property tabs, and the colours on their first page.
    BotTabs = new TBotPropertyTabs(*this, UDeathmatch::SliderRows());
    QWidget* props = BotTabs->Properties;
    AddLabel(props, QStringLiteral("Lab_shirt"), QStringLiteral("Shirt color"), 6, 100, 70);
    DM_Botparam2 = AddNumber(props, QStringLiteral("DM_Botparam2"), 0, 255, 3, 80, 96, 56);
    AddLabel(props, QStringLiteral("Lab_pants"), QStringLiteral("Pants color"), 6, 128, 70);
    DM_BotParam1 = AddNumber(props, QStringLiteral("DM_BotParam1"), 0, 255, 3, 80, 124, 56);
    // A colour is the bot's own, not a game setting: it goes to the bot's record.
    disconnect(DM_Botparam2, &TNumberEdit::Edited, this, &TModWindow::OnChange);
    disconnect(DM_BotParam1, &TNumberEdit::Edited, this, &TModWindow::OnChange);
    connect(DM_Botparam2, &TNumberEdit::Edited, this, [this] { ColourChanged(DM_Botparam2, 4); });
    connect(DM_BotParam1, &TNumberEdit::Edited, this, [this] { ColourChanged(DM_BotParam1, 3); });
    for (const QString& name : kColours + kSkillSlider)
        if (QWidget* w = ControlWidget(name))
            w->hide();

    // Chat page: the bot programs' switches, and Jumbot's orders.
    DM_botchat = AddCheck(TS_Chat, QStringLiteral("DM_botchat"), QStringLiteral("Enable bots chat"), 200, 308, 170);
    DM_AlwaysRespond = AddCheck(TS_Chat, QStringLiteral("DM_AlwaysRespond"), QStringLiteral("Always Respond"), 200, 334, 170);
    DM_bot_ordering = AddCheck(TS_Chat, QStringLiteral("DM_bot_ordering"), QStringLiteral("Give orders to bots"), 8, 190, 180);
    DM_ackteam = AddCheck(TS_Chat, QStringLiteral("DM_ackteam"), QStringLiteral("Acknowledge orders"), 200, 190, 180);
    AddLabel(TS_Chat, QStringLiteral("Lab_orders"), QStringLiteral("Orders (botorder.cfg)"), 384, 192, 180);
    DM_orders = new QPlainTextEdit(TS_Chat);
    DM_orders->setObjectName(QStringLiteral("DM_orders"));
    DM_orders->setGeometry(8, 214, 555, 80);
    DM_orders->setTabChangesFocus(true);
    connect(DM_orders, &QPlainTextEdit::textChanged, this, [this] {
        if (UInit::LoadingDone == 1)
            OnChange();
    });
    for (QWidget* w : std::initializer_list<QWidget*>{DM_botchat, DM_AlwaysRespond, DM_bot_ordering,
                                                      DM_ackteam, DM_orders})
        w->hide();
    ControlWidget(QStringLiteral("Lab_orders"))->hide();
    chatkill->setTabChangesFocus(true);

    // Maps page: the bot program's default configuration beside "Edit config".
    DM_BEditDef = AddButton(TS_Maps, QStringLiteral("DM_BEditDef"), QStringLiteral("Edit default"), 486, 314, 80, 25);
    DM_BEditDef->setToolTip(QStringLiteral("Edit the default configuration file"));
    DM_BEditDef->hide();
    connect(DM_BEditDef, &QPushButton::clicked, this, &TFDeathmatch::DM_BEditDefClick);
}

void TFDeathmatch::ColourChanged(TNumberEdit* field, int slot)
{
    if (slot == 3)
        UQOR::SetBotParam1(ListBot, Logic().Bots(), field->Text());
    else
        UQOR::SetBotParam2(ListBot, Logic().Bots(), field->Text());
}

void TFDeathmatch::AfterBotSection(const TIniFile&, const QString& section)
{
    auto& logic = UDeathmatch::Logic();
    // The default-skill slider reads the other way round from the bots' own skill.
    const bool worst = logic.State.Skill0 == QStringLiteral("worst");
    Label13->setText(worst ? QStringLiteral("Easy") : QStringLiteral("Hard"));
    Label15->setText(worst ? QStringLiteral("Hard") : QStringLiteral("Easy"));
    if (logic.MaxSkill() > 10)
        for (QSlider* s : {defskill, Botskill})
            s->setTickPosition(QSlider::NoTicks);
    if (!logic.State.Config.isEmpty())
        DM_BEditDef->show();

    for (const TBotLayoutRow& row : BotLayout()) {
        if (row.Bots.contains(section) == row.Except)
            continue;
        for (const QString& name : row.Show)
            if (QWidget* w = ControlWidget(name))
                w->show();
        for (const QString& name : row.Hide)
            if (QWidget* w = ControlWidget(name))
                w->hide();
    }
    const bool rho = section == QStringLiteral("Rho-Bot");
    const bool parabot = section == QStringLiteral("Parabot");
    BotTabs->ShowPages(rho || parabot, rho);
    if (section == QStringLiteral("Jumbot") || rho)
        Lab_bot_skill->setText(QStringLiteral("Difficulty level"));
    if (section == QStringLiteral("HPB Bot"))
        ChatNote->setText(QStringLiteral("%n  can be used to insert the bot's name"));
    if (section == QStringLiteral("Jumbot")) {
        // The orders take the lower part of the chat page.
        chatkill->setGeometry(8, 8, 555, 156);
        ChatNote->move(8, 168);
        DM_botchat->move(20, 318);
    } else {
        for (QWidget* p : {DM_TS_AI, DM_TS_Waypoints, DM_TS_Moron})
            PC->removeTab(PC->indexOf(p));
    }
    if (section == QStringLiteral("OddBot"))
        ShowChatFiles({QStringLiteral("odd_loss.txt"), QStringLiteral("odd_taunt.txt"),
                       QStringLiteral("odd_victory.txt")});
}

void TFDeathmatch::DM_BEditDefClick()
{
    TEditor::Edit_File(FileSys::JoinPath(UDeathmatch::Logic().ConfigFolder, QStringLiteral("default.cfg")));
}
