#include "BandwidthHistory.h"

#include "common/Numbers.h"
#include "shell/Skin.h"

#include <cmath>

void BandwidthHistory::push(double kilobytesPerSecond)
{
    int scale = kMinimumScale;
    for (int i = 0; i < kSamples - 1; ++i) {
        scale = std::max(scale, m_values[size_t(i + 1)]);
        m_values[size_t(i)] = m_values[size_t(i + 1)];
    }
    m_scale = scale;
    m_values[kSamples - 1] = int(Numbers::RoundHalfEven(kilobytesPerSecond));
}

namespace Bandwidth {

double RateBetween(qint64 previousTotal, qint64 total)
{
    if (total < previousTotal)
        return 0.0;
    return double(total - previousTotal) / 1024.0;
}

QString FormatRate(double kilobytesPerSecond, const QLocale& locale)
{
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(kilobytesPerSecond, 'f', 2) + QStringLiteral(" Ko/s");
}

QRect DrawGraph(QImage& image, const BandwidthHistory& history, const SkinState& skin,
    const QFont& scaleFont, Graph& graph)
{
    const QSize area = image.deviceIndependentSize().toSize();
    const int h = area.height();
    const int column = std::max(1, area.width() / BandwidthHistory::kSamples);
    const QRgb colour = skin.textTitle().rgb();
    graph.columns.assign(BandwidthHistory::kSamples, GraphColumn());
    for (int x = 0; x < BandwidthHistory::kSamples; ++x) {
        const int y = int(Numbers::RoundHalfEven(double(history.value(x)) * h / history.scale()));
        if (y > 0)
            graph.columns[size_t(x)] = { std::min(y, h), colour };
    }
    ScrollingGraph::Look& look = graph.look;
    look.left = area.width() - BandwidthHistory::kSamples * column; // newest at the right
    look.columnWidth = column;
    look.background = skin.background();
    look.textColour = skin.textLight();
    look.font = scaleFont;
    if (graph.scale != history.scale()) {
        look.topText = QString::number(history.scale()) + QStringLiteral(" Ko");
        graph.scale = history.scale();
    }
    if (look.bottomText.isEmpty())
        look.bottomText = QStringLiteral("0");
    graph.drawing.draw(image, graph.columns, look);
    return graph.drawing.changed();
}

} // namespace Bandwidth
