#pragma once

#include "platform/ProcessorCounters.h"

#include <QMap>
#include <QString>

#include <stdexcept>

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

    // The number of processors (the highest number plus one), asked of the counters once.
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
    // What is known of one processor present in the last sample.
    struct Processor {
        qint64 idle = 0;
        qint64 previousIdle = 0;
        int samplesInRow = 0; // consecutive samples holding it
        qint64 lastSample = 0; // the number of the last sample holding it
    };

    ProcessorCounters* m_counters;
    int m_count = -1;
    qint64 m_sampleTime = 0;
    qint64 m_previousSampleTime = 0;
    // Keyed by processor number: as many entries as the sample has lines, whatever the numbers.
    QMap<int, Processor> m_processors;
    qint64 m_sampleNumber = 0;
    ProcessorSample m_sample;
};
