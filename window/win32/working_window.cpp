// SPDX-License-Identifier: MIT
#include "working_window.h"

#include "sheet_printing.h"

#include "accessible_texts.h"
#include "caption_drawing.h"
#include "creation_order.h"
#include "focus_memory.h"
#include "form2_window.h"
#include "resource_ids.h"
#include "wide_text.h"
#include "working_clipboard.h"
#include "working_form_description.h"
#include "working_list.h"

namespace zirev1 {
namespace {

int scaled(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), TWIPS_PER_INCH);
}

int idOf(std::size_t index) {
    return ZIREV1_CONTROL_ID_BASE + static_cast<int>(index);
}

std::size_t indexOf(const Control& control) {
    return static_cast<std::size_t>(&control - WORKING_FORM.controls.data());
}

bool registerWorkingClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW workingClass{};
    workingClass.cbSize = sizeof workingClass;
    workingClass.lpfnWndProc = procedure;
    workingClass.hInstance = instance;
    workingClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ZIREV1_ICON));
    workingClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    workingClass.lpszClassName = WORKING_WINDOW_CLASS;
    return RegisterClassExW(&workingClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Without the typeface the sheet cannot be drawn, which is a failure too.
void printOrSayWhy(HWND window, Gdiplus::FontFamily* family, const PrintSheet& sheet) {
    const PrintOutcome outcome =
        family != nullptr ? printSheet(window, *family, sheet) : PrintOutcome::Failed;
    // A dialog that closes itself (Wine's, once it has said no printer is installed) leaves the
    // activation to the window's owner: the window takes it back, and its focus with it.
    SetActiveWindow(window);
    if (outcome == PrintOutcome::Failed) {
        MessageBoxW(window, PRINT_FAILED_TEXT, toWide(WORKING_FORM.title).c_str(),
                    MB_OK | MB_ICONERROR);
    }
}

constexpr DWORD WORKING_STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

} // namespace

WorkingWindow::WorkingWindow(HWND owner, const WorkingContent& content, const PictureTools& tools,
                             IAccPropServices* annotations)
    : m_content(content), m_tools(tools), m_annotations(annotations),
      m_controls(WORKING_FORM.controls.size()), m_captions(WORKING_FORM.controls.size()),
      m_pictures(WORKING_FORM.controls.size()) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registerWorkingClass(instance, &procedure)) {
        return;
    }
    const UINT dpi = GetDpiForWindow(owner);
    RECT frame{0, 0, scaled(WORKING_FORM.restoredClientSize.width, dpi),
               scaled(WORKING_FORM.restoredClientSize.height, dpi)};
    AdjustWindowRectExForDpi(&frame, WORKING_STYLE, FALSE, WS_EX_CONTROLPARENT, dpi);
    m_window = CreateWindowExW(WS_EX_CONTROLPARENT, WORKING_WINDOW_CLASS,
                               toWide(WORKING_FORM.title).c_str(), WORKING_STYLE, CW_USEDEFAULT,
                               CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                               owner, nullptr, instance, this);
    if (m_window == nullptr) {
        return;
    }
    m_dpi = GetDpiForWindow(m_window);
    createControls();
    layOut();
}

WorkingWindow::~WorkingWindow() {
    if (m_window != nullptr && IsWindow(m_window)) {
        DestroyWindow(m_window);
    }
}

void WorkingWindow::open() {
    if (m_window == nullptr) {
        return;
    }
    const bool wasVisible = IsWindowVisible(m_window) != FALSE;
    if (!wasVisible) {
        showContent();
    }
    ShowWindow(m_window, IsIconic(m_window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(m_window);
    if (!wasVisible) {
        SetFocus(m_controls[indexOf(controlOfRole(WORKING_FORM, Role::Working))]);
    }
}

void WorkingWindow::follow() {
    if (m_window != nullptr && IsWindowVisible(m_window)) {
        showContent();
    }
}

void WorkingWindow::showContent() {
    showWorking(m_controls[indexOf(controlOfRole(WORKING_FORM, Role::Working))],
                m_content.sections);
    for (std::size_t i = 0; i < WORKING_FORM.controls.size(); ++i) {
        if (WORKING_FORM.controls[i].kind == ControlKind::Picture) {
            m_pictures[i].input.sides = m_content.sides;
            InvalidateRect(m_controls[i], nullptr, TRUE);
        }
    }
}

void WorkingWindow::createControls() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const std::size_t i : creationOrder(WORKING_FORM)) {
        const Control& control = WORKING_FORM.controls[i];
        const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(idOf(i)));
        m_captions[i] = toWide(control.caption);
        switch (control.kind) {
        case ControlKind::Label:
            m_controls[i] = CreateWindowExW(0, L"STATIC", m_captions[i].c_str(),
                                            WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, 0, 0, 0, 0,
                                            m_window, id, instance, nullptr);
            break;
        case ControlKind::Table:
            m_controls[i] = createWorkingList(m_window, idOf(i));
            SetWindowTextW(m_controls[i], toWide(control.accessibleName).c_str());
            nameForScreenReaders(m_annotations, m_controls[i], toWide(control.accessibleName));
            break;
        case ControlKind::Picture:
            m_pictures[i] = {control.drawing, {std::nullopt, m_content.sides}, &m_tools};
            m_controls[i] = createPicture(m_window, idOf(i), control, m_pictures[i]);
            break;
        case ControlKind::Button:
            m_controls[i] = CreateWindowExW(0, L"BUTTON", m_captions[i].c_str(),
                                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                                            0, 0, 0, m_window, id, instance, nullptr);
            break;
        case ControlKind::Field:
            break;
        }
    }
}

void WorkingWindow::layOut() {
    SizedFonts fonts;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(WORKING_FORM.controls.size()));
    for (std::size_t i = 0; i < WORKING_FORM.controls.size(); ++i) {
        const Control& control = WORKING_FORM.controls[i];
        SendMessageW(m_controls[i], WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts.forControl(control, m_dpi)), FALSE);
        const TwipsRect place = control.startPlace();
        if (batch != nullptr) {
            batch = DeferWindowPos(batch, m_controls[i], nullptr, scaled(place.left, m_dpi),
                                   scaled(place.top, m_dpi), scaled(place.width, m_dpi),
                                   scaled(place.height, m_dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (batch != nullptr) {
        EndDeferWindowPos(batch);
    }
    // The old fonts go once no control uses them.
    m_fonts = std::move(fonts);
    InvalidateRect(m_window, nullptr, TRUE);
}

LRESULT CALLBACK WorkingWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* creating =
            static_cast<WorkingWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        creating->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    auto* working = reinterpret_cast<WorkingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (working == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        working->m_window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return working->handle(message, wParam, lParam);
}

LRESULT WorkingWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        ShowWindow(m_window, SW_HIDE);
        return 0;
    case WM_ACTIVATE:
        if (keepFocusAcrossActivation(m_window, wParam, m_focus)) {
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        m_dpi = HIWORD(wParam);
        const RECT* suggested = reinterpret_cast<RECT*>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOut();
        return 0;
    }
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(m_window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, m_tools.paints->faceBrush());
        return 1;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const auto index = static_cast<std::size_t>(item.CtlID - ZIREV1_CONTROL_ID_BASE);
        if (index < WORKING_FORM.controls.size()) {
            drawCaption(item, WORKING_FORM.controls[index], m_captions[index],
                        m_fonts.forControl(WORKING_FORM.controls[index], m_dpi), m_dpi,
                        *m_tools.paints);
        }
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        const bool fromList =
            header.idFrom ==
            static_cast<UINT_PTR>(idOf(indexOf(controlOfRole(WORKING_FORM, Role::Working))));
        if (fromList && header.code == NM_CUSTOMDRAW) {
            return drawWorkingRow(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam),
                                  m_tools.paints->colours().blueInk);
        }
        if (fromList && header.code == LVN_GETINFOTIPW) {
            tipOfRow(*reinterpret_cast<NMLVGETINFOTIPW*>(lParam), m_content.sections);
            return 0;
        }
        break;
    }
    case WM_COMMAND:
        // Escape closes it, as it closes a dialog box.
        if (LOWORD(wParam) == IDCANCEL) {
            ShowWindow(m_window, SW_HIDE);
        }
        if (HIWORD(wParam) == BN_CLICKED &&
            LOWORD(wParam) == idOf(indexOf(controlOfRole(WORKING_FORM, Role::Copy)))) {
            putWorkingOnClipboard(m_window, m_content.sections);
        }
        // Saving as PDF is printing to the system's PDF printer, which the same dialog offers.
        if (HIWORD(wParam) == BN_CLICKED &&
            (LOWORD(wParam) == idOf(indexOf(controlOfRole(WORKING_FORM, Role::Print))) ||
             LOWORD(wParam) == idOf(indexOf(controlOfRole(WORKING_FORM, Role::SavePdf))))) {
            printOrSayWhy(m_window, m_tools.family, m_content.sheet);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

} // namespace zirev1
