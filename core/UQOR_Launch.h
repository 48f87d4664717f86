#pragma once
// "Launch Half-Life": the selected mod's launch writers, the server-config filter, the command
// line, log.txt and the start of the game.
#include "core/Types.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

namespace UQOR {

// What would be started: composed as a value, so it can be checked without starting anything.
struct TLaunchCommand {
    QString Executable;   // a bare file name, found in WorkDir ("hl.exe", "hlds.exe", "HLKeyFr.exe")
    QString Parameters;   // exactly as passed to the game; begins with a blank
    QString WorkDir;      // UInit::HLPath
};

// The title of the key-layout tool's window; while it is open the tool is not started again.
extern const QString HLKeyFrWindowTitle;   // "HLKey-Fr! V1.04"

// Runs the selected mod's launch writers (its row's Hooks.LaunchWriters), then FilterServerCfgs
// on the row's Dir; then the profile's LaunchMaxPlayers, when the mod has one, sets
// UInit::MaxPlayers. A key outside the mod table runs nothing. False stops the
// launch; error then holds the message to show.
bool PrepareLaunch(QString* error = nullptr);

// The start map: QOR.ini [selected mod] "First Map" read as a map-cycle line (CycleMapName),
// or the mod's stock start map ("boot_camp" for the mods without one) when that gives none.
void GetStartMap(QString& map);
// The stock start map of a mod key ("boot_camp" for a key without one).
QString StockStartMap(const QString& modKey);

// Comments out, in modDir\listenserver.cfg (and modDir\server.cfg when the dedicated server is
// chosen), every command that would override a setting the program manages. A missing file is
// skipped. False (with a message) when a file could not be read or replaced; it then keeps its
// old contents.
bool FilterServerCfgs(const QString& modDir, QString* error = nullptr);
// One file of the filter.
bool FilterCfgFile(const QString& path, QString* error = nullptr);
// The filter's rewrite of a file's bytes with the given table, the lines read as the engine
// reads them; lines it leaves alone keep their bytes and line ends; changed tells whether any
// command was commented out.
QByteArray FilterCfgText(const QByteArray& text, const QVector<TCVar>& managed,
                         bool* changed = nullptr);

// The -game value of the selected mod: its profile's LaunchGameDir when it has one, otherwise
// the row's GameDir, otherwise the key in lower case.
QString LaunchGameDir();

// The command for gameDir from the current settings: parameters with or without automatic
// start, the additional command of QOR.ini [QOR] "Command", the executable choice.
TLaunchCommand BuildLaunchCommand(const QString& gameDir);

// Rewrites AppPath\log.txt with the parameters as its one line (CR LF), atomically.
bool WriteLaunchLog(const QString& parameters, QString* error = nullptr);

// The body of TMain::SB_HLClick: finds CB_SelectBot / GB_SelectBot below mainWindow, prepares
// the mod's files, starts the game and, with "Close QOR when HL starts", closes mainWindow.
// True when the game was started.
bool LaunchHalfLife(QWidget* mainWindow);

} // namespace UQOR
