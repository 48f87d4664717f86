#pragma once
// The logic half of every mod module: the role routines of the configuration window with the
// template's behaviour, the state that outlives the window, and the mod's row hooks.
//
// How a mod builds on it: derive U<Mod> from TModLogic, fill a TModTraits in the constructor,
// return the mod's cvar rows from Cvars() and its liblist lines from LiblistLines(), and
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
//   - the model chooser (own models, the main list, a fixed class list, none): FillModelChooser,
//     ShowBotRecord and NewBot; slots 3 and 4 and further [Bot N] keys: ReadBotRecord and
//     WriteBotRecord; further [Default] keys: ReadDefaultSection and WriteDefaultSection;
//   - the bot file: ExtraPlaceholders and FillOptions for the line template, BotFileLines for
//     header lines of another bot program or a file of another shape; further launch files:
//     override LaunchWriters and call the template writers from it;
//   - a mod that writes its files at save time: call WriteLiblist / WriteBotCfg from SaveConf.
#include "core/Types.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWindow.h"
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
    QString ForbiddenNameChars = QStringLiteral(" \"'");   // dropped from bot names
    QString PauseLine = QStringLiteral("pause 3");
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
    bool OwnModels = true;        // the model chooser lists <moddir>\models\player
    bool WritesGameCfg = true;    // false: no game.cfg at all (Palisade)
    QString WaypointKey = QStringLiteral("waypt");   // or "optwaypt"
    bool OutsideBotEditor = false;   // reads BotEditor/BotEditorPath (first activation step)
    bool MapConfig = false;          // reads "config" and shows <Prefix>_BEditCfg
};

// The values the first activation reads from Mods\<Mod>.ini [<bot>].
struct TBotSection {
    QString WaypointFolder = QStringLiteral("maps");
    QString WaypointExt;
    QString MaxSkillText = QStringLiteral("5");
    QString ChatFileName;
    QString Skill0 = QStringLiteral("better");
    QString BotEditor;
    QString BotEditorPath;
    QString Config;
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

    // Files. The Mods file of the row ("Mods\Opera.ini"), the bot store ("Bots\OP_Bots.ini").
    QString ModsIniPath() const;
    QString BotsIniPath() const;
    QString MapComFile() const;
    // "skill" + MaxSkillText.
    QString SkillKey() const { return QStringLiteral("skill") + State.MaxSkillText; }
    // MaxSkillText as a whole number (5 when it is not one, at least 1).
    int MaxSkill() const;

    // The open window (the original's form variable), or null.
    TModWindow* Form() const { return m_form.data(); }
    void SetForm(TModWindow* form);

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
        int BotCount = 0;
    } State;

    // Reads the keys of the first activation's step 1 for the selected bot into State.
    virtual void ReadBotSection();

    // ---- Role routines (template behaviour; each works on Form()). ----
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
    // The row's LaunchWriters: WriteLiblist, then WriteBotCfg.
    virtual bool LaunchWriters(QString& error);
    // "Restore Default" after its confirmation: LoadDefaults, ReadBotsIni, the chat memo reread.
    virtual void RestoreDefaults();
    // The bot creation handler's values (random or plain).
    virtual TBot NewBot(bool random);

    // ---- Extension points (narrower than a whole routine). ----
    // The mod's game.cfg rows, in file order (without sv_sendvelocity).
    virtual TCvarTable Cvars() const { return {}; }
    // liblist.gam, every line literal but the gamedll one, for which GameDllLine(dll) is used.
    virtual QStringList LiblistLines(const QString& dll) const;
    // The placeholders after the template's three (team, weapon, ...).
    virtual ModWriters::TPlaceholderTable ExtraPlaceholders() const { return {}; }
    virtual ModWriters::TFillOptions FillOptions() const { return {}; }
    // The bot file as a whole; the default builds the template's skeleton and bot lines.
    virtual QStringList BotFileLines(const TIniFile& modsIni, const QString& section,
                                     const TIniFile& store) const;
    // Bot store: the mod's further keys. Called inside the template reader / writer.
    virtual void ReadDefaultSection(const TIniFile& store);
    virtual void ReadBotRecord(const TIniFile& store, const QString& section, TBot& bot);
    virtual bool WriteDefaultSection(TIniFile& store);
    virtual bool WriteBotRecord(TIniFile& store, const QString& section, const TBot& bot);
    // ShowBot's fill of the editor for record i (LoadingDone is 0 meanwhile).
    virtual void ShowBotRecord(const TBot& bot);
    // LoadDefaults' model chooser step (own models, the main list, a fixed class list, none).
    virtual void FillModelChooser();
    // The map list step of LoadDefaults.
    virtual void ListAvailableMaps();

    // Fills the row's hooks (window factory, RestoreDefaults, LoadConf, MarkModified,
    // LaunchWriters). Call once from the mod's Register().
    void RegisterHooks(std::function<QDialog*(QWidget* owner)> createWindow);

protected:
    // Shows an output error of a save (the file named in it).
    void ReportSaveError(const QString& error) const;

private:
    TModTraits m_traits;
    QPointer<TModWindow> m_form;
};
