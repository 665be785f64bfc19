#pragma once

#include "platform/linux/ProcMemInfo.h"
#include "platform/linux/ProcNetInterfaces.h"
#include "platform/linux/ProcStatCounters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A prepared /proc and /sys tree in a temporary folder, with the Linux readers pointed at it.
// The processors' sample time is the fixture's own clock, advanced by the test.
struct ProcFixture {
    QTemporaryDir dir; // first: the readers below are pointed at it
    qint64 now = 1'000'000'000;
    ProcStatCounters processors { dir.path(), [this] { return now; }, 100 };
    ProcMemInfo memory { dir.path() };
    ProcNetInterfaces interfaces { dir.path() };

    QString path(const QString& relative) const { return dir.filePath(relative); }
    void write(const QString& relative, const QString& text)
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }
    void advanceSeconds(double seconds) { now += qint64(seconds * 1e7); }
    // One cpuN line per entry with that many idle ticks, split between idle and iowait; a
    // negative entry is an offline processor, without a line.
    void writeStat(const QList<qint64>& idleTicks)
    {
        QString text = QStringLiteral("cpu  1000 0 500 99999 0 0 0 0 0 0\n");
        for (int n = 0; n < idleTicks.size(); ++n)
            if (idleTicks[n] >= 0)
                text += QString::asprintf("cpu%d 500 0 250 %lld %lld 0 7 0 0 0\n", n,
                    idleTicks[n] / 2, idleTicks[n] - idleTicks[n] / 2);
        write(QStringLiteral("proc/stat"), text + QStringLiteral("intr 12345 0 0\nctxt 999\n"));
    }
    void writeMeminfo(qint64 totalKb, qint64 availableKb, qint64 swapTotalKb, qint64 swapFreeKb)
    {
        write(QStringLiteral("proc/meminfo"),
            QString::asprintf("MemTotal: %lld kB\nMemFree: 1 kB\nMemAvailable: %lld kB\n"
                              "SwapCached: 0 kB\nSwapTotal: %lld kB\nSwapFree: %lld kB\n",
                totalKb, availableKb, swapTotalKb, swapFreeKb));
    }
    // Received and sent byte counters per interface.
    void writeNetDev(const QList<std::tuple<const char*, qint64, qint64>>& counters)
    {
        QString text = QStringLiteral("Inter-|   Receive  |  Transmit\n face |bytes packets errs "
                                      "drop fifo frame compressed multicast|bytes packets\n");
        for (const auto& [name, received, sent] : counters)
            text += QString::asprintf(
                "%6s: %lld 10 1 2 0 0 0 3 %lld 20 4 5 0 0 0 0\n", name, received, sent);
        write(QStringLiteral("proc/net/dev"), text);
    }
};
