#include "mods/scihunt/USciHunt.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR.h"
#include "core/UQOR_Settings.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/scihunt/UFScihunt.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSlider>

namespace USciHunt {

const QString ModKey = QStringLiteral("Scihunt");

namespace {

using ModControls::NativePath;

const QString kBotFiles = QStringLiteral("botfiles");
const QString kShconfig = QStringLiteral("Shconfig.cfg");
const QString kJumbotCfg = QStringLiteral("jumbot.cfg");
const QString kArsenalPrefix = QStringLiteral("arsenals/");
// A hand-edited bots file must not make a load run for ever.
constexpr int kMaxBots = 1024;

TModTraits SciHuntTraits()
{
    TModTraits s;
    s.Key = ModKey;
    s.Prefix = QStringLiteral("SH");
    s.Title = QStringLiteral("Scientist Hunt");
    s.ShortName = QStringLiteral("Scihunt");
    s.PageControl = QStringLiteral("PC_Scihunt");
    s.DefaultModel = QStringLiteral("gordon");
    s.DefaultSkill = QStringLiteral("0");
    // Its own chat page (two memos in Jumbot's chat file) replaces the template's.
    s.HasChatPage = false;
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.DefaultSkillKey = false;
    s.Models = TModelSource::PlayerModels;
    s.ReadsBotSection = false;
    s.WaypointKey.clear();
    s.MapConfig = true;
    s.MapConfigMarks = true;
    s.MapConfigOpens = true;
    s.DefaultsEmptyMapCycle = true;
    s.TemplateControls = {
        {.Name = "TS_SH_Game", .As = "SH_TS_Game"},
        {.Name = "TS_SH_Maps", .As = "SH_TS_Maps"},
        {.Name = "TS_SH_Bots", .As = "SH_TS_Bots"},
        {.Name = "SH_spawnbot", .As = "SH_bot_num"},
        {.Name = "SH_defskill", .As = "SH_bot_skill"},
        {.Name = "SH_Botskill", .As = "SH_botskill"},
        {.Name = "LabelDefSkill", .Caption = "Difficulty level"},
        {.Name = "Label13", .Caption = "Easy"},
        {.Name = "Label15", .Caption = "Hard"},
        {.Name = "Label1", .Caption = "Bad"},
        {.Name = "Label67", .Caption = "Good"},
    };
    return s;
}

Jumbot::TCommand Command(const char* name, const char* stem, Jumbot::TValue value, const char* def)
{
    Jumbot::TCommand c;
    c.Name = QString::fromLatin1(name);
    c.Stem = QString::fromLatin1(stem);
    c.Value = value;
    if (def)
        c.Default = QString::fromLatin1(def);
    return c;
}

Jumbot::TCommand FixedCommand(const char* name, const char* literal)
{
    Jumbot::TCommand c = Command(name, "", Jumbot::TValue::Fixed, nullptr);
    c.Read = false;
    c.Literal = QString::fromLatin1(literal);
    return c;
}

Jumbot::TCommand BotFile(const char* name, const char* stem, const char* def)
{
    Jumbot::TCommand c = Command(name, stem, Jumbot::TValue::FileInFolder, def);
    c.Folder = QStringLiteral("botfiles\\");
    return c;
}

// A whole number within low..high as text, or "0".
QString NumberWithin(const QString& text, int low, int high)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok && v >= low && v <= high ? QString::number(v) : QStringLiteral("0");
}

// Jumbot reads the file itself, not through the engine: the one name rule without its tokens.
QString BotName(const QString& name)
{
    return ModWriters::CleanBotName(name, false);
}

// The next field of a bots-file line: up to the next blank (the rest after it stays in rest).
QString NextField(QString& rest)
{
    const qsizetype blank = rest.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        const QString all = rest;
        rest.clear();
        return all;
    }
    const QString field = rest.left(blank);
    rest = rest.mid(blank + 1);
    return field;
}

QStringList MemoLines(const QPlainTextEdit* memo)
{
    const QString text = UQOR::MemoText(memo);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void SetMemo(QPlainTextEdit* memo, const QStringList& lines)
{
    const QSignalBlocker block(memo);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
}

// What the chat file keeps of a memo: its lines without leading blanks (the mod's reader skips
// a line that starts with one) and without the empty ones (skipped on reading anyway).
QStringList ChatSection(const QStringList& memo)
{
    QStringList kept;
    for (const QString& line : memo) {
        qsizetype at = 0;
        while (at < line.size() && line.at(at).isSpace())
            ++at;
        if (at < line.size())
            kept << line.mid(at);
    }
    return kept;
}

} // namespace

// ---------------------------------------------------------------- files as data

bool ParseBotsFileLine(const QString& line, TBot& bot, QString* asRead)
{
    QString rest = line;
    NextField(rest);   // the bot<n> word
    QString name;
    if (rest.startsWith(QLatin1Char('"'))) {
        const qsizetype close = rest.indexOf(QLatin1Char('"'), 1);
        name = close < 0 ? rest.mid(1) : rest.mid(1, close - 1);
        rest = close < 0 ? QString() : rest.mid(close + 1).trimmed();
    } else {
        name = NextField(rest);
    }
    if (asRead)
        *asRead = name;
    name = BotName(name);
    if (name.isEmpty())
        return false;
    bot = TBot{};
    bot[0] = name;
    bot[1] = NextField(rest).trimmed();
    bot[4] = NumberWithin(NextField(rest), 0, 255);
    const QString pants = NextField(rest);
    bot[3] = NumberWithin(pants, 0, 255);
    bot[2] = NumberWithin(rest, 1, 4);
    return true;
}

QStringList BotsFileLines(const QVector<TBot>& bots)
{
    QStringList lines{
        QStringLiteral("#JUMBOT MAIN BOT USERINFO FILE"),
        QStringLiteral("#"),
        QStringLiteral("#As many entries as you wish can be added by editing this file."),
        QStringLiteral("#"),
        QStringLiteral("#Format is: \"<bot number> <bot name> <bot model> <bot shirt color> <bot pants color> "
                       "<bot skill level (1-4)>\""),
        QStringLiteral("#Note that the skill value is not required. If it isn't there, the bot will just use "
                       "the skill values that"),
        QStringLiteral("#you set in-game."),
        QStringLiteral("#"),
    };
    for (int i = 0; i < bots.size(); ++i) {
        const TBot& bot = bots[i];
        QString name = BotName(bot[0]);
        if (name.isEmpty())
            name = QStringLiteral("NewBot");
        QString model = bot[1].trimmed();
        model.remove(QLatin1Char(' '));
        if (model.isEmpty())
            model = QStringLiteral("gordon");
        QString entry = QStringLiteral("bot") + QString::number(i + 1) + QLatin1Char(' ') + name +
                        QLatin1Char(' ') + model + QLatin1Char(' ') + NumberWithin(bot[4], 0, 255) +
                        QLatin1Char(' ') + NumberWithin(bot[3], 0, 255);
        const QString skill = NumberWithin(bot[2], 1, 4);
        if (skill != QStringLiteral("0"))
            entry += QLatin1Char(' ') + skill;
        lines << entry;
    }
    return lines;
}

QStringList ChatFileLines(const QStringList& kill, const QStringList& died)
{
    QStringList lines{QStringLiteral("#Bot chat configuration file. % can be used anywhere to insert the "
                                     "killer/victim's name."),
                      QStringLiteral("#")};
    auto section = [&lines](const QString& head, const QStringList& memo) {
        lines << head;
        const QStringList kept = ChatSection(memo);
        for (int i = 0; i < ChatLines; ++i)
            lines << kept.value(i);
        lines << QString();
    };
    section(QStringLiteral("*Bot says these lines after killing."), kill);
    section(QStringLiteral("*Bot says these lines after being killed."), died);
    lines << QStringLiteral("*");
    return lines;
}

void ParseChatFile(const QStringList& lines, QStringList& kill, QStringList& died)
{
    kill.clear();
    died.clear();
    int section = 0;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('*')))
            ++section;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char('*')) ||
            line.at(0).isSpace())
            continue;
        if (section == 1)
            kill << line;
        else if (section == 2)
            died << line;
    }
}

const QVector<TWaypointKey>& WaypointKeys()
{
    static const QVector<TWaypointKey> keys{
        {QStringLiteral("SH_makewp"), QStringLiteral("Makewp"), QStringLiteral("makewp")},
        {QStringLiteral("SH_makewpj"), QStringLiteral("Makewpj"), QStringLiteral("makewpj")},
        {QStringLiteral("SH_remwp"), QStringLiteral("Remwp"), QStringLiteral("remwp")},
        {QStringLiteral("SH_writewpfile"), QStringLiteral("Writewpfile"), QStringLiteral("writewpfile")},
    };
    return keys;
}

bool IsWaypointBind(const QString& line)
{
    // bind <key> <command>, each word quoted or not: only the program's own binds go, never an
    // alias or a note that mentions a command.
    static const QRegularExpression bind(
        QStringLiteral("^\\s*bind\\s+(\"[^\"]*\"|\\S+)\\s+\"?(makewp|makewpj|remwp|writewpfile)\"?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    return bind.match(line).hasMatch();
}

QString ModeDescription(int index)
{
    static const QStringList modes{
        QStringLiteral("The scientists run around and scream\r\nwhile you shoot them to win the round."),
        QStringLiteral("Scientists don't run until they see you,\r\nand you get extra points for killing them\r\n"
                       "before they can see you."),
        QStringLiteral("Scientists trust you until you hurt them\r\nor they see you kill another one of their\r\n"
                       "kind. This mode is not round-based, and\r\nscientists respawn after they're killed."),
        QStringLiteral("One player is a scientist and the other\r\nplayers try to murder him. The scientist\r\n"
                       "player gets points for staying alive and\r\ncan use his poison needle to defend himself."),
        QStringLiteral("Scientists are evil and murderous and try\r\nto kill each other and players for no real\r\n"
                       "reason at all other than horrible insanity."),
    };
    return modes.value(index);
}

// ---------------------------------------------------------------- the logic

TSciHunt::TSciHunt() : TModLogic(SciHuntTraits())
{
    // The maps' own configuration files: <moddir>\maps\<map>.cfg ("+" in the list).
    State.Config = QStringLiteral(".cfg");
}

TFScihunt* TSciHunt::Win() const
{
    return qobject_cast<TFScihunt*>(Form());
}

QString TSciHunt::BotFilesDir() const
{
    return FileSys::JoinPath(ModDir(), kBotFiles);
}

QString TSciHunt::ArsenalsDir() const
{
    return FileSys::JoinPath(ModDir(), QStringLiteral("arsenals"));
}

const Jumbot::TCommandTable& TSciHunt::JumbotCommands()
{
    using Jumbot::TValue;
    static const Jumbot::TCommandTable table = [] {
        Jumbot::TCommand fov = Command("botusefov", "botusefov", TValue::Flag, "1");
        fov.Enables = {QStringLiteral("botfov"), QStringLiteral("LabelFov")};
        // Sci-hunt keeps in this file what Deathmatch keeps in its bot store, and gives bot
        // orders to its own settings file (sh_bot_order).
        return Jumbot::Dialect(
            {QStringLiteral("bot_ordering"), QStringLiteral("bot_longjump"), QStringLiteral("bot_squads"),
             QStringLiteral("bot_snipers"), QStringLiteral("bot_campers"), QStringLiteral("bot_objavoid"),
             QStringLiteral("bot_funcsmash"), QStringLiteral("bot_leadsys"), QStringLiteral("bot_ackteam"),
             QStringLiteral("bot_realgame")},
            {Command("bot_random", "bot_random", TValue::Flag, "0"),
             Command("bot_num", "bot_num", TValue::Number, "4"),
             Command("bot_skill", "bot_skill", TValue::Number, "1"),
             BotFile("botcfgfile", "botfile", "bots.cfg"),
             BotFile("chatfile", "chatfile", "botchat.cfg"),
             Command("botchat", "botchat", TValue::Flag, "0"),
             Command("chatfreq_killed", "chatfreq_kill", TValue::Number, "0"),
             Command("chatfreq_died", "chatfreq_died", TValue::Number, "0"),
             fov,
             Command("botfov", "botfov", TValue::Text, "90"),
             FixedCommand("bot_crowbar", "0"),
             Command("spawndelay", "spawndelay", TValue::Number, "4")});
    }();
    return table;
}

const Jumbot::TCommandTable& TSciHunt::ShconfigCommands()
{
    using Jumbot::TValue;
    static const Jumbot::TCommandTable table{
        Command("sh_mondmg9mm_sci", "sh_mondmg9mm_sci", TValue::Number, "3"),
        Command("sh_crowbar", "SH_crowbar", TValue::Flag, "0"),
        Command("sh_scispeed", "SH_scispeed", TValue::Number, "40"),
        Command("sh_forcemodel", "SH_forcemodel", TValue::Flag, "0"),
        Command("sh_allowteamchange", "SH_allowteamchange", TValue::Flag, "0"),
        Command("sh_restorehealth", "SH_restorehealth", TValue::Flag, "0"),
        Command("sh_resarsenal", "SH_resarsenal", TValue::Flag, "0"),
        Command("sh_scifly", "SH_scifly", TValue::Flag, "1"),
        Command("sh_deadsciphys", "SH_deadsciphys", TValue::Flag, "1"),
        Command("sh_announcescideath", "SH_announcescideath", TValue::Flag, "0"),
        Command("sh_announcescinum", "SH_announcescinum", TValue::Flag, "1"),
        Command("sh_respbreak", "SH_respbreak", TValue::Flag, "1"),
        Command("sh_bot_evil", "SH_bot_evil", TValue::Flag, "0"),
        Command("sh_glassbreak", "sh_glassbreak", TValue::Flag, "1"),
        Command("sh_bloodstream", "SH_bloodstream", TValue::Flag, "0"),
        Command("sh_bot_order", "SH_bot_order", TValue::Flag, "1"),
        Command("sh_scirand", "SH_scirand", TValue::Flag, "1"),
        Command("sh_scimax", "SH_scimax", TValue::Number, "5"),
        Command("sh_goremultiply", "SH_goremultiply", TValue::Number, "0"),
        FixedCommand("sh_enablebots", "1"),
        Command("sh_levelexec", "SH_levelexec", TValue::Flag, "0"),
        FixedCommand("executed", "1"),
    };
    return table;
}

TCvarTable TSciHunt::Cvars() const
{
    using namespace ModCvars;
    TCvarRow realistic = Index(QStringLiteral("sh_realistic"), QStringLiteral("SH_realistic"), {}, QStringLiteral("0"));
    realistic.Read = TCvarRead::Own;
    realistic.ReadRule = [](TModWindow& w, const QString& value) {
        // The mode is the value's first digit; a value without one leaves the mode as it is.
        const QString v = value.trimmed();
        if (!v.isEmpty() && v.at(0).isDigit())
            SetControlValue(w.ControlWidget(QStringLiteral("SH_realistic")), v.left(1));
        Logic().ShowModeDescription();
    };
    TCvarRow arsenal;
    arsenal.Cvar = QStringLiteral("sh_weapfileloc");
    arsenal.Control = QStringLiteral("SH_weapfileloc");
    arsenal.Default = QStringLiteral("starteqp.txt");
    arsenal.Read = TCvarRead::Own;
    arsenal.Written = TCvarWrite::Own;
    arsenal.ReadRule = [](TModWindow& w, const QString& value) {
        if (!value.startsWith(kArsenalPrefix))
            return;
        QString name = value.mid(kArsenalPrefix.size());
        name = name.left(name.indexOf(QLatin1Char('"')) < 0 ? name.size() : name.indexOf(QLatin1Char('"')));
        // Only a file of the arsenals folder: the window saves the arsenal there.
        if (Jumbot::BareFileName(name) == name.trimmed())
            SetControlValue(w.ControlWidget(QStringLiteral("SH_weapfileloc")), name.trimmed());
    };
    arsenal.WriteRule = [](const TModWindow& w) {
        return kArsenalPrefix + ControlValue(w.ControlWidget(QStringLiteral("SH_weapfileloc")));
    };
    return {
        realistic,
        arsenal,
        Check(QStringLiteral("sh_wallclimb"), QStringLiteral("sh_wallclimb"), QStringLiteral("0")),
        Check(QStringLiteral("sh_allmonsfly"), QStringLiteral("sh_allmonsfly"), QStringLiteral("1")),
        Number(QStringLiteral("sh_gibcount"), QStringLiteral("sh_gibcount"), QStringLiteral("20")),
        Number(QStringLiteral("sh_insanity"), QStringLiteral("sh_insanity"), QStringLiteral("5")),
        Number(QStringLiteral("sh_chainspark"), QStringLiteral("sh_chainspark"), QStringLiteral("0")),
        Check(QStringLiteral("sh_chaingore"), QStringLiteral("sh_chaingore"), QStringLiteral("0")),
        Check(QStringLiteral("sh_hcgib"), QStringLiteral("sh_hcgib"), QStringLiteral("0")),
        Check(QStringLiteral("sh_moregibs"), QStringLiteral("SH_moregibs"), QStringLiteral("0")),
        Check(QStringLiteral("sh_corpsemass"), QStringLiteral("SH_corpsemass"), QStringLiteral("0")),
        Check(QStringLiteral("sh_hchorror"), QStringLiteral("sh_hchorror"), QStringLiteral("0")),
        Check(QStringLiteral("sh_noplrdmg"), QStringLiteral("SH_noplrdmg"), QStringLiteral("0")),
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("SH_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("SH_timelimit"), QStringLiteral("0")),
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("SH_fallreal"), QStringLiteral("SH_fallnorm")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("SH_friendlyfire"), QStringLiteral("0")),
        Check(QStringLiteral("mp_weaponstay"), QStringLiteral("SH_weaponstay"), QStringLiteral("0")),
        Check(QStringLiteral("mp_forcerespawn"), QStringLiteral("SH_forcerespawn"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("SH_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_flashlight"), QStringLiteral("SH_flashlight"), QStringLiteral("1")),
        Check(QStringLiteral("mp_autocrosshair"), QStringLiteral("SH_autocrosshair"), QStringLiteral("1")),
    };
}

void TSciHunt::ShowModeDescription()
{
    TFScihunt* w = Win();
    if (!w)
        return;
    const QString text = ModeDescription(w->SH_realistic->currentIndex());
    if (!text.isEmpty())
        w->SH_realistic->setToolTip(text);
}

void TSciHunt::ListAvailableMaps()
{
    TFScihunt* w = Win();
    if (!w)
        return;
    // Jumbot plays only the maps it has waypoints for: <moddir>\wpfiles\<map>.jrf.
    UInit::ListMaps(w->MapDispo, State.ModMapsDir, w->MapLabel, MapConfigFolder(), State.Config, QString(),
                    WaypointFolderPath(), QStringLiteral(".jrf"));
}

QString TSciHunt::WaypointFolderPath() const
{
    return FileSys::JoinPath(ModDir(), QStringLiteral("wpfiles"));
}

QString TSciHunt::MapConfigFolder() const
{
    return State.ModMapsDir;
}

bool TSciHunt::LaunchWriters(QString&)
{
    return true;
}

void TSciHunt::LoadModDefaults()
{
    TFScihunt* w = Win();
    if (!w)
        return;
    Jumbot::ApplyDefaults(*w, QStringLiteral("SH"), JumbotCommands());
    Jumbot::ApplyDefaults(*w, QString(), ShconfigCommands());
    for (QPlainTextEdit* memo : {w->SH_Chatkill, w->SH_Chatdied, w->SH_Arsenal}) {
        const QSignalBlocker block(memo);
        memo->clear();
    }
    ShowModeDescription();
}

void TSciHunt::LoadConf()
{
    TFScihunt* w = Win();
    if (!w)
        return;
    LoadDefaults();
    ReadGameCfg();
    ReadShconfigCfg();
    QString startMap;
    ReadJumbotCfg(startMap);
    ReadWaypointKeys();
    UQOR::ReadMapCycle(QStringLiteral("N"), ModDir(), State.ModMapsDir, w->MapCycle);
    // The start map is kept as the "map" line of jumbot.cfg, not in the map cycle.
    if (!startMap.isEmpty() && UQOR::IsMapPresent(startMap, State.ModMapsDir)) {
        const QSignalBlocker block(w->MapCycle);
        w->MapCycle->insertItem(0, startMap);
    }
    ReadBotsFile();
    ReadChatFile();
    ReadArsenal();
    State.Modified = 0;
}

void TSciHunt::RestoreDefaults()
{
    LoadDefaults();
    // The bots, chat and arsenal files are the mod's own: they are read again, not emptied.
    ReadArsenal();
    ReadBotsFile();
    ReadChatFile();
}

void TSciHunt::ReadShconfigCfg()
{
    TFScihunt* w = Win();
    if (!w)
        return;
    const UInit::TLoadingGuard loading;
    if (!Jumbot::ReadFile(*w, QString(), FileSys::JoinPath(ModDir(), kShconfig), ShconfigCommands()))
        Dialogs::ShowError(QStringLiteral("Can't find Shconfig.cfg in ") + NativePath(ModDir()) +
                               QStringLiteral(". All params are set to default."),
                           w);
}

void TSciHunt::ReadJumbotCfg(QString& startMap)
{
    TFScihunt* w = Win();
    if (!w)
        return;
    const UInit::TLoadingGuard loading;
    if (!Jumbot::ReadFile(*w, QStringLiteral("SH"), FileSys::JoinPath(BotFilesDir(), kJumbotCfg),
                          JumbotCommands(), &startMap))
        Dialogs::ShowError(QStringLiteral("Can't find jumbot.cfg in ") + NativePath(BotFilesDir()) +
                               QStringLiteral(". All params are set to default."),
                           w);
    // A listen server holds the host and 31 others: a hand-edited count stays in the field's range.
    w->spawnbot->SetValue(w->spawnbot->ClampedValue(4));
}

void TSciHunt::ReadWaypointKeys()
{
    TFScihunt* w = Win();
    if (!w)
        return;
    const UInit::TLoadingGuard loading;
    for (const TWaypointKey& k : WaypointKeys()) {
        QString value;
        UQOR::AccessModSetting(k.Setting, QString(), QStringLiteral("Read"), value);
        auto* chooser = w->Control<QComboBox>(k.Chooser);
        if (!chooser || value.trimmed().isEmpty())
            continue;
        // A key the table does not know chooses nothing (no key, no bind).
        const QSignalBlocker block(chooser);
        chooser->setCurrentIndex(chooser->findText(value));
    }
}

void TSciHunt::ReadBotsFile()
{
    TFScihunt* w = Win();
    if (!w)
        return;
    const UInit::TLoadingGuard loading;
    ClearBotList(*w);
    QVector<TBot>& bots = Bots();
    const QString name = w->SH_botfile->text();
    const QString path = FileSys::JoinPath(BotFilesDir(), name);
    QStringList lines;
    if (name.isEmpty() || !FileSys::FileExists(path)) {
        Dialogs::ShowWarning(QStringLiteral("Bots definition file empty. No bot loaded.\r\n"
                                            "You must select another bot file."),
                             w);
        const QSignalBlocker block(w->SH_botfile);
        w->SH_botfile->clear();
        w->GB_BotProp->hide();
        return;
    }
    if (!FileSys::ReadLines(path, lines))
        Dialogs::ShowError(QStringLiteral("Can't read ") + NativePath(path) + QStringLiteral("."), w);
    QVector<QPair<QString, QString>> renamed;
    for (const QString& line : std::as_const(lines)) {
        TBot bot;
        QString asRead;
        if (bots.size() >= kMaxBots || !line.startsWith(QStringLiteral("bot")) ||
            !ParseBotsFileLine(line, bot, &asRead))
            continue;
        bots.append(bot);
        if (asRead != bot[0])
            renamed.append({asRead, bot[0]});
    }
    if (!renamed.isEmpty())
        Dialogs::ShowWarning(ModWriters::RenamedBotsNote(path, renamed), w);
    ListReadBots(*w);
    ShowFirstBot(*w);
}

void TSciHunt::ReadChatFile()
{
    TFScihunt* w = Win();
    if (!w)
        return;
    const UInit::TLoadingGuard loading;
    for (QPlainTextEdit* memo : {w->SH_Chatkill, w->SH_Chatdied}) {
        const QSignalBlocker block(memo);
        memo->clear();
    }
    const QString name = w->SH_chatfile->text();
    const QString path = FileSys::JoinPath(BotFilesDir(), name);
    QStringList lines;
    if (name.isEmpty() || !FileSys::FileExists(path)) {
        Dialogs::ShowError(QStringLiteral("Can't find chat configuration file ") + name + QStringLiteral(" in ") +
                               NativePath(BotFilesDir()) + QStringLiteral(". No chat will be loaded."),
                           w);
        const QSignalBlocker block(w->SH_chatfile);
        w->SH_chatfile->clear();
        return;
    }
    if (!FileSys::ReadLines(path, lines)) {
        // Saving would replace the file with the empty memos: the name goes, the file stays.
        Dialogs::ShowError(QStringLiteral("Can't read ") + NativePath(path) +
                               QStringLiteral(". No chat will be loaded."),
                           w);
        const QSignalBlocker block(w->SH_chatfile);
        w->SH_chatfile->clear();
        return;
    }
    QStringList kill;
    QStringList died;
    ParseChatFile(lines, kill, died);
    SetMemo(w->SH_Chatkill, kill);
    SetMemo(w->SH_Chatdied, died);
}

void TSciHunt::ReadArsenal()
{
    TFScihunt* w = Win();
    if (!w)
        return;
    {
        const QSignalBlocker block(w->SH_Arsenal);
        w->SH_Arsenal->clear();
        QStringList lines;
        const QString name = w->SH_weapfileloc->text();
        const QString path = FileSys::JoinPath(ArsenalsDir(), name);
        if (!name.isEmpty() && FileSys::FileExists(path) && FileSys::ReadLines(path, lines))
            SetMemo(w->SH_Arsenal, lines);
    }
    // The arsenal shown is the one the next save writes (LoadConf clears the mark at its end).
    w->Modif_Param();
}

void TSciHunt::ClearBotFields()
{
    TModLogic::ClearBotFields();
    if (TFScihunt* w = Win()) {
        w->SH_botparam1->SetText(QStringLiteral("0"));
        w->SH_botparam2->SetText(QStringLiteral("0"));
    }
}

void TSciHunt::ShowBotRecord(const TBot& bot)
{
    TModLogic::ShowBotRecord(bot);
    if (TFScihunt* w = Win()) {
        w->SH_botparam2->SetText(bot[4]);
        w->SH_botparam1->SetText(bot[3]);
    }
}

bool TSciHunt::MayCreateBot()
{
    TFScihunt* w = Win();
    if (w && w->SH_botfile->text().isEmpty()) {
        Dialogs::ShowError(QStringLiteral("You must enter a bot configuration file first."), w);
        return false;
    }
    return true;
}

TBot TSciHunt::NewBot(bool random)
{
    TBot bot;
    TFScihunt* w = Win();
    if (!random || !w) {
        bot[0] = QStringLiteral("NewBot");
        bot[1] = QStringLiteral("gordon");
        bot[2] = QStringLiteral("0");
        bot[3] = QStringLiteral("10");
        bot[4] = QStringLiteral("10");
        return bot;
    }
    // A drawn name keeps the rule of a typed one (Dr"Kleiner; is drawn as DrKleiner).
    bot[0] = BotName(UQOR::PickRandomBotName(w->ListBot));
    if (bot[0].isEmpty())
        bot[0] = QStringLiteral("NewBot");
    const int models = w->botmodel->count();
    bot[1] = models > 0 ? w->botmodel->itemText(UQOR::RandomInRange(0, models - 1)) : QStringLiteral("gordon");
    bot[2] = QString::number(UQOR::RandomInRange(1, 4));
    bot[3] = QString::number(UQOR::RandomInRange(0, 255));
    bot[4] = QString::number(UQOR::RandomInRange(0, 255));
    return bot;
}

bool TSciHunt::CheckConf()
{
    TFScihunt* w = Win();
    if (!w)
        return false;
    bool ok = true;
    auto fail = [&ok, w](const QString& text) {
        Dialogs::ShowError(text, w);
        ok = false;
    };
    if (!FileSys::DirectoryExists(ModDir()))
        fail(QStringLiteral("Can't find ") + NativePath(ModDir()));
    if (w->MapCycle->count() == 0)
        fail(QStringLiteral("You must select a starting map."));
    // The number of bots to spawn decides, not the length of the list.
    if (!w->SH_WayMode->isChecked()) {
        if (w->SH_botfile->text().trimmed().isEmpty())
            fail(QStringLiteral("You must select a bots configuration file."));
        else if (w->spawnbot->Value(0) == 0)
            fail(QStringLiteral("You must have at least one bot to play."));
    }
    if (w->SH_botchat->isChecked() && w->SH_chatfile->text().trimmed().isEmpty())
        fail(QStringLiteral("you must select a bots chat file."));
    // The chat file holds 31 lines a section: more would be dropped without a word.
    for (const auto& [memo, what] : {std::pair{w->SH_Chatkill, "after killing"},
                                     std::pair{w->SH_Chatdied, "after being killed"}}) {
        const qsizetype lines = ChatSection(MemoLines(memo)).size();
        if (!w->SH_chatfile->text().isEmpty() && lines > ChatLines)
            fail(QStringLiteral("The bots say ") + QString::number(lines) + QStringLiteral(" lines ") +
                 QString::fromLatin1(what) + QStringLiteral(", but the chat file keeps only ") +
                 QString::number(ChatLines) + QStringLiteral(". Remove some of them first."));
    }
    return ok;
}

bool TSciHunt::SaveConf()
{
    TFScihunt* w = Win();
    if (!w)
        return false;
    QString error;
    const bool written = WriteGameCfg(error) && WriteShconfigCfg(error) && WriteJumbotCfg(error) &&
                         WriteWaypointKeys(error);
    if (!written) {
        ReportSaveError(error);
        return false;
    }
    if (!UQOR::WriteMapCycle(QStringLiteral("N"), ModDir(), w->MapCycle, &error)) {
        ReportSaveError(error.isEmpty() ? QStringLiteral("Can't write ") +
                                              NativePath(FileSys::JoinPath(ModDir(), QStringLiteral("mapcycle.txt")))
                                        : error);
        return false;
    }
    if (!WriteBotsFile(error) || !WriteChatFile(error) || !WriteArsenal(error)) {
        ReportSaveError(error);
        return false;
    }
    State.Modified = 0;
    return true;
}

bool TSciHunt::WriteShconfigCfg(QString& error)
{
    const TFScihunt* w = Win();
    return w && ModWriters::WriteFile(
                    FileSys::JoinPath(ModDir(), kShconfig),
                    Jumbot::FileLines(*w, QString(), QString(), ShconfigCommands(),
                                      {QStringLiteral("echo \"The scihunt.cfg file has been executed.\"")}),
                    error);
}

bool TSciHunt::WriteJumbotCfg(QString& error)
{
    const TFScihunt* w = Win();
    if (!w)
        return false;
    const QString first = w->MapCycle->count() > 0 ? w->MapCycle->item(0)->text() : QString();
    // The waypoint editor's switches only while playing in edit mode.
    QStringList tail;
    if (w->SH_WayMode->isChecked())
        tail << QStringLiteral("wp_edit 1") << QStringLiteral("wp_vis 1");
    tail << Jumbot::FixedTailLines();
    FileSys::MakeDirs(BotFilesDir());
    return ModWriters::WriteFile(FileSys::JoinPath(BotFilesDir(), kJumbotCfg),
                                 Jumbot::FileLines(*w, QStringLiteral("SH"), first, JumbotCommands(), tail), error);
}

bool TSciHunt::WriteWaypointKeys(QString& error)
{
    const TFScihunt* w = Win();
    if (!w)
        return false;
    QStringList binds;
    for (const TWaypointKey& k : WaypointKeys()) {
        const QString shown = w->Control<QComboBox>(k.Chooser)->currentText();
        QString result;
        if (!UQOR::AccessModSetting(k.Setting, shown, QStringLiteral("Write"), result)) {
            error = QStringLiteral("Can't write ") + NativePath(UInit::AppFile(QStringLiteral("QOR.ini"))) +
                    (result.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + result);
            return false;
        }
        QString key;
        UInit::KeyToHLKey(shown, key);
        if (!key.isEmpty())
            binds << ModWriters::BindLine(key, k.Command);
    }
    const QString path = FileSys::JoinPath(ModDir(), QStringLiteral("config.cfg"));
    if (!FileSys::FileExists(path)) {
        // The game's own settings are the start of the mod's: copied, not made up.
        const QString valve = FileSys::JoinPath(UInit::HLPath, QStringLiteral("valve\\config.cfg"));
        if (FileSys::FileExists(valve) && !FileSys::CopyFile(valve, path)) {
            error = QStringLiteral("Can't copy ") + NativePath(valve) + QStringLiteral(" to ") + NativePath(path) +
                    QStringLiteral(".");
            return false;
        }
    }
    // Neither the mod nor the game has one yet: a file of binds alone would stand in for the
    // player's settings and leave every other key unbound. The keys are kept in QOR.ini and
    // bound at the next save after the game has written its own.
    if (!FileSys::FileExists(path)) {
        if (!binds.isEmpty())
            Dialogs::ShowInfo(ModWriters::BindWaitsNote(path), Win());
        return true;
    }
    return ModWriters::RewriteConfigLines(path, IsWaypointBind, binds, error);
}

bool TSciHunt::WriteBotsFile(QString& error)
{
    const TFScihunt* w = Win();
    if (!w || w->SH_botfile->text().isEmpty())
        return true;
    FileSys::MakeDirs(BotFilesDir());
    QVector<TBot> bots = Bots();
    bots.resize(qMin<int>(State.BotCount, bots.size()));
    return ModWriters::WriteFile(FileSys::JoinPath(BotFilesDir(), w->SH_botfile->text()), BotsFileLines(bots),
                                 error);
}

bool TSciHunt::WriteChatFile(QString& error)
{
    const TFScihunt* w = Win();
    if (!w || w->SH_chatfile->text().isEmpty())
        return true;
    FileSys::MakeDirs(BotFilesDir());
    return ModWriters::WriteFile(FileSys::JoinPath(BotFilesDir(), w->SH_chatfile->text()),
                                 ChatFileLines(MemoLines(w->SH_Chatkill), MemoLines(w->SH_Chatdied)), error);
}

bool TSciHunt::WriteArsenal(QString& error)
{
    const TFScihunt* w = Win();
    if (!w || w->SH_weapfileloc->text().isEmpty())
        return true;
    FileSys::MakeDirs(ArsenalsDir());
    return ModWriters::WriteFile(FileSys::JoinPath(ArsenalsDir(), w->SH_weapfileloc->text()),
                                 MemoLines(w->SH_Arsenal), error);
}

TSciHunt& Logic()
{
    static TSciHunt logic;
    return logic;
}

} // namespace USciHunt

void RegisterMod_scihunt() { RegisterModWindow<TFScihunt>(USciHunt::Logic(), FScihunt); }
