#include "platform/SessionBus.h"

#include <QFile>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace SessionBus {

namespace {

// An address of no transport libdbus knows: connecting fails at once, without a fork.
const char* const kNoBus = "disabled:";

} // namespace

bool Reachable()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
#ifdef Q_OS_UNIX
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return false;
    struct stat bus;
    return ::stat((runtime + "/bus").constData(), &bus) == 0 && S_ISSOCK(bus.st_mode);
#else
    return true;   // elsewhere there is no autolaunch to avoid
#endif
}

TNoAutolaunch::TNoAutolaunch()
{
    if (Reachable())
        return;
    m_active = qputenv("DBUS_SESSION_BUS_ADDRESS", kNoBus);
}

void TNoAutolaunch::Release()
{
    if (!m_active)
        return;
    m_active = false;
    if (qgetenv("DBUS_SESSION_BUS_ADDRESS") == kNoBus)
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace SessionBus
