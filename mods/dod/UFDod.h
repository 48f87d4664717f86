#pragma once
// Day of Defeat's configuration window: the template window with the mod's game page, the two
// bind-key choosers and Sturmbot's reaction times and rank, each bot's side (Allies, Axis, Auto)
// with the class list of that side, and the hidden minimum skill kept in step with the default.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;
class QSlider;
class TNumberEdit;

class TFDod : public TModWindow {
    Q_OBJECT
public:
    explicit TFDod(QWidget* owner = nullptr);
    ~TFDod() override;

    // Game page.
    TNumberEdit* DD_fraglimit = nullptr;
    TNumberEdit* DD_timelimit = nullptr;
    TNumberEdit* DD_tkpenalty = nullptr;
    QRadioButton* DD_fallnorm = nullptr;
    QRadioButton* DD_fallreal = nullptr;
    QCheckBox* DD_footsteps = nullptr;
    QCheckBox* DD_flashlight = nullptr;
    QCheckBox* DD_autocrosshair = nullptr;
    QCheckBox* DD_friendlyfire = nullptr;
    QGroupBox* GB_misc = nullptr;
    QLabel* Lab_Botmenu = nullptr;
    QComboBox* DD_botmenu = nullptr;
    QLabel* Lab_ExecKey = nullptr;
    QComboBox* DD_ExecKey = nullptr;
    QLabel* Lab_min_reaction = nullptr;
    TNumberEdit* DD_min_reaction = nullptr;
    QLabel* Lab_max_reaction = nullptr;
    TNumberEdit* DD_max_reaction = nullptr;
    QCheckBox* DD_Rank = nullptr;
    QCheckBox* DD_botchat = nullptr;    // kept in the store, never shown
    QCheckBox* DD_grenade = nullptr;    // kept in the store, never shown

    // Bots page.
    QSlider* DD_Minskill = nullptr;     // never shown: the bot section's minskill
    QRadioButton* DD_BotAl = nullptr;
    QRadioButton* DD_BotAx = nullptr;
    QRadioButton* DD_BotA = nullptr;

    // The template's handlers under the mod's names.
    void DD_TeamClick() { TeamClick(); }
    void DD_MinskillChange() { MinskillChange(); }
    void DD_defskillChange() { DefskillChange(); }
    void DD_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& section) override;
};

// The open window, or null.
extern QPointer<TFDod> FDod;
