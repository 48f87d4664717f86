#pragma once
// Judgement's configuration window: the template window without a Chat page, with the mod's game
// settings (limits, fall damage, switches); with the mod's own bot the skills are hidden and a
// bot's name follows its model.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QRadioButton;
class TNumberEdit;

class TFJudgement : public TModWindow {
    Q_OBJECT
public:
    explicit TFJudgement(QWidget* owner = nullptr);
    ~TFJudgement() override;

    TNumberEdit* JM_timelimit = nullptr;
    TNumberEdit* JM_fraglimit = nullptr;
    QRadioButton* JM_fallnorm = nullptr;
    QRadioButton* JM_fallreal = nullptr;
    QCheckBox* JM_footsteps = nullptr;
    QCheckBox* JM_autocrosshair = nullptr;
    QCheckBox* JM_forcerespawn = nullptr;
    QCheckBox* JM_WeaponStay = nullptr;
    QCheckBox* JM_mostwanted = nullptr;

    // After a model step: with the mod's own bot the bot takes the model's name.
    void NameAfterModel();
    // The template's modified method under the mod's name.
    void JM_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& section) override;
};

// The open window, or null.
extern QPointer<TFJudgement> FJudgement;
