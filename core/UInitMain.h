#pragma once
// The parts of UInit that work on the main window: the installed-mod test, the button grid,
// the bot selector and the option ticks. They act on the global main window (Main) and do
// nothing to widgets while it does not exist.
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace UInit {

// Hides every mod button and shows, from the grid origin (10, 20), the buttons of the mods
// that are installed: their folder exists and, for the mods with a bot selector, at least one
// of their bots has its library present. Without the game executable no mod is shown.
void ShowInstalledMods();

// What telling whether one mod is installed reads from disk, worked out beforehand from the
// mod table and the paths: the folder that must exist and, for a mod with a bot selector, its
// Mods file and the folder its bot libraries lie in.
struct TInstallCheck {
    QString Folder;
    bool NeedsBots = false;
    QString ModsFile;
    QString BotFolder;
    bool operator==(const TInstallCheck&) const = default;
};

// One check per row of the mod table, in its order.
QList<TInstallCheck> InstallChecks();
// Reads only the disk (through FileSys and TIniFile, which guard their caches) and no global,
// so it may run on any thread.
bool Installed(const TInstallCheck& check);

// Puts one button at the next grid position (ButtonX, ButtonY) and advances the grid: five
// columns 76 apart from Left 10, rows 75 apart.
void PlaceModButton(QWidget* button);

// Refills the main window's CB_SelectBot with the usable bots of a mod and reselects the
// "Last Bot" stored for it; true when at least one bot is usable.
bool ListModBots(const QString& listKey, const QString& modDir);

// The usable bots of a mod, sorted as the selector shows them, without touching any widget.
// The list key's row names the Mods file (ModsIniPath) and, in its profile, the folder below
// HLPath where the bot libraries lie (BotLibraryFolder; otherwise modDir).
QStringList UsableBots(const QString& listKey, const QString& modDir);

// AppPath\Mods\<file>.ini for a list key: the row's ModsFile where it differs from the key.
QString ModsIniPath(const QString& listKey);

// The main window, or nullptr while it does not exist.
QWidget* MainWidget();

// Sets the Options menu's ticks of the main window from the option letters.
void ShowOptionTicks();

} // namespace UInit
