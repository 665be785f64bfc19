#include "CIpHelper.h"

#include "platform/InterfaceTable.h"

#include <QStringList>

#include <limits>

CIpHelper::CIpHelper(InterfaceTable* table)
    : m_table(table)
    , m_interfaces(std::make_shared<CInterfaces>())
{
}

QString CIpHelper::FormatAdapterAddress(const QByteArray& bytes)
{
    QStringList parts;
    for (qsizetype i = 0; i < std::min<qsizetype>(bytes.size(), 8); ++i)
        parts.append(QStringLiteral("%1").arg(quint8(bytes[i]), 2, 16, QLatin1Char('0')).toUpper());
    return parts.join(QLatin1Char('-'));
}

std::unique_ptr<CInterface> CIpHelper::FromRow(const InterfaceRow& row)
{
    auto item = std::make_unique<CInterface>();
    item->InterfaceDescription = row.description;
    item->AdapterAddress = FormatAdapterAddress(row.physicalAddress);
    item->InterfaceName = row.name;
    item->InterfaceIndex = row.index;
    item->InterfaceType = row.type;
    item->MaximumTransmissionUnit = row.mtu;
    item->Speed = row.speed;
    item->AdminStatus = row.adminStatus;
    item->OperationalStatus = row.operationalStatus;
    item->OctetsReceived = row.inOctets;
    item->UnicastPacketsReceived = row.inUnicastPackets;
    item->NonunicastPacketsReceived = row.inNonUnicastPackets;
    item->DiscardedIncomingPackets = row.inDiscards;
    item->IncomingErrors = row.inErrors;
    item->UnknownProtocolPackets = row.inUnknownProtocols;
    item->OctetsSent = row.outOctets;
    item->UnicastPacketsSent = row.outUnicastPackets;
    item->NonunicastPacketsSent = row.outNonUnicastPackets;
    item->DiscardedOutgoingPackets = row.outDiscards;
    item->OutgoingErrors = row.outErrors;
    item->OutputQueueLength = row.outQueueLength;
    return item;
}

// Counters near the 64-bit limit (the kernel's may reach it) must not wrap into a negative total.
static qint64 saturatedSum(qint64 a, qint64 b)
{
    qint64 sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? std::numeric_limits<qint64>::max() : sum;
}

std::shared_ptr<CInterfaces> CIpHelper::Interfaces()
{
    m_bytesReceived = 0;
    m_bytesSent = 0;
    m_interfaces = std::make_shared<CInterfaces>();
    if (!m_table)
        return m_interfaces;
    for (const InterfaceRow& row : m_table->read()) {
        std::unique_ptr<CInterface> item = FromRow(row);
        m_bytesReceived = saturatedSum(m_bytesReceived, item->OctetsReceived);
        m_bytesSent = saturatedSum(m_bytesSent, item->OctetsSent);
        m_interfaces->Add(item);
    }
    return m_interfaces;
}

void CIpHelper::setInterfaces(std::shared_ptr<CInterfaces> interfaces)
{
    m_interfaces = std::move(interfaces);
}
