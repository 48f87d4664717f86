#include "mods/opera/UFOpera.h"

#include "ui/NumberEdit.h"
#include "mods/opera/UOpera.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "platform/Shell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
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
    QGroupBox* type = AddGroup(page, QStringLiteral("GB_GameType"), QStringLiteral("Game Type"),
                               8, 8, 220, 60);
    OP_gamemode = AddCombo(type, QStringLiteral("OP_gamemode"), UOpera::GameModeItems(), 12, 24, 196);

    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 78, 555, 200);
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 30, 90);
    OP_timelimit = AddNumber(g, QStringLiteral("OP_timelimit"), 0, 90, 2, 110, 26, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 64, 90);
    OP_fraglimit = AddNumber(g, QStringLiteral("OP_fraglimit"), 0, 999, 3, 110, 60, 56,
                             QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelRoundLimit"), QStringLiteral("Round Limit"), 12, 98, 90);
    OP_roundduration = AddNumber(g, QStringLiteral("OP_roundduration"), 0, 90, 2, 110, 94, 56,
                                 QStringLiteral("Maximum time before the end of the round (0 = infinite)"));

    OP_friendlyfire = AddCheck(g, QStringLiteral("OP_friendlyfire"), QStringLiteral("Friendly Fire"), 12, 140, 150);
    OP_killcount = AddCheck(g, QStringLiteral("OP_killcount"), QStringLiteral("Display kill count"), 12, 166, 150);
    OP_knife_combat = AddCheck(g, QStringLiteral("OP_knife_combat"), QStringLiteral("Combat Knife"), 220, 30, 150);
    OP_knife_throwing = AddCheck(g, QStringLiteral("OP_knife_throwing"), QStringLiteral("Throwing Knife"), 220, 64, 150);
    OP_pistols = AddCheck(g, QStringLiteral("OP_pistols"), QStringLiteral("Pistols"), 220, 98, 150);
    OP_smgs = AddCheck(g, QStringLiteral("OP_smgs"), QStringLiteral("SMGs"), 390, 30, 150);
    OP_long = AddCheck(g, QStringLiteral("OP_long"), QStringLiteral("Long guns"), 390, 64, 150);
    OP_panic = AddCheck(g, QStringLiteral("OP_panic"), QStringLiteral("Panic weapons"), 390, 98, 150);

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
