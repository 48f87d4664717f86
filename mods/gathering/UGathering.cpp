#include "mods/gathering/UGathering.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/GameSettings.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/common/TeamPanel.h"
#include "mods/gathering/UFGathering.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"

#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QSet>
#include <QSignalBlocker>

namespace UGathering {

namespace {

const QString kTab2 = QStringLiteral("\t\t");

TModTraits GatheringTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Gathering");
    s.Prefix = QStringLiteral("GA");
    s.Title = QStringLiteral("The Gathering");
    s.ShortName = QStringLiteral("Gathering ");
    s.PageControl = QStringLiteral("PC_Gathering");
    s.DefaultModel = QStringLiteral("gordon");
    s.DefaultSkill = QStringLiteral("1");
    s.ForbiddenNameChars = QStringLiteral("<>");
    s.HasChatPage = false;
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.Models = TModelSource::ModFills;
    s.ReadsBotSection = false;
    s.WaypointKey.clear();
    s.MapConfig = true;
    s.MapConfigMarks = true;
    s.MapConfigOpens = true;
    s.DefaultsEmptyMapCycle = true;
    s.EveryBotJoins = true;
    s.Profile.PictureFolder = QStringLiteral("Gathering\\");
    s.Profile.PreviewFollows = true;
    s.TemplateControls = {
        {.Name = "SpeedButton13", .As = "NextModel"},
        {.Name = "SpeedButton14", .As = "PrevModel"},
    };
    return s;
}

// The commands of a line as the engine splits it: at every ";" outside double quotes (a "//"
// comment does not stop it).
QStringList Commands(const QString& line)
{
    QStringList parts;
    QString part;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(';') && !quoted) {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    return parts;
}

// A command's name, lower case ("" for a comment or nothing): its first word, as the engine
// takes it after the white space before it.
QString CommandName(const QString& command)
{
    qsizetype start = 0;
    while (start < command.size() && (command[start].unicode() <= 0x20 || command[start].unicode() >= 0x80))
        ++start;
    if (command.mid(start, 2) == QLatin1String("//"))
        return QString();
    qsizetype end = start;
    if (end < command.size() && command[end] == QLatin1Char('"')) {
        const qsizetype close = command.indexOf(QLatin1Char('"'), start + 1);
        return command.mid(start + 1, (close < 0 ? command.size() : close) - start - 1).toLower();
    }
    while (end < command.size() && command[end].unicode() > 0x20 && command[end].unicode() < 0x80)
        ++end;
    return command.mid(start, end - start).toLower();
}

} // namespace

const QStringList& ModelNames()
{
    static const QStringList models{
        QStringLiteral("alien"),     QStringLiteral("barney"),      QStringLiteral("bdroid_a"),
        QStringLiteral("bdroid_b"),  QStringLiteral("bdroid_c"),    QStringLiteral("gina"),
        QStringLiteral("gman"),      QStringLiteral("gordon"),      QStringLiteral("helmet"),
        QStringLiteral("hgrunt"),    QStringLiteral("mandalorian"), QStringLiteral("predator3"),
        QStringLiteral("recon"),     QStringLiteral("robo"),        QStringLiteral("scientist"),
        QStringLiteral("spawn"),     QStringLiteral("uscm"),        QStringLiteral("zombie")};
    return models;
}

AddbotFile::TFormat BotFormat()
{
    AddbotFile::TFormat f;
    f.BareModel = QStringLiteral("gordon");
    f.BareSkill = QStringLiteral("0");
    f.NoNameSkill = QStringLiteral("1");
    f.NoSkillSkill = QStringLiteral("1");
    f.MinSkill = 0;
    f.MaxSkill = 5;
    f.SkillAlways = true;
    f.EngineTokens = true;
    f.ForbiddenNameChars = QStringLiteral("<>");
    return f;
}

QStringList MultiplayerLines(const TModWindow& w, const TCvarTable& rows, const QStringList& old)
{
    auto value = [&](const char* cvar) {
        for (const TCvarRow& row : rows)
            if (row.Cvar == QLatin1String(cvar))
                return ModCvars::WrittenValue(w, row);
        return QString();
    };
    const bool teamplay = w.TeamPanel && w.TeamPanel->IsTeamplay();
    QStringList lines{
        QStringLiteral("echo \"#1 - Multiplayer.cfg Loaded\""),
        QStringLiteral("// Multiplayer Config File"),
        QString(),
        QStringLiteral("hostname \"The Gathering v2.3\""),
        QString(),
        QStringLiteral("log off"),
        QString(),
        QStringLiteral("deathmatch") + kTab2 + (teamplay ? QStringLiteral("0") : QStringLiteral("1")),
        QStringLiteral("mp_teamplay") + kTab2 + (teamplay ? QStringLiteral("1") : QStringLiteral("0")),
        QStringLiteral("mp_teamoverride\t\t1"),
        QStringLiteral("mp_teamlist") + kTab2 + QLatin1Char('"') + value("mp_teamlist") + QLatin1Char('"'),
        QStringLiteral("mp_allowmonsters\t\t0"),
        QString(),
    };
    for (const char* cvar : {"mp_fraglimit", "mp_timelimit", "mp_friendlyfire", "mp_weaponstay",
                             "mp_forcerespawn", "mp_footsteps", "mp_flashlight", "mp_autocrosshair"})
        lines << ModCvars::CvarLine(QString::fromLatin1(cvar), value(cvar));
    lines << ModCvars::SendVelocityLine()
          << QString()
          << QStringLiteral("// Disable the bots from joining")
          << QStringLiteral("sv_disable_bots\t\t0")
          << QString()
          << QStringLiteral("sv_password\t\t\"\"")
          << QStringLiteral("sv_maxrate\t\t\"7500\"")
          << QStringLiteral("sv_minrate\t\t\"0\"")
          << QStringLiteral("sv_allowupload\t\t1")
          << QStringLiteral("sv_allowdownload\t\t1")
          << QString()
          << QStringLiteral("sv_cheats\t\t0")
          << QString()
          << QStringLiteral("motd_display_time\t\t10 ")
          << QString()
          << QStringLiteral("decalfrequency\t\t20")
          << QString()
          << QStringLiteral("mapcyclefile\t\t\"mapcycle.txt\"")
          << QStringLiteral("servercfgfile\t\t\"server.cfg\"")
          << QStringLiteral("lservercfgfile\t\t\"listenserver.cfg\"")
          << QString()
          << QStringLiteral("sv_gravity 800")
          << QString()
          << QStringLiteral("maxplayers 32")
          << QString()
          << QStringLiteral("// disable autoaim")
          << QStringLiteral("sv_aim 0")
          << QString()
          << QStringLiteral("// player bounding boxes (collisions, not clipping)")
          << QStringLiteral("sv_clienttrace 3.5")
          << QString()
          << QStringLiteral("// disable clients' ability to pause the server")
          << QStringLiteral("pausable 0")
          << QString()
          << QStringLiteral("// Set your Remote Console password")
          << QStringLiteral("rcon_password\t\t\"\"");

    // The settings written above; "echo" only shows a text, and the user's own texts stay.
    QSet<QString> written;
    QSet<QString> own;
    for (const QString& line : std::as_const(lines)) {
        own.insert(line.trimmed());
        const QString name = CommandName(line);
        if (!name.isEmpty() && name != QLatin1String("echo"))
            written.insert(name);
    }
    for (const QString& line : old) {
        if (line.trimmed().isEmpty() || own.contains(line.trimmed()))
            continue;
        const QStringList commands = Commands(line);
        QStringList kept;
        for (const QString& c : commands)
            if (!written.contains(CommandName(c)))
                kept << c;
        if (kept.size() == commands.size())
            lines << line;
        else if (!kept.join(QString()).trimmed().isEmpty())
            lines << kept.join(QLatin1Char(';'));
    }
    return lines;
}

TGathering::TGathering() : TModLogic(GatheringTraits()) {}

TCvarTable TGathering::Cvars() const
{
    auto row = [](const char* cvar) { return GameSettings::Row(QStringLiteral("GA"), QString::fromLatin1(cvar)); };
    return {
        ModCvars::TeamListRow(),
        ModCvars::TeamplayRow(),
        row("mp_fraglimit"),
        row("mp_timelimit"),
        row("mp_friendlyfire"),
        row("mp_weaponstay"),
        row("mp_forcerespawn"),
        row("mp_footsteps"),
        row("mp_flashlight"),
        row("mp_autocrosshair"),
    };
}

bool TGathering::WriteGameCfg(QString& error)
{
    TModWindow* w = Form();
    if (!w)
        return false;
    const QString path = FileSys::Resolve(FileSys::JoinPath(ModDir(), GameCfgName()));
    QStringList old;
    if (FileSys::FileExists(path) && !FileSys::ReadLines(path, old)) {
        error = QStringLiteral("Can't read ") + ModControls::NativePath(path) + QStringLiteral(".");
        return false;
    }
    FileSys::MakeDirs(FileSys::JoinPath(ModDir(), QStringLiteral("cfg")));
    return ModWriters::WriteFile(path, MultiplayerLines(*w, Cvars(), old), error);
}

void TGathering::ListAvailableMaps()
{
    // A map's own configuration file lies beside it: <map>.cfg in the maps folder.
    State.WaypointFolder = QStringLiteral("maps");
    State.WaypointExt.clear();
    State.RequiredWaypointExt.clear();
    State.Config = QStringLiteral(".cfg");
    TModLogic::ListAvailableMaps();
}

void TGathering::FillModelChooser()
{
    TModWindow* w = Form();
    if (!w)
        return;
    UInit::ReplaceChooserItems(w->botmodel, ModelNames());
    if (w->TeamPanel && !w->TeamPanel->Teams.isEmpty() && w->TeamPanel->Teams.first()->count() == 0)
        w->TeamPanel->FillTeams(ModelNames());
}

QString TGathering::BotCfgPath() const
{
    return FileSys::JoinPath(ModDir(), QStringLiteral("cfg\\bot.cfg"));
}

void TGathering::ReadBotsIni()
{
    TModWindow* w = Form();
    if (!w || !w->ListBot)
        return;
    const UInit::TLoadingGuard loading;
    ClearBotList(*w);
    QVector<TBot>& bots = Bots();
    m_botFileUnreadable = false;

    AddbotFile::TContents contents;
    QString error;
    if (!AddbotFile::ReadFile(FileSys::Resolve(BotCfgPath()), BotFormat(), contents, error)) {
        if (error.isEmpty()) {
            Dialogs::ShowWarning(QStringLiteral("Bots definition file empty. No bot loaded.\r\n"
                                                "You must create your own bots."),
                                 w);
        } else {
            m_botFileUnreadable = true;
            Dialogs::ShowError(error + QStringLiteral("\r\nThe bot file is left as it is."), w);
        }
    }
    bots = contents.Bots;
    ListReadBots(*w);
    ShowFirstBot(*w);
}

bool TGathering::WriteBotsIni(QString& error)
{
    if (m_botFileUnreadable)
        return true;
    QVector<TBot> bots = Records();
    bots.resize(qMin<int>(State.BotCount, bots.size()));
    FileSys::MakeDirs(FileSys::JoinPath(ModDir(), QStringLiteral("cfg")));
    return ModWriters::WriteFile(FileSys::Resolve(BotCfgPath()), AddbotFile::AddbotLines(bots, BotFormat()), error);
}

TGathering& Logic()
{
    static TGathering logic;
    return logic;
}

} // namespace UGathering

void RegisterMod_gathering() { RegisterModWindow<TFGathering>(UGathering::Logic(), FGathering); }
