#pragma once
// Snark Wars' configuration window: the template window with the game page of the variant with
// teams (nine team choosers).
#include "mods/common/ModWindow.h"

#include <QPointer>

class TFSnarkWars : public TModWindow {
    Q_OBJECT
public:
    explicit TFSnarkWars(QWidget* owner = nullptr);
    ~TFSnarkWars() override;

    void SW_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
};

extern QPointer<TFSnarkWars> FSnarkWars;
