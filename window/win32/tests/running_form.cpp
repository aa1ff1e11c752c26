// SPDX-License-Identifier: MIT
#include "running_form.h"

#include "form2_window.h"
#include "process_windows.h"
#include "wait_for.h"

#include <cstdio>
#include <string>
#include <vector>

namespace zirev1 {
namespace {

constexpr ULONGLONG START_TIME_MS = 60'000;

std::string startFailure(DWORD error) {
    return "zirev1.exe could not be started (error " + std::to_string(error) + ")";
}

} // namespace

RunningForm::RunningForm(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + program + L"\"";
    const auto start = [&] {
        return CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                              nullptr, nullptr, &startup, &m_process) != FALSE;
    };
    if (!start()) {
        // On a busy machine Wine has refused one start in a few hundred: the new process ends
        // while its system libraries load, before any of the program's code runs. A second
        // refusal fails the test.
        std::printf("  note: %s; trying once more\n", startFailure(GetLastError()).c_str());
        Sleep(500);
        if (!start()) {
            m_whyNoWindow = startFailure(GetLastError());
            return;
        }
    }
    findWindow(m_process.dwProcessId);
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
    if (form == nullptr) {
        DWORD status = STILL_ACTIVE;
        GetExitCodeProcess(m_process.hProcess, &status);
        m_whyNoWindow = status == STILL_ACTIVE
                            ? "zirev1.exe did not show its window within 60 s"
                            : "zirev1.exe ended with status " + std::to_string(status) +
                                  " before it showed its window";
    }
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
