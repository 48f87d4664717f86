#pragma once
// The Opera's configuration window: the template window with The Opera's game page (its control
// rows, UOpera::GamePage) and its "Shopping Cart" button.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QComboBox;
class QPushButton;

class TFOpera : public TModWindow {
    Q_OBJECT
public:
    explicit TFOpera(QWidget* owner = nullptr);
    ~TFOpera() override;

    QComboBox* OP_gamemode = nullptr;
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
