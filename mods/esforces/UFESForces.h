#pragma once
// Earth's Special Forces' configuration window: the template window with the game mode and the
// game settings of the mod.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QComboBox;

class TFESForces : public TModWindow {
    Q_OBJECT
public:
    explicit TFESForces(QWidget* owner = nullptr);
    ~TFESForces() override;

    QComboBox* ES_gamemode = nullptr;
    void ES_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
};

extern QPointer<TFESForces> FESForces;
