#include "mods/globalwarfare/UGlobal.h"

#include "core/UQOR.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "mods/globalwarfare/UFGlobal.h"

#include <QSlider>

namespace UGlobal {

namespace {

TModTraits GlobalTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("GlobalWarfare");
    s.Prefix = QStringLiteral("GW");
    s.Title = QStringLiteral("Global Warfare");
    s.ShortName = QStringLiteral("Global");
    s.PageControl = QStringLiteral("PC_Global");
    s.DefaultModel = QStringLiteral("1");
    s.DefaultSkill = QStringLiteral("0");
    s.ModeleDefault = QStringLiteral("0");   // a class "0" is no class chosen
    s.DefaultDll = QStringLiteral("mp.dll");
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.Models = TModelSource::ClassList;
    s.ClassNames = ClassNames();
    // Maps carry no marker; only maps with the bot's waypoint file are offered and kept.
    s.WaypointKey.clear();
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.DefaultsEmptyMapCycle = true;
    s.Profile.PictureFolder = QStringLiteral("Global\\");
    s.Profile.SidePictures = true;
    s.TemplateControls = {
        {.Name = "LabelModel", .Caption = "Class"},
    };
    return s;
}

} // namespace

const QStringList& ClassNames()
{
    static const QStringList names{QStringLiteral("Infantry"), QStringLiteral("Radio"),
                                   QStringLiteral("Medic"),    QStringLiteral("Engineer"),
                                   QStringLiteral("Sniper"),   QStringLiteral("<Random class>")};
    return names;
}

TGlobal::TGlobal() : TModLogic(GlobalTraits()) {}

TCvarTable TGlobal::Cvars() const
{
    using namespace ModCvars;
    auto number = [](const char* cvar, const char* control, const char* def = nullptr) {
        return Number(QString::fromLatin1(cvar), QString::fromLatin1(control),
                      def ? QString::fromLatin1(def) : QString());
    };
    auto check = [](const char* cvar, const char* control, const char* def = nullptr) {
        return Check(QString::fromLatin1(cvar), QString::fromLatin1(control),
                     def ? QString::fromLatin1(def) : QString());
    };
    return {
        Fixed(QStringLiteral("mp_teamlist"), QString()),
        number("mp_fraglimit", "GW_fraglimit", "0"),
        number("mp_timelimit", "GW_timelimit", "0"),
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("GW_fallreal"), QStringLiteral("GW_fallnorm")),
        Fixed(QStringLiteral("mp_teamplay"), QStringLiteral("1")),
        check("mp_weaponstay", "GW_weaponstay", "0"),
        check("mp_forcerespawn", "GW_forcerespawn", "0"),
        check("mp_footsteps", "GW_footsteps", "1"),
        check("mp_flashlight", "GW_flashlight", "1"),
        check("mp_autocrosshair", "GW_autocrosshair", "1"),
        // The Game page offers it: written and read like its neighbours, so it is not lost.
        check("mp_friendlyfire", "GW_friendlyfire", "0"),
        number("mp_transportrespawn", "GW_transportrespawn", "120"),
        number("mp_intermissionend", "GW_intermissionend"),
        number("mp_intermissionstart", "GW_intermissionstart"),
        number("mp_warmuptime", "GW_warmuptime"),
        number("mp_weaponrespawntime", "GW_weaponrespawntime"),
        number("mp_weaponremovetime", "GW_weaponremovetime"),
        check("mp_allowcameras", "GW_allowcameras"),
        check("mp_campaign", "GW_campaign"),
        check("mp_mirrordamage", "GW_mirrordamage"),
    };
}

TStoreTable TGlobal::BotStoreRows() const
{
    // A team outside the three radios reads as Auto.
    return {ModStore::ListSlot(QStringLiteral("team"), 3, QStringLiteral("0"), 0, 2)};
}

QStringList TGlobal::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    const QString blank = QStringLiteral(" ");
    return {
        LiblistLine(QStringLiteral("game"), QStringLiteral("Global Warfare ")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.globalwarfare.net")),
        LiblistLine(QStringLiteral("url_dl"), QString()) + blank,
        LiblistLine(QStringLiteral("version"), QStringLiteral("1.2")),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1.1.0.6")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("1")) + blank,
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")) + blank,
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")) + QStringLiteral("    "),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("mpentity"), QStringLiteral("info_gwwaiting_spawn")),
        LiblistLine(QStringLiteral("gamedll_linux"), QStringLiteral("dlls/gw_i386.so")),
        ModWriters::GameDllLine(dll),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("1")) + blank,
    };
}

ModWriters::TPlaceholderTable TGlobal::Placeholders(const QString& skillKey) const
{
    ModWriters::TPlaceholderTable table = TModLogic::Placeholders(skillKey);
    for (ModWriters::TPlaceholder& p : table) {
        if (p.Name == QStringLiteral("<model>")) {
            p.Default = QStringLiteral("0");
            p.Number = true;   // a class number
        } else if (p.Name == QStringLiteral("<name>"))
            p.Default = QStringLiteral("NewBot");
        else if (p.Name == QStringLiteral("<skill>"))
            p.Default = QStringLiteral("1");
    }
    // The bot program's own number for "any team" is 5.
    table.prepend(ModWriters::AutoTeamPlaceholder());
    return table;
}

QStringList TGlobal::BotFileHeader(const TBotFileContext& c) const
{
    QStringList lines = ModWriters::BotFileHeader(c.Template, Traits().PauseLine, c.DefaultSkill);
    // The bot-menu bind goes after the botskill line, before the one-blank line.
    const QStringList bind = BotMenuBind(c);
    for (int i = bind.size() - 1; i >= 0; --i)
        lines.insert(lines.size() - 1, bind[i]);
    return lines;
}

QString TGlobal::PictureName(const TBot& bot) const
{
    return bot[3] + QLatin1Char('_') + bot[1];
}

TBot TGlobal::NewBot(bool random)
{
    TBot bot = TModLogic::NewBot(random);
    bot[3] = random ? QString::number(UQOR::RandomInRange(0, 2)) : QStringLiteral("0");
    return bot;
}

void TGlobal::ClearBotFields()
{
    TModLogic::ClearBotFields();
    if (TModWindow* w = Form())
        ModControls::SetSlider(w->Botskill, 1);
}

void TGlobal::LoadModDefaults()
{
    if (TModWindow* w = Form())
        ModControls::SetSlider(w->defskill, 1);
}

TGlobal& Logic()
{
    static TGlobal logic;
    return logic;
}

} // namespace UGlobal

void RegisterMod_globalwarfare() { RegisterModWindow<TFGlobal>(UGlobal::Logic(), FGlobal); }
