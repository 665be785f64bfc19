#include "BarSlide.h"

#include "SlideSteps.h"

namespace {
constexpr int kFrameMs = 16;
}

BarSlide::BarSlide(std::function<int(int twips)> moveTo, QObject* parent)
    : QObject(parent)
    , m_moveTo(std::move(moveTo))
{
    m_timer.setInterval(kFrameMs);
    connect(&m_timer, &QTimer::timeout, this, &BarSlide::nextFrame);
}

void BarSlide::start(int fromTwips, int toTwips)
{
    m_positions = SlideSteps(fromTwips, toTwips);
    if (m_positions.isEmpty())
        return;
    m_lastPixel = m_moveTo(fromTwips);
    m_timer.start();
}

void BarSlide::nextFrame()
{
    const int startPixel = m_lastPixel;
    while (!m_positions.isEmpty()) {
        m_lastPixel = m_moveTo(m_positions.takeFirst());
        if (m_lastPixel != startPixel)
            break;
    }
    if (m_positions.isEmpty())
        m_timer.stop();
}
