#include "FavoriteAddress.h"

namespace FavoriteAddress {

QString comparable(const QString& address)
{
    const qsizetype schemeEnd = address.indexOf(QStringLiteral("://"));
    if (schemeEnd < 0)
        return address;
    const qsizetype hostStart = schemeEnd + 3;
    qsizetype authorityEnd = address.size();
    for (const QChar end : { u'/', u'?', u'#' }) {
        const qsizetype at = address.indexOf(end, hostStart);
        if (at >= 0 && at < authorityEnd)
            authorityEnd = at;
    }
    // user:password@host:port: only the host, after the last "@", is without case.
    const qsizetype userEnd = address.lastIndexOf(u'@', authorityEnd - 1);
    const qsizetype nameStart = userEnd >= hostStart ? userEnd + 1 : hostStart;
    qsizetype nameEnd = address.indexOf(u':', nameStart);
    if (nameStart < address.size()
        && address.at(nameStart) == u'[') // an IPv6 address keeps its colons
        nameEnd = address.indexOf(u']', nameStart);
    if (nameEnd < 0 || nameEnd > authorityEnd)
        nameEnd = authorityEnd;
    return address.left(hostStart).toLower() + address.mid(hostStart, nameStart - hostStart)
        + address.mid(nameStart, nameEnd - nameStart).toLower() + address.mid(nameEnd);
}

bool same(const QString& first, const QString& second)
{
    return comparable(first) == comparable(second);
}

} // namespace FavoriteAddress
