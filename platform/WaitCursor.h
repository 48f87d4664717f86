#pragma once
// The wait cursor over the splash while the main window is made. Qt's override cursor would
// load the cursor theme's animated wait cursor (a file of some megabytes, read frame by frame)
// on the main thread the moment the splash is created, and the main window would wait for it.
// On an X display a thread loads the same themed cursor on a connection of its own (while the
// main thread waits for the fonts of the splash's first text) and puts it on the splash's window
// once both are there; the main thread never waits for it. Where there is no X display for it
// (another platform, a build without Xlib, a display other than Qt's), Qt's override cursor does
// it as before.
#include <condition_variable>
#include <mutex>
#include <thread>

class QWidget;

namespace WaitCursor {

class TSplashCursor {
public:
    TSplashCursor() = default;
    ~TSplashCursor();   // End(), and waits for the thread
    TSplashCursor(const TSplashCursor&) = delete;
    TSplashCursor& operator=(const TSplashCursor&) = delete;

    // Once the application exists, before the splash is made: starts loading the cursor, or
    // sets Qt's override cursor where the thread cannot show it.
    void Begin();
    // The splash exists: the wait cursor shows over it (nothing where Begin set the override).
    void Over(const QWidget* splash);
    // The start is over: the wait cursor goes (called before the splash is deleted).
    void End();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    unsigned long m_window = 0;   // the splash's X window, once known
    bool m_ended = false;
    bool m_override = false;      // Qt's override cursor stands in for the thread
    std::thread m_thread;
};

} // namespace WaitCursor
