#include "SysGraphs.h"

#include "shell/Skin.h"

#include <QFontMetrics>
#include <QPainter>

namespace SysGraphs {

void DrawCpuGraph(QImage& image, const modCPUMEM::CpuHistory& history, const SkinState& skin,
    const QFont& scaleFont)
{
    image.fill(skin.background());
    QPainter painter(&image);
    const int h = image.deviceIndependentSize().toSize().height();
    const int w = image.deviceIndependentSize().toSize().width();
    const QPen title(skin.textTitle());
    const QPen error(skin.textError());
    for (int i = 1; i <= history.count() - 1 && i <= w; ++i) {
        painter.setPen(history.isFullLoadRun(i) ? error : title);
        const int top = h - int(std::lround(history.value(i) * h / 100.0));
        painter.drawLine(w - i, top, w - i, h);
    }
    painter.setFont(scaleFont);
    painter.setPen(skin.textLight());
    const QFontMetrics metrics(scaleFont);
    painter.drawText(1, 1 + metrics.ascent(), QStringLiteral("100%"));
    painter.drawText(1, h - metrics.descent() - 1, QStringLiteral("0"));
}

int DiskRowHeight(const QFont& font)
{
    return QFontMetrics(font).height() + kDiskRowGap;
}

void DrawDiskRows(
    QImage& image, const QList<DiskRow>& rows, const SkinState& skin, const QFont& font)
{
    image.fill(skin.background());
    QPainter painter(&image);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int th = metrics.height();
    const int percentWidth = metrics.horizontalAdvance(QStringLiteral("100 %"));
    const int width = image.deviceIndependentSize().toSize().width();
    const int labelWidth = width - kDiskBoxWidth - kDiskTextGap - percentWidth - 2;
    const int x0 = labelWidth + kDiskTextGap;
    int y = 0;
    for (const DiskRow& row : rows) {
        painter.setPen(skin.textDark());
        painter.drawText(QRect(0, y, labelWidth, th), Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(row.root, Qt::ElideMiddle, labelWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(x0, y, kDiskBoxWidth, th - 1);
        const modCPUMEM::DiskFill fill = modCPUMEM::DiskUsage(row.total, row.free, kDiskBoxWidth);
        const QColor fillColour = fill.percent < 91 ? skin.textLight() : skin.textError();
        const int fillWidth = fill.usedUnits - 2 * kDiskFillInset;
        if (fillWidth > 0)
            painter.fillRect(x0 + kDiskFillInset, y + kDiskFillInset, fillWidth,
                th - 2 * kDiskFillInset, fillColour);
        const QString text = QString::number(fill.percent) + QStringLiteral(" %");
        painter.drawText(QRect(0, y, width, th), Qt::AlignRight | Qt::AlignVCenter, text);
        y += th + kDiskRowGap;
    }
}

} // namespace SysGraphs
