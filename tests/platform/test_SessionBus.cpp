#include "platform/SessionBus.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <optional>

namespace {

// Puts an environment variable back as it was when the guard was made.
class TEnvKeeper {
public:
    explicit TEnvKeeper(const char* name) : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_value = qgetenv(name);
    }
    ~TEnvKeeper()
    {
        if (m_value)
            qputenv(m_name, *m_value);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<QByteArray> m_value;
};

// A listening socket at path, as a running session bus leaves in the runtime folder.
int BindSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::strncpy(address.sun_path, bytes.constData(), sizeof address.sun_path - 1);
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    return fd;
}

TEST(SessionBusTest, OnlyAMachineWithoutABusIsToldThereIsNone)
{
    const TEnvKeeper address("DBUS_SESSION_BUS_ADDRESS");
    const TEnvKeeper runtime("XDG_RUNTIME_DIR");
    QTemporaryDir withBus, withoutBus;
    const int bus = BindSocket(withBus.filePath(QStringLiteral("bus")));
    QFile notASocket(withoutBus.filePath(QStringLiteral("bus")));   // a stray file is no bus
    ASSERT_TRUE(notASocket.open(QIODevice::WriteOnly));

    const struct {
        const char* Address;   // nullptr: unset
        QString Runtime;
        bool Suppressed;
    } cases[] = {
        {nullptr, withoutBus.path(), true},
        {nullptr, QString(), true},
        {nullptr, withBus.path(), false},
        {"unix:path=/run/user/1000/bus", withoutBus.path(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Address ? c.Address : c.Runtime.toStdString());
        if (c.Address)
            qputenv("DBUS_SESSION_BUS_ADDRESS", c.Address);
        else
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        if (c.Runtime.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(c.Runtime));
        {
            SessionBus::TNoAutolaunch guard;
            EXPECT_EQ(guard.Active(), c.Suppressed);
            // libdbus autolaunches only while no address is given.
            if (c.Suppressed)
                EXPECT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"));
            else
                EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray(c.Address));
            guard.Release();
            // What the programs started later inherit is what the program was given.
            EXPECT_EQ(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"), c.Address != nullptr);
        }
    }
    ::close(bus);
}

} // namespace
