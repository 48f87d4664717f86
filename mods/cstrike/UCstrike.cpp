// Counter-Strike's role routines: what the window loads, checks and saves for the selected bot
// program (the launch files are in UCstrike_Launch.cpp).
#include "mods/cstrike/UCstrike.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/SkillGrid.h"
#include "mods/cstrike/UFCstrike.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>

namespace UCstrike {

namespace {


TFCstrike* Win()
{
    return qobject_cast<TFCstrike*>(Logic().Form());
}

using ModControls::NativePath;
using ModControls::SetCheck;
using ModControls::SetSlider;

// A P.O.D.Bot timer is a number of seconds; an empty or unreadable one ("", ".") would reach
// the bot as a command without a value, so it stands for the bot's own timing instead.
QString TimerOrDefault(const QString& text, const char* fallback)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok ? text : QString::fromLatin1(fallback);
}

const QStringList& SkillRowLabels()
{
    static const QStringList labels = {
        QStringLiteral(" Min Delay"),      QStringLiteral(" Max Delay"),
        QStringLiteral(" Min Turn Speed"), QStringLiteral(" Max Turn Speed"),
        QStringLiteral(" Aim Offset X"),   QStringLiteral(" Aim Offset Y"),
        QStringLiteral(" Aim Offset Z"),   QStringLiteral(" Headshot %"),
        QStringLiteral(" Hear through Walls %"), QStringLiteral(" See through Walls %")};
    return labels;
}

const QStringList& SkillBandHeadings()
{
    static const QStringList headings = {
        QStringLiteral("    0 - 19"),  QStringLiteral("    20 - 39"), QStringLiteral("    40 - 59"),
        QStringLiteral("    60 - 79"), QStringLiteral("    80 - 99"), QStringLiteral("    100")};
    return headings;
}

const QVector<SkillGrid::TRange>& SkillRanges()
{
    using namespace SkillGrid;
    static const QVector<TRange> ranges = {Seconds, Seconds, Degrees, Degrees, Offset,
                                           Offset,  Offset,  Percent, Percent, Percent};
    return ranges;
}

void GridToTable(const QTableWidget* grid, TSkillTable& table)
{
    if (!grid)
        return;
    const SkillGrid::TCells cells = SkillGrid::Read(grid);
    for (int k = 0; k < SkillKeyCount; ++k)
        for (int b = 0; b < SkillBandCount; ++b)
            table[k][b] = cells.value(k).value(b);
}

void TableToGrid(const TSkillTable& table, QTableWidget* grid)
{
    SkillGrid::TCells cells = SkillGrid::EmptyCells(SkillKeyCount, SkillBandCount);
    for (int k = 0; k < SkillKeyCount; ++k)
        for (int b = 0; b < SkillBandCount; ++b)
            cells[k][b] = table[k][b];
    SkillGrid::Write(cells, grid);
}

} // namespace

// ---------------------------------------------------------------- P.O.D.Bot skill table

const QStringList& SkillKeys()
{
    static const QStringList keys = {
        QStringLiteral("MIN_DELAY"),      QStringLiteral("MAX_DELAY"),
        QStringLiteral("MIN_TURNSPEED"),  QStringLiteral("MAX_TURNSPEED"),
        QStringLiteral("AIM_OFFS_X"),     QStringLiteral("AIM_OFFS_Y"),
        QStringLiteral("AIM_OFFS_Z"),     QStringLiteral("HEADSHOT_ALLOW"),
        QStringLiteral("HEAR_SHOOTTHRU_PROB"), QStringLiteral("SEEN_SHOOTTHRU_PROB")};
    return keys;
}

void ParseBotSkill(const QStringList& lines, TSkillTable& table)
{
    int band = 0;
    int count = 0;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (band >= SkillBandCount)
            break;   // a seventh band has no column
        for (int k = 0; k < SkillKeyCount; ++k) {
            const QString& key = SkillKeys().at(k);
            const qsizetype at = line.indexOf(key);
            if (at < 0)
                continue;
            table[k][band] = line.mid(at + key.size()).trimmed();
            ++count;
        }
        if (count >= SkillKeyCount) {
            ++band;
            count = 0;
        }
    }
}

QStringList FormatBotSkill(const TSkillTable& table)
{
    static const char* const ranges[SkillBandCount] = {"0-19", "20-39", "40-59",
                                                       "60-79", "80-99", "100"};
    QStringList lines = {
        QStringLiteral("# The order is from the Worst Bots to the Best. DON'T CHANGE THE"),
        QStringLiteral("# ORDER IN THIS FILE UNLESS YOU WANT TO EXPERIENCE WEIRD THINGS!")};
    for (int b = 0; b < SkillBandCount; ++b) {
        lines << QString()
              << QStringLiteral("# Settings for Bots Skill ") + QString::fromLatin1(ranges[b]);
        for (int k = 0; k < SkillKeyCount; ++k)
            lines << SkillKeys().at(k) + QLatin1Char(' ') + table[k][b];
    }
    return lines;
}

bool IsEmpty(const TSkillTable& table)
{
    for (const auto& row : table)
        for (const QString& cell : row)
            if (!cell.trimmed().isEmpty())
                return false;
    return true;
}

void LabelSkillGrid(QTableWidget* grid)
{
    SkillGrid::Label(grid, SkillBandHeadings(), SkillRowLabels(), SkillRanges());
}

const QVector<TPlBotSetting>& PlBotSettings()
{
    static const QVector<TPlBotSetting> settings = {
        {"PL_maxway", "Waypoints sight distance", 100, 300},
        {"PL_Bheight", "Acceptable height", 100, 200},
        {"PL_minway", "Stop following waypoint", 25, 300},
        {"PL_spre", "Position of area waypoints", 10, 100},
        {"PL_unstuck", "Bots avoid themselves", 75, 150},
        {"PL_bangle", "New waypoints view angle", 0, 60},
        {"PL_bsenss", "Avoid wall from side", 25, 100},
        {"PL_bsensf", "Avoid wall on front", 25, 200},
        {"PL_blevel", "Check for walls", 0, 36},
    };
    return settings;
}

// ---------------------------------------------------------------- game page

const TControlRows& GamePage()
{
    using K = TControlKind;
    // The numbers stand one under the other, each with its caption on the left.
    static const TControlRows rows{
        {.Kind = K::Label, .Name = "Lab_timelimit", .Caption = "Time Limit", .X = 8, .Y = 13, .W = 130},
        {.Kind = K::Number, .Name = "CS_timelimit", .X = 150, .Y = 10, .W = 56, .Max = 90, .Digits = 2,
         .Hint = "Minutes before the map changes (0 = no limit)", .Cvar = "mp_timelimit", .Default = "0"},
        {.Kind = K::Label, .Name = "Lab_RoundTime", .Caption = "Round Time", .X = 8, .Y = 43, .W = 130},
        {.Kind = K::Number, .Name = "CS_RoundTime", .X = 150, .Y = 40, .W = 56, .Min = 1, .Max = 15, .Digits = 2,
         .Hint = "Minutes of one round", .Cvar = "mp_roundtime", .Default = "5"},
        {.Kind = K::Label, .Name = "Lab_FreezeTime", .Caption = "Freeze Time", .X = 8, .Y = 73, .W = 130},
        {.Kind = K::Number, .Name = "CS_FreezeTime", .X = 150, .Y = 70, .W = 56, .Max = 15, .Digits = 2,
         .Hint = "Seconds the players stand still at the start of a round", .Cvar = "mp_freezetime",
         .Default = "1"},
        {.Kind = K::Label, .Name = "Lab_maxrounds", .Caption = "Max rounds", .X = 8, .Y = 103, .W = 130},
        {.Kind = K::Number, .Name = "CS_maxrounds", .X = 150, .Y = 100, .W = 56, .Max = 15, .Digits = 2,
         .Hint = "Rounds before the map changes (0 = no limit)", .Cvar = "mp_maxrounds", .Default = "0"},
        {.Kind = K::Label, .Name = "Lab_winlimit", .Caption = "Max won rounds", .X = 8, .Y = 133, .W = 130},
        {.Kind = K::Number, .Name = "CS_winlimit", .X = 150, .Y = 130, .W = 56, .Max = 15, .Digits = 2,
         .Hint = "Rounds a side must win before the map changes (0 = no limit)", .Cvar = "mp_winlimit",
         .Default = "0"},
        {.Kind = K::Label, .Name = "Lab_hostagepenalty", .Caption = "Max hostage kills", .X = 8, .Y = 163, .W = 130},
        {.Kind = K::Number, .Name = "CS_hostagepenalty", .X = 150, .Y = 160, .W = 56, .Max = 15, .Digits = 2,
         .Hint = "Hostages a player may kill before being kicked (0 = no limit)", .Cvar = "mp_hostagepenalty",
         .Default = "0"},
        {.Kind = K::Label, .Name = "Lab_C4timer", .Caption = "C4 timer duration", .X = 8, .Y = 193, .W = 130},
        {.Kind = K::Number, .Name = "CS_C4timer", .X = 150, .Y = 190, .W = 56, .Min = 15, .Max = 90, .Digits = 2,
         .Hint = "Seconds before the bomb explodes", .Cvar = "mp_c4timer", .Default = "35"},
        {.Kind = K::Label, .Name = "Lab_limitteams", .Caption = "Limit Teams", .X = 8, .Y = 223, .W = 130},
        {.Kind = K::Number, .Name = "CS_limitteams", .X = 150, .Y = 220, .W = 56, .Max = 19, .Digits = 2,
         .Hint = "Most players one side may have more than the other", .Cvar = "mp_limitteams", .Default = "2"},
        // The start money gets its 800 when the window is made; Restore Default leaves it.
        {.Kind = K::Label, .Name = "Lab_startmoney", .Caption = "Starting money", .X = 8, .Y = 253, .W = 130},
        {.Kind = K::Number, .Name = "CS_startmoney", .X = 150, .Y = 250, .W = 66, .Min = 800, .Max = 16000,
         .Digits = 5, .Step = 50, .Hint = "Money of every player at the start", .Cvar = "mp_startmoney"},
        {.Kind = K::Fixed, .Cvar = "mp_autokick", .Default = "1"},
        {.Kind = K::Check, .Name = "CS_friendlyfire", .Caption = "Friendly Fire", .X = 8, .Y = 284, .W = 130,
         .Cvar = "mp_friendlyfire", .Default = "0"},
        {.Kind = K::Fixed, .Cvar = "mp_chasecam", .Default = "0"},
        {.Kind = K::Check, .Name = "CS_footsteps", .Caption = "Footsteps", .X = 140, .Y = 284, .W = 130,
         .Cvar = "mp_footsteps", .Default = "1"},
        {.Kind = K::Check, .Name = "CS_flashlight", .Caption = "Flashlight", .X = 8, .Y = 308, .W = 130,
         .Cvar = "mp_flashlight", .Default = "1"},
        {.Kind = K::Check, .Name = "CS_grenade", .Caption = "Friendly Grenade", .X = 140, .Y = 308, .W = 130,
         .Cvar = "mp_friendly_grenade_damage", .Default = "0"},
        {.Kind = K::Check, .Name = "CS_balance", .Caption = "Auto balance teams", .X = 8, .Y = 332, .W = 200,
         .Cvar = "mp_autoteambalance", .Default = "1"},
    };
    return rows;
}

// ---------------------------------------------------------------- the logic object

TCstrike::TCstrike()
    : TModLogic({.Key = ModKey, .Prefix = "CS", .Title = "Counter Strike", .ShortName = "CStrike",
                 .PageControl = "PC_Cstrike", .DefaultModel = "0", .DefaultSkill = "0", .ModeleDefault = "0",
                 .DefaultDll = "mp.dll",
                 .ChatKeys = false,   // the chat rate is read with the mod's own keys
                 .AkimbotSliders = false,
                 .Models = TModelSource::ModFills,   // the models are per side, filled when a bot is shown
                 // "optwaypt" marks a map; a map without its "waypt" file is not offered at all.
                 .WaypointKey = "optwaypt", .RequiredWaypointKey = "waypt",
                 .OutsideBotEditor = true, .MapConfig = true, .MapConfigMarks = true, .MapConfigOpens = true,
                 .ExecBind = true, .ChatChooserFolder = "plbot\\",
                 .Profile = {.ModelStorage = TModelStorage::Index, .PictureFolder = "cs\\", .SidePictures = true},
                 .TemplateControls = {
                     {.Name = "Label86", .As = "Lab_spawnbot"},
                     {.Name = "LabelDefSkill", .As = "Label86"},
                     {.Name = "Label13", .As = "Label2"},
                     {.Name = "Label14", .As = "Label3"},
                     {.Name = "Label15", .As = "Label4"},
                     {.Name = "Label16", .As = "Label64"},
                     {.Name = "B_BotEditor", .Caption = "Open Teambot Control Centre"},
                     {.Name = "ChatNote", .As = "Label75", .Caption = "%n  can be used to insert the player's name."},
                     {.Name = "CS_Chatfreq", .As = "CS_chatfreq"},
                     {.Name = "Lab_chatfreq", .As = "Lab_chat",
                      .Caption = "Chat frequency : Never                            Always"},
                 }})
{
}

bool TCstrike::IsBot(const QString& name) const
{
    return UInit::SelectedBot == name;
}

QString TCstrike::WaypointRoot() const
{
    return IsBot(NNBot) ? UInit::HLPath : ModDir();
}

QString TCstrike::WayDirRoot() const
{
    if (IsBot(NNBot))
        return FileSys::Resolve(FileSys::JoinPath(UInit::HLPath, QStringLiteral("nnbot")));
    if (IsBot(PodBot))
        return FileSys::Resolve(FileSys::JoinPath(ModDir(), QStringLiteral("PodBot")));
    return FileSys::Resolve(ModDir());
}

QString TCstrike::WayDirPrefix() const
{
    if (IsBot(NNBot))
        return QStringLiteral("nnbot\\");
    if (IsBot(PodBot))
        return QStringLiteral("PodBot\\");
    return QString();
}

QString TCstrike::StoredWaypointFolder(const TIniFile& store, const QString& bot) const
{
    const bool nn = bot == NNBot;
    if (!nn && bot != PodBot)
        return QString();
    const QString folder = store.ReadString(kDefault, nn ? QStringLiteral("nwpdir") : QStringLiteral("wptfolder"),
                                            nn ? QStringLiteral("nwps") : QStringLiteral("wptcs10"));
    const QString path = nn ? FileSys::JoinPath(UInit::HLPath, QStringLiteral("nnbot\\") + folder)
                            : FileSys::JoinPath(ModDir(), QStringLiteral("PodBot\\") + folder);
    return !folder.trimmed().isEmpty() && FileSys::DirectoryExists(path) ? folder : QString();
}

bool TCstrike::UsesMinSkill() const
{
    return IsBot(BottBot) || IsBot(JoeBot) || IsBot(PodBot) || IsBot(RealBot);
}

void TCstrike::KeepSkillsInStep()
{
    TFCstrike* w = Win();
    if (!w || !w->defskill || !w->CS_minskill || !UsesMinSkill())
        return;
    // The bot file gets the minimum and the maximum as they stand; a minimum above the maximum
    // is an empty range the bot program cannot honour.
    if (w->defskill->value() < w->CS_minskill->value())
        SetSlider(w->defskill, w->CS_minskill->value());
}

void TCstrike::ReadBotSection()
{
    TModLogic::ReadBotSection();
    const TIniFile mods(ModsIniPath());
    const QString s = UInit::SelectedBot;
    Cs.MinSkill = mods.ReadInteger(s, QStringLiteral("minskill"), 1);
    Cs.BotMenuCmd = mods.ReadString(s, QStringLiteral("botmenucmd"), QString());
    Cs.ExecCmd = mods.ReadString(s, QStringLiteral("execcmd"), QString());
}

TCvarTable TCstrike::Cvars() const
{
    return ControlRows::Cvars(GamePage());
}

QString TCstrike::WaypointFolderPath() const
{
    return FileSys::JoinPath(WaypointRoot(), State.WaypointFolder);
}

void TCstrike::FillModelChooser()
{
    // The models belong to a side: ShowBot fills them for the bot's side.
}

void TCstrike::LoadDefaults()
{
    TFCstrike* w = Win();
    if (!w)
        return;
    const UInit::TLoadingGuard loading;
    // The waypoint folder comes first: the map list is built from it.
    const TIniFile store(BotsIniPath());
    if (IsBot(NNBot) || IsBot(PodBot)) {
        // NN Bot falls back on its own "nwps"; P.O.D.Bot then reads the waypoints of its folder.
        const QString folder = StoredWaypointFolder(store, UInit::SelectedBot);
        State.WaypointFolder = WayDirPrefix() + (folder.isEmpty() && IsBot(NNBot) ? QStringLiteral("nwps") : folder);
    }
    w->ShowWayDir(WaypointFolderPath(),
                  FileSys::DirectoryExists(WayDirRoot()) ? WayDirRoot() : WaypointRoot());
    TModLogic::LoadDefaults();
}

void TCstrike::LoadModDefaults()
{
    TFCstrike* w = Win();
    if (!w)
        return;
    for (QCheckBox* c : {w->CS_knifeonly, w->CS_pistolonly, w->CS_subonly, w->CS_Snipeonly,
                         w->CS_detailnames, w->CS_inhumanturns, w->CS_autoskill})
        SetCheck(c, false);
    SetCheck(w->CS_usesmoke, true);
    SetCheck(w->CS_botchat, true);
    SetSlider(w->defskill, 0);
    SetSlider(w->CS_minskill, 1);
    SetSlider(w->CS_chatfreq, 10);
    KeepSkillsInStep();

    if (IsBot(JoeBot) && w->CS_Bottype) {
        const QSignalBlocker block(w->CS_Bottype);
        w->CS_Bottype->clear();
        w->CS_Bottype->addItems(FavouriteWeapons());
    }

    // The skill table is the bot program's file, not a default of ours: it is emptied here and
    // read again (LoadConf, RestoreDefaults), so a save never writes a half-emptied table.
    LabelSkillGrid(w->CS_Skills);
    TableToGrid(TSkillTable{}, w->CS_Skills);
}

void TCstrike::ClearBotFields()
{
    TModLogic::ClearBotFields();
    TFCstrike* w = Win();
    if (!w)
        return;
    if (w->CS_Bottype) {
        const QSignalBlocker block(w->CS_Bottype);
        w->CS_Bottype->setCurrentIndex(-1);
    }
}

void TCstrike::LoadConf()
{
    if (!Form())
        return;
    TModLogic::LoadConf();
    if (IsBot(PodBot))
        ReadBotSkillCfg();
    State.Modified = 0;
}

bool TCstrike::SaveConf()
{
    if (!TModLogic::SaveConf())
        return false;
    if (IsBot(PodBot)) {
        QString error;
        if (!WriteBotSkillCfg(error)) {
            ReportSaveError(error);
            // The skill table is not on disk yet: leaving asks again.
            State.Modified = 1;
            return false;
        }
    }
    return true;
}

void TCstrike::RestoreDefaults()
{
    TModLogic::RestoreDefaults();
    if (IsBot(PodBot))
        ReadBotSkillCfg();
}

// ---------------------------------------------------------------- bot store

void TCstrike::ReadDefaultSection(const TIniFile& store)
{
    TModLogic::ReadDefaultSection(store);
    // The minimum skill was read after the default skill: the two are kept in step.
    KeepSkillsInStep();
}

bool TCstrike::EngineReadsBotLines() const
{
    // RealBot's add command is a console command: the engine's tokenizer reads it.
    return IsBot(RealBot);
}

TStoreTable TCstrike::StoreRows() const
{
    using namespace ModStore;
    const auto joeBot = [this] { return IsBot(JoeBot); };
    // A P.O.D.Bot timer is read with at most three characters, and an unreadable one stands for
    // the bot's own timing.
    const auto timer = [](const char* key, const char* control, const char* def) {
        TStoreRow row = Text(kPodSection, QString::fromLatin1(key), QString::fromLatin1(control),
                             QString::fromLatin1(def));
        row.ReadAs = [def](const QString& v) { return TimerOrDefault(v.left(3), def); };
        row.WriteAs = [def](const QString& v) { return TimerOrDefault(v, def); };
        return row;
    };
    // The waypoint folder is kept relative to the bot program's own folder (read with the bot's
    // section, written here).
    const auto waypoints = [this](const char* key, const QString& bot, int cut) {
        TStoreRow row = Text(kDefault, QString::fromLatin1(key), QString());
        row.When = [this, bot] { return IsBot(bot); };
        row.WriteAs = [this, cut](const QString&) { return State.WaypointFolder.mid(cut); };
        return row;
    };
    TStoreRow chatleet = Number(kDefault, QStringLiteral("chatleet"), QStringLiteral("CS_chatfreq"),
                                QStringLiteral("10"));
    chatleet.When = joeBot;

    TStoreTable rows{
        Number(kDefault, QStringLiteral("minskill"), QStringLiteral("CS_minskill"), QStringLiteral("1"))};
    for (const char* key : {"autoskill", "botchat", "knifeonly", "pistolonly", "Snipeonly", "subonly", "usesmoke"})
        rows << Flag(kDefault, QString::fromLatin1(key), QStringLiteral("CS_") + QString::fromLatin1(key));
    rows << ChooserText(kDefault, QStringLiteral("botmenu"), QStringLiteral("CS_botmenu"))
         << ChooserText(kDefault, QStringLiteral("ExecKey"), QStringLiteral("CS_ExecKey"))
         << Number(kDefault, QStringLiteral("bot_control"), QStringLiteral("CS_bot_control"), QStringLiteral("3"))
         << Number(kDefault, QStringLiteral("chatfreq"), QStringLiteral("CS_chatfreq"), QStringLiteral("10"))
         << Flag(kDefault, QStringLiteral("detailnames"), QStringLiteral("CS_detailnames"))
         << chatleet
         << Flag(kDefault, QStringLiteral("allowlaserdot"), QStringLiteral("CS_allowlaserdot"))
         << Flag(kDefault, QStringLiteral("botuselaserdot"), QStringLiteral("CS_botuselaserdot"))
         << Number(kDefault, QStringLiteral("bot_group"), QStringLiteral("CS_bot_group"), QStringLiteral("1"));
    for (const TPlBotSetting& s : PlBotSettings())
        rows << Number(kPlBotSection, QString::fromLatin1(s.Name).mid(3).toLower(), QString::fromLatin1(s.Name),
                       QString::number(s.Min));
    rows << Flag(kDefault, QStringLiteral("plbot_nav"), QStringLiteral("PLBot_nav"), QStringLiteral("1"));
    for (const char* key : {"inhumanturns", "collectexperience", "shootthruwalls", "usespeech",
                            "botvotekick", "botspray", "imonmars", "imhaunted", "itstoodark",
                            "itsnewyear", "tronisback", "imstoned", "imsober"})
        rows << Flag(kPodSection, QString::fromLatin1(key), QStringLiteral("CS_") + QString::fromLatin1(key));
    rows << Number(kPodSection, QStringLiteral("maxweaponpickup"), QStringLiteral("CS_maxweaponpickup"),
                   QStringLiteral("0"))
         << timer("timer_sound", "CS_timer_sound", "1.0")
         << timer("timer_pickup", "CS_timer_pickup", "0.3")
         << timer("timer_grenade", "CS_timer_grenade", "0.5")
         << waypoints("nwpdir", NNBot, 6) << waypoints("wptfolder", PodBot, 7);
    return rows;
}

TStoreTable TCstrike::BotStoreRows() const
{
    using namespace ModStore;
    // A side, model or weapon that is no whole number reads as 0 and one out of range as the
    // nearest end, so every stored bot shows a side and a model.
    TStoreRow model = Slot(QStringLiteral("modele"), 1, QStringLiteral("0"), 0);
    model.Highest = [] { return int(ModelNames(QStringLiteral("0")).size()) - 1; };
    TStoreRow weapon = Slot(QStringLiteral("weapon"), 4, QStringLiteral("0"), 0);
    weapon.Highest = [] { return int(FavouriteWeapons().size()) - 1; };
    weapon.When = [this] { return IsBot(JoeBot); };
    return {model, Slot(QStringLiteral("team"), 3, QStringLiteral("0"), 0, 2), weapon};
}

int TCstrike::ModelIndex(const TBot& bot) const
{
    // The model is stored as its index in the side's list.
    const TModWindow* w = Form();
    bool ok = false;
    const int index = bot[1].trimmed().toInt(&ok);
    return w && w->botmodel && ok && index >= 0 && index < w->botmodel->count() ? index : -1;
}

QString TCstrike::PictureName(const TBot& bot) const
{
    return bot[3] + QLatin1Char('_') + QString::number(ModelIndex(bot));
}

void TCstrike::FillSideModels(const QString& side)
{
    TModWindow* w = Form();
    if (!w || !w->botmodel)
        return;
    const QSignalBlocker block(w->botmodel);
    w->botmodel->clear();
    w->botmodel->addItems(ModelNames(side));
}

void TCstrike::ShowBotRecord(const TBot& bot)
{
    TModLogic::ShowBotRecord(bot);
    TFCstrike* w = Win();
    if (w && IsBot(JoeBot) && w->CS_Bottype) {
        bool ok = false;
        const int index = bot[4].trimmed().toInt(&ok);
        const QSignalBlocker block(w->CS_Bottype);
        w->CS_Bottype->setCurrentIndex(ok && index >= 0 && index < w->CS_Bottype->count() ? index : -1);
    }
}

TBot TCstrike::NewBot(bool random)
{
    TBot bot;
    TModWindow* w = Form();
    if (!random || !w) {
        bot[0] = QStringLiteral("NewBot");
        for (int slot = 1; slot <= 4; ++slot)
            bot[slot] = QStringLiteral("0");
        return bot;
    }
    bot[0] = UQOR::PickRandomBotName(w->ListBot);
    bot[1] = QString::number(UQOR::RandomInRange(0, 4));
    bot[2] = QString::number(UQOR::RandomInRange(0, MaxSkill()));
    bot[3] = QString::number(UQOR::RandomInRange(0, 2));
    bot[4] = QString::number(UQOR::RandomInRange(0, 14));
    return bot;
}

// ---------------------------------------------------------------- botskill.cfg

QString TCstrike::BotSkillCfgPath() const
{
    // The bot's Linux build opens "Botskill.cfg": an existing file of either spelling is found,
    // a new one gets the capital.
    return FileSys::Resolve(FileSys::JoinPath(ModDir(), QStringLiteral("PODBot\\Botskill.cfg")));
}

void TCstrike::ReadBotSkillCfg()
{
    TFCstrike* w = Win();
    if (!w || !w->CS_Skills)
        return;
    const UInit::TLoadingGuard loading;
    LabelSkillGrid(w->CS_Skills);
    const QString path = BotSkillCfgPath();
    QStringList lines;
    if (FileSys::FileExists(path) && FileSys::ReadLines(path, lines)) {
        TSkillTable table;
        GridToTable(w->CS_Skills, table);
        ParseBotSkill(lines, table);
        TableToGrid(table, w->CS_Skills);
    }
}

bool TCstrike::WriteBotSkillCfg(QString& error)
{
    TFCstrike* w = Win();
    if (!w || !w->CS_Skills)
        return true;
    TSkillTable table;
    GridToTable(w->CS_Skills, table);
    if (IsEmpty(table))
        return true;
    const QString folder = FileSys::JoinPath(ModDir(), QStringLiteral("PODBot"));
    if (!FileSys::DirectoryExists(folder)) {
        error = QStringLiteral("Can't find ") + NativePath(folder) +
                QStringLiteral(": the P.O.D.Bot skill table was not saved.");
        return false;
    }
    // P.O.D.Bot reads a key without a value as 0: no reaction time, no turning. A half-filled
    // table is therefore not written; the user is told which cell still needs a value.
    for (int b = 0; b < SkillBandCount; ++b)
        for (int k = 0; k < SkillKeyCount; ++k)
            if (table[k][b].trimmed().isEmpty()) {
                error = QStringLiteral("The P.O.D.Bot skill table was not saved: \"") +
                        SkillRowLabels().at(k).trimmed() + QStringLiteral("\" for skills ") +
                        SkillBandHeadings().at(b).trimmed() +
                        QStringLiteral(" has no value. Fill every cell of the Skills page, or empty them all.");
                return false;
            }
    return ModWriters::WriteFile(BotSkillCfgPath(), FormatBotSkill(table), error);
}

// ---------------------------------------------------------------- unit routines

TCstrike& Logic()
{
    static TCstrike logic;
    return logic;
}

} // namespace UCstrike

void RegisterMod_cstrike() { RegisterModWindow<TFCstrike>(UCstrike::Logic(), FCstrike); }
