#pragma once

#include "CInterfaces.h"

#include <memory>

// Reads the system's interface table into a fresh collection and adds up the byte counters of
// every interface, the loopback and interfaces that are down included.
class CIpHelper {
public:
    explicit CIpHelper(InterfaceTable* table);

    // Re-reads the table; collections returned earlier stay as they were.
    std::shared_ptr<CInterfaces> Interfaces();
    // Re-reads only the byte totals, as every tick of the bandwidth module does.
    void ReadTotals();
    qint64 BytesReceived() const { return m_bytesReceived; }
    qint64 BytesSent() const { return m_bytesSent; }

    // "00-0C-29-3A-5B-1F": at most eight bytes, two upper-case digits each.
    static QString FormatAdapterAddress(const QByteArray& bytes);

private:
    InterfaceTable* m_table;
    std::shared_ptr<CInterfaces> m_interfaces;
    qint64 m_bytesReceived = 0;
    qint64 m_bytesSent = 0;
};
