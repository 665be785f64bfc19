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
    if (m_count < 1) {
        m_count = m_counters ? std::max(0, m_counters->processorCount()) : 0;
        m_idle = QList<qint64>(m_count, 0);
        m_previousIdle = QList<qint64>(m_count, 0);
    }
    return m_count;
}

void cCPULoad::CollectCPUData()
{
    ProcessorSample sample;
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
        m_previousIdle[processor.number] = m_idle[processor.number];
        m_idle[processor.number] = processor.idleTime;
    }
    m_previousSampleTime = m_sampleTime;
    m_sampleTime = sample.sampleTime;
    ++m_samplesTaken;
}

int cCPULoad::GetCPUUsage(int index)
{
    if (m_count < 0)
        CollectCPUData();
    const int n = index - 1;
    if (n < 0 || n >= m_count)
        throw CPULoadError(CPULoadError::ProcessorIndex, QStringLiteral(".GetCPUUsage()"),
            QStringLiteral("CPU index out of bounds"));
    // The first sample has nothing before it: counting from zero would read as full load.
    if (m_samplesTaken < 2 || m_sampleTime == m_previousSampleTime)
        return 0;
    const double idle = double(m_idle[n] - m_previousIdle[n]);
    const double elapsed = double(m_sampleTime - m_previousSampleTime);
    return int(Numbers::RoundHalfEven((1.0 - idle / elapsed) * 100.0));
}

int cCPULoad::GetMachineUsage()
{
    if (m_count < 1)
        return 0;
    qint64 sum = 0;
    for (int index = 1; index <= m_count; ++index)
        sum += GetCPUUsage(index);
    return int(Numbers::RoundHalfEven(double(sum) / m_count));
}
