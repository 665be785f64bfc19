#pragma once

#include "ScrollingGraph.h"

#include <QFont>
#include <QImage>
#include <QLocale>
#include <QString>

#include <array>

struct SkinState;

// One minute of whole kilobytes per second for one direction: entry 60 is the newest, 0 the
// oldest; the graph's scale is the largest earlier value, never below 10.
class BandwidthHistory {
public:
    static constexpr int kSamples = 61;
    static constexpr int kMinimumScale = 10;

    // Shifts the history by one second, setting the scale from the values kept before the new
    // one, then stores the rate rounded.
    void push(double kilobytesPerSecond);
    int value(int x) const { return m_values[size_t(x)]; }
    int scale() const { return m_scale; }

private:
    std::array<int, kSamples + 1> m_values {};
    int m_scale = kMinimumScale;
};

namespace Bandwidth {

// Kilobytes per second between two byte totals one second apart; a total that went backwards
// (a counter that wrapped, an interface that went away) gives 0.
double RateBetween(qint64 previousTotal, qint64 total);

// "###0.00" followed by " Ko/s", with the locale's decimal separator and no grouping.
QString FormatRate(double kilobytesPerSecond, const QLocale& locale);

// What one graph keeps from one tick to the next.
struct Graph {
    ScrollingGraph drawing;
    ScrollingGraph::Look look;
    std::vector<GraphColumn> columns;
    int scale = -1; // the scale look.topText shows
};

// The bars of one history from the bottom of the image, one column of equal width per second with
// the newest at the right edge, and the scale texts "<max> Ko" at the top and "0" at the bottom.
// Returns the part of the image that may have changed, empty when nothing did.
QRect DrawGraph(QImage& image, const BandwidthHistory& history, const SkinState& skin,
    const QFont& scaleFont, Graph& graph);

} // namespace Bandwidth
