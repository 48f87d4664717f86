#pragma once
// Action Half-Life's configuration window: the template window with the mod's game page, and
// on the Bots page three property pages (Properties, and for "AHL bot" the bot's Behaviours and
// its own Chat).
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class TNumberEdit;

class TFAction : public TModWindow {
    Q_OBJECT
public:
    explicit TFAction(QWidget* owner = nullptr);
    ~TFAction() override;

    QComboBox* AC_gametype = nullptr;
    TNumberEdit* AC_roundtimelimit = nullptr;
    QComboBox* AC_Gorelevel = nullptr;
    TNumberEdit* AC_teamkills = nullptr;
    QComboBox* AC_tkdeal = nullptr;
    QCheckBox* AC_bot_snipe = nullptr;

    QTabWidget* AC_PC_Bot = nullptr;
    QWidget* AC_TS_BotProp = nullptr;
    QWidget* AC_TS_BotBehav = nullptr;
    QWidget* AC_TS_BotChat = nullptr;
    QSlider* AC_reflex = nullptr;
    QSlider* AC_yawspeed = nullptr;
    QSlider* AC_accuracy = nullptr;
    QSlider* AC_fov = nullptr;
    QSlider* AC_distance = nullptr;
    QCheckBox* AC_candive = nullptr;
    QCheckBox* AC_suicidal = nullptr;
    QComboBox* AC_favweapon = nullptr;
    QComboBox* AC_favuniqueweapon = nullptr;
    QComboBox* AC_favspecial = nullptr;
    QPlainTextEdit* AC_Chat = nullptr;
    QPushButton* B_ResetChat = nullptr;
    QCheckBox* AC_canchat = nullptr;

    // A behaviour control changed by the user: its slot of the selected bot, modified.
    void SetSlot(int slot, const QString& value);
    void B_ResetChatClick();
    void AC_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& bot) override;
};

extern QPointer<TFAction> FAction;
