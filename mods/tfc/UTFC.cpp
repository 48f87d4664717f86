// Team Fortress Classic's role routines and launch files.
#include "mods/tfc/UTFC.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "core/UQOR_Settings.h"
#include "mods/common/HpbBot.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "mods/common/OddBot.h"
#include "mods/tfc/UFTFC.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSlider>

namespace UTFC {

const QString Abot = QStringLiteral("Abot");
const QString Akimbot = QStringLiteral("Akimbot");
const QString FoxBot = QStringLiteral("FoxBot");
const QString HpbBot = QStringLiteral("HPB Bot");

namespace {

const QString kDefault = QStringLiteral("Default");

TModTraits TfcTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("TFC");
    s.Prefix = QStringLiteral("TF");
    s.Title = QStringLiteral("Team Fortress Classic");
    s.ShortName = QStringLiteral("TFC");
    s.PageControl = QStringLiteral("PC_TFC");
    s.DefaultModel = QStringLiteral("10");   // "<Random Class>"
    s.DefaultSkill = QStringLiteral("0");
    s.ModeleDefault = QStringLiteral("1");
    s.DefaultDll = QStringLiteral("mp.dll");
    s.PauseLine = QStringLiteral("pause 2");
    // Each bot program's lines are the mod's own (BotFileHeader / BotFileTrailer).
    s.AkimbotLines = false;
    s.Models = TModelSource::ClassList;
    s.ClassNames = ClassNames();
    s.Profile.PictureFolder = QStringLiteral("tfc\\");
    s.Profile.SidePictures = true;
    // "optwaypt" marks a map; "waypt", where a bot section sets it, hides maps without one.
    s.WaypointKey = QStringLiteral("optwaypt");
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.OutsideBotEditor = true;
    s.MapConfig = true;
    s.MapConfigMarks = true;
    s.MapConfigOpens = true;
    s.TemplateControls = {
        {.Name = "SpeedButton1", .As = "TF_AddMap"},
        {.Name = "SpeedButton2", .As = "TF_AddAllMaps"},
        {.Name = "SpeedButton3", .As = "TF_DelMap"},
        {.Name = "SpeedButton4", .As = "TF_DelAllMaps"},
        {.Name = "SpeedButton13", .As = "TF_NextModel"},
        {.Name = "SpeedButton14", .As = "TF_PrevModel"},
        {.Name = "Label13", .As = "Label2"},
        {.Name = "Label14", .As = "Label3"},
        {.Name = "Label15", .As = "Label4"},
        {.Name = "GB_BotList", .As = "GroupBox16"},
        {.Name = "B_BotEditor", .Caption = "Open Teambot Control Centre"},
        {.Name = "LabelModel", .Caption = "Class"},
        {.Name = "ChatNote", .As = "Label75"},
    };
    return s;
}

TFTFC* Win()
{
    return qobject_cast<TFTFC*>(Logic().Form());
}

QString StoreNumber(const TIniFile& store, const char* key, const char* def)
{
    // A hand-edited store must not hand the bot program a setting without a number.
    return ModWriters::NumberOr(store.ReadString(kDefault, QString::fromLatin1(key), QString::fromLatin1(def)),
                                QString::fromLatin1(def));
}

} // namespace

const QStringList& ClassNames()
{
    static const QStringList names{
        QStringLiteral("Scout"),        QStringLiteral("Sniper"), QStringLiteral("Soldier"),
        QStringLiteral("Demoman"),      QStringLiteral("Medic"),  QStringLiteral("Heavy Weapon"),
        QStringLiteral("Pyro"),         QStringLiteral("Spy"),    QStringLiteral("Engineer"),
        QStringLiteral("<Random Class>")};
    return names;
}

const QVector<TTeamplayRule>& TeamplayRules()
{
    static const QVector<TTeamplayRule> rules{
        {QStringLiteral("Teamplay_2"), QStringLiteral("TeamPlay_2"), 2},
        {QStringLiteral("Teamplay_8"), QStringLiteral("TeamPlay_8"), 8},
        {QStringLiteral("Teamplay_128"), QStringLiteral("TeamPlay_128"), 128},
        {QStringLiteral("Teamplay_512"), QStringLiteral("TeamPlay_512"), 512},
    };
    return rules;
}

int TeamplayChoice(const QString& stored)
{
    bool ok = false;
    const int v = stored.trimmed().toInt(&ok);
    return ok && v >= 0 && v <= 2 ? v : 0;
}

TTFC::TTFC() : TModLogic(TfcTraits()) {}

void TTFC::ReadBotSection()
{
    TModLogic::ReadBotSection();
    m_cfgPath = TIniFile(ModsIniPath()).ReadString(UInit::SelectedBot, QStringLiteral("cfgpath"), QString());
}

QString TTFC::MapConfigFolder() const
{
    // The bot program's own folder of map settings, below the Half-Life folder; else the maps'.
    if (!m_cfgPath.isEmpty())
        return FileSys::JoinPath(UInit::HLPath, m_cfgPath);
    return FileSys::JoinPath(ModDir(), QStringLiteral("maps"));
}

void TTFC::ReadGameCfg()
{
    // The rules live in QOR.ini: game.cfg only carries their sum, which is never read back.
    if (TFTFC* w = Win()) {
        for (const TTeamplayRule& rule : TeamplayRules()) {
            QString stored;
            UQOR::AccessModSetting(rule.Key, QString(), QStringLiteral("Read"), stored);
            ModCvars::SetControlValue(w->ControlWidget(rule.Combo), QString::number(TeamplayChoice(stored)));
        }
    }
    TModLogic::ReadGameCfg();
}

bool TTFC::WriteGameCfg(QString& error)
{
    TFTFC* w = Win();
    if (!w)
        return false;
    for (const TTeamplayRule& rule : TeamplayRules()) {
        QString why;
        if (!UQOR::AccessModSetting(rule.Key, ModCvars::ControlValue(w->ControlWidget(rule.Combo)),
                                    QStringLiteral("Write"), why)) {
            error = QStringLiteral("Can't write ") +
                    ModControls::NativePath(UInit::AppFile(QStringLiteral("QOR.ini"))) +
                    (why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why);
            return false;
        }
    }
    if (!TModLogic::WriteGameCfg(error))
        return false;
    if (UInit::SelectedBot != Abot)
        return true;
    return ModWriters::WriteFile(FileSys::JoinPath(ModDir(), QStringLiteral("settings.bot")), AbotSettingsLines(),
                                 error);
}

QStringList TTFC::AbotSettingsLines() const
{
    const TFTFC* w = Win();
    if (!w)
        return {};
    auto onOff = [](const QCheckBox* dont) { return dont && dont->isChecked() ? QStringLiteral("off") : QStringLiteral("on"); };
    return {QStringLiteral("bots shoot-") + onOff(w->TF_Botshoot),
            QStringLiteral("bots target-") + onOff(w->TF_Bottarget),
            QStringLiteral("bots skill-") + QString::number(w->defskill ? w->defskill->value() : 0),
            QStringLiteral("bots chat-") + QString::number(w->Chatfreq ? w->Chatfreq->value() : 10),
            QStringLiteral("bots addfrom-default"),
            QStringLiteral("end")};
}

TCvarTable TTFC::Cvars() const
{
    using namespace ModCvars;
    TCvarRow teamplay;
    teamplay.Cvar = QStringLiteral("mp_teamplay");
    teamplay.Read = TCvarRead::None;
    teamplay.Written = TCvarWrite::Own;
    teamplay.WriteRule = [](const TModWindow& w) {
        int sum = 1;
        for (const TTeamplayRule& rule : TeamplayRules()) {
            const auto* c = qobject_cast<const QComboBox*>(w.ControlWidget(rule.Combo));
            sum += rule.Bit * qMax(0, c ? c->currentIndex() : 0);
        }
        return QString::number(sum);
    };
    teamplay.DefaultRule = [](TModWindow& w) {
        for (const TTeamplayRule& rule : TeamplayRules())
            SetControlValue(w.ControlWidget(rule.Combo), QStringLiteral("0"));
    };
    TCvarRow bottarget = Check(QStringLiteral("bottarget"), QStringLiteral("TF_Bottarget"), QStringLiteral("0"));
    bottarget.When = [](const TModWindow&) { return false; };   // read, never written
    return {
        teamplay,
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("TF_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("TF_timelimit"), QStringLiteral("0")),
        Number(QStringLiteral("tfc_respawndelay"), QStringLiteral("TF_respawndelay"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("TF_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("tfc_balance_teams"), QStringLiteral("TF_Balance"), QStringLiteral("1")),
        Check(QStringLiteral("tfc_birthday"), QStringLiteral("TF_Birthday"), QStringLiteral("0")),
        bottarget,
    };
}

TStoreTable TTFC::StoreRows() const
{
    using namespace ModStore;
    return TStoreTable{
        Flag(kDefault, QStringLiteral("botdontshoot"), QStringLiteral("TF_Botshoot")),
        Flag(kDefault, QStringLiteral("bottarget"), QStringLiteral("TF_Bottarget")),
        Flag(kDefault, QStringLiteral("botchat"), QStringLiteral("TF_botchat")),
    } + ::HpbBot::OptionRows(QStringLiteral("TF"));
}

TStoreTable TTFC::BotStoreRows() const
{
    using namespace ModStore;
    // A team outside Auto, Blue and Red reads as Auto.
    return {ListSlot(QStringLiteral("team"), 3, QStringLiteral("0"), 0, 2), SlotText(QStringLiteral("type"), 4)};
}

void TTFC::LoadModDefaults()
{
    TFTFC* w = Win();
    if (!w)
        return;
    ModControls::SetCheck(w->TF_Botshoot, false);
    ModControls::SetCheck(w->TF_Bottarget, false);
    ModControls::SetCheck(w->TF_botchat, true);
    ModControls::SetSlider(w->Chatfreq, 10);
    ModControls::SetSlider(w->Chatfreq_died, 10);
    ModControls::SetSlider(w->TF_strafe, 20);
    ModControls::SetSlider(w->TF_grenade, 15);
}

TBot TTFC::NewBot(bool random)
{
    TBot bot;
    TModWindow* w = Form();
    if (!random || !w) {
        bot[0] = QStringLiteral("NewBot");
        bot[1] = Traits().DefaultModel;
        bot[2] = QStringLiteral("0");
        bot[3] = QStringLiteral("0");
        return bot;
    }
    bot[0] = ModWriters::CleanBotName(UQOR::PickRandomBotName(w->ListBot), EngineReadsBotLines());
    bot[1] = QString::number(UQOR::RandomInRange(1, int(ClassNames().size())));
    bot[2] = QString::number(UQOR::RandomInRange(0, w->Botskill ? w->Botskill->maximum() : MaxSkill()));
    bot[3] = QString::number(UQOR::RandomInRange(0, 2));
    return bot;
}

QStringList TTFC::LiblistLines(const QString& dll) const
{
    const QString size =
        TIniFile(ModsIniPath()).ReadString(UInit::SelectedBot, QStringLiteral("size"), QStringLiteral("Largish"));
    return ModWriters::Liblist({.Game = "Team Fortress", .UrlInfo = "www.teamfortress.com", .UrlDl = "",
                                .Version = "1.5", .Size = size, .SvOnly = "0", .ClDll = {"0", " "},
                                .Type = "multiplayer_only", .NoModels = "1", .MpEntity = "info_tfdetect",
                                .GameDllLinux = "dlls/tfc_i386.so"},
                               dll);
}

ModWriters::TPlaceholderTable TTFC::Placeholders(const QString& skillKey) const
{
    // The team first, then the template's three, then the store's chat rate; a value missing
    // from the store (but the name) is left empty, and one that is no number too.
    auto number = [](const QString& v, int) { return ModWriters::NumberOr(v, QString()); };
    ModWriters::TPlaceholderTable table{{QStringLiteral("<team>"), QStringLiteral("team"), QString(), number}};
    table += ModWriters::TemplatePlaceholders(skillKey, QString(), QStringLiteral("NewBot"));
    for (ModWriters::TPlaceholder& p : table)
        if (p.Name == QLatin1String("<model>"))
            p.Convert = number;
    const QString chat = TIniFile(BotsIniPath()).ReadString(kDefault, QStringLiteral("chatfreq"), QString());
    table.append({QStringLiteral("<chat>"), QString(), chat, number});
    return table;
}

QStringList TTFC::BotFileHeader(const TBotFileContext& c) const
{
    // Abot adds its bots from settings.bot: its file holds the bot lines only.
    QStringList lines;
    if (c.Section != Abot)
        lines = ModWriters::BotFileHeader(c.Template, Traits().PauseLine, c.DefaultSkill);
    if (c.Section == Akimbot) {
        lines << QStringLiteral("botdontshoot ") + StoreNumber(c.Store, "botdontshoot", "0");
        lines << ModWriters::AkimbotRateLines(c.Store);
    } else if (c.Section == FoxBot) {
        QString chat;
        UInit::TextToOnOff(c.Store.ReadString(kDefault, QStringLiteral("botchat"), QStringLiteral("0")), chat);
        lines << QStringLiteral("\"bot_chat\" \"") + chat + QLatin1Char('"');
    } else if (c.Section == HpbBot) {
        using ::HpbBot::TSetting;
        lines << ::HpbBot::SettingsLines(c.Store, {TSetting::DontShoot, TSetting::Strafe, TSetting::Chat, TSetting::Taunt,
                                                 TSetting::Whine, TSetting::Grenade, TSetting::Logo,
                                                 TSetting::Reaction});
    } else if (c.Section == OddBot::Name) {
        lines << OddBot::SettingsLines(c.Store);
    }
    return lines;
}

QStringList TTFC::BotFileTrailer(const TBotFileContext& c) const
{
    if (c.Section == Akimbot)
        return {ModWriters::AkimbotLastLine()};
    return {};
}

TTFC& Logic()
{
    static TTFC logic;
    return logic;
}

} // namespace UTFC

void RegisterMod_tfc() { RegisterModWindow<TFTFC>(UTFC::Logic(), FTFC); }
