#include "platform/Dialogs.h"
#include "platform/FontPreload.h"
#include "platform/HeapWarmup.h"
#include "platform/SessionBus.h"
#include "platform/WaitCursor.h"
#include "ui/UAbout.h"
#include "ui/UMain.h"

#include <QApplication>
#include <QPointer>

#include <exception>

// The program's main block: splash, application, main window, event loop.
static int ProgramMain(int argc, char** argv)
{
    const HeapWarmup::TWarmup heap;
    // Where no session bus runs, the first window would wait for an attempt to start one.
    SessionBus::TNoAutolaunch noBusAutolaunch;
    FontPreload::TPreload fonts;
    QApplication app(argc, argv);
    const FontPreload::TDatabaseFill fontDatabase(fonts);
    // Also: closing the last window on screen (a mod window while the main window is hidden)
    // does not end the program; closing the main window does.
    TMain::ConfigureApplication();

    WaitCursor::TSplashCursor waitCursor;
    waitCursor.Begin();
    TAbout* splash = nullptr;
    TMain* mainWindow = nullptr;
    QString failure;
    try {
        InitProgramResources();
        splash = TAbout::ShowSplash();
        waitCursor.Over(splash);
        mainWindow = new TMain;
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = QStringLiteral("unknown error");
    }
    // The cursor comes back whether or not the main window could be made; the splash goes at
    // once when it could not, and otherwise as soon as the main window has drawn itself.
    waitCursor.End();
    if (!mainWindow) {
        delete splash;
        Dialogs::ShowError(QStringLiteral("Qorvane can't start: ") + failure + QStringLiteral("."));
        return 1;
    }

    QObject::connect(mainWindow, &TMain::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
    // The first activation lists the installed mods; their folders and bot libraries are read
    // meanwhile, while the window loads its fonts and shows.
    mainWindow->ReadInstalledModsAhead();
    mainWindow->show();
    mainWindow->activateWindow();
    const QPointer<TAbout> splashLeft(splash);
    if (splash)
        splash->FinishWhenDrawn(mainWindow);
    // Qt has asked for the bus by now (and keeps the answer); the programs Qorvane starts get
    // the environment it was given.
    noBusAutolaunch.Release();
    const int result = app.exec();
    delete splashLeft;
    delete mainWindow;
    return result;
}

int main(int argc, char** argv)
{
    return ProgramMain(argc, argv);
}
