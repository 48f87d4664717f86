// Rocket Crowbar's role routines and launch writers.
#include "mods/rocket/URocket.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "mods/common/TeamPanel.h"
#include "mods/rocket/UFRocket.h"
#include "platform/IniFile.h"
#include "ui/NumberEdit.h"

#include <QSlider>
#include <utility>

namespace URocket {

const QString RCBot = QStringLiteral("RCBot");

namespace {

const QString kDefault = QStringLiteral("Default");
// Rocket Crowbar reads its numbers with six decimals.
const QString kTail = QStringLiteral(".000000");

TModTraits RocketTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Rocket");
    s.Prefix = QStringLiteral("RC");
    s.Title = QStringLiteral("Rocket & Crowbar");
    s.ActiveTitle = QStringLiteral("Rocket Crowbar");
    s.ShortName = QStringLiteral("Rocket");
    s.PageControl = QStringLiteral("PC_Rocket");
    s.DefaultModel = QStringLiteral("gordon");
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QStringLiteral("1");
    s.DefaultDll = QStringLiteral("mp.dll");
    s.PauseLine = QStringLiteral("pause 2");
    s.MapComFile = QStringLiteral("mapcom.ini");
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.Models = TModelSource::PlayerModels;
    s.ValveMaps = true;
    // Every map may have its <map>.cfg in the mod folder: marked, and opened by "Edit config".
    s.MapConfig = true;
    s.MapConfigMarks = true;
    s.MapConfigOpens = true;
    TModProfile& p = s.Profile;
    p.OwnBotRecords = true;
    p.DeathmatchStockMaps = true;
    p.ListedStockMaps = {QStringLiteral("c1a0"),  QStringLiteral("c2a2h"), QStringLiteral("c2a4e"),
                         QStringLiteral("c2a4f"), QStringLiteral("c2a5"),  QStringLiteral("c2a5a"),
                         QStringLiteral("c2a5b"), QStringLiteral("c2a5e")};
    p.WholeNumberCvars = true;
    p.PreviewFollows = true;
    return s;
}

TFRocket* Win()
{
    return qobject_cast<TFRocket*>(Logic().Form());
}

TCvarRow Number6(const char* cvar, const char* control, const char* def)
{
    TCvarRow row = ModCvars::Number(QString::fromLatin1(cvar), QString::fromLatin1(control),
                                    def ? QString::fromLatin1(def) : QString());
    row.Tail = kTail;
    return row;
}

} // namespace

const QStringList& GameTypeItems()
{
    static const QStringList items{QStringLiteral("DeathMatch"), QStringLiteral("Teamplay"),
                                   QStringLiteral("Capture the Flag")};
    return items;
}

const QStringList& FallDamageItems()
{
    static const QStringList items{QStringLiteral("Normal"), QStringLiteral("Realistic"),
                                   QStringLiteral("None")};
    return items;
}

TRocket::TRocket() : TModLogic(RocketTraits()) {}

void TRocket::ReadBotSection()
{
    TModLogic::ReadBotSection();
    // The maps' own files are always <map>.cfg in the mod folder.
    State.Config = QStringLiteral(".cfg");
}

QString TRocket::MapConfigFolder() const
{
    return ModDir();
}

TCvarTable TRocket::Cvars() const
{
    using namespace ModCvars;
    using ModCvars::Check;
    const auto check = [](const char* cvar, const char* control, const char* def) {
        return Check(QString::fromLatin1(cvar), QString::fromLatin1(control),
                     def ? QString::fromLatin1(def) : QString());
    };
    return {
        TeamListRow(),
        Number6("mp_fraglimit", "RC_fraglimit", "0"),
        Number6("mp_timelimit", "RC_timelimit", "0"),
        Number6("mp_flag_return_time", "RC_flag_return_time", "60"),
        Number6("mp_points_per_capture", "RC_points_per_capture", "10"),
        Number6("mp_scikill", "RC_scikill", "0"),
        // Set when the window is made; Restore Default leaves it.
        Number6("mp_deathballs", "RC_deathballs", nullptr),
        Index(QStringLiteral("mp_falldamage"), QStringLiteral("RC_falldamage"), {}, QStringLiteral("0")),
        Fixed(QStringLiteral("minplayers"), QStringLiteral("0.000000")),
        Fixed(QStringLiteral("minbots"), QStringLiteral("0.000000")),
        TeamplayRow(),
        CtfRow(),
        check("mp_friendlyfire", "RC_friendlyfire", "0"),
        check("mp_weaponstay", "RC_weaponstay", "0"),
        check("mp_forcerespawn", "RC_forcerespawn", "0"),
        check("mp_footsteps", "RC_footsteps", "1"),
        check("mp_flashlight", "RC_flashlight", "1"),
        check("mp_autocrosshair", "RC_autocrosshair", "1"),
        check("mp_drunkrockets", "RC_drunkrockets", "0"),
        Fixed(QStringLiteral("sv_poll"), QStringLiteral("0")),
        check("mp_teamannoy", "RC_teamannoy", "0"),
        check("mp_allowrifts", "RC_allowrifts", "1"),
        check("mp_teampush", "RC_teampush", nullptr),
        check("mp_curses", "RC_curses", nullptr),
        Fixed(QStringLiteral("sv_chglevel"), QStringLiteral("0")),
        Fixed(QStringLiteral("sv_noexit"), QStringLiteral("1")),
    };
}

TStoreTable TRocket::StoreRows() const
{
    using namespace ModStore;
    return {
        Number(kDefault, QStringLiteral("bot_chat_percent"), QStringLiteral("RC_bot_chat_percent"),
               QStringLiteral("8"), 0, 100),
        Flag(kDefault, QStringLiteral("botdontshootsci"), QStringLiteral("RC_botdontshootsci")),
        Flag(kDefault, QStringLiteral("use_satchels"), QStringLiteral("RC_use_satchels")),
        Flag(kDefault, QStringLiteral("use_tripmines"), QStringLiteral("RC_use_tripmines")),
        Number(kDefault, QStringLiteral("tripmine_percent"), QStringLiteral("RC_tripmine_percent"),
               QStringLiteral("50"), 0, 100),
        Flag(kDefault, QStringLiteral("allow_spammers"), QStringLiteral("RC_allow_spammers")),
        Number(kDefault, QStringLiteral("spammer_percent"), QStringLiteral("RC_spammer_percent"),
               QStringLiteral("10"), 0, 100),
        Flag(kDefault, QStringLiteral("matrix_mode"), QStringLiteral("RC_matrixmode")),
        Flag(kDefault, QStringLiteral("bot_break_objects"), QStringLiteral("RC_bot_break_objects"),
             QStringLiteral("1")),
        Flag(kDefault, QStringLiteral("use_astar"), QStringLiteral("RC_use_astar"), QStringLiteral("1")),
    };
}

void TRocket::LoadModDefaults()
{
    TFRocket* w = Win();
    if (!w)
        return;
    if (TTeamPanel* p = w->TeamPanel) {
        p->SetGameTypeIndex(0);
        p->NumTeam->SetValue(2);
    }
    if (w->spawnbot)
        w->spawnbot->SetValue(3);
}

void TRocket::ClearBotFields()
{
    TModLogic::ClearBotFields();
    if (TFRocket* w = Win())
        ModControls::SetSlider(w->Botskill, 1);
}

void TRocket::SwapBots(int a, int b)
{
    TModRow* row = Row();
    if (!row || a < 0 || b < 0 || a >= row->RocBots.size() || b >= row->RocBots.size())
        return;
    std::swap(row->RocBots[a], row->RocBots[b]);
    UQOR::MarkModified();
}

// ---------------------------------------------------------------- launch writers

QStringList TRocket::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        LiblistLine(QStringLiteral("game"), QStringLiteral("Rocket Crowbar")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.planethalflife.com/rocketcrowbar")),
        LiblistLine(QStringLiteral("url_dl"), QStringLiteral("www.planethalflife.com/rocketcrowbar")),
        LiblistLine(QStringLiteral("rl_dl"), QString()),
        LiblistLine(QStringLiteral("version"), QStringLiteral("19")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("712774")),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("0")),
        QStringLiteral("//#mpentity \"info_player_deathmatch\""),
        QStringLiteral("//#gamedll \"dlls\\rc.dll\""),
        ModWriters::GameDllLine(dll),
    };
}

ModWriters::TPlaceholderTable TRocket::Placeholders(const QString& skillKey) const
{
    return ModWriters::TemplatePlaceholders(skillKey, QString(), QStringLiteral("NewBot"));
}

QStringList TRocket::BotFileHeader(const TBotFileContext& c) const
{
    QStringList lines = ModWriters::BotFileHeader(c.Template, Traits().PauseLine, c.DefaultSkill);
    if (c.Section != RCBot)
        return lines;
    // A key the window never saved takes RCBot's launch default; letters take it too, so the bot
    // never reads a setting without a number.
    const auto value = [&c](const char* key, const char* def) {
        return ModWriters::NumberOr(c.Store.ReadString(kDefault, QString::fromLatin1(key),
                                                       QString::fromLatin1(def)),
                                    QString::fromLatin1(def));
    };
    const auto line = [&value](const char* key, const char* def) {
        return QString::fromLatin1(key) + QLatin1Char(' ') + value(key, def);
    };
    lines << QStringLiteral("sv_pregameobserver 1") << line("botdontshootsci", "0")
          << line("use_satchels", "0") << line("use_tripmines", "0") << line("tripmine_percent", "50")
          << line("allow_spammers", "0") << line("spammer_percent", "50");
    if (value("matrix_mode", "0") == QStringLiteral("1"))
        lines << QStringLiteral("matrix_mode");
    lines << line("bot_chat_percent", "8") << line("bot_break_objects", "0") << line("use_astar", "0")
          << QStringLiteral("min_bot_skill 1") << QStringLiteral("max_bot_skill 5")
          << QStringLiteral("bot_shoot_impailers 1") << QStringLiteral("waypoint update");
    return lines;
}

QStringList TRocket::BotFileTrailer(const TBotFileContext& c) const
{
    if (c.Section == RCBot)
        return {QStringLiteral("exec autoexec.cfg")};
    return {};
}

// ---------------------------------------------------------------- unit routines

TRocket& Logic()
{
    static TRocket logic;
    return logic;
}

void Register()
{
    RegisterModWindow<TFRocket>(Logic(), FRocket);
    if (TModRow* row = Logic().Row())
        row->Hooks.SwapBots = [](int a, int b) { Logic().SwapBots(a, b); };
}

} // namespace URocket

void RegisterMod_rocket() { URocket::Register(); }
