#include "mods/common/OddBot.h"

#include "core/UInit.h"
#include "mods/common/ModWriters.h"
#include "platform/IniFile.h"

namespace OddBot {

const QString Name = QStringLiteral("OddBot");

QStringList ChatFiles()
{
    return {QStringLiteral("odd_loss.txt"), QStringLiteral("odd_taunt.txt"),
            QStringLiteral("odd_victory.txt")};
}

QStringList SettingsLines(const TIniFile& store)
{
    const QString d = QStringLiteral("Default");
    // The bots shoot unless the flag is set, as OddBot's own default is to shoot; letters in the
    // flag read as the key left out.
    const bool shoots =
        ModWriters::StoredFlag(store, d, QStringLiteral("botdontshoot"), QStringLiteral("0")) == QLatin1String("0");
    QString balance;
    UInit::TextToOnOff(ModWriters::StoredFlag(store, d, QStringLiteral("team_even"), QStringLiteral("0")), balance);
    // A hand-edited store must not hand OddBot a chat rate without a number.
    const QString chat = ModWriters::NumberOr(
        store.ReadString(d, QStringLiteral("chatfreq"), QStringLiteral("0")), QStringLiteral("0"));
    return {shoots ? QStringLiteral("bot_shoot on") : QStringLiteral("bot_shoot off"),
            QStringLiteral("bot_balance ") + balance, QStringLiteral("bot_chat ") + chat,
            QStringLiteral("bot_exec_default 0")};
}

} // namespace OddBot
