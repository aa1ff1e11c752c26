// SPDX-License-Identifier: MIT
#include "form2_window.h"

#include "accessible_texts.h"
#include "calculate_for_window.h"
#include "caption_drawing.h"
#include "control_fonts.h"
#include "creation_order.h"
#include "fault_box.h"
#include "focus_memory.h"
#include "form2_description.h"
#include "input_report.h"
#include "live_announcer.h"
#include "picture_control.h"
#include "picture_typeface.h"
#include "print_sheet.h"
#include "resource_ids.h"
#include "side_key_filter.h"
#include "spoken_results.h"
#include "unicode_text.h"
#include "wide_text.h"
#include "window_paints.h"
#include "working_window.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zirev1 {
namespace {

struct Form2State {
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
    std::array<HWND, std::size(FORM2_CONTROLS)> controls{};
    std::array<HWND, std::size(FORM2_SIDE_FIELDS)> nameLabels{};
    std::array<HFONT, std::size(FORM2_CONTROLS)> fonts{}; // each control's, from sizedFonts
    SizedFonts sizedFonts;
    std::array<std::wstring, std::size(FORM2_CONTROLS)> captions;
    std::array<PictureContent, std::size(FORM2_CONTROLS)> pictures{}; // each picture's
    PictureTools pictureTools;
    WindowPaints paints;
    ULONG_PTR gdiplusToken = 0;
    std::unique_ptr<PictureTypeface> typeface;
    IAccPropServices* annotations = nullptr;
    HANDLE gdiTypeface = nullptr;
    HWND announcer = nullptr;
    SpokenResults spoken = spokenResults(FORM2);
    HWND focus = nullptr; // kept while another window is active
    // While a fault box is open, its modal loop still dispatches clicks posted to Calcolo.
    bool reportingFault = false;
    // Made when Svolgimento is first pressed; the content it shows is kept here before then.
    WorkingContent working;
    std::unique_ptr<WorkingWindow> workingWindow;
};

Form2State* stateOf(HWND window) {
    return reinterpret_cast<Form2State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int scaled(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), TWIPS_PER_INCH);
}

std::size_t indexOf(const Control& control) {
    return static_cast<std::size_t>(&control - FORM2.controls.data());
}

// The user's decimal separator, read at every keystroke and every calculation.
std::wstring userDecimalSeparator() {
    wchar_t separator[8] = L".";
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                        static_cast<int>(std::size(separator))) == 0) {
        return L".";
    }
    return separator;
}

// Every control's place at the window's dpi, autosized labels at their caption's size, moved
// in one batch so that the window is laid out once rather than once a control.
void placeControls(HWND window, Form2State& state) {
    HDWP batch = BeginDeferWindowPos(static_cast<int>(FORM2.controls.size()));
    for (std::size_t i = 0; i < FORM2.controls.size() && batch != nullptr; ++i) {
        const Control& control = FORM2.controls[i];
        TwipsRect place = control.place;
        if (control.autoSize) {
            const TwipsSize size = captionSize(toUtf8(state.captions[i]), control.font);
            place.width = size.width;
            place.height = size.height;
        }
        batch = DeferWindowPos(batch, state.controls[i], nullptr, scaled(place.left, state.dpi),
                               scaled(place.top, state.dpi), scaled(place.width, state.dpi),
                               scaled(place.height, state.dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch != nullptr) {
        EndDeferWindowPos(batch);
    }
    InvalidateRect(window, nullptr, TRUE);
}

// The controls' fonts at the window's dpi; the old fonts go only once no control uses them.
void makeFonts(Form2State& state) {
    SizedFonts fonts;
    for (std::size_t i = 0; i < FORM2.controls.size(); ++i) {
        state.fonts[i] = fonts.forControl(FORM2.controls[i], state.dpi);
        SendMessageW(state.controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(state.fonts[i]),
                     FALSE);
    }
    state.sizedFonts = std::move(fonts);
}

void layOut(HWND window, Form2State& state) {
    makeFonts(state);
    placeControls(window, state);
}

// The fault box's button says FAULT_BOX_BUTTON in every language, where the system's box would
// say its own word (Wine's Italian says "Ok").
LRESULT CALLBACK captionFaultBoxButton(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND activated = reinterpret_cast<HWND>(wParam);
        wchar_t className[8] = L"";
        GetClassNameW(activated, className, static_cast<int>(std::size(className)));
        if (std::wstring_view(className) == L"#32770") {
            SetDlgItemTextW(activated, IDOK, toWide(FAULT_BOX_BUTTON).c_str());
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void reportFault(HWND window, Form2State& state, FaultKind fault) {
    const std::wstring text = toWide(faultName(fault)) + L"\n\n" + toWide(faultExplanation(fault));
    state.reportingFault = true;
    HHOOK captioning =
        SetWindowsHookExW(WH_CBT, captionFaultBoxButton, nullptr, GetCurrentThreadId());
    MessageBoxW(window, text.c_str(), toWide(FAULT_BOX_TITLE).c_str(), MB_OK | MB_ICONERROR);
    if (captioning != nullptr) {
        UnhookWindowsHookEx(captioning);
    }
    state.reportingFault = false;
}

std::string fieldText(HWND field) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
    return toUtf8(text);
}

std::size_t indexOfRole(Role role) {
    return indexOf(controlOfRole(FORM2, role));
}

void setCaption(HWND window, Form2State& state, std::size_t index, std::wstring caption) {
    if (caption == state.captions[index]) {
        return;
    }
    state.captions[index] = std::move(caption);
    SetWindowTextW(state.controls[index], state.captions[index].c_str());
    InvalidateRect(state.controls[index], nullptr, FALSE);
    // An autosized label takes its new text's size.
    if (FORM2.controls[index].autoSize) {
        placeControls(window, state);
    }
}

// What the sides said: the message in its box, which screen readers find by its name and read as
// its value, and the validity condition that failed, marked in the picture of them and named in
// its description.
void sayAboutTheSides(HWND window, Form2State& state, const std::wstring& message,
                      std::optional<std::size_t> marked) {
    const std::size_t label = indexOfRole(Role::Message);
    setCaption(window, state, label, message);
    if (state.annotations != nullptr) {
        state.annotations->SetHwndPropStr(state.controls[label], static_cast<DWORD>(OBJID_CLIENT),
                                          CHILDID_SELF, PROPID_ACC_VALUE, message.c_str());
    }
    for (std::size_t i = 0; i < FORM2.controls.size(); ++i) {
        if (FORM2.controls[i].drawing == Drawing::ValidityConditions &&
            state.pictures[i].input.markedCondition != marked) {
            state.pictures[i].input.markedCondition = marked;
            describeForScreenReaders(state.annotations, state.controls[i],
                                     toWide(unmetConditionText(marked)));
            InvalidateRect(state.controls[i], nullptr, TRUE);
        }
    }
}

std::wstring joinedBySpace(std::string first, std::string_view second) {
    if (!first.empty() && !second.empty()) {
        first += ' ';
    }
    first += second;
    return toWide(first);
}

// The one call into the calculation: invalid sides change no result, a fault is reported with
// every result left as it was and the message cleared, and no calculation starts until its box
// is closed. After each calculation a screen reader is told the results and the message once.
void Command1_Click(HWND window, Form2State& state) {
    if (state.reportingFault) {
        return;
    }
    const auto side = [&](std::size_t i) {
        return fieldText(state.controls[indexOf(sideField(FORM2, i))]);
    };
    const std::string separator = toUtf8(userDecimalSeparator());
    const auto calculation = calculateForWindow(side(0), side(1), side(2), separator);
    if (calculation.faulted()) {
        sayAboutTheSides(window, state, L"", std::nullopt);
        reportFault(window, state, calculation.fault());
        return;
    }
    const InputReport& report = calculation->report;
    const std::wstring message =
        joinedBySpace(problemMessage(report, separator), partialReadingNotice(report, separator));
    sayAboutTheSides(window, state, message, markedCondition(report));
    std::string sentence;
    if (const auto& results = calculation->results) {
        bool changed = false;
        for (std::size_t i = 0; i < FORM2.resultLabels.size(); ++i) {
            const std::size_t index = indexOf(resultLabel(FORM2, i));
            std::wstring caption = toWide(results->texts[i]);
            if (caption != state.captions[index]) {
                state.captions[index] = std::move(caption);
                SetWindowTextW(state.controls[index], state.captions[index].c_str());
                changed = true;
            }
        }
        // The labels size themselves to their texts; the same texts again need no new layout.
        if (changed) {
            placeControls(window, state);
        }
        sentence = state.spoken.sentence(results->texts);
        SYSTEMTIME today;
        GetLocalTime(&today);
        state.working = {workingSections(*calculation, separator), calculation->sides,
                         PrintSheet{{side(0), side(1), side(2)},
                                    *calculation,
                                    italianDate(today.wDay, today.wMonth, today.wYear),
                                    separator}};
        if (state.workingWindow != nullptr) {
            state.workingWindow->follow();
        }
    }
    const std::wstring said = joinedBySpace(sentence, toUtf8(message));
    if (!said.empty()) {
        announce(state.announcer, said);
    }
}

// Svolgimento opens the working, or brings it forward; it is made the first time only.
void Command2_Click(HWND window, Form2State& state) {
    if (state.workingWindow == nullptr || state.workingWindow->window() == nullptr) {
        state.workingWindow = std::make_unique<WorkingWindow>(
            window, state.working, state.pictureTools, state.annotations);
    }
    state.workingWindow->open();
}

// Each character typed into a side field passes the shared rule before the field sees it; a
// paste arrives as WM_PASTE and is not filtered. A character an input method sends as
// WM_UNICHAR goes through the rule as the WM_CHAR of each of its UTF-16 units.
LRESULT CALLBACK sideFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    if (message == WM_UNICHAR) {
        if (wParam == UNICODE_NOCHAR) {
            return TRUE;
        }
        if (wParam <= 0x10FFFF) {
            std::u16string units;
            appendUtf16(units, static_cast<char32_t>(wParam));
            for (const char16_t unit : units) {
                SendMessageW(field, WM_CHAR, unit, lParam);
            }
        }
        return FALSE;
    }
    if (message == WM_CHAR) {
        auto keyAscii = static_cast<std::int16_t>(wParam);
        filterSideKey(keyAscii, userDecimalSeparator() == L"," ? DecimalSeparator::Comma
                                                               : DecimalSeparator::Point);
        if (keyAscii == 0) {
            return 0;
        }
        wParam = static_cast<WPARAM>(static_cast<std::uint16_t>(keyAscii));
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

HWND createControl(HWND window, Form2State& state, std::size_t index) {
    const Control& control = FORM2.controls[index];
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(ZIREV1_CONTROL_ID_BASE + index));
    state.captions[index] = toWide(control.caption);
    const wchar_t* caption = state.captions[index].c_str();
    switch (control.kind) {
    case ControlKind::Label:
        // Drawn by the form, glyph by glyph, so that a caption fits its autosized width.
        return CreateWindowExW(0, L"STATIC", caption, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, 0, 0, 0,
                               0, window, id, instance, nullptr);
    case ControlKind::Field: {
        // The label just before a field in the stacking names it for screen readers.
        const auto side = static_cast<std::size_t>(
            std::find(FORM2.sideFields.begin(), FORM2.sideFields.end(), control.name) -
            FORM2.sideFields.begin());
        state.nameLabels[side] = CreateWindowExW(
            0, L"STATIC", toWide(control.accessibleName).c_str(), WS_CHILD | SS_LEFT, 0, 0, 0, 0,
            window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ZIREV1_NAME_LABEL_ID_BASE + side)),
            instance, nullptr);
        HWND field = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0,
                                     0, window, id, instance, nullptr);
        // No limit: a paste is never cut short.
        SendMessageW(field, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
        SetWindowSubclass(field, sideFieldProc, 1, 0);
        return field;
    }
    case ControlKind::Button:
        return CreateWindowExW(0, L"BUTTON", caption,
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
                               window, id, instance, nullptr);
    case ControlKind::Picture:
        state.pictures[index] = {control.drawing, {}, &state.pictureTools};
        return createPicture(window, static_cast<int>(ZIREV1_CONTROL_ID_BASE + index), control,
                             state.pictures[index]);
    case ControlKind::Table:
        break;
    }
    return nullptr;
}

// The fields' and the message's names and the results' descriptions for screen readers, and
// the announcer's live region, by dynamic annotation where the system has it; the descriptions
// also as a window property that any process can read.
void annotate(Form2State& state) {
    state.annotations = annotationService();
    for (std::size_t i = 0; i < FORM2.controls.size(); ++i) {
        const Control& control = FORM2.controls[i];
        if (control.kind == ControlKind::Field || control.role == Role::Message) {
            nameForScreenReaders(state.annotations, state.controls[i],
                                 toWide(control.accessibleName));
        } else if (control.isResult()) {
            describeForScreenReaders(state.annotations, state.controls[i],
                                     toWide(control.accessibleDescription));
        }
    }
    makePoliteLiveRegion(state.annotations, state.announcer);
}

// Made in the order that gives the dialog manager the form's Tab order and keeps its stacking.
void createControls(HWND window, Form2State& state) {
    for (const std::size_t i : creationOrder(FORM2)) {
        state.controls[i] = createControl(window, state, i);
    }
    state.announcer = createAnnouncer(window, ZIREV1_ANNOUNCER_ID);
}

void onCreate(HWND window, Form2State& state) {
    state.dpi = GetDpiForWindow(window);
    state.pictureTools.paints = &state.paints;
    createControls(window, state);
    layOut(window, state);
}

void onDestroy(Form2State& state) {
    for (HWND control : state.controls) {
        forgetDescription(control);
    }
    state.workingWindow.reset();
    if (state.annotations != nullptr) {
        state.annotations->Release();
        state.annotations = nullptr;
    }
    state.sizedFonts = SizedFonts();
    PostQuitMessage(0);
}

LRESULT CALLBACK form2Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    // Some messages (WM_GETMINMAXINFO) come before WM_NCCREATE, when there is no state yet.
    Form2State* state = stateOf(window);
    if (state == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        onCreate(window, *state);
        return 0;
    case WM_DPICHANGED: {
        state->dpi = HIWORD(wParam);
        const RECT* suggested = reinterpret_cast<RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOut(window, *state);
        return 0;
    }
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, state->paints.faceBrush());
        return 1;
    }
    case WM_ACTIVATE:
        if (keepFocusAcrossActivation(window, wParam, state->focus)) {
            return 0;
        }
        break;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const auto index = static_cast<std::size_t>(item.CtlID - ZIREV1_CONTROL_ID_BASE);
        if (index < FORM2.controls.size()) {
            drawCaption(item, FORM2.controls[index], state->captions[index], state->fonts[index],
                        state->dpi, state->paints);
        }
        return TRUE;
    }
    case WM_CTLCOLOREDIT:
        SetBkColor(reinterpret_cast<HDC>(wParam), state->paints.colours().fieldGround);
        SetTextColor(reinterpret_cast<HDC>(wParam), state->paints.colours().text);
        return reinterpret_cast<LRESULT>(state->paints.fieldBrush());
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        state->paints.follow(window);
        // The working draws in this window's colours too.
        if (state->workingWindow != nullptr && state->workingWindow->window() != nullptr) {
            RedrawWindow(state->workingWindow->window(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED &&
            LOWORD(wParam) == ZIREV1_CONTROL_ID_BASE + indexOfRole(Role::OpenWorking)) {
            Command2_Click(window, *state);
        }
        if (HIWORD(wParam) == BN_CLICKED &&
            LOWORD(wParam) == ZIREV1_CONTROL_ID_BASE + indexOf(calculateButton(FORM2))) {
            Command1_Click(window, *state);
            // A transparent picture shows the results under it again.
            for (std::size_t i = 0; i < FORM2.controls.size(); ++i) {
                if (!FORM2.controls[i].opaque) {
                    InvalidateRect(state->controls[i], nullptr, FALSE);
                }
            }
        }
        return 0;
    case WM_DESTROY:
        onDestroy(*state);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The stand-in typeface from the program's own resources, for GDI and private to this process;
// its bytes, for GDI+ too. Empty where the resource is missing.
std::span<const std::byte> loadStandInFont(HINSTANCE instance, Form2State& state) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(ZIREV1_STAND_IN_FONT_DATA), RT_RCDATA);
    if (found == nullptr) {
        return {};
    }
    const auto* data = static_cast<const std::byte*>(LockResource(LoadResource(instance, found)));
    const DWORD size = SizeofResource(instance, found);
    DWORD installed = 0;
    // Where GDI refuses the typeface (null), the fonts asked for by its name are the nearest GDI
    // has: the controls show another sans, placed as if it were this one. GDI+, which draws the
    // pictures, loads it on its own.
    state.gdiTypeface =
        AddFontMemResourceEx(const_cast<std::byte*>(data), size, nullptr, &installed);
    return {data, size};
}

// The same typeface for GDI+, which draws the pictures.
void loadPictureTypeface(Form2State& state, std::span<const std::byte> typeface) {
    if (typeface.empty()) {
        return;
    }
    state.typeface = std::make_unique<PictureTypeface>(typeface);
    state.pictureTools.family = &state.typeface->family();
}

// The window cannot be made: said in a box of its own, since there is no window to say it in.
int failToStart() {
    MessageBoxW(nullptr, L"La finestra non si può aprire.", toWide(FORM2.title).c_str(),
                MB_OK | MB_ICONERROR);
    return 1;
}

// Enter does nothing in this window, while the dialog manager would press the focused button.
bool isEnter(const MSG& message) {
    return (message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
            message.message == WM_CHAR) &&
           (message.wParam == VK_RETURN);
}

} // namespace

int runForm2(HINSTANCE instance, int show) {
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    Form2State state;
    const std::span<const std::byte> typeface = loadStandInFont(instance, state);

    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(ZIREV1_ICON));
    WNDCLASSEXW formClass{};
    formClass.cbSize = sizeof formClass;
    formClass.lpfnWndProc = form2Proc;
    formClass.hInstance = instance;
    formClass.hIcon = icon;
    formClass.hIconSm = icon;
    formClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    formClass.lpszClassName = FORM2_WINDOW_CLASS;
    if (RegisterClassExW(&formClass) == 0 || !registerPictureClass(instance)) {
        return failToStart();
    }

    // The restored size; the window opens maximized to show every control.
    const UINT dpi = GetDpiForSystem();
    RECT frame{0, 0, scaled(FORM2.restoredClientSize.width, dpi),
               scaled(FORM2.restoredClientSize.height, dpi)};
    // Children are not clipped out: a transparent picture shows the window's ground under it.
    const DWORD style = WS_OVERLAPPEDWINDOW;
    AdjustWindowRectExForDpi(&frame, style, FALSE, WS_EX_CONTROLPARENT, dpi);
    HWND window =
        CreateWindowExW(WS_EX_CONTROLPARENT, FORM2_WINDOW_CLASS, toWide(FORM2.title).c_str(), style,
                        CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, &state);
    if (window == nullptr) {
        return failToStart();
    }
    ShowWindow(window, show == SW_SHOWMINNOACTIVE || show == SW_MINIMIZE ? show : SW_MAXIMIZE);
    SetFocus(state.controls[indexOf(calculateButton(FORM2))]);
    // What showing the window does not need waits until it is shown; it is all in place before
    // the first message is handled, so before a picture is painted or a screen reader asks.
    const Gdiplus::GdiplusStartupInput startup;
    Gdiplus::GdiplusStartup(&state.gdiplusToken, &startup, nullptr);
    loadPictureTypeface(state, typeface);
    annotate(state);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (isEnter(message) && message.message != WM_CHAR) {
            continue;
        }
        // Tab moves through the window the message is for: Form2 or the working.
        if (isEnter(message) || !IsDialogMessageW(GetAncestor(message.hwnd, GA_ROOT), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    state.pictureTools.family = nullptr;
    state.typeface.reset();
    Gdiplus::GdiplusShutdown(state.gdiplusToken);
    if (state.gdiTypeface != nullptr) {
        RemoveFontMemResourceEx(state.gdiTypeface);
    }
    if (com) {
        CoUninitialize();
    }
    return static_cast<int>(message.wParam);
}

} // namespace zirev1
