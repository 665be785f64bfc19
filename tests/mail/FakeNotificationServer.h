#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QVariantMap>

// A private session bus (its own dbus-daemon, stopped by its process id) for the tests.
class PrivateSessionBus {
public:
    static QString program()
    {
        return QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    }
    ~PrivateSessionBus()
    {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000))
            m_daemon.kill();
    }
    // False when the daemon could not be started.
    bool start()
    {
        m_daemon.start(program(), { "--session", "--nofork", "--nopidfile", "--print-address=1" });
        while (m_daemon.waitForStarted(5000) && !m_daemon.canReadLine()) {
            if (!m_daemon.waitForReadyRead(5000))
                return false;
        }
        m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
        return !m_address.isEmpty();
    }
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};

// org.freedesktop.Notifications on a bus, as a desktop's notification server offers it; it
// keeps what it was asked to show.
class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        QString appName;
        QString icon;
        QString summary;
        QString body;
        QStringList actions;
    };

    explicit FakeNotificationServer(const QString& busAddress)
        : m_bus(QDBusConnection::connectToBus(busAddress, QStringLiteral("fake-notifications")))
    {
        m_registered = m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"))
            && m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                QDBusConnection::ExportAllSlots);
    }
    ~FakeNotificationServer() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
    }
    bool isRegistered() const { return m_registered; }
    QList<Shown> shown;
    // The user clicks notification id (1 for the first shown).
    void invokeDefaultAction(uint id)
    {
        QDBusMessage signal
            = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
        signal << id << QStringLiteral("default");
        m_bus.send(signal);
    }

public slots:
    uint Notify(const QString& appName, uint, const QString& icon, const QString& summary,
        const QString& body, const QStringList& actions, const QVariantMap&, int)
    {
        shown.append({ appName, icon, summary, body, actions });
        return static_cast<uint>(shown.size());
    }
    QStringList GetCapabilities() { return { QStringLiteral("actions"), QStringLiteral("body") }; }

private:
    QDBusConnection m_bus;
    bool m_registered = false;
};
