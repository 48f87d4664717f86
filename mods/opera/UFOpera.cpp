#include "mods/opera/UFOpera.h"

#include "mods/opera/UOpera.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "platform/Shell.h"

#include <QComboBox>
#include <QPushButton>

QPointer<TFOpera> FOpera;

namespace {
const QString kShoppingCart = QStringLiteral("shopping_cart.exe");
}

TFOpera::TFOpera(QWidget* owner) : TModWindow(UOpera::Logic(), owner)
{
    BuildWindow();
}

TFOpera::~TFOpera() = default;

void TFOpera::BuildGamePage(QWidget* page)
{
    ControlRows::Build(*this, page, UOpera::GamePage());
    OP_gamemode = page->findChild<QComboBox*>(QStringLiteral("OP_gamemode"));

    B_Shopping = AddButton(page, QStringLiteral("B_Shopping"), QStringLiteral("Shopping Cart"),
                           420, 24, 130, 30);
    B_Shopping->hide();
    connect(B_Shopping, &QPushButton::clicked, this, &TFOpera::B_ShoppingClick);
}

void TFOpera::BeforeActivation()
{
    if (FileSys::FileExists(FileSys::JoinPath(Logic().ModDir(), kShoppingCart)))
        B_Shopping->show();
}

void TFOpera::B_ShoppingClick()
{
    Shell::TRequest request;
    request.File = kShoppingCart;
    request.WorkDir = FileSys::Resolve(FileSys::NormalizeSeparators(Logic().ModDir()));
    QString error;
    if (!Shell::Open(request, &error))
        Dialogs::ShowError(error.isEmpty() ? QStringLiteral("Can't start ") + kShoppingCart : error,
                           this);
}
