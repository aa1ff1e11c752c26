// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace zirev1 {

// A zirev1.exe started for a test, or one already running; its Form2 window found once it has
// finished starting: shown, the focus placed and its first messages handled.
class RunningForm {
public:
    // Starts the program; window() is null if it did not show its window in time, and
    // whyNoWindow() says which.
    explicit RunningForm(const std::wstring& program);
    // The window a program started by someone else shows.
    RunningForm();
    ~RunningForm();
    RunningForm(const RunningForm&) = delete;
    RunningForm& operator=(const RunningForm&) = delete;

    HWND window() const { return m_window; }
    const std::string& whyNoWindow() const { return m_whyNoWindow; }
    // Closes the window; true if the program then ended with status 0.
    bool close();

private:
    void findWindow(DWORD processId);

    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
    std::string m_whyNoWindow;
};

} // namespace zirev1
