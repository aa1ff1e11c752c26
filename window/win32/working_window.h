// SPDX-License-Identifier: MIT
#pragma once

#include "control_fonts.h"
#include "picture_control.h"
#include "print_sheet.h"
#include "working_rows.h"

#include <windows.h>

#include <oleacc.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zirev1 {

// What the working shows: the last valid triangle's working and sides; nothing before the first.
struct WorkingContent {
    std::vector<WorkingSection> sections;
    std::optional<std::array<double, 3>> sides;
    PrintSheet sheet; // what Stampa prints
};

// Svolgimento, a top-level window of its own built from the working's description and owned by
// Form2, which it stays above. Closing it, or Escape, hides it; Form2 goes on. Hidden, it follows
// nothing and shows the content again when it is opened.
class WorkingWindow {
public:
    // content: kept by the owner for as long as this window lives.
    WorkingWindow(HWND owner, const WorkingContent& content, const PictureTools& tools,
                  IAccPropServices* annotations);
    ~WorkingWindow();
    WorkingWindow(const WorkingWindow&) = delete;
    WorkingWindow& operator=(const WorkingWindow&) = delete;

    HWND window() const { return m_window; }
    // Shown and brought forward, the focus on the table.
    void open();
    // The content has changed.
    void follow();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void layOut();
    void showContent();

    HWND m_window = nullptr;
    const WorkingContent& m_content;
    const PictureTools& m_tools;
    IAccPropServices* m_annotations;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::vector<HWND> m_controls;
    std::vector<std::wstring> m_captions;
    std::vector<PictureContent> m_pictures;
    SizedFonts m_fonts;
    HWND m_focus = nullptr;
};

} // namespace zirev1
