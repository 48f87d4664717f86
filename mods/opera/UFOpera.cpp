#include "mods/opera/UFOpera.h"

#include "mods/opera/UOpera.h"

#include <QComboBox>
#include <QPushButton>

QPointer<TFOpera> FOpera;

TFOpera::TFOpera(QWidget* owner) : TModWindow(UOpera::Logic(), owner)
{
    BuildWindow();
}

void TFOpera::BuildGamePage(QWidget* page)
{
    ControlRows::Build(*this, page, UOpera::GamePage());
    OP_gamemode = Control<QComboBox>(QStringLiteral("OP_gamemode"));
    B_Shopping = Control<QPushButton>(QStringLiteral("B_Shopping"));
}
