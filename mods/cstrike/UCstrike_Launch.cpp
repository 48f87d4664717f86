// Counter-Strike's launch files.
#include "mods/cstrike/UCstrike.h"

#include "core/UInit.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

namespace UCstrike {

const QString BocBot = QStringLiteral("BoC-bot");
const QString BottBot = QStringLiteral("BottBot");
const QString BsdBot = QStringLiteral("BSD-Bot");
const QString FreedomBot = QStringLiteral("FreedomBot");
const QString JoeBot = QStringLiteral("JoeBot");
const QString NNBot = QStringLiteral("NN Bot");
const QString PlBot = QStringLiteral("PlBot");
const QString PodBot = QStringLiteral("P.O.D.Bot");
const QString RealBot = QStringLiteral("RealBot:AI");
const QString SwatBot = QStringLiteral("Swat Bot");
const QString Akimbot = QStringLiteral("Akimbot");
const QString ModKey = QStringLiteral("CStrike");

namespace {

// A skill as P.O.D.Bot takes it: a whole number within 0..100 (fallback when it is none).
QString PodBotSkill(const QString& stored, const QString& fallback)
{
    bool ok = false;
    const int v = stored.trimmed().toInt(&ok);
    if (!ok)
        return fallback;
    return v < 0 || v > 100 ? QString::number(qBound(0, v, 100)) : stored.trimmed();
}


QString OnOff(const QString& text)
{
    QString out;
    UInit::TextToOnOff(text, out);
    return out;
}

} // namespace

QStringList ModelNames(const QString& team)
{
    const QString random = QStringLiteral("<Random Model>");
    if (team == QLatin1String("0"))
        return {random, QStringLiteral("Phoenix / US Seal"), QStringLiteral("L337 / GSG-9"),
                QStringLiteral("Artic / UK SAS"), QStringLiteral("Gorilla / GIGN")};
    if (team == QLatin1String("1"))
        return {random, QStringLiteral("Phoenix Connektion"), QStringLiteral("L337 Krew"),
                QStringLiteral("Artic Avengers"), QStringLiteral("Gorilla Warface")};
    if (team == QLatin1String("2"))
        return {random, QStringLiteral("US Seal Team 6"), QStringLiteral("German GSG-9"),
                QStringLiteral("UK SAS"), QStringLiteral("French GIGN")};
    return {};
}

QStringList FavouriteWeapons()
{
    return {QString(),
            QStringLiteral("Shotgun - M3"),
            QStringLiteral("Shotgun - XM1014"),
            QStringLiteral("SMG - MP5 Navy"),
            QStringLiteral("SMG - P90"),
            QStringLiteral("SMG - Mac10 / TMP"),
            QStringLiteral("SMG - UMP45"),
            QStringLiteral("Rifle - AK47 / M4A1"),
            QStringLiteral("Rifle - SG552 / Aug"),
            QStringLiteral("Rifle - Steyr Scout"),
            QStringLiteral("Rifle - AWP"),
            QStringLiteral("Rifle - G3sg1 / SG550"),
            QStringLiteral("MG - M249"),
            QStringLiteral("Grenade - HE Grenade"),
            QStringLiteral("Grenade - FlashBang")};
}

QString WeaponName(int index)
{
    static const QStringList names = {
        QString(), QStringLiteral("weapon_m3"), QStringLiteral("weapon_xm1014"),
        QStringLiteral("weapon_mp5navy"), QStringLiteral("weapon_p90"),
        QStringLiteral("weapon_mac10"), QStringLiteral("weapon_ump45"),
        QStringLiteral("weapon_ak47"), QStringLiteral("weapon_sg552"),
        QStringLiteral("weapon_scout"), QStringLiteral("weapon_awp"),
        QStringLiteral("weapon_g3sg1"), QStringLiteral("weapon_m249"),
        QStringLiteral("weapon_hegrenade"), QStringLiteral("weapon_flashbang")};
    if (index < 0 || index >= names.size())
        return QString();
    return names.at(index);
}

ModWriters::TPlaceholderTable EntryPlaceholders(const QString& skillKey, bool engineTokens)
{
    ModWriters::TPlaceholderTable table{ModWriters::AutoTeamPlaceholder()};
    table += ModWriters::TemplatePlaceholders(skillKey, QStringLiteral("1"), QStringLiteral("NewBot"),
                                              QStringLiteral("1"), engineTokens);
    // The models are numbered here: a stored text stands for the first one.
    ModWriters::SetConvert(table, QStringLiteral("<model>"),
                           [](const QString& model, int) { return ModWriters::NumberOr(model, QStringLiteral("1")); });
    table.append({QStringLiteral("<weapon>"), QStringLiteral("weapon"), QStringLiteral("0"),
                  [](const QString& index, int) {
                      bool ok = false;
                      const int i = index.trimmed().toInt(&ok);
                      return ok ? WeaponName(i) : QString();
                  }});
    return table;
}

QStringList BotEntryLines(const QString& botTemplate, const TIniFile& store, int botNumber,
                          const QString& maxSkill)
{
    return ModWriters::FillTemplate(botTemplate, EntryPlaceholders(QStringLiteral("skill") + maxSkill),
                                    store, botNumber, Logic().FillOptions());
}

QStringList BotProgramLines(const QString& bot, const TIniFile& store, const QString& skill)
{
    auto d = [&](const char* key, const char* def) {
        return store.ReadString(kDefault, QString::fromLatin1(key), QString::fromLatin1(def));
    };
    // The numbers the window keeps: one that is no number writes what the key left out writes.
    auto n = [&](const char* key, const char* def) {
        return ModWriters::StoredNumber(store, kDefault, QString::fromLatin1(key), QString::fromLatin1(def));
    };
    auto p = [&](const char* key, const char* def) {
        return ModWriters::StoredNumber(store, kPlBotSection, QString::fromLatin1(key), QString::fromLatin1(def));
    };
    // The lowest skill is a number to the bot programs; a stored text is the default.
    auto minSkill = [&] { return ModWriters::NumberOr(d("minskill", "1"), QStringLiteral("1")); };
    auto o = [&](const char* key, const char* def) {
        return store.ReadString(kPodSection, QString::fromLatin1(key), QString::fromLatin1(def));
    };
    // The window's flags: one holding letters writes what the key left out writes.
    auto f = [&](const char* key, const char* def) {
        return ModWriters::StoredFlag(store, kDefault, QString::fromLatin1(key), QString::fromLatin1(def));
    };
    auto po = [&](const char* key, const char* def) {
        return ModWriters::StoredFlag(store, kPodSection, QString::fromLatin1(key), QString::fromLatin1(def));
    };

    QStringList lines;
    if (bot == BottBot) {
        QString mode = QStringLiteral("0");
        if (f("knifeonly", "0") == QLatin1String("1"))
            mode = QStringLiteral("1");
        if (f("pistolonly", "0") == QLatin1String("1"))
            mode = QStringLiteral("2");
        if (f("subonly", "0") == QLatin1String("1"))
            mode = QStringLiteral("3");
        if (f("Snipeonly", "0") == QLatin1String("1"))
            mode = QStringLiteral("4");
        lines << QStringLiteral("botchat ") + f("botchat", "0")
              << QStringLiteral("bt_minskill ") + minSkill()
              << QStringLiteral("bt_maxskill ") + skill
              << QStringLiteral("bt_showskill 0")
              << QStringLiteral("bt_waypointedit 0")
              << QStringLiteral("bt_reactions 0.001")
              << QStringLiteral("bt_unlocked 1")
              << QStringLiteral("bt_weaponmode ") + mode;
    } else if (bot == BsdBot) {
        lines << QStringLiteral("bot_whine_percent ") + n("chatfreq", "10");
    } else if (bot == FreedomBot) {
        lines << QStringLiteral("knifemode ") + f("knifeonly", "0")
              << QStringLiteral("laser ") + f("allowlaserdot", "1");
    } else if (bot == JoeBot) {
        const bool detailed = f("detailnames", "0") == QLatin1String("1");
        lines << QStringLiteral("leetposs ") + n("chatleet", "10")
              << QStringLiteral("botchat ") + OnOff(f("botchat", "0"))
              << QStringLiteral("pistolonly ") + OnOff(f("pistolonly", "0"))
              << QStringLiteral("botskill_min ") + minSkill()
              << QStringLiteral("botskill_max ") + skill
              << QStringLiteral("max_bots 0")
              << (detailed ? QStringLiteral("extjoe on") : QStringLiteral("extjoe off"))
              << (detailed ? QStringLiteral("extskill on") : QStringLiteral("extskill off"))
              << QStringLiteral("lbp botbuyweapons.cfg");
    } else if (bot == NNBot) {
        const QString folder = Logic().StoredWaypointFolder(store, bot);
        if (!folder.isEmpty())
            lines << QStringLiteral("nwpdir ") + folder;
        lines << QStringLiteral("botchat ") + f("botchat", "0")
              << QStringLiteral("knifeonly ") + f("knifeonly", "0")
              << QStringLiteral("pistolonly ") + f("pistolonly", "0")
              << QStringLiteral("subonly ") + f("subonly", "0")
              << QStringLiteral("usesmoke ") + f("usesmoke", "0")
              << QStringLiteral("cs10 ") + d("version", "1");
    } else if (bot == PlBot) {
        lines << QStringLiteral("plbot_skill ") + skill
              << QStringLiteral("plbot_chat ") + f("botchat", "0")
              << QStringLiteral("plbot_nav ") + f("plbot_nav", "0")
              << QStringLiteral("plbot_control ") + n("bot_control", "1")
              << QStringLiteral("plbot_group ") + n("bot_group", "1")
              << QStringLiteral("plbot_laserdot ") + f("allowlaserdot", "1")
              << QStringLiteral("plbot_uselasserdot ") + f("botuselaserdot", "1")
              << QStringLiteral("maxway ") + p("maxway", "100")
              << QStringLiteral("unstuck ") + p("unstuck", "75")
              << QStringLiteral("bsenss ") + p("bsenss", "25")
              << QStringLiteral("bsensf ") + p("bsensf", "25")
              << QStringLiteral("blevel ") + p("blevel", "0")
              << QStringLiteral("bheight ") + p("bheight", "100")
              << QStringLiteral("knifemode ") + f("knifeonly", "0")
              << QStringLiteral("minway ") + p("minway", "25")
              << QStringLiteral("spre ") + p("spre", "10")
              << QStringLiteral("bangle ") + p("bangle", "0");
    } else if (bot == PodBot) {
        const QString folder = Logic().StoredWaypointFolder(store, bot);
        if (!folder.isEmpty())
            lines << QStringLiteral("wptfolder ") + folder;
        lines << QStringLiteral("minbotskill ") + PodBotSkill(minSkill(), QStringLiteral("1"))
              << QStringLiteral("maxbotskill ") + PodBotSkill(skill, QStringLiteral("0"))
              << QStringLiteral("jasonmode ") + OnOff(f("knifeonly", "0"))
              << QStringLiteral("botchat ") + OnOff(f("botchat", "0"))
              << QStringLiteral("botsfollowuser ") + n("bot_control", "0")
              << QStringLiteral("detailnames ") + OnOff(f("detailnames", "0"));
        for (const char* key : {"inhumanturns", "collectexperience", "shootthruwalls", "usespeech",
                                "botvotekick", "botspray"})
            lines << QString::fromLatin1(key) + QLatin1Char(' ') + OnOff(po(key, "0"));
        lines << QStringLiteral("maxweaponpickup ") + ModWriters::StoredNumber(store, kPodSection, QStringLiteral("maxweaponpickup"),
                                                                        QStringLiteral("0"));
        // A timer left empty or unreadable in the store would reach the bot as a command
        // without a number; leaving it out keeps the bot's own timing.
        for (const char* key : {"timer_sound", "timer_pickup", "timer_grenade"}) {
            const QString value = o(key, "0");
            bool number = false;
            value.trimmed().toDouble(&number);
            if (number)
                lines << QString::fromLatin1(key) + QLatin1Char(' ') + value;
        }
        for (const char* key : {"imonmars", "imhaunted", "itstoodark", "itsnewyear", "tronisback",
                                "imstoned", "imsober"})
            if (po(key, "0") == QLatin1String("1"))
                lines << QStringLiteral("omg ") + QString::fromLatin1(key);
    } else if (bot == RealBot) {
        lines << QStringLiteral("rb_skill ") + skill
              << QStringLiteral("rb_setrandom  ") + minSkill() + QLatin1Char(' ') + skill
              << QStringLiteral("rb_forceskill ") + f("autoskill", "0")
              << QStringLiteral("rb_internet 1");
    } else if (bot == SwatBot) {
        lines << QStringLiteral("knifewar ") + f("knifeonly", "0");
    }
    return lines;
}

QStringList TCstrike::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    const TIniFile mods(ModsIniPath());
    const QString size =
        mods.ReadString(UInit::SelectedBot, QStringLiteral("size"), QStringLiteral("Largish"));
    return {
        LiblistLine(QStringLiteral("game"), QStringLiteral("Counterstrike")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.counter-strike.net")),
        LiblistLine(QStringLiteral("url_dl"), QString()),
        LiblistLine(QStringLiteral("version"), QStringLiteral("1.3")),
        LiblistLine(QStringLiteral("size"), size),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")) + QLatin1Char(' '),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1108")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("mpentity"), QStringLiteral("info_player_start")),
        ModWriters::GameDllLine(dll),
        LiblistLine(QStringLiteral("gamedll_linux"), QStringLiteral("dlls/cs_i386.so")),
        LiblistLine(QStringLiteral("trainmap"), QStringLiteral("tr_1")),
    };
}

ModWriters::TPlaceholderTable TCstrike::Placeholders(const QString& skillKey) const
{
    // The name rule of the bot program read: RealBot's command goes through the console.
    ModWriters::TPlaceholderTable table = EntryPlaceholders(skillKey, EngineReadsBotLines());
    // A bot left at "Default" (skill 0) is meant to play at RealBot's own level: 0 is its best
    // skill, and -1 tells it to draw one from its own range.
    if (UInit::SelectedBot == RealBot)
        ModWriters::SetConvert(table, QStringLiteral("<skill>"), [](const QString& skill, int) {
            const QString level = ModWriters::NumberOr(skill, QStringLiteral("1"));
            return level == QLatin1String("0") ? QStringLiteral("-1") : level;
        });
    // P.O.D.Bot creates no bot at all for a skill outside 0..100 (-1 included).
    if (UInit::SelectedBot == PodBot)
        ModWriters::SetConvert(table, QStringLiteral("<skill>"),
                               [](const QString& skill, int) { return PodBotSkill(skill, QStringLiteral("1")); });
    return table;
}

ModWriters::TFillOptions TCstrike::FillOptions() const
{
    ModWriters::TFillOptions options;
    options.CrBreak = true;
    return options;
}

QStringList TCstrike::BotFileHeader(const TBotFileContext& c) const
{
    // The skeleton without its one-blank line and without Akimbot's rate lines.
    QStringList lines{QStringLiteral("# ") + c.Template, QStringLiteral("pause 3"), QString()};
    // These four set their skill range with their own commands below.
    if (c.Section != PodBot && c.Section != BottBot && c.Section != RealBot && c.Section != PlBot)
        lines << QStringLiteral("botskill ") + c.DefaultSkill;
    lines << BotMenuBind(c);
    lines << BotProgramLines(c.Section, c.Store, c.DefaultSkill);
    return lines;
}

} // namespace UCstrike
