// SPDX-License-Identifier: MIT
#include "maximize.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <QtGui/qguiapplication_platform.h>

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

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const ReplyPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The values of a window's property of 32-bit items, empty when it has none (or is gone).
std::vector<std::uint32_t> property(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t name, xcb_atom_t type) {
    const ReplyPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

bool windowManagerMaximizes(xcb_connection_t* connection) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // A running EWMH window manager names a check window on the root, and that window names
    // itself; a manager that has exited leaves the root's property behind, but not the window.
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const auto named = property(connection, root, check, XCB_ATOM_WINDOW);
    if (named.empty() || property(connection, named[0], check, XCB_ATOM_WINDOW) != named) {
        return false;
    }
    const auto supported =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    const xcb_atom_t vertical = atom(connection, "_NET_WM_STATE_MAXIMIZED_VERT");
    const xcb_atom_t horizontal = atom(connection, "_NET_WM_STATE_MAXIMIZED_HORZ");
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
