#include "mods/efmatch/UExtreme.h"

#include "mods/common/GameSettings.h"
#include "mods/common/ModWriters.h"
#include "mods/common/TeamPanel.h"
#include "mods/efmatch/UFExtreme.h"

namespace UExtreme {

namespace {

TModTraits ExtremeTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("EFMatch");
    s.Prefix = QStringLiteral("EF");
    s.Title = QStringLiteral("Extreme Fragmatch");
    s.ShortName = QStringLiteral("EFM");
    s.DefaultModel = QStringLiteral("drake");
    s.DefaultDll = QStringLiteral("dm.dll");
    s.ForbiddenNameChars = QStringLiteral("<>");   // besides the one name rule
    s.Models = TModelSource::OwnFolder;
    s.Profile.PreviewFollows = true;
    s.Liblist = {.Game = "Extreme Fragmatch", .UrlInfo = "", .UrlDl = "", .Version = "0.1", .Size = "33",
                 .SvOnly = "0", .ClDll = {"1", " "}, .HlVersion = "1106", .Type = "multiplayer_only",
                 .MpEntity = "info_player_deathmatch"};
    return s;
}

} // namespace

TExtreme::TExtreme() : TModLogic(ExtremeTraits()) {}

TCvarTable TExtreme::Cvars() const
{
    auto row = [](const char* cvar) { return GameSettings::Row(QStringLiteral("EF"), QString::fromLatin1(cvar)); };
    return {
        ModCvars::TeamListRow(),
        row("mp_fraglimit"),
        row("mp_timelimit"),
        row("mp_falldamage"),
        ModCvars::TeamplayRow(),
        row("mp_friendlyfire"),
        row("mp_weaponstay"),
        row("mp_forcerespawn"),
        row("mp_footsteps"),
        row("mp_flashlight"),
        row("mp_autocrosshair"),
    };
}

TExtreme& Logic()
{
    static TExtreme logic;
    return logic;
}

} // namespace UExtreme

void RegisterMod_efmatch() { RegisterModWindow<TFExtreme>(UExtreme::Logic(), FExtreme); }
