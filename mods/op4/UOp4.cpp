// Opposing Force's role routines and launch files.
#include "mods/op4/UOp4.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/BotProperties.h"
#include "mods/common/HpbBot.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "mods/common/Parabot.h"
#include "mods/common/TeamPanel.h"
#include "mods/op4/UFop4.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace UOp4 {

const QString Akimbot = QStringLiteral("Akimbot");
const QString HpbBot = QStringLiteral("HPB Bot");
const QString Parabot = QStringLiteral("Parabot");
const QString TeamBot = QStringLiteral("TeamBot");

namespace {

const QString kDefault = QStringLiteral("Default");
const QString kGameType = QStringLiteral("Game Type");

TModTraits Op4Traits()
{
    TModTraits s;
    s.Key = QStringLiteral("Op4");
    s.Prefix = QStringLiteral("OF");
    s.Title = QStringLiteral("Opposing Force");
    s.ShortName = QStringLiteral("Op4");
    s.PageControl = QStringLiteral("PC_Op4");
    s.DefaultModel = QStringLiteral("gordon");
    s.DefaultSkill = QStringLiteral("0");
    s.ModeleDefault = QStringLiteral("gordon");
    s.DefaultDll = QStringLiteral("hl.dll");
    s.ForbiddenNameChars = QStringLiteral("<>");
    s.Models = TModelSource::ModFills;
    s.PlainSkillKey = true;
    // The chat sliders and Akimbot's lines come in the mod's own way.
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.OutsideBotEditor = true;
    s.MapConfig = true;
    s.MapConfigOpens = true;
    TModProfile& p = s.Profile;
    p.PictureFolder = QStringLiteral("op4\\");
    p.PreviewFollows = true;
    // The built-in maps need no file: offered and kept in the cycle by name.
    for (const QString& map : BuiltInMaps())
        p.ListedStockMaps << map.left(map.size() - 4);
    s.TemplateControls = {
        {.Name = "OF_Teamplay", .As = "OF_Gametype"},
        {.Name = "OF_Botskill", .As = "Of_Botskill"},
        {.Name = "LabelModel", .As = "Lab_model"},
        {.Name = "B_BotEditor", .Caption = "Open Teambot Control Centre"},
    };
    return s;
}

TFOp4* Win()
{
    return qobject_cast<TFOp4*>(Logic().Form());
}

QString Stored(const TIniFile& store, const char* key, const char* def)
{
    // A hand-edited store must not hand the bot program a setting without a number.
    return ModWriters::NumberOr(store.ReadString(kDefault, QString::fromLatin1(key), QString::fromLatin1(def)),
                                QString::fromLatin1(def));
}

// The game type a store asks of a bot program: a number 0..2 (anything else Deathmatch), and
// Capture the Flag only where the program plays it.
int StoredGameType(const TIniFile& store, const QString& bot)
{
    bool ok = false;
    const int type = store.ReadString(kDefault, kGameType, QStringLiteral("0")).trimmed().toInt(&ok);
    if (!ok || type < Deathmatch || type > CaptureTheFlag || (type == CaptureTheFlag && !PlaysCtf(bot)))
        return Deathmatch;
    return type;
}

} // namespace

const QStringList& Models()
{
    static const QStringList m{QStringLiteral("Barney"), QStringLiteral("Beret"),    QStringLiteral("Cl_Suit"),
                               QStringLiteral("Drill"),  QStringLiteral("Fassn"),    QStringLiteral("Gina"),
                               QStringLiteral("GMan"),   QStringLiteral("Gordon"),   QStringLiteral("Grunt"),
                               QStringLiteral("Massn"),  QStringLiteral("Otis"),     QStringLiteral("Scientist"),
                               QStringLiteral("Shephard"), QStringLiteral("Tower"), QStringLiteral("Zombie")};
    return m;
}

QStringList CtfModels(const QString& side)
{
    const QString random = QStringLiteral("<Random Model>");
    if (side == QLatin1String("1"))
        return {QStringLiteral("Barney"), QStringLiteral("Cl_Suit"), QStringLiteral("Gina"), QStringLiteral("Gordon"),
                QStringLiteral("Otis"), QStringLiteral("Scientist"), random};
    if (side == QLatin1String("2"))
        return {QStringLiteral("Beret"), QStringLiteral("Drill"), QStringLiteral("Grunt"), QStringLiteral("Recruit"),
                QStringLiteral("Shephard"), QStringLiteral("Tower"), random};
    if (side == QLatin1String("3"))
        return {QStringLiteral("Barney / Beret"),   QStringLiteral("Cl_Suit / Drill"),
                QStringLiteral("Gina / Grunt"),     QStringLiteral("Gordon / Recruit"),
                QStringLiteral("Otis / Shephard"),  QStringLiteral("Scientist / Tower"),
                random};
    return {};
}

const QStringList& BuiltInMaps()
{
    static const QStringList m{
        QStringLiteral("op4_bootcamp.bsp"), QStringLiteral("op4_datacore.bsp"), QStringLiteral("op4_demise.bsp"),
        QStringLiteral("op4_disposal.bsp"), QStringLiteral("op4_gasworks.bsp"), QStringLiteral("op4_kbase.bsp"),
        QStringLiteral("op4_kndyone.bsp"),  QStringLiteral("op4_meanie.bsp"),   QStringLiteral("op4_outpost.bsp"),
        QStringLiteral("op4_park.bsp"),     QStringLiteral("op4_repent.bsp"),   QStringLiteral("op4_rubble.bsp"),
        QStringLiteral("op4_xendance.bsp")};
    return m;
}

const QStringList& GameTypes()
{
    static const QStringList t{QStringLiteral("Deathmatch"), QStringLiteral("Teamplay"),
                               QStringLiteral("Capture the Flag")};
    return t;
}

bool PlaysCtf(const QString& bot)
{
    return bot != Parabot && bot != TeamBot;
}

const TBotSliderTable& TraitRows()
{
    static const TBotSliderTable rows = [] {
        TBotSliderTable t;
        const struct {
            int Slot;
            const char* Key;
            const char* Stem;
            const char* Caption;
            const char* NewValue;
        } traits[] = {{6, "ACCURACY", "accuracy", "Accuracy", "8"},
                      {7, "AGGRESSION", "aggression", "Aggression", "5"},
                      {8, "PERCEPTION", "perception", "Perception", "5"}};
        for (const auto& r : traits) {
            TBotSliderRow row;
            row.Slot = r.Slot;
            row.Key = QString::fromLatin1(r.Key);
            row.Control = QStringLiteral("OF_") + QString::fromLatin1(r.Stem);
            row.Caption = QString::fromLatin1(r.Caption);
            row.ReadDefault = QStringLiteral("1");
            row.NewValue = QString::fromLatin1(r.NewValue);
            row.Min = 1;
            row.Max = 10;
            t << row;
        }
        return t;
    }();
    return rows;
}

TOp4::TOp4() : TModLogic(Op4Traits()) {}

int TOp4::GameType() const
{
    const TModWindow* w = Form();
    return w && w->TeamPanel ? qMax(0, w->TeamPanel->GameTypeIndex()) : Deathmatch;
}

void TOp4::ReadBotSection()
{
    TModLogic::ReadBotSection();
    const QString cfgPath =
        TIniFile(ModsIniPath()).ReadString(UInit::SelectedBot, QStringLiteral("cfgpath"), QString());
    ConfigFolder = cfgPath.isEmpty() ? State.ModMapsDir : FileSys::JoinPath(UInit::HLPath, cfgPath);
}

QString TOp4::MapConfigFolder() const
{
    return ConfigFolder.isEmpty() ? State.ModMapsDir : ConfigFolder;
}

void TOp4::LoadConf()
{
    TModLogic::LoadConf();
    ApplyGameType();
    State.Modified = 0;
}

void TOp4::RestoreDefaults()
{
    TModLogic::RestoreDefaults();
    ApplyGameType();
}

void TOp4::LoadModDefaults()
{
    TFOp4* w = Win();
    if (!w)
        return;
    if (TTeamPanel* p = w->TeamPanel) {
        p->SetGameTypeIndex(Deathmatch);
        p->NumTeam->SetValue(2);
    }
    ModControls::SetSlider(w->defskill, 1);
    ModControls::SetCheck(w->OF_Bottarget, false);
}

void TOp4::ClearBotFields()
{
    TModLogic::ClearBotFields();
    TFOp4* w = Win();
    if (!w)
        return;
    ModControls::SetSlider(w->Botskill, 1);
    if (w->OF_botctfmodel) {
        const QSignalBlocker block(w->OF_botctfmodel);
        w->OF_botctfmodel->setCurrentIndex(-1);
    }
    if (w->Traits)
        w->Traits->Clear();
}

void TOp4::FillModelChooser()
{
    TModWindow* w = Form();
    if (!w)
        return;
    UInit::ReplaceChooserItems(w->botmodel, Models());
    if (w->TeamPanel)
        w->TeamPanel->FillTeams(Models());
}

void TOp4::ApplyGameType()
{
    TFOp4* w = Win();
    if (!w)
        return;
    if (w->TeamPanel)
        w->TeamPanel->ApplyGameType();
    const bool ctf = GameType() == CaptureTheFlag;
    for (QWidget* c : std::initializer_list<QWidget*>{w->Lab_model, w->botmodel})
        if (c)
            c->setVisible(!ctf);
    for (QWidget* c : std::initializer_list<QWidget*>{w->Lab_team, w->OF_BotA, w->OF_BotBM, w->OF_BotOF,
                                                      w->Lab_ctfmodel, w->OF_botctfmodel})
        if (c)
            c->setVisible(ctf);
    ListAvailableMaps();
    ShowBot();
}

void TOp4::ListAvailableMaps()
{
    TModWindow* w = Form();
    if (!w || !w->MapDispo)
        return;
    TModLogic::ListAvailableMaps();
    if (w->MapLabel)
        w->MapLabel->setText(UInit::WaypointMarker + QStringLiteral(" Waypoints"));
    // Capture the Flag offers its own maps only, and only those the bots have waypoints for;
    // the other game types never offer those, nor the training map.
    const bool ctf = GameType() == CaptureTheFlag;
    const bool needsWaypoints = !State.WaypointExt.isEmpty();
    const QSignalBlocker block(w->MapDispo);
    for (int i = w->MapDispo->count() - 1; i >= 0; --i) {
        const QString entry = w->MapDispo->item(i)->text();
        const QString map = UQOR::BareMapName(entry);
        const bool ctfMap = map.contains(QLatin1String("ctf"));
        const bool keep = ctf ? ctfMap && (!needsWaypoints || entry.contains(UInit::WaypointMarker))
                              : !ctfMap && map != QLatin1String("ofboot3");
        if (!keep)
            delete w->MapDispo->takeItem(i);
    }
}

bool TOp4::WriteMapCycle(QString& error)
{
    TModWindow* w = Form();
    if (!w || !w->MapCycle)
        return true;
    const bool ctf = GameType() == CaptureTheFlag;
    QListWidget fitting;
    for (int i = 0; i < w->MapCycle->count(); ++i) {
        const QString map = w->MapCycle->item(i)->text();
        if (map.contains(QLatin1String("ctf")) == ctf)
            fitting.addItem(map);
    }
    // Without a map of its game type the game starts on the mod's first map of that type.
    if (fitting.count() == 0)
        fitting.addItem(ctf ? QStringLiteral("op4ctf_crash") : QStringLiteral("op4_bootcamp"));
    if (UQOR::WriteMapCycle(QStringLiteral("O"), ModDir(), &fitting, &error))
        return true;
    if (error.isEmpty())
        error = QStringLiteral("Can't write ") +
                ModControls::NativePath(FileSys::JoinPath(ModDir(), QStringLiteral("mapcycle.txt")));
    return false;
}

bool TOp4::SaveConf()
{
    if (!Form())
        return false;
    QString error;
    if (!WriteGameCfg(error) || !WriteMapCycle(error) || !WriteBotsIni(error) || !WriteChatMemo(error)) {
        ReportSaveError(error);
        return false;
    }
    State.Modified = 0;
    return true;
}

TCvarTable TOp4::Cvars() const
{
    using namespace ModCvars;
    const auto check = [](const char* cvar, const char* def) {
        return Check(QString::fromLatin1(cvar), QStringLiteral("OF_") + QString::fromLatin1(cvar + 3),
                     QString::fromLatin1(def));
    };
    // The game type lives in the bot store; game.cfg only tells the game whether teams play.
    TCvarRow teamplay;
    teamplay.Cvar = QStringLiteral("mp_teamplay");
    teamplay.Read = TCvarRead::None;
    teamplay.Written = TCvarWrite::Own;
    teamplay.WriteRule = [](const TModWindow& w) {
        return w.TeamPanel && w.TeamPanel->GameTypeIndex() == Teamplay ? QStringLiteral("1") : QStringLiteral("0");
    };
    return {
        TeamListRow(),
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("OF_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("OF_timelimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_ctf_capture"), QStringLiteral("OF_ctf_capture"), QStringLiteral("0")),
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("OF_fallreal"), QStringLiteral("OF_fallnorm")),
        teamplay,
        check("mp_friendlyfire", "0"),
        check("mp_weaponstay", "0"),
        check("mp_forcerespawn", "0"),
        check("mp_footsteps", "1"),
        check("mp_autocrosshair", "1"),
        check("mp_ctf_autoteam", "1"),
    };
}

TStoreTable TOp4::StoreRows() const
{
    using namespace ModStore;
    TStoreRow gameType = Number(kDefault, kGameType, QStringLiteral("OF_Gametype"), QStringLiteral("0"), 0,
                                CaptureTheFlag);
    // A type the list does not offer (Capture the Flag for Parabot, -1 of an older save) is
    // Deathmatch, and TeamBot, which plays no Capture the Flag, starts from Deathmatch too.
    gameType.OutsideReadsDefault = true;
    gameType.Highest = [] { return UInit::SelectedBot == Parabot ? Teamplay : CaptureTheFlag; };
    gameType.ReadAs = [](const QString& stored) {
        return UInit::SelectedBot == TeamBot && stored.trimmed() == QLatin1String("2") ? QStringLiteral("0")
                                                                                        : stored;
    };
    return TStoreTable{
               gameType,
               Flag(kDefault, QStringLiteral("botdontshoot"), QStringLiteral("OF_Bottarget")),
           } +
           ::HpbBot::OptionRows(QStringLiteral("OF")) +
           TStoreTable{
               Flag(kDefault, QStringLiteral("random_color"), QStringLiteral("OF_random_color")),
               Flag(kDefault, QStringLiteral("AlwaysRespond"), QStringLiteral("OF_AlwaysRespond")),
               Flag(kDefault, QStringLiteral("BotChat"), QStringLiteral("OF_Botchat")),
           };
}

TStoreTable TOp4::BotStoreRows() const
{
    // A side or a capture-the-flag model outside its list reads as Auto / "<Random Model>".
    TStoreTable rows{ModStore::ListSlot(QStringLiteral("team"), 3, QStringLiteral("3"), 1, 3),
                     ModStore::ListSlot(QStringLiteral("ctfmodele"), 4, QStringLiteral("6"), 0, 6)};
    rows << BotProperties::StoreRows(TraitRows());
    return rows;
}

void TOp4::FillModelList(const QString& side)
{
    if (TFOp4* w = Win())
        UInit::ReplaceChooserItems(w->OF_botctfmodel, CtfModels(side));
}

void TOp4::ShowBotRecord(const TBot& bot)
{
    TFOp4* w = Win();
    if (!w)
        return;
    {
        const QSignalBlocker block(w->botname);
        w->botname->setText(bot[0]);
    }
    {
        // "gordon" of a plain new bot is the list's "Gordon".
        const QSignalBlocker block(w->botmodel);
        w->botmodel->setCurrentIndex(w->botmodel->findText(bot[1], Qt::MatchFixedString));
    }
    ModControls::SetSlider(w->Botskill, bot[2].trimmed().toInt());
    if (w->Traits)
        w->Traits->ShowRecord(bot);
    w->ShowSide(bot[3]);
    SideChanged(bot);
    if (GameType() != CaptureTheFlag && w->BotPic)
        UQOR::ShowModelPicture(w->BotPic, w->botmodel->currentText());
}

void TOp4::SideChanged(const TBot& bot)
{
    TFOp4* w = Win();
    if (!w || !w->OF_botctfmodel)
        return;
    FillModelList(bot[3]);
    bool ok = false;
    const int index = bot[4].trimmed().toInt(&ok);
    {
        const QSignalBlocker block(w->OF_botctfmodel);
        w->OF_botctfmodel->setCurrentIndex(ok && index < w->OF_botctfmodel->count() ? index : -1);
    }
    if (w->BotPic) {
        UQOR::ShowModelPicture(w->BotPic, w->OF_botctfmodel->currentText());
        w->BotPic->show();
    }
}

int TOp4::ModelSlot() const
{
    return GameType() == CaptureTheFlag ? 4 : 1;
}

TBot TOp4::NewBot(bool random)
{
    TBot bot;
    TFOp4* w = Win();
    if (!random || !w) {
        bot[0] = QStringLiteral("NewBot");
        bot[1] = QStringLiteral("gordon");
        bot[2] = QStringLiteral("0");
        bot[3] = QStringLiteral("3");
        bot[4] = QStringLiteral("6");
        for (const TBotSliderRow& r : TraitRows())
            bot[r.Slot] = r.NewValue;
        return bot;
    }
    bot[0] = ModWriters::CleanBotName(UQOR::PickRandomBotName(w->ListBot), false);
    const int models = w->botmodel->count();
    bot[1] = models > 0 ? w->botmodel->itemText(UQOR::RandomInRange(0, models - 1)) : QStringLiteral("gordon");
    bot[2] = QString::number(UQOR::RandomInRange(0, w->Botskill->maximum()));
    bot[3] = QString::number(UQOR::RandomInRange(1, 3));
    bot[4] = QString::number(UQOR::RandomInRange(0, 6));
    for (const TBotSliderRow& r : TraitRows())
        bot[r.Slot] = QString::number(UQOR::RandomInRange(r.Min, r.Max));
    return bot;
}

// ---------------------------------------------------------------- launch files

QStringList TOp4::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        LiblistLine(QStringLiteral("gamedir"), QStringLiteral("gearbox")),
        LiblistLine(QStringLiteral("game"), QStringLiteral("Opposing Force")),
        LiblistLine(QStringLiteral("startmap"), QStringLiteral("of0a0")),
        LiblistLine(QStringLiteral("trainmap"), QStringLiteral("ofboot0")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.gearboxsoftware.com")),
        LiblistLine(QStringLiteral("version"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("96000000")),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1101")),
        QStringLiteral("//type \"Single\""),
        ModWriters::GameDllLine(dll),
        LiblistLine(QStringLiteral("gamedll_linux"), QStringLiteral("dlls/opfor_i386.so")),
    };
}

QStringList TOp4::BotFileLines(const TBotFileContext& c) const
{
    const TIniFile& st = c.Store;
    const bool ctf = StoredGameType(st, c.Section) == CaptureTheFlag;
    const QString templ = ctf ? c.Mods.ReadString(c.Section, QStringLiteral("addbotctf"), QString()) : c.Template;
    QStringList lines{QStringLiteral("# ") + templ, QStringLiteral("pause 3"), QString()};
    const auto line = [&st](const char* setting, const char* key, const char* def) {
        return QString::fromLatin1(setting) + QLatin1Char(' ') + Stored(st, key, def);
    };
    if (c.Section == Akimbot)
        lines << line("botdontshoot", "botdontshoot", "0") << line("bot_chat_percent", "chatfreq", "10")
              << line("bot_taunt_percent", "chatfreq_kill", "20") << line("bot_whine_percent", "chatfreq_died", "10");
    else if (c.Section == HpbBot) {
        using ::HpbBot::TSetting;
        lines << QStringLiteral("botskill ") + c.DefaultSkill
              << ::HpbBot::SettingsLines(st, {TSetting::DontShoot, TSetting::Strafe, TSetting::Grenade, TSetting::Logo,
                                              TSetting::Reaction, TSetting::RandomColor, TSetting::Chat,
                                              TSetting::Taunt, TSetting::Whine});
    }
    lines << QStringLiteral(" ");

    using ModWriters::NumberOr;
    // A bot the store lacks (more to spawn than stored) is the window's plain reading of one:
    // an empty model or side would shift every argument after it.
    const auto inList = [](const QString& low, const QString& high, const QString& def) {
        return [low, high, def](const QString& v, int) {
            const int n = NumberOr(v, def).toInt();
            return n >= low.toInt() && n <= high.toInt() ? QString::number(n) : def;
        };
    };
    const auto asStored = [](const QString& v, int) { return NumberOr(v, QStringLiteral("1")); };
    ModWriters::TPlaceholderTable table{
        {QStringLiteral("<team>"), QStringLiteral("team"), QStringLiteral("3"),
         inList(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("3"))},
        {QStringLiteral("<model>"), QStringLiteral("modele"), QStringLiteral("gordon"), {}},
        {QStringLiteral("<ctfmodel>"), QStringLiteral("ctfmodele"), QStringLiteral("0"),
         [](const QString& v, int) { return QString::number(NumberOr(v, QStringLiteral("0")).toInt() + 1); }},
        {QStringLiteral("<name>"), QStringLiteral("nom"), QStringLiteral("NewBot"),
         [](const QString& v, int) { return ModWriters::CleanBotName(v, false); }},
        {QStringLiteral("<skill>"), c.SkillKey, QStringLiteral("0"),
         [](const QString& v, int) { return NumberOr(v, QStringLiteral("0")); }},
        {QStringLiteral("<accuracy>"), QStringLiteral("accuracy"), QStringLiteral("1"), asStored},
        {QStringLiteral("<aggression>"), QStringLiteral("aggression"), QStringLiteral("1"), asStored},
        {QStringLiteral("<perception>"), QStringLiteral("perception"), QStringLiteral("1"), asStored},
    };
    const QString chat = BotProperties::ScaleTrait(st.ReadString(kDefault, QStringLiteral("chatfreq"), QStringLiteral("10")), 10);
    table.append({QStringLiteral("<chat>"), QString(), QString(), [chat](const QString&, int) { return chat; }});
    ModWriters::TFillOptions options;
    options.Tab = true;
    for (int i = 1; i <= c.SpawnBot; ++i)
        lines << ModWriters::FillTemplate(templ, table, st, i, options);
    if (c.Section == Akimbot)
        lines << ModWriters::AkimbotLastLine();
    return lines;
}

bool TOp4::WriteBotCfg(QString& error)
{
    const TIniFile mods(ModsIniPath());
    const QString bot = UInit::SelectedBot;
    if (!mods.ReadString(bot, QStringLiteral("BotEditor"), QString()).isEmpty())
        return true;
    if (bot == Parabot) {
        const TIniFile store(BotsIniPath());
        const int spawn = qBound(0, store.ReadInteger(kDefault, QStringLiteral("spawnbot"), 0), MostBots());
        const QString path = FileSys::JoinPath(UInit::HLPath, QStringLiteral("Parabot/gearbox/parabot.cfg"));
        if (!Parabot::WriteCfg(path, store, spawn, true, error))
            return false;
    }
    return TModLogic::WriteBotCfg(error);
}

TOp4& Logic()
{
    static TOp4 logic;
    return logic;
}

} // namespace UOp4

void RegisterMod_op4() { RegisterModWindow<TFOp4>(UOp4::Logic(), FOp4); }
