// SPDX-License-Identifier: MIT
#include "list_view_reader.h"

#include "wide_text.h"

#include <commctrl.h>

#include <algorithm>

namespace zirev1 {
namespace {

constexpr std::size_t TEXT_UNITS = 4096;
constexpr std::size_t ITEM_SPACE = std::max(sizeof(LVITEMW), sizeof(LVCOLUMNW));
constexpr UINT ANSWER_TIME_MS = 30'000;

LRESULT ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, ANSWER_TIME_MS, &answer);
    return static_cast<LRESULT>(answer);
}

} // namespace

ListViewReader::ListViewReader(HWND list) : m_list(list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    m_process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (m_process != nullptr) {
        m_remote = VirtualAllocEx(m_process, nullptr, ITEM_SPACE + TEXT_UNITS * sizeof(wchar_t),
                                  MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
}

ListViewReader::~ListViewReader() {
    if (m_remote != nullptr) {
        VirtualFreeEx(m_process, m_remote, 0, MEM_RELEASE);
    }
    if (m_process != nullptr) {
        CloseHandle(m_process);
    }
}

std::vector<std::vector<std::string>> ListViewReader::rows(int columns) const {
    std::vector<std::vector<std::string>> read;
    if (m_remote == nullptr) {
        return read;
    }
    const auto count = static_cast<int>(ask(m_list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column) {
            cells.push_back(cell(row, column));
        }
        read.push_back(std::move(cells));
    }
    return read;
}

std::vector<std::string> ListViewReader::columnHeadings() const {
    std::vector<std::string> headings;
    HWND header = reinterpret_cast<HWND>(ask(m_list, LVM_GETHEADER, 0, 0));
    const auto count = static_cast<int>(ask(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; m_remote != nullptr && column < count; ++column) {
        headings.push_back(heading(column));
    }
    return headings;
}

std::string ListViewReader::cell(int row, int column) const {
    LVITEMW item{};
    item.iSubItem = column;
    return askText(item, LVM_GETITEMTEXTW, static_cast<WPARAM>(row));
}

std::string ListViewReader::heading(int column) const {
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT;
    return askText(item, LVM_GETCOLUMNW, static_cast<WPARAM>(column));
}

// The text starts empty, so that a message the list refuses reads as "".
template <typename Item>
std::string ListViewReader::askText(Item item, UINT message, WPARAM index) const {
    auto* remoteText = reinterpret_cast<wchar_t*>(static_cast<char*>(m_remote) + ITEM_SPACE);
    item.pszText = remoteText;
    item.cchTextMax = static_cast<int>(TEXT_UNITS);
    const wchar_t empty = L'\0';
    WriteProcessMemory(m_process, m_remote, &item, sizeof item, nullptr);
    WriteProcessMemory(m_process, remoteText, &empty, sizeof empty, nullptr);
    ask(m_list, message, index, reinterpret_cast<LPARAM>(m_remote));
    std::wstring text(TEXT_UNITS, L'\0');
    ReadProcessMemory(m_process, remoteText, text.data(), text.size() * sizeof(wchar_t), nullptr);
    text.resize(std::min(text.find(L'\0'), TEXT_UNITS));
    return toUtf8(text);
}

} // namespace zirev1
