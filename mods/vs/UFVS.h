#pragma once
// Vampire Slayer's configuration window: the template window without a Chat page, with the
// mod's game settings (limits and switches).
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class TNumberEdit;

class TFVS : public TModWindow {
    Q_OBJECT
public:
    explicit TFVS(QWidget* owner = nullptr);
    ~TFVS() override;

    TNumberEdit* VS_timelimit = nullptr;
    TNumberEdit* VS_roundtime = nullptr;
    TNumberEdit* VS_roundlimit = nullptr;
    QCheckBox* VS_friendlyfire = nullptr;
    QCheckBox* VS_nodraws = nullptr;
    QCheckBox* VS_tkkill = nullptr;
    QCheckBox* VS_autobalance = nullptr;
    QCheckBox* VS_flashlight = nullptr;
    QCheckBox* VS_decap = nullptr;

    // The template's modified method under the mod's name.
    void VS_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
};

// The open window, or null.
extern QPointer<TFVS> FVS;
