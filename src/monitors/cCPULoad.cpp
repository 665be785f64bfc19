#include "cCPULoad.h"

#include "common/Numbers.h"
#include "platform/ProcessorCounters.h"

CPULoadError::CPULoadError(Offset offset, const QString& source, const QString& message)
    : std::runtime_error(message.toStdString())
    , m_number(kBase + offset)
    , m_source(QStringLiteral("CPULoad") + source)
    , m_message(message)
{
}

cCPULoad::cCPULoad(ProcessorCounters* counters)
    : m_counters(counters)
{
}

int cCPULoad::GetCPUCount()
{
    if (m_count < 1)
        m_count = m_counters ? std::max(0, m_counters->processorCount()) : 0;
    return m_count;
}

void cCPULoad::CollectCPUData()
{
    ProcessorSample& sample = m_sample; // kept so its list is not allocated on every tick
    if (!m_counters || !m_counters->readSample(sample))
        throw CPULoadError(CPULoadError::ReadPerformanceData, QStringLiteral(".CollectCPUData()"),
            QStringLiteral("Unable to read performance data"));
    if (sample.processors.isEmpty())
        throw CPULoadError(CPULoadError::ProcessorObject, QStringLiteral(".CollectData"),
            QStringLiteral("Unable to locate the 'Processor' performance object"));
    GetCPUCount();
    for (const ProcessorSample::Idle& processor : sample.processors) {
        if (processor.number < 0 || processor.number >= m_count)
            throw CPULoadError(CPULoadError::ProcessorIndex, QStringLiteral(".CollectCPUData()"),
                QStringLiteral("CPU index out of bounds"));
    }
    ++m_sampleNumber;
    for (const ProcessorSample::Idle& processor : sample.processors) {
        Processor& known = m_processors[processor.number];
        const bool inLastSample = known.lastSample == m_sampleNumber - 1;
        known = { processor.idleTime, inLastSample ? known.idle : 0,
            inLastSample ? known.samplesInRow + 1 : 1, m_sampleNumber };
    }
    // A processor missing from this sample starts again from zero.
    for (auto it = m_processors.begin(); it != m_processors.end();)
        it = it->lastSample == m_sampleNumber ? std::next(it) : m_processors.erase(it);
    m_previousSampleTime = m_sampleTime;
    m_sampleTime = sample.sampleTime;
}

int cCPULoad::GetCPUUsage(int index)
{
    if (m_count < 0)
        CollectCPUData();
    const int n = index - 1;
    if (n < 0 || n >= m_count)
        throw CPULoadError(CPULoadError::ProcessorIndex, QStringLiteral(".GetCPUUsage()"),
            QStringLiteral("CPU index out of bounds"));
    const Processor processor = m_processors.value(n);
    // A processor needs two samples in a row: counting from zero would read as full load.
    if (processor.samplesInRow < 2 || m_sampleTime == m_previousSampleTime)
        return 0;
    const double idle = double(processor.idle) - double(processor.previousIdle);
    const double elapsed = double(m_sampleTime) - double(m_previousSampleTime);
    const double load = (1.0 - idle / elapsed) * 100.0;
    return int(Numbers::RoundHalfEven(std::clamp(load, -1e9, 1e9)));
}

int cCPULoad::GetMachineUsage()
{
    qint64 sum = 0;
    int measured = 0;
    for (auto it = m_processors.cbegin(); it != m_processors.cend(); ++it) {
        if (it->samplesInRow >= 2) {
            sum += GetCPUUsage(it.key() + 1);
            ++measured;
        }
    }
    return measured > 0 ? int(Numbers::RoundHalfEven(double(sum) / measured)) : 0;
}
