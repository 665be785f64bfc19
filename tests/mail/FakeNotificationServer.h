#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

// A private session bus (its own dbus-daemon, stopped by its process id) for the tests.
class PrivateSessionBus {
public:
    static QString program();
    ~PrivateSessionBus();
    // False when the daemon could not be started.
    bool start();
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

    explicit FakeNotificationServer(const QString& busAddress);
    ~FakeNotificationServer() override;
    bool isRegistered() const { return m_registered; }
    QList<Shown> shown;
    // The user clicks notification id (1 for the first shown).
    void invokeDefaultAction(uint id);

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& icon,
        const QString& summary, const QString& body, const QStringList& actions,
        const QVariantMap& hints, int timeout);
    QStringList GetCapabilities() { return { QStringLiteral("actions"), QStringLiteral("body") }; }

private:
    QDBusConnection m_bus;
    bool m_registered = false;
};
