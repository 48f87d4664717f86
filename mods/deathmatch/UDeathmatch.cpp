// Half-Life Deathmatch's role routines: what the window loads, checks and saves for the selected
// bot program (the launch files are in UDeathmatch_Launch.cpp).
#include "mods/deathmatch/UDeathmatch.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/Jumbot.h"
#include "mods/common/ModCvars.h"
#include "mods/common/TeamPanel.h"
#include "mods/deathmatch/UFDeathmatch.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace UDeathmatch {

const QString ModKey = QStringLiteral("Deathmatch");

namespace {

const QString kDefault = QStringLiteral("Default");
const QString kGameCfg = QStringLiteral("game.cfg");
const QString kJumbotCfg = QStringLiteral("jumbot.cfg");
const QString kOrders = QStringLiteral("botorder.cfg");
const QString kMorons = QStringLiteral("morons.cfg");

// Typed, pasted or drawn at random, a name keeps to what the bot programs and the game read.
const QString kForbidden = QStringLiteral(" \"'*./<>?\\|;");

TFDeathmatch* Win()
{
    return qobject_cast<TFDeathmatch*>(Logic().Form());
}

using ModControls::NativePath;
using ModControls::SetSlider;

TModTraits DeathmatchTraits()
{
    TModTraits s;
    s.Key = ModKey;
    s.Prefix = QStringLiteral("DM");
    s.Title = QStringLiteral("HL Deathmatch");
    s.ShortName = QStringLiteral("HL-DM");
    s.PageControl = QStringLiteral("PC_Deathmatch");
    s.DefaultModel = QStringLiteral("gordon");
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QStringLiteral("gordon");
    s.ForbiddenNameChars = kForbidden;
    s.MapComFile = QStringLiteral("mapcom.ini");
    s.BotsFile = QStringLiteral("Bots\\HL_Bots.ini");
    s.Models = TModelSource::PlayerModels;
    s.WritesGameCfg = false;
    s.OutsideBotEditor = true;
    s.MapConfig = true;
    s.MapConfigMarks = true;
    s.MapConfigOpens = true;
    s.Profile.DeathmatchStockMaps = true;
    s.Profile.PreviewFollows = true;
    s.Profile.BotLibraryFolder = QStringLiteral("valve");
    s.Profile.LaunchGameDir = [] {
        const TIniFile ini(UInit::AppFile(QStringLiteral("Mods\\HL-DM.ini")));
        // An empty "game" stops the launch in the writers, before the command line is made.
        return ini.ReadString(UInit::SelectedBot, QStringLiteral("game"), QString()).trimmed();
    };
    // The host and every bot of the store take a player slot.
    s.Profile.LaunchMaxPlayers = [](QString& maxPlayers, QString& error) {
        const QString path = UInit::AppFile(QStringLiteral("Bots\\HL_Bots.ini"));
        const TIniFile ini(path);
        const QString stored = ini.ReadString(kDefault, QStringLiteral("spawnbot"), QStringLiteral("31"));
        bool ok = false;
        const int spawnbot = stored.trimmed().toInt(&ok, 10);
        if (!ok) {
            error = QStringLiteral("The number of bots \"") + stored + QStringLiteral("\" (spawnbot) in ") +
                    QDir::toNativeSeparators(path) + QStringLiteral(" is not a whole number.");
            return false;
        }
        maxPlayers = QString::number(qMin(qBound(0, spawnbot, TModLogic::MostBots()) + 1,
                                          ModWriters::MaxBotEntries));
        return true;
    };
    s.TemplateControls = {
        {.Name = "LabelDefSkill", .As = "Lab_bot_skill", .Caption = "Bot Default Skill"},
        {.Name = "Label13", .Caption = "Easy"},
        {.Name = "Label15", .Caption = "Hard"},
    };
    return s;
}

TBotSliderRow Trait(int slot, const char* key, const char* stem, const char* caption, const char* value)
{
    TBotSliderRow r;
    r.Slot = slot;
    r.Key = QString::fromLatin1(key);
    r.Control = QStringLiteral("DM_") + QString::fromLatin1(stem);
    r.Caption = QString::fromLatin1(caption);
    r.Page = TBotPage::Behaviours;
    r.ReadDefault = QStringLiteral("1");
    r.NewValue = QString::fromLatin1(value);
    return r;
}

TBotSliderRow Weapon(int slot, const char* key, const char* stem, const char* caption, const char* value)
{
    TBotSliderRow r = Trait(slot, key, stem, caption, value);
    r.Page = TBotPage::Weapons;
    return r;
}

} // namespace

const TBotSliderTable& SliderRows()
{
    static const TBotSliderTable rows = [] {
        // Parabot has no jump propensity nor reflexes.
        const auto notParabot = [] { return UInit::SelectedBot != QStringLiteral("Parabot"); };
        TBotSliderTable t{
            Trait(5, "JUMP", "jump", "Jump", "50"),
            Trait(6, "ACCURACY", "accuracy", "Accuracy", "88"),
            Trait(7, "AGGRESSION", "aggression", "Aggression", "45"),
            Trait(8, "PERCEPTION", "perception", "Perception", "55"),
            Trait(9, "REFLEXES", "reflexes", "Reflexes", "50"),
            Weapon(10, "CROWBAR", "crowbar", "Crowbar", "20"),
            Weapon(11, "GLOCK", "glock", "Glock", "5"),
            Weapon(12, "PYTHON", "python", "Python", "10"),
            Weapon(13, "MP5", "mp5", "MP5", "90"),
            Weapon(14, "SHOTGUN", "shotgun", "Shotgun", "80"),
            Weapon(15, "CROSSBOW", "crossbow", "Crossbow", "80"),
            Weapon(16, "RPG", "rpg", "RPG", "70"),
            Weapon(17, "GAUSS", "gauss", "Gauss", "65"),
            Weapon(18, "EGON", "egon", "Egon", "95"),
            Weapon(19, "HORNET", "hornet", "Hornet", "50"),
            Weapon(20, "GRENADE", "grenade", "Grenade", "20"),
            Weapon(21, "SNARK", "snark", "Snark", "10"),
            Weapon(22, "SATCHEL", "satchel", "Satchel", "7"),
            Weapon(23, "TRIPMINE", "tripmine", "Trip mine", "5"),
        };
        t[0].When = notParabot;
        t[4].When = notParabot;
        return t;
    }();
    return rows;
}

TDeathmatch::TDeathmatch() : TModLogic(DeathmatchTraits()) {}

bool TDeathmatch::IsBot(const char* name) const
{
    return UInit::SelectedBot == QLatin1String(name);
}

bool TDeathmatch::BotFolders(const TIniFile& mods, QString& botDir, QString& gameDir, QString& error)
{
    const QString bot = UInit::SelectedBot;
    const QString path = mods.ReadString(bot, QStringLiteral("path"), QString()).trimmed();
    const QString game = mods.ReadString(bot, QStringLiteral("game"), QString()).trimmed();
    botDir = path.isEmpty() ? QString() : FileSys::JoinPath(UInit::HLPath, path);
    gameDir = game.isEmpty() ? QString() : FileSys::JoinPath(UInit::HLPath, game);
    // Without them the files would land in the Half-Life folder itself and the game would start
    // with "-game" and no folder.
    for (const auto& [key, value] : {std::pair{QStringLiteral("game"), game}, std::pair{QStringLiteral("path"), path}})
        if (value.isEmpty()) {
            error = QStringLiteral("The bot \"") + bot + QStringLiteral("\" has no \"") + key +
                    QStringLiteral("\" folder in ") +
                    QDir::toNativeSeparators(UInit::AppFile(QStringLiteral("Mods\\HL-DM.ini"))) +
                    QStringLiteral(".");
            return false;
        }
    return true;
}

int TDeathmatch::SpawnBots(const TIniFile& store)
{
    return qBound(0, store.ReadInteger(kDefault, QStringLiteral("spawnbot"), 0), TModLogic::MostBots());
}

void TDeathmatch::ReadBotSection()
{
    TModLogic::ReadBotSection();
    const TIniFile mods(ModsIniPath());
    const QString s = UInit::SelectedBot;
    Path = mods.ReadString(s, QStringLiteral("path"), QString()).trimmed();
    Game = mods.ReadString(s, QStringLiteral("game"), QString()).trimmed();
    State.WaypointFolder = mods.ReadString(s, QStringLiteral("waypath"), QString());
    ConfigFolder = FileSys::JoinPath(UInit::HLPath, mods.ReadString(s, QStringLiteral("cfgpath"), QString()));
    State.ModMapsDir = UInit::ValveMapsDir;
    if (TModRow* row = Row())
        row->Dir = Path.isEmpty() ? QString() : FileSys::JoinPath(UInit::HLPath, Path);
}

QString TDeathmatch::WaypointFolderPath() const
{
    return FileSys::JoinPath(UInit::HLPath, State.WaypointFolder);
}

QString TDeathmatch::MapConfigFolder() const
{
    return ConfigFolder;
}

void TDeathmatch::LoadConf()
{
    TFDeathmatch* w = Win();
    if (!w)
        return;
    w->TeamPanel->PendingTeamList.clear();
    LoadDefaults();
    ReadBotsIni();
    // The map cycle is the program's own (AppPath\mapcycle.txt), copied into the game at launch.
    UQOR::ReadMapCycle(QStringLiteral("O"), UInit::AppPath, UInit::ValveMapsDir, w->MapCycle);
    ReadChatMemo();
    if (IsBot("Jumbot"))
        ReadJumbotCfg();
    w->TeamPanel->ApplyTeamList(w->TeamPanel->PendingTeamList);
    State.Modified = 0;
}

void TDeathmatch::LoadModDefaults()
{
    TFDeathmatch* w = Win();
    if (!w)
        return;
    TTeamPanel* teams = w->TeamPanel;
    {
        const QSignalBlocker block(teams->DeathMatch);
        teams->DeathMatch->setChecked(true);
    }
    teams->NumTeam->SetValue(2);
    for (QComboBox* team : std::as_const(teams->Teams)) {
        const QSignalBlocker block(team);
        team->setCurrentIndex(-1);
    }
    teams->ApplyGameType();
    ModControls::SetCheck(w->Control<QCheckBox>(QStringLiteral("DM_friendlyfire")), false);
    ModControls::SetCheck(w->Control<QCheckBox>(QStringLiteral("DM_weaponstay")), false);
    ModControls::SetCheck(w->Control<QCheckBox>(QStringLiteral("DM_forcerespawn")), false);
    ModControls::SetCheck(w->Control<QCheckBox>(QStringLiteral("DM_footsteps")), true);
    ModControls::SetCheck(w->Control<QCheckBox>(QStringLiteral("DM_flashlight")), true);
    ModControls::SetCheck(w->Control<QCheckBox>(QStringLiteral("DM_autocrosshair")), true);
    ModCvars::SetControlValue(w->DM_fallnorm, QStringLiteral("1"));
    ModCvars::SetControlValue(w->ControlWidget(QStringLiteral("DM_timelimit")), QStringLiteral("0"));
    ModCvars::SetControlValue(w->ControlWidget(QStringLiteral("DM_fraglimit")), QStringLiteral("0"));
    SetSlider(w->defskill, 1);
    ModControls::SetCheck(w->DM_bot_random, false);
    w->spawnbot->SetValue(4);
    w->DM_spawndelay->SetValue(4);
    SetSlider(w->chatfreq_kill, 0);
    SetSlider(w->Chatfreq_died, 0);
    ModControls::SetCheck(w->DM_botchat, false);
    Jumbot::ApplyDefaults(*w, QStringLiteral("DM"));
    for (QPlainTextEdit* memo : {w->DM_orders, w->DM_Moron}) {
        const QSignalBlocker block(memo);
        memo->clear();
    }
}

void TDeathmatch::ReadBotsIni()
{
    const bool stored = FileSys::FileExists(BotsIniPath());
    TModLogic::ReadBotsIni();
    // Without a store every game setting stays as the window's defaults put it (footsteps,
    // flashlight and crosshair on), not as the missing keys would read.
    if (!stored && Form()) {
        const UInit::TLoadingGuard loading;
        LoadModDefaults();
    }
}

void TDeathmatch::ClearBotFields()
{
    TModLogic::ClearBotFields();
    TFDeathmatch* w = Win();
    if (!w)
        return;
    w->DM_Botparam2->SetText(QString());
    w->DM_BotParam1->SetText(QString());
    SetSlider(w->Botskill, 1);
    if (w->BotTabs)
        w->BotTabs->Clear();
}

TStoreTable TDeathmatch::StoreRows() const
{
    using namespace ModStore;
    const QString g = kGameCfg;
    TStoreRow fall = Flag(g, QStringLiteral("mp_falldamage"), QStringLiteral("DM_fallreal"));
    // Only exactly "1" is the realistic fall damage.
    fall.ReadAs = [](const QString& v) { return v == QStringLiteral("1") ? v : QStringLiteral("0"); };
    TStoreRow reaction = Number(kDefault, QStringLiteral("reaction_time"), QStringLiteral("DM_Reaction_Time"),
                                QStringLiteral("0"), 0, 3);
    return {
        Number(g, QStringLiteral("mp_fraglimit"), QStringLiteral("DM_fraglimit"), QStringLiteral("0"), 0, 999),
        Number(g, QStringLiteral("mp_timelimit"), QStringLiteral("DM_timelimit"), QStringLiteral("0"), 0, 90),
        Flag(g, QStringLiteral("mp_teamplay"), QStringLiteral("DM_teamplay")),
        Flag(g, QStringLiteral("mp_friendlyfire"), QStringLiteral("DM_friendlyfire")),
        Flag(g, QStringLiteral("mp_weaponstay"), QStringLiteral("DM_weaponstay")),
        Flag(g, QStringLiteral("mp_forcerespawn"), QStringLiteral("DM_forcerespawn")),
        Flag(g, QStringLiteral("mp_footsteps"), QStringLiteral("DM_footsteps")),
        Flag(g, QStringLiteral("mp_flashlight"), QStringLiteral("DM_flashlight")),
        Flag(g, QStringLiteral("mp_autocrosshair"), QStringLiteral("DM_autocrosshair")),
        fall,
        Number(kDefault, QStringLiteral("spawndelay"), QStringLiteral("DM_spawndelay"), QStringLiteral("2"), 1, 30),
        Flag(kDefault, QStringLiteral("bot_random"), QStringLiteral("DM_bot_random")),
        Number(kDefault, SkillKey(), QStringLiteral("DM_defskill"), QStringLiteral("1"), 1, MaxSkill()),
        Number(kDefault, QStringLiteral("spawnbot"), QStringLiteral("DM_spawnbot"), QStringLiteral("2"), 1, 31),
        reaction,
        Flag(kDefault, QStringLiteral("random_color"), QStringLiteral("DM_random_color")),
        Flag(kDefault, QStringLiteral("RestrictedWeaponMode"), QStringLiteral("DM_RestrictedWeaponMode")),
        Flag(kDefault, QStringLiteral("AlwaysRespond"), QStringLiteral("DM_AlwaysRespond")),
        Flag(kDefault, QStringLiteral("BotChat"), QStringLiteral("DM_botchat")),
    };
}

TStoreTable TDeathmatch::BotStoreRows() const
{
    TStoreTable rows{ModStore::Slot(QStringLiteral("param1"), 3, QStringLiteral("0"), 0, 255),
                     ModStore::Slot(QStringLiteral("param2"), 4, QStringLiteral("0"), 0, 255)};
    rows << BotProperties::StoreRows(SliderRows());
    return rows;
}

void TDeathmatch::ReadDefaultSection(const TIniFile& store)
{
    TModLogic::ReadDefaultSection(store);
    TFDeathmatch* w = Win();
    if (!w)
        return;
    w->TeamPanel->PendingTeamList = store.ReadString(kGameCfg, QStringLiteral("mp_teamlist"), QString());
    if (!w->TeamPanel->IsTeamplay()) {
        const QSignalBlocker block(w->TeamPanel->DeathMatch);
        w->TeamPanel->DeathMatch->setChecked(true);
    }
    w->TeamPanel->ApplyGameType();
    if (!w->DM_fallreal->isChecked())
        ModCvars::SetControlValue(w->DM_fallnorm, QStringLiteral("1"));
}

bool TDeathmatch::WriteDefaultSection(TIniFile& store)
{
    TFDeathmatch* w = Win();
    if (!w)
        return true;
    return store.WriteString(kGameCfg, QStringLiteral("mp_teamlist"), w->TeamPanel->TeamList()) &&
           TModLogic::WriteDefaultSection(store);
}

void TDeathmatch::ShowBotRecord(const TBot& bot)
{
    TModLogic::ShowBotRecord(bot);
    TFDeathmatch* w = Win();
    if (!w)
        return;
    if (w->GB_BotProp)
        w->GB_BotProp->show();
    w->DM_Botparam2->SetText(bot[4]);
    w->DM_BotParam1->SetText(bot[3]);
    if (w->BotTabs)
        w->BotTabs->ShowRecord(bot);
}

TBot TDeathmatch::NewBot(bool random)
{
    TBot bot = TModLogic::NewBot(random);
    TFDeathmatch* w = Win();
    if (random) {
        // A name drawn from bot_names.txt keeps to the same rule as a typed one.
        QString name = bot[0];
        for (const QChar c : kForbidden)
            name.remove(c);
        bot[0] = name.left(31).isEmpty() ? QStringLiteral("NewBot") : name.left(31);
        bot[2] = QString::number(UQOR::RandomInRange(0, MaxSkill()));
        bot[3] = QString::number(UQOR::RandomInRange(0, 255));
        bot[4] = QString::number(UQOR::RandomInRange(0, 255));
    } else {
        bot[3] = QStringLiteral("10");
        bot[4] = QStringLiteral("10");
    }
    if (w && w->BotTabs)
        w->BotTabs->FillNew(bot, random);
    else
        for (const TBotSliderRow& r : SliderRows())
            bot[r.Slot] = r.NewValue;
    State.Modified = 1;
    return bot;
}

bool TDeathmatch::CheckConf()
{
    const TIniFile mods(ModsIniPath());
    QString botDir, gameDir, error;
    if (!BotFolders(mods, botDir, gameDir, error)) {
        Dialogs::ShowError(error, Form());
        return false;
    }
    return TModLogic::CheckConf();
}

bool TDeathmatch::SaveConf()
{
    TFDeathmatch* w = Win();
    if (!w)
        return false;
    QString error;
    {
        const TIniFile mods(ModsIniPath());
        QString botDir, gameDir;
        if (!BotFolders(mods, botDir, gameDir, error)) {
            ReportSaveError(error);
            return false;
        }
    }
    if (!WriteBotsIni(error)) {
        ReportSaveError(error);
        return false;
    }
    if (!UQOR::WriteMapCycle(QStringLiteral("O"), UInit::AppPath, w->MapCycle, &error)) {
        ReportSaveError(error.isEmpty() ? QStringLiteral("Can't write ") +
                                              NativePath(UInit::AppFile(QStringLiteral("mapcycle.txt")))
                                        : error);
        return false;
    }
    if (!WriteChatMemo(error) || (IsBot("Jumbot") && !WriteJumbotCfg(error))) {
        ReportSaveError(error);
        return false;
    }
    State.Modified = 0;
    return true;
}

void TDeathmatch::ReadJumbotCfg()
{
    TFDeathmatch* w = Win();
    if (!w)
        return;
    const UInit::TLoadingGuard loading;
    // Read where the window writes it: the bot's own folder.
    const QString dir = ModDir();
    if (!Jumbot::ReadFile(*w, QStringLiteral("DM"), FileSys::JoinPath(dir, kJumbotCfg)))
        Dialogs::ShowError(QStringLiteral("Can't find jumbot.cfg in ") + NativePath(dir) +
                               QStringLiteral(" . All params are set to default."),
                           w);
    for (const auto& [memo, file] : {std::pair{w->DM_orders, kOrders}, std::pair{w->DM_Moron, kMorons}}) {
        const QSignalBlocker block(memo);
        UQOR::AccessMemoFile(QStringLiteral("Read"), memo, dir + QLatin1Char('\\'), file);
    }
}

bool TDeathmatch::WriteJumbotCfg(QString& error)
{
    TFDeathmatch* w = Win();
    if (!w)
        return true;
    const QString dir = ModDir();
    const QString first = w->MapCycle->count() > 0 ? w->MapCycle->item(0)->text() : QString();
    if (!ModWriters::WriteFile(FileSys::JoinPath(dir, kJumbotCfg),
                               Jumbot::FileLines(*w, QStringLiteral("DM"), first), error))
        return false;
    for (const auto& [memo, file] : {std::pair{w->DM_orders, kOrders}, std::pair{w->DM_Moron, kMorons}}) {
        // An empty memo of a file that is not there yet creates nothing.
        if (memo->document()->isEmpty() && !FileSys::FileExists(FileSys::JoinPath(dir, file)))
            continue;
        QString why;
        if (!UQOR::AccessMemoFile(QStringLiteral("Write"), memo, dir + QLatin1Char('\\'), file, &why)) {
            error = QStringLiteral("Can't write ") + NativePath(FileSys::JoinPath(dir, file)) +
                    (why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why);
            return false;
        }
    }
    return true;
}

TDeathmatch& Logic()
{
    static TDeathmatch logic;
    return logic;
}

} // namespace UDeathmatch

void RegisterMod_deathmatch() { RegisterModWindow<TFDeathmatch>(UDeathmatch::Logic(), FDeathmatch); }
