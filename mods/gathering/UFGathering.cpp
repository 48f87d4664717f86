#include "mods/gathering/UFGathering.h"

#include "mods/common/GameSettings.h"
#include "mods/gathering/UGathering.h"
#include "ui/NumberEdit.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

QPointer<TFGathering> FGathering;

TFGathering::TFGathering(QWidget* owner) : TModWindow(UGathering::Logic(), owner)
{
    BuildWindow();
}

TFGathering::~TFGathering() = default;

void TFGathering::BuildGamePage(QWidget* page)
{
    GameSettings::BuildTeamPage(*this, page, 10,
                                {QStringLiteral("friendlyfire"), QStringLiteral("forcerespawn"),
                                 QStringLiteral("weaponstay"), QStringLiteral("footsteps"),
                                 QStringLiteral("flashlight"), QStringLiteral("autocrosshair")},
                                358, 26, false);
}

void TFGathering::BuildExtraPages(QTabWidget*)
{
    // Every map may have a configuration file of its own.
    BEditCfg->show();
    // Every bot of the list joins: no spawn count, and no default skill (each line has its own).
    for (QWidget* w : std::initializer_list<QWidget*>{TModWindow::Label86, spawnbot, LabelDefSkill, defskill,
                                                      Label13, Label14, Label15})
        w->hide();
    GB_BotList->move(GB_BotList->x(), 6);
    Botskill->setRange(1, 5);
    Label16->hide();
    Label1->move(56, Label1->y());
}
