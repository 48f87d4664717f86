#pragma once
// Half-Life Deathmatch's configuration window: the template window with the game settings and
// ten teams on the Game page, the bot property tabs (Properties, Behaviours, Weapons) over the
// 24-slot record, and Jumbot's A.I., Waypoints and Moron Bots pages. Which controls a bot
// program shows is one table (the first activation applies it).
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TBotPropertyTabs;
class TNumberEdit;

class TFDeathmatch : public TModWindow {
    Q_OBJECT
public:
    explicit TFDeathmatch(QWidget* owner = nullptr);
    ~TFDeathmatch() override;

    TBotPropertyTabs* BotTabs = nullptr;
    QLabel* Lab_bot_skill = nullptr;
    QRadioButton* DM_fallnorm = nullptr;
    QRadioButton* DM_fallreal = nullptr;
    QCheckBox* DM_leadsys = nullptr;
    QCheckBox* DM_squads = nullptr;
    QCheckBox* DM_RestrictedWeaponMode = nullptr;
    TNumberEdit* DM_Botparam2 = nullptr;   // shirt colour, slot 4
    TNumberEdit* DM_BotParam1 = nullptr;   // pants colour, slot 3
    TNumberEdit* DM_spawndelay = nullptr;
    QCheckBox* DM_bot_random = nullptr;
    QComboBox* DM_Reaction_Time = nullptr;
    QCheckBox* DM_random_color = nullptr;
    QCheckBox* DM_botchat = nullptr;
    QCheckBox* DM_AlwaysRespond = nullptr;
    QCheckBox* DM_bot_ordering = nullptr;
    QCheckBox* DM_ackteam = nullptr;
    QPlainTextEdit* DM_orders = nullptr;
    QPlainTextEdit* DM_Moron = nullptr;
    QPushButton* DM_BEditDef = nullptr;
    QWidget* DM_TS_AI = nullptr;
    QWidget* DM_TS_Waypoints = nullptr;
    QWidget* DM_TS_Moron = nullptr;

    // "Edit default": the bot's default.cfg in its configuration folder, in the File Editor.
    void DM_BEditDefClick();

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& section) override;

private:
    void BuildAIPage(QWidget* page);
    void BuildWaypointsPage(QWidget* page);
    void ColourChanged(TNumberEdit* field, int slot);
};

extern QPointer<TFDeathmatch> FDeathmatch;
