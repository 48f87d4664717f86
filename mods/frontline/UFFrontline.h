#pragma once
// Front Line Force's configuration window: the template window with the mod's game page and
// HPB Bot's "Misc Options", each bot's side (Auto, Rebels, Commandos) and class, HPB Bot's chat
// sliders and OddBot's chat-file chooser.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;
class TNumberEdit;

class TFFrontline : public TModWindow {
    Q_OBJECT
public:
    explicit TFFrontline(QWidget* owner = nullptr);
    ~TFFrontline() override;

    // Game page.
    TNumberEdit* FL_timelimit = nullptr;
    TNumberEdit* FL_roundlimit = nullptr;
    QCheckBox* FL_friendlyfire = nullptr;
    QCheckBox* FL_footsteps = nullptr;
    QCheckBox* FL_flashlight = nullptr;
    QCheckBox* FL_autoteambalance = nullptr;
    QCheckBox* FL_forcebalance = nullptr;
    QGroupBox* GB_misc = nullptr;
    TNumberEdit* FL_strafe = nullptr;
    TNumberEdit* FL_grenade = nullptr;
    TNumberEdit* FL_logo = nullptr;
    QComboBox* FL_Reaction_Time = nullptr;
    QCheckBox* FL_Botshoot = nullptr;
    QCheckBox* FL_dodge_bullets = nullptr;   // kept in the store, never shown

    // Bots page.
    QRadioButton* FL_TeamAuto = nullptr;
    QRadioButton* FL_TeamRebel = nullptr;
    QRadioButton* FL_TeamCommando = nullptr;

    // Chat page.
    QLabel* Label75 = nullptr;

    // The template's handlers under the mod's names.
    void FL_TeamClick() { TeamClick(); }
    void FL_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& section) override;
};

// The open window, or null.
extern QPointer<TFFrontline> FFrontline;
