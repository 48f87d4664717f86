#pragma once
// Wizard Wars' configuration window: the template window with the mod's game settings (limits,
// switches, thorn plants, co-op maps, combo chaos), up to 32 bots, and the team radios of each
// bot beside its class.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QRadioButton;
class TNumberEdit;

class TFWizwars : public TModWindow {
    Q_OBJECT
public:
    explicit TFWizwars(QWidget* owner = nullptr);
    ~TFWizwars() override;

    TNumberEdit* WZ_fraglimit = nullptr;
    TNumberEdit* WZ_timelimit = nullptr;
    QCheckBox* WZ_friendlyfire = nullptr;
    QCheckBox* WZ_footsteps = nullptr;
    QCheckBox* WZ_autocrosshair = nullptr;
    QCheckBox* WZ_allowdmthorns = nullptr;
    QCheckBox* WZ_coop = nullptr;
    QCheckBox* WZ_combochaos = nullptr;
    QRadioButton* WZ_TeamAuto = nullptr;
    QRadioButton* WZ_TeamBlue = nullptr;
    QRadioButton* WZ_TeamRed = nullptr;

    // The team radios: the template's side handler.
    void WZ_TeamClick() { TeamClick(); }
    // The template's modified method under the mod's name.
    void WZ_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& section) override;
};

// The open window, or null.
extern QPointer<TFWizwars> FWizwars;
