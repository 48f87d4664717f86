#include "mods/rocket/UFRocket.h"

#include "core/UInit.h"
#include "mods/common/TeamPanel.h"
#include "mods/rocket/URocket.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QTabWidget>

QPointer<TFRocket> FRocket;

namespace {

QSlider* PercentSlider(TModWindow& w, QWidget* parent, const QString& name, int x, int y, int width)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(0, 100);
    s->setPageStep(10);
    s->setTickInterval(10);
    s->setTickPosition(QSlider::TicksBelow);
    s->setGeometry(x, y, width, 24);
    QObject::connect(s, &QSlider::valueChanged, &w, [&w] {
        if (UInit::LoadingDone == 1)
            w.OnChange();
    });
    return s;
}

} // namespace

TFRocket::TFRocket(QWidget* owner) : TModWindow(URocket::Logic(), owner)
{
    BuildWindow();
    // The deathballs get their 0 when the window is made; Restore Default leaves them.
    RC_deathballs->SetValue(0);
}

TFRocket::~TFRocket() = default;

void TFRocket::BuildGamePage(QWidget* page)
{
    auto* panel = new TTeamPanel(*this, QStringLiteral("RC_team"), URocket::TeamCount);
    panel->TwoTeamsText = QStringLiteral("You must select at least two teams for Teamplay / CTF.");
    QGroupBox* type = AddGroup(page, QStringLiteral("GB_GameType"), QStringLiteral("Game Type"), 8, 8, 278, 76);
    panel->BuildGameTypeChooser(type, 12, 22, URocket::GameTypeItems(), 10);
    RC_Teamplay = panel->GameType;
    // The caption whole, whatever font stands in for Arial.
    panel->LabelNumTeam->resize(panel->LabelNumTeam->sizeHint());
    QGroupBox* teams = AddGroup(page, QStringLiteral("GB_Teams"), QStringLiteral("Teams Settings"),
                                8, 86, 278, 200);
    panel->BuildTeams(teams, 12, 24, 28);

    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            294, 8, 269, 358);
    struct TNum {
        TNumberEdit** Field;
        const char* Name;
        const char* Caption;
        int Max;
        const char* Hint;
    };
    const TNum numbers[] = {
        {&RC_fraglimit, "RC_fraglimit", "Frag Limit", 999, "Maximum Frag points before changing map (0 = infinite)"},
        {&RC_timelimit, "RC_timelimit", "Time Limit", 90, "Maximum time before changing map (0 = infinite)"},
        {&RC_flag_return_time, "RC_flag_return_time", "Return Time", 90, "Seconds before a dropped flag returns (0 = never)"},
        {&RC_points_per_capture, "RC_points_per_capture", "Capture frags", 90, "Frags for a capture"},
        {&RC_scikill, "RC_scikill", "Scientists", 30, "Scientists in the game"},
        {&RC_deathballs, "RC_deathballs", "Deathballs", 30, "Deathballs in the game"},
    };
    int y = 24;
    for (const TNum& n : numbers) {
        AddLabel(g, QStringLiteral("Lab_") + QString::fromLatin1(n.Name), QString::fromLatin1(n.Caption),
                 12, y + 3, 100);
        *n.Field = AddNumber(g, QString::fromLatin1(n.Name), 0, n.Max, n.Max > 99 ? 3 : 2, 116, y, 56,
                             QString::fromLatin1(n.Hint));
        y += 26;
    }
    AddLabel(g, QStringLiteral("Lab_falldamage"), QStringLiteral("Fall Damages"), 12, y + 3, 100);
    RC_falldamage = AddCombo(g, QStringLiteral("RC_falldamage"), URocket::FallDamageItems(), 116, y, 110);
    y += 32;
    struct TBox {
        QCheckBox** Box;
        const char* Name;
        const char* Caption;
    };
    const TBox boxes[] = {
        {&RC_friendlyfire, "RC_friendlyfire", "Friendly Fire"},
        {&RC_weaponstay, "RC_weaponstay", "Weapons Stay"},
        {&RC_forcerespawn, "RC_forcerespawn", "Force Respawn"},
        {&RC_footsteps, "RC_footsteps", "Footsteps"},
        {&RC_flashlight, "RC_flashlight", "Flashlight"},
        {&RC_autocrosshair, "RC_autocrosshair", "AutoCrossHair"},
        {&RC_drunkrockets, "RC_drunkrockets", "Drunken rockets"},
        {&RC_teamannoy, "RC_teamannoy", "Annoying weapons"},
        {&RC_allowrifts, "RC_allowrifts", "Shotgun Alt fire"},
        {&RC_teampush, "RC_teampush", "Weapons push"},
        {&RC_curses, "RC_curses", "Curses"},
    };
    int i = 0;
    for (const TBox& b : boxes) {
        *b.Box = AddCheck(g, QString::fromLatin1(b.Name), QString::fromLatin1(b.Caption),
                          i < 6 ? 12 : 132, y + (i % 6) * 24, i < 6 ? 118 : 138);
        ++i;
    }
}

void TFRocket::BuildExtraPages(QTabWidget* pages)
{
    spawnbot->SetRange(1, 32);

    // Chat page: RCBot's chat rate under the memo.
    RC_bot_chat_percent = PercentSlider(*this, TS_Chat, QStringLiteral("RC_bot_chat_percent"), 200, 320, 200);
    AddLabel(TS_Chat, QStringLiteral("Lab_chatnever"), QStringLiteral("Chat frequency : Never"), 40, 322, 156)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AddLabel(TS_Chat, QStringLiteral("Lab_chatalways"), QStringLiteral("Always"), 406, 322, 60);

    TS_RC_Misc = new QWidget;
    TS_RC_Misc->setObjectName(QStringLiteral("TS_RC_Misc"));
    TS_RC_Misc->setAutoFillBackground(true);
    TS_RC_Misc->setPalette(palette());
    pages->addTab(TS_RC_Misc, QStringLiteral("Misc"));
    QGroupBox* g = AddGroup(TS_RC_Misc, QStringLiteral("GB_RCBot"), QStringLiteral("Bots options"),
                            8, 8, 555, 358);
    RC_botdontshootsci = AddCheck(g, QStringLiteral("RC_botdontshootsci"),
                                  QStringLiteral("Bots dont shoot scientists and barneys"), 12, 26, 400);
    RC_use_satchels = AddCheck(g, QStringLiteral("RC_use_satchels"), QStringLiteral("Bots use satchels"), 12, 56, 400);
    RC_use_tripmines = AddCheck(g, QStringLiteral("RC_use_tripmines"), QStringLiteral("Bots use tripmines"), 12, 86, 200);
    AddLabel(g, QStringLiteral("Lab_trip0"), QStringLiteral("0 %"), 220, 88, 30);
    RC_tripmine_percent = PercentSlider(*this, g, QStringLiteral("RC_tripmine_percent"), 252, 84, 220);
    AddLabel(g, QStringLiteral("Lab_trip100"), QStringLiteral("100 %"), 478, 88, 50);
    RC_allow_spammers = AddCheck(g, QStringLiteral("RC_allow_spammers"), QStringLiteral("Allow spammers"), 12, 126, 400);
    AddLabel(g, QStringLiteral("Lab_spammer"), QStringLiteral("Percent of spammer bots"), 32, 156, 180);
    AddLabel(g, QStringLiteral("Lab_spam0"), QStringLiteral("0 %"), 220, 156, 30);
    RC_spammer_percent = PercentSlider(*this, g, QStringLiteral("RC_spammer_percent"), 252, 152, 220);
    AddLabel(g, QStringLiteral("Lab_spam100"), QStringLiteral("100 %"), 478, 156, 50);
    RC_matrixmode = AddCheck(g, QStringLiteral("RC_matrixmode"), QStringLiteral("Matrix mode"), 12, 196, 400);
    RC_bot_break_objects = AddCheck(g, QStringLiteral("RC_bot_break_objects"), QStringLiteral("Bots break objects"),
                                    12, 226, 400);
    RC_use_astar = AddCheck(g, QStringLiteral("RC_use_astar"),
                            QStringLiteral("Use A* pathfinding (may induce lags)"), 12, 256, 400);
}
