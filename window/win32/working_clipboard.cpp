// SPDX-License-Identifier: MIT
#include "working_clipboard.h"

#include "clipboard_html.h"
#include "wide_text.h"
#include "working_table.h"

#include <cstring>
#include <string>

namespace zirev1 {
namespace {

HGLOBAL globalCopy(const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory != nullptr) {
        std::memcpy(GlobalLock(memory), bytes, size);
        GlobalUnlock(memory);
    }
    return memory;
}

// Another program may hold the clipboard for a moment: it is asked a few times.
bool openClipboard(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

} // namespace

bool putWorkingOnClipboard(HWND owner, std::span<const WorkingSection> sections) {
    const std::wstring text = toWide(workingTabSeparated(sections));
    const std::string html = clipboardHtml(workingHtmlTable(sections));
    if (!openClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    // The clipboard owns what it is given; what it refuses is freed here.
    HGLOBAL textMemory = globalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    if (textMemory != nullptr && SetClipboardData(CF_UNICODETEXT, textMemory) == nullptr) {
        GlobalFree(textMemory);
    }
    HGLOBAL htmlMemory = globalCopy(html.c_str(), html.size() + 1);
    if (htmlMemory != nullptr &&
        SetClipboardData(RegisterClipboardFormatW(L"HTML Format"), htmlMemory) == nullptr) {
        GlobalFree(htmlMemory);
    }
    CloseClipboard();
    return true;
}

} // namespace zirev1
