#include "WrappingButtons.h"

#include <QResizeEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

} // namespace

QRect WrappingCheckBox::indicatorRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, width(), fontMetrics().height() + 2);
    return style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
}

int WrappingCheckBox::textLeft() const
{
    return indicatorRect().right() + 1
        + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

int WrappingCheckBox::heightForWidth(int width) const
{
    const QRect text = fontMetrics().boundingRect(
        QRect(0, 0, qMax(width - textLeft(), 20), 100000), kTextFlags, this->text());
    return qMax(text.height(), indicatorRect().height()) + 2;
}

QSize WrappingCheckBox::sizeHint() const
{
    const int width = textLeft() + fontMetrics().horizontalAdvance(text()) + 2;
    return { width, heightForWidth(width) };
}

QSize WrappingCheckBox::minimumSizeHint() const
{
    return { textLeft() + 60, heightForWidth(textLeft() + 60) };
}

// Layouts that do not ask for the height at a width get it as a minimum once the width is known.
void WrappingCheckBox::resizeEvent(QResizeEvent* event)
{
    QCheckBox::resizeEvent(event);
    const int needed = heightForWidth(width());
    if (minimumHeight() != needed)
        setMinimumHeight(needed);
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = indicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
    const QRect text = rect().adjusted(textLeft(), 1, 0, 0);
    style()->drawItemText(
        &painter, text, kTextFlags, palette(), isEnabled(), this->text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(text, kTextFlags, this->text());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

QSize WrappingPushButton::sizeHint() const
{
    const QSize one = QPushButton::sizeHint();
    return { qMin(one.width(), 150), one.height() + fontMetrics().height() };
}

void WrappingPushButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    style()->drawItemText(&painter, rect().adjusted(6, 2, -6, -2),
        Qt::TextWordWrap | Qt::AlignCenter, palette(), isEnabled(), caption, QPalette::ButtonText);
}
