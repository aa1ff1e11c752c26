// SPDX-License-Identifier: MIT
#include "live_announcer.h"

#include <initguid.h>

#include <string>

namespace zirev1 {
namespace {

// UI Automation's LiveSetting property, which mingw-w64's headers lack; its value as Microsoft's
// Win32 metadata gives it (uiautomationclient.h, Windows 8 and later).
DEFINE_GUID(LIVE_SETTING_PROPERTY, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr LONG LIVE_SETTING_POLITE = 1;

} // namespace

HWND createAnnouncer(HWND parent, int id) {
    return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void makePoliteLiveRegion(IAccPropServices* annotations, HWND announcer) {
    if (annotations == nullptr) {
        return;
    }
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = LIVE_SETTING_POLITE;
    annotations->SetHwndProp(announcer, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             LIVE_SETTING_PROPERTY, polite);
}

void announce(HWND announcer, std::wstring_view text) {
    SetWindowTextW(announcer, std::wstring(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, announcer, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace zirev1
