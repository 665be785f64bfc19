#include "GetIPAddress.h"

#include <QHostAddress>

namespace {

QStringList usableHostAddresses(const QStringList& addresses)
{
    QStringList usable;
    for (const QString& text : addresses) {
        const QHostAddress address(text);
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            usable.append(address.toString());
    }
    return usable;
}

QStringList interfaceAddresses(const QList<InterfaceAddress>& interfaces, bool ipv6)
{
    QStringList result;
    for (const InterfaceAddress& address : interfaces)
        if (!address.loopback && address.ipv6 == ipv6 && !result.contains(address.address))
            result.append(address.address);
    return result;
}

} // namespace

QString GetIPAddress(
    const QStringList& hostAddresses, const QList<InterfaceAddress>& interfaces, bool last)
{
    QStringList candidates = usableHostAddresses(hostAddresses);
    if (candidates.isEmpty())
        candidates = interfaceAddresses(interfaces, false);
    if (candidates.isEmpty())
        candidates = interfaceAddresses(interfaces, true);
    if (candidates.isEmpty())
        return {};
    if (last)
        return candidates.last();
    return candidates.size() > 1 ? candidates.at(candidates.size() - 2) : QString();
}
