#pragma once

#include <QString>

// One row of the interface table as a set of properties, each read and written directly.
// The byte counters are 64-bit so that a busy link does not wrap them.
struct CInterface {
    QString InterfaceName;
    qint32 InterfaceIndex = 0;
    qint32 InterfaceType = 0;
    qint64 Speed = 0;
    QString AdapterAddress;
    qint32 AdminStatus = 0;
    qint32 OperationalStatus = 0;
    qint64 LastChange = 0;
    qint64 OctetsReceived = 0;
    qint64 UnicastPacketsReceived = 0;
    qint32 MaximumTransmissionUnit = 0;
    qint64 NonunicastPacketsReceived = 0;
    qint64 DiscardedIncomingPackets = 0;
    qint64 IncomingErrors = 0;
    qint64 UnknownProtocolPackets = 0;
    qint64 OctetsSent = 0;
    qint64 UnicastPacketsSent = 0;
    qint64 NonunicastPacketsSent = 0;
    qint64 DiscardedOutgoingPackets = 0;
    qint64 OutgoingErrors = 0;
    qint64 OutputQueueLength = 0;
    QString InterfaceDescription;
};
