// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string_view>

namespace zirev1 {

// What a screen reader says once, as it happens, and a sighted user never sees: a static of no
// size whose name is its text, a polite live region for UI Automation (Narrator, NVDA). The same
// text set again is said again.
HWND createAnnouncer(HWND parent, int id);
// By dynamic annotation: without the service the static is no live region, and only clients
// that follow the win event hear it.
void makePoliteLiveRegion(IAccPropServices* annotations, HWND announcer);
void announce(HWND announcer, std::wstring_view text);

} // namespace zirev1
