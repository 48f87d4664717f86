#pragma once
// The mod identity table: one row per mod, the one place a mod is described. Every
// dispatcher of the core looks the selected key up here (case-sensitively; a key outside the
// table does nothing). Mod modules fill the hooks of their own row when they register.
#include "core/Types.h"

#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>
#include <functional>

class QDialog;

// What a mod module provides to the core. Empty hooks mean "nothing to do" for that mod.
struct TModHooks {
    // Creates the mod's configuration window (owner may be null).
    std::function<QDialog*(QWidget* owner)> CreateWindow;
    // "Restore Default": the mod's routines after the confirmation (LoadDefaults, readers...).
    std::function<void()> RestoreDefaults;
    // "Restore Config" and the first activation: the mod's LoadConf.
    std::function<void()> LoadConf;
    // Sets the open window's modified flag (the window's <XX>_Modif_Param).
    std::function<void()> MarkModified;
    // The launch writers, in order. False stops the launch; error then holds the message
    // already worth showing to the user.
    std::function<bool(QString& error)> LaunchWriters;
    // The bot-list routines' swap of two records (moving and deleting bots): set by a mod whose
    // records are not the row's TBot array (Rocket Crowbar swaps its TRocBot records and marks
    // modified). Empty: the core swaps the TBot records itself.
    std::function<void(int a, int b)> SwapBots;
    // The team mods' EnableTeams: enables the team choosers for the current number of teams.
    // UQOR::ApplyTeamList runs it after setting the number of teams, when teamplay is on.
    std::function<void()> EnableTeams;
};

struct TModRow {
    // Identity, fixed by the program.
    QString Key;          // "CStrike"
    QString Button;       // "SB_CStrike"
    QString Handler;      // "SB_CStrikeClick"
    QString Hint;         // "Counter Strike 1.3"
    QString Label;        // shown after "Selected : "
    QString Abbreviation; // shown after "Current Bot for "; empty: no bot selector
    QString ListKey;      // names Mods\<ModsFile>.ini and the QOR.ini section read for "Last Bot"; empty: none
    QString ModsFile;     // the file name stem in Mods\ ("HL-DM" for Deathmatch)
    QString WindowClass;  // "TFCstrike"
    QString WindowVar;    // "FCstrike"
    QString Folder;       // folder below HLPath, in the case given ("cstrike"); empty for Deathmatch
    QString StartMap;     // the stock start map
    QString GameDir;      // the -game value ("gearbox" for Op4); Deathmatch reads it from its bot

    bool HasBotSelector() const { return !ListKey.isEmpty(); }

    // State that outlives the mod windows.
    QString Dir;                 // HLPath + "\" + Folder (Deathmatch: set by its window/writers)
    QVector<TBot> Bots;
    QVector<TRocBot> RocBots;    // Rocket Crowbar only
    QPointer<QWidget> Window;    // the open configuration window, if any

    TModHooks Hooks;
};

namespace ModTable {

// All 31 rows in the order the main window places the buttons.
QVector<TModRow>& Rows();
// The row of a key (case-sensitive), or nullptr.
TModRow* Find(const QString& key);
// The row of UInit::SelectedMod, or nullptr.
TModRow* Selected();

} // namespace ModTable

// Defined in mods/RegisterMods.cpp: lets every built mod module fill the hooks of its row.
// ModTable::Rows() calls it once, right after it has built the identity rows. (An explicit call,
// because static registrars in a static library are dropped by the linker.)
void RegisterMods();

namespace ModTable {

} // namespace ModTable
