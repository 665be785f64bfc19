#pragma once

#include "platform/linux/ProcMemInfo.h"
#include "platform/linux/ProcNetInterfaces.h"
#include "platform/linux/ProcStatCounters.h"

#include <QTemporaryDir>

// A prepared /proc and /sys tree in a temporary folder, with the Linux readers pointed at it.
// The processors' sample time is the fixture's own clock, advanced by the test.
class ProcFixture {
    QTemporaryDir m_dir; // first: the readers below are pointed at it
    qint64 m_now = 1'000'000'000;

public:
    ProcFixture();

    void write(const QString& relativePath, const QByteArray& text);
    void remove(const QString& relativePath);
    // /proc/stat with one cpuN line per entry: idle ticks (iowait 0), other fields fixed.
    void writeStat(const QList<qint64>& idleTicks);
    void writeMeminfo(qint64 totalKb, qint64 availableKb, qint64 swapTotalKb, qint64 swapFreeKb);
    // /proc/net/dev with the given received and sent byte counters per interface.
    void writeNetDev(const QList<std::tuple<QString, qint64, qint64>>& interfaces);
    // Seconds since the previous sample, in the readers' 100-ns units.
    void advanceSeconds(double seconds) { m_now += qint64(seconds * 1e7); }

    QString root() const { return m_dir.path(); }

    ProcStatCounters processors;
    ProcMemInfo memory;
    ProcNetInterfaces interfaces;
};
