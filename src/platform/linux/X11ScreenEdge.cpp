#include "X11ScreenEdge.h"

#include "StrutPartial.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie
        = xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

void setAtoms(xcb_connection_t* connection, xcb_window_t window, const char* property,
    const std::vector<xcb_atom_t>& values)
{
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom(connection, property),
        XCB_ATOM_ATOM, 32, static_cast<uint32_t>(values.size()), values.data());
}

void setCardinals(xcb_connection_t* connection, xcb_window_t window, const char* property,
    const uint32_t* values, uint32_t count)
{
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom(connection, property),
        XCB_ATOM_CARDINAL, 32, count, values);
}

int rootWidth(xcb_connection_t* connection)
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return screen ? screen->width_in_pixels : 0;
}

// Qt keeps a screen's top-left corner in device pixels and scales the rest from there.
int toDevice(int logical, int origin, qreal ratio)
{
    return origin + qRound((logical - origin) * ratio);
}

} // namespace

void X11ScreenEdge::makeDock(QWindow* window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    setAtoms(
        connection, id, "_NET_WM_WINDOW_TYPE", { atom(connection, "_NET_WM_WINDOW_TYPE_DOCK") });
    // Before the window is mapped its state is the client's to set; Qt adds its own to these.
    setAtoms(connection, id, "_NET_WM_STATE",
        { atom(connection, "_NET_WM_STATE_STICKY"), atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
            atom(connection, "_NET_WM_STATE_SKIP_PAGER") });
    const uint32_t allDesktops = 0xFFFFFFFF;
    setCardinals(connection, id, "_NET_WM_DESKTOP", &allDesktops, 1);
    xcb_flush(connection);
}

void X11ScreenEdge::reserve(QWindow* window, Side side, int width)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window || !window->screen())
        return;
    const QRect logical = window->screen()->geometry();
    const qreal ratio = window->devicePixelRatio();
    const QRect monitor(logical.topLeft(), logical.size() * ratio);
    const int top = toDevice(window->y(), logical.y(), ratio);
    const int height = qRound(window->height() * ratio);
    const StrutPartial strut = StrutPartial::forEdge(
        side, monitor, rootWidth(connection), qRound(width * ratio), top, height);
    const auto id = static_cast<xcb_window_t>(window->winId());
    setCardinals(connection, id, "_NET_WM_STRUT_PARTIAL", strut.values.data(), 12);
    setCardinals(connection, id, "_NET_WM_STRUT", strut.strut().data(), 4);
    xcb_flush(connection);
}
