#pragma once

#include "platform/Platform.h"

#include <QObject>
#include <QSet>

class QDBusConnection;

// Notifications through org.freedesktop.Notifications on the session bus. The bus is reached at
// the first notification, so a bar that never announces anything never connects.
class DBusNotifications : public QObject, public DesktopNotifications {
    Q_OBJECT
public:
    // busAddress: a private bus for tests; empty for the session bus.
    explicit DBusNotifications(Launcher& launcher, const QString& busAddress = QString());
    ~DBusNotifications() override;

    void announceMail(const QString& title, const QString& body) override;

    // The command line of a desktop entry's Exec key, its field codes (%u, %F...) dropped;
    // empty when the entry has none.
    static QStringList commandOfDesktopEntry(const QByteArray& entry);

private slots:
    void onActionInvoked(uint id, const QString& action);
    void onClosed(uint id, uint reason);

private:
    QDBusConnection bus();
    void startMailClient();

    Launcher& m_launcher;
    QString m_address;
    QString m_connectionName;
    QSet<uint> m_shown; // ids of our notifications still on screen
    bool m_listening = false;
};
