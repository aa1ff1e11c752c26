// SPDX-License-Identifier: MIT
#include "remote_load.h"

namespace zirev1 {

bool loadInto(HWND window, const std::wstring& path) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_VM_OPERATION | PROCESS_VM_WRITE |
                                     PROCESS_QUERY_INFORMATION | SYNCHRONIZE,
                                 FALSE, id);
    if (process == nullptr) {
        return false;
    }
    const SIZE_T bytes = (path.size() + 1) * sizeof(wchar_t);
    void* remotePath =
        VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD loaded = 0;
    if (remotePath != nullptr &&
        WriteProcessMemory(process, remotePath, path.c_str(), bytes, nullptr)) {
        const auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
        if (HANDLE thread = CreateRemoteThread(process, nullptr, 0, load, remotePath, 0, nullptr)) {
            WaitForSingleObject(thread, 30'000);
            GetExitCodeThread(thread, &loaded);
            CloseHandle(thread);
        }
    }
    CloseHandle(process);
    return loaded != 0;
}

} // namespace zirev1
