#pragma once
// parabot.cfg, the settings file of the Parabot bot program (Parabot\<game>\parabot.cfg):
// eight "Key = Value" lines written from a mod's bot store at every launch. Half-Life
// Deathmatch, Deathmatch Classic, Holy Wars and Opposing Force write it.
#include <QString>
#include <QStringList>

class TIniFile;

namespace Parabot {

// The eight lines from the store's [Default] section. spawnBots is the number of bots the launch
// plays (MinPlayers is one more, the host). peaceFromStore: "PeaceMode" follows the store's
// "botdontshoot"; false: always "off".
QStringList CfgLines(const TIniFile& store, int spawnBots, bool peaceFromStore);
// Writes them to path. The folder is Parabot's own and is not created: a missing one is an error
// naming the file.
bool WriteCfg(const QString& path, const TIniFile& store, int spawnBots, bool peaceFromStore,
              QString& error);

} // namespace Parabot
