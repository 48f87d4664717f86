#include "mods/gangstawars/UFGangsta.h"

#include "mods/gangstawars/UGangsta.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

QPointer<TFGangsta> FGangsta;

TFGangsta::TFGangsta(QWidget* owner) : TModWindow(UGangsta::Logic(), owner)
{
    BuildWindow();
}

TFGangsta::~TFGangsta() = default;

void TFGangsta::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 8, 555, 246);
    struct TLimit {
        TNumberEdit** Field;
        const char* Name;
        const char* Caption;
        int Max;
        int Digits;
        const char* Hint;
    };
    const TLimit limits[] = {
        {&GG_timelimit, "GG_timelimit", "Time Limit", 90, 2, nullptr},
        {&GG_fraglimit, "GG_fraglimit", "Frag Limit", 999, 3, nullptr},
        {&GG_donpointlimit, "GG_donpointlimit", "Don Limit", 999, 3,
         "Maximum Don points before changing map (0 = infinite)"},
        {&GG_gbpointlimit, "GG_gbpointlimit", "Gangbang Limit", 999, 3,
         "Maximum Gangbang points before changing map (0 = infinite)"},
        {&GG_ctspointlimit, "GG_ctspointlimit", "CTS Limit", 999, 3,
         "Maximum Capture the Stash  points before changing map (0 = infinite)"},
        {&GG_gbmaxlifes, "GG_gbmaxlifes", "Max lives", 99, 2,
         "Number of lives in Gangbang mode  (0 = oldschool gangbang)"},
    };
    int y = 26;
    for (const TLimit& l : limits) {
        const QString name = QString::fromLatin1(l.Name);
        AddLabel(g, QStringLiteral("Label_") + name, QString::fromLatin1(l.Caption), 12, y + 4, 100);
        *l.Field = AddNumber(g, name, 0, l.Max, l.Digits, 116, y, 56,
                             l.Hint ? QString::fromLatin1(l.Hint) : QString());
        y += 34;
    }

    QGroupBox* fall = AddGroup(g, QStringLiteral("GB_FallDamages"), QStringLiteral("Fall Damages"),
                               196, 20, 150, 80);
    GG_fallnorm = new QRadioButton(QStringLiteral("Normal"), fall);
    GG_fallnorm->setObjectName(QStringLiteral("GG_fallnorm"));
    GG_fallnorm->setGeometry(12, 24, 120, 20);
    GG_fallnorm->setChecked(true);
    GG_fallreal = new QRadioButton(QStringLiteral("Realistic"), fall);
    GG_fallreal->setObjectName(QStringLiteral("GG_fallreal"));
    GG_fallreal->setGeometry(12, 50, 120, 20);
    for (QRadioButton* r : {GG_fallnorm, GG_fallreal})
        connect(r, &QRadioButton::clicked, this, &TModWindow::OnChange);

    struct TBox {
        QCheckBox** Box;
        const char* Name;
        const char* Caption;
        bool Ticked;
    };
    const TBox boxes[] = {
        {&GG_friendlyfire, "GG_friendlyfire", "Friendly Fire", false},
        {&GG_weaponstay, "GG_weaponstay", "Weapons Stay", false},
        {&GG_forcerespawn, "GG_forcerespawn", "Force Respawn", false},
        {&GG_footsteps, "GG_footsteps", "Footsteps", true},
        {&GG_flashlight, "GG_flashlight", "Flashlight", true},
        {&GG_autocrosshair, "GG_autocrosshair", "AutoCrossHair", true},
        {&GG_dmteamplay, "GG_dmteamplay", "Teamplay", true},
        {&GG_autoteam, "GG_autoteam", "AutoTeam Assign", true},
        {&GG_kickteamkillers, "GG_kickteamkillers", "Kick TK's", true},
        {&GG_painsounds, "GG_painsounds", "Pain Sounds", true},
    };
    // Two columns beside the fall damages and below them.
    for (int i = 0; i < 10; ++i) {
        const TBox& b = boxes[i];
        const int x = i < 5 ? 196 : 376;
        const int row = i < 5 ? i : i - 5;
        *b.Box = AddCheck(g, QString::fromLatin1(b.Name), QString::fromLatin1(b.Caption), x,
                          i < 5 ? 108 + row * 26 : 26 + row * 26, 170);
        (*b.Box)->setChecked(b.Ticked);
    }

    QGroupBox* misc = AddGroup(page, QStringLiteral("GB_MiscOptions"), QStringLiteral("Misc Options"),
                               8, 262, 555, 104);
    AddLabel(misc, QStringLiteral("Label_GG_spawnbot"), QStringLiteral("Number of bots"), 12, 30, 100);
    GG_spawnbot = AddNumber(misc, QStringLiteral("GG_spawnbot"), 1, 32, 2, 116, 26, 56,
                            QStringLiteral("Number of bots to spawn in the game."));
    GG_spawnbot->SetValue(1);
    GG_botsswear = AddCheck(misc, QStringLiteral("GG_botsswear"), QStringLiteral("Bots Swear ( when chatting )"),
                            196, 22, 260);
    GG_botusebot = AddCheck(misc, QStringLiteral("GG_botusebot"),
                            QStringLiteral("Bots work together in Teamplay"), 196, 48, 260);
    GG_botcombatjump = AddCheck(misc, QStringLiteral("GG_botcombatjump"), QStringLiteral("Bots jump in combat"),
                                196, 74, 260);
    for (QCheckBox* c : {GG_botsswear, GG_botusebot, GG_botcombatjump})
        c->setChecked(true);
}
