#include "FakeNotificationServer.h"

#include <QDBusMessage>
#include <QStandardPaths>

QString PrivateSessionBus::program()
{
    return QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
}

PrivateSessionBus::~PrivateSessionBus()
{
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(5000))
        m_daemon.kill();
}

bool PrivateSessionBus::start()
{
    m_daemon.start(program(), { "--session", "--nofork", "--nopidfile", "--print-address=1" });
    if (!m_daemon.waitForStarted(5000))
        return false;
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(5000))
            return false;
    }
    m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
    return !m_address.isEmpty();
}

FakeNotificationServer::FakeNotificationServer(const QString& busAddress)
    : m_bus(QDBusConnection::connectToBus(busAddress, QStringLiteral("fake-notifications")))
{
    m_registered = m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"))
        && m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
            QDBusConnection::ExportAllSlots);
}

FakeNotificationServer::~FakeNotificationServer()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
}

uint FakeNotificationServer::Notify(const QString& appName, uint, const QString& icon,
    const QString& summary, const QString& body, const QStringList& actions, const QVariantMap&,
    int)
{
    shown.append({ appName, icon, summary, body, actions });
    return static_cast<uint>(shown.size());
}

void FakeNotificationServer::invokeDefaultAction(uint id)
{
    QDBusMessage signal
        = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
    signal << id << QStringLiteral("default");
    m_bus.send(signal);
}
