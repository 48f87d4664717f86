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
    return s;
}

// A liblist line with the comment the mod's own file gives it.
QString Commented(const QString& key, const QString& value, const QString& comment)
{
    return ModWriters::LiblistLine(key, value) + QStringLiteral(" // ") + comment;
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

QStringList TBotm::LiblistLines(const QString& dll) const
{
    return {
        Commented(QStringLiteral("game"), QStringLiteral("Battle of the Millennium"), QStringLiteral("Game title")),
        Commented(QStringLiteral("url_info"), QStringLiteral("www.botm.net"), QStringLiteral("Info URL")),
        Commented(QStringLiteral("url_dl"), QString(), QStringLiteral("Downloading URL")),
        Commented(QStringLiteral("version"), QStringLiteral("Beta 3.0"), QStringLiteral("version of mod")),
        Commented(QStringLiteral("size"), QStringLiteral("0"), QStringLiteral("size of mod")),
        Commented(QStringLiteral("svonly"), QStringLiteral("0"),
                  QStringLiteral("server side only mod? (1=yes 0=no)")),
        Commented(QStringLiteral("cldll"), QStringLiteral("1"), QStringLiteral("client side dll? (1=yes 0=no)")),
        Commented(QStringLiteral("hlversion"), QStringLiteral("1100"), QStringLiteral("version of halflife")),
        Commented(QStringLiteral("type"), QStringLiteral("multiplayer_only"),
                  QStringLiteral("type of mod--don't know values that go here.. multiplayer_only")),
        Commented(QStringLiteral("nomodels"), QStringLiteral("1"),
                  QStringLiteral("game selects player model (1=yes 0=no)")),
        ModWriters::GameDllLine(dll) + QStringLiteral("  // file and location of dll"),
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

void Register()
{
    RegisterModWindow<TFBotm>(Logic(), FBotm);
}

} // namespace UBotm

void RegisterMod_botm() { UBotm::Register(); }
