// Half-Life Deathmatch's launch files, written from Mods\HL-DM.ini and Bots\HL_Bots.ini at every
// launch (never from the window, so a launch needs no visit of it): game.cfg, mapcycle.txt and
// liblist.gam in the game folder, then the bot program's own files in the bot folder.
#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/BotProperties.h"
#include "mods/common/HpbBot.h"
#include "mods/common/Jumbot.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/common/Parabot.h"
#include "mods/common/RhoBot.h"
#include "mods/deathmatch/UDeathmatch.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QDir>

namespace UDeathmatch {

namespace {

const QString kDefault = QStringLiteral("Default");
const QString kGameCfg = QStringLiteral("game.cfg");

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

// A stored switch as the game reads it.
QString Switch(const TIniFile& store, const QString& section, const QString& key)
{
    return UInit::TextToBool(store.ReadString(section, key, QStringLiteral("0"))) ? QStringLiteral("1")
                                                                                 : QStringLiteral("0");
}

QString StoredNumber(const TIniFile& store, const QString& key, const char* def)
{
    const QString d = QString::fromLatin1(def);
    return ModWriters::NumberOr(store.ReadString(kDefault, key, d), d);
}

} // namespace

bool TDeathmatch::LaunchWriters(QString& error)
{
    const TIniFile mods(ModsIniPath());
    QString botDir, gameDir;
    if (!BotFolders(mods, botDir, gameDir, error))
        return false;
    TModRow* row = Row();
    if (row)
        row->Dir = botDir;
    if (!WriteLaunchFiles(mods, error))
        return false;
    if (!(IsBot("Rho-Bot") ? WriteRhobotCfg(error) : WriteBotCfg(error)))
        return false;
    // The game runs the listenserver.cfg of the folder it starts: that is the one to filter.
    if (row)
        row->Dir = gameDir;
    return true;
}

bool TDeathmatch::WriteLaunchFiles(const TIniFile& mods, QString& error)
{
    QString botDir, gameDir;
    if (!BotFolders(mods, botDir, gameDir, error))
        return false;
    if (!FileSys::DirectoryExists(gameDir)) {
        error = QStringLiteral("Can't find ") + Shown(gameDir);
        return false;
    }
    const TIniFile store(BotsIniPath());
    using ModCvars::CvarLine;
    const QString fall =
        store.ReadString(kGameCfg, QStringLiteral("mp_falldamage"), QStringLiteral("0")) == QStringLiteral("1")
            ? QStringLiteral("1")
            : QStringLiteral("0");
    auto limit = [&store](const char* key) {
        return ModWriters::NumberOr(store.ReadString(kGameCfg, QString::fromLatin1(key), QStringLiteral("0")),
                                    QStringLiteral("0")) +
               QStringLiteral(".00000");
    };
    QStringList lines{
        CvarLine(QStringLiteral("mp_teamlist"), store.ReadString(kGameCfg, QStringLiteral("mp_teamlist"), QString())),
        CvarLine(QStringLiteral("mp_fraglimit"), limit("mp_fraglimit")),
        CvarLine(QStringLiteral("mp_timelimit"), limit("mp_timelimit")),
        CvarLine(QStringLiteral("mp_falldamage"), fall)};
    for (const char* key : {"mp_teamplay", "mp_friendlyfire", "mp_weaponstay", "mp_forcerespawn",
                            "mp_footsteps", "mp_flashlight", "mp_autocrosshair"})
        lines << CvarLine(QString::fromLatin1(key), Switch(store, kGameCfg, QString::fromLatin1(key)));
    lines << ModCvars::SendVelocityLine();
    if (!ModWriters::WriteFile(FileSys::JoinPath(gameDir, QStringLiteral("game.cfg")), lines, error))
        return false;

    // The program keeps the map cycle; a cycle never saved is simply not copied.
    const QString cycle = UInit::AppFile(QStringLiteral("mapcycle.txt"));
    const QString target = FileSys::JoinPath(gameDir, QStringLiteral("mapcycle.txt"));
    if (FileSys::FileExists(cycle) && !FileSys::CopyFile(cycle, target, true)) {
        error = QStringLiteral("Can't copy ") + Shown(cycle) + QStringLiteral(" to ") + Shown(target) +
                QStringLiteral(".");
        return false;
    }

    // Only the stock game's liblist.gam is rewritten; every other game folder keeps its own.
    if (mods.ReadString(UInit::SelectedBot, QStringLiteral("game"), QString()).trimmed() != QStringLiteral("valve"))
        return true;
    const QString dll = mods.ReadString(UInit::SelectedBot, QStringLiteral("dll"), QString()).trimmed();
    if (dll.isEmpty()) {
        error = QStringLiteral("The bot \"") + UInit::SelectedBot + QStringLiteral("\" has no \"dll\" in ") +
                Shown(ModsIniPath()) + QStringLiteral(": liblist.gam would name no game library.");
        return false;
    }
    using ModWriters::LiblistLine;
    return ModWriters::WriteFile(FileSys::JoinPath(gameDir, QStringLiteral("liblist.gam")),
                                 {QStringLiteral("// Valve Game Info file"),
                                  QStringLiteral("//  These are key/value pairs.  Certain mods will use different settings."),
                                  QStringLiteral("//"),
                                  LiblistLine(QStringLiteral("game"), QStringLiteral("Half-Life")),
                                  LiblistLine(QStringLiteral("startmap"), QStringLiteral("c0a0")),
                                  LiblistLine(QStringLiteral("trainingmap"), QStringLiteral("t0a0")),
                                  LiblistLine(QStringLiteral("mpentity"), QStringLiteral("info_player_deathmatch")),
                                  ModWriters::GameDllLine(dll),
                                  LiblistLine(QStringLiteral("gamedll_linux"), QStringLiteral("dlls/hl_i386.so"))},
                                 error);
}

ModWriters::TPlaceholderTable TDeathmatch::Placeholders(const QString& skillKey) const
{
    const ModWriters::TPlaceholderTable plain =
        ModWriters::TemplatePlaceholders(skillKey, QStringLiteral("gordon"), QStringLiteral("NewBot"),
                                         QStringLiteral("1"));
    const auto scaled = [](const QString& v, int) { return BotProperties::ScaleTrait(v); };
    const auto colour = [](const QString& v, int) { return ModWriters::NumberOr(v, QStringLiteral("1")); };
    const QString chat = BotProperties::ScaleTrait(
        TIniFile(BotsIniPath()).ReadString(kDefault, QStringLiteral("chatfreq"), QStringLiteral("10")), 10);
    return {
        {QStringLiteral("<number>"), QString(), QString(), [](const QString&, int i) { return QString::number(i); }},
        plain[0],
        plain[1],
        {QStringLiteral("<shirt>"), QStringLiteral("param2"), QStringLiteral("1"), colour},
        {QStringLiteral("<pants>"), QStringLiteral("param1"), QStringLiteral("1"), colour},
        plain[2],
        {QStringLiteral("<accuracy>"), QStringLiteral("accuracy"), QStringLiteral("1"), scaled},
        {QStringLiteral("<aggression>"), QStringLiteral("aggression"), QStringLiteral("1"), scaled},
        {QStringLiteral("<perception>"), QStringLiteral("perception"), QStringLiteral("1"), scaled},
        {QStringLiteral("<chat>"), QString(), chat, {}},
    };
}

ModWriters::TFillOptions TDeathmatch::FillOptions() const
{
    ModWriters::TFillOptions o;
    o.Tab = true;
    o.RcBreak = true;
    return o;
}

QStringList TDeathmatch::BotFileHeader(const TBotFileContext& c) const
{
    const TIniFile& s = c.Store;
    auto value = [&s](const char* key, const char* def) { return StoredNumber(s, QString::fromLatin1(key), def); };
    const QString bot = c.Section;
    if (bot == QStringLiteral("Akimbot"))
        return QStringList{QStringLiteral("botdontshoot ") + value("botdontshoot", "0")} +
               ModWriters::AkimbotRateLines(s);
    if (bot == HpbBot::Name)
        // The chat rates as the store holds them, as Akimbot's are written.
        return HpbBot::SettingsLines(s, {HpbBot::TSetting::Reaction, HpbBot::TSetting::RandomColor}) +
               ModWriters::AkimbotRateLines(s);
    if (bot == QStringLiteral("OddBot"))
        return {QStringLiteral("bot_chat ") + value("chatfreq", "10"), QStringLiteral("botskill ") + c.DefaultSkill};
    if (bot == QStringLiteral("Phineas")) {
        QString random;
        UInit::BoolToYesNo(UInit::TextToBool(s.ReadString(kDefault, QStringLiteral("bot_random"), QStringLiteral("0"))),
                           random);
        return {QStringLiteral("[DefaultMap]"),
                QStringLiteral("Quantity\t\t=") + QString::number(c.SpawnBot),
                QStringLiteral("Random\t\t=") + random,
                QStringLiteral("InitialDelay\t\t=3"),
                QStringLiteral("SpawnDelay\t\t=") + value("spawndelay", "2"),
                QStringLiteral("WaitForPlayers = 0"),
                QStringLiteral("KeepServerFull = 0"),
                QStringLiteral(" ")};
    }
    if (bot == QStringLiteral("RCBot")) {
        QStringList lines;
        for (const auto& [key, def] : {std::pair{"botdontshootsci", "1"}, std::pair{"use_satchels", "1"},
                                       std::pair{"use_tripmines", "1"}, std::pair{"tripmine_percent", "50"},
                                       std::pair{"allow_spammers", "0"}, std::pair{"spammer_percent", "50"}})
            lines << QString::fromLatin1(key) + QLatin1Char(' ') + value(key, def);
        if (s.ReadString(kDefault, QStringLiteral("matrix_mode"), QStringLiteral("0")) == QStringLiteral("1"))
            lines << QStringLiteral("matrix_mode");
        lines << QStringLiteral("bot_chat_percent ") + value("chatfreq", "8")
              << QStringLiteral("bot_break_objects ") + value("bot_break_objects", "1")
              << QStringLiteral("use_astar ") + value("use_astar", "1") << QStringLiteral("min_bot_skill 1")
              << QStringLiteral("max_bot_skill 5") << QStringLiteral("bot_shoot_impailers 1")
              << QStringLiteral("waypoint update");
        return lines;
    }
    return {};
}

QStringList TDeathmatch::BotFileTrailer(const TBotFileContext& c) const
{
    if (c.Section == QStringLiteral("Akimbot"))
        return {ModWriters::AkimbotLastLine()};
    return {};
}

bool TDeathmatch::WriteBotCfg(QString& error)
{
    const TIniFile mods(ModsIniPath());
    const QString section = UInit::SelectedBot;
    QString botDir, gameDir;
    if (!BotFolders(mods, botDir, gameDir, error))
        return false;
    if (TModRow* row = Row())
        row->Dir = botDir;
    // A bot program with an editor of its own keeps its own bot list.
    if (!mods.ReadString(section, QStringLiteral("BotEditor"), QString()).isEmpty())
        return true;
    if (!FileSys::DirectoryExists(botDir)) {
        error = QStringLiteral("Can't find ") + Shown(botDir);
        return false;
    }
    const TIniFile store(BotsIniPath());
    const QString maxSkill = mods.ReadString(section, QStringLiteral("maxskill"), QStringLiteral("5"));
    const QString skillKey = QStringLiteral("skill") + maxSkill;
    const TBotFileContext context{mods,
                                  store,
                                  section,
                                  maxSkill,
                                  skillKey,
                                  mods.ReadString(section, QStringLiteral("Addbot"), QString()),
                                  StoredNumber(store, skillKey, "0"),
                                  SpawnBots(store)};
    const QString file = FileSys::JoinPath(
        botDir, mods.ReadString(section, QStringLiteral("BotFile"), QStringLiteral("bot.cfg")));
    const QStringList lines = BotFileLines(context);
    if (section == QStringLiteral("RCBot")) {
        // RCBot's reader strips LF only: a CR would end up in every command it reads.
        QString why;
        if (!FileSys::WriteBytes(FileSys::Resolve(file), FileSys::Encode(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'),
                                                                          FileSys::TEncoding::Utf8),
                                 &why)) {
            error = why.isEmpty() ? QStringLiteral("Can't write ") + Shown(file) + QStringLiteral(".") : why;
            return false;
        }
    } else if (!ModWriters::WriteFile(file, lines, error)) {
        return false;
    }
    if (section == QStringLiteral("Jumbot"))
        return PatchJumbotCfg(error);
    if (section == QStringLiteral("Parabot"))
        return Parabot::WriteCfg(FileSys::JoinPath(botDir, QStringLiteral("valve\\parabot.cfg")), store,
                                 context.SpawnBot, false, error);
    return true;
}

bool TDeathmatch::PatchJumbotCfg(QString& error)
{
    const TIniFile mods(ModsIniPath());
    QString botDir, gameDir;
    if (!BotFolders(mods, botDir, gameDir, error))
        return false;
    const QString path = FileSys::Resolve(FileSys::JoinPath(botDir, QStringLiteral("jumbot.cfg")));
    if (!FileSys::FileExists(path))
        return true;
    QStringList lines;
    QString why;
    if (!FileSys::ReadLines(path, lines, nullptr, &why)) {
        error = QStringLiteral("Can't read ") + Shown(path) + (why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why);
        return false;
    }
    const TIniFile store(BotsIniPath());
    const QString maxSkill = mods.ReadString(UInit::SelectedBot, QStringLiteral("maxskill"), QStringLiteral("5"));
    Jumbot::TPatch patch;
    UQOR::GetStartMap(patch.Map);
    patch.BotRandom = Switch(store, kDefault, QStringLiteral("bot_random"));
    bool ok = false;
    const int spawn = store.ReadString(kDefault, QStringLiteral("spawnbot"), QStringLiteral("1")).trimmed().toInt(&ok);
    patch.BotNum = QString::number(ok ? qBound(0, spawn, TModLogic::MostBots()) : 1);
    patch.SpawnDelay = StoredNumber(store, QStringLiteral("spawndelay"), "2");
    patch.BotSkill = StoredNumber(store, QStringLiteral("skill") + maxSkill, "0");
    return ModWriters::WriteFile(path, Jumbot::PatchLines(lines, patch), error);
}

bool TDeathmatch::WriteRhobotCfg(QString& error)
{
    const TIniFile mods(ModsIniPath());
    QString botDir, gameDir;
    if (!BotFolders(mods, botDir, gameDir, error))
        return false;
    if (TModRow* row = Row())
        row->Dir = botDir;
    const TIniFile store(BotsIniPath());
    RhoBot::TFlavour flavour;
    flavour.SkillKey =
        QStringLiteral("skill") + mods.ReadString(UInit::SelectedBot, QStringLiteral("maxskill"), QStringLiteral("5"));
    flavour.WeaponHeading = QStringLiteral("// Rho-Bot weapons preferences");
    for (const auto& [line, key] :
         {std::pair{"bot_wp_crossbow", "CROSSBOW"}, std::pair{"bot_wp_crowbar", "CROWBAR"},
          std::pair{"bot_wp_egon", "EGON"}, std::pair{"bot_wp_gauss", "GAUSS"}, std::pair{"bot_wp_glock", "GLOCK"},
          std::pair{"bot_wp_handgrenade", "GRENADE"}, std::pair{"bot_wp_hornetgun", "HORNET"},
          std::pair{"bot_wp_mp5", "MP5"}, std::pair{"bot_wp_python", "PYTHON"}, std::pair{"bot_wp_rpg", "RPG"},
          std::pair{"bot_wp_satchel", "SATCHEL"}, std::pair{"bot_wp_shotgun", "SHOTGUN"},
          std::pair{"bot_wp_snark", "SNARK"}, std::pair{"bot_wp_tripmine", "TRIPMINE"}})
        flavour.Weapons << qMakePair(QString::fromLatin1(line), QString::fromLatin1(key));
    return RhoBot::WriteFiles(botDir, store, SpawnBots(store), flavour, error);
}

} // namespace UDeathmatch
