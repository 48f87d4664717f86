#include "mods/scihunt/UFScihunt.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/Jumbot.h"
#include "mods/scihunt/USciHunt.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "ui/NumberEdit.h"
#include "ui/UEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>

QPointer<TFScihunt> FScihunt;

namespace {

USciHunt::TSciHunt& SH() { return USciHunt::Logic(); }

} // namespace

TFScihunt::TFScihunt(QWidget* owner) : TModWindow(USciHunt::Logic(), owner)
{
    BuildWindow();
}

TFScihunt::~TFScihunt() = default;

QWidget* TFScihunt::NewPage(QTabWidget* pages, const QString& name, const QString& caption)
{
    auto* w = new QWidget;
    w->setObjectName(name);
    w->setAutoFillBackground(true);
    w->setPalette(palette());
    pages->addTab(w, caption);
    return w;
}

QPlainTextEdit* TFScihunt::AddMemo(QWidget* parent, const QString& name, int x, int y, int w, int h)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setGeometry(x, y, w, h);
    // The memos are saved settings like any other: the user's edits mark the mod modified (the
    // readers block their signals while they fill them).
    connect(memo, &QPlainTextEdit::textChanged, this, [this] {
        if (UInit::LoadingDone == 1)
            OnChange();
    });
    return memo;
}

QSlider* TFScihunt::AddSlider(QWidget* parent, const QString& name, int minimum, int maximum, int x,
                              int y, int w, const QString& hint)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(minimum, maximum);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(maximum - minimum > 20 ? 10 : 1);
    s->setToolTip(hint);
    s->setGeometry(x, y, w, 24);
    connect(s, &QSlider::valueChanged, this, [this] {
        if (UInit::LoadingDone == 1)
            OnChange();
    });
    return s;
}

QLineEdit* TFScihunt::AddFileEdit(QWidget* parent, const QString& name, int x, int y, int w,
                                  const QString& folder, const QString& filter)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(x, y, w, 22);
    // A bare file name of the file's folder: no path (the file must stay where the mod reads
    // it) and no double quote (jumbot.cfg holds the name between two).
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^\\\\/:\"*?<>|\\x00-\\x1f]*")), edit));
    auto* browse = new QToolButton(parent);
    browse->setObjectName(name + QStringLiteral("Button"));
    browse->setText(QStringLiteral("..."));
    browse->setToolTip(QStringLiteral("Choose a file"));
    browse->setGeometry(x + w + 2, y, 24, 22);
    connect(browse, &QToolButton::clicked, this, [this, edit, folder, filter] {
        ChooseFile(edit, FileSys::JoinPath(SH().ModDir(), folder), filter);
    });
    return edit;
}

void TFScihunt::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"), 8, 4, 276, 294);
    AddLabel(g, QStringLiteral("Lab_timelimit"), QStringLiteral("Time Limit"), 12, 26, 86);
    AddNumber(g, QStringLiteral("SH_timelimit"), 0, 90, 2, 100, 22, 56,
              QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("Lab_fraglimit"), QStringLiteral("Frag Limit"), 12, 52, 86);
    AddNumber(g, QStringLiteral("SH_fraglimit"), 0, 999, 3, 100, 48, 56,
              QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("Lab_insanity"), QStringLiteral("Insanity level"), 12, 78, 86);
    AddNumber(g, QStringLiteral("sh_insanity"), 0, 50, 2, 100, 74, 56);
    AddLabel(g, QStringLiteral("Lab_falldamage"), QStringLiteral("Fall Damages"), 12, 106, 86);
    AddRadio(g, QStringLiteral("SH_fallnorm"), QStringLiteral("Normal"), 100, 104, 76)->setChecked(true);
    AddRadio(g, QStringLiteral("SH_fallreal"), QStringLiteral("Realistic"), 180, 104, 90);
    const std::tuple<const char*, const char*, int, int> checks[] = {
        {"SH_friendlyfire", "Friendly Fire", 12, 132}, {"SH_weaponstay", "Weapons Stay", 12, 154},
        {"SH_forcerespawn", "Force Respawn", 12, 176}, {"SH_footsteps", "Footsteps", 144, 132},
        {"SH_flashlight", "Flashlight", 144, 154},     {"SH_autocrosshair", "AutoCrossHair", 144, 176}};
    for (const auto& [name, caption, x, y] : checks)
        AddCheck(g, QString::fromLatin1(name), QString::fromLatin1(caption), x, y, 128);
    AddCheck(g, QStringLiteral("SH_noplrdmg"), QStringLiteral("Can hurt all players in any game mode"), 12, 200, 258);

    QGroupBox* type = AddGroup(page, QStringLiteral("GB_GameType"), QStringLiteral("Game Type"), 8, 302, 276, 62);
    SH_realistic = AddCombo(type, QStringLiteral("SH_realistic"),
                            {QStringLiteral("Standard Hunting"), QStringLiteral("Stealth Hunting"),
                             QStringLiteral("Traditional Slaughter"), QStringLiteral("Live in Fear"),
                             QStringLiteral("Madness")},
                            12, 26, 250);
    connect(SH_realistic, &QComboBox::activated, this, &TFScihunt::SH_realisticChange);

    QGroupBox* o = AddGroup(page, QStringLiteral("GB_SciOptions"), QStringLiteral("Sci-hunt options"), 290, 4, 275, 360);
    AddLabel(o, QStringLiteral("Lab_scimax"), QStringLiteral("Scientists"), 12, 26, 70);
    AddNumber(o, QStringLiteral("SH_scimax"), 1, 40, 2, 84, 22, 50,
              QStringLiteral("Maximum number of scientists in the map"));
    AddLabel(o, QStringLiteral("Lab_scispeed"), QStringLiteral("Speed"), 150, 26, 50);
    AddNumber(o, QStringLiteral("SH_scispeed"), 1, 100, 3, 200, 22, 56,
              QStringLiteral("Speed of the scientists"));
    const std::pair<const char*, const char*> options[] = {
        {"SH_forcemodel", "Force player models"},
        {"SH_allowteamchange", "Allow team change"},
        {"SH_bot_evil", "Evil bots"},
        {"SH_announcescinum", "Announce number of scientists"},
        {"SH_announcescideath", "Announce scientists deaths"},
        {"SH_scifly", "Flying scientists"},
        {"SH_deadsciphys", "Dead scientists physics"},
        {"sh_glassbreak", "Breakable glass"},
        {"SH_bloodstream", "Blood stream"},
        {"SH_scirand", "Random scientists"},
        {"sh_allmonsfly", "All monsters can fly"},
        {"sh_wallclimb", "Wall climbing"},
        {"SH_corpsemass", "Corpse mass"},
        {"SH_respbreak", "Respawn breakables"}};
    int y = 52;
    for (const auto& [name, caption] : options) {
        AddCheck(o, QString::fromLatin1(name), QString::fromLatin1(caption), 12, y, 255);
        y += 21;
    }
}

void TFScihunt::BuildAIPage(QWidget* page)
{
    Jumbot::AddWeaponSliders(*this, page, QStringLiteral("SH"), 1);

    QGroupBox* b = AddGroup(page, QStringLiteral("GB_Behaviours"), QStringLiteral("Bots Behaviours"), 234, 4, 333, 362);
    const std::tuple<const char*, const char*, int, int> checks[] = {
        {"SH_bot_checkdistance", "Limited sight", 8, 20},
        {"SH_botusefov", "Limited FOV", 8, 41},
        {"SH_bot_tripmines", "Use Trip mines", 8, 62},
        {"SH_bot_gauss", "Gauss jump", 8, 83},
        {"SH_bot_turret", "Use turrets", 8, 104},
        {"SH_bot_rpgaimlow", "RPG aim at feet", 8, 125},
        {"SH_bot_angleupdate", "Angles update", 8, 146},
        {"SH_bot_runaway", "Run Away", 176, 20},
        {"SH_bot_hunt", "Hunting", 176, 41},
        {"SH_bothearing", "Hearing", 176, 62},
        {"SH_botpain", "Detect pain", 176, 83}};
    for (const auto& [name, caption, x, y] : checks) {
        QCheckBox* c = AddCheck(b, QString::fromLatin1(name), QString::fromLatin1(caption), x, y, x < 100 ? 168 : 150);
        // The sight distance, the field of vision and the trip-mine preference follow their box.
        connect(c, &QCheckBox::clicked, this, [this] { Jumbot::ApplyDependents(*this, QStringLiteral("SH")); });
    }
    AddLabel(b, QStringLiteral("Lab_botaccuracy"), QStringLiteral("Accuracy"), 8, 184, 60);
    QSlider* accuracy = AddSlider(b, QStringLiteral("SH_botaccuracy"), 0, 160, 70, 180, 150,
                                  QStringLiteral("Bots accuracy (min = perfect, max = very bad)"));
    accuracy->setTickPosition(QSlider::NoTicks);
    AddLabel(b, QStringLiteral("Lab_accgood"), QStringLiteral("Good"), 66, 204, 40);
    AddLabel(b, QStringLiteral("Lab_accbad"), QStringLiteral("Bad"), 200, 204, 30);

    Jumbot::AddNumberFields(*this, b, QStringLiteral("SH"), QStringLiteral("botfov"))->SetStep(128);
}

void TFScihunt::BuildChatPage(QWidget* page)
{
    AddLabel(page, QStringLiteral("Lab_chatfile"), QStringLiteral("Chat file"), 8, 10, 60);
    SH_chatfile = AddFileEdit(page, QStringLiteral("SH_chatfile"), 70, 6, 170, QStringLiteral("botfiles"),
                              QStringLiteral("Chat file (*.cfg)"));
    connect(SH_chatfile, &QLineEdit::textEdited, this, &TFScihunt::SH_chatfileChange);
    SH_botchat = AddCheck(page, QStringLiteral("SH_botchat"), QStringLiteral("Enable bots chat"), 290, 8, 130);
    AddCheck(page, QStringLiteral("SH_bot_order"), QStringLiteral("Give orders to bots"), 424, 8, 145);

    const std::tuple<const char*, const char*, const char*, const char*, int> sides[] = {
        {"SH_chatfreq_kill", "Chat after a kill", "% can be used to insert the victim's name", "SH_Chatkill", 8},
        {"SH_chatfreq_died", "Chat after being killed", "% can be used to insert the killer's name", "SH_Chatdied", 292}};
    for (const auto& [slider, caption, note, memo, x] : sides) {
        const QString stem = QString::fromLatin1(slider).mid(3);
        AddLabel(page, QStringLiteral("Lab_") + stem, QString::fromLatin1(caption), x, 38, 150);
        AddLabel(page, QStringLiteral("Lab_") + stem + QStringLiteral("_never"), QStringLiteral("Never"), x + 150, 38, 40);
        AddLabel(page, QStringLiteral("Lab_") + stem + QStringLiteral("_always"), QStringLiteral("Always"), x + 226, 38, 44);
        AddSlider(page, QString::fromLatin1(slider), 0, 10, x + 146, 54, 124,
                  QStringLiteral("How often the bots chat (0 = never)"));
        AddLabel(page, QStringLiteral("Lab_") + stem + QStringLiteral("_note"), QString::fromLatin1(note), x, 82, 270);
        QPlainTextEdit* m = AddMemo(page, QString::fromLatin1(memo), x, 100, 270, 264);
        (x < 100 ? SH_Chatkill : SH_Chatdied) = m;
    }
}

void TFScihunt::BuildArsenalPage(QWidget* page)
{
    AddLabel(page, QStringLiteral("Lab_weapfileloc"), QStringLiteral("Arsenal file"), 8, 10, 70);
    SH_weapfileloc = AddFileEdit(page, QStringLiteral("SH_weapfileloc"), 80, 6, 150, QStringLiteral("arsenals"),
                                 QStringLiteral("Arsenal files (*.txt)"));
    connect(SH_weapfileloc, &QLineEdit::textEdited, this, &TFScihunt::SH_weapfilelocChange);
    AddLabel(page, QStringLiteral("Lab_Arsenal"),
             QStringLiteral("Players start each map with\nthe following equipment"), 8, 34, 180, 32);
    SH_Arsenal = AddMemo(page, QStringLiteral("SH_Arsenal"), 8, 70, 132, 262);
    QPushButton* clear = AddButton(page, QStringLiteral("SH_AClear"), QStringLiteral("Clear"), 8, 338, 64, 26);
    QPushButton* save = AddButton(page, QStringLiteral("SH_ASave"), QStringLiteral("Save"), 76, 338, 64, 26);
    connect(clear, &QPushButton::clicked, this, &TFScihunt::SH_AClearClick);
    connect(save, &QPushButton::clicked, this, &TFScihunt::SH_ASaveClick);

    const char* weapons[] = {"glock", "357",     "shotgun",  "mp5",       "crossbow", "rpg",
                             "egon",  "gauss",   "hornetgun", "handgrenade", "satchel", "snark",
                             "tripmine", "hammer", "chainsaw", "handcannon"};
    const char* ammo[] = {"glockclip", "357", "buckshot", "mp5clip", "crossbow",
                          "rpgclip",   "egonclip", "gaussclip", "mp5grenades"};
    // The buttons stand below the memo's two-line caption, three to a row, wide enough for
    // "handgrenade" and "mp5grenades".
    constexpr int left = 146;
    constexpr int step = 89;
    AddLabel(page, QStringLiteral("Lab_AddWeapon"), QStringLiteral("Weapons"), left, 70, 100);
    for (int i = 0; i < 16; ++i) {
        const QString caption = QString::fromLatin1(weapons[i]);
        QPushButton* b = AddButton(page, QStringLiteral("SH_Add_Weapon_") + caption, caption,
                                   left + (i % 3) * step, 88 + (i / 3) * 26, 88, 24);
        connect(b, &QPushButton::clicked, this, [this, caption] { SH_Add_Weapon_Click(caption); });
    }
    AddLabel(page, QStringLiteral("Lab_AddAmmo"), QStringLiteral("Ammunition"), left, 250, 100);
    for (int i = 0; i < 9; ++i) {
        const QString caption = QString::fromLatin1(ammo[i]);
        QPushButton* b = AddButton(page, QStringLiteral("SH_Add_Ammo_") + caption, caption,
                                   left + (i % 3) * step, 268 + (i / 3) * 26, 88, 24);
        connect(b, &QPushButton::clicked, this, [this, caption] { SH_Add_Ammo_Click(caption); });
    }

    QGroupBox* misc = AddGroup(page, QStringLiteral("GB_Misc"), QStringLiteral("Misc options"), 416, 4, 153, 134);
    AddCheck(misc, QStringLiteral("SH_crowbar"), QStringLiteral("Crowbar Mode"), 8, 22, 140);
    AddCheck(misc, QStringLiteral("SH_restorehealth"), QStringLiteral("Restore health"), 8, 44, 140);
    AddCheck(misc, QStringLiteral("SH_resarsenal"), QStringLiteral("Restore arsenal"), 8, 66, 140);
    AddLabel(misc, QStringLiteral("Lab_mondmg9mm_sci"), QStringLiteral("Barney's shots"), 8, 100, 90);
    AddNumber(misc, QStringLiteral("sh_mondmg9mm_sci"), 1, 100, 3, 98, 96, 48,
              QStringLiteral("Damage of Barney's shots on the scientists"));

    QGroupBox* gore = AddGroup(page, QStringLiteral("GB_Gore"), QStringLiteral("Gore options"), 416, 142, 153, 222);
    AddLabel(gore, QStringLiteral("Lab_goremultiply"), QStringLiteral("Gore multiply"), 8, 26, 88);
    AddNumber(gore, QStringLiteral("SH_goremultiply"), 0, 10, 2, 98, 22, 48);
    AddLabel(gore, QStringLiteral("Lab_gibcount"), QStringLiteral("Gibs"), 8, 54, 88);
    AddNumber(gore, QStringLiteral("sh_gibcount"), 0, 100, 3, 98, 50, 48);
    AddLabel(gore, QStringLiteral("Lab_chainspark"), QStringLiteral("Chain sparks"), 8, 82, 88);
    AddNumber(gore, QStringLiteral("sh_chainspark"), 0, 10, 2, 98, 78, 48);
    AddCheck(gore, QStringLiteral("SH_moregibs"), QStringLiteral("More gibs"), 8, 110, 143);
    AddCheck(gore, QStringLiteral("sh_chaingore"), QStringLiteral("Chainsaw gore"), 8, 132, 143);
    AddCheck(gore, QStringLiteral("sh_hchorror"), QStringLiteral("Hand cannon horror"), 8, 154, 143);
    AddCheck(gore, QStringLiteral("sh_hcgib"), QStringLiteral("Hand cannon gibs"), 8, 176, 143);
}

void TFScihunt::BuildWaypointsPage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_Waypoints"), QStringLiteral("Navigation"), 8, 4, 555, 150);
    SH_waypoints = AddRadio(g, QStringLiteral("SH_waypoints"), QStringLiteral("Use waypoints files"), 16, 24, 300);
    SH_waypoints->setChecked(true);
    AddRadio(g, QStringLiteral("SH_nav_autogen"), QStringLiteral("Generate navigation on-the-fly"), 16, 48, 300);
    AddCheck(g, QStringLiteral("SH_wp_autoplace"), QStringLiteral("Auto place regular waypoints"), 36, 72, 300);
    AddCheck(g, QStringLiteral("SH_wp_jumpplace"), QStringLiteral("Auto place jump waypoints"), 36, 94, 300);
    AddCheck(g, QStringLiteral("SH_bot_wppref"), QStringLiteral("Use good items (weapons, health...)"), 16, 120, 260);
    AddCheck(g, QStringLiteral("SH_bot_advp"), QStringLiteral("Use advantage points (turrets...)"), 280, 120, 260);

    QGroupBox* e = AddGroup(page, QStringLiteral("GB_WayEdit"), QStringLiteral("Waypoints editing"), 8, 160, 555, 204);
    SH_WayMode = AddCheck(e, QStringLiteral("SH_WayMode"), QStringLiteral("Play in edit mode"), 16, 24, 300,
                          QStringLiteral("Start the game to place and save waypoints (no bots)"));
    connect(SH_WayMode, &QCheckBox::clicked, this, &TFScihunt::SH_WayModeClick);
    const std::pair<QComboBox**, const char*> keys[] = {{&SH_makewp, "to add a waypoint"},
                                                        {&SH_makewpj, "to add a jump waypoint"},
                                                        {&SH_remwp, "to remove last waypoint"},
                                                        {&SH_writewpfile, "to save waypoint file"}};
    const QVector<USciHunt::TWaypointKey>& rows = USciHunt::WaypointKeys();
    for (int i = 0; i < 4; ++i) {
        const int y = 54 + i * 28;
        AddLabel(e, QStringLiteral("Lab_") + rows[i].Command + QStringLiteral("_press"), QStringLiteral("Press"), 16, y + 4, 40);
        QComboBox* c = AddCombo(e, rows[i].Chooser, {}, 60, y, 130);
        AddLabel(e, QStringLiteral("Lab_") + rows[i].Command, QString::fromLatin1(keys[i].second), 198, y + 4, 300);
        *keys[i].first = c;
        KeyChoosers << c;
    }
    AddLabel(e, QStringLiteral("Lab_WayReadme"),
             QStringLiteral("See readme.txt in the scihunt folder for the waypoint editing commands."),
             16, 172, 530);
}

void TFScihunt::AdaptMapsPage()
{
    // Each map may have its own configuration file in the maps folder ("+" in the list).
    BEditCfg->show();
    SH_BEditDef = AddButton(TS_Maps, QStringLiteral("SH_BEditDef"), QStringLiteral("Edit default"), 486, 314, 80, 25);
    SH_BEditDef->setToolTip(QStringLiteral("Edit the default configuration file of the maps"));
    connect(SH_BEditDef, &QPushButton::clicked, this, &TFScihunt::SH_BEditDefClick);
    AddCheck(TS_Maps, QStringLiteral("SH_levelexec"), QStringLiteral("Execute maps config files"), 266, 312, 210);
    AddLabel(TS_Maps, QStringLiteral("Lab_levelexec"),
             QStringLiteral("(warning : some QOR settings can be\noverriden from one map to another)"), 266, 334,
             218, 32);
}

void TFScihunt::AdaptBotsPage()
{
    // The number of bots to spawn is Jumbot's, not the store's: 0 is allowed (edit mode).
    spawnbot->SetRange(0, 30);
    spawnbot->setToolTip(QStringLiteral("Number of bots joining the game"));
    AddLabel(TS_Bots, QStringLiteral("Lab_spawndelay"), QStringLiteral("Spawn delay"), 176, 10, 84);
    TNumberEdit* delay = AddNumber(TS_Bots, QStringLiteral("SH_spawndelay"), 1, 30, 2, 262, 6, 50,
                                   QStringLiteral("Number of seconds bots await before joining"));
    delay->SetTypingDisabled(true);
    AddCheck(TS_Bots, QStringLiteral("SH_bot_random"), QStringLiteral("Spawn randomly"), 326, 8, 150);

    // The bots file replaces the store's default skill below the list.
    AddLabel(TS_Bots, QStringLiteral("Lab_botfile"), QStringLiteral("Bots configuration file"), 8, 326, 146);
    SH_botfile = AddFileEdit(TS_Bots, QStringLiteral("SH_botfile"), 156, 322, 170, QStringLiteral("botfiles"),
                             QStringLiteral("Config file (*.cfg)"));
    connect(SH_botfile, &QLineEdit::textEdited, this, &TFScihunt::SH_botfileChange);

    // The difficulty level goes to the game settings.
    auto* g = findChild<QGroupBox*>(QStringLiteral("GB_GameSettings"));
    defskill->setRange(1, 4);
    defskill->setToolTip(QStringLiteral("Difficulty level of the bots that use the game's skill"));
    const std::tuple<QWidget*, int, int, int> moves[] = {
        {LabelDefSkill, 12, 226, 200}, {defskill, 12, 244, 250}, {Label13, 8, 268, 50},
        {Label14, 76, 268, 60},        {Label15, 164, 268, 40}};
    for (const auto& [w, x, y, width] : moves) {
        w->setParent(g);
        w->setGeometry(x, y, width, w->height());
        w->show();
    }
    AddLabel(g, QStringLiteral("Lab_veryhard"), QStringLiteral("Very Hard"), 208, 268, 64);

    // Bot properties: the two colours, and a skill from "Default" (the game's) to "Very good".
    AddLabel(GB_BotProp, QStringLiteral("Lab_shirt"), QStringLiteral("Shirt color"), 10, 128, 80);
    SH_botparam2 = AddNumber(GB_BotProp, QStringLiteral("SH_botparam2"), 0, 255, 3, 90, 124, 56);
    AddLabel(GB_BotProp, QStringLiteral("Lab_pants"), QStringLiteral("Pants color"), 10, 156, 80);
    SH_botparam1 = AddNumber(GB_BotProp, QStringLiteral("SH_botparam1"), 0, 255, 3, 90, 152, 56);
    // A colour is the bot's own, not a game setting: it goes to the bot's record.
    for (const auto& [field, slot] : {std::pair{SH_botparam1, 3}, std::pair{SH_botparam2, 4}}) {
        disconnect(field, &TNumberEdit::Edited, this, &TModWindow::OnChange);
        connect(field, &TNumberEdit::Edited, this, [this, field = field, slot = slot] {
            if (slot == 3)
                UQOR::SetBotParam1(ListBot, SH().Bots(), field->Text());
            else
                UQOR::SetBotParam2(ListBot, SH().Bots(), field->Text());
        });
    }
    Botskill->setRange(0, 4);
    // Five marks under five stops, the middle three centred on theirs and "Very good" ending with
    // the slider, which takes the group's width to leave them room.
    Botskill->setGeometry(50, Botskill->y(), 305, Botskill->height());
    const std::pair<QLabel*, int> marks[] = {{Label16, 36}, {Label1, 103}, {Label65, 177}, {Label67, 250}};
    for (const auto& [label, x] : marks) {
        label->setGeometry(x, label->y(), label == Label16 ? 56 : 52, label->height());
        if (label != Label16)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    }
    AddLabel(GB_BotProp, QStringLiteral("Lab_verygood"), QStringLiteral("Very good"), 296, Label67->y(), 66)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TFScihunt::BuildExtraPages(QTabWidget* pages)
{
    AdaptMapsPage();
    AdaptBotsPage();
    BuildAIPage(NewPage(pages, QStringLiteral("SH_TS_AI"), QStringLiteral("A.I.")));
    BuildChatPage(NewPage(pages, QStringLiteral("SH_TS_Chat"), QStringLiteral("Bots Chat")));
    BuildArsenalPage(NewPage(pages, QStringLiteral("SH_TS_Arsenals"), QStringLiteral("Arsenals")));
    BuildWaypointsPage(NewPage(pages, QStringLiteral("SH_TS_Waypoints"), QStringLiteral("Waypoints")));
}

// ---- Handlers ----

void TFScihunt::SH_botfileChange()
{
    if (UInit::LoadingDone != 1)
        return;
    // Another bots file shows its bots; a name that is no file yet is the file the save creates.
    if (FileSys::FileExists(FileSys::JoinPath(SH().BotFilesDir(), SH_botfile->text())) &&
        !SH_botfile->text().isEmpty())
        SH().ReadBotsFile();
    Modif_Param();
}

void TFScihunt::SH_chatfileChange()
{
    if (UInit::LoadingDone != 1)
        return;
    if (FileSys::FileExists(FileSys::JoinPath(SH().BotFilesDir(), SH_chatfile->text())) &&
        !SH_chatfile->text().isEmpty())
        SH().ReadChatFile();
    Modif_Param();
}

void TFScihunt::SH_weapfilelocChange()
{
    if (UInit::LoadingDone != 1)
        return;
    SH().ReadArsenal();
}

void TFScihunt::ChooseFile(QLineEdit* edit, const QString& folder, const QString& filter)
{
    const QString chosen = Dialogs::OpenFile(folder, filter, this);
    if (chosen.isEmpty() || !FileSys::FileExists(chosen))
        return;
    edit->setText(QFileInfo(chosen).fileName());
    if (edit == SH_botfile)
        SH_botfileChange();
    else if (edit == SH_chatfile)
        SH_chatfileChange();
    else
        SH_weapfilelocChange();
}

void TFScihunt::SH_WayModeClick()
{
    // Edit mode places waypoints by hand: no bot gets in the way.
    if (SH_WayMode->isChecked()) {
        spawnbot->SetValue(0);
        SH_waypoints->setChecked(true);
    }
    Modif_Param();
}

void TFScihunt::SH_realisticChange()
{
    SH().ShowModeDescription();
    Modif_Param();
}

void TFScihunt::SH_Add_Weapon_Click(const QString& caption)
{
    SH_Arsenal->appendPlainText(QStringLiteral("weapon_") + caption);
    Modif_Param();
}

void TFScihunt::SH_Add_Ammo_Click(const QString& caption)
{
    SH_Arsenal->appendPlainText(QStringLiteral("ammo_") + caption);
    Modif_Param();
}

void TFScihunt::SH_AClearClick()
{
    // Emptying the memo changes what the save writes: its change marks the settings modified.
    SH_Arsenal->clear();
}

void TFScihunt::SH_ASaveClick()
{
    QString error;
    if (!SH().WriteArsenal(error))
        Dialogs::ShowError(error, this);
}

void TFScihunt::SH_BEditDefClick()
{
    TEditor::Edit_File(FileSys::JoinPath(SH().ModDir(), QStringLiteral("map_default.cfg")));
}
