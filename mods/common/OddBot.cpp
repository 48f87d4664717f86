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
    // Only an explicit "0" (or no key) lets the bots shoot, as OddBot's own default is to shoot.
    const bool shoots = store.ReadString(d, QStringLiteral("botdontshoot"), QStringLiteral("0")) ==
                        QLatin1String("0");
    QString balance;
    UInit::TextToOnOff(store.ReadString(d, QStringLiteral("team_even"), QStringLiteral("0")), balance);
    // A hand-edited store must not hand OddBot a chat rate without a number.
    const QString chat = ModWriters::NumberOr(
        store.ReadString(d, QStringLiteral("chatfreq"), QStringLiteral("0")), QStringLiteral("0"));
    return {shoots ? QStringLiteral("bot_shoot on") : QStringLiteral("bot_shoot off"),
            QStringLiteral("bot_balance ") + balance, QStringLiteral("bot_chat ") + chat,
            QStringLiteral("bot_exec_default 0")};
}

} // namespace OddBot
