#include "SysGraphs.h"

#include "shell/Skin.h"

#include <QFontMetrics>
#include <QPainter>

namespace SysGraphs {

void CpuColumns(std::vector<GraphColumn>& columns, const modCPUMEM::CpuHistory& history,
    const SkinState& skin, QSize area)
{
    const int w = area.width();
    const int h = area.height();
    const QRgb error = skin.textError().rgb();
    const QRgb title = skin.textTitle().rgb();
    columns.assign(size_t(std::max(w, 0)), GraphColumn());
    for (int i = 1; i <= history.count() - 1 && i <= w; ++i) {
        const int height = int(std::lround(history.value(i) * h / 100.0));
        if (height > 0)
            columns[size_t(w - i)] = { height, history.isFullLoadRun(i) ? error : title };
    }
}

ScrollingGraph::Look CpuLook(const SkinState& skin, const QFont& scaleFont)
{
    ScrollingGraph::Look look;
    look.background = skin.background();
    look.textColour = skin.textLight();
    look.font = scaleFont;
    look.topText = QStringLiteral("100%");
    look.topMargin = 1;
    look.bottomText = QStringLiteral("0");
    return look;
}

int DiskRowHeight(const QFont& font)
{
    return QFontMetrics(font).height() + kDiskRowGap;
}

bool SameDrawing(const std::vector<DiskRow>& a, const std::vector<DiskRow>& b)
{
    auto same = [](const DiskRow& x, const DiskRow& y) {
        const modCPUMEM::DiskFill fx = modCPUMEM::DiskUsage(x.total, x.free, kDiskBoxWidth);
        const modCPUMEM::DiskFill fy = modCPUMEM::DiskUsage(y.total, y.free, kDiskBoxWidth);
        return x.root == y.root && fx.usedUnits == fy.usedUnits && fx.percent == fy.percent;
    };
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), same);
}

void DrawDiskRows(
    QImage& image, const std::vector<DiskRow>& rows, const SkinState& skin, const QFont& font)
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
