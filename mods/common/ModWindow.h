#pragma once
// The window half of every mod module: the fixed 577 x 441 dialog with the common pages
// (Game, Maps, Bots, Chat), the four colour buttons and the map and bot editors, every control
// named under the mod's prefix (OP_ListBot, VS_ListBot ...), plus the handlers of the template:
// first activation, close, apply, restore, the map and bot editors.
//
// How a mod builds on it: derive TF<Mod> from TModWindow, pass the mod's logic object, call
// BuildWindow() at the end of the constructor (virtual hooks do not dispatch from a base
// constructor), and override:
//   - BuildGamePage(): the mod's game controls, made with AddNumber/AddCheck/AddCombo so that
//     user changes mark the mod modified (Qt's change signals fire for programmatic changes
//     too; these helpers connect the user-only signals);
//   - BuildExtraPages(): further pages (A.I., Skills, Misc ...), placed after the common ones.
//     It runs when the common pages exist, so it is also the place to add the mod's own
//     controls to them (team radios or a class chooser in GB_BotProp, a waypoint-folder chooser
//     on the Maps page, key choosers on the Game page);
//   - BeforeActivation() / AfterBotSection(): steps the mod adds to the first activation, before
//     step 1 and after step 5 (the per-bot layout);
//   - the side of a bot (Auto / one side / the other, stored in slot 3): AddSideRadios() in
//     BuildExtraPages; their clicks run TeamClick(), and ShowBot ticks the bot's side. What a
//     side change does to the model list and picture is the logic's SideChanged();
// The bot-name field keeps the one name rule (ModWriters::IsBotNameChar, 31 bytes) plus
// TModTraits::ForbiddenNameChars, through a validator, so paste is filtered too.
// Handlers a mod's description names differently keep the template's body: bind the mod's own
// controls to them. "Edit config" opens the map's file in TModLogic::MapConfigFolder() when
// TModTraits::MapConfigOpens is set; override BEditCfgClick where the mod opens another file.
// A template control the mod knows under another name or caption is a row of
// TModTraits::TemplateControls, given to the control as the template creates it.
// Mods without a page set the TModTraits flag; the page's controls are then not created and the
// handlers that would use them are never connected.
// The window is the view of its logic (mods/common/ModView.h): the template's routines reach the
// controls only through the steps it implements there.
#include "mods/common/ModView.h"

#include <QDialog>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QToolButton;
class TIniFile;
class TModLogic;
class TNumberEdit;
class TTeamPanel;

class TModWindow : public QDialog, public TModView {
    Q_OBJECT
public:
    TModWindow(TModLogic& logic, QWidget* owner);
    ~TModWindow() override;

    TModLogic& Logic() const { return m_logic; }
    QString Prefixed(const QString& name) const;

    // Builds the whole window; the derived constructor calls it once.
    void BuildWindow();

    // A named control of this window (nullptr when absent).
    template <class T>
    T* Control(const QString& objectName) const { return findChild<T*>(objectName); }
    QWidget* ControlWidget(const QString& objectName) const override;

    // ---- Common controls (null when the mod leaves their page out). ----
    QTabWidget* PC = nullptr;
    QWidget* TS_Game = nullptr;
    QWidget* TS_Maps = nullptr;
    QWidget* TS_Bots = nullptr;
    QWidget* TS_Chat = nullptr;
    QPushButton* BClose = nullptr;
    QPushButton* BRestoreDef = nullptr;
    QPushButton* BRestoreConf = nullptr;
    QPushButton* BApplyConf = nullptr;

    // Maps page.
    QListWidget* MapDispo = nullptr;
    QListWidget* MapCycle = nullptr;
    QPlainTextEdit* MapCom = nullptr;
    QLabel* MapLabel = nullptr;
    QLabel* Label84 = nullptr;
    QLabel* Label85 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QPushButton* RandomMap = nullptr;
    QPushButton* BEditCfg = nullptr;     // hidden unless the bot section has "config"

    // Bots page.
    QLabel* Label86 = nullptr;
    TNumberEdit* spawnbot = nullptr;
    QLabel* Label91 = nullptr;
    QListWidget* ListBot = nullptr;
    QToolButton* SBCreeBot = nullptr;
    QToolButton* SBCreeRandomBot = nullptr;
    QToolButton* SBUpBot = nullptr;
    QToolButton* SBDownBot = nullptr;
    QToolButton* SBDelBot = nullptr;
    QLabel* LabelDefSkill = nullptr;
    QSlider* defskill = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QWidget* GB_BotList = nullptr;       // holds the list and its buttons (hidden for editors)
    QGroupBox* GB_BotProp = nullptr;
    QLineEdit* botname = nullptr;
    QLabel* LabelModel = nullptr;        // "Model", with the chooser
    QComboBox* botmodel = nullptr;
    QToolButton* SpeedButton13 = nullptr;
    QToolButton* SpeedButton14 = nullptr;
    QLabel* BotPic = nullptr;
    QSlider* Botskill = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label65 = nullptr;
    QLabel* Label67 = nullptr;
    QPushButton* B_BotEditor = nullptr;  // hidden unless the bot section names an editor
    // The variant with teams (mods/common/TeamPanel.h), when the mod has it; the panel sets it
    // with the steps the logic reaches it by.
    TTeamPanel* TeamPanel = nullptr;
    void SetTeamPanel(TTeamPanel* panel, TModTeams* steps)
    {
        TeamPanel = panel;
        m_teams = steps;
    }
    // The key choosers of the mod (its bot-menu key, its spawn key ...): LoadDefaults fills them
    // from the key table. The mod appends them where it builds them.
    QVector<QComboBox*> KeyChoosers;
    // The side radios (AddSideRadios), and the slot-3 value each stands for.
    QVector<QRadioButton*> SideRadios;
    QStringList SideValues;

    // Chat page.
    QPlainTextEdit* chatkill = nullptr;
    QLabel* ChatNote = nullptr;
    QSlider* Chatfreq = nullptr;
    QSlider* chatfreq_kill = nullptr;
    QSlider* Chatfreq_died = nullptr;
    QLabel* Lab_chatfreq = nullptr;
    QLabel* Lab_chatkill = nullptr;
    QLabel* Lab_chatdied = nullptr;
    QLabel* Lab_SelectChat = nullptr;    // "Chat files", hidden until ShowChatFiles
    QComboBox* Selectchat = nullptr;

    // ---- Handlers (the template's names, prefix left out where it carries one). ----
    void FormActivate();
    void BCloseClick();
    void BRestoreDefClick();
    void BRestoreConfClick();
    void BApplyConfClick();
    void MapDispoClick();
    void AddMapClick();
    void AddAllMapsClick();
    void DelMapClick();
    void DelAllMapsClick();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void RandomMapClick();
    void MapComExit();
    void ListBotClick();
    void SpeedButton13Click();
    void SpeedButton14Click();
    void botmodelChange();
    // The chooser the model arrows and botmodelChange step (botmodel; a mod with a second model
    // per bot returns that one while it is the one shown). The logic's ModelSlot() is its slot.
    virtual QComboBox* SteppedModelChooser() const { return botmodel; }
    void botnameChange();
    void BotskillChange();
    void SBCreeBotClick(bool random);
    void SBUpBotClick();
    void SBDownBotClick();
    void SBDelBotClick();
    virtual void BEditCfgClick();
    void B_BotEditorClick();
    // <XX>_TeamClick: the side radios. With a bot focused and loading done: slot 3 := the ticked
    // radio's value, the logic's SideChanged, modified.
    void TeamClick();
    // Ticks the radio of a side value; none for a value that is no radio's.
    void ShowSide(const QString& value) override;
    // The ticked radio's value ("" when none is).
    QString CheckedSide() const;
    // The chat-file chooser: before its list opens the memo goes to the current chat file; a
    // choice (by the user) saves the memo to the current file again, makes the chosen file the
    // current one and loads it into the memo (empty for a file that does not exist yet).
    void SelectchatDropDown();
    void SelectChatChange();
    // Fills the chooser with the bot program's chat files and shows it, with the current chat
    // file chosen (the bot section's "chatfile"; when that is none of them, the first becomes
    // the current file). Call it before the chat memo is loaded (AfterBotSection).
    void ShowChatFiles(const QStringList& files);
    // <XX>_OnChange: every game setting, spawnbot, defskill, the chat sliders and the memo.
    void OnChange();
    // <XX>_Modif_Param: the modified flag := 1.
    void Modif_Param() override;

    // A control the template or a shared panel has just created takes the name and caption the
    // mod declares for it (TModTraits::TemplateControls); each control and each row count once.
    void DeclareTemplateControl(QWidget* control);
    // The rows of TModTraits::TemplateControls that went wrong, one text each: a name no control
    // of the window carried (misspelt, or on a page the mod leaves out), a caption the control
    // cannot show. Empty for a sound table; complete once the window is built.
    QStringList UnmatchedTemplateControls() const { return m_unmatched; }

    // True once the window has been closed by Exit or Apply (tests and the main window).
    bool ClosedByButtons() const { return m_closing; }

    // Bots whose skill counts from 1 (no "Default" skill 0): both skill sliders start at 1 and the
    // bot's skill captions sit at the slider's ends and middle.
    void SkillFromOne();

    // ---- Builders for the mod's own controls (named, user changes connected to OnChange). ----
    QLabel* AddLabel(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                     int w = -1, int h = -1);
    TNumberEdit* AddNumber(QWidget* parent, const QString& name, int minimum, int maximum,
                           int maxDigits, int x, int y, int w, const QString& hint = QString());
    QCheckBox* AddCheck(QWidget* parent, const QString& name, const QString& caption, int x,
                        int y, int w, const QString& hint = QString());
    QComboBox* AddCombo(QWidget* parent, const QString& name, const QStringList& items, int x,
                        int y, int w, const QString& hint = QString());
    QRadioButton* AddRadio(QWidget* parent, const QString& name, const QString& caption, int x,
                           int y, int w, const QString& hint = QString());
    // A horizontal slider with a mark per step; moved by the user it marks the mod modified
    // (the loaders set it with its signals blocked).
    QSlider* AddSlider(QWidget* parent, const QString& name, int minimum, int maximum, int x, int y,
                       int w, int tickInterval = 1, const QString& hint = QString());
    QGroupBox* AddGroup(QWidget* parent, const QString& name, const QString& caption, int x,
                        int y, int w, int h);
    QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption, int x,
                           int y, int w, int h);
    // Starts the program file (no parameters) in workDir, or tells the user why it did not start.
    void StartProgram(const QString& file, const QString& workDir);
    // A step of every first activation, run before BeforeActivation: for a part a builder makes
    // that looks at the mod folder as it is when the window opens.
    void AtFirstActivation(std::function<void()> step) { m_firstActivation << std::move(step); }
    // The side radios, one under the other from (x, y): objectName, caption and the value the
    // bot record stores for it ("0" Auto, "1", "2" ... as the mod's description says).
    struct TSideRadio {
        QString Name;
        QString Caption;
        QString Value;
    };
    void AddSideRadios(QWidget* parent, const QVector<TSideRadio>& radios, int x, int y, int w,
                       int step = 24);
    // Puts control into the blank run of a caption such as "Bind      for in-game bot menu",
    // right after the text `after` (the key choosers sit inside their captions).
    static void PlaceInCaptionGap(QLabel* label, QWidget* control, const QString& after,
                                  int height = 22);
    // A key chooser in its caption ("Bind      to spawn the bots"): the caption's head stays in
    // `label`, the chooser follows it as wide as the longest key name needs, and the caption's
    // tail follows the chooser on the same line when the parent has room, else on the line below,
    // under the chooser (a child of `label`, so it shows and hides with it). Returns the height
    // the whole caption takes from the label's top.
    static int PlaceKeyChooser(QLabel* label, QComboBox* chooser, const QString& head);
    // A minimum-skill slider kept in step with the default skill (defskill): raising the minimum
    // above the default raises the default, lowering the default below the minimum lowers the
    // minimum; both user changes mark the mod modified.
    void CoupleMinSkill(QSlider* minSkill);
    void MinskillChange();
    void DefskillChange();
    QSlider* MinSkill = nullptr;

    // ---- The view the logic works through (mods/common/ModView.h). ----
    TModWindow& Window() override { return *this; }
    const TModWindow& Window() const override { return *this; }
    QWidget* DialogParent() override { return this; }
    TModTeams* Teams() const override { return m_teams; }
    void ListMaps(const QString& configFolder, const QString& config, const QString& waypointFolder,
                  bool legend) override;
    void ReadMapCycle(const QString& waypointFolder) override;
    bool WriteMapCycle(QString& error) override;
    void ClearMapCycle() override;
    bool MapCycleEmpty() const override;
    void FillKeyChoosers() override;
    void SetSpawnBot(int value) override;
    void ShowBotsPageValues(const TBotsPageValues& values, bool chatRates) override;
    TBotsPageValues BotsPageValues() const override;
    bool HasBotList() const override { return ListBot != nullptr; }
    bool BotListEmpty() const override;
    int CurrentBot() const override;
    bool HasSelectedBots() const override;
    void EmptyBotList() override;
    void AddBotNames(const QStringList& names) override;
    void ClearBotSelection() override;
    void DeleteSelectedBots(int& count, QVector<TBot>& bots) override;
    bool SelectFirstBot() override;
    void HideBotProperties() override;
    QString PickRandomBotName() const override;
    void ClearBotEditor() override;
    void ShowBotName(const QString& name) override;
    void ShowBotSkill(int skill) override;
    QStringList ModelItems() const override;
    void FillModels(const QStringList& models) override;
    void SelectModel(int index) override;
    void ShowModelPicture(const QString& pictureName) override;
    bool BotSkillRange(int& minimum, int& maximum) const override;
    bool HasChatMemo() const override { return chatkill != nullptr; }
    bool ChatMemoEmpty() const override;
    void ClearChatMemo() override;
    bool ReadChatMemoFile(QString& error) override;
    bool WriteChatMemoFile(QString& error) override;

protected:
    // ---- Extension points. ----
    virtual void BuildGamePage(QWidget* page);
    virtual void BuildExtraPages(QTabWidget* pages);
    // Before step 1 of the first activation.
    virtual void BeforeActivation();
    // After step 5 (the per-bot layout), with the Mods file and the selected bot's section.
    virtual void AfterBotSection(const TIniFile& modsIni, const QString& section);

    bool event(QEvent* e) override;
    void reject() override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildButtons();
    void BuildMapsPage(QWidget* page);
    void BuildBotsPage(QWidget* page);
    void BuildChatPage(QWidget* page);
    void CloseWindow();
    // DeclareTemplateControl for root and every control below it.
    void DeclareTemplateControls(QWidget* root);

    TModLogic& m_logic;
    TModTeams* m_teams = nullptr;
    QVector<bool> m_templateRowTaken;
    QSet<const QWidget*> m_declared;
    QStringList m_unmatched;
    bool m_closing = false;
    bool m_built = false;
    bool m_activating = false;
    QVector<std::function<void()>> m_firstActivation;
};
