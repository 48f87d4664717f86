#pragma once
// What the small dialogs share: the program's background colour and their push buttons.
#include <QColor>
#include <QString>

class QPushButton;
class QWidget;

namespace AuxStyle {

constexpr int BackgroundBGR = 13806739;

// 13806739 = 0xD2AC93, a Windows BGR value: red 0x93, green 0xAC, blue 0xD2.
QColor BackgroundColor();
void PaintBackground(QWidget* widget);
// A colour push button (TBitBtnWithColor) on the window's background colour.
QPushButton* MakeButton(const QString& caption, const QString& name, QWidget* parent);

} // namespace AuxStyle
