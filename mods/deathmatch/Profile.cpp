// Half-Life Deathmatch: what the launcher needs to know of the mod before its window is built.
// Its game folder and its number of players come from the chosen bot and its bot store, so a
// launch needs no earlier visit of the window.
#include "core/ModTable.h"
#include "core/UInit.h"
#include "platform/IniFile.h"

#include <QDir>

void RegisterMod_deathmatch()
{
    TModRow* row = ModTable::Find(QStringLiteral("Deathmatch"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    p.DeathmatchStockMaps = true;
    p.PreviewFollows = true;
    p.BotLibraryFolder = QStringLiteral("valve");
    p.LaunchGameDir = [] {
        const TIniFile ini(UInit::AppFile(QStringLiteral("Mods\\HL-DM.ini")));
        const QString game = ini.ReadString(UInit::SelectedBot, QStringLiteral("game"), QString());
        // Without a game folder the engine would take the next argument for one; Deathmatch is
        // the stock game.
        return game.trimmed().isEmpty() ? QStringLiteral("valve") : game;
    };
    // The host and every bot of the store take a player slot.
    p.LaunchMaxPlayers = [](QString& maxPlayers, QString& error) {
        const QString path = UInit::AppFile(QStringLiteral("Bots\\HL_Bots.ini"));
        const TIniFile ini(path);
        const QString stored =
            ini.ReadString(QStringLiteral("Default"), QStringLiteral("spawnbot"), QStringLiteral("31"));
        bool ok = false;
        const int spawnbot = stored.trimmed().toInt(&ok, 10);
        if (!ok) {
            error = QStringLiteral("The number of bots \"") + stored + QStringLiteral("\" (spawnbot) in ") +
                    QDir::toNativeSeparators(path) + QStringLiteral(" is not a whole number.");
            return false;
        }
        maxPlayers = QString::number(qint64(spawnbot) + 1);
        return true;
    };
}
