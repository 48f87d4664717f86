#include "mods/dragonmodz/UDragonmodz.h"

#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/dragonmodz/UFDragonmodz.h"

namespace UDragonmodz {

namespace {

TModTraits DragonmodzTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("DragonmodZ");
    s.Prefix = QStringLiteral("DZ");
    s.Title = QStringLiteral("Dragonmod Z");
    s.ShortName = QStringLiteral("DMZ");
    s.PageControl = QStringLiteral("PC_DMZ");
    s.DefaultModel = QStringLiteral("1");
    s.DefaultSkill = QStringLiteral("1");
    // A stored "0" (or a number naming no character) shows no character chosen.
    s.ModeleDefault = QStringLiteral("0");
    s.DefaultDll = QStringLiteral("hl.dll");
    s.ForbiddenNameChars = QStringLiteral(" \"'<>;");
    s.WaypointKey = QStringLiteral("optwaypt");
    s.Models = TModelSource::ClassList;
    s.ClassNames = Characters();
    s.Profile.PictureFolder = QStringLiteral("DragonmodZ\\");
    return s;
}

} // namespace

const QStringList& Characters()
{
    static const QStringList names{
        QStringLiteral("Goku"),    QStringLiteral("Vegeta"), QStringLiteral("Gohan"),
        QStringLiteral("Piccolo"), QStringLiteral("Trunks"), QStringLiteral("Krillin"),
        QStringLiteral("Frieza"),  QStringLiteral("Cell"),   QStringLiteral("Buu"),
        QStringLiteral("Android 18")};
    return names;
}

TDragonmodz::TDragonmodz() : TModLogic(DragonmodzTraits()) {}

TCvarTable TDragonmodz::Cvars() const
{
    using namespace ModCvars;
    return {
        Fixed(QStringLiteral("mp_teamlist"), QString()),
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("DZ_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("DZ_timelimit"), QStringLiteral("0")),
        // The defaults leave the fall damage as it is.
        KeptRadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("DZ_fallreal"),
                      QStringLiteral("DZ_fallnorm")),
        Fixed(QStringLiteral("mp_teamplay"), QStringLiteral("0")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("DZ_friendlyfire"), QStringLiteral("0")),
        Check(QStringLiteral("mp_forcerespawn"), QStringLiteral("DZ_forcerespawn"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("DZ_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_autocrosshair"), QStringLiteral("DZ_autocrosshair"), QStringLiteral("1")),
        Fixed(QStringLiteral("mp_weaponstay"), QStringLiteral("0")),
        // The defaults leave the flashlight (and the fall damage) as they are.
        Check(QStringLiteral("mp_flashlight"), QStringLiteral("DZ_Flashlight")),
    };
}

QStringList TDragonmodz::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        LiblistLine(QStringLiteral("game"), QStringLiteral("Dragon Mod Z")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.dragonmodz.com")),
        LiblistLine(QStringLiteral("url_dl"), QString()),
        LiblistLine(QStringLiteral("version"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        // The mod's own file carries its client library line commented out, blank and all.
        LiblistLine(QStringLiteral("//cldll"), QStringLiteral("1")) + QLatin1Char(' '),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1100")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("1")),
        ModWriters::GameDllLine(dll),
    };
}

ModWriters::TPlaceholderTable TDragonmodz::Placeholders(const QString& skillKey) const
{
    return ModWriters::WholeNumberModel(ModWriters::TemplatePlaceholders(skillKey));
}

TDragonmodz& Logic()
{
    static TDragonmodz logic;
    return logic;
}

} // namespace UDragonmodz

void RegisterMod_dragonmodz() { RegisterModWindow<TFDragonmodz>(UDragonmodz::Logic(), FDragonmodz); }
