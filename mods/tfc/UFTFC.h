#pragma once
// Team Fortress Classic's configuration window: the template window with the mod's game page
// (limits, the four teamplay damage rules, switches, the options of Abot and HPB Bot), each
// bot's team (Auto, Blue, Red) and class, the bot programs' chat settings and OddBot's chat-file
// chooser.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;
class TNumberEdit;

class TFTFC : public TModWindow {
    Q_OBJECT
public:
    explicit TFTFC(QWidget* owner = nullptr);
    ~TFTFC() override;

    // Game page.
    TNumberEdit* TF_fraglimit = nullptr;
    TNumberEdit* TF_timelimit = nullptr;
    TNumberEdit* TF_respawndelay = nullptr;
    // The teamplay damage rules, in the order of their bits (2, 8, 128, 512).
    QComboBox* TeamPlay_2 = nullptr;
    QComboBox* TeamPlay_8 = nullptr;
    QComboBox* TeamPlay_128 = nullptr;
    QComboBox* TeamPlay_512 = nullptr;
    QCheckBox* TF_footsteps = nullptr;
    QCheckBox* TF_Balance = nullptr;
    QCheckBox* TF_Botshoot = nullptr;
    QCheckBox* TF_Birthday = nullptr;
    QGroupBox* GB_Options = nullptr;
    QCheckBox* TF_Bottarget = nullptr;
    QLabel* Lab_strafe = nullptr;
    QSlider* TF_strafe = nullptr;
    QLabel* Lab_grenade = nullptr;
    QSlider* TF_grenade = nullptr;
    QLabel* Lab_logo = nullptr;
    QSlider* TF_logo = nullptr;
    QLabel* Lab_reaction = nullptr;
    QComboBox* TF_Reaction_Time = nullptr;

    // Bots page.
    QRadioButton* TF_TeamAuto = nullptr;
    QRadioButton* TF_TeamBlue = nullptr;
    QRadioButton* TF_TeamRed = nullptr;

    // Chat page.
    QCheckBox* TF_botchat = nullptr;
    QLabel* Label75 = nullptr;

    // The template's handlers under the mod's names.
    void TF_TeamClick() { TeamClick(); }
    void TF_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& section) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
};

// The open window, or null.
extern QPointer<TFTFC> FTFC;
