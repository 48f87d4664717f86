#pragma once
// Worms HL's configuration window: the template window with the mod's game settings, a bot
// editor without a model (name, skill, and the team the bot's place gives it, with its picture).
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QRadioButton;
class TNumberEdit;

class TFWormsHL : public TModWindow {
    Q_OBJECT
public:
    explicit TFWormsHL(QWidget* owner = nullptr);
    ~TFWormsHL() override;

    TNumberEdit* WO_tourlimit = nullptr;
    TNumberEdit* WO_timelimit = nullptr;
    QRadioButton* WO_fallnorm = nullptr;
    QRadioButton* WO_fallreal = nullptr;
    QCheckBox* WO_friendlyfire = nullptr;
    QCheckBox* WO_forcerespawn = nullptr;
    // Shown, not chosen: the team follows the bot's place in the list.
    QRadioButton* WO_TeamBlue = nullptr;
    QRadioButton* WO_TeamRed = nullptr;

    void WO_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
};

extern QPointer<TFWormsHL> FWormsHL;
