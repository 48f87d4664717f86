// The yardstick of the start-up measurement: an empty Qt window of the given size, nothing else.
//
//     empty_window WIDTH HEIGHT
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    if (args.size() >= 3)
        window.setFixedSize(args[1].toInt(), args[2].toInt());
    window.show();
    return app.exec();
}
