// SPDX-License-Identifier: MIT
#include "announcement_listener.h"

#include "wait_for.h"
#include "wide_text.h"

#include <oleacc.h>

namespace zirev1 {
namespace {

// The listener whose thread this is: a hook's callback has no other way to it.
thread_local AnnouncementListener* listenerOfThread = nullptr;

std::string accessibleNameAt(HWND window, LONG object, LONG child) {
    IAccessible* accessible = nullptr;
    VARIANT target{};
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                         static_cast<DWORD>(child), &accessible, &target)) ||
        accessible == nullptr) {
        return "(no accessible object)";
    }
    BSTR name = nullptr;
    accessible->get_accName(target, &name);
    std::string text = name != nullptr ? toUtf8(name) : "";
    SysFreeString(name);
    VariantClear(&target);
    accessible->Release();
    return text;
}

} // namespace

AnnouncementListener::AnnouncementListener(DWORD processId)
    : m_ready(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_thread([this, processId] { listen(processId); }) {
    WaitForSingleObject(m_ready, INFINITE);
}

AnnouncementListener::~AnnouncementListener() {
    PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    m_thread.join();
    CloseHandle(m_ready);
}

void AnnouncementListener::listen(DWORD processId) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    listenerOfThread = this;
    m_threadId = GetCurrentThreadId();
    MSG message;
    // The thread's queue exists before anyone posts to it.
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        onEvent, processId, 0, WINEVENT_OUTOFCONTEXT);
    m_listening = hook != nullptr;
    SetEvent(m_ready);
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    if (hook != nullptr) {
        UnhookWinEvent(hook);
    }
    CoUninitialize();
}

void CALLBACK AnnouncementListener::onEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object,
                                            LONG child, DWORD, DWORD time) {
    AnnouncementListener* listener = listenerOfThread;
    if (listener == nullptr) {
        return;
    }
    std::string name = accessibleNameAt(window, object, child);
    const std::lock_guard held(listener->m_lock);
    if (time - listener->m_since < 0x80000000U) {
        listener->m_heard.push_back(std::move(name));
    }
}

bool AnnouncementListener::listening() const {
    return m_listening;
}

std::vector<std::string> AnnouncementListener::heard() const {
    const std::lock_guard held(m_lock);
    return m_heard;
}

// An event carries the tick count at which it was raised. The tick after this one is later than
// every event raised so far, and earlier than every event still to come.
void AnnouncementListener::forget() {
    const DWORD now = GetTickCount();
    waitFor([&] { return GetTickCount() != now; });
    const std::lock_guard held(m_lock);
    m_since = GetTickCount();
    m_heard.clear();
}

std::vector<std::string> AnnouncementListener::waitForAnnouncement() const {
    waitFor([&] { return !heard().empty(); });
    return heard();
}

} // namespace zirev1
