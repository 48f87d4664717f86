#pragma once
// OddBot, the bot program of the team mods (Front Line Force, Team Fortress Classic): its chat
// files, which the Chat page's chooser offers, and the settings lines its bot file starts with.
#include <QString>
#include <QStringList>

class TIniFile;

namespace OddBot {

extern const QString Name;   // "OddBot", the Mods file's section

// The three chat files, in the chooser's order.
QStringList ChatFiles();

// The settings lines from the bot store's [Default]: "bot_shoot on" unless botdontshoot is set
// ("bot_shoot off"), "bot_balance on/off" from team_even, "bot_chat <chatfreq>" (0 when it is no
// number) and "bot_exec_default 0".
QStringList SettingsLines(const TIniFile& store);

} // namespace OddBot
