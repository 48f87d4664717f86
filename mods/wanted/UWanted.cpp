#include "mods/wanted/UWanted.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/BotFiles.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/wanted/UFWanted.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "ui/NumberEdit.h"

#include <QGroupBox>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QSignalBlocker>

namespace UWanted {

namespace {

const QString kBotExt = QStringLiteral(".bot");
const QString kPlainModel = QStringLiteral("ramone");
const QString kPlainSkill = QStringLiteral("1");
const QString kPlainColor = QStringLiteral("10");

using ModControls::NativePath;

TModTraits WantedTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Wantedhl");
    s.Prefix = QStringLiteral("WT");
    s.Title = QStringLiteral("Wanted !");
    s.ShortName = QStringLiteral("Wanted");
    s.PageControl = QStringLiteral("PC_Wanted");
    s.DefaultModel = kPlainModel;
    s.DefaultSkill = kPlainSkill;
    // A bot's name is its file's name: nothing a file name cannot hold, and no dot, so the name
    // is never taken for a name with an extension.
    s.ForbiddenNameChars = QStringLiteral("*./?\\:<>|");
    s.HasChatPage = false;
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.Models = TModelSource::ModFills;
    s.ReadsBotSection = false;
    s.WaypointKey.clear();
    s.Profile.PictureFolder = QStringLiteral("Wanted\\");
    // The fixed entries stay in the available list, and the cycle takes any name.
    s.Profile.FixedMapList = true;
    s.TemplateControls = {
        {.Name = "WT_spawnbot", .As = "WT_defaultbots"},
        {.Name = "LabelDefSkill", .Caption = "Bot difficulty"},
        {.Name = "Label13", .Caption = "Tenderfoot"},
        {.Name = "Label15", .Caption = "Real mean"},
    };
    return s;
}

// A whole number within low..high, or fallback for a text that is none.
QString InRange(const QString& value, int low, int high, const QString& fallback)
{
    bool ok = false;
    const int v = value.trimmed().toInt(&ok);
    return ok ? QString::number(qBound(low, v, high)) : fallback;
}

// The text after the key's ":" on a line that holds the key, trimmed.
bool KeyValue(const QString& line, const QString& key, QString& value)
{
    const qsizetype at = line.toLower().indexOf(key);
    if (at < 0)
        return false;
    value = line.mid(at + key.size()).trimmed();
    return true;
}

// The names of the folder's .bot files (without the extension), in the folder listing's order.
QStringList FolderBotNames(const QString& folder)
{
    QStringList names;
    for (const QString& file : FileSys::ListFiles(FileSys::Resolve(folder), QStringLiteral("*.bot"))) {
        const QString name = file.chopped(kBotExt.size());
        if (BotFiles::IsFileStem(name))
            names << name;
    }
    return names;
}

TFWanted* Win()
{
    return qobject_cast<TFWanted*>(Logic().Form());
}

} // namespace

const QStringList& FixedMaps()
{
    static const QStringList maps{
        QStringLiteral("canyon *"),   QStringLiteral("ctc1 *"),      QStringLiteral("ctc2 *"),
        QStringLiteral("ctc3 *"),     QStringLiteral("fortdm *"),    QStringLiteral("hn_desp *"),
        QStringLiteral("hn_fort *"),  QStringLiteral("hn_highnoon"), QStringLiteral("hn_mexnoon *"),
        QStringLiteral("imagic *"),   QStringLiteral("mariano *"),   QStringLiteral("mineyard *"),
        QStringLiteral("oneclaw *"),  QStringLiteral("ridge *"),     QStringLiteral("serino *"),
        QStringLiteral("showdm *"),   QStringLiteral("wanted *")};
    return maps;
}

const QStringList& ModelNames()
{
    static const QStringList models{
        QStringLiteral("bandito"),  QStringLiteral("bounty"),     QStringLiteral("cowboy"),
        QStringLiteral("deputy"),   QStringLiteral("drifter"),    QStringLiteral("gambler"),
        QStringLiteral("gunslinger"), QStringLiteral("indian"),   QStringLiteral("marshal"),
        QStringLiteral("mexican"),  QStringLiteral("outlaw"),     QStringLiteral("preacher"),
        QStringLiteral("ramone"),   QStringLiteral("ranger"),     QStringLiteral("sheriff"),
        QStringLiteral("trapper")};
    return models;
}

QStringList BotFileContents(const TBot& bot)
{
    // The values a reader takes: a record edited by hand never gives the mod a skill of "abc".
    const QString model = bot[1].trimmed().isEmpty() ? kPlainModel : bot[1].trimmed();
    return {
        QStringLiteral("// Bot configuration file"),
        QString(),
        QStringLiteral("// Deatmatch model"),
        QStringLiteral("Model: ") + model,
        QString(),
        QStringLiteral("// Skill level (1-5)"),
        QStringLiteral("Skill: ") + InRange(bot[2], 1, 5, kPlainSkill),
        QString(),
        QStringLiteral("// Deathmatch colors (0-254)"),
        QStringLiteral("Topcolor: ") + InRange(bot[4], 0, 254, kPlainColor),
        QStringLiteral("Bottomcolor: ") + InRange(bot[3], 0, 254, kPlainColor),
    };
}

void ReadBotFile(const QStringList& lines, TBot& bot)
{
    QString model, skill, top, bottom;
    for (const QString& line : lines) {
        // A comment is no setting, whatever words it holds.
        if (line.trimmed().startsWith(QLatin1String("//")))
            continue;
        QString value;
        if (KeyValue(line, QStringLiteral("bottomcolor:"), value))
            bottom = value;
        else if (KeyValue(line, QStringLiteral("topcolor:"), value))
            top = value;
        else if (KeyValue(line, QStringLiteral("model:"), value))
            model = value;
        else if (KeyValue(line, QStringLiteral("skill:"), value))
            skill = value;
    }
    bot[1] = model.isEmpty() ? kPlainModel : model;
    bot[2] = InRange(skill, 1, 5, kPlainSkill);
    bot[3] = InRange(bottom, 0, 254, kPlainColor);
    bot[4] = InRange(top, 0, 254, kPlainColor);
}

TWanted::TWanted() : TModLogic(WantedTraits()) {}

TCvarTable TWanted::Cvars() const
{
    using namespace ModCvars;
    TCvarRow botSkill = Number(QStringLiteral("sv_botskill"), QStringLiteral("WT_defskill"), QStringLiteral("1"));
    botSkill.Tail.clear();   // the slider's position, no decimals
    return {
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("WT_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("WT_timelimit"), QStringLiteral("0")),
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("WT_fallreal"), QStringLiteral("WT_fallnorm")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("WT_friendlyfire"), QStringLiteral("0")),
        Check(QStringLiteral("mp_weaponstay"), QStringLiteral("WT_weaponstay"), QStringLiteral("0")),
        Check(QStringLiteral("mp_forcerespawn"), QStringLiteral("WT_forcerespawn"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("WT_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_flashlight"), QStringLiteral("WT_flashlight"), QStringLiteral("1")),
        Check(QStringLiteral("mp_autocrosshair"), QStringLiteral("WT_autocrosshair"), QStringLiteral("1")),
        Number(QStringLiteral("sv_defaultbots"), QStringLiteral("WT_defaultbots"), QStringLiteral("3")),
        Check(QStringLiteral("sv_adjbotskill"), QStringLiteral("WT_adjbotskill"), QStringLiteral("0")),
        botSkill,
    };
}

void TWanted::ListAvailableMaps()
{
    TModWindow* w = Form();
    if (!w || !w->MapDispo)
        return;
    // The fixed entries first, then the folder's maps beside them: the list is rebuilt from
    // those alone, so Restore Default never lists a map twice.
    {
        const QSignalBlocker block(w->MapDispo);
        w->MapDispo->clear();
        w->MapDispo->addItems(FixedMaps());
    }
    State.WaypointFolder = QStringLiteral("maps");
    State.WaypointExt = QStringLiteral(".nav");
    State.RequiredWaypointExt.clear();
    TModLogic::ListAvailableMaps();
}

void TWanted::FillModelChooser()
{
    if (TModWindow* w = Form())
        UInit::ReplaceChooserItems(w->botmodel, ModelNames());
}

void TWanted::ClearBotFields()
{
    TModLogic::ClearBotFields();
    if (TFWanted* w = Win()) {
        w->WT_botparam1->SetText(QString());
        w->WT_botparam2->SetText(QString());
    }
}

void TWanted::ShowBotRecord(const TBot& bot)
{
    TModLogic::ShowBotRecord(bot);
    if (TFWanted* w = Win()) {
        w->WT_botparam2->SetText(bot[4]);
        w->WT_botparam1->SetText(bot[3]);
    }
}

TBot TWanted::NewBot(bool random)
{
    TBot bot = TModLogic::NewBot(random);
    if (!random) {
        bot[3] = kPlainColor;
        bot[4] = kPlainColor;
        return bot;
    }
    bot[3] = QString::number(UQOR::RandomInRange(0, 254));
    bot[4] = QString::number(UQOR::RandomInRange(0, 254));
    return bot;
}

bool TWanted::CheckConf()
{
    bool ok = TModLogic::CheckConf();
    QStringList stems;
    for (const TBot& bot : Records())
        stems << BotFiles::FileStem(bot[0]);
    const QString twice = BotFiles::DuplicateName(stems);
    if (!twice.isEmpty()) {
        Dialogs::ShowError(BotFiles::DuplicateMessage(twice, QStringLiteral("its .bot file")), Form());
        ok = false;
    }
    return ok;
}

QString TWanted::BotCyclePath() const
{
    return FileSys::JoinPath(ModDir(), QStringLiteral("botcycle.txt"));
}

QString TWanted::BotsFolder() const
{
    return FileSys::JoinPath(ModDir(), QStringLiteral("bots"));
}

bool TWanted::WriteBotCycle(QString& error)
{
    return ModWriters::WriteFile(FileSys::Resolve(BotCyclePath()), FolderBotNames(BotsFolder()), error);
}

void TWanted::ReadBotFiles()
{
    TModWindow* w = Form();
    if (!w || !w->ListBot)
        return;
    const UInit::TLoadingGuard loading;
    ClearBotList(*w);
    QVector<TBot>& bots = Bots();
    m_readNames.clear();
    m_unreadable.clear();

    const QString cycle = FileSys::Resolve(BotCyclePath());
    const bool missing = !FileSys::FileExists(cycle);
    QStringList lines;
    if (missing) {
        // The mod lists its bots in botcycle.txt: made from the bot files there are, and read
        // from them as it would be read from the new file.
        lines = FolderBotNames(BotsFolder());
        QString error;
        if (FileSys::DirectoryExists(ModDir()) && !WriteBotCycle(error))
            Dialogs::ShowError(error, w);
    } else if (!FileSys::ReadLines(cycle, lines)) {
        Dialogs::ShowError(QStringLiteral("Can't read ") + NativePath(cycle) + QStringLiteral("."), w);
    }

    QSet<QString> seen;
    for (const QString& line : std::as_const(lines)) {
        const QString name = line.trimmed();
        // A name that would lead out of the bots folder names no bot file; the same name twice
        // is the same bot.
        if (!BotFiles::IsFileStem(name) || seen.contains(name.toLower()))
            continue;
        const QString file = FileSys::Resolve(FileSys::JoinPath(BotsFolder(), name + kBotExt));
        if (!FileSys::FileExists(file))
            continue;
        seen.insert(name.toLower());
        m_readNames << name;
        QStringList botLines;
        if (!FileSys::ReadLines(file, botLines)) {
            m_unreadable.insert(name.toLower());
            Dialogs::ShowError(QStringLiteral("Can't read ") + NativePath(file) +
                                   QStringLiteral(": the bot is left out, its file is kept."),
                               w);
            continue;
        }
        TBot bot;
        bot[0] = ModWriters::CleanBotName(name, false);
        ReadBotFile(botLines, bot);
        bots.append(bot);
    }
    ListReadBots(*w);
    if (missing && bots.isEmpty())
        Dialogs::ShowWarning(QStringLiteral("Bots definition file empty. No bot loaded.\r\n"
                                            "You must create your own bots."),
                             w);

    ShowFirstBot(*w);
}

bool TWanted::WriteBotFiles(QString& error)
{
    const QVector<TBot> bots = Records();
    const int count = qMin<int>(State.BotCount, bots.size());
    QStringList stems;
    QList<QStringList> files;
    for (int i = 0; i < count; ++i) {
        stems << BotFiles::FileStem(bots[i][0]);
        files << BotFileContents(bots[i]);
    }
    const QString twice = BotFiles::DuplicateName(stems);
    if (!twice.isEmpty()) {
        error = BotFiles::DuplicateMessage(twice, QStringLiteral("its .bot file"));
        return false;
    }
    // The bots listed when they were read, and those the file lists now (it may have been
    // edited since): whichever is no longer a bot loses its file.
    QStringList gone = m_readNames;
    QStringList listed;
    const QString cycle = FileSys::Resolve(BotCyclePath());
    if (FileSys::FileExists(cycle) && FileSys::ReadLines(cycle, listed))
        gone << listed;
    gone.removeIf([this](const QString& n) { return m_unreadable.contains(n.trimmed().toLower()); });
    if (!BotFiles::ReplaceFiles(BotsFolder(), kBotExt, stems, files, BotCyclePath(), stems, gone, error))
        return false;
    m_readNames = stems;
    return true;
}

TWanted& Logic()
{
    static TWanted logic;
    return logic;
}

} // namespace UWanted

void RegisterMod_wanted() { RegisterModWindow<TFWanted>(UWanted::Logic(), FWanted); }
