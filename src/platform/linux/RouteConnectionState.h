#pragma once

#include "ProcFile.h"
#include "platform/Platform.h"

// Online means a default route exists, for IPv4 or IPv6.
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
};
