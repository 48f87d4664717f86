#include "mods/vs/UVS.h"

#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/vs/UFVS.h"

namespace UVS {

namespace {

TModTraits VSTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("VS");
    s.Prefix = QStringLiteral("VS");
    s.Title = QStringLiteral("Vampire Slayer");
    s.ShortName = QStringLiteral("VS");
    s.PageControl = QStringLiteral("PC_VS");
    s.DefaultModel = QStringLiteral("edgar");
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QStringLiteral("1");
    s.DefaultDll = QStringLiteral("mp.dll");
    // No chat at all: no page, no sliders, no rates in the store or the bot file.
    s.HasChatPage = false;
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.Models = TModelSource::OwnFolder;
    s.Profile.PictureFolder = QStringLiteral("VS\\");
    s.Liblist = {.Game = "VampireSlayer", .UrlInfo = "www.vampireslayer.org", .Version = "3.0", .SvOnly = "0",
                 .ClDll = {"1", " "}, .HlVersion = "1100", .Type = "multiplayer_only", .NoModels = "1",
                 .MpEntity = "info_player_deathmatch", .GameDllLinux = "dlls/vs_i386.so"};
    return s;
}

} // namespace

TVS::TVS() : TModLogic(VSTraits()) {}

TCvarTable TVS::Cvars() const
{
    using namespace ModCvars;
    return {
        Number(QStringLiteral("mp_roundtime"), QStringLiteral("VS_roundtime"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("VS_timelimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_roundlimit"), QStringLiteral("VS_roundlimit"), QStringLiteral("0")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("VS_friendlyfire")),
        Check(QStringLiteral("mp_nodraws"), QStringLiteral("VS_nodraws")),
        Check(QStringLiteral("mp_tkkill"), QStringLiteral("VS_tkkill")),
        Check(QStringLiteral("mp_autobalance"), QStringLiteral("VS_autobalance")),
        Check(QStringLiteral("mp_flashlight"), QStringLiteral("VS_flashlight")),
        Check(QStringLiteral("mp_decap"), QStringLiteral("VS_decap")),
        // The mod's own bots stay out: the bot program fills the server.
        Fixed(QStringLiteral("mp_maxbots"), QStringLiteral("0.000000")),
        Fixed(QStringLiteral("mp_minbots"), QStringLiteral("0.000000")),
        Fixed(QStringLiteral("mp_botteam"), QStringLiteral("0")),
    };
}

TVS& Logic()
{
    static TVS logic;
    return logic;
}

} // namespace UVS

void RegisterMod_vs() { RegisterModWindow<TFVS>(UVS::Logic(), FVS); }
