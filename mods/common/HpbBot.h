#pragma once
// HPB Bot, the bot program of several mods (Team Fortress Classic, Front Line Force, Opposing
// Force, Holy Wars, Deathmatch Classic, Half-Life Deathmatch): the settings lines its bot file
// starts with and the bot store keys of its option group.
#include "mods/common/ModStore.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

class TIniFile;

namespace HpbBot {

extern const QString Name;   // "HPB Bot", the Mods file's section

// HPB Bot's settings, each a line "<command> <number>" from a key of the store's [Default].
enum class TSetting {
    DontShoot,   // botdontshoot from botdontshoot (0)
    Strafe,      // bot_strafe_percent from strafe (20)
    Grenade,     // bot_grenade_time from grenade (15)
    Logo,        // bot_logo_percent from logo (40)
    Reaction,    // bot_reaction_time from reaction_time (0)
    Chat,        // bot_chat_percent from chatfreq (10)
    Taunt,       // bot_taunt_percent from chatfreq_kill (20)
    Whine,       // bot_whine_percent from chatfreq_died (10)
    RandomColor, // random_color from random_color (0)
};

// The lines of the given settings in the given order (each mod's file keeps its own order). A
// key that is missing or holds no whole number gives HPB Bot's default: a hand-edited store must
// not hand the bot program a setting without a number.
QStringList SettingsLines(const TIniFile& store, std::initializer_list<TSetting> settings);

// The [Default] rows of the option group's strafe, grenade and logo numbers and the reaction
// time chooser's index, kept in the controls <prefix>_strafe, _grenade, _logo and _Reaction_Time.
TStoreTable OptionRows(const QString& prefix);

} // namespace HpbBot
