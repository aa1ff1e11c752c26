// SPDX-License-Identifier: MIT
#include "maximize.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <QtGui/qguiapplication_platform.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace zirev1 {
namespace {

struct FreeDeleter {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, FreeDeleter>;

// The atoms of the given names, asked for together: one round trip to the X server, not one each
// (this runs at start-up).
template <std::size_t N>
std::array<xcb_atom_t, N> atoms(xcb_connection_t* connection,
                                const std::array<const char*, N>& names) {
    std::array<xcb_intern_atom_cookie_t, N> cookies;
    for (std::size_t i = 0; i < N; ++i) {
        cookies[i] = xcb_intern_atom(connection, 0,
                                     static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
    }
    std::array<xcb_atom_t, N> result;
    for (std::size_t i = 0; i < N; ++i) {
        const ReplyPointer<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection, cookies[i], nullptr));
        result[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return result;
}

xcb_get_property_cookie_t askProperty(xcb_connection_t* connection, xcb_window_t window,
                                      xcb_atom_t name, xcb_atom_t type) {
    return xcb_get_property(connection, 0, window, name, type, 0, 1024);
}

// The values of a property of 32-bit items, empty when the window has none (or is gone).
std::vector<std::uint32_t> propertyValues(xcb_connection_t* connection,
                                          xcb_get_property_cookie_t cookie) {
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

bool windowManagerMaximizes(xcb_connection_t* connection) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto [check, supportedName, vertical, horizontal] =
        atoms<4>(connection, {"_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED",
                              "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"});
    const auto checkCookie = askProperty(connection, root, check, XCB_ATOM_WINDOW);
    const auto supportedCookie = askProperty(connection, root, supportedName, XCB_ATOM_ATOM);
    const auto named = propertyValues(connection, checkCookie);
    const auto supported = propertyValues(connection, supportedCookie);
    // A running EWMH window manager names a check window on the root, and that window names
    // itself; a manager that has exited leaves the root's property behind, but not the window.
    if (named.empty() || propertyValues(connection, askProperty(connection, named[0], check,
                                                                XCB_ATOM_WINDOW)) != named) {
        return false;
    }
    bool hasVertical = false;
    bool hasHorizontal = false;
    for (const std::uint32_t item : supported) {
        hasVertical = hasVertical || item == vertical;
        hasHorizontal = hasHorizontal || item == horizontal;
    }
    return hasVertical && hasHorizontal;
}

} // namespace

bool displayMaximizesWindows() {
    // Only the X platform itself; others (offscreen) may offer X interfaces with no display.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return true;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* const connection = x11 != nullptr ? x11->connection() : nullptr;
    return connection == nullptr || windowManagerMaximizes(connection);
}

void showMaximizedOnAnyDisplay(QWidget& window) {
    window.showMaximized();
    if (!displayMaximizesWindows()) {
        // Through the platform window, so that the widget keeps its normal geometry.
        window.windowHandle()->setGeometry(window.screen()->availableGeometry());
        // Nor is there anyone to give it the keyboard.
        window.activateWindow();
    }
}

} // namespace zirev1
