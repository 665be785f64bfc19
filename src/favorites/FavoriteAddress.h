#pragma once

#include <QString>

// When two Internet favorites are the same address: the scheme and the host name are compared
// without letter case, as the network treats them; the user part, the port, the path, the query
// and the fragment exactly ("http://a.fr/Doc" and "http://a.fr/doc" are two pages).
namespace FavoriteAddress {

// The address with its scheme and host name in lower case, the rest as it is.
QString comparable(const QString& address);
bool same(const QString& first, const QString& second);

} // namespace FavoriteAddress
