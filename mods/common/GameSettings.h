#pragma once
// The game page several mods share (Extreme Fragmatch and the mods of its variant with teams,
// Earth's Special Forces): a "Game Settings" group of time and frag limits, fall damage and a
// column of switches, and their game.cfg rows by cvar name, so each mod only says which
// switches it shows and in which order its game.cfg lists them. With teams, the page adds the
// "Game Type" and "Teams Settings" groups of the team panel (mods/common/TeamPanel.h).
//
// Control names: <Prefix>_timelimit, <Prefix>_fraglimit, <Prefix>_fallnorm, <Prefix>_fallreal and
// <Prefix>_<switch> (friendlyfire, weaponstay, forcerespawn, footsteps, flashlight,
// autocrosshair).
#include "mods/common/ModCvars.h"

#include <QString>
#include <QStringList>

class QGroupBox;
class QWidget;
class TModWindow;
class TTeamPanel;

namespace GameSettings {

// The "Game Settings" group at (x, y) with the switches named, in that order; a mod without
// fall damage leaves its radios out (fallDamage false).
QGroupBox* Build(TModWindow& w, QWidget* page, const QStringList& switches, int x, int y,
                 int width, int height, bool fallDamage = true);

// The row of one of the group's settings by its cvar (mp_fraglimit, mp_timelimit,
// mp_falldamage, mp_friendlyfire, mp_weaponstay, mp_forcerespawn, mp_footsteps, mp_flashlight,
// mp_autocrosshair), with the defaults LoadDefaults gives (limits "0", friendly fire, weapons
// stay and force respawn off, the other switches on; fall damage is never reset, and only the
// exact text "1" reads as Realistic). An unknown name gives a row that reads and writes nothing.
TCvarRow Row(const QString& prefix, const QString& cvar);

struct TTeamPage {
    TTeamPanel* Panel = nullptr;
    QGroupBox* GameType = nullptr;
    QGroupBox* Settings = nullptr;
    QGroupBox* Teams = nullptr;
};
// The page of the variant with teams: "Game Type" (the two buttons, the number of teams),
// "Game Settings" (Build's group) and "Teams Settings" (count team choosers named
// <Prefix>_team1.., "Your Team" first, and the preview button). teamsHeight lets a mod keep
// room below the teams for its own controls.
TTeamPage BuildTeamPage(TModWindow& w, QWidget* page, int count, const QStringList& switches,
                        int teamsHeight = 358, int teamRowHeight = 26, bool fallDamage = true);

// The Maps and Bots buttons under the names these mods' windows give them (BAddMap ...
// MapDown, NextModel, PrevModel) instead of the template's SpeedButton1..6, 13 and 14.
void UseTeamModButtonNames(TModWindow& w);

} // namespace GameSettings
