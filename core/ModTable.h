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
    // records are not the row's TBot array (a mod keeping TRocBot records swaps those and marks
    // modified). Empty: the core swaps the TBot records itself.
    std::function<void(int a, int b)> SwapBots;
};

// How a mod stores the chosen model in slot 1 of its bot records.
enum class TModelStorage {
    Name,         // the model's name (the chooser's text)
    Index,        // the chooser's index from 0 (Counter-Strike)
    ClassNumber,  // the chooser's index + 1 (the fixed class lists)
};

// What differs per mod in the core's shared routines. The mod module declares it (in its
// traits) and its registration puts it on the row; core and ui read it and never the mod key.
struct TModProfile {
    // ---- Models and pictures. ----
    TModelStorage ModelStorage = TModelStorage::Name;
    // The player models lie in <moddir>\models\player (the picture .bmp beside them); else in
    // Half-Life's own player-model folder.
    bool OwnModelFolder = false;
    // The subfolder of AppPath\models holding the mod's pictures, with its "\" ("cs\"); "" none.
    QString PictureFolder;
    // Pictures named after the side and the class: "<slot 3>_<slot 1>".
    bool SidePictures = false;
    // The bot records are the row's RocBots, not its Bots (the mod's own 13-slot record).
    bool OwnBotRecords = false;

    // ---- Maps. ----
    // The available list also offers Half-Life's eight deathmatch maps (not with cstrike.exe).
    bool DeathmatchStockMaps = false;
    // Further maps that ship with the game, listed and counted as present without a file.
    QStringList ListedStockMaps;
    // Maps counted as present without a file, but not listed.
    QStringList PresentStockMaps;
    // The available list keeps the entries it was given (a fixed list) and the cycle takes any
    // name.
    bool FixedMapList = false;
    // A map the mod can never play (not listed, not present); empty: none.
    std::function<bool(const QString& map)> HidesMap;

    // ---- game.cfg reading. ----
    // The mod's reader takes whole numbers only: values read are cut at their ".".
    bool WholeNumberCvars = false;

    // ---- The main window and its helpers. ----
    // The mod window opens at the main window's left + 4, top + 22 instead of centred on it.
    bool WindowAtMainCorner = false;
    // The model preview follows the mod window when it moves.
    bool PreviewFollows = false;
    // The folder below HLPath where the bot libraries of the Mods file lie ("valve"); empty: the
    // mod's own folder.
    QString BotLibraryFolder;

    // ---- The launch. ----
    // The -game value (empty hook: the row's GameDir).
    std::function<QString()> LaunchGameDir;
    // The +maxplayers value ("" when the launch keeps its own); false stops the launch with
    // error. Empty hook: the launch's own.
    std::function<bool(QString& maxPlayers, QString& error)> LaunchMaxPlayers;
};

struct TModRow {
    // Identity, fixed by the program.
    QString Key;          // the mod key, matched case-sensitively
    QString Button;       // objectName of the mod's button in the main window ("SB_" + a name)
    QString Hint;         // the button's hint: the mod's name and version
    QString Label;        // shown after "Selected : "
    QString Abbreviation; // shown after "Current Bot for "; empty: no bot selector
    QString ListKey;      // names Mods\<ModsFile>.ini and the QOR.ini section read for "Last Bot"; empty: none
    QString ModsFile;     // the file name stem in Mods\ (it may differ from ListKey)
    QString Folder;       // folder below HLPath, in the case given; empty: the chosen bot's
                          // folder decides (set by the mod's window and writers)
    QString StartMap;     // the stock start map
    QString GameDir;      // the -game value, when it is not the folder; empty: the profile's
                          // LaunchGameDir decides

    bool HasBotSelector() const { return !ListKey.isEmpty(); }

    // State that outlives the mod windows.
    QString Dir;                 // HLPath + "\" + Folder (without a Folder: set by the mod)
    QVector<TBot> Bots;
    QVector<TRocBot> RocBots;    // a mod with Profile.OwnBotRecords only
    QPointer<QWidget> Window;    // the open configuration window, if any

    TModHooks Hooks;
    TModProfile Profile;
};

namespace ModTable {

// All 31 rows in the order the main window places the buttons.
QVector<TModRow>& Rows();
// The row of a key (case-sensitive), or nullptr.
TModRow* Find(const QString& key);
// The row of UInit::SelectedMod, or nullptr.
TModRow* Selected();

} // namespace ModTable

// Generated by the build from the folders under mods/: calls RegisterMod_<folder>() of every mod
// module, which fills its row (hooks and profile). ModTable::Rows() calls it once, right after it
// has built the identity rows. (An explicit call, because static registrars in a static library
// are dropped by the linker.)
void RegisterMods();
