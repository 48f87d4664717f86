#pragma once
// Global Warfare's configuration window: the template window with the mod's game settings and
// misc options, and a bot editor with the class chooser, the side radios and the side-and-class
// picture.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QRadioButton;
class TNumberEdit;

class TFGlobal : public TModWindow {
    Q_OBJECT
public:
    explicit TFGlobal(QWidget* owner = nullptr);
    ~TFGlobal() override;

    TNumberEdit* GW_fraglimit = nullptr;
    TNumberEdit* GW_timelimit = nullptr;
    QRadioButton* GW_fallnorm = nullptr;
    QRadioButton* GW_fallreal = nullptr;
    QCheckBox* GW_footsteps = nullptr;
    QCheckBox* GW_flashlight = nullptr;
    QCheckBox* GW_autocrosshair = nullptr;
    QCheckBox* GW_forcerespawn = nullptr;
    QCheckBox* GW_weaponstay = nullptr;
    QCheckBox* GW_friendlyfire = nullptr;
    TNumberEdit* GW_intermissionstart = nullptr;
    TNumberEdit* GW_intermissionend = nullptr;
    TNumberEdit* GW_transportrespawn = nullptr;
    TNumberEdit* GW_warmuptime = nullptr;
    TNumberEdit* GW_weaponrespawntime = nullptr;
    TNumberEdit* GW_weaponremovetime = nullptr;
    QCheckBox* GW_campaign = nullptr;
    QCheckBox* GW_allowcameras = nullptr;
    QCheckBox* GW_mirrordamage = nullptr;
    QRadioButton* GW_BotA = nullptr;
    QRadioButton* GW_BotAr = nullptr;
    QRadioButton* GW_BotRe = nullptr;

    void GW_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
};

extern QPointer<TFGlobal> FGlobal;
