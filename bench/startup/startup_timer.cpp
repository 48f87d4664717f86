// Starts a program on the X display and tells how long it took until its first ordinary
// top-level window was mapped and until that window showed its first drawing. A splash screen
// or a menu does not count: only a window of the normal type (or of no declared type) does.
//
// The drawing is seen through the DAMAGE extension on the root window, which reports every
// change of the screen's contents, so the program under test needs no help of its own.
//
//     startup_timer [--timeout SECONDS] -- PROGRAM [ARGUMENT ...]
//
// prints one line "mapped_ms painted_ms width height cpu_ms" and ends the program; cpu_ms is the
// processor time the program used until then (all its threads, user and system), which a busy
// machine disturbs less than the wall-clock figures.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double NowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// True unless the window declares a type other than the normal one (a splash, a menu ...).
bool IsNormalWindow(Display* dpy, Window w)
{
    const Atom typeAtom = XInternAtom(dpy, "_NET_WM_WINDOW_TYPE", False);
    const Atom normal = XInternAtom(dpy, "_NET_WM_WINDOW_TYPE_NORMAL", False);
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, w, typeAtom, 0, 16, False, XA_ATOM, &actual, &format, &count,
                           &after, &data) != Success)
        return false;
    bool result = true;
    if (actual == XA_ATOM && format == 32 && count > 0)
        result = reinterpret_cast<Atom*>(data)[0] == normal;
    if (data)
        XFree(data);
    return result;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

int main(int argc, char** argv)
{
    double timeoutMs = 20000;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--timeout") == 0 && first + 1 < argc)
            timeoutMs = std::atof(argv[++first]) * 1000.0;
        else if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        } else
            break;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: startup_timer [--timeout SECONDS] -- PROGRAM [ARGUMENT ...]\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "startup_timer: cannot open the display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startup_timer: the X server has no DAMAGE extension\n");
        return 2;
    }
    // Windows of the program may be gone by the time a property is read.
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    const Damage damage = XDamageCreate(dpy, root, XDamageReportRawRectangles);
    XSync(dpy, False);
    // What happened on screen before the program started is not its drawing.
    XEvent ev;
    while (XPending(dpy))
        XNextEvent(dpy, &ev);

    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "startup_timer: cannot start %s: %s\n", argv[first], std::strerror(errno));
        _exit(127);
    }
    if (child < 0) {
        std::perror("startup_timer: fork");
        return 2;
    }

    Window window = None;
    int x = 0, y = 0, width = 0, height = 0;
    double mapped = -1, painted = -1;
    bool childGone = false;
    const int fd = ConnectionNumber(dpy);
    while (painted < 0) {
        if (!XPending(dpy)) {
            const double left = timeoutMs - (NowMs() - start);
            int status = 0;
            if (left <= 0 || waitpid(child, &status, WNOHANG) == child) {
                childGone = left > 0;
                break;
            }
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(fd, &fds);
            timeval tv{0, 20000};
            select(fd + 1, &fds, nullptr, nullptr, &tv);
            continue;
        }
        XNextEvent(dpy, &ev);
        const double at = NowMs() - start;
        if (ev.type == MapNotify && window == None && ev.xmap.event == root
            && !ev.xmap.override_redirect && IsNormalWindow(dpy, ev.xmap.window)) {
            XWindowAttributes a;
            if (XGetWindowAttributes(dpy, ev.xmap.window, &a)) {
                window = ev.xmap.window;
                mapped = at;
                x = a.x;
                y = a.y;
                width = a.width;
                height = a.height;
            }
        } else if (ev.type == ConfigureNotify && ev.xconfigure.window == window) {
            x = ev.xconfigure.x;
            y = ev.xconfigure.y;
            width = ev.xconfigure.width;
            height = ev.xconfigure.height;
        } else if (ev.type == damageEvent + XDamageNotify && window != None) {
            const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(ev);
            const XRectangle& r = d.area;
            if (r.x < x + width && r.x + r.width > x && r.y < y + height && r.y + r.height > y)
                painted = at;
        }
    }
    XDamageDestroy(dpy, damage);
    XCloseDisplay(dpy);
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
                       + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    if (painted < 0) {
        std::fprintf(stderr, "startup_timer: %s\n",
                     childGone ? "the program ended before it showed a window"
                               : "no window was shown in time");
        return 1;
    }
    std::printf("%.2f %.2f %d %d %.2f\n", mapped, painted, width, height, cpu);
    return 0;
}
