#include "mods/palisade/UPalisade.h"

#include "mods/common/ModWriters.h"
#include "mods/palisade/UFPalisade.h"

namespace UPalisade {

namespace {

TModTraits PalisadeTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Palisade");
    s.Prefix = QStringLiteral("PA");
    s.Title = QStringLiteral("Palisade");
    s.ShortName = QStringLiteral("Palisade");
    s.PageControl = QStringLiteral("PC_Palisade");
    s.DefaultModel = QStringLiteral("bobby");
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QStringLiteral("1");
    s.DefaultDll = QStringLiteral("palisade.dll");
    s.HasGamePage = false;
    s.HasMapsPage = false;
    s.WritesGameCfg = false;
    s.HasModelChooser = false;
    s.Models = TModelSource::ModFills;
    return s;
}

} // namespace

TPalisade::TPalisade() : TModLogic(PalisadeTraits()) {}

QStringList TPalisade::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        LiblistLine(QStringLiteral("game"), QStringLiteral("Palisade Beta 1")),
        LiblistLine(QStringLiteral("url_info"), QString()),
        LiblistLine(QStringLiteral("url_dl"), QString()),
        LiblistLine(QStringLiteral("version"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("size"), QString()),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("mpentity"), QStringLiteral("worldspawn")),
        ModWriters::GameDllLine(dll),
    };
}

ModWriters::TPlaceholderTable TPalisade::Placeholders(const QString& skillKey) const
{
    // The bots have no model: a "<model>" in the template stays as written.
    ModWriters::TPlaceholderTable table = ModWriters::TemplatePlaceholders(skillKey);
    table.removeIf([](const ModWriters::TPlaceholder& p) { return p.Name == QStringLiteral("<model>"); });
    return table;
}

TPalisade& Logic()
{
    static TPalisade logic;
    return logic;
}

void Register()
{
    RegisterModWindow<TFPalisade>(Logic(), FPalisade);
}

} // namespace UPalisade

void RegisterMod_palisade() { UPalisade::Register(); }
