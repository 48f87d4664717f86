#pragma once
// The Opera's configuration window: the template window with The Opera's game page (game type,
// limits, weapon switches) and its "Shopping Cart" button.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QPushButton;
class TNumberEdit;

class TFOpera : public TModWindow {
    Q_OBJECT
public:
    explicit TFOpera(QWidget* owner = nullptr);
    ~TFOpera() override;

    QComboBox* OP_gamemode = nullptr;
    TNumberEdit* OP_timelimit = nullptr;
    TNumberEdit* OP_fraglimit = nullptr;
    TNumberEdit* OP_roundduration = nullptr;
    QCheckBox* OP_friendlyfire = nullptr;
    QCheckBox* OP_knife_combat = nullptr;
    QCheckBox* OP_knife_throwing = nullptr;
    QCheckBox* OP_pistols = nullptr;
    QCheckBox* OP_smgs = nullptr;
    QCheckBox* OP_long = nullptr;
    QCheckBox* OP_panic = nullptr;
    QCheckBox* OP_killcount = nullptr;
    QPushButton* B_Shopping = nullptr;

    // Starts the mod's own shopping_cart.exe in the mod folder.
    void B_ShoppingClick();
    // The template's modified method under The Opera's name.
    void OP_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    void BeforeActivation() override;
};

// The open window, or null.
extern QPointer<TFOpera> FOpera;
