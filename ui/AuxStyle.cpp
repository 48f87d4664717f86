#include "ui/AuxStyle.h"

#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace AuxStyle {

QColor BackgroundColor()
{
    const unsigned bgr = 13806739u;
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
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
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace AuxStyle
