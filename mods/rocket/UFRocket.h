#pragma once
// Rocket Crowbar's configuration window: the game type and six teams, the game settings, the
// template's maps, bots and chat pages (the chat page with RCBot's chat rate) and the Misc page
// of RCBot's options.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QSlider;
class TNumberEdit;

class TFRocket : public TModWindow {
    Q_OBJECT
public:
    explicit TFRocket(QWidget* owner = nullptr);
    ~TFRocket() override;

    TNumberEdit* RC_fraglimit = nullptr;
    TNumberEdit* RC_timelimit = nullptr;
    TNumberEdit* RC_flag_return_time = nullptr;
    TNumberEdit* RC_points_per_capture = nullptr;
    TNumberEdit* RC_scikill = nullptr;
    TNumberEdit* RC_deathballs = nullptr;
    QComboBox* RC_falldamage = nullptr;
    QComboBox* RC_Teamplay = nullptr;
    QCheckBox* RC_friendlyfire = nullptr;
    QCheckBox* RC_weaponstay = nullptr;
    QCheckBox* RC_forcerespawn = nullptr;
    QCheckBox* RC_footsteps = nullptr;
    QCheckBox* RC_flashlight = nullptr;
    QCheckBox* RC_autocrosshair = nullptr;
    QCheckBox* RC_drunkrockets = nullptr;
    QCheckBox* RC_teamannoy = nullptr;
    QCheckBox* RC_allowrifts = nullptr;
    QCheckBox* RC_teampush = nullptr;
    QCheckBox* RC_curses = nullptr;

    QWidget* TS_RC_Misc = nullptr;
    QCheckBox* RC_botdontshootsci = nullptr;
    QCheckBox* RC_use_satchels = nullptr;
    QCheckBox* RC_use_tripmines = nullptr;
    QSlider* RC_tripmine_percent = nullptr;
    QCheckBox* RC_allow_spammers = nullptr;
    QSlider* RC_spammer_percent = nullptr;
    QCheckBox* RC_matrixmode = nullptr;
    QCheckBox* RC_bot_break_objects = nullptr;
    QCheckBox* RC_use_astar = nullptr;
    QSlider* RC_bot_chat_percent = nullptr;

    void RC_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
};

extern QPointer<TFRocket> FRocket;
