#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Qorvane");
    QWidget w;
    w.setWindowTitle("Qorvane");
    w.show();
    return app.exec();
}
