#include "mods/common/HpbBot.h"

#include "mods/common/ModWriters.h"
#include "platform/IniFile.h"

namespace HpbBot {

const QString Name = QStringLiteral("HPB Bot");

QStringList SettingsLines(const TIniFile& store, std::initializer_list<TSetting> settings)
{
    struct TLine {
        const char* Command;
        const char* Key;
        const char* Default;
    };
    auto line = [](TSetting s) -> TLine {
        switch (s) {
        case TSetting::DontShoot: return {"botdontshoot", "botdontshoot", "0"};
        case TSetting::Strafe: return {"bot_strafe_percent", "strafe", "20"};
        case TSetting::Grenade: return {"bot_grenade_time", "grenade", "15"};
        case TSetting::Logo: return {"bot_logo_percent", "logo", "40"};
        case TSetting::Reaction: return {"bot_reaction_time", "reaction_time", "0"};
        case TSetting::Chat: return {"bot_chat_percent", "chatfreq", "10"};
        case TSetting::Taunt: return {"bot_taunt_percent", "chatfreq_kill", "20"};
        case TSetting::Whine: return {"bot_whine_percent", "chatfreq_died", "10"};
        case TSetting::RandomColor: return {"random_color", "random_color", "0"};
        }
        return {"", "", ""};
    };
    QStringList lines;
    for (TSetting s : settings) {
        const TLine l = line(s);
        const QString def = QString::fromLatin1(l.Default);
        lines << QString::fromLatin1(l.Command) + QLatin1Char(' ') +
                     ModWriters::StoredNumber(store, QStringLiteral("Default"), QString::fromLatin1(l.Key), def);
    }
    return lines;
}

TStoreTable OptionRows(const QString& prefix)
{
    using namespace ModStore;
    const QString d = QStringLiteral("Default");
    return {
        Number(d, QStringLiteral("strafe"), prefix + QStringLiteral("_strafe"), QStringLiteral("20"), 0, 100),
        Number(d, QStringLiteral("grenade"), prefix + QStringLiteral("_grenade"), QStringLiteral("15"), 0, 60),
        Number(d, QStringLiteral("logo"), prefix + QStringLiteral("_logo"), QStringLiteral("40"), 0, 100),
        Number(d, QStringLiteral("reaction_time"), prefix + QStringLiteral("_Reaction_Time"), QStringLiteral("0"), 0, 3),
    };
}

} // namespace HpbBot
