#pragma once
// The logic half of every mod module: the role routines of the configuration window with the
// template's behaviour, the state that outlives the window, and the mod's row hooks.
//
// How a mod builds on it: derive U<Mod> from TModLogic, fill a TModTraits in the constructor,
// return the mod's cvar rows from Cvars(), give its liblist.gam values in TModTraits::Liblist
// (or its own lines from LiblistLines() where the file has another shape), and
// override a role routine only where the mod's own description departs from the template.
// Most departures have a narrower hook than a whole routine (see "Extension points" below).
// One logic object per mod lives for the whole run (the original's unit state); the window is
// created anew for each edit and reached through Form().
//
// Where the variants of the mods go:
//   - a page left out (no Chat, no Bots, only Bots and Chat): the TModTraits flags;
//   - game.cfg rows of every kind (number, check box, radio pair, chooser index with or without
//     the tail, fixed and conditional lines, own rules): Cvars() rows (mods/common/ModCvars.h);
//     values kept elsewhere (QOR.ini, the bot store): an Own row or ReadDefaultSection;
//     a page whose controls bind those rows plainly declares each control and its line once as
//     control rows (mods/common/ControlRows.h, as The Opera's game page does);
//   - the map list: the waypoint keys of TModTraits (a marking and a required extension, the
//     keys that show the legend: LegendKeys), Half-Life's own maps (ValveMaps), a Restore
//     Default that empties the cycle (DefaultsEmptyMapCycle), the
//     "config" marker (MapConfig) and WaypointFolderPath() / MapConfigFolder() where the folders
//     lie elsewhere than <moddir>\<waypath>;
//   - the model chooser (own models, the main list, a fixed class list, none): a fixed class list
//     stored as its class number is TModelSource::ClassList with TModTraits::ClassNames (and
//     ModeleDefault "0" where a stored "0" means no class); otherwise FillModelChooser,
//     ModelIndex (a model stored as an index or a class number), PictureName and NewBot; the
//     side of a bot: TModWindow::AddSideRadios with FillSideModels for per-side lists; slots 3
//     and 4 and further [Bot N] keys: ReadBotRecord and WriteBotRecord; further [Default] keys:
//     ReadDefaultSection and WriteDefaultSection; the mod's other defaults: LoadModDefaults;
//   - the chat page: ChatFileName from "chatfile", the three Akimbot sliders (traits), the
//     chat-file chooser (TModWindow::ShowChatFiles, TModTraits::ChatChooserFolder);
//   - the bot file: Placeholders and FillOptions for the line template, BotFileHeader and
//     BotFileTrailer for the lines around the bot entries (header lines of another bot program,
//     settings lines, parts of the skeleton, BotMenuBind), BotFileLines for a file of another
//     shape; the spawn-key bind into config.cfg: TModTraits::ExecBind; further launch files: override
//     LaunchWriters and call the template writers from it;
//   - the variant with teams (game type, number of teams, team choosers, preview):
//     mods/common/TeamPanel.h, which LoadConf, CheckConf and the row's EnableTeams serve; the
//     whole game page of those mods (game type, game settings, teams): mods/common/GameSettings.h;
//   - a mod that writes its files at save time: call WriteLiblist / WriteBotCfg from SaveConf.
//   - a mod whose bots live in its own file of "addbot" lines (no bot store, no Mods file):
//     mods/common/AddbotFile.h reads and writes that file from LoadConf and SaveConf.
#include "core/ModTable.h"
#include "core/Types.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModView.h"
#include "mods/common/ModWriters.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QDialog;
class QWidget;
class TIniFile;
class TModWindow;
struct TModRow;

// Where a mod's model chooser takes its items from.
enum class TModelSource {
    OwnFolder,     // <moddir>\models\player (ListModModels)
    PlayerModels,  // Half-Life's player models (UInit::ModelList)
    ModFills,      // the mod's own FillModelChooser / FillSideModels (fixed or per-side lists)
    ClassList,     // TModTraits::ClassNames, a fixed list stored as the class number (index + 1)
};

namespace ModClasses {
// The class number a stored [Bot N] modele stands for in a list of count classes: a whole number
// 1..count as it was written; anything else (letters, empty, out of the list) is the mod's read
// default (ModeleDefault: a class, or "0" where the mod reads that as no class chosen).
QString ReadClassNumber(const QString& stored, int count, const QString& readDefault);
} // namespace ModClasses

// A control the template or a shared panel (the team panel) builds, under the mod's own name or
// caption: the template gives it these as it creates it, so every lookup by name, the mod's and
// the tests', sees the mod's name from the start and no mod renames a template control later.
struct TTemplateControl {
    const char* Name = "";           // the objectName the template gives it ("SpeedButton1")
    const char* As = nullptr;        // the mod's objectName ("TF_AddMap"); null: the template's
    const char* Caption = nullptr;   // a label's, button's or group's caption; null: the template's
};

// What the template needs to know about a mod. The names follow from the prefix.
struct TModTraits {
    QString Key;            // mod key ("Opera"): the mod table row
    QString Prefix;         // control prefix without "_" ("OP")
    QString Title;          // window caption before the first activation ("The Opera")
    QString ShortName;      // "Exit <ShortName>" ("Opera")
    QString PageControl;    // objectName of the page control ("PC_Opera")
    QString DefaultModel;   // the plain create button's model ("bobby")
    QString DefaultSkill = QStringLiteral("1");   // the plain create button's skill
    QString ModeleDefault = QStringLiteral("1");  // [Bot N] modele read default
    QString DefaultDll;     // Mods ini "dll" default for liblist.gam ("opera.dll")
    // Characters refused in bot names beyond the one rule every mod keeps (ModWriters::IsBotNameChar).
    QString ForbiddenNameChars;
    QString PauseLine = QStringLiteral("pause 3");
    // "maxskill" when the bot's section lacks it: the window's sliders and the launch's skill key
    // both follow it, so the skills saved are the ones launched.
    QString MaxSkillDefault = QStringLiteral("5");
    QString MapComFile;     // empty: "<Prefix>_mapcom.ini"
    QString BotsFile;       // empty: "Bots\<Prefix>_Bots.ini"

    // Pages and parts of the template (a mod without one leaves it out).
    bool HasGamePage = true;
    bool HasMapsPage = true;
    bool HasBotsPage = true;
    bool HasChatPage = true;      // hidden anyway when the bot has no chatfile
    bool ChatKeys = true;         // the three chat-rate keys in the bot store
    bool AkimbotSliders = true;   // the chat sliders shown for "Akimbot"
    bool AkimbotLines = true;     // Akimbot's lines in the bot file
    TModelSource Models = TModelSource::OwnFolder;
    // Models == ClassList: the chooser's items in order; class k is item k - 1, and its picture
    // is named after the number. The row's ModelStorage is then ClassNumber.
    QStringList ClassNames;
    bool HasModelChooser = true;  // false: bots without a model (no chooser, arrows, picture)
    // With Models ClassList: the class list depends on the bot's side (slot 3) and is refilled
    // when the side changes: TModLogic::SideClassNames instead of ClassNames. The stored class
    // number is then checked by the mod's BotStoreRows (a ModStore::ListSlot).
    bool ClassesPerSide = false;
    bool ModeleKey = true;
    bool DefaultSkillKey = true;  // false: [Default] keeps no skill key (no default-skill slider)        // false: [Bot N] keeps no "modele" key (bots without a model)
    bool WritesGameCfg = true;    // false: no game.cfg at all (Palisade)
    // False for the mods without a choice of bot (no Mods file): the first activation only
    // loads, with no bot-dependent captions, slider maxima or pages.
    bool ReadsBotSection = true;
    // The waypoint extension that marks a map ("waypt", or "optwaypt" where the mod reads that),
    // and the one a map must have to be offered at all (empty: none; some mods read "waypt" so).
    // An empty WaypointKey: no map is marked.
    QString WaypointKey = QStringLiteral("waypt");
    QString RequiredWaypointKey;
    bool OutsideBotEditor = false;   // reads BotEditor/BotEditorPath (first activation step)
    bool MapConfig = false;          // reads "config" and shows <Prefix>_BEditCfg
    bool MapConfigMarks = false;     // with MapConfig: maps with their own file get "+"
    bool MapConfigOpens = false;     // with MapConfig: "Edit config" opens the map's file
    // At launch, after the bot file: bind "<ExecKey>" "<execcmd>" appended to config.cfg once,
    // with execcmd read from the bot's section and the key from the bot store's [Default].
    bool ExecBind = false;
    // The chat-file chooser (<Prefix>_Selectchat): the folder below <moddir> its names lie in
    // ("plbot\" for PlBot's; empty: <moddir> itself).
    QString ChatChooserFolder;
    // The maps come from Half-Life's own valve\maps (with the profile's stock maps) rather than
    // from <moddir>\maps: the mod plays on the stock maps.
    bool ValveMaps = false;
    // Restore Default empties the map cycle as well (LoadDefaults clears it).
    bool DefaultsEmptyMapCycle = false;
    // Every bot of the mod's bot file joins the game: CheckConf refuses more bots than the
    // server leaves room for (AddbotFile::TooManyBots).
    bool EveryBotJoins = false;
    // Mods-file keys whose value shows the waypoint legend on the Maps page, even where no map
    // can carry the marker (a required extension only hides maps).
    QStringList LegendKeys;
    // The caption after the first activation, before " - <bot>" (empty: Title).
    QString ActiveTitle;
    // The bot store keeps its skills under the plain key "skill" (not "skill" + maxskill), and a
    // bot's stored skill is read as it is, not cut to the slider's maximum.
    bool PlainSkillKey = false;
    // A mod without a Bots page that still keeps [Default] keys in the bot store (its number of
    // bots on the Game page): LoadConf reads its StoreRows when the store is there (a missing
    // store is no error) and SaveConf writes numbot 0 and those rows; no [Bot N] section is
    // read, written or erased.
    bool StoreWithoutBotsPage = false;

    // What the core's shared routines need to know of the mod (model storage, pictures, maps,
    // launch); put on the mod's row when it registers. Its OwnModelFolder follows Models.
    TModProfile Profile;
    // liblist.gam's values, where the mod's file has the common shape (LiblistLines writes them;
    // left empty, the file holds only the gamedll line).
    ModWriters::TLiblist Liblist;

    // The template's controls under the mod's names and captions, at most one row per control. A
    // row that no control of the window takes, or whose caption the control cannot show, is a
    // fault of the table: the window reports it (TModWindow::UnmatchedTemplateControls).
    QVector<TTemplateControl> TemplateControls;
};

// What the bot file's parts are built from (WriteBotCfg reads it once from the files).
struct TBotFileContext {
    const TIniFile& Mods;     // Mods\<Mod>.ini
    const TIniFile& Store;    // the bot store
    QString Section;          // the selected bot's section
    QString MaxSkill;         // "maxskill" as written ("5")
    QString SkillKey;         // "skill" + MaxSkill (SkillKeyFor)
    QString Template;         // "addbot"
    QString DefaultSkill;     // [Default] skill<max> of the store ("0")
    int SpawnBot = 0;         // [Default] spawnbot, within 0..TModLogic::MostBots()
};

class TModLogic {
public:
    explicit TModLogic(TModTraits traits);
    virtual ~TModLogic();
    TModLogic(const TModLogic&) = delete;
    TModLogic& operator=(const TModLogic&) = delete;

    const TModTraits& Traits() const { return m_traits; }
    QString Prefixed(const QString& name) const { return m_traits.Prefix + QLatin1Char('_') + name; }

    // The mod's row, folder and bot records (they outlive the window).
    TModRow* Row() const;
    QString ModDir() const;
    QVector<TBot>& Bots();
    // The bot records as the template reads, shows, saves and cuts them: the row's Bots, or the
    // row's own records where the profile keeps them (TRocBot, whose 13 slots are TBot's 0..12).
    QVector<TBot> Records() const;
    void SetRecords(QVector<TBot> bots);
    void ResizeRecords(int count);

    // Files. The Mods file of the row ("Mods\Opera.ini"), the bot store ("Bots\OP_Bots.ini").
    QString ModsIniPath() const;
    QString BotsIniPath() const;
    QString MapComFile() const;
    // "skill" + MaxSkillText (plain "skill" where the traits say so).
    QString SkillKey() const { return SkillKeyFor(State.MaxSkillText); }
    QString SkillKeyFor(const QString& maxSkill) const
    {
        return m_traits.PlainSkillKey ? QStringLiteral("skill") : QStringLiteral("skill") + maxSkill;
    }
    // MaxSkillText as a whole number (5 when it is not one, at least 1).
    int MaxSkill() const;

    // The open window (the original's form variable), or null. The template's routines reach
    // it only as its view (mods/common/ModView.h); a mod's own routines, which include the
    // window's header, use Form().
    TModWindow* Form() const { return m_view ? &m_view->Window() : nullptr; }
    TModView* View() const { return m_view; }
    // Set by the window while it lives.
    void SetForm(TModView* view);

    // The window unit's state.
    struct TState {
        QString ActivationFlag = QStringLiteral("N");
        int Modified = 0;
        QString ModMapsDir;
        QString ModModelsDir;
        QString WaypointFolder = QStringLiteral("maps");
        QString WaypointExt;
        QString MaxSkillText = QStringLiteral("5");
        QString ChatFileName;
        QString Skill0 = QStringLiteral("better");
        QString BotEditor;
        QString BotEditorPath;
        QString Config;
        QString RequiredWaypointExt;
        bool WaypointLegend = false;   // one of TModTraits::LegendKeys is set for the bot
        int BotCount = 0;
        // The chat file exists but could not be read: saving must not replace it with the
        // (empty) memo.
        bool ChatUnreadable = false;
    } State;

    // Reads the keys of the first activation's step 1 for the selected bot into State.
    virtual void ReadBotSection();

    // ---- Role routines (template behaviour; each works on the open window). ----
    virtual void LoadConf();
    virtual void LoadDefaults();
    virtual void ClearBotFields();
    // Every check runs, one error dialog per failed check.
    virtual bool CheckConf();
    // Ends at the first file that cannot be written, with a message naming it; false then.
    virtual bool SaveConf();
    virtual void ReadGameCfg();
    virtual bool ApplyGameCfgCvar(const QString& name, const QString& value);
    virtual bool WriteGameCfg(QString& error);
    virtual void ReadBotsIni();
    virtual bool WriteBotsIni(QString& error);
    virtual void ShowBot();
    virtual void DeleteBots();
    // The launch writers: from files only (no window needed).
    virtual bool WriteLiblist(QString& error);
    virtual bool WriteBotCfg(QString& error);
    // The most bots a launch writes: 31 on a listen server (the host is the 32nd player), 32 on
    // a dedicated one, whatever a hand-edited store asks for.
    static int MostBots();
    // The row's LaunchWriters: WriteLiblist, then WriteBotCfg.
    virtual bool LaunchWriters(QString& error);
    // "Restore Default" after its confirmation: LoadDefaults, ReadBotsIni, the chat memo reread.
    virtual void RestoreDefaults();
    // The bot creation handler's values (random or plain).
    virtual TBot NewBot(bool random);
    // Whether the create buttons may add a bot now (false after telling the user why).
    virtual bool MayCreateBot() { return true; }
    // The chat memo read from and written to <moddir>\<chatfile>. Reading remembers when the file
    // could not be read, and shows why; writing leaves such a file alone, and does not create a
    // chat file for an empty memo.
    void ReadChatMemo();
    bool WriteChatMemo(QString& error);


    // ---- Extension points (narrower than a whole routine). ----
    // The mod's game.cfg rows, in file order (without sv_sendvelocity).
    virtual TCvarTable Cvars() const { return {}; }
    // The file below <moddir> those rows are read from and written to (a mod may keep its server
    // settings elsewhere than in game.cfg).
    virtual QString GameCfgName() const { return QStringLiteral("game.cfg"); }
    // liblist.gam, every line literal but the gamedll one, for which GameDllLine(dll) is used
    // (the template's: the traits' Liblist values). WriteLiblist keeps a gamedll_linux line of the old file (after the gamedll line) when
    // these lines carry none: without it the game cannot load the mod on Linux.
    virtual QStringList LiblistLines(const QString& dll) const;
    // True where the engine's tokenizer reads the bot lines (a bot program's command run by the
    // console): names then also refuse ( ) { } , : and non-ASCII letters.
    virtual bool EngineReadsBotLines() const { return false; }
    // The bot file's line template: its placeholders in order (the default: the template's
    // three) and the tags the mod's writer knows (the default: none).
    virtual ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const;
    virtual ModWriters::TFillOptions FillOptions() const { return {}; }
    // The lines before the bot entries (the default: the skeleton, then Akimbot's rate lines)
    // and after them (the default: Akimbot's last line).
    virtual QStringList BotFileHeader(const TBotFileContext& c) const;
    virtual QStringList BotFileTrailer(const TBotFileContext& c) const;
    // The bot file as a whole: header, one entry per bot to spawn, trailer.
    virtual QStringList BotFileLines(const TBotFileContext& c) const;
    // Bot store: the mod's further keys, as rows (mods/common/ModStore.h): StoreRows bind the
    // window's controls ([Default] and the bot programs' sections), BotStoreRows the slots of
    // each [Bot N] record. The four routines below run over them; a mod overrides a routine only
    // for a step the rows cannot say (calling the template's first).
    virtual TStoreTable StoreRows() const { return {}; }
    virtual TStoreTable BotStoreRows() const { return {}; }
    // Called inside the template reader / writer.
    virtual void ReadDefaultSection(const TIniFile& store);
    virtual void ReadBotRecord(const TIniFile& store, const QString& section, TBot& bot);
    virtual bool WriteDefaultSection(TIniFile& store);
    virtual bool WriteBotRecord(TIniFile& store, const QString& section, const TBot& bot);
    // ShowBot's fill of the editor for a record (LoadingDone is 0 meanwhile): name, side (the
    // model list refilled for it), model chooser at ModelIndex, picture of PictureName, skill.
    virtual void ShowBotRecord(const TBot& bot);
    // The chooser item a record's model stands for: the default is the last item whose text is
    // slot 1; mods that store a number override it (an index, a class number from 1).
    virtual int ModelIndex(const TBot& bot) const;
    // The picture name of a record (the default: its model; "<side>_<class>" for the side mods).
    // Side pictures (Profile.SidePictures) are "<slot 3>_<slot 1>", as the core's model stepper
    // names them.
    virtual QString PictureName(const TBot& bot) const
    {
        return m_traits.Profile.SidePictures ? bot[3] + QLatin1Char('_') + bot[1] : bot[1];
    }
    // The record slot the model chooser stores into: 1, or another (a capture-the-flag model
    // kept in slot 4), which then holds the chooser's index from 0.
    virtual int ModelSlot() const { return 1; }
    // A mod whose model list depends on the side refills it here (the default: nothing, or the
    // side's SideClassNames for a per-side class list).
    virtual void FillSideModels(const QString& side);
    // The class names of a side ("0", "1" ...) for a per-side class list (Models ClassList with
    // ClassesPerSide): an unknown side has none.
    virtual QStringList SideClassNames(const QString& side) const;
    // After the side radios changed slot 3: the models of the new side, the same model number
    // selected, the picture shown again.
    virtual void SideChanged(const TBot& bot);
    // LoadDefaults' model chooser step (own models, the main list, a fixed class list, none).
    virtual void FillModelChooser();
    // The map list step of LoadDefaults (and of a change of the waypoint folder).
    virtual void ListAvailableMaps();
    // The folder of the waypoint files (<moddir>\<waypath> by default) and of the maps' own
    // configuration files (the waypoint folder by default).
    virtual QString WaypointFolderPath() const;
    virtual QString MapConfigFolder() const { return WaypointFolderPath(); }
    // LoadDefaults' step for the mod's own controls beyond the cvar table (LoadingDone is 0).
    virtual void LoadModDefaults() {}

    // Fills the row's hooks (window factory, RestoreDefaults, LoadConf, MarkModified,
    // LaunchWriters). Called once when the mod registers (RegisterModWindow).
    void RegisterHooks(std::function<QDialog*(QWidget* owner)> createWindow);

protected:
    // The first step of every reading of the bots: no records, an empty list (without the
    // selection signals that would show a bot) and empty bot fields.
    void ClearBotList(TModView& v);
    // The bots just read (Bots()) listed by name, without the list's signals, and counted.
    void ListReadBots(TModView& v);
    // The last step of every reading of the bots: an empty list hides the bot properties,
    // otherwise the first bot is selected (without the selection signals) and shown.
    void ShowFirstBot(TModView& v);
    // The owner of the logic's dialogs: the open window, or none.
    QWidget* DialogParent() const;
    // Shows an output error of a save (the file named in it).
    void ReportSaveError(const QString& error) const;
    // The bot-menu bind some bot files carry: bind "<botmenu key>" "<botmenucmd>", with the key
    // from the store's [Default] "botmenu" and the command from the bot's "botmenucmd"; nothing
    // unless both are there.
    QStringList BotMenuBind(const TBotFileContext& c) const;
    // The ExecBind step of WriteBotCfg.
    bool AppendExecBind(const TIniFile& mods, const QString& section, QString& error) const;

private:
    TModTraits m_traits;
    TModView* m_view = nullptr;
};

// A mod's registration (RegisterMod_<folder>): the row's hooks, with a window factory that also sets the mod's form
// variable (FOpera, FCstrike ...).
template <class TWindow>
void RegisterModWindow(TModLogic& logic, QPointer<TWindow>& form)
{
    logic.RegisterHooks([&form](QWidget* owner) -> QDialog* {
        auto* window = new TWindow(owner);
        form = window;
        return window;
    });
}
