#include "ProcFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ProcFixture::ProcFixture()
    : processors(
        m_dir.path(), [this] { return m_now; }, 100)
    , memory(m_dir.path())
    , interfaces(m_dir.path())
{
}

void ProcFixture::write(const QString& relativePath, const QByteArray& text)
{
    const QString path = m_dir.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text);
}

void ProcFixture::remove(const QString& relativePath)
{
    QFile::remove(m_dir.path() + QLatin1Char('/') + relativePath);
}

void ProcFixture::writeStat(const QList<qint64>& idleTicks)
{
    QByteArray text = "cpu  1000 0 500 99999 0 0 0 0 0 0\n";
    for (int n = 0; n < idleTicks.size(); ++n)
        text += "cpu" + QByteArray::number(n) + " 500 0 250 " + QByteArray::number(idleTicks[n])
            + " 0 0 0 0 0 0\n";
    text += "intr 12345 0 0\nctxt 999\nbtime 1700000000\n";
    write(QStringLiteral("proc/stat"), text);
}

void ProcFixture::writeMeminfo(
    qint64 totalKb, qint64 availableKb, qint64 swapTotalKb, qint64 swapFreeKb)
{
    write(QStringLiteral("proc/meminfo"),
        "MemTotal:       " + QByteArray::number(totalKb) + " kB\nMemFree:          123456 kB\n"
            + "MemAvailable:   " + QByteArray::number(availableKb) + " kB\nBuffers: 1 kB\n"
            + "SwapCached:         0 kB\nSwapTotal:      " + QByteArray::number(swapTotalKb)
            + " kB\nSwapFree:       " + QByteArray::number(swapFreeKb) + " kB\n");
}

void ProcFixture::writeNetDev(const QList<std::tuple<QString, qint64, qint64>>& interfaces)
{
    QByteArray text
        = "Inter-|   Receive                                                |  Transmit\n"
          " face |bytes    packets errs drop fifo frame compressed multicast|bytes    "
          "packets errs drop fifo colls carrier compressed\n";
    for (const auto& [name, received, sent] : interfaces)
        text += name.toUtf8().rightJustified(6) + ": " + QByteArray::number(received)
            + " 10 1 2 0 0 0 3 " + QByteArray::number(sent) + " 20 4 5 0 0 0 0\n";
    write(QStringLiteral("proc/net/dev"), text);
}
