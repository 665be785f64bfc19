#pragma once

#include <QList>
#include <QtGlobal>

// One reading of the processors' idle time: for each processor found, its number (from 0) and
// the idle time it has accumulated, with the moment of the reading; all in 100-ns units.
struct ProcessorSample {
    struct Idle {
        int number = 0;
        qint64 idleTime = 0;
    };
    qint64 sampleTime = 0;
    QList<Idle> processors;
};

// The processors' idle-time counters.
class ProcessorCounters {
public:
    virtual ~ProcessorCounters() = default;
    // The number of processors; 0 when it cannot be told.
    virtual int processorCount() = 0;
    // False when the counters cannot be read.
    virtual bool readSample(ProcessorSample& sample) = 0;
};
