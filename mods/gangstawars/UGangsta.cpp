#include "mods/gangstawars/UGangsta.h"

#include "core/UInit.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "mods/gangstawars/UFGangsta.h"
#include "ui/NumberEdit.h"

namespace UGangsta {

namespace {

const QString kOwnBots = QStringLiteral("GangstaWars");

TModTraits GangstaTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Gangstawars");
    s.Prefix = QStringLiteral("GG");
    s.Title = QStringLiteral("Gangsta Wars");
    s.ShortName = QStringLiteral("Gangsta");
    s.PageControl = QStringLiteral("PC_Gangsta");
    s.DefaultDll = QStringLiteral("gwars27.dll");
    s.HasBotsPage = false;
    s.HasChatPage = false;
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.HasModelChooser = false;
    s.Models = TModelSource::ModFills;
    s.StoreWithoutBotsPage = true;
    // Maps are marked by "optwaypt"; "waypt" names the waypoint file a map must have.
    s.WaypointKey = QStringLiteral("optwaypt");
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.LegendKeys = {QStringLiteral("waypt")};
    s.MapConfig = true;
    s.MapConfigOpens = true;
    s.Liblist = {.Header = {"// Gangsta Wars Game .dll Listing File", "// Load order is determined by file order."},
                 .Game = "GangstaWars", .UrlInfo = "www.gangstawars.com", .UrlDl = "", .Version = "2.7",
                 .Size = "90668658", .SvOnly = "0", .ClDll = "1", .Type = "multiplayer_only",
                 .NoModels = {"1", "  "}, .MpEntity = "info_gwars_map", .GameDllLinux = "dlls/gansta_i386.so"};
    return s;
}

bool OwnBots() { return UInit::SelectedBot == kOwnBots; }

} // namespace

TGangsta::TGangsta() : TModLogic(GangstaTraits()) {}

TCvarTable TGangsta::Cvars() const
{
    using namespace ModCvars;
    auto check = [](const char* cvar, const char* control, const char* def = nullptr) {
        return Check(QString::fromLatin1(cvar), QString::fromLatin1(control),
                     def ? QString::fromLatin1(def) : QString());
    };
    TCvarRow bots = Fixed(QStringLiteral("mp_bots"), QStringLiteral("1"));
    bots.When = [](const TModWindow&) { return OwnBots(); };
    TCvarRow count;
    count.Cvar = QStringLiteral("mp_defaultbots");
    count.Control = QStringLiteral("GG_spawnbot");
    count.Read = TCvarRead::None;   // the number of bots is the bot store's
    count.Written = TCvarWrite::Own;
    // The host takes a slot on a listen server: at most 31 of the mod's bots join it.
    count.WriteRule = [](const TModWindow& w) {
        const auto* n = w.Control<TNumberEdit>(QStringLiteral("GG_spawnbot"));
        const int v = n ? n->ClampedValue(1) : 1;
        return QString::number(qMin(v, TModLogic::MostBots())) + QStringLiteral(".00000");
    };
    count.When = [](const TModWindow&) { return OwnBots(); };
    return {
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("GG_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("GG_timelimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_donpointlimit"), QStringLiteral("GG_donpointlimit")),
        Number(QStringLiteral("mp_gbpointlimit"), QStringLiteral("GG_gbpointlimit")),
        Number(QStringLiteral("mp_ctspointlimit"), QStringLiteral("GG_ctspointlimit")),
        Number(QStringLiteral("mp_gbmaxlifes"), QStringLiteral("GG_gbmaxlifes")),
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("GG_fallreal"), QStringLiteral("GG_fallnorm")),
        check("mp_friendlyfire", "GG_friendlyfire", "0"),
        check("mp_weaponstay", "GG_weaponstay", "0"),
        check("mp_forcerespawn", "GG_forcerespawn", "0"),
        check("mp_footsteps", "GG_footsteps", "1"),
        check("mp_flashlight", "GG_flashlight", "1"),
        check("mp_autocrosshair", "GG_autocrosshair", "1"),
        check("mp_dmteamplay", "GG_dmteamplay"),
        check("mp_autoteam", "GG_autoteam"),
        check("mp_kickteamkillers", "GG_kickteamkillers"),
        check("mp_painsounds", "GG_painsounds"),
        check("mp_botsswear", "GG_botsswear"),
        check("mp_botusebot", "GG_botusebot"),
        check("mp_botcombatjump", "GG_botcombatjump"),
        bots,
        count,
    };
}

TStoreTable TGangsta::StoreRows() const
{
    return {ModStore::Number(QStringLiteral("Default"), QStringLiteral("spawnbot"),
                             QStringLiteral("GG_spawnbot"), QStringLiteral("1"), 1, 32)};
}

bool TGangsta::LaunchWriters(QString& error)
{
    return WriteLiblist(error);
}

TGangsta& Logic()
{
    static TGangsta logic;
    return logic;
}

} // namespace UGangsta

void RegisterMod_gangstawars() { RegisterModWindow<TFGangsta>(UGangsta::Logic(), FGangsta); }
