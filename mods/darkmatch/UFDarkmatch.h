#pragma once
// Darkmatch's configuration window: the game page of the variant with teams (nine team
// choosers) with the four equipment switches.
#include "mods/common/ModWindow.h"

#include <QPointer>

class TFDarkmatch : public TModWindow {
    Q_OBJECT
public:
    explicit TFDarkmatch(QWidget* owner = nullptr);
    ~TFDarkmatch() override;

    void DK_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
};

extern QPointer<TFDarkmatch> FDarkmatch;
