#include "mods/common/ModLogic.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/AddbotFile.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kDefault = QStringLiteral("Default");
// Saving erases stale bot sections up to this number only.
constexpr int kErasedSections = 32;
// A hand-edited count in the bot store must not make a load or a launch run for ever.
constexpr int kMaxStoredBots = 1024;

QString BotSection(int n) { return QStringLiteral("Bot ") + QString::number(n); }

using ModControls::NativePath;

} // namespace

namespace ModClasses {

QString ReadClassNumber(const QString& stored, int count, const QString& readDefault)
{
    bool ok = false;
    const int v = stored.trimmed().toInt(&ok);
    if (ok && v >= 1 && v <= count)
        return QString::number(v);
    return readDefault;
}

} // namespace ModClasses

TModLogic::TModLogic(TModTraits traits) : m_traits(std::move(traits))
{
    if (m_traits.PageControl.isEmpty())
        m_traits.PageControl = QStringLiteral("PC_") + m_traits.Key;
}

TModLogic::~TModLogic() = default;

TModRow* TModLogic::Row() const
{
    return ModTable::Find(m_traits.Key);
}

QString TModLogic::ModDir() const
{
    const TModRow* row = Row();
    return row ? row->Dir : QString();
}

QVector<TBot>& TModLogic::Bots()
{
    if (TModRow* row = Row())
        return row->Bots;
    // A module whose row is missing still gets a valid (private) array.
    static QVector<TBot> none;
    return none;
}

QVector<TBot> TModLogic::Records() const
{
    TModRow* row = Row();
    if (!row)
        return {};
    if (!row->Profile.OwnBotRecords)
        return row->Bots;
    QVector<TBot> bots(row->RocBots.size());
    for (int i = 0; i < bots.size(); ++i)
        for (int k = 0; k < int(TRocBot{}.s.size()); ++k)
            bots[i][k] = row->RocBots[i][k];
    return bots;
}

void TModLogic::SetRecords(QVector<TBot> bots)
{
    TModRow* row = Row();
    if (!row)
        return;
    if (!row->Profile.OwnBotRecords) {
        row->Bots = bots;
        return;
    }
    row->Bots.clear();
    row->RocBots.resize(bots.size());
    for (int i = 0; i < bots.size(); ++i)
        for (int k = 0; k < int(TRocBot{}.s.size()); ++k)
            row->RocBots[i][k] = bots[i][k];
}

void TModLogic::ResizeRecords(int count)
{
    TModRow* row = Row();
    if (!row)
        return;
    count = qMax(0, count);
    if (row->Profile.OwnBotRecords)
        row->RocBots.resize(count);
    else
        row->Bots.resize(count);
}

QString TModLogic::ModsIniPath() const
{
    const TModRow* row = Row();
    const QString stem = row && !row->ModsFile.isEmpty() ? row->ModsFile : m_traits.Key;
    return UInit::AppFile(QStringLiteral("Mods\\") + stem + QStringLiteral(".ini"));
}

QString TModLogic::BotsIniPath() const
{
    const QString rel = m_traits.BotsFile.isEmpty()
                            ? QStringLiteral("Bots\\") + m_traits.Prefix + QStringLiteral("_Bots.ini")
                            : m_traits.BotsFile;
    return UInit::AppFile(rel);
}

QString TModLogic::MapComFile() const
{
    return m_traits.MapComFile.isEmpty() ? m_traits.Prefix + QStringLiteral("_mapcom.ini")
                                       : m_traits.MapComFile;
}

int TModLogic::MaxSkill() const
{
    bool ok = false;
    const int v = State.MaxSkillText.trimmed().toInt(&ok);
    // Not a whole number: the sliders and the random skill fall back to the usual 5.
    if (!ok || v < 1)
        return 5;
    return v;
}

void TModLogic::SetForm(TModView* view)
{
    m_view = view;
}

QWidget* TModLogic::DialogParent() const
{
    return m_view ? m_view->DialogParent() : nullptr;
}

void TModLogic::ReadBotSection()
{
    const TIniFile mods(ModsIniPath());
    const QString s = UInit::SelectedBot;
    State.WaypointFolder = mods.ReadString(s, QStringLiteral("waypath"), QStringLiteral("maps"));
    State.WaypointExt = m_traits.WaypointKey.isEmpty() ? QString()
                                                       : mods.ReadString(s, m_traits.WaypointKey, QString());
    State.RequiredWaypointExt = m_traits.RequiredWaypointKey.isEmpty()
                                    ? QString()
                                    : mods.ReadString(s, m_traits.RequiredWaypointKey, QString());
    State.MaxSkillText = mods.ReadString(s, QStringLiteral("maxskill"), m_traits.MaxSkillDefault);
    State.ChatFileName = mods.ReadString(s, QStringLiteral("chatfile"), QString());
    State.Skill0 = mods.ReadString(s, QStringLiteral("skill0"), QStringLiteral("better"));
    State.BotEditor.clear();
    State.BotEditorPath.clear();
    State.Config.clear();
    if (m_traits.OutsideBotEditor) {
        State.BotEditor = mods.ReadString(s, QStringLiteral("BotEditor"), QString());
        State.BotEditorPath = mods.ReadString(s, QStringLiteral("BotEditorPath"), QString());
    }
    if (m_traits.MapConfig)
        State.Config = mods.ReadString(s, QStringLiteral("config"), QString());
    State.WaypointLegend = false;
    for (const QString& key : m_traits.LegendKeys)
        if (!mods.ReadString(s, key, QString()).isEmpty())
            State.WaypointLegend = true;
}

// ---------------------------------------------------------------- LoadConf and friends

void TModLogic::LoadConf()
{
    TModView* v = View();
    if (!v)
        return;
    if (TModTeams* teams = v->Teams())
        teams->ForgetTeamList();
    LoadDefaults();
    if (m_traits.WritesGameCfg)
        ReadGameCfg();
    v->ReadMapCycle(WaypointFolderPath());
    if (m_traits.HasBotsPage || m_traits.StoreWithoutBotsPage)
        ReadBotsIni();
    ReadChatMemo();
    // The teams read from game.cfg go into choosers that LoadDefaults has just filled.
    if (TModTeams* teams = v->Teams())
        teams->ApplyPendingTeamList();
    State.Modified = 0;
}

QString TModLogic::WaypointFolderPath() const
{
    return FileSys::JoinPath(ModDir(), State.WaypointFolder);
}

void TModLogic::ReadChatMemo()
{
    State.ChatUnreadable = false;
    TModView* v = View();
    if (!v || !v->HasChatMemo() || State.ChatFileName.isEmpty())
        return;
    QString error;
    if (!v->ReadChatMemoFile(error)) {
        State.ChatUnreadable = true;
        Dialogs::ShowError(QStringLiteral("Can't read ") +
                               NativePath(FileSys::JoinPath(ModDir(), State.ChatFileName)) +
                               (error.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + error) +
                               QStringLiteral("\r\nThe chat file is left as it is."),
                           v->DialogParent());
    }
}

bool TModLogic::WriteChatMemo(QString& error)
{
    TModView* v = View();
    if (!v || !v->HasChatMemo() || State.ChatFileName.isEmpty() || State.ChatUnreadable)
        return true;
    const QString path = FileSys::JoinPath(ModDir(), State.ChatFileName);
    // Nothing was loaded and nothing typed: no empty chat file for the bot program to read.
    if (v->ChatMemoEmpty() && !FileSys::FileExists(path))
        return true;
    if (v->WriteChatMemoFile(error))
        return true;
    error = QStringLiteral("Can't write ") + NativePath(path) +
            (error.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + error);
    return false;
}

void TModLogic::ListAvailableMaps()
{
    TModView* v = View();
    if (!v)
        return;
    const bool marks = m_traits.MapConfig && m_traits.MapConfigMarks && !State.Config.isEmpty();
    v->ListMaps(marks ? MapConfigFolder() : QString(), marks ? State.Config : QString(), WaypointFolderPath(),
                State.WaypointLegend && State.WaypointExt.isEmpty() && !marks);
}

void TModLogic::FillModelChooser()
{
    TModView* v = View();
    if (!v)
        return;
    QStringList models;
    if (m_traits.Models == TModelSource::OwnFolder)
        models = UInit::ModModelNames(State.ModModelsDir);
    else if (m_traits.Models == TModelSource::PlayerModels)
        models = UInit::PlayerModelNames();
    else if (m_traits.Models == TModelSource::ClassList && !m_traits.ClassesPerSide)
        models = m_traits.ClassNames;
    else
        return;
    v->FillModels(models);
    // The team choosers list the same models.
    if (TModTeams* teams = v->Teams())
        teams->FillTeams(models);
}

void TModLogic::LoadDefaults()
{
    TModView* v = View();
    if (!v)
        return;
    const UInit::TLoadingGuard loading;
    if (m_traits.DefaultsEmptyMapCycle)
        v->ClearMapCycle();
    ListAvailableMaps();
    FillModelChooser();
    v->FillKeyChoosers();
    // Before the cvar rows: a mod that keeps its number of bots in game.cfg binds a row to this
    // field, and that row's default is the one shown.
    v->SetSpawnBot(1);
    ModCvars::ApplyDefaults(*v, Cvars());
    // The memo is emptied first, so reloading without a chat file does not keep stale text.
    v->ClearChatMemo();
    // No bot is selected until the bot store is read.
    v->ClearBotSelection();
    LoadModDefaults();
    ClearBotFields();
}

void TModLogic::ClearBotFields()
{
    if (TModView* v = View())
        v->ClearBotEditor();
}

bool TModLogic::CheckConf()
{
    TModView* v = View();
    QWidget* parent = DialogParent();
    bool ok = true;
    if (!FileSys::DirectoryExists(ModDir())) {
        Dialogs::ShowError(QStringLiteral("Can't find ") + NativePath(ModDir()), parent);
        ok = false;
    }
    if (TModTeams* teams = v ? v->Teams() : nullptr; teams && !teams->HasTwoTeams()) {
        Dialogs::ShowError(teams->TwoTeamsCheckText(), parent);
        ok = false;
    }
    if (m_traits.HasMapsPage && v && v->MapCycleEmpty()) {
        Dialogs::ShowError(QStringLiteral("You must select a starting map."), parent);
        ok = false;
    }
    const bool outsideEditor = m_traits.OutsideBotEditor && !State.BotEditor.isEmpty();
    if (m_traits.HasBotsPage && !outsideEditor && v && v->BotListEmpty()) {
        Dialogs::ShowError(QStringLiteral("You must have at least one bot to play."), parent);
        ok = false;
    }
    if (m_traits.EveryBotJoins) {
        if (const QString refused = AddbotFile::TooManyBots(State.BotCount, MostBots()); !refused.isEmpty()) {
            Dialogs::ShowError(refused, parent);
            ok = false;
        }
    }
    return ok;
}

void TModLogic::ReportSaveError(const QString& error) const
{
    Dialogs::ShowError(error, DialogParent());
}

bool TModLogic::SaveConf()
{
    TModView* v = View();
    if (!v)
        return false;
    QString error;
    if (m_traits.WritesGameCfg && !WriteGameCfg(error)) {
        ReportSaveError(error);
        return false;
    }
    if (!v->WriteMapCycle(error)) {
        ReportSaveError(error.isEmpty() ? QStringLiteral("Can't write ") +
                                              NativePath(FileSys::JoinPath(ModDir(), QStringLiteral("mapcycle.txt")))
                                        : error);
        return false;
    }
    if ((m_traits.HasBotsPage || m_traits.StoreWithoutBotsPage) && !WriteBotsIni(error)) {
        ReportSaveError(error);
        return false;
    }
    if (!WriteChatMemo(error)) {
        ReportSaveError(error);
        return false;
    }
    State.Modified = 0;
    return true;
}

// ---------------------------------------------------------------- game.cfg

void TModLogic::ReadGameCfg()
{
    const UInit::TLoadingGuard loading;
    UInit::TempMemo.clear();
    const QString path = FileSys::JoinPath(ModDir(), GameCfgName());
    if (FileSys::FileExists(path) && FileSys::ReadLines(path, UInit::TempMemo)) {
        for (const QString& line : std::as_const(UInit::TempMemo)) {
            QString name;
            QString value;
            UQOR::SplitCvarLine(line, name, value);
            ApplyGameCfgCvar(name, value);
        }
    }
}

bool TModLogic::ApplyGameCfgCvar(const QString& name, const QString& value)
{
    TModView* v = View();
    if (!v || name.isEmpty())
        return false;
    return ModCvars::ApplyCvar(*v, Cvars(), name, value);
}

bool TModLogic::WriteGameCfg(QString& error)
{
    const TModView* v = View();
    if (!v)
        return false;
    return ModWriters::WriteFile(FileSys::JoinPath(ModDir(), GameCfgName()),
                                 ModCvars::GameCfgLines(*v, Cvars()), error);
}

// ---------------------------------------------------------------- bot store

void TModLogic::ReadDefaultSection(const TIniFile& store)
{
    if (TModView* v = View())
        ModStore::ReadRows(*v, store, StoreRows());
}

void TModLogic::ReadBotRecord(const TIniFile& store, const QString& section, TBot& bot)
{
    ModStore::ReadBotRows(store, section, BotStoreRows(), bot);
}

bool TModLogic::WriteDefaultSection(TIniFile& store)
{
    const TModView* v = View();
    return !v || ModStore::WriteRows(*v, store, StoreRows());
}

bool TModLogic::WriteBotRecord(TIniFile& store, const QString& section, const TBot& bot)
{
    return ModStore::WriteBotRows(store, section, BotStoreRows(), bot);
}

void TModLogic::ClearBotList(TModView& v)
{
    Bots().clear();
    v.EmptyBotList();
    State.BotCount = 0;
    ClearBotFields();
}

void TModLogic::ListReadBots(TModView& v)
{
    const QVector<TBot>& bots = Bots();
    QStringList names;
    for (const TBot& bot : bots)
        names << bot[0];
    v.AddBotNames(names);
    State.BotCount = static_cast<int>(bots.size());
}

void TModLogic::ShowFirstBot(TModView& v)
{
    if (v.SelectFirstBot())
        ShowBot();
}

void TModLogic::ReadBotsIni()
{
    TModView* v = View();
    if (v && !v->HasBotList() && m_traits.StoreWithoutBotsPage) {
        const UInit::TLoadingGuard loading;
        Bots().clear();
        State.BotCount = 0;
        if (FileSys::FileExists(BotsIniPath()))
            ReadDefaultSection(TIniFile(BotsIniPath()));
        return;
    }
    if (!v || !v->HasBotList())
        return;
    const UInit::TLoadingGuard loading;
    ClearBotList(*v);
    QVector<TBot>& bots = Bots();

    const QString path = BotsIniPath();
    if (!FileSys::FileExists(path)) {
        // No store reads as a store without the keys: the first save then writes what a later
        // read would give.
        ModStore::ApplyDefaults(*v, StoreRows());
        const bool outsideEditor = m_traits.OutsideBotEditor && !State.BotEditor.isEmpty();
        if (!outsideEditor)
            Dialogs::ShowWarning(QStringLiteral("Bots definition file empty. No bot loaded.\r\n"
                                                "You must create your own bots."),
                                 v->DialogParent());
    } else {
        const TIniFile ini(path);
        const QString skillKey = SkillKey();
        const int numbot = qBound(0, ini.ReadInteger(kDefault, QStringLiteral("numbot"), 0),
                                  kMaxStoredBots);
        TBotsPageValues shown;
        shown.DefaultSkill = ini.ReadInteger(kDefault, skillKey, shown.DefaultSkill);
        shown.SpawnBot = ini.ReadInteger(kDefault, QStringLiteral("spawnbot"), shown.SpawnBot);
        if (m_traits.ChatKeys) {
            shown.ChatFreq = ini.ReadInteger(kDefault, QStringLiteral("Chatfreq"), shown.ChatFreq);
            shown.ChatFreqKill = ini.ReadInteger(kDefault, QStringLiteral("Chatfreq_kill"), shown.ChatFreqKill);
            shown.ChatFreqDied = ini.ReadInteger(kDefault, QStringLiteral("Chatfreq_died"), shown.ChatFreqDied);
        }
        v->ShowBotsPageValues(shown, m_traits.ChatKeys);
        ReadDefaultSection(ini);

        int lowest = 0;
        int maxSkill = MaxSkill();
        v->BotSkillRange(lowest, maxSkill);
        bots.reserve(numbot);
        for (int n = 1; n <= numbot; ++n) {
            const QString section = BotSection(n);
            TBot bot;
            // A hand-edited name keeps the one name rule too, as typing would.
            bot[0] = ModWriters::CleanBotName(
                ini.ReadString(section, QStringLiteral("nom"), QStringLiteral("NewBot")),
                EngineReadsBotLines());
            bot[1] = ini.ReadString(section, QStringLiteral("modele"), m_traits.ModeleDefault);
            if (m_traits.Models == TModelSource::ClassList && !m_traits.ClassesPerSide)
                bot[1] = ModClasses::ReadClassNumber(bot[1], m_traits.ClassNames.size(),
                                                     m_traits.ModeleDefault);
            const QString skill = ini.ReadString(section, skillKey, QStringLiteral("0"));
            bool ok = false;
            const int v = skill.trimmed().toInt(&ok);
            // A skill that is no whole number reads as the bot's own default (0).
            if (!ok)
                bot[2] = QStringLiteral("0");
            else if (v > maxSkill && !m_traits.PlainSkillKey)
                bot[2] = QString::number(maxSkill);
            else if (v < 0 && !m_traits.PlainSkillKey)
                bot[2] = QStringLiteral("0");   // below every slider: the bot's own default
            else
                bot[2] = skill;
            ReadBotRecord(ini, section, bot);
            bots.append(bot);
        }
    }
    ListReadBots(*v);
    // A mod with records of its own keeps them there (the list routines work on those).
    if (Row() && Row()->Profile.OwnBotRecords) {
        SetRecords(bots);
        bots.clear();
    }

    ShowFirstBot(*v);
}

bool TModLogic::WriteBotsIni(QString& error)
{
    const TModView* v = View();
    if (!v)
        return false;
    const QString target = FileSys::Resolve(BotsIniPath());
    // The key-by-key writes stay in memory; the store itself is replaced once, whole, so a
    // store that cannot be written keeps every byte it had, and no copy is left anywhere.
    TIniFile ini(target);
    if (!ini.BeginBatch()) {
        error = QStringLiteral("Can't read ") + NativePath(target) + QStringLiteral(".");
        return false;
    }
    const QString skillKey = SkillKey();
    const QVector<TBot> bots = Records();
    // Without a bot list the store keeps only the count and the mod's own rows.
    const bool list = v->HasBotList();
    const TBotsPageValues shown = v->BotsPageValues();
    bool ok = ini.WriteInteger(kDefault, QStringLiteral("numbot"), State.BotCount);
    ok = ok && (!list || !m_traits.DefaultSkillKey || ini.WriteInteger(kDefault, skillKey, shown.DefaultSkill));
    ok = ok && (!list || ini.WriteInteger(kDefault, QStringLiteral("spawnbot"), shown.SpawnBot));
    if (m_traits.ChatKeys && list) {
        ok = ok && ini.WriteInteger(kDefault, QStringLiteral("chatfreq"), shown.ChatFreq);
        ok = ok && ini.WriteInteger(kDefault, QStringLiteral("chatfreq_kill"), shown.ChatFreqKill);
        ok = ok && ini.WriteInteger(kDefault, QStringLiteral("chatfreq_died"), shown.ChatFreqDied);
    }
    ok = ok && WriteDefaultSection(ini);
    const int count = qMin<int>(State.BotCount, bots.size());
    for (int i = 1; ok && i <= count; ++i) {
        const TBot& bot = bots[i - 1];
        const QString section = BotSection(i);
        ok = ini.WriteString(section, QStringLiteral("nom"), bot[0]) &&
             (!m_traits.ModeleKey || ini.WriteString(section, QStringLiteral("modele"), bot[1])) &&
             ini.WriteString(section, skillKey, bot[2]) && WriteBotRecord(ini, section, bot);
    }
    for (int n = count + 1; ok && list && n <= kErasedSections; ++n)
        if (ini.SectionExists(BotSection(n)))
            ok = ini.EraseSection(BotSection(n));

    QString why = ini.LastError();
    if (ok) {
        FileSys::MakeDirs(QFileInfo(target).absolutePath());
        ok = ini.Commit();
        why = ini.LastError();
    }
    if (!ok) {
        error = QStringLiteral("Can't write ") + NativePath(target) +
                (why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why);
        return false;
    }
    TIniFile::FlushCache();
    return true;
}

QStringList TModLogic::SideClassNames(const QString&) const
{
    return {};
}

int TModLogic::ModelIndex(const TBot& bot) const
{
    const TModView* v = View();
    if (!v)
        return -1;
    const QStringList models = v->ModelItems();
    if (m_traits.Models == TModelSource::ClassList) {
        bool ok = false;
        const int number = bot[1].trimmed().toInt(&ok);
        return ok && number >= 1 && number <= models.size() ? number - 1 : -1;
    }
    return int(models.lastIndexOf(bot[1]));
}

void TModLogic::FillSideModels(const QString& side)
{
    TModView* v = View();
    if (v && m_traits.Models == TModelSource::ClassList && m_traits.ClassesPerSide)
        v->FillModels(SideClassNames(side));
}

void TModLogic::SideChanged(const TBot& bot)
{
    TModView* v = View();
    if (!v)
        return;
    FillSideModels(bot[3]);
    v->SelectModel(ModelIndex(bot));
    v->ShowModelPicture(PictureName(bot));
}

void TModLogic::ShowBotRecord(const TBot& bot)
{
    TModView* v = View();
    if (!v)
        return;
    v->ShowBotName(bot[0]);
    v->ShowSide(bot[3]);
    SideChanged(bot);
    v->ShowBotSkill(bot[2].trimmed().toInt());
}

void TModLogic::ShowBot()
{
    TModView* v = View();
    if (!v || !v->HasBotList())
        return;
    const UInit::TLoadingGuard loading;
    const int i = v->CurrentBot();
    const QVector<TBot> bots = Records();
    if (i < 0 || i >= bots.size()) {
        ClearBotFields();
        v->HideBotProperties();
    } else {
        ShowBotRecord(bots[i]);
    }
}

void TModLogic::DeleteBots()
{
    TModView* v = View();
    if (!v || !v->HasSelectedBots())
        return;
    if (!Dialogs::Confirm(QStringLiteral("Are you sure you want to delete selected bot(s) ?"),
                          v->DialogParent()))
        return;
    v->DeleteSelectedBots(State.BotCount, Bots());
    ResizeRecords(State.BotCount);
    ShowBot();
}

TBot TModLogic::NewBot(bool random)
{
    TBot bot;
    const TModView* v = View();
    if (!random || !v) {
        bot[0] = QStringLiteral("NewBot");
        bot[1] = m_traits.DefaultModel;
        bot[2] = m_traits.DefaultSkill;
        return bot;
    }
    // A drawn name keeps the rule of a typed one, the mod's own refused characters included.
    QString name;
    for (const QChar c : ModWriters::CleanBotName(v->PickRandomBotName(), EngineReadsBotLines()))
        if (!m_traits.ForbiddenNameChars.contains(c))
            name += c;
    bot[0] = name.isEmpty() ? QStringLiteral("NewBot") : name;
    const QStringList models = v->ModelItems();
    // An empty chooser gives the mod's plain model rather than nothing.
    if (models.isEmpty())
        bot[1] = m_traits.DefaultModel;
    else if (m_traits.Models == TModelSource::ClassList)
        bot[1] = QString::number(UQOR::RandomInRange(1, int(models.size())));
    else
        bot[1] = models[UQOR::RandomInRange(0, int(models.size()) - 1)];
    // Drawn within what the skill slider can show.
    int low = 1;
    int high = MaxSkill();
    if (v->BotSkillRange(low, high))
        low = qMax(1, low);
    bot[2] = QString::number(UQOR::RandomInRange(low, high));
    return bot;
}

void TModLogic::RestoreDefaults()
{
    if (!View())
        return;
    LoadDefaults();
    if (m_traits.HasBotsPage)
        ReadBotsIni();
    // The chat file is the bot program's text, not a default: it is read again, so a save
    // after "Restore Default" does not empty it.
    ReadChatMemo();
}

// ---------------------------------------------------------------- launch writers

QStringList TModLogic::LiblistLines(const QString& dll) const
{
    return ModWriters::Liblist(m_traits.Liblist, dll);
}

bool TModLogic::WriteLiblist(QString& error)
{
    const TIniFile mods(ModsIniPath());
    const QString dll = mods.ReadString(UInit::SelectedBot, QStringLiteral("dll"), m_traits.DefaultDll);
    if (!FileSys::DirectoryExists(ModDir())) {
        error = QStringLiteral("Can't find ") + NativePath(ModDir());
        return false;
    }
    const QString path = FileSys::JoinPath(ModDir(), QStringLiteral("liblist.gam"));
    QStringList lines = LiblistLines(dll);
    // The game reads each value up to the next double quote: a hand-edited Mods ini value that
    // holds one would start the game with another library (or none).
    for (const QString& line : lines) {
        const qsizetype quotes = line.count(QLatin1Char('"'));
        if (quotes != 0 && quotes != 2 && !line.trimmed().startsWith(QLatin1String("//"))) {
            error = QStringLiteral("Can't write ") + NativePath(path) + QStringLiteral(": the line ") + line +
                    QStringLiteral(" holds a double quote from ") + NativePath(ModsIniPath()) +
                    QStringLiteral(", which the game would not read back.");
            return false;
        }
    }
    auto key = [](const QString& line) {
        const QString t = line.trimmed();
        return t.left(t.indexOf(QRegularExpression(QStringLiteral("[\\s\"]")))).toLower();
    };
    auto keyIndex = [&key](const QStringList& list, const QString& wanted) {
        for (int i = 0; i < list.size(); ++i)
            if (key(list[i]) == wanted)
                return i;
        return -1;
    };
    const QString linuxKey = QStringLiteral("gamedll_linux");
    QStringList old;
    if (keyIndex(lines, linuxKey) < 0 && FileSys::FileExists(path) && FileSys::ReadLines(path, old)) {
        const int at = keyIndex(old, linuxKey);
        if (at >= 0) {
            const int dllAt = keyIndex(lines, QStringLiteral("gamedll"));
            lines.insert(dllAt < 0 ? lines.size() : dllAt + 1, old[at]);
        }
    }
    return ModWriters::WriteFile(path, lines, error);
}

ModWriters::TPlaceholderTable TModLogic::Placeholders(const QString& skillKey) const
{
    return ModWriters::TemplatePlaceholders(skillKey, {}, {}, {}, EngineReadsBotLines());
}

QStringList TModLogic::BotFileHeader(const TBotFileContext& c) const
{
    QStringList lines = ModWriters::BotFileHeader(c.Template, m_traits.PauseLine, c.DefaultSkill);
    if (m_traits.AkimbotLines && c.Section == QStringLiteral("Akimbot"))
        lines << ModWriters::AkimbotRateLines(c.Store);
    return lines;
}

QStringList TModLogic::BotFileTrailer(const TBotFileContext& c) const
{
    if (m_traits.AkimbotLines && c.Section == QStringLiteral("Akimbot"))
        return {ModWriters::AkimbotLastLine()};
    return {};
}

QStringList TModLogic::BotFileLines(const TBotFileContext& c) const
{
    QStringList lines = BotFileHeader(c);
    const ModWriters::TPlaceholderTable table = Placeholders(c.SkillKey);
    const ModWriters::TFillOptions options = FillOptions();
    for (int i = 1; i <= c.SpawnBot; ++i)
        lines << ModWriters::FillTemplate(c.Template, table, c.Store, i, options);
    lines << BotFileTrailer(c);
    return lines;
}

int TModLogic::MostBots()
{
    // On a listen server the host takes one of the 32 player slots.
    return UInit::DedicatedSetting == QLatin1String("O") ? ModWriters::MaxBotEntries
                                                         : ModWriters::MaxBotEntries - 1;
}

bool TModLogic::WriteBotCfg(QString& error)
{
    const TIniFile mods(ModsIniPath());
    const QString section = UInit::SelectedBot;
    if (m_traits.OutsideBotEditor &&
        !mods.ReadString(section, QStringLiteral("BotEditor"), QString()).isEmpty())
        return true;
    const QString botfile = mods.ReadString(section, QStringLiteral("botfile"), QStringLiteral("bot.cfg"));
    if (!FileSys::DirectoryExists(ModDir())) {
        error = QStringLiteral("Can't find ") + NativePath(ModDir());
        return false;
    }
    const TIniFile store(BotsIniPath());
    const QString maxSkill = mods.ReadString(section, QStringLiteral("maxskill"), m_traits.MaxSkillDefault);
    const QString skillKey = SkillKeyFor(maxSkill);
    const TBotFileContext context{
        mods,
        store,
        section,
        maxSkill,
        skillKey,
        mods.ReadString(section, QStringLiteral("addbot"), QString()),
        ModWriters::NumberOr(store.ReadString(kDefault, skillKey, QStringLiteral("0")), QStringLiteral("0")),
        qBound(0, store.ReadInteger(kDefault, QStringLiteral("spawnbot"), 0), MostBots())};
    if (!ModWriters::WriteFile(FileSys::JoinPath(ModDir(), botfile), BotFileLines(context), error))
        return false;
    return !m_traits.ExecBind || AppendExecBind(mods, section, error);
}

QStringList TModLogic::BotMenuBind(const TBotFileContext& c) const
{
    const QString command = c.Mods.ReadString(c.Section, QStringLiteral("botmenucmd"), QString());
    QString key;
    UInit::KeyToHLKey(c.Store.ReadString(kDefault, QStringLiteral("botmenu"), QString()), key);
    if (command.isEmpty() || key.isEmpty())
        return {};
    return {ModWriters::BindLine(key, command)};
}

bool TModLogic::AppendExecBind(const TIniFile& mods, const QString& section, QString& error) const
{
    // Read at launch, not kept from the window's last visit: a launch needs no open window.
    const QString command = mods.ReadString(section, QStringLiteral("execcmd"), QString());
    QString key;
    UInit::KeyToHLKey(TIniFile(BotsIniPath()).ReadString(kDefault, QStringLiteral("ExecKey"), QString()),
                      key);
    // Without a key that translates there is nothing to bind; the same line twice would only
    // pile up at every launch.
    if (command.isEmpty() || key.isEmpty())
        return true;
    return ModWriters::AppendLineOnce(FileSys::JoinPath(ModDir(), QStringLiteral("config.cfg")),
                                      ModWriters::BindLine(key, command), error);
}

bool TModLogic::LaunchWriters(QString& error)
{
    return WriteLiblist(error) && WriteBotCfg(error);
}

// ---------------------------------------------------------------- registration

void TModLogic::RegisterHooks(std::function<QDialog*(QWidget* owner)> createWindow)
{
    TModRow* row = Row();
    if (!row)
        return;
    row->Hooks.CreateWindow = std::move(createWindow);
    row->Hooks.RestoreDefaults = [this] { RestoreDefaults(); };
    row->Hooks.LoadConf = [this] {
        if (Form())
            LoadConf();
    };
    row->Hooks.MarkModified = [this] {
        if (TModView* v = View())
            v->Modif_Param();
        else
            State.Modified = 1;
    };
    row->Hooks.LaunchWriters = [this](QString& error) { return LaunchWriters(error); };
    row->Profile = m_traits.Profile;
    row->Profile.OwnModelFolder = m_traits.Models == TModelSource::OwnFolder;
    if (m_traits.Models == TModelSource::ClassList)
        row->Profile.ModelStorage = TModelStorage::ClassNumber;
}
