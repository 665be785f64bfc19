#include "ClockDial.h"

#include <QPainter>

void ClockDial::setDialPicture(const QPixmap& dial)
{
    if (dial.isNull())
        return;
    m_dial = dial;
    m_slowLayer = QPixmap();
    resize(dial.size());
    // An opaque dial hides what lies below it, so a tick repaints the dial alone rather than
    // the backgrounds under it too.
    setAttribute(Qt::WA_OpaquePaintEvent, !dial.hasAlphaChannel());
    update();
}

void ClockDial::showHands(const ClockHands& hands, const ClockFace::HandColours& colours)
{
    const bool slowHandsMoved = !m_hasHands || hands.hour != m_hands.hour
        || hands.minute != m_hands.minute || colours != m_colours;
    if (slowHandsMoved) {
        m_slowLayer = QPixmap();
        update();
    } else if (!(hands == m_hands)) {
        update(ClockFace::SecondHandArea(m_hands) | ClockFace::SecondHandArea(hands));
    }
    m_hands = hands;
    m_colours = colours;
    m_hasHands = true;
}

QImage ClockDial::face() const
{
    if (!m_hasHands)
        return QImage();
    return ClockFace::Paint(m_dial, size(), m_hands, m_colours, devicePixelRatioF());
}

void ClockDial::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_hasHands) {
        painter.drawPixmap(0, 0, m_dial);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (m_slowLayer.isNull() || m_slowLayer.devicePixelRatio() != ratio)
        m_slowLayer = QPixmap::fromImage(
            ClockFace::PaintSlowHands(m_dial, size(), m_hands, m_colours, ratio));
    painter.drawPixmap(0, 0, m_slowLayer);
    ClockFace::DrawSecondHand(painter, m_hands, m_colours);
}
