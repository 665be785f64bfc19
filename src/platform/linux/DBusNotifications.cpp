#include "DBusNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

static const char* const kService = "org.freedesktop.Notifications";
static const char* const kPath = "/org/freedesktop/Notifications";
static const char* const kInterface = "org.freedesktop.Notifications";

DBusNotifications::DBusNotifications(Launcher& launcher, const QString& busAddress)
    : m_launcher(launcher)
    , m_address(busAddress)
{
}

DBusNotifications::~DBusNotifications()
{
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
}

QDBusConnection DBusNotifications::bus()
{
    if (m_address.isEmpty())
        return QDBusConnection::sessionBus();
    if (m_connectionName.isEmpty()) {
        m_connectionName = QStringLiteral("tolvane-notifications-%1")
                               .arg(reinterpret_cast<quintptr>(this), 0, 16);
        QDBusConnection::connectToBus(m_address, m_connectionName);
    }
    return QDBusConnection(m_connectionName);
}

// Asynchronous: a bus without a notification server answers with an error nobody waits for.
void DBusNotifications::announceMail(const QString& title, const QString& body)
{
    QDBusConnection connection = bus();
    if (!connection.isConnected())
        return;
    if (!m_listening) {
        m_listening = connection.connect(QString(), QLatin1String(kPath), QLatin1String(kInterface),
            QStringLiteral("ActionInvoked"), this, SLOT(onActionInvoked(uint, QString)));
        connection.connect(QString(), QLatin1String(kPath), QLatin1String(kInterface),
            QStringLiteral("NotificationClosed"), this, SLOT(onClosed(uint, uint)));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService),
        QLatin1String(kPath), QLatin1String(kInterface), QStringLiteral("Notify"));
    const QVariantMap hints { { QStringLiteral("category"), QStringLiteral("email.arrived") },
        { QStringLiteral("desktop-entry"), QStringLiteral("org.tolvane.Tolvane") } };
    call << QStringLiteral("Tolvane") << uint(0) << QStringLiteral("tolvane") << title << body
         << QStringList { QStringLiteral("default"), QStringLiteral("Ouvrir la messagerie") }
         << hints << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isValid())
            m_shown.insert(reply.value());
        w->deleteLater();
    });
}

void DBusNotifications::onActionInvoked(uint id, const QString& action)
{
    if (action == QLatin1String("default") && m_shown.remove(id))
        startMailClient();
}

void DBusNotifications::onClosed(uint id, uint)
{
    m_shown.remove(id);
}

// The handler of mailto: addresses is the user's mail client; without one the desktop gets an
// empty mailto: address, which opens whatever it has.
void DBusNotifications::startMailClient()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
        { QStringLiteral("query"), QStringLiteral("default"),
            QStringLiteral("x-scheme-handler/mailto") });
    QString entryPath;
    if (query.waitForFinished(3000) && query.exitCode() == 0) {
        const QString id = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
        if (!id.isEmpty())
            entryPath = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    }
    QFile entry(entryPath);
    const QStringList command = !entryPath.isEmpty() && entry.open(QIODevice::ReadOnly)
        ? commandOfDesktopEntry(entry.readAll())
        : QStringList();
    if (command.isEmpty())
        m_launcher.openTarget(QStringLiteral("mailto:"));
    else
        m_launcher.startProgram(command.first(), command.mid(1));
}

QStringList DBusNotifications::commandOfDesktopEntry(const QByteArray& entry)
{
    bool mainGroup = false;
    for (const QByteArray& raw : entry.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            mainGroup = line == QLatin1String("[Desktop Entry]");
        else if (mainGroup && line.startsWith(QLatin1String("Exec="))) {
            QStringList words = QProcess::splitCommand(line.mid(5));
            words.removeIf([](const QString& word) {
                return word.size() == 2 && word.startsWith(QLatin1Char('%'));
            });
            return words;
        }
    }
    return {};
}
