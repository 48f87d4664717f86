// Day of Defeat's role routines and launch files.
#include "mods/dod/UDod.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "mods/dod/UFDod.h"
#include "platform/IniFile.h"

#include <QCheckBox>
#include <QSlider>

namespace UDod {

const QString Sturmbot = QStringLiteral("Sturmbot");

namespace {

const QString kDefault = QStringLiteral("Default");

TModTraits DodTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Dod");
    s.Prefix = QStringLiteral("DD");
    s.Title = QStringLiteral("Day of Defeat");
    s.ShortName = QStringLiteral("D.o.D.");
    s.PageControl = QStringLiteral("PC_Dod");
    s.DefaultModel = QStringLiteral("5");
    s.DefaultSkill = QStringLiteral("0");
    s.ModeleDefault = QStringLiteral("0");
    s.DefaultDll = QStringLiteral("mp.dll");
    s.ChatKeys = false;   // no chat rates in this store
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.Models = TModelSource::ClassList;
    s.ClassesPerSide = true;
    s.Profile.PictureFolder = QStringLiteral("dod\\");
    s.Profile.SidePictures = true;
    // No waypoint marks; with "waypt" set, a map without that waypoint file is not offered.
    s.WaypointKey = QString();
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.OutsideBotEditor = true;
    // Each map may have its own <map>.cfg in the mod folder: "+" marks it, "Edit config" opens it.
    s.MapConfig = true;
    s.MapConfigMarks = true;
    s.MapConfigOpens = true;
    s.ExecBind = true;
    // Restore Default starts the map cycle afresh.
    s.DefaultsEmptyMapCycle = true;
    s.Liblist = {.Game = {"Day of Defeat", " // Game title"},
                 .UrlInfo = {"www.dayofdefeat.com", " // Info URL"}, .UrlDl = {"", " // Downloading URL"},
                 .Version = {"2.0", " // version of mod"}, .Size = {"154000000", " // size of mod"},
                 .SvOnly = {"0", " // server side only mod? (1=yes 0=no)"},
                 .ClDll = {"1", " // client side dll? (1=yes 0=no)"},
                 .Type = {"multiplayer_only", " // type of mod--don't know values that go here.."},
                 .NoModels = {"1", " // game selects player model (1=yes 0=no)"},
                 .MpEntity = "info_player_allies", .GameDllTail = " // file and location of dll",
                 .GameDllLinux = "dlls/dod_i386.so"};
    s.TemplateControls = {
        {.Name = "DD_BEditCfg", .As = "TF_BEditCfg"},
        {.Name = "LabelModel", .Caption = "Class"},
        {.Name = "ChatNote", .Caption = "%n  can be used to insert the player's name."},
    };
    return s;
}

TFDod* Win()
{
    return qobject_cast<TFDod*>(Logic().Form());
}

} // namespace

QStringList ClassNames(const QString& team)
{
    const QString random = QStringLiteral("<Random Class>");
    if (team == QLatin1String("0"))
        return {QStringLiteral("Light / Leicht"), QStringLiteral("Assault / Sturmtruppen"),
                QStringLiteral("Sniper / Sch\u00fctzen"), QStringLiteral("Heavy / Infanterie"), random};
    if (team == QLatin1String("1"))
        return {QStringLiteral("Light"), QStringLiteral("Assault"), QStringLiteral("Sniper"),
                QStringLiteral("Heavy"), random};
    if (team == QLatin1String("2"))
        return {QStringLiteral("Leicht"), QStringLiteral("Sturmtruppen"), QStringLiteral("Sch\u00fctzen"),
                QStringLiteral("Infanterie"), random};
    return {};
}

TDod::TDod() : TModLogic(DodTraits()) {}

void TDod::ReadBotSection()
{
    TModLogic::ReadBotSection();
    // The maps' own files are always <map>.cfg.
    State.Config = QStringLiteral(".cfg");
    const TIniFile mods(ModsIniPath());
    BotMenuCmd = mods.ReadString(UInit::SelectedBot, QStringLiteral("botmenucmd"), QString());
    ExecCmd = mods.ReadString(UInit::SelectedBot, QStringLiteral("execcmd"), QString());
}

TCvarTable TDod::Cvars() const
{
    using namespace ModCvars;
    TCvarRow teamplay;
    teamplay.Cvar = QStringLiteral("mp_teamplay");
    teamplay.Control = QStringLiteral("DD_friendlyfire");
    teamplay.Default = QStringLiteral("0");
    teamplay.Read = TCvarRead::Own;
    teamplay.Written = TCvarWrite::Own;
    // The mod reads friendly fire from the team-play value: 11 with it, 21 without.
    teamplay.ReadRule = [](TModWindow& w, const QString& value) {
        ModControls::SetCheck(w.Control<QCheckBox>(QStringLiteral("DD_friendlyfire")),
                              value == QLatin1String("11"));
    };
    teamplay.WriteRule = [](const TModWindow& w) {
        const auto* box = w.Control<QCheckBox>(QStringLiteral("DD_friendlyfire"));
        return box && box->isChecked() ? QStringLiteral("11") : QStringLiteral("21");
    };
    return {
        Fixed(QStringLiteral("mp_teamlist"), QString()),
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("DD_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("DD_timelimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_tkpenalty"), QStringLiteral("DD_tkpenalty"), QStringLiteral("0")),
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("DD_fallreal"), QStringLiteral("DD_fallnorm")),
        teamplay,
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("DD_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_flashlight"), QStringLiteral("DD_flashlight"), QStringLiteral("1")),
        Check(QStringLiteral("mp_autocrosshair"), QStringLiteral("DD_autocrosshair"), QStringLiteral("1")),
    };
}

ModWriters::TPlaceholderTable TDod::Placeholders(const QString& skillKey) const
{
    ModWriters::TPlaceholderTable table{ModWriters::AutoTeamPlaceholder()};
    table += ModWriters::TemplatePlaceholders(skillKey, QStringLiteral("1"), QStringLiteral("NewBot"),
                                              QStringLiteral("1"));
    for (ModWriters::TPlaceholder& p : table)
        if (p.Name == QLatin1String("<model>"))
            p.Convert = [](const QString& model, int) { return ModWriters::NumberOr(model, QStringLiteral("1")); };
    return table;
}

ModWriters::TFillOptions TDod::FillOptions() const
{
    ModWriters::TFillOptions options;
    options.CrBreak = true;
    return options;
}

QStringList TDod::BotFileHeader(const TBotFileContext& c) const
{
    // The skill before the pause, and no line of one blank.
    QStringList lines{QStringLiteral("# ") + c.Template, QStringLiteral("botskill ") + c.DefaultSkill,
                      QStringLiteral("pause 3"), QString()};
    lines << BotMenuBind(c);
    if (c.Section == Sturmbot) {
        auto number = [&](const char* key, const char* def) {
            return ModWriters::NumberOr(
                c.Store.ReadString(kDefault, QString::fromLatin1(key), QString::fromLatin1(def)),
                QString::fromLatin1(def));
        };
        lines << QStringLiteral("min_reaction ") + number("min_reaction", "70")
              << QStringLiteral("max_reaction ") + number("max_reaction", "120")
              << QStringLiteral("rank ") + number("rank", "0");
    }
    return lines;
}

TStoreTable TDod::StoreRows() const
{
    using namespace ModStore;
    return {
        ChooserText(kDefault, QStringLiteral("botmenu"), QStringLiteral("DD_botmenu")),
        ChooserText(kDefault, QStringLiteral("ExecKey"), QStringLiteral("DD_ExecKey")),
        Flag(kDefault, QStringLiteral("botchat"), QStringLiteral("DD_botchat")),
        Flag(kDefault, QStringLiteral("grenade"), QStringLiteral("DD_grenade")),
        Number(kDefault, QStringLiteral("min_reaction"), QStringLiteral("DD_min_reaction"), QStringLiteral("70"), 0, 400),
        Number(kDefault, QStringLiteral("max_reaction"), QStringLiteral("DD_max_reaction"), QStringLiteral("120"), 0, 400),
        Flag(kDefault, QStringLiteral("rank"), QStringLiteral("DD_Rank")),
    };
}

bool TDod::WriteDefaultSection(TIniFile& store)
{
    if (!TModLogic::WriteDefaultSection(store))
        return false;
    // The minimum skill comes from the Mods file at each activation; the store only keeps it.
    const TFDod* w = Win();
    return !w || !w->DD_Minskill ||
           store.WriteInteger(kDefault, QStringLiteral("minskill"), w->DD_Minskill->value());
}

TStoreTable TDod::BotStoreRows() const
{
    using namespace ModStore;
    // A side or class outside its list reads as "0": Auto, and no class shown.
    return {ListSlot(QStringLiteral("team"), 3, QStringLiteral("0"), 0, 2),
            ListSlot(QStringLiteral("modele"), 1, QStringLiteral("0"), 1, 5)};
}

void TDod::LoadModDefaults()
{
    TFDod* w = Win();
    if (!w)
        return;
    ModControls::SetSlider(w->defskill, 1);
}

void TDod::ClearBotFields()
{
    TModLogic::ClearBotFields();
    if (TModWindow* w = Form())
        ModControls::SetSlider(w->Botskill, 1);
}

TBot TDod::NewBot(bool random)
{
    TBot bot;
    TModWindow* w = Form();
    if (!random || !w) {
        bot[0] = QStringLiteral("NewBot");
        bot[1] = QStringLiteral("5");
        bot[2] = QStringLiteral("0");
        bot[3] = QStringLiteral("0");
        return bot;
    }
    bot[0] = UQOR::PickRandomBotName(w->ListBot);
    bot[1] = QString::number(UQOR::RandomInRange(1, 5));
    bot[2] = QString::number(UQOR::RandomInRange(0, MaxSkill()));
    bot[3] = QString::number(UQOR::RandomInRange(0, 2));
    return bot;
}

TDod& Logic()
{
    static TDod logic;
    return logic;
}

} // namespace UDod

void RegisterMod_dod() { RegisterModWindow<TFDod>(UDod::Logic(), FDod); }
