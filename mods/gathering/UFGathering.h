#pragma once
// The Gathering's configuration window: the template window without a Chat page, with the game
// page of the variant with teams (game type, number of teams, ten team choosers, the preview), the
// "Edit config" button for a map's own configuration file, and bots without a spawn count.
#include "mods/common/ModWindow.h"

#include <QPointer>

class TFGathering : public TModWindow {
    Q_OBJECT
public:
    explicit TFGathering(QWidget* owner = nullptr);
    ~TFGathering() override;

    void GA_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
};

// The open window, or null.
extern QPointer<TFGathering> FGathering;
