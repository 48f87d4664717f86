#include "WindowLookup.h"

#include <QGuiApplication>

#ifdef QORVANE_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace WindowLookup {

namespace {

std::function<bool(const QString&)> g_override;

#ifdef QORVANE_HAVE_X11
// Windows may vanish while we walk the tree; such errors are expected and must not end the
// program (Xlib's default handler exits).
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

QString TitleOf(Display* display, Window window, Atom netWmName, Atom utf8String)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8String, &type, &format,
                           &count, &after, &data) == Success
        && data) {
        const QString title = type == utf8String && format == 8
                                  ? QString::fromUtf8(reinterpret_cast<char*>(data), int(count))
                                  : QString();
        XFree(data);
        if (!title.isEmpty())
            return title;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        const QString title = QString::fromLocal8Bit(name);
        XFree(name);
        return title;
    }
    return QString();
}

bool Search(Display* display, Window window, const QString& title, Atom netWmName,
            Atom utf8String, int depth)
{
    if (depth > 0 && TitleOf(display, window, netWmName, utf8String) == title)
        return true;
    // Top-level windows sit under the root, possibly inside a window manager's frame.
    if (depth >= 4)
        return false;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = Search(display, children[i], title, netWmName, utf8String, depth + 1);
    if (children)
        XFree(children);
    return found;
}

bool XlibLookup(const QString& title)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    auto previous = XSetErrorHandler(IgnoreErrors);
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
    const bool found = Search(display, DefaultRootWindow(display), title, netWmName, utf8String, 0);
    XSync(display, False);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    return found;
}
#endif

} // namespace

bool WindowExists(const QString& title)
{
    if (g_override)
        return g_override(title);
    if (title.isEmpty())
        return false;
#ifdef QORVANE_HAVE_X11
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return XlibLookup(title);
#endif
    return false;
}

void SetOverride(std::function<bool(const QString&)> lookup)
{
    g_override = std::move(lookup);
}

} // namespace WindowLookup
