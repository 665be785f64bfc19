#include "DigitLabel.h"

#include <QGlyphRun>
#include <QPainter>
#include <QStyle>

void DigitLabel::paintEvent(QPaintEvent*)
{
    if (!m_rawFont.isValid() || m_rawFontFrom != font()) {
        m_rawFont = QRawFont::fromFont(font());
        m_rawFontFrom = font();
    }
    const QList<quint32> glyphs = m_rawFont.glyphIndexesForString(text());
    const QList<QPointF> advances = m_rawFont.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    qreal width = 0;
    for (const QPointF& advance : advances) {
        positions.append(QPointF(width, 0));
        width += advance.x();
    }
    const QRectF area = contentsRect();
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    qreal x = area.left();
    if (align & Qt::AlignRight)
        x = area.right() + 1 - width;
    else if (align & Qt::AlignHCenter)
        x = area.left() + (area.width() - width) / 2;
    const qreal height = m_rawFont.ascent() + m_rawFont.descent();
    const qreal baseline = area.top() + (area.height() - height) / 2 + m_rawFont.ascent();
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawGlyphRun(QPointF(qRound(x), qRound(baseline)), run);
}
