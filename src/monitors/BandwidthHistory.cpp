#include "BandwidthHistory.h"

#include "common/Numbers.h"
#include "shell/Skin.h"

#include <QFontMetrics>
#include <QPainter>

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

void DrawGraph(
    QImage& image, const BandwidthHistory& history, const SkinState& skin, const QFont& scaleFont)
{
    image.fill(skin.background());
    QPainter painter(&image);
    const QSize area = image.deviceIndependentSize().toSize();
    const int h = area.height();
    const int column = std::max(1, area.width() / BandwidthHistory::kSamples);
    const int left = area.width() - BandwidthHistory::kSamples * column; // newest at the right
    for (int x = 0; x < BandwidthHistory::kSamples; ++x) {
        const int y = int(Numbers::RoundHalfEven(double(history.value(x)) * h / history.scale()));
        if (y > 0)
            painter.fillRect(
                left + x * column, h - std::min(y, h), column, std::min(y, h), skin.textTitle());
    }
    painter.setFont(scaleFont);
    painter.setPen(skin.textLight());
    const QFontMetrics metrics(scaleFont);
    painter.drawText(1, metrics.ascent(), QString::number(history.scale()) + QStringLiteral(" Ko"));
    painter.drawText(1, h - metrics.descent() - 1, QStringLiteral("0"));
}

} // namespace Bandwidth
