#include "mods/snarkwars/USnarkwars.h"

#include "mods/common/GameSettings.h"
#include "mods/common/ModWriters.h"
#include "mods/common/TeamPanel.h"
#include "mods/snarkwars/UFSnarkwars.h"

namespace USnarkwars {

namespace {

TModTraits SnarkwarsTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Snark_wars");
    s.Prefix = QStringLiteral("SW");
    s.Title = QStringLiteral("Snark Wars");
    s.ShortName = QStringLiteral("Snark Wars");
    s.DefaultModel = QStringLiteral("gordon");
    s.DefaultDll = QStringLiteral("mp.dll");
    s.ForbiddenNameChars = QStringLiteral("<>");   // besides the one name rule
    s.MapComFile = QStringLiteral("mapcom.ini");
    s.Models = TModelSource::PlayerModels;
    s.ValveMaps = true;
    s.DefaultsEmptyMapCycle = true;
    // "waypt" keeps only the maps with a waypoint file; "optwaypt" marks the ones that have one.
    s.WaypointKey = QStringLiteral("optwaypt");
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.LegendKeys = {QStringLiteral("waypt"), QStringLiteral("optwaypt")};
    s.Profile.DeathmatchStockMaps = true;
    s.Profile.PreviewFollows = true;
    s.Liblist = {.Game = {"Snark Wars", " // Game title"},
                 .UrlInfo = {"www.planethalflife.com/snarkwars", " // Info URL"},
                 .UrlDl = {"", " // Downloading URL"}, .Version = {"0.02", " // version of mod"},
                 .Size = {"notthatbig", " // size of mod"},
                 .SvOnly = {"0", " // server side only mod? (1=yes 0=no)"},
                 .ClDll = {"0", " // client side dll? (1=yes 0=no)"},
                 .HlVersion = {"1108", " // version of halflife"},
                 .Type = {"multiplayer_only", " // type of mod--don't know values that go here.."},
                 .NoModels = {"0", " // game selects player model (1=yes 0=no)"}};
    return s;
}

} // namespace

TSnarkwars::TSnarkwars() : TModLogic(SnarkwarsTraits()) {}

TCvarTable TSnarkwars::Cvars() const
{
    auto row = [](const char* cvar) { return GameSettings::Row(QStringLiteral("SW"), QString::fromLatin1(cvar)); };
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
    };
}

TSnarkwars& Logic()
{
    static TSnarkwars logic;
    return logic;
}

} // namespace USnarkwars

void RegisterMod_snarkwars() { RegisterModWindow<TFSnarkWars>(USnarkwars::Logic(), FSnarkWars); }
