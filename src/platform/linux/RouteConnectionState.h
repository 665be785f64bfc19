#pragma once

#include "platform/Platform.h"

// Online means a default route exists, for IPv4 or IPv6.
class RouteConnectionState : public ConnectionState {
public:
    explicit RouteConnectionState(const QString& procNetFolder = QStringLiteral("/proc/net"));
    bool IsConnected() const override;

    static bool hasIpv4DefaultRoute(const QByteArray& routeTable);
    static bool hasIpv6DefaultRoute(const QByteArray& routeTable);

private:
    QString m_procNet;
};
