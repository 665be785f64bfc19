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
        m_samplesInRow = QList<int>(m_count, 0);
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
    QList<bool> present(m_count, false);
    for (const ProcessorSample::Idle& processor : sample.processors) {
        if (processor.number < 0 || processor.number >= m_count)
            throw CPULoadError(CPULoadError::ProcessorIndex, QStringLiteral(".CollectCPUData()"),
                QStringLiteral("CPU index out of bounds"));
        m_previousIdle[processor.number] = m_idle[processor.number];
        m_idle[processor.number] = processor.idleTime;
        present[processor.number] = true;
    }
    for (int n = 0; n < m_count; ++n)
        m_samplesInRow[n] = present[n] ? m_samplesInRow[n] + 1 : 0;
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
    // A processor needs two samples in a row: counting from zero would read as full load.
    if (m_samplesInRow[n] < 2 || m_sampleTime == m_previousSampleTime)
        return 0;
    const double idle = double(m_idle[n] - m_previousIdle[n]);
    const double elapsed = double(m_sampleTime - m_previousSampleTime);
    return int(Numbers::RoundHalfEven((1.0 - idle / elapsed) * 100.0));
}

int cCPULoad::GetMachineUsage()
{
    qint64 sum = 0;
    int measured = 0;
    for (int n = 0; n < m_count; ++n) {
        if (m_samplesInRow[n] >= 2) {
            sum += GetCPUUsage(n + 1);
            ++measured;
        }
    }
    return measured > 0 ? int(Numbers::RoundHalfEven(double(sum) / measured)) : 0;
}
