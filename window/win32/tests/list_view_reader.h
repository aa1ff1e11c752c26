// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zirev1 {

// A report-view list of another process, read as its messages give it: they take a pointer
// into the list's own process, so the item and its text are put there, and read back.
class ListViewReader {
public:
    explicit ListViewReader(HWND list);
    ~ListViewReader();
    ListViewReader(const ListViewReader&) = delete;
    ListViewReader& operator=(const ListViewReader&) = delete;

    // Each row's cells, `columns` of them; empty when the list cannot be read.
    std::vector<std::vector<std::string>> rows(int columns) const;
    std::vector<std::string> columnHeadings() const;

private:
    std::string cell(int row, int column) const;
    std::string heading(int column) const;
    // `item`, pointed at a text in the list's process, is put there and `message` asked of it;
    // returns the text the list wrote.
    template <typename Item> std::string askText(Item item, UINT message, WPARAM index) const;

    HWND m_list;
    HANDLE m_process = nullptr;
    void* m_remote = nullptr; // an item, then its text
};

} // namespace zirev1
