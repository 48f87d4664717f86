#pragma once
// The desktop's message bus, which Qt's accessibility support asks for as soon as the first
// window shows. Where no session bus runs (a bare X server, a container, a remote session)
// libdbus would try to start one: it forks and runs dbus-launch (which, where it is installed,
// leaves a bus daemon behind) and the first window waits for it. TNoAutolaunch tells libdbus
// there is no bus while the program starts; Release() hands the environment back as it was, so
// the game and the bot programs started later see what Qorvane was given.
#include <QByteArray>

namespace SessionBus {

// True when a session bus can be reached without starting one: DBUS_SESSION_BUS_ADDRESS names
// one, or the per-user bus socket ($XDG_RUNTIME_DIR/bus) exists.
bool Reachable();

class TNoAutolaunch {
public:
    // Sets DBUS_SESSION_BUS_ADDRESS to an address that fails at once, unless a bus is reachable.
    TNoAutolaunch();
    ~TNoAutolaunch() { Release(); }
    TNoAutolaunch(const TNoAutolaunch&) = delete;
    TNoAutolaunch& operator=(const TNoAutolaunch&) = delete;

    bool Active() const { return m_active; }
    // Clears the variable again (only when it was set here and nobody changed it meanwhile).
    void Release();

private:
    bool m_active = false;
};

} // namespace SessionBus
