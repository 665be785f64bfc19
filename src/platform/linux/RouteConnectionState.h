#pragma once

#include "ProcFile.h"
#include "platform/Platform.h"

#include <QDeadlineTimer>

// Online means a default route exists, for IPv4 or IPv6. The answer holds for half a second, so
// the modules that ask in the same tick share one reading of the route tables.
class RouteConnectionState : public ConnectionState {
public:
    explicit RouteConnectionState(const QString& procNetFolder = QStringLiteral("/proc/net"));
    bool IsConnected() const override;

    static bool hasIpv4DefaultRoute(const QByteArray& routeTable);
    static bool hasIpv6DefaultRoute(const QByteArray& routeTable);

private:
    // Asked every second: the files are read into one buffer kept between calls.
    ProcFile m_route;
    ProcFile m_ipv6Route;
    mutable QByteArray m_text;
    mutable QDeadlineTimer m_answerHeld; // expired until the first answer
    mutable bool m_connected = false;
};
