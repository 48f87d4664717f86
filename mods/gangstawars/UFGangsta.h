#pragma once
// Gangsta Wars' configuration window: a Game page with the limits, the switches and the number
// of the mod's own bots, and the Maps page; no Bots or Chat page.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QRadioButton;
class TNumberEdit;

class TFGangsta : public TModWindow {
    Q_OBJECT
public:
    explicit TFGangsta(QWidget* owner = nullptr);
    ~TFGangsta() override;

    TNumberEdit* GG_timelimit = nullptr;
    TNumberEdit* GG_fraglimit = nullptr;
    TNumberEdit* GG_donpointlimit = nullptr;
    TNumberEdit* GG_gbpointlimit = nullptr;
    TNumberEdit* GG_ctspointlimit = nullptr;
    TNumberEdit* GG_gbmaxlifes = nullptr;
    QRadioButton* GG_fallnorm = nullptr;
    QRadioButton* GG_fallreal = nullptr;
    QCheckBox* GG_friendlyfire = nullptr;
    QCheckBox* GG_weaponstay = nullptr;
    QCheckBox* GG_forcerespawn = nullptr;
    QCheckBox* GG_footsteps = nullptr;
    QCheckBox* GG_flashlight = nullptr;
    QCheckBox* GG_autocrosshair = nullptr;
    QCheckBox* GG_dmteamplay = nullptr;
    QCheckBox* GG_autoteam = nullptr;
    QCheckBox* GG_kickteamkillers = nullptr;
    QCheckBox* GG_painsounds = nullptr;
    TNumberEdit* GG_spawnbot = nullptr;
    QCheckBox* GG_botsswear = nullptr;
    QCheckBox* GG_botusebot = nullptr;
    QCheckBox* GG_botcombatjump = nullptr;

    void GG_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
};

extern QPointer<TFGangsta> FGangsta;
