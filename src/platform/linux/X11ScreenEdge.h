#pragma once

#include "platform/Platform.h"

// The bar's screen edge through the X connection Qt already has: window type, desktop and state
// properties for the dock, _NET_WM_STRUT_PARTIAL for the reserved strip. Under any other window
// system every call does nothing.
class X11ScreenEdge : public ScreenEdge {
public:
    void makeDock(QWindow* window) override;
    void reserve(QWindow* window, Side side, int width) override;
};
