#include "platform/WaitCursor.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

#include <cstdlib>
#include <cstring>

#ifdef QORVANE_HAVE_X11
#include <X11/Xlib.h>
#include <X11/cursorfont.h>
#include <dlfcn.h>
#endif

namespace WaitCursor {

namespace {

#ifdef QORVANE_HAVE_X11
// The cursor Qt's xcb platform makes for Qt::WaitCursor: the theme's picture of the first of
// these names it has (libXcursor, loaded as Qt loads it), else the X server's own watch.
Cursor LoadWaitCursor(Display* dpy)
{
    using TLoad = Cursor (*)(Display*, const char*);
    if (void* xcursor = dlopen("libXcursor.so.1", RTLD_LAZY)) {
        if (const auto load = reinterpret_cast<TLoad>(dlsym(xcursor, "XcursorLibraryLoadCursor"))) {
            for (const char* name : {"wait", "watch", "0426c94ea35c87780ff01dc239897213"}) {
                if (const Cursor cursor = load(dpy, name))
                    return cursor;
            }
        }
    }
    return XCreateFontCursor(dpy, XC_watch);
}
#endif

} // namespace

TSplashCursor::~TSplashCursor()
{
    End();
    if (m_thread.joinable())
        m_thread.join();
}

void TSplashCursor::Begin()
{
    bool own = QGuiApplication::platformName() == QLatin1String("xcb");
#ifdef QORVANE_HAVE_X11
    // The thread's connection goes to $DISPLAY; Qt may have been told of another (-display).
    if (own) {
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        Display* const qtDisplay = x11 ? x11->display() : nullptr;
        const char* display = std::getenv("DISPLAY");
        own = qtDisplay && display && std::strcmp(DisplayString(qtDisplay), display) == 0;
    }
    if (own) {
        m_thread = std::thread([this] {
            Display* const dpy = XOpenDisplay(nullptr);
            const Cursor cursor = dpy ? LoadWaitCursor(dpy) : None;
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_window != 0 || m_ended; });
            if (!m_ended && dpy) {
                XDefineCursor(dpy, m_window, cursor);
                // Done before End() can return, so before the splash's window is destroyed.
                XSync(dpy, False);
            }
            m_changed.wait(lock, [this] { return m_ended; });
            lock.unlock();
            if (dpy) {
                XFreeCursor(dpy, cursor);
                XCloseDisplay(dpy);
            }
        });
        return;
    }
#endif
    m_override = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TSplashCursor::Over(const QWidget* splash)
{
    if (m_override || !m_thread.joinable() || !splash)
        return;
    {
        const std::lock_guard lock(m_mutex);
        if (m_ended)
            return;
        m_window = static_cast<unsigned long>(splash->winId());
    }
    m_changed.notify_all();
}

void TSplashCursor::End()
{
    if (m_override) {
        m_override = false;
        QApplication::restoreOverrideCursor();
    }
    {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
    }
    m_changed.notify_all();
}

} // namespace WaitCursor
