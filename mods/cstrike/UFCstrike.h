#pragma once
// Counter-Strike's configuration window: the template window with Counter-Strike's game page and
// misc options, the side choice and per-side models of each bot, JoeBot's favourite weapon, the
// key choosers, the waypoint folder, and the A.I. (PlBot), Skills and Misc (P.O.D.Bot) pages.
// Which of them a user sees is decided by the selected bot program at the first activation.
#include "mods/common/BotLayout.h"
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QTableWidget;
class QToolButton;
class TNumberEdit;

class TFCstrike : public TModWindow {
    Q_OBJECT
public:
    explicit TFCstrike(QWidget* owner = nullptr);
    ~TFCstrike() override;

    // Pages of its own.
    QWidget* TS_CS_AI = nullptr;
    QWidget* TS_CS_Skill = nullptr;
    QWidget* TS_CS_Misc = nullptr;

    // Game page.
    TNumberEdit* CS_timelimit = nullptr;
    TNumberEdit* CS_RoundTime = nullptr;
    TNumberEdit* CS_startmoney = nullptr;
    QCheckBox* CS_friendlyfire = nullptr;
    QCheckBox* CS_footsteps = nullptr;
    QGroupBox* GB_misc = nullptr;
    QCheckBox* CS_knifeonly = nullptr;
    QCheckBox* CS_pistolonly = nullptr;
    QCheckBox* CS_subonly = nullptr;
    QCheckBox* CS_Snipeonly = nullptr;
    QCheckBox* CS_usesmoke = nullptr;
    QCheckBox* CS_allowlaserdot = nullptr;
    QCheckBox* CS_botuselaserdot = nullptr;
    QCheckBox* CS_detailnames = nullptr;
    TNumberEdit* CS_bot_group = nullptr;
    QLabel* Lab_bot_group = nullptr;
    TNumberEdit* CS_bot_control = nullptr;
    QLabel* Lab_bot_control = nullptr;
    QComboBox* CS_botmenu = nullptr;
    QLabel* Lab_Botmenu = nullptr;
    QComboBox* CS_ExecKey = nullptr;
    QLabel* Lab_ExecKey = nullptr;

    // Maps page.
    QLabel* Lab_WayDir = nullptr;
    QLineEdit* WayDir = nullptr;
    QToolButton* WayDirBrowse = nullptr;

    // Bots page (the template's controls under their Counter-Strike names, and these).
    QWidget* GroupBox16 = nullptr;
    QLabel* Label2 = nullptr;    // the default skill scale's ends (the template's Label13, 15)
    QLabel* Label4 = nullptr;
    QLabel* Label64 = nullptr;   // the bot skill's "Default" end
    QSlider* CS_minskill = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QCheckBox* CS_autoskill = nullptr;
    QRadioButton* CS_BotT = nullptr;
    QRadioButton* CS_BotCT = nullptr;
    QRadioButton* CS_BotA = nullptr;
    QComboBox* CS_Bottype = nullptr;
    QLabel* Lab_Type = nullptr;

    // Chat page.
    QCheckBox* CS_botchat = nullptr;
    QSlider* CS_chatfreq = nullptr;   // the template's chat-rate slider
    QLabel* Lab_chat = nullptr;
    QLabel* Label75 = nullptr;

    // A.I. page (PlBot).
    QGroupBox* GB_PlBot_AI = nullptr;

    // Skills page (P.O.D.Bot).
    QTableWidget* CS_Skills = nullptr;

    // Misc page (P.O.D.Bot).
    QCheckBox* CS_inhumanturns = nullptr;
    QLineEdit* CS_timer_sound = nullptr;
    QLineEdit* CS_timer_pickup = nullptr;
    QLineEdit* CS_timer_grenade = nullptr;

    // Handlers of its own (the side radios run the template's TeamClick, the skill sliders its
    // MinskillChange and DefskillChange, the chat chooser its SelectchatDropDown and SelectChatChange).
    void CS_bottypeChange();
    void CS_SkillsSetEditText();
    // A folder chosen for the waypoints; refused (with the reason shown) unless it lies below
    // the root the bot program reads its waypoints from.
    void WayDirChange(const QString& folder);
    void WayDirBrowseClick();

    // The shown waypoint folder (WayDir's text) and the folder its browser starts in.
    void ShowWayDir(const QString& folder, const QString& browseRoot);

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& section) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void AdaptMapsPage();
    void AdaptBotsPage();
    void AdaptChatPage();
    void BuildAIPage(QWidget* page);
    void BuildSkillsPage(QWidget* page);
    void BuildMiscPage(QWidget* page);
    void ShowMinSkillScale();
    void CompactMiscOptions();
    // The bot programs' layouts (mods/common/BotLayout.h), one row each.
    TBotLayouts Layouts() const;

    QString m_wayDirBrowseRoot;
};

// The open window, or null.
extern QPointer<TFCstrike> FCstrike;
