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

QStringList TSnarkwars::LiblistLines(const QString& dll) const
{
    return {
        QStringLiteral("game \"Snark Wars\" // Game title"),
        QStringLiteral("url_info \"www.planethalflife.com/snarkwars\" // Info URL"),
        QStringLiteral("url_dl \"\" // Downloading URL"),
        QStringLiteral("version \"0.02\" // version of mod"),
        QStringLiteral("size \"notthatbig\" // size of mod"),
        QStringLiteral("svonly \"0\" // server side only mod? (1=yes 0=no)"),
        QStringLiteral("cldll \"0\" // client side dll? (1=yes 0=no)"),
        QStringLiteral("hlversion \"1108\" // version of halflife"),
        QStringLiteral("type \"multiplayer_only\" // type of mod--don't know values that go here.."),
        QStringLiteral("nomodels \"0\" // game selects player model (1=yes 0=no)"),
        ModWriters::GameDllLine(dll),
    };
}

TSnarkwars& Logic()
{
    static TSnarkwars logic;
    return logic;
}

void Register()
{
    RegisterModWindow<TFSnarkWars>(Logic(), FSnarkWars);
}

} // namespace USnarkwars

void RegisterMod_snarkwars() { USnarkwars::Register(); }
