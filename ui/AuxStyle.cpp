#include "ui/AuxStyle.h"

#include "ui/ButtonWithColor.h"

#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace AuxStyle {

QColor BackgroundColor()
{
    return TBitBtnWithColor::DelphiColorToQColor(BackgroundBGR);
}

void PaintBackground(QWidget* widget)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, BackgroundColor());
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QPushButton* MakeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new TBitBtnWithColor(caption, parent);
    button->setObjectName(name);
    button->SetColor(BackgroundBGR);
    return button;
}

} // namespace AuxStyle
