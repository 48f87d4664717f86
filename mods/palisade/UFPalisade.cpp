#include "mods/palisade/UFPalisade.h"

#include "mods/palisade/UPalisade.h"

#include <QGroupBox>
#include <QLabel>
#include <QSlider>

QPointer<TFPalisade> FPalisade;

TFPalisade::TFPalisade(QWidget* owner) : TModWindow(UPalisade::Logic(), owner)
{
    BuildWindow();
}

TFPalisade::~TFPalisade() = default;

void TFPalisade::BuildExtraPages(QTabWidget*)
{
    // Without a model the bot editor holds the name and the skill only: the skill row moves up
    // under the name and the group ends below it, instead of leaving the picture's room empty.
    const QLabel* skillLabel = GB_BotProp->findChild<QLabel*>(QStringLiteral("LabelSkill"));
    if (!skillLabel)
        return;
    const int up = skillLabel->y() - 68;
    for (QWidget* w : GB_BotProp->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->y() >= skillLabel->y() - 10)
            w->move(w->x(), w->y() - up);
    GB_BotProp->resize(GB_BotProp->width(), GB_BotProp->height() - up);
}
