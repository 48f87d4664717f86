#include "mods/darkmatch/UDarkmatch.h"

#include "mods/common/GameSettings.h"
#include "mods/common/ModWriters.h"
#include "mods/common/TeamPanel.h"
#include "mods/darkmatch/UFDarkmatch.h"

namespace UDarkmatch {

namespace {

TModTraits DarkmatchTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Darkmatch");
    s.Prefix = QStringLiteral("DK");
    s.Title = QStringLiteral("Darkmatch");
    s.ShortName = QStringLiteral("Darkmatch");
    s.DefaultModel = QStringLiteral("gordon");
    s.DefaultDll = QStringLiteral("Darkmatch.dll");
    s.ForbiddenNameChars = QStringLiteral("<>");   // besides the one name rule
    s.MapComFile = QStringLiteral("mapcom.ini");
    s.Models = TModelSource::PlayerModels;
    s.DefaultsEmptyMapCycle = true;
    // "optwaypt" marks the maps with a waypoint file; "waypt" only shows the legend.
    s.WaypointKey = QStringLiteral("optwaypt");
    s.LegendKeys = {QStringLiteral("waypt"), QStringLiteral("optwaypt")};
    s.Profile.PreviewFollows = true;
    s.Liblist = {.Game = {"Darkmatch Alpha 1", "        //Game title"},
                 .UrlInfo = {"www.planethalflife.com/darkmatch", "  //Info URL"},
                 .UrlDl = {"www.planethalflife.com/darkmatch/download", "//Downloading URL"},
                 .Version = {"Alpha 1", "  //version of mod"}, .Size = {"5000", " //size of mod"},
                 .SvOnly = {"0", " //server side only mod?\t(1=yes, 0=no)"},
                 .ClDll = {"1", " //client side dll?"}, .HlVersion = {"Newest", "  //version of Half-life"},
                 .Type = {"multiplayer_only", " //type of mod"},
                 .NoModels = {"1", " //game selects player model"},
                 .MpEntity = {"info_player_deathmatch", " //name of multiplayer spawn entity"}};
    return s;
}

} // namespace

TDarkmatch::TDarkmatch() : TModLogic(DarkmatchTraits()) {}

TCvarTable TDarkmatch::Cvars() const
{
    auto row = [](const char* cvar) { return GameSettings::Row(QStringLiteral("DK"), QString::fromLatin1(cvar)); };
    // The equipment switches have no default: LoadDefaults leaves them as they are.
    auto equipment = [](const char* cvar, const char* control) {
        return ModCvars::Check(QString::fromLatin1(cvar), QString::fromLatin1(control));
    };
    return {
        ModCvars::TeamListRow(),
        row("mp_fraglimit"),
        row("mp_timelimit"),
        row("mp_falldamage"),
        ModCvars::TeamplayRow(),
        row("mp_friendlyfire"),
        row("mp_forcerespawn"),
        row("mp_footsteps"),
        row("mp_flashlight"),
        row("mp_autocrosshair"),
        row("mp_weaponstay"),
        equipment("mp_flares", "DK_flares"),
        equipment("mp_boots", "DK_boots"),
        equipment("mp_nvg", "DK_nvg"),
        equipment("mp_radar", "DK_radar"),
    };
}

TDarkmatch& Logic()
{
    static TDarkmatch logic;
    return logic;
}

} // namespace UDarkmatch

void RegisterMod_darkmatch() { RegisterModWindow<TFDarkmatch>(UDarkmatch::Logic(), FDarkmatch); }
