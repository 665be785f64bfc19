#include "CIpHelper.h"

#include "platform/InterfaceTable.h"

#include <QStringList>

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

std::shared_ptr<CInterfaces> CIpHelper::Interfaces()
{
    m_bytesReceived = 0;
    m_bytesSent = 0;
    m_interfaces = std::make_shared<CInterfaces>();
    for (InterfaceRow& row : m_table->read()) {
        m_bytesReceived = saturatingAdd(m_bytesReceived, row.inOctets);
        m_bytesSent = saturatingAdd(m_bytesSent, row.outOctets);
        m_interfaces->Add(std::move(row));
    }
    return m_interfaces;
}

void CIpHelper::ReadTotals()
{
    m_table->readTotals(m_bytesReceived, m_bytesSent);
}
