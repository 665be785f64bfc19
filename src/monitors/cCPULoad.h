#pragma once

#include <QList>
#include <QString>

#include <stdexcept>

class ProcessorCounters;

// A failure of the processor-load sampler: a numbered error with its source and message.
class CPULoadError : public std::runtime_error {
public:
    static constexpr quint32 kBase = 0x80040000;
    enum Offset : quint32 {
        ProcessorIndex = 8003,
        ProcessorObject = 8004,
        ReadPerformanceData = 8006,
    };

    CPULoadError(Offset offset, const QString& source, const QString& message);
    quint32 number() const { return m_number; }
    QString source() const { return m_source; }
    QString message() const { return m_message; }

private:
    quint32 m_number;
    QString m_source;
    QString m_message;
};

// Measures the load of each processor from the idle time it accumulated between the last two
// samples of the counters.
class cCPULoad {
public:
    explicit cCPULoad(ProcessorCounters* counters);

    // The number of processors, asked of the counters once; creates the sample arrays.
    int GetCPUCount();
    // Takes one sample: the current counters become the previous ones.
    void CollectCPUData();
    // Whole percent busy of processor index (from 1) between the last two samples; 0 unless
    // both of them hold that processor.
    int GetCPUUsage(int index);
    // The mean of GetCPUUsage over the processors found in the last two samples (an offline
    // processor has no line), rounded; 0 without any.
    int GetMachineUsage();

private:
    ProcessorCounters* m_counters;
    int m_count = -1;
    qint64 m_sampleTime = 0;
    qint64 m_previousSampleTime = 0;
    QList<qint64> m_idle;
    QList<qint64> m_previousIdle;
    QList<int> m_samplesInRow; // consecutive samples holding each processor
};
