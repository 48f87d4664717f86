#pragma once
// Existence's configuration window: the template window with the mod's game page (time limit,
// round and jail timers, fall damage, switches) and each bot's side (Rebels or Agents) with the
// characters of that side.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QRadioButton;
class TNumberEdit;

class TFExistence : public TModWindow {
    Q_OBJECT
public:
    explicit TFExistence(QWidget* owner = nullptr);
    ~TFExistence() override;

    // Game page.
    TNumberEdit* EX_timelimit = nullptr;
    TNumberEdit* EX_restarttime = nullptr;
    TNumberEdit* EX_Jailtime = nullptr;
    QRadioButton* EX_fallnorm = nullptr;
    QRadioButton* EX_fallreal = nullptr;
    QCheckBox* EX_friendlyfire = nullptr;
    QCheckBox* EX_footsteps = nullptr;
    QCheckBox* EX_flashlight = nullptr;
    QCheckBox* EX_autocrosshair = nullptr;

    // Bots page.
    QRadioButton* EX_BotAl = nullptr;
    QRadioButton* EX_BotAx = nullptr;

    // The template's handlers under the mod's names.
    void EX_OnChange() { OnChange(); }
    void EX_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
};

// The open window, or null.
extern QPointer<TFExistence> FExistence;
