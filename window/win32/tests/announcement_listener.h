// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zirev1 {

// What a screen reader hears from a process's live regions: every EVENT_OBJECT_LIVEREGIONCHANGED
// it raises, as an out-of-context client follows it, with the accessible name that MSAA gives the
// object at that moment. It listens on a thread of its own, which runs the hook's messages.
class AnnouncementListener {
public:
    explicit AnnouncementListener(DWORD processId);
    ~AnnouncementListener();
    AnnouncementListener(const AnnouncementListener&) = delete;
    AnnouncementListener& operator=(const AnnouncementListener&) = delete;

    // Whether the hook is in place.
    bool listening() const;
    // What has been heard since the last forget, in order.
    std::vector<std::string> heard() const;
    // From now on: an event raised before, and heard only later, is left out.
    void forget();
    // Waits until something has been heard, or the program has had its time to announce.
    std::vector<std::string> waitForAnnouncement() const;

private:
    static void CALLBACK onEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                 LONG child, DWORD thread, DWORD time);
    void listen(DWORD processId);

    mutable std::mutex m_lock;
    std::vector<std::string> m_heard;
    DWORD m_since = 0; // the tick count events are heard from
    DWORD m_threadId = 0;
    bool m_listening = false;
    HANDLE m_ready = nullptr;
    std::thread m_thread;
};

} // namespace zirev1
