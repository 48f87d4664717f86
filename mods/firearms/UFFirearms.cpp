#include "mods/firearms/UFFirearms.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/firearms/UFirearms.h"
#include "mods/common/SkillGrid.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>

QPointer<TFFirearms> FFirearms;

TFFirearms::TFFirearms(QWidget* owner) : TModWindow(UFirearms::Logic(), owner)
{
    BuildWindow();
}

TFFirearms::~TFFirearms() = default;

void TFFirearms::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 8, 270, 350);
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 30, 90);
    FA_timelimit = AddNumber(g, QStringLiteral("FA_timelimit"), 0, 90, 2, 110, 26, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 64, 90);
    FA_fraglimit = AddNumber(g, QStringLiteral("FA_fraglimit"), 0, 999, 3, 110, 60, 56,
                             QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));

    QGroupBox* fall = AddGroup(g, QStringLiteral("GB_FallDamage"), QStringLiteral("Fall Damage"),
                               12, 94, 246, 50);
    FA_fallnorm = new QRadioButton(QStringLiteral("Normal"), fall);
    FA_fallnorm->setObjectName(QStringLiteral("FA_fallnorm"));
    FA_fallnorm->setGeometry(10, 20, 100, 22);
    FA_fallreal = new QRadioButton(QStringLiteral("Realistic"), fall);
    FA_fallreal->setObjectName(QStringLiteral("FA_fallreal"));
    FA_fallreal->setGeometry(120, 20, 110, 22);
    for (QRadioButton* r : {FA_fallnorm, FA_fallreal})
        connect(r, &QRadioButton::clicked, this, &TModWindow::OnChange);

    int y = 154;
    const auto check = [&](QCheckBox*& box, const char* name, const char* caption) {
        box = AddCheck(g, QString::fromLatin1(name), QString::fromLatin1(caption), 12, y, 240);
        y += 26;
    };
    check(FA_friendlyfire, "FA_friendlyfire", "Friendly Fire");
    check(FA_weaponstay, "FA_weaponstay", "Weapons Stay");
    check(FA_forcerespawn, "FA_forcerespawn", "Force Respawn");
    check(FA_footsteps, "FA_footsteps", "Footsteps");
    check(FA_flashlight, "FA_flashlight", "Flashlight");
    check(FA_autocrosshair, "FA_autocrosshair", "Auto Crosshair");

    QGroupBox* m = AddGroup(page, QStringLiteral("GB_MiscOptions"), QStringLiteral("Misc Options"),
                            290, 8, 273, 350);
    AddLabel(m, QStringLiteral("LabelUseSkills"), QStringLiteral("Skills usage"), 12, 26, 200);
    FA_useskills = AddCombo(m, QStringLiteral("FA_useskills"),
                            {QStringLiteral("No skill system"), QStringLiteral("Use rank advance mode"),
                             QStringLiteral("Give only 4 skills when game starts"),
                             QStringLiteral("Give all skills")},
                            12, 44, 249);
    y = 84;
    const auto misc = [&](QCheckBox*& box, const char* name, const char* caption) {
        box = AddCheck(m, QString::fromLatin1(name), QString::fromLatin1(caption), 12, y, 255);
        y += 26;
    };
    misc(FA_blood, "FA_blood", "Display Blood");
    misc(FA_shells, "FA_shells", "Display Shells");
    misc(FA_bulletholes, "FA_bulletholes", "Display Bulletholes");
    y += 10;
    misc(FA_botstamina, "FA_botstamina", "Bots are affected by stamina");
    misc(FA_botdontshoot, "FA_botdontshoot", "Bots don't shoot");
    misc(FA_observer, "FA_observer", "Bots ignore human players");
    for (QCheckBox* c : {FA_botstamina, FA_botdontshoot, FA_observer})
        c->hide();
}

void TFFirearms::BuildExtraPages(QTabWidget* pages)
{
    // Maps page: the note and FireBot's map-configuration option below the map cycle.
    Lab_MapsNote = AddLabel(TS_Maps, QStringLiteral("Lab_MapsNote"),
                            QStringLiteral("(warning : some QOR settings can be\noverriden from one map to another)"),
                            266, 310, 300, 32);
    FA_autoexeccfg = AddCheck(TS_Maps, QStringLiteral("FA_autoexeccfg"),
                              QStringLiteral("Execute maps config files"), 266, 344, 220);
    FA_autoexeccfg->hide();

    // Bots page: Firearms' ranges.
    spawnbot->SetRange(1, 32);
    spawnbot->move(120, spawnbot->y());
    spawnbot->setToolTip(QStringLiteral("Number of bots to spawn in the game."));

    QWidget* b = GB_BotProp;
    AddLabel(b, QStringLiteral("LabelTeam"), QStringLiteral("Team"), 10, 62, 45);
    AddSideRadios(b, {{QStringLiteral("FA_TeamAuto"), QStringLiteral("Auto"), QStringLiteral("0")},
                      {QStringLiteral("FA_TeamRed"), QStringLiteral("Red"), QStringLiteral("1")},
                      {QStringLiteral("FA_TeamBlue"), QStringLiteral("Blue"), QStringLiteral("2")}},
                  60, 58, 120);
    AddLabel(b, QStringLiteral("LabelWeapon"), QStringLiteral("Weapon"), 10, 150, 56);
    FA_botweapon = AddCombo(b, QStringLiteral("FA_botweapon"), UFirearms::WeaponItems(), 70, 146, 284);
    FA_botweapon->setCurrentIndex(-1);
    FA_botweapon->installEventFilter(this);
    connect(FA_botweapon, &QComboBox::activated, this, &TFFirearms::FA_botweaponChange);

    // Skills page (FireBot only), before the Chat page.
    TS_FA_Skill = new QWidget;
    TS_FA_Skill->setObjectName(QStringLiteral("TS_FA_Skill"));
    TS_FA_Skill->setAutoFillBackground(true);
    TS_FA_Skill->setPalette(palette());
    const int chatAt = TS_Chat ? pages->indexOf(TS_Chat) : -1;
    pages->insertTab(chatAt >= 0 ? chatAt : pages->count(), TS_FA_Skill, QStringLiteral("Skills"));

    FA_Skills = new QTableWidget(UFirearms::SkillRows + 1, UFirearms::SkillLevels + 1, TS_FA_Skill);
    FA_Skills->setObjectName(QStringLiteral("FA_Skills"));
    FA_Skills->horizontalHeader()->hide();
    FA_Skills->verticalHeader()->hide();
    FA_Skills->verticalHeader()->setDefaultSectionSize(24);
    FA_Skills->setColumnWidth(0, 120);
    for (int c = 1; c <= UFirearms::SkillLevels; ++c)
        FA_Skills->setColumnWidth(c, 80);
    FA_Skills->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FA_Skills->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FA_Skills->setGeometry(8, 8, 120 + 5 * 80 + 4, 7 * 24 + 4);
    SkillGrid::Label(FA_Skills, UFirearms::SkillHeadings(), UFirearms::SkillRowLabels(),
                     UFirearms::SkillRanges());
    connect(FA_Skills, &QTableWidget::itemChanged, this, &TFFirearms::FA_SkillsSetEditText);
    auto* note = AddLabel(TS_FA_Skill, QStringLiteral("Lab_SkillsNote"),
                          QStringLiteral("MIN / MAX DELAY specifies the Reaction Time in Seconds.\n"
                                         "AIM OFFSET X/Y/Z are the offsets for aiming (where Z is the Up Direction).\n"
                                         "HEADSHOT specifies (in percent) the probability of aiming at the Head."),
                          8, 190, 555, 60);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TFFirearms::AfterBotSection(const TIniFile&, const QString& bot)
{
    const TModLogic::TState& st = Logic().State;
    if (!st.BotEditor.isEmpty()) {
        // The outside editor keeps the bots: the count and default skill go with the list.
        for (QWidget* w : std::initializer_list<QWidget*>{TModWindow::Label86, spawnbot, LabelDefSkill,
                                                          defskill, Label13, Label14, Label15})
            w->hide();
    }
    if (st.Skill0 == QStringLiteral("worst"))
        for (QSlider* s : {defskill, Botskill})
            s->setTickPosition(QSlider::NoTicks);
    const bool fireBot = bot == UFirearms::FireBot;
    for (QCheckBox* c : {FA_botstamina, FA_botdontshoot, FA_observer, FA_autoexeccfg})
        c->setVisible(fireBot);
    if (!fireBot) {
        const int at = PC->indexOf(TS_FA_Skill);
        if (at >= 0)
            PC->removeTab(at);
    }
}

void TFFirearms::FA_botweaponChange()
{
    if (UInit::LoadingDone != 1 || !ListBot)
        return;
    QVector<TBot>& bots = Logic().Bots();
    const int i = ListBot->currentRow();
    if (i < 0 || i >= bots.size() || FA_botweapon->currentIndex() < 0)
        return;
    UQOR::SetBotParam2(ListBot, bots, QString::number(FA_botweapon->currentIndex()));
    Modif_Param();
}

void TFFirearms::FA_SkillsSetEditText()
{
    Modif_Param();
}

bool TFFirearms::eventFilter(QObject* watched, QEvent* e)
{
    // The weapon is chosen from the list only.
    if (watched == FA_botweapon && e->type() == QEvent::KeyPress)
        return true;
    return TModWindow::eventFilter(watched, e);
}
