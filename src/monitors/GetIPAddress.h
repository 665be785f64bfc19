#pragma once

#include "platform/HostAddresses.h"

// The machine's address from the host name's addresses, loopback ones left out; when the name
// gives no other, from the interfaces that are up (IPv4 ones if any, else IPv6). With last the
// last address of the list, otherwise the one before it; empty when there is none.
QString GetIPAddress(
    const QStringList& hostAddresses, const QList<InterfaceAddress>& interfaces, bool last);
