#pragma once
// Sci-hunt's logic. The mod has no choice of bot: its bots are the Jumbot bots it carries, set
// up through files of its own folder, and every file is written when the settings are saved
// (nothing at launch): game.cfg, Shconfig.cfg, botfiles\jumbot.cfg (its first map is the start
// map), the map cycle, the bots and chat files in botfiles\, the arsenal file in arsenals\ and
// the waypoint-editing binds in config.cfg (their keys also kept in QOR.ini).
#include "mods/common/Jumbot.h"
#include "mods/common/ModLogic.h"

class TFScihunt;

namespace USciHunt {

extern const QString ModKey;   // "Scihunt"

// One bot line of the bots file ("bot<n> <name> <model> <shirt> <pants> [<skill>]") as a record:
// slots 0 name, 1 model, 2 skill ("0" when absent), 3 pants, 4 shirt. A name between double
// quotes (a hand-written "Mad Doctor") is taken whole, then keeps the one name rule like every
// name (asRead: the name before that). A colour or skill that is no number of its range reads
// as "0"; a line without a name gives false.
bool ParseBotsFileLine(const QString& line, TBot& bot, QString* asRead = nullptr);
// The bots file for these records: its comment head, then one line per bot (names under the one
// rule, so never a blank and never a quote).
QStringList BotsFileLines(const QVector<TBot>& bots);
// The chat file: the two sections of 31 lines each, from the memos' lines.
QStringList ChatFileLines(const QStringList& kill, const QStringList& died);
// Its reader: the lines of the first section go to kill, of the second to died.
void ParseChatFile(const QStringList& lines, QStringList& kill, QStringList& died);
// A chat file section holds this many lines.
constexpr int ChatLines = 31;
// The four waypoint commands, in the order of the choosers and their QOR.ini keys.
struct TWaypointKey {
    QString Chooser;   // "SH_makewp"
    QString Setting;   // "Makewp"
    QString Command;   // "makewp"
};
const QVector<TWaypointKey>& WaypointKeys();
// True for a bind line of one of the four commands (what a rewrite of config.cfg replaces).
bool IsWaypointBind(const QString& line);

// The mode descriptions of the game types (the hint of the game-type chooser).
QString ModeDescription(int index);

class TSciHunt : public TModLogic {
public:
    TSciHunt();

    TFScihunt* Win() const;

    // The commands of jumbot.cfg this mod writes, and those of Shconfig.cfg.
    static const Jumbot::TCommandTable& JumbotCommands();
    static const Jumbot::TCommandTable& ShconfigCommands();

    TCvarTable Cvars() const override;
    void LoadConf() override;
    void LoadModDefaults() override;
    bool CheckConf() override;
    bool SaveConf() override;
    void RestoreDefaults() override;
    void ClearBotFields() override;
    void ShowBotRecord(const TBot& bot) override;
    TBot NewBot(bool random) override;
    bool MayCreateBot() override;
    void ListAvailableMaps() override;
    QString WaypointFolderPath() const override;
    QString MapConfigFolder() const override;
    // Nothing is written at launch.
    bool LaunchWriters(QString& error) override;

    QString BotFilesDir() const;
    QString ArsenalsDir() const;

    void ShowModeDescription();
    void ReadShconfigCfg();
    void ReadJumbotCfg(QString& startMap);
    void ReadWaypointKeys();
    void ReadBotsFile();
    void ReadChatFile();
    void ReadArsenal();
    bool WriteShconfigCfg(QString& error);
    bool WriteJumbotCfg(QString& error);
    bool WriteWaypointKeys(QString& error);
    bool WriteBotsFile(QString& error);
    bool WriteChatFile(QString& error);
    bool WriteArsenal(QString& error);
};

TSciHunt& Logic();

} // namespace USciHunt
