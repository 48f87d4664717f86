#pragma once
// Wanted's configuration window: the template window without a Chat page, with the mod's game
// settings, its own bot settings on the Bots page (number of bots, difficulty and its
// adjustment, all kept in game.cfg) and a shirt and a pants colour for each bot.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QRadioButton;
class TNumberEdit;

class TFWanted : public TModWindow {
    Q_OBJECT
public:
    explicit TFWanted(QWidget* owner = nullptr);
    ~TFWanted() override;

    TNumberEdit* WT_timelimit = nullptr;
    TNumberEdit* WT_fraglimit = nullptr;
    QRadioButton* WT_fallnorm = nullptr;
    QRadioButton* WT_fallreal = nullptr;
    QCheckBox* WT_friendlyfire = nullptr;
    QCheckBox* WT_weaponstay = nullptr;
    QCheckBox* WT_forcerespawn = nullptr;
    QCheckBox* WT_footsteps = nullptr;
    QCheckBox* WT_flashlight = nullptr;
    QCheckBox* WT_autocrosshair = nullptr;
    // The template's number-of-bots field and default-skill slider, as game.cfg's cvars.
    TNumberEdit* WT_defaultbots = nullptr;
    QCheckBox* WT_adjbotskill = nullptr;
    // Pants (slot 3) and shirt (slot 4) colours of the shown bot.
    TNumberEdit* WT_botparam1 = nullptr;
    TNumberEdit* WT_botparam2 = nullptr;

    void WT_botparam1Change();
    void WT_botparam2Change();
    void WT_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
};

// The open window, or null.
extern QPointer<TFWanted> FWanted;
