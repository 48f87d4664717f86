#pragma once
// Dragon Mod Z's configuration window: the template window with the mod's game settings (limits,
// fall damage, switches) and a spawn count of at most nine bots.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QRadioButton;
class TNumberEdit;

class TFDragonmodz : public TModWindow {
    Q_OBJECT
public:
    explicit TFDragonmodz(QWidget* owner = nullptr);
    ~TFDragonmodz() override;

    TNumberEdit* DZ_timelimit = nullptr;
    TNumberEdit* DZ_fraglimit = nullptr;
    QRadioButton* DZ_fallnorm = nullptr;
    QRadioButton* DZ_fallreal = nullptr;
    QCheckBox* DZ_friendlyfire = nullptr;
    QCheckBox* DZ_footsteps = nullptr;
    QCheckBox* DZ_forcerespawn = nullptr;
    QCheckBox* DZ_autocrosshair = nullptr;
    QCheckBox* DZ_Flashlight = nullptr;

    // The template's modified method under the mod's name.
    void DZ_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
};

// The open window, or null.
extern QPointer<TFDragonmodz> FDragonmodz;
