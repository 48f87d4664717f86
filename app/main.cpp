#include "ui/UAbout.h"
#include "ui/UMain.h"

#include <QApplication>
#include <QCursor>

// The program's main block: splash, application, main window, event loop.
static int ProgramMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Qorvane"));
    // The main window is hidden while a mod window is open; closing that window's last dialog
    // must not end the program. It ends when the main window closes.
    app.setQuitOnLastWindowClosed(false);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TAbout* splash = nullptr;
    TMain* mainWindow = nullptr;
    try {
        InitProgramResources();
        splash = TAbout::ShowSplash();
        mainWindow = new TMain;
    } catch (...) {
        delete splash;
        QApplication::restoreOverrideCursor();
        throw;
    }
    delete splash;
    QApplication::restoreOverrideCursor();

    QObject::connect(mainWindow, &TMain::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
    mainWindow->show();
    mainWindow->activateWindow();
    const int result = app.exec();
    delete mainWindow;
    return result;
}

int main(int argc, char** argv)
{
    return ProgramMain(argc, argv);
}
