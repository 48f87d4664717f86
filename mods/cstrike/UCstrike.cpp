// Counter-Strike's role routines: what the window loads, checks and saves for the selected bot
// program (the launch files are in UCstrike_Launch.cpp).
#include "mods/cstrike/UCstrike.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "ui/NumberEdit.h"
#include "mods/cstrike/UFCstrike.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableWidget>

namespace UCstrike {

namespace {

const QString kDefault = QStringLiteral("Default");
const QString kPlBotSection = QStringLiteral("PlBot");
const QString kPodSection = QStringLiteral("PODBot");

TModTraits CstrikeTraits()
{
    TModTraits s;
    s.Key = ModKey;
    s.Prefix = QStringLiteral("CS");
    s.Title = QStringLiteral("Counter Strike");
    s.ShortName = QStringLiteral("CStrike");
    s.PageControl = QStringLiteral("PC_Cstrike");
    s.DefaultModel = QStringLiteral("0");
    s.DefaultSkill = QStringLiteral("0");
    s.ModeleDefault = QStringLiteral("0");
    s.DefaultDll = QStringLiteral("mp.dll");
    s.ForbiddenNameChars = QStringLiteral(" \";");   // ";" would end the add command
    s.ChatKeys = false;          // the chat rate is read with the mod's own keys
    s.AkimbotSliders = false;
    s.Models = TModelSource::ModFills;   // the models are per side, filled when a bot is shown
    s.Profile.ModelStorage = TModelStorage::Index;
    s.Profile.PictureFolder = QStringLiteral("cs\\");
    s.Profile.SidePictures = true;
    // "optwaypt" marks a map; a map without its "waypt" file is not offered at all.
    s.WaypointKey = QStringLiteral("optwaypt");
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.OutsideBotEditor = true;
    s.MapConfig = true;
    s.MapConfigMarks = true;
    s.MapConfigOpens = true;
    s.ExecBind = true;
    s.ChatChooserFolder = QStringLiteral("plbot\\");
    return s;
}

TFCstrike* Win()
{
    return qobject_cast<TFCstrike*>(Logic().Form());
}

using ModControls::NativePath;
using ModControls::SetCheck;
using ModControls::SetSlider;

void SetNumber(TNumberEdit* n, int value)
{
    if (n)
        n->SetValue(qBound(n->Minimum(), value, n->Maximum()));
}

void SelectText(QComboBox* c, const QString& text)
{
    if (!c)
        return;
    const QSignalBlocker block(c);
    c->setCurrentIndex(text.isEmpty() ? -1 : c->findText(text, Qt::MatchExactly));
}

// A P.O.D.Bot timer is a number of seconds; an empty or unreadable one ("", ".") would reach
// the bot as a command without a value, so it stands for the bot's own timing instead.
QString TimerOrDefault(const QString& text, const char* fallback)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok ? text : QString::fromLatin1(fallback);
}

QString Bool01(const QCheckBox* c)
{
    QString out;
    UInit::BoolTo01(c && c->isChecked(), out);
    return out;
}

// The skill-table cells that hold values (not the headings nor the row labels).
QTableWidgetItem* Cell(QTableWidget* grid, int row, int column)
{
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    return item;
}

} // namespace

// ---------------------------------------------------------------- skill grid

void LabelSkillGrid(QTableWidget* grid)
{
    if (!grid)
        return;
    const QSignalBlocker block(grid);
    grid->setRowCount(SkillKeyCount + 1);
    grid->setColumnCount(SkillBandCount + 1);
    auto fixed = [grid](int row, int column, const QString& text) {
        QTableWidgetItem* item = Cell(grid, row, column);
        item->setText(text);
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(grid->palette().button());
    };
    fixed(0, 0, QString());
    for (int b = 0; b < SkillBandCount; ++b)
        fixed(0, b + 1, SkillBandHeadings().at(b));
    for (int k = 0; k < SkillKeyCount; ++k) {
        fixed(k + 1, 0, SkillRowLabels().at(k));
        for (int b = 0; b < SkillBandCount; ++b)
            Cell(grid, k + 1, b + 1)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                               Qt::ItemIsEditable);
    }
}

void GridToTable(const QTableWidget* grid, TSkillTable& table)
{
    if (!grid)
        return;
    for (int k = 0; k < SkillKeyCount; ++k)
        for (int b = 0; b < SkillBandCount; ++b) {
            const QTableWidgetItem* item = grid->item(k + 1, b + 1);
            table[k][b] = item ? item->text() : QString();
        }
}

void TableToGrid(const TSkillTable& table, QTableWidget* grid)
{
    if (!grid)
        return;
    const QSignalBlocker block(grid);
    for (int k = 0; k < SkillKeyCount; ++k)
        for (int b = 0; b < SkillBandCount; ++b)
            Cell(grid, k + 1, b + 1)->setText(table[k][b]);
}

// ---------------------------------------------------------------- the logic object

TCstrike::TCstrike() : TModLogic(CstrikeTraits()) {}

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
    using namespace ModCvars;
    return {
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("CS_timelimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_roundtime"), QStringLiteral("CS_RoundTime"), QStringLiteral("5")),
        Number(QStringLiteral("mp_freezetime"), QStringLiteral("CS_FreezeTime"), QStringLiteral("1")),
        Number(QStringLiteral("mp_maxrounds"), QStringLiteral("CS_maxrounds"), QStringLiteral("0")),
        Number(QStringLiteral("mp_winlimit"), QStringLiteral("CS_winlimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_hostagepenalty"), QStringLiteral("CS_hostagepenalty"), QStringLiteral("0")),
        Number(QStringLiteral("mp_c4timer"), QStringLiteral("CS_C4timer"), QStringLiteral("35")),
        Number(QStringLiteral("mp_limitteams"), QStringLiteral("CS_limitteams"), QStringLiteral("2")),
        // The start money gets its 800 when the window is made; Restore Default leaves it.
        Number(QStringLiteral("mp_startmoney"), QStringLiteral("CS_startmoney")),
        Fixed(QStringLiteral("mp_autokick"), QStringLiteral("1")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("CS_friendlyfire"), QStringLiteral("0")),
        Fixed(QStringLiteral("mp_chasecam"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("CS_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_flashlight"), QStringLiteral("CS_flashlight"), QStringLiteral("1")),
        Check(QStringLiteral("mp_friendly_grenade_damage"), QStringLiteral("CS_grenade"), QStringLiteral("0")),
        Check(QStringLiteral("mp_autoteambalance"), QStringLiteral("CS_balance"), QStringLiteral("1")),
    };
}

QString TCstrike::WaypointFolderPath() const
{
    return FileSys::JoinPath(WaypointRoot(), State.WaypointFolder);
}

void TCstrike::FillModelChooser()
{
    // The models belong to a side: ShowBot fills them for the bot's side.
}

void TCstrike::FillModelList(const QString& team)
{
    TModWindow* w = Form();
    if (!w || !w->botmodel)
        return;
    const QSignalBlocker block(w->botmodel);
    w->botmodel->clear();
    w->botmodel->addItems(ModelNames(team));
}

void TCstrike::LoadDefaults()
{
    TFCstrike* w = Win();
    if (!w)
        return;
    UInit::LoadingDone = 0;
    // The waypoint folder comes first: the map list is built from it.
    const TIniFile store(BotsIniPath());
    if (IsBot(NNBot)) {
        QString folder = store.ReadString(kDefault, QStringLiteral("nwpdir"), QStringLiteral("nwps"));
        if (folder.trimmed().isEmpty() ||
            !FileSys::DirectoryExists(FileSys::JoinPath(UInit::HLPath, QStringLiteral("nnbot\\") + folder)))
            folder = QStringLiteral("nwps");
        State.WaypointFolder = QStringLiteral("nnbot\\") + folder;
    } else if (IsBot(PodBot)) {
        QString folder = store.ReadString(kDefault, QStringLiteral("WptFolder"), QStringLiteral("wptcs10"));
        if (folder.trimmed().isEmpty() ||
            !FileSys::DirectoryExists(FileSys::JoinPath(ModDir(), QStringLiteral("PodBot\\") + folder)))
            folder.clear();
        State.WaypointFolder = QStringLiteral("PodBot\\") + folder;
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
    TFCstrike* w = Win();
    if (!w)
        return;
    auto flag = [&](const char* key, const char* def) {
        return UInit::TextToBool(store.ReadString(kDefault, QString::fromLatin1(key), QString::fromLatin1(def)));
    };
    auto number = [&](const QString& section, const char* key, int def) {
        return store.ReadInteger(section, QString::fromLatin1(key), def);
    };

    SetCheck(w->CS_botchat, flag("botchat", "0"));
    SetCheck(w->CS_knifeonly, flag("knifeonly", "0"));
    SetCheck(w->CS_pistolonly, flag("pistolonly", "0"));
    SetCheck(w->CS_subonly, flag("subonly", "0"));
    SetCheck(w->CS_Snipeonly, flag("Snipeonly", "0"));
    SetCheck(w->CS_usesmoke, flag("usesmoke", "0"));
    SelectText(w->CS_botmenu, store.ReadString(kDefault, QStringLiteral("botmenu"), QString()));
    SelectText(w->CS_ExecKey, store.ReadString(kDefault, QStringLiteral("ExecKey"), QString()));
    SetSlider(w->CS_minskill, number(kDefault, "minskill", 1));
    KeepSkillsInStep();
    SetCheck(w->CS_autoskill, flag("autoskill", "0"));
    SetSlider(w->CS_chatfreq, number(kDefault, "Chatfreq", 10));
    SetNumber(w->CS_bot_control, number(kDefault, "bot_control", 3));
    SetCheck(w->CS_detailnames, flag("detailnames", "0"));
    if (IsBot(JoeBot))
        SetSlider(w->CS_chatfreq, number(kDefault, "Chatleet", 10));
    SetCheck(w->CS_allowlaserdot, flag("allowlaserdot", "0"));
    SetCheck(w->CS_botuselaserdot, flag("botuselaserdot", "0"));
    SetNumber(w->CS_bot_group, number(kDefault, "bot_group", 1));
    SetCheck(w->PLBot_nav, flag("plbot_nav", "1"));

    SetNumber(w->PL_maxway, number(kPlBotSection, "maxway", 100));
    SetNumber(w->PL_Bheight, number(kPlBotSection, "bheight", 100));
    SetNumber(w->PL_minway, number(kPlBotSection, "minway", 25));
    SetNumber(w->PL_spre, number(kPlBotSection, "spre", 10));
    SetNumber(w->PL_unstuck, number(kPlBotSection, "unstuck", 75));
    SetNumber(w->PL_bangle, number(kPlBotSection, "bangle", 0));
    SetNumber(w->PL_bsenss, number(kPlBotSection, "bsenss", 25));
    SetNumber(w->PL_bsensf, number(kPlBotSection, "bsensf", 25));
    SetNumber(w->PL_blevel, number(kPlBotSection, "blevel", 0));

    const struct {
        QCheckBox* Box;
        const char* Key;
    } pod[] = {
        {w->CS_inhumanturns, "inhumanturns"}, {w->CS_collectexperience, "collectexperience"},
        {w->CS_shootthruwalls, "shootthruwalls"}, {w->CS_usespeech, "usespeech"},
        {w->CS_botvotekick, "botvotekick"}, {w->CS_botspray, "botspray"},
        {w->CS_imonmars, "imonmars"}, {w->CS_imhaunted, "imhaunted"},
        {w->CS_itstoodark, "itstoodark"}, {w->CS_itsnewyear, "itsnewyear"},
        {w->CS_tronisback, "tronisback"}, {w->CS_imstoned, "imstoned"},
        {w->CS_imsober, "imsober"},
    };
    for (const auto& p : pod)
        SetCheck(p.Box, UInit::TextToBool(store.ReadString(kPodSection, QString::fromLatin1(p.Key),
                                                           QStringLiteral("0"))));
    SetNumber(w->CS_maxweaponpickup, number(kPodSection, "maxweaponpickup", 0));
    const struct {
        QLineEdit* Edit;
        const char* Key;
        const char* Def;
    } timers[] = {
        {w->CS_timer_sound, "timer_sound", "1.0"},
        {w->CS_timer_pickup, "timer_pickup", "0.3"},
        {w->CS_timer_grenade, "timer_grenade", "0.5"},
    };
    for (const auto& t : timers) {
        if (!t.Edit)
            continue;
        const QSignalBlocker block(t.Edit);
        t.Edit->setText(TimerOrDefault(store.ReadString(kPodSection, QString::fromLatin1(t.Key),
                                                        QString::fromLatin1(t.Def)).left(3),
                                       t.Def));
    }
}

namespace {

// A stored index that is no whole number reads as 0, one outside 0..highest as the nearest
// end; a good one keeps its text. The choosers then always have an entry to show.
QString IndexInRange(const QString& text, int highest)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        return QStringLiteral("0");
    if (v < 0 || v > highest)
        return QString::number(qBound(0, v, highest));
    return text;
}

} // namespace

void TCstrike::ReadBotRecord(const TIniFile& store, const QString& section, TBot& bot)
{
    bot[1] = IndexInRange(bot[1], int(ModelNames(QStringLiteral("0")).size()) - 1);
    bot[3] = IndexInRange(store.ReadString(section, QStringLiteral("team"), QStringLiteral("0")), 2);
    if (IsBot(JoeBot))
        bot[4] = IndexInRange(store.ReadString(section, QStringLiteral("weapon"), QStringLiteral("0")),
                              int(FavouriteWeapons().size()) - 1);
}

bool TCstrike::WriteDefaultSection(TIniFile& store)
{
    TFCstrike* w = Win();
    if (!w)
        return false;
    bool ok = true;
    auto put = [&](const QString& section, const char* key, const QString& value) {
        ok = ok && store.WriteString(section, QString::fromLatin1(key), value);
    };
    auto num = [](const TNumberEdit* n, int def) {
        return QString::number(n ? n->ClampedValue(def) : def);
    };
    auto slider = [](const QSlider* s, int def) { return QString::number(s ? s->value() : def); };

    put(kDefault, "minskill", slider(w->CS_minskill, 1));
    put(kDefault, "autoskill", Bool01(w->CS_autoskill));
    put(kDefault, "botchat", Bool01(w->CS_botchat));
    put(kDefault, "knifeonly", Bool01(w->CS_knifeonly));
    put(kDefault, "pistolonly", Bool01(w->CS_pistolonly));
    put(kDefault, "Snipeonly", Bool01(w->CS_Snipeonly));
    put(kDefault, "subonly", Bool01(w->CS_subonly));
    put(kDefault, "usesmoke", Bool01(w->CS_usesmoke));
    put(kDefault, "botmenu", w->CS_botmenu ? w->CS_botmenu->currentText() : QString());
    put(kDefault, "ExecKey", w->CS_ExecKey ? w->CS_ExecKey->currentText() : QString());
    put(kDefault, "bot_control", num(w->CS_bot_control, 3));
    put(kDefault, "chatfreq", slider(w->CS_chatfreq, 10));
    put(kDefault, "detailnames", Bool01(w->CS_detailnames));
    if (IsBot(JoeBot))
        put(kDefault, "chatleet", slider(w->CS_chatfreq, 10));
    put(kDefault, "allowlaserdot", Bool01(w->CS_allowlaserdot));
    put(kDefault, "botuselaserdot", Bool01(w->CS_botuselaserdot));
    put(kDefault, "bot_group", num(w->CS_bot_group, 1));

    put(kPlBotSection, "maxway", num(w->PL_maxway, 100));
    put(kPlBotSection, "bheight", num(w->PL_Bheight, 100));
    put(kPlBotSection, "minway", num(w->PL_minway, 25));
    put(kPlBotSection, "spre", num(w->PL_spre, 10));
    put(kPlBotSection, "unstuck", num(w->PL_unstuck, 75));
    put(kPlBotSection, "bangle", num(w->PL_bangle, 0));
    put(kPlBotSection, "bsenss", num(w->PL_bsenss, 25));
    put(kPlBotSection, "bsensf", num(w->PL_bsensf, 25));
    put(kPlBotSection, "blevel", num(w->PL_blevel, 0));
    put(kDefault, "plbot_nav", Bool01(w->PLBot_nav));

    put(kPodSection, "inhumanturns", Bool01(w->CS_inhumanturns));
    put(kPodSection, "collectexperience", Bool01(w->CS_collectexperience));
    put(kPodSection, "shootthruwalls", Bool01(w->CS_shootthruwalls));
    put(kPodSection, "usespeech", Bool01(w->CS_usespeech));
    put(kPodSection, "botvotekick", Bool01(w->CS_botvotekick));
    put(kPodSection, "botspray", Bool01(w->CS_botspray));
    put(kPodSection, "imonmars", Bool01(w->CS_imonmars));
    put(kPodSection, "imhaunted", Bool01(w->CS_imhaunted));
    put(kPodSection, "itstoodark", Bool01(w->CS_itstoodark));
    put(kPodSection, "itsnewyear", Bool01(w->CS_itsnewyear));
    put(kPodSection, "tronisback", Bool01(w->CS_tronisback));
    put(kPodSection, "imstoned", Bool01(w->CS_imstoned));
    put(kPodSection, "imsober", Bool01(w->CS_imsober));
    put(kPodSection, "maxweaponpickup", num(w->CS_maxweaponpickup, 0));
    put(kPodSection, "timer_sound", TimerOrDefault(w->CS_timer_sound ? w->CS_timer_sound->text() : QString(), "1.0"));
    put(kPodSection, "timer_pickup", TimerOrDefault(w->CS_timer_pickup ? w->CS_timer_pickup->text() : QString(), "0.3"));
    put(kPodSection, "timer_grenade", TimerOrDefault(w->CS_timer_grenade ? w->CS_timer_grenade->text() : QString(), "0.5"));

    // The waypoint folder is kept relative to the bot program's own folder.
    if (IsBot(NNBot))
        put(kDefault, "nwpdir", State.WaypointFolder.mid(6));
    if (IsBot(PodBot))
        put(kDefault, "wptfolder", State.WaypointFolder.mid(7));
    return ok;
}

bool TCstrike::WriteBotRecord(TIniFile& store, const QString& section, const TBot& bot)
{
    bool ok = store.WriteString(section, QStringLiteral("team"), bot[3]);
    if (ok && IsBot(JoeBot))
        ok = store.WriteString(section, QStringLiteral("weapon"), bot[4]);
    return ok;
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
    FillModelList(side);
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
        bot[1] = QStringLiteral("0");
        bot[2] = QStringLiteral("0");
        bot[3] = QStringLiteral("0");
        bot[4] = QStringLiteral("0");
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
    UInit::LoadingDone = 0;
    LabelSkillGrid(w->CS_Skills);
    const QString path = BotSkillCfgPath();
    QStringList lines;
    if (FileSys::FileExists(path) && FileSys::ReadLines(path, lines)) {
        TSkillTable table;
        GridToTable(w->CS_Skills, table);
        ParseBotSkill(lines, table);
        TableToGrid(table, w->CS_Skills);
    }
    UInit::LoadingDone = 1;
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

void Register()
{
    RegisterModWindow<TFCstrike>(Logic(), FCstrike);
}

} // namespace UCstrike

void RegisterMod_cstrike() { UCstrike::Register(); }
