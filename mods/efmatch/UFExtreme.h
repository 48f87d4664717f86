#pragma once
// Extreme Fragmatch's configuration window: the template window with the game page of the
// variant with teams (game type, number of teams, ten team choosers, the team-model preview).
#include "mods/common/ModWindow.h"

#include <QPointer>

class TFExtreme : public TModWindow {
    Q_OBJECT
public:
    explicit TFExtreme(QWidget* owner = nullptr);
    ~TFExtreme() override;

    // The template's modified method under Extreme Fragmatch's name.
    void EF_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
};

// The open window, or null.
extern QPointer<TFExtreme> FExtreme;
