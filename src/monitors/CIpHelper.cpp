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
    for (InterfaceRow& row : m_table->read()) {
        m_bytesReceived = saturatedSum(m_bytesReceived, row.inOctets);
        m_bytesSent = saturatedSum(m_bytesSent, row.outOctets);
        m_interfaces->Add(std::move(row));
    }
    return m_interfaces;
}
