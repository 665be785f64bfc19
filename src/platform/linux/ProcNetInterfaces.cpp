#include "ProcNetInterfaces.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

const char* readCounter(const char* p, const char* end, qint64& value)
{
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    return ProcFile::readCount(p, end, value);
}

// The sixteen counters after "name:" in /proc/net/dev.
void readCounters(const char* p, const char* end, InterfaceRow& row)
{
    qint64 c[16] = {};
    for (qint64& value : c)
        p = readCounter(p, end, value);
    row.inOctets = c[0];
    row.inNonUnicastPackets = c[7];
    row.inUnicastPackets = std::max<qint64>(0, c[1] - c[7]);
    row.inErrors = c[2];
    row.inDiscards = c[3];
    row.outOctets = c[8];
    row.outUnicastPackets = c[9];
    row.outErrors = c[10];
    row.outDiscards = c[11];
}

// Whether the text before a colon holds a name once trimmed, as read() trims it; only a text
// with bytes beyond ASCII is decoded to tell.
bool hasName(const char* p, const char* colon)
{
    bool ascii = true;
    for (const char* c = p; c < colon; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte >= 0x80)
            ascii = false;
        else if (byte != ' ' && (byte < '\t' || byte > '\r'))
            return true;
    }
    return !ascii && !QString::fromUtf8(p, colon - p).trimmed().isEmpty();
}

} // namespace

ProcNetInterfaces::ProcNetInterfaces(const QString& root, int attributeRefreshCalls)
    : m_sysNet(root + QStringLiteral("/sys/class/net/"))
    , m_dev(root + QStringLiteral("/proc/net/dev"))
    , m_refreshCalls(std::max(1, attributeRefreshCalls))
{
}

qint32 ProcNetInterfaces::ianaType(int arpType, bool wireless)
{
    switch (arpType) {
    case 1: // ARPHRD_ETHER
        return wireless ? 71 : 6;
    case 772: // ARPHRD_LOOPBACK
        return 24;
    case 512: // ARPHRD_PPP
        return 23;
    case 768: // IPIP
    case 769: // IPv6 in IPv6
    case 776: // SIT
    case 778: // GRE
    case 65534: // ARPHRD_NONE: tun devices
        return 131;
    default:
        return 1;
    }
}

qint32 ProcNetInterfaces::operationalStatus(const QByteArray& operState, bool adminUp)
{
    if (operState == "up")
        return 5;
    if (operState == "unknown") // the loopback and many virtual devices never report carrier
        return adminUp ? 5 : 0;
    if (operState == "dormant" || operState == "testing")
        return 3;
    if (operState == "lowerlayerdown" || (operState == "down" && adminUp))
        return 2;
    return 0;
}

void ProcNetInterfaces::readAttributes(const QString& name, InterfaceRow& row) const
{
    const QString folder = m_sysNet + name + QLatin1Char('/');
    auto number = [&](const char* file) {
        return ProcFile::readLine(folder + QLatin1String(file)).trimmed().toLongLong();
    };
    row.index = qint32(number("ifindex"));
    const bool wireless = QFileInfo::exists(folder + QStringLiteral("wireless"))
        || QFileInfo::exists(folder + QStringLiteral("phy80211"));
    row.type = ianaType(int(number("type")), wireless);
    row.mtu = qint32(number("mtu"));
    const qint64 megabits = number("speed");
    row.speed = megabits > 0 ? ProcFile::scaleCount(megabits, 1'000'000, 1) : 0;
    row.outQueueLength = number("tx_queue_len");
    const bool adminUp
        = ProcFile::readLine(folder + QStringLiteral("flags")).toLongLong(nullptr, 16) & 1;
    row.adminStatus = adminUp ? 1 : 2;
    row.operationalStatus
        = operationalStatus(ProcFile::readLine(folder + QStringLiteral("operstate")), adminUp);
    const QByteArray address = ProcFile::readLine(folder + QStringLiteral("address"));
    row.physicalAddress = address.isEmpty()
        ? QByteArray()
        : QByteArray::fromHex(QByteArray(address).replace(':', ""));
    if (row.physicalAddress.count('\0') == row.physicalAddress.size())
        row.physicalAddress.clear(); // the loopback's 00:00:00:00:00:00 is no hardware address
    QString description = QString::fromUtf8(ProcFile::readLine(folder + QStringLiteral("ifalias")));
    if (description.isEmpty())
        description = QFileInfo(QFileInfo(folder + QStringLiteral("device/driver")).symLinkTarget())
                          .fileName();
    row.description = description.isEmpty() ? name : description;
}

const InterfaceRow& ProcNetInterfaces::attributes(const QString& name)
{
    auto it = m_cache.find(name);
    if (it == m_cache.end() || ++it->age >= m_refreshCalls) {
        Attributes fresh;
        readAttributes(name, fresh.row);
        it = m_cache.insert(name, fresh);
    }
    return it->row;
}

QList<InterfaceRow> ProcNetInterfaces::read()
{
    QList<InterfaceRow> rows;
    if (!m_dev.read(m_text))
        return rows;
    const char* p = m_text.constData();
    const char* end = p + m_text.size();
    while (p < end) {
        const char* lineEnd = static_cast<const char*>(memchr(p, '\n', end - p));
        if (!lineEnd)
            lineEnd = end;
        const char* colon = static_cast<const char*>(memchr(p, ':', lineEnd - p));
        if (colon) {
            const QString name = QString::fromUtf8(p, colon - p).trimmed();
            if (!name.isEmpty()) {
                InterfaceRow row = attributes(name);
                row.name = name;
                readCounters(colon + 1, lineEnd, row);
                rows.append(row);
            }
        }
        p = lineEnd + 1;
    }
    forgetGoneInterfaces(rows);
    return rows;
}

// The same lines as read(), without names, attributes or rows.
bool ProcNetInterfaces::readTotals(qint64& received, qint64& sent)
{
    received = 0;
    sent = 0;
    if (!m_dev.read(m_text))
        return false;
    const char* p = m_text.constData();
    const char* end = p + m_text.size();
    bool any = false;
    while (p < end) {
        const char* lineEnd = static_cast<const char*>(memchr(p, '\n', end - p));
        if (!lineEnd)
            lineEnd = end;
        const char* colon = static_cast<const char*>(memchr(p, ':', lineEnd - p));
        if (colon && hasName(p, colon)) {
            InterfaceRow counters;
            readCounters(colon + 1, lineEnd, counters);
            received = saturatingAdd(received, counters.inOctets);
            sent = saturatingAdd(sent, counters.outOctets);
            any = true;
        }
        p = lineEnd + 1;
    }
    return any;
}

// Interfaces come and go (containers, VPNs, adapters plugged in again): a name that is back is
// read afresh, and the cache does not grow with every name ever seen.
void ProcNetInterfaces::forgetGoneInterfaces(const QList<InterfaceRow>& rows)
{
    if (m_cache.size() <= rows.size())
        return;
    QSet<QString> present;
    for (const InterfaceRow& row : rows)
        present.insert(row.name);
    m_cache.removeIf([&](const auto& entry) { return !present.contains(entry.key()); });
}
