#pragma once
// Battle of the Millennium's configuration window: the template window with the mod's game
// settings (limits and three switches) and a spawn count of at most nine bots.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class TNumberEdit;

class TFBotm : public TModWindow {
    Q_OBJECT
public:
    explicit TFBotm(QWidget* owner = nullptr);
    ~TFBotm() override;

    TNumberEdit* BO_timelimit = nullptr;
    TNumberEdit* BO_fraglimit = nullptr;
    QCheckBox* BO_footsteps = nullptr;
    QCheckBox* BO_autocrosshair = nullptr;
    QCheckBox* BO_friendlyfire = nullptr;

    // The template's map handlers under the names the mod gives them.
    void AddAllMapClick() { AddAllMapsClick(); }
    void DelAllMapClick() { DelAllMapsClick(); }
    // The template's modified method under the mod's name.
    void BO_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
};

// The open window, or null.
extern QPointer<TFBotm> FBotm;
