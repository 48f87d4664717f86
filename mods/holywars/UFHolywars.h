#pragma once
// Holy Wars' configuration window: the template window with the mod's game settings and HPB
// Bot's "Misc Options" on the Game page, Parabot's three trait sliders in the bot's
// properties, and the chat switches Parabot reads. Which of them show is the selected bot
// program's choice (the first activation).
#include "mods/common/ModWindow.h"

#include <QPointer>
#include <QVector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSlider;
class TNumberEdit;

class TFHolywars : public TModWindow {
    Q_OBJECT
public:
    explicit TFHolywars(QWidget* owner = nullptr);
    ~TFHolywars() override;

    QCheckBox* HW_Bottarget = nullptr;
    QGroupBox* GB_misc = nullptr;
    TNumberEdit* HW_strafe = nullptr;
    TNumberEdit* HW_logo = nullptr;
    QComboBox* HW_Reaction_Time = nullptr;
    QCheckBox* HW_RestrictedWeaponMode = nullptr;
    QCheckBox* HW_random_color = nullptr;
    QCheckBox* HW_AlwaysRespond = nullptr;
    QCheckBox* HW_Botchat = nullptr;
    // HW_accuracy, HW_aggression, HW_perception, in UHolywars::TraitRows() order, with their
    // captions and Low/High labels.
    QVector<QSlider*> TraitSliders;
    QVector<QWidget*> TraitLabels;

    void HW_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& section) override;

private:
    void TraitChange(int row);
};

// The open window, or null.
extern QPointer<TFHolywars> FHolywars;
