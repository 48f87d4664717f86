#pragma once
// The files of the Rho-Bot bot program, written from a mod's bot store at every launch: the
// general cfg\rhobot.cfg, one bots\<name>.cfg per bot and botcycle.txt listing the bots to bring
// in. Half-Life Deathmatch ("Rho-Bot") and Deathmatch Classic ("Rho-DMC") write them; they
// differ in the chat line, the colour defaults and the weapons.
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class TIniFile;

namespace RhoBot {

struct TFlavour {
    QString SkillKey;          // the store's [Default] key of the default skill ("skill5", "skill")
    bool ChatFromStore = true; // bot_chat from [Default] "chatfreq" (default 50); false: 50
    QString TopDefault = QStringLiteral("1");      // [Bot i] "param2"
    QString BottomDefault = QStringLiteral("1");   // [Bot i] "param1"
    QString WeaponHeading;     // "// Rho-Bot weapons preferences"
    // Each weapon's line name (as written before the two TABs) and its [Bot i] key.
    QVector<QPair<QString, QString>> Weapons;
};

// The names the bots get, in order: [Bot i] "nom" as a safe file name (BotFileName), which
// botcycle.txt, the bot's file and its bot_name line all carry.
QStringList BotNames(const TIniFile& store, int spawnBots);
// The file name a bot's cfg gets: the name without path separators, "..", or characters a file
// name cannot hold; "NewBot<i>" when nothing is left.
QString BotFileName(const QString& name, int botNumber);

QStringList CfgLines(const TIniFile& store, int spawnBots, const TFlavour& flavour);
QStringList BotLines(const TIniFile& store, int botNumber, const QString& name, const TFlavour& flavour);

// Writes every file below dir (its cfg and bots folders made when missing). Two bots whose file
// names match (without regard to case) are refused before anything is written. The new files
// are written first; then only the .cfg files in bots of bots no longer played are removed.
// False with a message naming the file (or the two bots) in error.
bool WriteFiles(const QString& dir, const TIniFile& store, int spawnBots, const TFlavour& flavour,
                QString& error);

} // namespace RhoBot
