#include "SystemHostAddresses.h"

#include <QHostInfo>
#include <QNetworkInterface>

QString SystemHostAddresses::hostName() const
{
    return QHostInfo::localHostName();
}

void SystemHostAddresses::lookUpHost(const QString& name, std::function<void(QStringList)> done)
{
    QHostInfo::lookupHost(name, &m_context, [done = std::move(done)](const QHostInfo& info) {
        QStringList addresses;
        if (info.error() == QHostInfo::NoError)
            for (const QHostAddress& address : info.addresses())
                addresses.append(address.toString());
        done(addresses);
    });
}

QList<InterfaceAddress> SystemHostAddresses::interfaceAddresses() const
{
    QList<InterfaceAddress> result;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!interface.flags().testFlag(QNetworkInterface::IsUp))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.isLinkLocal())
                continue;
            result.append({ address.toString(), address.protocol() == QAbstractSocket::IPv6Protocol,
                address.isLoopback() });
        }
    }
    return result;
}
