#pragma once
// Goldeneye's configuration window: the template window without a Chat page and without a
// number of bots (the mod adds every bot of its list), with the mod's game type, limits and
// switches, and the key that creates the bots in the modes where they do not come by themselves.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QRadioButton;
class TNumberEdit;

class TFGoldeneye : public TModWindow {
    Q_OBJECT
public:
    explicit TFGoldeneye(QWidget* owner = nullptr);
    ~TFGoldeneye() override;

    QComboBox* GE_rules = nullptr;
    TNumberEdit* GE_timelimit = nullptr;
    TNumberEdit* GE_fraglimit = nullptr;
    TNumberEdit* GE_spychange = nullptr;
    QRadioButton* GE_fallnorm = nullptr;
    QRadioButton* GE_fallreal = nullptr;
    QCheckBox* GE_friendlyfire = nullptr;
    QCheckBox* GE_footsteps = nullptr;
    QCheckBox* GE_flashlight = nullptr;
    QCheckBox* GE_forcerespawn = nullptr;
    QCheckBox* GE_autocrosshair = nullptr;
    QCheckBox* GE_allowradar = nullptr;
    QCheckBox* GE_allowarmor = nullptr;
    QComboBox* GE_botmenu = nullptr;

    // The template's modified method under the mod's name.
    void GE_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
};

// The open window, or null.
extern QPointer<TFGoldeneye> FGoldeneye;
