#pragma once
// Action Half-Life's logic: the game page with the game type, gore level and team-kill rules;
// bots with a behaviour record and a chat text of their own (kept in the bot store's
// [Bot <n>-Chat<c>] sections); user.scr's gore-level block at save; at launch the mp_bots line of
// game.cfg, liblist.gam, and either one bot-info file per bot ("AHL bot") or the addbot file.
#include "core/UInit.h"
#include "mods/common/ModLogic.h"

#include <QString>
#include <QStringList>

namespace UAction {

extern const QString AhlBot;    // "AHL bot"
extern const QString Akimbot;   // "Akimbot"

const QStringList& GameTypeItems();
const QStringList& GoreLevelItems();
const QStringList& TkDealItems();
const QStringList& FavWeaponItems();
const QStringList& FavUniqueWeaponItems();
const QStringList& FavSpecialItems();

// The index of the last item that begins with key + " - "; 0 (the "0 - Random" item) when none.
int FindComboItem(const QStringList& items, const QString& key);

// ---- A bot's chat text and its seven store sections ----
// The comment lines that head a chat text and a bot-info file's chat part.
const QStringList& ChatCommentLines();
// "Bot <n>-Chat<c>" (n from 1).
QString ChatSection(int botNumber, int chat);
// The text shown for bot n: the comment lines, then per chat c = 1..7 an empty line, "[CHAT=c]",
// its lines and "[CHATEND=c]".
QString ReadBotChat(const TIniFile& store, int botNumber);
// The lines of each chat block c = 1..7 of a text: only lines between "[CHAT=c]" and its
// "[CHATEND=...]" count; the block's number is the digit after "[CHAT=", 1..7 (another is no
// block).
QVector<QStringList> ChatBlocks(const QString& text);
// Replaces bot n's seven sections with the text's blocks (each section NBLigne + Ligne1..).
bool WriteBotChat(TIniFile& store, int botNumber, const QString& text);
bool EraseBotChat(TIniFile& store, int botNumber);

// ---- Launch files ----
// "mp_bots"<TAB>"<n>.00000" for the launch's rewrite of game.cfg.
QString LaunchBotsLine(const QString& bot, const TIniFile& store);
// A bot-info file's lines for [Bot n] of the store.
QStringList BotInfoLines(const TIniFile& store, int botNumber, const QString& name,
                         const QString& maxSkill);
// The file name a bot's name gives: no path separator, "..", or character a file name cannot
// hold; an empty result is "NewBot<n>".
QString BotInfoName(const QString& name, int botNumber);
// user.scr rewritten: its first 84 lines (missing ones empty), then the gore-level block.
QStringList UserScrLines(const QStringList& old, int goreLevel);

class TAction : public TModLogic {
public:
    TAction();

    bool IsAhlBot() const { return UInit::SelectedBot == AhlBot; }

    void LoadModDefaults() override;
    bool CheckConf() override;
    bool SaveConf() override;
    TCvarTable Cvars() const override;
    TStoreTable StoreRows() const override;
    TStoreTable BotStoreRows() const override;
    void ReadBotRecord(const TIniFile& store, const QString& section, TBot& bot) override;
    bool WriteDefaultSection(TIniFile& store) override;
    bool WriteBotRecord(TIniFile& store, const QString& section, const TBot& bot) override;
    void ShowBotRecord(const TBot& bot) override;
    TBot NewBot(bool random) override;
    QStringList LiblistLines(const QString& dll) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    bool LaunchWriters(QString& error) override;

    // The launch's rewrite of every game.cfg line holding "mp_bots"; a missing game.cfg is left
    // missing.
    bool UpdateGameCfgBots(QString& error);
    // biflist.txt and one <name>.bif per bot to spawn ("AHL bot"): two bots of one name are
    // refused, the new files are written before the files of bots no longer listed are removed.
    bool WriteBotInfoFiles(QString& error);
    bool WriteUserScr(QString& error);
    // Two bots whose file names match (trimmed, without regard to case): the first such name.
    static QString DuplicateName(const QStringList& names);
};

TAction& Logic();

} // namespace UAction
