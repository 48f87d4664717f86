// Deathmatch Classic's role routines and launch files.
#include "mods/dmc/UDMC.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/HpbBot.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/common/Parabot.h"
#include "mods/common/RhoBot.h"
#include "mods/dmc/UFDMC.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QGroupBox>

namespace UDMC {

const QString ModKey = QStringLiteral("DMC");

namespace {

const QString kDefault = QStringLiteral("Default");

TFDMC* Win()
{
    return qobject_cast<TFDMC*>(Logic().Form());
}

TModTraits DMCTraits()
{
    TModTraits s;
    s.Key = ModKey;
    s.Prefix = QStringLiteral("DMC");
    s.Title = QStringLiteral("Deathmatch Classic");
    s.ActiveTitle = QStringLiteral("DeathMatch Classic");
    s.ShortName = QStringLiteral("DMC");
    s.PageControl = QStringLiteral("PC_DMC");
    s.DefaultModel = QStringLiteral("gordon");
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QStringLiteral("akedo");
    s.DefaultDll = QStringLiteral("dmc.dll");
    // The same rule as the other bot names, and no characters a file name cannot hold: Rho-DMC
    // names a file after each bot.
    s.ForbiddenNameChars = QStringLiteral("*./<>?\\|");
    s.Models = TModelSource::PlayerModels;
    s.PlainSkillKey = true;
    s.WaypointKey = QStringLiteral("optwaypt");
    s.MapConfig = true;
    s.MapConfigOpens = true;
    s.Profile.BotLibraryFolder = QStringLiteral("dmc");
    s.Liblist = {.Header = {"// Quake Classic Game .dll Listing File", "// Load order is determined by file order."},
                 .Game = "DeathMatch Classic", .UrlInfo = "www.valvesoftware.com", .UrlDl = "", .Version = "1",
                 .Size = "37000000", .SvOnly = "0", .ClDll = "0", .Type = "multiplayer_only",
                 .MpEntity = "info_player_deathmatch"};
    s.TemplateControls = {
        {.Name = "ChatNote", .Caption = "%n  can be used to insert the player's name."},
    };
    return s;
}

TBotSliderRow Row(int slot, const char* key, const char* stem, const char* caption, const char* value,
                  TBotPage page)
{
    TBotSliderRow r;
    r.Slot = slot;
    r.Key = QString::fromLatin1(key);
    r.Control = QStringLiteral("DMC_") + QString::fromLatin1(stem);
    r.Caption = QString::fromLatin1(caption);
    r.Page = page;
    r.ReadDefault = page == TBotPage::Behaviours ? QStringLiteral("1") : QStringLiteral("80");
    r.NewValue = QString::fromLatin1(value);
    return r;
}

QString Stored(const TIniFile& store, const char* key, const char* def)
{
    const QString d = QString::fromLatin1(def);
    return ModWriters::NumberOr(store.ReadString(kDefault, QString::fromLatin1(key), d), d);
}

} // namespace

const TBotSliderTable& SliderRows()
{
    static const TBotSliderTable rows = [] {
        const auto b = TBotPage::Behaviours;
        const auto w = TBotPage::Weapons;
        TBotSliderTable t{
            Row(5, "JUMP", "jump", "Jump", "50", b),
            Row(6, "ACCURACY", "accuracy", "Accuracy", "88", b),
            Row(7, "AGGRESSION", "aggression", "Aggression", "45", b),
            Row(8, "PERCEPTION", "perception", "Perception", "55", b),
            Row(9, "REFLEXES", "reflexes", "Reflexes", "50", b),
            Row(10, "axe", "crowbar", "Axe", "20", w),
            Row(11, "grenadelauncher", "glock", "Grenade launcher", "5", w),
            Row(12, "lightning", "python", "Lightning", "10", w),
            Row(13, "nailgun", "mp5", "Nailgun", "90", w),
            Row(14, "quakegun", "shotgun", "Quakegun", "80", w),
            Row(15, "rocketlauncher", "crossbow", "Rocket launcher", "80", w),
            Row(16, "supernailgun", "rpg", "Super nailgun", "70", w),
            Row(17, "supershotgun", "gauss", "Super shotgun  ", "65", w),
        };
        // Parabot has no jump propensity nor reflexes.
        const auto notParabot = [] { return UInit::SelectedBot != QStringLiteral("Parabot"); };
        t[0].When = notParabot;
        t[4].When = notParabot;
        return t;
    }();
    return rows;
}

TDMC::TDMC() : TModLogic(DMCTraits()) {}

bool TDMC::IsBot(const char* name) const
{
    return UInit::SelectedBot == QLatin1String(name);
}

TCvarTable TDMC::Cvars() const
{
    using namespace ModCvars;
    return {
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("DMC_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("DMC_timelimit"), QStringLiteral("0")),
        Check(QStringLiteral("mp_weaponstay"), QStringLiteral("DMC_weaponstay"), QStringLiteral("0")),
        Check(QStringLiteral("mp_forcerespawn"), QStringLiteral("DMC_forcerespawn"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("DMC_footsteps"), QStringLiteral("1")),
        Fixed(QStringLiteral("mp_teamplay"), QStringLiteral("0")),
    };
}

TStoreTable TDMC::StoreRows() const
{
    using namespace ModStore;
    return {
        Flag(kDefault, QStringLiteral("botchat"), QStringLiteral("DMC_botchat")),
        Number(kDefault, QStringLiteral("strafe"), QStringLiteral("DMC_strafe"), QStringLiteral("20"), 0, 100),
        Number(kDefault, QStringLiteral("logo"), QStringLiteral("DMC_logo"), QStringLiteral("40"), 0, 100),
        Number(kDefault, QStringLiteral("reaction_time"), QStringLiteral("DMC_Reaction_Time"), QStringLiteral("0"), 0, 3),
        Flag(QStringLiteral("default"), QStringLiteral("random_color"), QStringLiteral("DMC_random_color")),
        Flag(kDefault, QStringLiteral("RestrictedWeaponMode"), QStringLiteral("DMC_RestrictedWeaponMode")),
        Flag(kDefault, QStringLiteral("AlwaysRespond"), QStringLiteral("DMC_AlwaysRespond")),
        Flag(kDefault, QStringLiteral("allow_spammers"), QStringLiteral("DMC_allow_spammers")),
        Number(kDefault, QStringLiteral("spammer_percent"), QStringLiteral("DMC_spammer_percent"), QStringLiteral("10"), 0, 100),
        Flag(kDefault, QStringLiteral("matrix_mode"), QStringLiteral("DMC_matrixmode")),
        Flag(kDefault, QStringLiteral("use_astar"), QStringLiteral("DMC_use_astar"), QStringLiteral("1")),
    };
}

TStoreTable TDMC::BotStoreRows() const
{
    return BotProperties::StoreRows(SliderRows());
}

void TDMC::ShowBotRecord(const TBot& bot)
{
    TModLogic::ShowBotRecord(bot);
    if (TFDMC* w = Win())
        if (w->BotTabs)
            w->BotTabs->ShowRecord(bot);
}

TBot TDMC::NewBot(bool random)
{
    TBot bot = TModLogic::NewBot(random);
    if (random)
        bot[2] = QString::number(UQOR::RandomInRange(0, MaxSkill()));
    TFDMC* w = Win();
    if (w && w->BotTabs)
        w->BotTabs->FillNew(bot, random);
    else
        for (const TBotSliderRow& r : SliderRows())
            bot[r.Slot] = r.NewValue;
    State.Modified = 1;
    return bot;
}

// ---------------------------------------------------------------- launch

bool TDMC::LaunchWriters(QString& error)
{
    if (!WriteLiblist(error))
        return false;
    return IsBot("Rho-DMC") ? WriteRhobotCfg(error) : WriteBotCfg(error);
}

ModWriters::TPlaceholderTable TDMC::Placeholders(const QString& skillKey) const
{
    ModWriters::TPlaceholderTable table =
        ModWriters::TemplatePlaceholders(skillKey, QStringLiteral("gordon"), QStringLiteral("NewBot"), QString());
    const auto scaled = [](const QString& v, int) { return BotProperties::ScaleTrait(v); };
    const QString chat = BotProperties::ScaleTrait(
        TIniFile(BotsIniPath()).ReadString(kDefault, QStringLiteral("chatfreq"), QStringLiteral("10")), 10);
    table << ModWriters::TPlaceholder{QStringLiteral("<accuracy>"), QStringLiteral("accuracy"), QStringLiteral("1"), scaled}
          << ModWriters::TPlaceholder{QStringLiteral("<aggression>"), QStringLiteral("aggression"), QStringLiteral("1"), scaled}
          << ModWriters::TPlaceholder{QStringLiteral("<perception>"), QStringLiteral("perception"), QStringLiteral("1"), scaled}
          << ModWriters::TPlaceholder{QStringLiteral("<chat>"), QString(), chat, {}};
    return table;
}

ModWriters::TFillOptions TDMC::FillOptions() const
{
    ModWriters::TFillOptions o;
    o.Tab = true;
    return o;
}

QStringList TDMC::BotFileHeader(const TBotFileContext& c) const
{
    const TIniFile& s = c.Store;
    if (c.Section == QStringLiteral("Akimbot"))
        return QStringList{QStringLiteral("botdontshoot ") + Stored(s, "botdontshoot", "0")} +
               ModWriters::AkimbotRateLines(s);
    if (c.Section == HpbBot::Name) {
        using HpbBot::TSetting;
        // The chat rates as the store holds them, as Akimbot's are written.
        return QStringList{QStringLiteral("# ") + c.Template, QStringLiteral("pause 3"), QString(),
                           QStringLiteral("botskill ") + Stored(s, "skill", "0")} +
               HpbBot::SettingsLines(s, {TSetting::DontShoot, TSetting::Strafe, TSetting::Logo, TSetting::Reaction,
                                         TSetting::RandomColor}) +
               ModWriters::AkimbotRateLines(s);
    }
    if (c.Section == QStringLiteral("RCBot")) {
        QStringList lines{QStringLiteral("allow_spammers ") + Stored(s, "allow_spammers", "0"),
                          QStringLiteral("spammer_percent ") + Stored(s, "spammer_percent", "50")};
        if (s.ReadString(kDefault, QStringLiteral("matrix_mode"), QStringLiteral("0")) == QStringLiteral("1"))
            lines << QStringLiteral("matrix_mode");
        lines << QStringLiteral("bot_chat_percent ") + Stored(s, "chatfreq", "8")
              << QStringLiteral("use_astar ") + Stored(s, "use_astar", "0") << QStringLiteral("min_bot_skill 1")
              << QStringLiteral("max_bot_skill 5") << QStringLiteral("bot_shoot_impailers 1")
              << QStringLiteral("waypoint update");
        return lines;
    }
    return {};
}

bool TDMC::WriteBotCfg(QString& error)
{
    if (!TModLogic::WriteBotCfg(error))
        return false;
    const TIniFile mods(ModsIniPath());
    const QString file = FileSys::Resolve(FileSys::JoinPath(
        ModDir(), mods.ReadString(UInit::SelectedBot, QStringLiteral("botfile"), QStringLiteral("bot.cfg"))));
    if (IsBot("RCBot")) {
        // RCBot's reader strips LF only: a CR would end up in every command it reads.
        QFile f(file);
        QByteArray bytes;
        if (f.open(QIODevice::ReadOnly))
            bytes = f.readAll();
        f.close();
        bytes.replace("\r\n", "\n");
        QString why;
        if (!FileSys::WriteBytes(file, bytes, &why)) {
            error = why.isEmpty() ? QStringLiteral("Can't write ") + QDir::toNativeSeparators(file) : why;
            return false;
        }
    }
    if (IsBot("Parabot")) {
        const TIniFile store(BotsIniPath());
        return Parabot::WriteCfg(FileSys::JoinPath(UInit::HLPath, QStringLiteral("Parabot\\dmc\\parabot.cfg")), store,
                                 qBound(0, store.ReadInteger(kDefault, QStringLiteral("spawnbot"), 0), MostBots()),
                                 true, error);
    }
    return true;
}

bool TDMC::WriteRhobotCfg(QString& error)
{
    if (!FileSys::DirectoryExists(ModDir())) {
        error = QStringLiteral("Can't find ") + QDir::toNativeSeparators(ModDir());
        return false;
    }
    const TIniFile store(BotsIniPath());
    RhoBot::TFlavour flavour;
    flavour.SkillKey = QStringLiteral("skill");
    flavour.ChatFromStore = false;
    flavour.TopDefault = QStringLiteral("55");
    flavour.BottomDefault = QStringLiteral("105");
    flavour.WeaponHeading = QStringLiteral("// Rho-Bot DMC weapons preferences");
    for (const auto& [line, key] :
         {std::pair{"bot_wp_axe", "axe"}, std::pair{"bot_wp_grenadelauncher", "grenadelauncher"},
          std::pair{"bot_wp_lightning", "lightning"}, std::pair{"bot_wp_nailgun ", "nailgun"},
          std::pair{"bot_wp_quakegun", "quakegun"}, std::pair{"bot_wp_rocketlauncher", "rocketlauncher"},
          std::pair{"bot_wp_supernailgun", "supernailgun"}, std::pair{"bot_wp_supershotgun", "supershotgun"}})
        flavour.Weapons << qMakePair(QString::fromLatin1(line), QString::fromLatin1(key));
    return RhoBot::WriteFiles(ModDir(), store,
                              qBound(0, store.ReadInteger(kDefault, QStringLiteral("spawnbot"), 0), MostBots()),
                              flavour, error);
}

TDMC& Logic()
{
    static TDMC logic;
    return logic;
}

} // namespace UDMC

void RegisterMod_dmc() { RegisterModWindow<TFDMC>(UDMC::Logic(), FDMC); }
