#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// An address held by a network interface that is up.
struct InterfaceAddress {
    QString address;
    bool ipv6 = false;
    bool loopback = false;
};

// The machine's host name and the addresses it answers to.
class HostAddresses {
public:
    virtual ~HostAddresses() = default;
    // Empty when the name cannot be told.
    virtual QString hostName() const = 0;
    // Looks the name up without blocking; done receives the addresses in the resolver's order
    // (empty when the name is unknown).
    virtual void lookUpHost(const QString& name, std::function<void(QStringList)> done) = 0;
    virtual QList<InterfaceAddress> interfaceAddresses() const = 0;
};
