// SPDX-License-Identifier: MIT
#include "running_form.h"

#include "form2_window.h"
#include "process_windows.h"
#include "wait_for.h"

#include <vector>

namespace zirev1 {
namespace {

constexpr ULONGLONG START_TIME_MS = 60'000;

} // namespace

RunningForm::RunningForm(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + program + L"\"";
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &m_process)) {
        findWindow(m_process.dwProcessId);
    }
}

RunningForm::RunningForm() {
    findWindow(0);
}

RunningForm::~RunningForm() {
    if (m_process.hProcess != nullptr) {
        close();
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
}

void RunningForm::findWindow(DWORD processId) {
    HWND form = waitFor(
        [&] {
            const std::vector<HWND> forms = windowsOfClass(processId, FORM2_WINDOW_CLASS);
            if (forms.empty() || !IsWindowVisible(forms.front())) {
                return HWND{};
            }
            GUITHREADINFO gui{};
            gui.cbSize = sizeof gui;
            const bool focused =
                GetGUIThreadInfo(GetWindowThreadProcessId(forms.front(), nullptr), &gui) &&
                gui.hwndFocus != nullptr;
            return focused ? forms.front() : HWND{};
        },
        START_TIME_MS);
    if (form != nullptr) {
        // Answered once the window handles messages, so once it has finished starting.
        SendMessageW(form, WM_NULL, 0, 0);
    }
    m_window = form;
}

bool RunningForm::close() {
    if (m_window != nullptr) {
        PostMessageW(m_window, WM_CLOSE, 0, 0);
        m_window = nullptr;
    }
    if (m_process.hProcess == nullptr) {
        return true;
    }
    DWORD status = 1;
    if (WaitForSingleObject(m_process.hProcess, 10'000) != WAIT_OBJECT_0) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, INFINITE);
        return false;
    }
    GetExitCodeProcess(m_process.hProcess, &status);
    return status == 0;
}

} // namespace zirev1
