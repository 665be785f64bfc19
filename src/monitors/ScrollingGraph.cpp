#include "ScrollingGraph.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace {

// Moves every scan line of a 32-bit image left by the given device pixels.
void scrollLeft(QImage& image, int pixels)
{
    const qsizetype kept = qsizetype(image.width() - pixels) * 4;
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        std::memmove(line, line + qsizetype(pixels) * 4, size_t(std::max<qsizetype>(kept, 0)));
    }
}

// The height of the tallest column as drawn in an image of the given height.
int reach(const std::vector<GraphColumn>& columns, int height)
{
    int tallest = 0;
    for (const GraphColumn& column : columns)
        tallest = std::max(tallest, column.height);
    return std::min(tallest, height);
}

} // namespace

// Scrolling moves whole device pixels, so it needs a whole pixel ratio and 32-bit pixels.
bool ScrollingGraph::isScrollOf(const QImage& image, const std::vector<GraphColumn>& columns) const
{
    const qreal ratio = image.devicePixelRatio();
    return ratio == qreal(int(ratio)) && image.depth() == 32 && !columns.empty()
        && columns.size() == m_drawn.size()
        && std::equal(columns.cbegin(), columns.cend() - 1, m_drawn.cbegin() + 1);
}

ScrollingGraph::Drawing ScrollingGraph::draw(
    QImage& image, const std::vector<GraphColumn>& columns, const Look& look)
{
    const bool sameFrame = image.size() == m_size && look == m_look;
    m_changed = QRect();
    if (sameFrame && columns == m_drawn)
        return Drawing::Nothing;
    const bool scroll = sameFrame && isScrollOf(image, columns);
    const QSize area = image.deviceIndependentSize().toSize();
    if (scroll) {
        const int band = std::max(reach(m_drawn, area.height()), reach(columns, area.height()));
        m_changed = QRect(0, area.height() - band, area.width(), band);
    } else {
        m_changed = QRect(QPoint(0, 0), area);
    }
    m_drawn = columns;
    if (!sameFrame) {
        m_look = look;
        m_size = image.size();
        const QFontMetrics metrics(look.font);
        m_textRight = 2
            + std::max(metrics.horizontalAdvance(look.topText),
                metrics.horizontalAdvance(look.bottomText));
        m_topText = QStaticText(look.topText);
        m_bottomText = QStaticText(look.bottomText);
        for (QStaticText* text : { &m_topText, &m_bottomText })
            text->prepare(QTransform(), look.font);
    }
    if (scroll)
        scrollLeft(image, m_look.columnWidth * int(image.devicePixelRatio()));
    QPainter painter(&image);
    if (scroll) {
        const int newest = m_look.left + int(columns.size() - 1) * m_look.columnWidth;
        paintColumns(painter, columns, area.height(), newest, area.width());
        paintColumns(painter, columns, area.height(), 0, std::max(m_textRight, m_look.left));
    } else {
        paintColumns(painter, columns, area.height(), 0, area.width());
    }
    paintTexts(painter, area.height());
    return scroll ? Drawing::Scrolled : Drawing::Whole;
}

// The background and the columns between two x positions; a column partly inside is drawn whole,
// over pixels that already show it.
void ScrollingGraph::paintColumns(QPainter& painter, const std::vector<GraphColumn>& columns,
    int height, int fromX, int toX) const
{
    painter.fillRect(fromX, 0, toX - fromX, height, m_look.background);
    for (size_t i = 0; i < columns.size(); ++i) {
        const int x = m_look.left + int(i) * m_look.columnWidth;
        const GraphColumn& column = columns[i];
        if (x + m_look.columnWidth <= fromX || x >= toX || column.height <= 0)
            continue;
        const int shown = std::min(column.height, height);
        painter.fillRect(x, height - shown, m_look.columnWidth, shown, QColor(column.colour));
    }
}

void ScrollingGraph::paintTexts(QPainter& painter, int height) const
{
    painter.setFont(m_look.font);
    painter.setPen(m_look.textColour);
    const QFontMetrics metrics(m_look.font);
    // A static text is placed by its top edge, a plain one by its base line.
    painter.drawStaticText(1, m_look.topMargin, m_topText);
    painter.drawStaticText(1, height - metrics.descent() - 1 - metrics.ascent(), m_bottomText);
}
