#include "mods/globalwarfare/UFGlobal.h"

#include "mods/globalwarfare/UGlobal.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

QPointer<TFGlobal> FGlobal;

TFGlobal::TFGlobal(QWidget* owner) : TModWindow(UGlobal::Logic(), owner)
{
    BuildWindow();
}

TFGlobal::~TFGlobal() = default;

void TFGlobal::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 8, 555, 150);
    AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 30, 90);
    GW_fraglimit = AddNumber(g, QStringLiteral("GW_fraglimit"), 0, 999, 3, 110, 26, 56,
                             QStringLiteral("Duration of a round (in minutes, 0 = infinite)."));
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 64, 90);
    GW_timelimit = AddNumber(g, QStringLiteral("GW_timelimit"), 0, 90, 2, 110, 60, 56);

    QGroupBox* fall = AddGroup(g, QStringLiteral("GB_FallDamages"), QStringLiteral("Fall Damages"),
                               12, 90, 180, 52);
    GW_fallnorm = new QRadioButton(QStringLiteral("Normal"), fall);
    GW_fallnorm->setObjectName(QStringLiteral("GW_fallnorm"));
    GW_fallnorm->setGeometry(10, 24, 80, 20);
    GW_fallnorm->setChecked(true);
    GW_fallreal = new QRadioButton(QStringLiteral("Realistic"), fall);
    GW_fallreal->setObjectName(QStringLiteral("GW_fallreal"));
    GW_fallreal->setGeometry(92, 24, 84, 20);
    for (QRadioButton* r : {GW_fallnorm, GW_fallreal})
        connect(r, &QRadioButton::clicked, this, &TModWindow::OnChange);

    GW_footsteps = AddCheck(g, QStringLiteral("GW_footsteps"), QStringLiteral("Footsteps"), 220, 30, 150);
    GW_flashlight = AddCheck(g, QStringLiteral("GW_flashlight"), QStringLiteral("Flashlight"), 220, 64, 150);
    GW_autocrosshair = AddCheck(g, QStringLiteral("GW_autocrosshair"), QStringLiteral("AutoCrossHair"),
                                220, 98, 150);
    for (QCheckBox* c : {GW_footsteps, GW_flashlight, GW_autocrosshair})
        c->setChecked(true);
    GW_forcerespawn = AddCheck(g, QStringLiteral("GW_forcerespawn"), QStringLiteral("Force Respawn"),
                               390, 30, 150);
    GW_weaponstay = AddCheck(g, QStringLiteral("GW_weaponstay"), QStringLiteral("Weapons Stay"), 390, 64, 150);
    GW_friendlyfire = AddCheck(g, QStringLiteral("GW_friendlyfire"), QStringLiteral("Friendly Fire"),
                               390, 98, 150);

    QGroupBox* misc = AddGroup(page, QStringLiteral("GB_misc"), QStringLiteral("Misc options"),
                               8, 166, 555, 150);
    struct TField {
        TNumberEdit** Field;
        const char* Name;
        const char* Caption;
        const char* Hint;
    };
    const TField fields[] = {
        {&GW_intermissionstart, "GW_intermissionstart", "Intermission start", nullptr},
        {&GW_intermissionend, "GW_intermissionend", "Intermission end", nullptr},
        {&GW_transportrespawn, "GW_transportrespawn", "Transport respawns", nullptr},
        {&GW_warmuptime, "GW_warmuptime", "Warm-up time ", nullptr},
        {&GW_weaponrespawntime, "GW_weaponrespawntime", "Weapons respawn", "Time till LAW and STINGER respawn"},
        {&GW_weaponremovetime, "GW_weaponremovetime", "Weapons remain", nullptr},
    };
    for (int i = 0; i < 6; ++i) {
        const TField& f = fields[i];
        const int x = i < 3 ? 12 : 200;
        const int y = 26 + (i % 3) * 34;
        const QString name = QString::fromLatin1(f.Name);
        AddLabel(misc, QStringLiteral("Label_") + name, QString::fromLatin1(f.Caption), x, y + 4, 120);
        *f.Field = AddNumber(misc, name, 0, 300, 3, x + 122, y, 52,
                             f.Hint ? QString::fromLatin1(f.Hint) : QString());
    }
    GW_campaign = AddCheck(misc, QStringLiteral("GW_campaign"), QStringLiteral("Campaign mode"), 400, 30, 150,
                           QStringLiteral("0 sets mode to maplist, 1 sets mode to campaign gameplay"));
    GW_allowcameras = AddCheck(misc, QStringLiteral("GW_allowcameras"), QStringLiteral("Allow cameras "),
                               400, 64, 150);
    GW_mirrordamage = AddCheck(misc, QStringLiteral("GW_mirrordamage"), QStringLiteral("Mirror damage "),
                               400, 98, 150, QStringLiteral("Only if Friendly Fire is ON"));
}

void TFGlobal::BuildExtraPages(QTabWidget*)
{
    spawnbot->setToolTip(QStringLiteral("Number of bots to spawn in the game."));
    AddLabel(GB_BotProp, QStringLiteral("LabelTeam"), QStringLiteral("Team"), 10, 124, 45);
    AddSideRadios(GB_BotProp,
                  {{QStringLiteral("GW_BotA"), QStringLiteral("Auto"), QStringLiteral("0")},
                   {QStringLiteral("GW_BotAr"), QStringLiteral("United Nations"), QStringLiteral("1")},
                   {QStringLiteral("GW_BotRe"), QStringLiteral("Liberation Force"), QStringLiteral("2")}},
                  60, 122, 134);
    GW_BotA = SideRadios[0];
    GW_BotAr = SideRadios[1];
    GW_BotRe = SideRadios[2];
}
