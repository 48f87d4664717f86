#pragma once
// The open mod window as the code beneath it sees it. The logic (TModLogic), the cvar rows and
// the store rows never include the window's header: they find controls and leave every widget
// step to these interfaces, which TModWindow and TTeamPanel implement. So the dependency runs
// one way: the window and the team panel use the logic, never the reverse.
//
// Each step does nothing, or answers as an absent control would, where the mod leaves the
// control out (no Maps page, no chat memo, no model chooser ...).
#include "core/Types.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;
class TModWindow;

// The team panel's steps in the template's routines (mods/common/TeamPanel.h).
class TModTeams {
public:
    // The team choosers list these models (nothing chosen).
    virtual void FillTeams(const QStringList& models) = 0;
    // Forgets the team list of an earlier reading, before game.cfg is read again.
    virtual void ForgetTeamList() = 0;
    // The team list read from game.cfg, applied once the choosers are filled.
    virtual void ApplyPendingTeamList() = 0;
    // False with a team game when team 1 or team 2 has no selection; the message as the mod
    // words it.
    virtual bool HasTwoTeams() const = 0;
    virtual QString TwoTeamsCheckText() const = 0;

protected:
    ~TModTeams() = default;
};

// The [Default] values of the bot store that the Bots and Chat pages show; the values are also
// what a store without the key reads as, and what an absent control writes.
struct TBotsPageValues {
    int DefaultSkill = 0;
    int SpawnBot = 1;
    int ChatFreq = 10;
    int ChatFreqKill = 20;
    int ChatFreqDied = 10;
};

class TModView {
public:
    // The window itself, for the rules a mod writes against its controls.
    virtual TModWindow& Window() = 0;
    virtual const TModWindow& Window() const = 0;
    // The owner of the dialogs the logic shows.
    virtual QWidget* DialogParent() = 0;
    // A named control of the window (nullptr when absent).
    virtual QWidget* ControlWidget(const QString& objectName) const = 0;
    // The team panel, when the mod has one.
    virtual TModTeams* Teams() const = 0;
    // The modified flag := 1.
    virtual void Modif_Param() = 0;

    // Maps page: the available maps listed (with the map-config marks of configFolder/config
    // where given, and the waypoint legend shown when legend), the map cycle read, written and
    // emptied, and whether there is a map cycle that is empty.
    virtual void ListMaps(const QString& configFolder, const QString& config,
                          const QString& waypointFolder, bool legend) = 0;
    virtual void ReadMapCycle(const QString& waypointFolder) = 0;
    virtual bool WriteMapCycle(QString& error) = 0;
    virtual void ClearMapCycle() = 0;
    virtual bool MapCycleEmpty() const = 0;

    // Game and Bots pages: the key choosers filled from the key table, the number of bots set.
    virtual void FillKeyChoosers() = 0;
    virtual void SetSpawnBot(int value) = 0;
    // The [Default] values shown (the chat rates only when chatRates), and as they stand.
    virtual void ShowBotsPageValues(const TBotsPageValues& values, bool chatRates) = 0;
    virtual TBotsPageValues BotsPageValues() const = 0;

    // The bot list: whether there is one, its names, the bot focused (-1: none), whether any is
    // selected; emptied, filled, unselected, its selected bots deleted (count and records kept in
    // step). SelectFirstBot selects the first bot and shows the bot properties (false, with them
    // hidden, for an empty list); HideBotProperties hides them.
    virtual bool HasBotList() const = 0;
    virtual bool BotListEmpty() const = 0;   // a bot list without a bot
    virtual int CurrentBot() const = 0;
    virtual bool HasSelectedBots() const = 0;
    virtual void EmptyBotList() = 0;
    virtual void AddBotNames(const QStringList& names) = 0;
    virtual void ClearBotSelection() = 0;
    virtual void DeleteSelectedBots(int& count, QVector<TBot>& bots) = 0;
    virtual bool SelectFirstBot() = 0;
    virtual void HideBotProperties() = 0;
    // A random name from the bot names, none of the list's.
    virtual QString PickRandomBotName() const = 0;

    // The bot editor: emptied; a record's name, side, model and skill shown; the model
    // chooser's items replaced, and one selected; the model picture shown.
    virtual void ClearBotEditor() = 0;
    virtual void ShowBotName(const QString& name) = 0;
    virtual void ShowSide(const QString& value) = 0;
    virtual void ShowBotSkill(int skill) = 0;
    virtual QStringList ModelItems() const = 0;
    virtual void FillModels(const QStringList& models) = 0;
    virtual void SelectModel(int index) = 0;
    virtual void ShowModelPicture(const QString& pictureName) = 0;
    // The skill slider's range; false without one.
    virtual bool BotSkillRange(int& minimum, int& maximum) const = 0;

    // Chat page: whether there is a chat memo and it is empty, and the memo emptied, read from
    // and written to the current chat file (false with the reason in error).
    virtual bool HasChatMemo() const = 0;
    virtual bool ChatMemoEmpty() const = 0;
    virtual void ClearChatMemo() = 0;
    virtual bool ReadChatMemoFile(QString& error) = 0;
    virtual bool WriteChatMemoFile(QString& error) = 0;

protected:
    ~TModView() = default;
};
