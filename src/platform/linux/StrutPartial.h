#pragma once

#include "platform/Platform.h"

#include <QRect>

#include <array>
#include <cstdint>

// The twelve values of an EWMH _NET_WM_STRUT_PARTIAL property (left, right, top, bottom, then
// the start and end of each along its edge), in device pixels of the whole X screen. A strut
// counts from the edge of the X screen, so a monitor that does not touch that edge reserves its
// distance to it as well.
struct StrutPartial {
    std::array<uint32_t, 12> values {};

    // monitor and the rows top..top+height-1 are in device pixels; width 0 releases the edge.
    static StrutPartial forEdge(
        ScreenEdge::Side side, const QRect& monitor, int rootWidth, int width, int top, int height);
    // The older four-value _NET_WM_STRUT: left, right, top, bottom.
    std::array<uint32_t, 4> strut() const { return { values[0], values[1], values[2], values[3] }; }
};
