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
    s.Liblist = {.Game = "Palisade Beta 1", .UrlInfo = "", .UrlDl = "", .Version = "1", .Size = "",
                 .SvOnly = "0", .ClDll = "1", .Type = "multiplayer_only", .MpEntity = "worldspawn"};
    return s;
}

} // namespace

TPalisade::TPalisade() : TModLogic(PalisadeTraits()) {}

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

} // namespace UPalisade

void RegisterMod_palisade() { RegisterModWindow<TFPalisade>(UPalisade::Logic(), FPalisade); }
