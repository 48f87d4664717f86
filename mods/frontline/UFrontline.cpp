// Front Line Force's role routines and launch files.
#include "mods/frontline/UFrontline.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/HpbBot.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "mods/common/OddBot.h"
#include "mods/frontline/UFFrontline.h"
#include "platform/IniFile.h"

#include <QCheckBox>

namespace UFrontline {

const QString HpbBot = QStringLiteral("HPB Bot");
const QString& OddBot = ::OddBot::Name;

namespace {

const QString kDefault = QStringLiteral("Default");

TModTraits FrontlineTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Frontline");
    s.Prefix = QStringLiteral("FL");
    s.Title = QStringLiteral("Front Line Force");
    s.ShortName = QStringLiteral("FLF");
    s.PageControl = QStringLiteral("PC_Frontline");
    s.DefaultModel = QStringLiteral("1");
    s.DefaultSkill = QStringLiteral("0");
    s.ModeleDefault = QStringLiteral("1");
    s.DefaultDll = QStringLiteral("mp.dll");
    s.PauseLine = QStringLiteral("pause 2");
    // The chat sliders belong to HPB Bot here, and no Akimbot serves this mod.
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.Models = TModelSource::ClassList;
    s.ClassNames = {QStringLiteral("Recon"), QStringLiteral("Assault"), QStringLiteral("Support")};
    s.Profile.PictureFolder = QStringLiteral("flf\\");
    s.Profile.SidePictures = true;
    // "optwaypt" marks a map; with "waypt" set, a map without that waypoint file is not offered.
    s.WaypointKey = QStringLiteral("optwaypt");
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.OutsideBotEditor = true;
    s.MapConfig = true;
    s.MapConfigMarks = true;
    s.MapConfigOpens = true;
    s.TemplateControls = {
        {.Name = "SpeedButton1", .As = "FL_AddMap"},
        {.Name = "SpeedButton2", .As = "FL_AddAllMaps"},
        {.Name = "SpeedButton3", .As = "FL_DelMap"},
        {.Name = "SpeedButton4", .As = "FL_DelAllMaps"},
        {.Name = "SpeedButton13", .As = "FL_NextModel"},
        {.Name = "SpeedButton14", .As = "FL_PrevModel"},
        {.Name = "LabelModel", .Caption = "Class"},
        {.Name = "ChatNote", .As = "Label75"},
    };
    return s;
}

TFFrontline* Win()
{
    return qobject_cast<TFFrontline*>(Logic().Form());
}

} // namespace

QStringList BotProgramLines(const QString& bot, const TIniFile& store)
{
    using ::HpbBot::TSetting;
    if (bot == HpbBot)
        return ::HpbBot::SettingsLines(store, {TSetting::DontShoot, TSetting::Strafe, TSetting::Grenade, TSetting::Logo,
                                             TSetting::Reaction, TSetting::Chat, TSetting::Taunt, TSetting::Whine});
    if (bot == OddBot)
        return ::OddBot::SettingsLines(store);
    return {};
}

TFrontline::TFrontline() : TModLogic(FrontlineTraits()) {}

TCvarTable TFrontline::Cvars() const
{
    using namespace ModCvars;
    return {
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("FL_timelimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_roundlimit"), QStringLiteral("FL_roundlimit"), QStringLiteral("0")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("FL_friendlyfire"), QStringLiteral("1")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("FL_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_flashlight"), QStringLiteral("FL_flashlight"), QStringLiteral("0")),
        Check(QStringLiteral("mp_autoteambalance"), QStringLiteral("FL_autoteambalance"), QStringLiteral("1")),
        Check(QStringLiteral("mp_forcebalance"), QStringLiteral("FL_forcebalance"), QStringLiteral("1")),
        Fixed(QStringLiteral("mp_teamchange"), QStringLiteral("1")),
    };
}

QStringList TFrontline::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    const QString size = TIniFile(ModsIniPath()).ReadString(UInit::SelectedBot, QStringLiteral("size"),
                                                            QStringLiteral("Largish"));
    return {
        QStringLiteral("// Front Line Force"),
        LiblistLine(QStringLiteral("version"), QStringLiteral("v1.3")),
        LiblistLine(QStringLiteral("game"), QStringLiteral("Front Line Force")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.frontlineforce.com")),
        LiblistLine(QStringLiteral("url_dl"), QString()),
        LiblistLine(QStringLiteral("size"), size),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1104")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("mpentity"), QStringLiteral("info_frontline")),
        ModWriters::GameDllLine(dll),
        LiblistLine(QStringLiteral("gamedll_linux"), QStringLiteral("dlls/front_i386.so")),
    };
}

ModWriters::TPlaceholderTable TFrontline::Placeholders(const QString& skillKey) const
{
    // The side first, then the template's three; a value missing from the store is left empty.
    ModWriters::TPlaceholderTable table{
        {QStringLiteral("<team>"), QStringLiteral("team"), QString(),
         [](const QString& team, int) { return ModWriters::NumberOr(team, QString()); }}};
    table += ModWriters::TemplatePlaceholders(skillKey);
    for (ModWriters::TPlaceholder& p : table)
        if (p.Name == QLatin1String("<model>"))
            p.Convert = [](const QString& model, int) { return ModWriters::NumberOr(model, QString()); };
    return table;
}

QStringList TFrontline::BotFileHeader(const TBotFileContext& c) const
{
    return ModWriters::BotFileHeader(c.Template, Traits().PauseLine, c.DefaultSkill) +
           BotProgramLines(c.Section, c.Store);
}

TStoreTable TFrontline::StoreRows() const
{
    using namespace ModStore;
    return TStoreTable{
        Flag(kDefault, QStringLiteral("botdontshoot"), QStringLiteral("FL_Botshoot")),
        Flag(kDefault, QStringLiteral("dodge_bullets"), QStringLiteral("FL_dodge_bullets")),
    } + ::HpbBot::OptionRows(QStringLiteral("FL"));
}

bool TFrontline::WriteDefaultSection(TIniFile& store)
{
    if (!TModLogic::WriteDefaultSection(store))
        return false;
    // The game's auto team balance goes to OddBot too; the box itself is read from game.cfg.
    const TFFrontline* w = Win();
    const bool balance = !w || !w->FL_autoteambalance || w->FL_autoteambalance->isChecked();
    return store.WriteString(kDefault, QStringLiteral("team_even"),
                             balance ? QStringLiteral("1") : QStringLiteral("0"));
}

TStoreTable TFrontline::BotStoreRows() const
{
    using namespace ModStore;
    // A class 0 stays "no class"; another number outside the list reads as the first class.
    return {ListSlot(QStringLiteral("team"), 3, QStringLiteral("0"), 0, 2),
            ListSlot(QStringLiteral("modele"), 1, QStringLiteral("1"), 0, 3),
            SlotText(QStringLiteral("type"), 4)};
}

void TFrontline::LoadModDefaults()
{
    TFFrontline* w = Win();
    if (!w)
        return;
    ModControls::SetCheck(w->FL_Botshoot, false);
    ModControls::SetCheck(w->FL_dodge_bullets, false);
}

TBot TFrontline::NewBot(bool random)
{
    TBot bot;
    TModWindow* w = Form();
    if (!random || !w) {
        bot[0] = QStringLiteral("NewBot");
        bot[1] = QStringLiteral("1");
        bot[2] = QStringLiteral("0");
        bot[3] = QStringLiteral("0");
        return bot;
    }
    bot[0] = UQOR::PickRandomBotName(w->ListBot);
    bot[1] = QString::number(UQOR::RandomInRange(1, int(Traits().ClassNames.size())));
    bot[2] = QString::number(UQOR::RandomInRange(0, MaxSkill()));
    bot[3] = QString::number(UQOR::RandomInRange(0, 2));
    return bot;
}

TFrontline& Logic()
{
    static TFrontline logic;
    return logic;
}

} // namespace UFrontline

void RegisterMod_frontline() { RegisterModWindow<TFFrontline>(UFrontline::Logic(), FFrontline); }
