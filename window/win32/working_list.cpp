// SPDX-License-Identifier: MIT
#include "working_list.h"

#include "form_style.h"
#include "wide_text.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace zirev1 {
namespace {

// A row's item data: whether it is a section's heading.
constexpr LPARAM HEADING_ROW = 1;

void addRow(HWND list, const std::wstring& first, LPARAM data) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<wchar_t*>(first.c_str());
    item.lParam = data;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void setCell(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int columnWidth(HWND list, int column) {
    return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

// As wide as the column's widest cell or its heading, with the list's own margins.
int fittedWidth(HWND list, int column) {
    SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), LVSCW_AUTOSIZE);
    const std::wstring heading = toWide(WORKING_COLUMNS[column]);
    const int margins =
        MulDiv(16, static_cast<int>(GetDpiForWindow(list)), USER_DEFAULT_SCREEN_DPI);
    const auto headingWidth = static_cast<int>(
        SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(heading.c_str())));
    return std::max(columnWidth(list, column), headingWidth + margins);
}

// The quantities and the values as wide as they are, the formulas in what is left; a formula
// longer than that ends in an ellipsis, and the row's tip shows it whole.
void fitColumns(HWND list) {
    const int quantity = fittedWidth(list, 0);
    const int value = fittedWidth(list, 2);
    RECT area;
    GetClientRect(list, &area);
    // A few pixels spare, which the list keeps beyond its last column before it scrolls.
    const int spare = MulDiv(4, static_cast<int>(GetDpiForWindow(list)), USER_DEFAULT_SCREEN_DPI);
    const int left = std::max(area.right - quantity - value - spare, area.right / 5);
    const int working = std::min(fittedWidth(list, 1), left);
    const int widths[] = {quantity, working, value};
    for (std::size_t i = 0; i < std::size(widths); ++i) {
        SendMessageW(list, LVM_SETCOLUMNWIDTH, i, widths[i]);
    }
}

} // namespace

HWND createWorkingList(HWND parent, int id) {
    HWND list =
        CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                            LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                        0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER);
    for (std::size_t i = 0; i < std::size(WORKING_COLUMNS); ++i) {
        std::wstring heading = toWide(WORKING_COLUMNS[i]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_SUBITEM;
        column.pszText = heading.data();
        column.iSubItem = static_cast<int>(i);
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

void showWorking(HWND list, std::span<const WorkingSection> sections) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (const WorkingSection& section : sections) {
        addRow(list, toWide(section.heading), HEADING_ROW);
        for (const WorkingRow& row : section.rows) {
            addRow(list, toWide(row.quantity), 0);
            const int at = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) - 1;
            setCell(list, at, 1, toWide(row.working));
            setCell(list, at, 2, toWide(row.value));
        }
    }
    // Fitted once the list shows its rows, and so its scroll bar.
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    fitColumns(list);
    InvalidateRect(list, nullptr, TRUE);
}

void tipOfRow(NMLVGETINFOTIPW& tip, std::span<const WorkingSection> sections) {
    int row = 0;
    for (const WorkingSection& section : sections) {
        ++row; // the heading's
        for (const WorkingRow& working : section.rows) {
            if (row++ == tip.iItem && !working.working.empty() && tip.cchTextMax > 0) {
                const std::wstring text = toWide(working.working + " = " + working.value);
                const auto units =
                    std::min(text.size(), static_cast<std::size_t>(tip.cchTextMax - 1));
                text.copy(tip.pszText, units);
                tip.pszText[units] = L'\0';
                return;
            }
        }
    }
}

LRESULT drawWorkingRow(NMLVCUSTOMDRAW& draw, COLORREF headingInk) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        if (draw.nmcd.lItemlParam == HEADING_ROW) {
            draw.clrText = headingInk;
            return CDRF_NEWFONT;
        }
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

} // namespace zirev1
