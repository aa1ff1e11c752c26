// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace zirev1 {

// Shows a top-level window maximized. A window manager or compositor does the maximizing; where
// there is none that can (an X display without a window manager, a kiosk session), the window is
// given the screen's available area directly. Either way its normal (restored) geometry stays
// the one it had.
void showMaximizedOnAnyDisplay(QWidget& window);

// Whether something on this display maximizes windows when asked: on X, a running window manager
// that declares the maximized states (EWMH); on every other platform, yes.
bool displayMaximizesWindows();

} // namespace zirev1
