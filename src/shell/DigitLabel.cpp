#include "DigitLabel.h"

#include <QEvent>
#include <QGlyphRun>
#include <QPainter>
#include <QStyle>

DigitLabel::DigitLabel(QWidget* parent)
    : QWidget(parent)
{
}

void DigitLabel::setText(const QString& text)
{
    if (text == m_text)
        return;
    Row after = layOut(text);
    const QRect area = changeBetween(shownRow(), after);
    m_text = text;
    m_shown = std::move(after);
    update(area);
}

void DigitLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    m_shown.reset();
    update();
}

const QRawFont& DigitLabel::rawFont()
{
    if (!m_rawFont.isValid() || m_rawFontFrom != font()) {
        m_rawFont = QRawFont::fromFont(font());
        m_rawFontFrom = font();
    }
    return m_rawFont;
}

DigitLabel::Row DigitLabel::layOut(const QString& text)
{
    const QRawFont& font = rawFont();
    Row row;
    row.glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(row.glyphs);
    row.positions.reserve(advances.size() + 1);
    qreal width = 0;
    row.positions.append(QPointF(0, 0));
    for (const QPointF& advance : advances) {
        width += advance.x();
        row.positions.append(QPointF(width, 0));
    }
    const QRectF area = contentsRect();
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), m_alignment);
    qreal x = area.left();
    if (align & Qt::AlignRight)
        x = area.right() + 1 - width;
    else if (align & Qt::AlignHCenter)
        x = area.left() + (area.width() - width) / 2;
    const qreal height = font.ascent() + font.descent();
    const qreal baseline = area.top() + (area.height() - height) / 2 + font.ascent();
    row.origin = QPointF(qRound(x), qRound(baseline));
    row.area = contentsRect();
    return row;
}

// The glyph's ink and its advance, a pixel wider on each side for antialiasing, over the whole
// height of the label.
QRect DigitLabel::glyphArea(const Row& row, qsizetype index) const
{
    const qreal left = row.origin.x() + row.positions[index].x();
    QRectF ink = m_rawFont.boundingRect(row.glyphs[index]).translated(left, 0);
    ink |= QRectF(left, 0, row.positions[index + 1].x() - row.positions[index].x(), 1);
    return QRect(QPoint(qFloor(ink.left()) - 1, 0), QPoint(qCeil(ink.right()) + 1, height() - 1));
}

const DigitLabel::Row& DigitLabel::shownRow()
{
    if (!m_shown || m_shown->area != contentsRect())
        m_shown = layOut(m_text);
    return *m_shown;
}

QRect DigitLabel::changeBetween(const QString& from, const QString& to)
{
    return changeBetween(layOut(from), layOut(to));
}

QRect DigitLabel::changeBetween(const Row& before, const Row& after) const
{
    if (before.glyphs.size() != after.glyphs.size() || before.positions != after.positions
        || before.origin != after.origin)
        return rect();
    QRect changed;
    for (qsizetype i = 0; i < after.glyphs.size(); ++i) {
        if (before.glyphs[i] != after.glyphs[i])
            changed |= glyphArea(before, i) | glyphArea(after, i);
    }
    return changed & rect();
}

void DigitLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange) {
        m_shown.reset();
        update();
    }
    QWidget::changeEvent(event);
}

void DigitLabel::paintEvent(QPaintEvent*)
{
    const Row& row = shownRow();
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(row.glyphs);
    run.setPositions(row.positions.first(row.glyphs.size()));
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawGlyphRun(row.origin, run);
}
