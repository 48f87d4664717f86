#pragma once
// Wanted's logic: the template's role routines with the mod's cvar table (limits, fall damage,
// switches and the mod's own bot settings sv_defaultbots, sv_adjbotskill, sv_botskill), its
// fixed map entries beside the folder's maps, its fixed list of player models, and its bots kept
// in the mod's own files rather than a bot store: <moddir>\botcycle.txt names them, one
// <moddir>\bots\<name>.bot file describes each. There is no choice of bot and no launch writer:
// the files are written when the settings are saved.
#include "mods/common/ModLogic.h"

#include <QSet>

namespace UWanted {

// The map entries the available list holds whatever the maps folder has ("canyon *" ...).
const QStringList& FixedMaps();
// The mod's player models, sorted, as the model chooser lists them.
const QStringList& ModelNames();

// A bot's .bot file: its lines, and the record (slots 1 to 4) its lines give. A key missing from
// the file, or a value that is no number for a number, reads as the plain bot's value; numbers
// are brought into their range (skill 1..5, colours 0..254).
QStringList BotFileContents(const TBot& bot);
void ReadBotFile(const QStringList& lines, TBot& bot);

class TWanted : public TModLogic {
public:
    TWanted();
    TCvarTable Cvars() const override;
    void ListAvailableMaps() override;
    void FillModelChooser() override;
    void ClearBotFields() override;
    void ShowBotRecord(const TBot& bot) override;
    TBot NewBot(bool random) override;
    // The template's checks, then two bots that would share one .bot file.
    bool CheckConf() override;
    // The mod's bots live in its own files: the store's reader and writer are the bot files'.
    void ReadBotsIni() override { ReadBotFiles(); }
    bool WriteBotsIni(QString& error) override { return WriteBotFiles(error); }
    // Nothing to write at launch.
    bool LaunchWriters(QString&) override { return true; }

    QString BotCyclePath() const;
    QString BotsFolder() const;
    // botcycle.txt, or (when it is missing) the .bot files of the folder; the first bot shown.
    void ReadBotFiles();
    // botcycle.txt rewritten with the names of the folder's .bot files, in the folder's order.
    bool WriteBotCycle(QString& error);
    // The bots' files, then botcycle.txt; the files of bots no longer listed are removed last.
    bool WriteBotFiles(QString& error);

private:
    // The names botcycle.txt listed when the bots were read: the files of those that are gone
    // at the next save are removed then.
    QStringList m_readNames;
    // Files that could not be read: left alone, whatever the list says at the next save.
    QSet<QString> m_unreadable;
};

// The one logic object of the mod.
TWanted& Logic();

} // namespace UWanted
