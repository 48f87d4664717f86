// The second yardstick of the start-up measurement: what Qorvane has to show when it starts,
// written the plainest way Qt offers and nothing more. A splash window (frameless, a picture of
// the splash's size, its two bold texts), shown and drawn at once, then a main window of the
// given size with a menu bar and a line of text and a button in the windows' font, Arial 13 px.
// No settings are read, no mod is listed, no picture is decoded (the splash's is one colour),
// and none of the program's start-up measures are taken: the figure tells what the start the
// program is asked for costs by itself, against which the empty window cannot be matched.
//
//     plain_window WIDTH HEIGHT
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();

    auto* splash = new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    splash->setFixedSize(308, 232);
    auto* picture = new QLabel(splash);
    picture->setGeometry(4, 4, 300, 225);
    QPixmap colour(300, 225);
    colour.fill(QColor(0x40, 0x30, 0x20));
    picture->setPixmap(colour);
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(13);
    bold.setBold(true);
    int y = 168;
    for (const char* text : {"Loading. Please wait...", "VERSION 15.3"}) {
        auto* label = new QLabel(QString::fromLatin1(text), picture);
        label->setGeometry(0, y, 300, 20);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(bold);
        y += 28;
    }
    splash->show();   // Qt handles a splash screen's first events as it shows it
    splash->repaint();

    QMainWindow window;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    window.setFont(font);
    window.setWindowTitle(QStringLiteral("Plain"));
    for (const char* menu : {"&File", "&Options", "&?"})
        window.menuBar()->addMenu(QString::fromLatin1(menu));
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    auto* label = new QLabel(QStringLiteral("Select a mod and a bot, then launch the game."), client);
    label->move(10, 10);
    auto* button = new QPushButton(QStringLiteral("Quit"), client);
    button->move(10, 40);
    if (args.size() >= 3)
        window.setFixedSize(args[1].toInt(), args[2].toInt());
    window.show();
    QTimer::singleShot(0, splash, &QObject::deleteLater);
    return app.exec();
}
