#pragma once
// The program's shared state and start-up. Every other unit reads these globals directly.
#include "core/Types.h"
#include "platform/FileSys.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QComboBox;

namespace UInit {

// Paths and executable.
extern QString AppPath;          // the program's folder: QOR.ini, Mods/, Bots/, Maps/, models/ ...
extern QString HLPath;           // the Half-Life folder, no trailing separator
extern QString HLExe;            // "hl.exe" or "cstrike.exe"
extern QString PlayerModelsDir;  // HLPath + "\valve\models\player"
extern QString ValveMapsDir;     // HLPath + "\valve\maps"

// Selection.
extern QString SelectedMod;      // mod key, empty until a mod button is pressed
extern QString SelectedBot;      // section name of the chosen bot in the mod's Mods file

extern int LoadingDone;          // 0 while a window is being filled, 1 otherwise

// LoadingDone is 0 for the life of the guard and back to what it was after, whichever way the
// filling ends (an early return, an exception).
class TLoadingGuard {
public:
    TLoadingGuard() : m_previous(LoadingDone) { LoadingDone = 0; }
    ~TLoadingGuard() { LoadingDone = m_previous; }
    TLoadingGuard(const TLoadingGuard&) = delete;
    TLoadingGuard& operator=(const TLoadingGuard&) = delete;

private:
    int m_previous;
};

// Registry option letters: "O" yes, anything else no.
extern QString CloseQORSetting;
extern QString AutoStartSetting;
extern QString DedicatedSetting;
extern QString HLKeyFrSetting;

extern bool PreviewOpen;
extern QVector<TKey> KeyTable;   // 24 rows
constexpr int KeyTableHigh = 23;
extern FileSys::TOutFile OutFile;
extern QString MaxPlayers;
extern QVector<TCVar> ManagedCvars;
extern int ManagedCvarHigh;      // last index of ManagedCvars (set by BuildManagedCvarList)
extern int ButtonX;
extern int ButtonY;

// The markers of the available-map lists.
extern const QString WaypointMarker;   // "*"
extern const QString ConfigMarker;     // "+"

// The main window's hidden work lists (plain containers, not widgets).
extern QStringList TempMemo;
extern QStringList MapList;      // the .bsp files last listed (folder order) and stock maps
extern QStringList DirList;
extern QStringList ModelList;    // sorted case-insensitively
extern QStringList Bot_Names;

// The registry key paths.
extern const QString QorKeyPath;    // HKEY_LOCAL_MACHINE\SOFTWARE\Kovu Inc.\QOR
extern const QString ValveKeyPath;  // HKEY_LOCAL_MACHINE\SOFTWARE\Valve\Half-Life

// Start-up.
void InitProgram();
void InitGlobals();
void LoadRegistrySettings();
void BuildModDirs();
void ReadBotNames();
void ListPlayerModels();
void ClearWorkLists();
void BuildKeyTable();
// Fills ManagedCvars with every cvar the mod windows write (the server-config filter's table).
void BuildManagedCvarList();

// The program's own folder when the registry names none: the folder of the binary.
QString ProgramFolder();
// AppPath joined with a relative Windows-style path ("Mods\HL-DM.ini").
QString AppFile(const QString& relative);
// HLPath joined with a relative path.
QString HLFile(const QString& relative);

// Conversions.
bool TextToBool(const QString& text);
void BoolTo01(bool flag, QString& text);
void BoolToYesNo(bool flag, QString& text);
void TextToOnOff(const QString& text, QString& out);

// The program that starts the game in HLPath: HLExe when it is there; for the stock hl.exe
// (dedicated: hlds.exe) a native Linux installation's own launcher instead (hl.sh or
// hl_linux; hlds_run or hlds_linux); "" when none is there.
QString GameProgram(bool dedicated = false);

// Key table helpers.
// Fills each key chooser with the key table's display names (replacing its items).
void FillKeyCombos(const QVector<QComboBox*>& choosers);
void KeyToHLKey(const QString& displayName, QString& keyName);

} // namespace UInit
