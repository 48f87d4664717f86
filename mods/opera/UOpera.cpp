#include "mods/opera/UOpera.h"

#include "mods/opera/UFOpera.h"

namespace UOpera {

const TControlRows& GamePage()
{
    using K = TControlKind;
    static const TControlRows rows{
        {.Kind = K::Group, .Name = "GB_GameType", .Caption = "Game Type", .X = 8, .Y = 8, .W = 220, .H = 60},
        // The chooser's value is written bare; a read "0.0" (or "10.00000") is cut at the ".".
        {.Kind = K::Combo, .Name = "OP_gamemode", .X = 12, .Y = 24, .W = 196, .Cvar = "mp_gamemode",
         .Default = "0",
         .Items = {QStringLiteral("Deathmatch"), QStringLiteral("Last Man Standing"),
                   QStringLiteral("LMS - 2 Players"), QStringLiteral("LMS - 3 Players"),
                   QStringLiteral("Dueling Berettas"), QStringLiteral("Random"), QStringLiteral("Map Default")},
         .Values = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                    QStringLiteral("10"), QStringLiteral("13"), QStringLiteral("14")}},
        {.Kind = K::Group, .Name = "GB_GameSettings", .Caption = "Game Settings", .X = 8, .Y = 78, .W = 555, .H = 200},
        {.Kind = K::Number, .Name = "OP_timelimit", .Caption = "Time Limit", .LabelName = "LabelTimeLimit",
         .X = 110, .Y = 26, .W = 56, .Max = 90, .Digits = 2,
         .Hint = "Maximum time before changing map (0 = infinite)", .Cvar = "mp_timelimit", .Default = "0"},
        {.Kind = K::Number, .Name = "OP_fraglimit", .Caption = "Frag Limit", .LabelName = "LabelFragLimit",
         .X = 110, .Y = 60, .W = 56, .Max = 999, .Digits = 3,
         .Hint = "Maximum Frag points before changing map (0 = infinite)", .Cvar = "mp_fraglimit", .Default = "0"},
        {.Kind = K::Number, .Name = "OP_roundduration", .Caption = "Round Limit", .LabelName = "LabelRoundLimit",
         .X = 110, .Y = 94, .W = 56, .Max = 90, .Digits = 2,
         .Hint = "Maximum time before the end of the round (0 = infinite)", .Cvar = "mp_roundduration",
         .Default = "0"},
        {.Kind = K::Check, .Name = "OP_friendlyfire", .Caption = "Friendly Fire", .X = 12, .Y = 140, .W = 150,
         .Cvar = "mp_friendlyfire"},
        {.Kind = K::Check, .Name = "OP_killcount", .Caption = "Display kill count", .X = 12, .Y = 166, .W = 150,
         .Cvar = "sv_killcount"},
        {.Kind = K::Check, .Name = "OP_knife_combat", .Caption = "Combat Knife", .X = 220, .Y = 30, .W = 150,
         .Cvar = "sv_wpn_knife_combat"},
        {.Kind = K::Check, .Name = "OP_knife_throwing", .Caption = "Throwing Knife", .X = 220, .Y = 64, .W = 150,
         .Cvar = "sv_wpn_knife_throwing"},
        {.Kind = K::Check, .Name = "OP_pistols", .Caption = "Pistols", .X = 220, .Y = 98, .W = 150,
         .Cvar = "sv_wpn_pistols"},
        {.Kind = K::Check, .Name = "OP_smgs", .Caption = "SMGs", .X = 390, .Y = 30, .W = 150, .Cvar = "sv_wpn_smgs"},
        {.Kind = K::Check, .Name = "OP_long", .Caption = "Long guns", .X = 390, .Y = 64, .W = 150,
         .Cvar = "sv_wpn_long"},
        {.Kind = K::Check, .Name = "OP_panic", .Caption = "Panic weapons", .X = 390, .Y = 98, .W = 150,
         .Cvar = "sv_wpn_panic"},
        {.Kind = K::Program, .Name = "B_Shopping", .Caption = "Shopping Cart", .X = 420, .Y = 24, .W = 130, .H = 30,
         .File = "shopping_cart.exe", .OnPage = true},
    };
    return rows;
}

TOpera::TOpera()
    : TModLogic({.Key = "Opera", .Prefix = "OP", .Title = "The Opera", .ShortName = "Opera",
                 .PageControl = "PC_Opera", .DefaultModel = "bobby", .DefaultDll = "opera.dll",
                 .Liblist = {.GameDir = "opera", .Game = "Opera", .UrlInfo = "www.planethalflife.com/opera",
                             .UrlDl = "", .StartMap = "op_lms_chrest", .TrainMap = "", .Version = "v1.0",
                             .Size = "100000000", .SvOnly = "0", .ClDll = "1", .HlVersion = "1100",
                             .Type = "multiplayer_only", .NoModels = "0", .MpEntity = "info_player_deathmatch",
                             .GameDllLinux = "dlls/opera_i386.so"}})
{
}

TCvarTable TOpera::Cvars() const
{
    // game.cfg lists the frag limit before the time limit, above which the page shows it.
    return ControlRows::Cvars(GamePage(), {QStringLiteral("mp_gamemode"), QStringLiteral("mp_fraglimit")});
}

TOpera& Logic()
{
    static TOpera logic;
    return logic;
}

} // namespace UOpera

void RegisterMod_opera() { RegisterModWindow<TFOpera>(UOpera::Logic(), FOpera); }
