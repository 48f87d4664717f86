#pragma once
// Firearms' configuration window: the template window with Firearms' game page, team radios
// and a weapon chooser for each bot, and, for FireBot, its Skills page and three more options.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QTableWidget;
class TNumberEdit;

class TFFirearms : public TModWindow {
    Q_OBJECT
public:
    explicit TFFirearms(QWidget* owner = nullptr);
    ~TFFirearms() override;

    TNumberEdit* FA_timelimit = nullptr;
    TNumberEdit* FA_fraglimit = nullptr;
    QRadioButton* FA_fallnorm = nullptr;
    QRadioButton* FA_fallreal = nullptr;
    QCheckBox* FA_friendlyfire = nullptr;
    QCheckBox* FA_weaponstay = nullptr;
    QCheckBox* FA_forcerespawn = nullptr;
    QCheckBox* FA_footsteps = nullptr;
    QCheckBox* FA_flashlight = nullptr;
    QCheckBox* FA_autocrosshair = nullptr;
    QComboBox* FA_useskills = nullptr;
    QCheckBox* FA_blood = nullptr;
    QCheckBox* FA_shells = nullptr;
    QCheckBox* FA_bulletholes = nullptr;
    QCheckBox* FA_botstamina = nullptr;
    QCheckBox* FA_botdontshoot = nullptr;
    QCheckBox* FA_observer = nullptr;
    QCheckBox* FA_autoexeccfg = nullptr;
    QLabel* Lab_MapsNote = nullptr;
    QComboBox* FA_botweapon = nullptr;
    QWidget* TS_FA_Skill = nullptr;
    QTableWidget* FA_Skills = nullptr;

    // The weapon chooser: with a bot shown and loading done, slot 4 := the weapon's index.
    void FA_botweaponChange();
    // Any edit of the skill grid.
    void FA_SkillsSetEditText();
    void FA_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& bot) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
};

extern QPointer<TFFirearms> FFirearms;
