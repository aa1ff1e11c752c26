// SPDX-License-Identifier: MIT
#include "process_windows.h"

#include <iterator>

namespace zirev1 {
namespace {

struct Search {
    DWORD processId;
    std::wstring_view className;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM searching) {
    auto& search = *reinterpret_cast<Search*>(searching);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[32] = L"";
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if ((search.processId == 0 || owner == search.processId) &&
        std::wstring_view(className) == search.className) {
        search.found.push_back(window);
    }
    return TRUE;
}

} // namespace

std::vector<HWND> windowsOfClass(DWORD processId, std::wstring_view className) {
    Search search{processId, className, {}};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace zirev1
