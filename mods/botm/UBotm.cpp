#include "mods/botm/UBotm.h"

#include "mods/botm/UFBotm.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"

namespace UBotm {

namespace {

TModTraits BotmTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Botm");
    s.Prefix = QStringLiteral("BO");
    s.Title = QStringLiteral("Battle of the Millenium");
    s.ShortName = QStringLiteral("BotM");
    s.PageControl = QStringLiteral("PC_Botm");
    s.DefaultModel = QStringLiteral("1");
    s.DefaultSkill = QStringLiteral("1");
    // A stored "0" (or a number naming no character) shows no character chosen.
    s.ModeleDefault = QStringLiteral("0");
    s.DefaultDll = QStringLiteral("mp.dll");
    s.ForbiddenNameChars = QStringLiteral(" \"'<>;");
    s.WaypointKey = QStringLiteral("optwaypt");
    // The chat rates stay in the store and reach Akimbot's file, but the page never shows them.
    s.AkimbotSliders = false;
    s.Models = TModelSource::ClassList;
    s.ClassNames = Characters();
    s.Profile.PictureFolder = QStringLiteral("Botm\\");
    s.Liblist = {.Game = {"Battle of the Millennium", " // Game title"},
                 .UrlInfo = {"www.botm.net", " // Info URL"}, .UrlDl = {"", " // Downloading URL"},
                 .Version = {"Beta 3.0", " // version of mod"}, .Size = {"0", " // size of mod"},
                 .SvOnly = {"0", " // server side only mod? (1=yes 0=no)"},
                 .ClDll = {"1", " // client side dll? (1=yes 0=no)"},
                 .HlVersion = {"1100", " // version of halflife"},
                 .Type = {"multiplayer_only", " // type of mod--don't know values that go here.. multiplayer_only"},
                 .NoModels = {"1", " // game selects player model (1=yes 0=no)"},
                 .GameDllTail = "  // file and location of dll"};
    return s;
}

} // namespace

const QStringList& Characters()
{
    static const QStringList names{QStringLiteral("Goku"),    QStringLiteral("Vegeta"),
                                   QStringLiteral("Gohan"),   QStringLiteral("Piccolo"),
                                   QStringLiteral("Trunks"),  QStringLiteral("Cell"),
                                   QStringLiteral("< Random >")};
    return names;
}

TBotm::TBotm() : TModLogic(BotmTraits()) {}

TCvarTable TBotm::Cvars() const
{
    using namespace ModCvars;
    return {
        Fixed(QStringLiteral("mp_teamlist"), QString()),
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("BO_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("BO_timelimit"), QStringLiteral("0")),
        Fixed(QStringLiteral("mp_teamplay"), QStringLiteral("0")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("BO_friendlyfire"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("BO_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_autocrosshair"), QStringLiteral("BO_autocrosshair"), QStringLiteral("1")),
        Fixed(QStringLiteral("mp_weaponstay"), QStringLiteral("0")),
    };
}

ModWriters::TPlaceholderTable TBotm::Placeholders(const QString& skillKey) const
{
    return ModWriters::WholeNumberModel(ModWriters::TemplatePlaceholders(skillKey));
}

TBotm& Logic()
{
    static TBotm logic;
    return logic;
}

} // namespace UBotm

void RegisterMod_botm() { RegisterModWindow<TFBotm>(UBotm::Logic(), FBotm); }
