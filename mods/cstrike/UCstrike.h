#pragma once
// Counter-Strike's logic: the settings of its window (game.cfg, the bot store Bots\CS_Bots.ini,
// the P.O.D.Bot skill table) and its launch files (liblist.gam, the selected bot program's file
// and the bind line in config.cfg). One window serves ten outside bot programs; the section name
// of the selected bot decides which settings are shown, saved and written.
#include "mods/common/ControlRows.h"
#include "mods/common/ModLogic.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

class TIniFile;
class QTableWidget;

namespace UCstrike {

// The bot programs this module knows, compared case-sensitively with UInit::SelectedBot.
extern const QString BocBot;      // "BoC-bot"
extern const QString BottBot;     // "BottBot"
extern const QString BsdBot;      // "BSD-Bot"
extern const QString FreedomBot;  // "FreedomBot"
extern const QString JoeBot;      // "JoeBot"
extern const QString NNBot;       // "NN Bot"
extern const QString PlBot;       // "PlBot"
extern const QString PodBot;      // "P.O.D.Bot"
extern const QString RealBot;     // "RealBot:AI"
extern const QString SwatBot;     // "Swat Bot"
extern const QString Akimbot;     // "Akimbot"

extern const QString ModKey;      // "CStrike"

// The bot store's sections beside the bots: the shared settings, PlBot's and P.O.D.Bot's own.
inline const QString kDefault = QStringLiteral("Default");
inline const QString kPlBotSection = QStringLiteral("PlBot");
inline const QString kPodSection = QStringLiteral("PODBot");

// PlBot's A.I. settings in the order of its page and of the store's [PlBot]: a number control,
// its caption and range. The store key is the name without "PL_" in lower case, and the lowest
// value is the default.
struct TPlBotSetting {
    const char* Name;
    const char* Caption;
    int Min;
    int Max;
};
const QVector<TPlBotSetting>& PlBotSettings();

// The model entries of a side ("0" Auto, "1" Terrorists, "2" Counter-Terrorists): five names,
// index 0 "<Random Model>"; any other side gives no entry.
QStringList ModelNames(const QString& team);
// JoeBot's favourite weapons as shown (index 0 is an empty entry) and as written.
QStringList FavouriteWeapons();
QString WeaponName(int index);    // "" outside 1..14

// The game page's controls and the game.cfg lines they bind.
const TControlRows& GamePage();

// ---- Launch files ----

// The placeholders of a bot entry, in order: <team> (team "0" and a missing team written as "5"),
// <model>, <name>, <skill> and <weapon> (the favourite weapon's name); the template is cut into
// lines at every "<CR>". The names keep the engine's rule where engineTokens says so.
ModWriters::TPlaceholderTable EntryPlaceholders(const QString& skillKey, bool engineTokens = false);
// One bot's lines ([Bot botNumber] of the store).
QStringList BotEntryLines(const QString& botTemplate, const TIniFile& store, int botNumber,
                          const QString& maxSkill);

// The settings lines of the selected bot program, read from the store ([Default], [PlBot],
// [PODBot]); skill is the default skill S. Empty for the programs without settings of their own.
QStringList BotProgramLines(const QString& bot, const TIniFile& store, const QString& skill);

// ---- P.O.D.Bot skill table ----

constexpr int SkillKeyCount = 10;
constexpr int SkillBandCount = 6;
using TSkillTable = std::array<std::array<QString, SkillBandCount>, SkillKeyCount>; // [key][band]

const QStringList& SkillKeys();         // MIN_DELAY ... SEEN_SHOOTTHRU_PROB

// Reads botskill.cfg lines into the table: comment ("#") and blank lines are skipped, each line
// gives the value after the key it holds, and the band moves on after ten recognised keys.
// Values of keys not found stay as they were.
void ParseBotSkill(const QStringList& lines, TSkillTable& table);
// The file's lines: two comment lines, then per band an empty line, the heading and ten lines.
QStringList FormatBotSkill(const TSkillTable& table);
// True when no value cell holds anything (nothing was ever loaded).
bool IsEmpty(const TSkillTable& table);

// The window's grid (7 columns x 11 rows; row 0 the band headings, column 0 the row labels).
// Labels it, each row's cells taking the numbers of its row (no change signal).
void LabelSkillGrid(QTableWidget* grid);

// ---- The logic object ----

class TCstrike : public TModLogic {
public:
    TCstrike();

    // What the first activation reads beyond the template's keys.
    struct TCsSection {
        int MinSkill = 1;
        QString BotMenuCmd;
        QString ExecCmd;
    } Cs;

    bool IsBot(const QString& name) const;
    // The folder the waypoint folder is relative to: HLPath for NN Bot, the mod folder otherwise.
    QString WaypointRoot() const;
    // The folder WayDirChange accepts folders below: HLPath\nnbot for NN Bot, <moddir>\PodBot
    // for P.O.D.Bot, the mod folder otherwise.
    QString WayDirRoot() const;
    // The prefix WaypointFolder carries below WaypointRoot() ("nnbot\", "PodBot\", "").
    QString WayDirPrefix() const;
    // The waypoint folder the store names for NN Bot (below HLPath\nnbot) or P.O.D.Bot (below
    // <moddir>\PodBot); "" for the other bot programs and for a folder that is not there.
    QString StoredWaypointFolder(const TIniFile& store, const QString& bot) const;
    // The bot programs that take a skill range (minimum and maximum) rather than one level.
    bool UsesMinSkill() const;
    // For those, the default (maximum) skill is never below the minimum: the sliders follow
    // each other on user changes, and this keeps loaded values (defaults, a hand-edited store)
    // in the same order.
    void KeepSkillsInStep();

    void ReadBotSection() override;
    void LoadConf() override;
    void LoadDefaults() override;
    void LoadModDefaults() override;
    void ClearBotFields() override;
    bool SaveConf() override;
    TCvarTable Cvars() const override;
    QStringList LiblistLines(const QString& dll) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    ModWriters::TFillOptions FillOptions() const override;
    QStringList BotFileHeader(const TBotFileContext& c) const override;
    bool EngineReadsBotLines() const override;
    TStoreTable StoreRows() const override;
    TStoreTable BotStoreRows() const override;
    void ReadDefaultSection(const TIniFile& store) override;
    void ShowBotRecord(const TBot& bot) override;
    int ModelIndex(const TBot& bot) const override;
    QString PictureName(const TBot& bot) const override;
    void FillSideModels(const QString& side) override;
    void FillModelChooser() override;
    QString WaypointFolderPath() const override;
    void RestoreDefaults() override;
    TBot NewBot(bool random) override;

    // Labels the open window's grid and fills it from botskill.cfg when that exists.
    void ReadBotSkillCfg();
    // Rewrites botskill.cfg from the open window's grid. A grid without any value writes
    // nothing (the bot program keeps its own table). False with a message when it failed.
    bool WriteBotSkillCfg(QString& error);
    // <moddir>\PODBot\botskill.cfg (an existing file is found whatever the case of its name).
    QString BotSkillCfgPath() const;
};

// The one logic object of the mod, the unit itself: its role routines (Logic().LoadConf() ...)
// and its state outlive the window.
TCstrike& Logic();

} // namespace UCstrike
