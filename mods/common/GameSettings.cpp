#include "mods/common/GameSettings.h"

#include "mods/common/ModWindow.h"
#include "mods/common/TeamPanel.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

namespace GameSettings {

namespace {

struct TSwitch {
    const char* Stem;
    const char* Caption;
    const char* Hint;
    const char* Default;
};

const TSwitch kSwitches[] = {
    {"friendlyfire", "Friendly Fire", "Allows firing to teammates", "0"},
    {"weaponstay", "Weapons Stay", "Weapon remains after a player picked it up", "0"},
    {"forcerespawn", "Force Respawn", "Forces a player to respawn immediatly when killed", "0"},
    {"footsteps", "Footsteps", "Allows footsteps sounds", "1"},
    {"flashlight", "Flashlight", "Allows players to use flashlight", "1"},
    {"autocrosshair", "AutoCrossHair", "Allows auto-aiming crosshair", "1"},
};

const TSwitch* FindSwitch(const QString& stem)
{
    for (const TSwitch& s : kSwitches)
        if (stem == QLatin1String(s.Stem))
            return &s;
    return nullptr;
}

} // namespace

QGroupBox* Build(TModWindow& w, QWidget* page, const QStringList& switches, int x, int y,
                 int width, int height, bool fallDamage)
{
    QGroupBox* g = w.AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                              x, y, width, height);
    w.AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 28, 90);
    w.AddNumber(g, w.Prefixed(QStringLiteral("timelimit")), 0, 90, 2, 110, 24, 56,
                QStringLiteral("Maximum time before changing map (0 = infinite)"));
    w.AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 58, 90);
    w.AddNumber(g, w.Prefixed(QStringLiteral("fraglimit")), 0, 999, 3, 110, 54, 56,
                QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));
    int row = 88;
    if (fallDamage) {
        w.AddLabel(g, QStringLiteral("LabelFallDamages"), QStringLiteral("Fall Damages"), 12, 88, 90);
        const QString fallHint = QStringLiteral("Type of damages applied when a player falls");
        auto radio = [&](const QString& stem, const QString& caption, int rx) {
            auto* r = new QRadioButton(caption, g);
            r->setObjectName(w.Prefixed(stem));
            r->setToolTip(fallHint);
            r->setGeometry(rx, 86, 76, 20);
            QObject::connect(r, &QRadioButton::clicked, &w, &TModWindow::OnChange);
            return r;
        };
        radio(QStringLiteral("fallnorm"), QStringLiteral("Normal"), 110)->setChecked(true);
        radio(QStringLiteral("fallreal"), QStringLiteral("Realistic"), 110 + 80)->resize(86, 20);
        row = 118;
    }
    for (const QString& stem : switches) {
        const TSwitch* s = FindSwitch(stem);
        if (!s)
            continue;
        w.AddCheck(g, w.Prefixed(stem), QString::fromLatin1(s->Caption), 12, row, 134,
                   QString::fromLatin1(s->Hint))
            ->setChecked(QLatin1String(s->Default) == QLatin1String("1"));
        row += 24;
    }
    return g;
}

TCvarRow Row(const QString& prefix, const QString& cvar)
{
    const QString p = prefix + QLatin1Char('_');
    if (cvar == QLatin1String("mp_fraglimit"))
        return ModCvars::Number(cvar, p + QStringLiteral("fraglimit"), QStringLiteral("0"));
    if (cvar == QLatin1String("mp_timelimit"))
        return ModCvars::Number(cvar, p + QStringLiteral("timelimit"), QStringLiteral("0"));
    if (cvar == QLatin1String("mp_falldamage")) {
        TCvarRow row;
        row.Cvar = cvar;
        row.Control = p + QStringLiteral("fallreal");
        row.Control2 = p + QStringLiteral("fallnorm");
        row.Read = TCvarRead::Radio;
        row.Written = TCvarWrite::Raw;
        row.Values = {QStringLiteral("1"), QStringLiteral("0")};
        return row;
    }
    if (cvar.startsWith(QLatin1String("mp_")))
        if (const TSwitch* s = FindSwitch(cvar.mid(3)))
            return ModCvars::Check(cvar, p + QLatin1String(s->Stem), QString::fromLatin1(s->Default));
    TCvarRow none;
    none.Cvar = cvar;
    none.Read = TCvarRead::None;
    none.When = [](const TModWindow&) { return false; };
    return none;
}

TTeamPage BuildTeamPage(TModWindow& w, QWidget* page, int count, const QStringList& switches,
                        int teamsHeight, int teamRowHeight, bool fallDamage)
{
    TTeamPage t;
    t.Panel = new TTeamPanel(w, w.Prefixed(QStringLiteral("team")), count);
    t.GameType = w.AddGroup(page, QStringLiteral("GB_GameType"), QStringLiteral("Game Type"), 8, 8, 280, 78);
    t.Panel->BuildGameType(t.GameType, 12, 20);
    // The caption whole, whatever font stands in for Arial.
    if (t.Panel->LabelNumTeam)
        t.Panel->LabelNumTeam->resize(t.Panel->LabelNumTeam->sizeHint());
    t.Settings = Build(w, page, switches, 8, 92, 280, 274, fallDamage);
    t.Teams = w.AddGroup(page, QStringLiteral("GB_TeamsSettings"), QStringLiteral("Teams Settings"),
                         296, 8, 270, teamsHeight);
    t.Panel->BuildTeams(t.Teams, 12, 22, teamRowHeight);
    return t;
}

void UseTeamModButtonNames(TModWindow& w)
{
    const std::pair<QToolButton*, const char*> names[] = {
        {w.SpeedButton1, "BAddMap"},  {w.SpeedButton2, "BAddAllMaps"}, {w.SpeedButton3, "BDelMap"},
        {w.SpeedButton4, "BDelAllMaps"}, {w.SpeedButton5, "MapUp"},    {w.SpeedButton6, "MapDown"},
        {w.SpeedButton13, "NextModel"}, {w.SpeedButton14, "PrevModel"},
    };
    for (const auto& [button, name] : names)
        if (button)
            button->setObjectName(QString::fromLatin1(name));
}

} // namespace GameSettings
