#include "StrutPartial.h"

#include <algorithm>

StrutPartial StrutPartial::forEdge(
    ScreenEdge::Side side, const QRect& monitor, int rootWidth, int width, int top, int height)
{
    StrutPartial strut;
    if (width <= 0 || height <= 0)
        return strut;
    const auto first = static_cast<uint32_t>(std::max(0, top));
    const auto last = static_cast<uint32_t>(std::max(0, top + height - 1));
    if (side == ScreenEdge::Side::Left) {
        strut.values[0] = static_cast<uint32_t>(std::max(0, monitor.x()) + width);
        strut.values[4] = first;
        strut.values[5] = last;
    } else {
        const int fromRight = std::max(0, rootWidth - (monitor.x() + monitor.width()));
        strut.values[1] = static_cast<uint32_t>(fromRight + width);
        strut.values[6] = first;
        strut.values[7] = last;
    }
    return strut;
}
