#include "StaticTextLabel.h"

#include <QPainter>
#include <QStyle>

void StaticTextLabel::paintEvent(QPaintEvent*)
{
    if (m_laidOut.text() != text() || m_laidOutFont != font()) {
        m_laidOut.setTextFormat(Qt::PlainText);
        m_laidOut.setText(text());
        m_laidOut.prepare(QTransform(), font());
        m_laidOutFont = font();
    }
    const QRectF area = contentsRect();
    const QSizeF size = m_laidOut.size();
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    qreal x = area.left();
    if (align & Qt::AlignRight)
        x = area.right() + 1 - size.width();
    else if (align & Qt::AlignHCenter)
        x = area.left() + (area.width() - size.width()) / 2;
    qreal y = area.top() + (area.height() - size.height()) / 2;
    if (align & Qt::AlignTop)
        y = area.top();
    else if (align & Qt::AlignBottom)
        y = area.bottom() + 1 - size.height();
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawStaticText(QPointF(qRound(x), qRound(y)), m_laidOut);
}
