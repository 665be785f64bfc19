#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <limits>

// One network interface with its settings and traffic counters.
struct InterfaceRow {
    QString name;
    qint32 index = 0;
    qint32 type = 1; // IANA ifType: 6 ethernet, 24 loopback, 71 wireless, 23 PPP, 131 tunnel
    qint32 mtu = 0;
    qint64 speed = 0; // bits per second, 0 when unknown
    QByteArray physicalAddress;
    qint32 adminStatus = 2; // 1 up, 2 down
    qint32 operationalStatus = 0; // 0 non-operational ... 5 operational
    qint64 inOctets = 0;
    qint64 inUnicastPackets = 0;
    qint64 inNonUnicastPackets = 0;
    qint64 inDiscards = 0;
    qint64 inErrors = 0;
    qint64 inUnknownProtocols = 0;
    qint64 outOctets = 0;
    qint64 outUnicastPackets = 0;
    qint64 outNonUnicastPackets = 0;
    qint64 outDiscards = 0;
    qint64 outErrors = 0;
    qint64 outQueueLength = 0;
    QString description;
};

// The system's table of network interfaces.
class InterfaceTable {
public:
    virtual ~InterfaceTable() = default;
    // Empty when the table cannot be read.
    virtual QList<InterfaceRow> read() = 0;
    // The byte counters of every interface added up, stopping at the largest qint64; false
    // (and zeros) when the table cannot be read. Meant for every tick: only the counters.
    virtual bool readTotals(qint64& received, qint64& sent);
};

// Adds b to a, stopping at the largest qint64 (the kernel's counters may come near it).
inline qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? std::numeric_limits<qint64>::max() : sum;
}

inline bool InterfaceTable::readTotals(qint64& received, qint64& sent)
{
    received = 0;
    sent = 0;
    const QList<InterfaceRow> rows = read();
    for (const InterfaceRow& row : rows) {
        received = saturatingAdd(received, row.inOctets);
        sent = saturatingAdd(sent, row.outOctets);
    }
    return !rows.isEmpty();
}
