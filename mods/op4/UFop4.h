#pragma once
// Opposing Force's configuration window: the game type with up to ten teams and the game
// settings on the Game page, HPB Bot's settings and, for Capture the Flag, each bot's side and
// capture-the-flag model on the Bots page, Parabot's traits and chat switches. Which of them show
// is the selected bot program's and the game type's choice.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class TBotSliderColumn;
class TNumberEdit;

class TFOp4 : public TModWindow {
    Q_OBJECT
public:
    explicit TFOp4(QWidget* owner = nullptr);
    ~TFOp4() override;

    QComboBox* OF_Gametype = nullptr;
    TNumberEdit* OF_ctf_capture = nullptr;
    QLabel* Label8 = nullptr;
    QCheckBox* OF_Bottarget = nullptr;
    QLabel* Lab_reaction = nullptr;
    QComboBox* OF_Reaction_Time = nullptr;

    TNumberEdit* OF_strafe = nullptr;
    TNumberEdit* OF_logo = nullptr;
    TNumberEdit* OF_grenade = nullptr;
    QVector<QWidget*> HpbOptions;   // the three fields with their captions
    QLabel* Lab_model = nullptr;
    QLabel* Lab_team = nullptr;
    QRadioButton* OF_BotA = nullptr;
    QRadioButton* OF_BotBM = nullptr;
    QRadioButton* OF_BotOF = nullptr;
    QLabel* Lab_ctfmodel = nullptr;
    QComboBox* OF_botctfmodel = nullptr;
    QCheckBox* OF_random_color = nullptr;
    TBotSliderColumn* Traits = nullptr;

    QCheckBox* OF_Botchat = nullptr;
    QCheckBox* OF_AlwaysRespond = nullptr;

    // In Capture the Flag the arrows and the chooser's change step the capture-the-flag model.
    QComboBox* SteppedModelChooser() const override;
    // OF_GametypeChange: the controls of the new game type, then modified.
    void OF_GametypeChange();

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& section) override;
};

extern QPointer<TFOp4> FOp4;
