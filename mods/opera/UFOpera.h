#pragma once
// The Opera's configuration window: the template window with The Opera's game page (its control
// rows, UOpera::GamePage, the "Shopping Cart" button among them).
#include "mods/common/ModWindow.h"

#include <QPointer>

class QComboBox;
class QPushButton;

class TFOpera : public TModWindow {
    Q_OBJECT
public:
    explicit TFOpera(QWidget* owner = nullptr);

    QComboBox* OP_gamemode = nullptr;
    QPushButton* B_Shopping = nullptr;   // starts the mod's own shopping_cart.exe

protected:
    void BuildGamePage(QWidget* page) override;
};

// The open window, or null.
extern QPointer<TFOpera> FOpera;
