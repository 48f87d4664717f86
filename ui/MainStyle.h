#pragma once
// The program's style: the one Qt chose for the desktop, drawing everything as that style does,
// with one picture fetched late. A menu bar makes its overflow button (shown only when the
// menus do not fit the bar) the moment it is made, and asks the style for the button's arrow
// then; the style reads the arrow's files through Qt's image reader, which loads every
// image-format plugin installed (GIF, ICO, JPEG, and on a desktop many more) to ask each whether
// it reads PNG. The main window's menus always fit, so its start paid for pictures it never
// shows. The arrows of the tool bar and menu bar extensions are read the first time they are
// painted or measured instead.
#include <QProxyStyle>

class TMainStyle : public QProxyStyle {
    Q_OBJECT
public:
    // The application's style from now on, wrapped around a new instance of the style the
    // application has (calling it again changes nothing).
    static void Install();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    explicit TMainStyle(const QString& baseKey) : QProxyStyle(baseKey) {}
};
