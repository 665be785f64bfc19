#include "RouteConnectionState.h"

#include <QList>

RouteConnectionState::RouteConnectionState(const QString& procNetFolder)
    : m_route(procNetFolder + QStringLiteral("/route"))
    , m_ipv6Route(procNetFolder + QStringLiteral("/ipv6_route"))
{
}

bool RouteConnectionState::IsConnected() const
{
    if (!m_answerHeld.hasExpired())
        return m_connected;
    m_connected = (m_route.read(m_text) && hasIpv4DefaultRoute(m_text))
        || (m_ipv6Route.read(m_text) && hasIpv6DefaultRoute(m_text));
    m_answerHeld.setRemainingTime(500);
    return m_connected;
}

// Columns: Iface Destination Gateway Flags ...; a default route has destination 00000000 and
// the "up" flag (0x1), and is not a reject ("unreachable") route (0x200).
bool RouteConnectionState::hasIpv4DefaultRoute(const QByteArray& routeTable)
{
    const QList<QByteArray> lines = routeTable.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> f = lines[i].simplified().split(' ');
        if (f.size() < 4 || f[1] != "00000000")
            continue;
        const uint flags = f[3].toUInt(nullptr, 16);
        if ((flags & 0x1) && !(flags & 0x200))
            return true;
    }
    return false;
}

// Columns: destination, prefix length, source, source prefix, next hop, metric, refcount, use,
// flags, device. A default route is ::/0 through a device other than the loopback.
bool RouteConnectionState::hasIpv6DefaultRoute(const QByteArray& routeTable)
{
    for (const QByteArray& line : routeTable.split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() < 10 || f[0] != QByteArray(32, '0') || f[1] != "00")
            continue;
        const uint flags = f[8].toUInt(nullptr, 16);
        const bool up = flags & 0x1;
        const bool reject = flags & 0x200;
        if (up && !reject && f[9] != "lo")
            return true;
    }
    return false;
}
