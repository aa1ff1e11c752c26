// SPDX-License-Identifier: MIT
#include "form2_window.h"

#include "calculate_from_texts.h"
#include "fault_box.h"
#include "form2_description.h"
#include "gdiplus_canvas.h"
#include "resource_ids.h"
#include "side_key_filter.h"
#include "unicode_text.h"
#include "wide_text.h"
#include "window_paints.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

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

constexpr wchar_t PICTURE_CLASS[] = L"zirev1.Picture";
// The property that holds a result label's description as a global atom: a fallback for screen
// readers and tests where dynamic annotation is not available.
constexpr wchar_t DESCRIPTION_PROPERTY[] = L"zirev1.AccessibleDescription";

struct Form2State {
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
    std::array<HWND, std::size(FORM2_CONTROLS)> controls{};
    std::array<HWND, std::size(FORM2_SIDE_FIELDS)> nameLabels{};
    std::array<HFONT, std::size(FORM2_CONTROLS)> fonts{}; // each control's, from sizedFonts
    std::vector<std::pair<int, HFONT>> sizedFonts;        // one font a pixel size
    std::array<std::wstring, std::size(FORM2_CONTROLS)> captions;
    WindowPaints paints;
    ULONG_PTR gdiplusToken = 0;
    std::unique_ptr<Gdiplus::PrivateFontCollection> fontCollection;
    std::unique_ptr<Gdiplus::FontFamily> family;
    IAccPropServices* annotations = nullptr;
    HANDLE gdiTypeface = nullptr;
    // While a fault box is open, its modal loop still dispatches clicks posted to Calcolo.
    bool reportingFault = false;
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

int fontPixels(const Control& control, UINT dpi) {
    return static_cast<int>(std::lround(control.font.pointSize * dpi / POINTS_PER_INCH));
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

// The controls' fonts at the window's dpi: one font a pixel size, shared by the controls of
// that size (a font is realized from the typeface once, and the form has six sizes). The old
// fonts go only once no control uses them.
void makeFonts(Form2State& state) {
    std::vector<std::pair<int, HFONT>> sizedFonts;
    for (std::size_t i = 0; i < FORM2.controls.size(); ++i) {
        const int pixels = fontPixels(FORM2.controls[i], state.dpi);
        auto found = std::find_if(sizedFonts.begin(), sizedFonts.end(),
                                  [&](const auto& sized) { return sized.first == pixels; });
        if (found == sizedFonts.end()) {
            sizedFonts.emplace_back(
                pixels, CreateFontW(-pixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                    DEFAULT_PITCH, toWide(STAND_IN_TYPEFACE).c_str()));
            found = std::prev(sizedFonts.end());
        }
        state.fonts[i] = found->second;
        SendMessageW(state.controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(state.fonts[i]),
                     FALSE);
    }
    for (const auto& [pixels, font] : state.sizedFonts) {
        DeleteObject(font);
    }
    state.sizedFonts = std::move(sizedFonts);
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

// The one call into the calculation: invalid sides change nothing, a fault is reported with
// every label left as it was, and no calculation starts until its box is closed.
void Command1_Click(HWND window, Form2State& state) {
    if (state.reportingFault) {
        return;
    }
    const auto side = [&](std::size_t i) {
        return fieldText(state.controls[indexOf(sideField(FORM2, i))]);
    };
    const auto results =
        calculateFromTexts(side(0), side(1), side(2), toUtf8(userDecimalSeparator()));
    if (results.faulted()) {
        reportFault(window, state, results.fault());
        return;
    }
    if (!*results) {
        return;
    }
    bool changed = false;
    for (std::size_t i = 0; i < FORM2.resultLabels.size(); ++i) {
        const std::size_t index = indexOf(resultLabel(FORM2, i));
        std::wstring caption = toWide((*results)->texts[i]);
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

void paintPicture(HWND picture) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(picture, &paint);
    HWND window = GetParent(picture);
    Form2State* state = stateOf(window);
    const auto index = static_cast<std::size_t>(GetDlgCtrlID(picture) - ZIREV1_CONTROL_ID_BASE);
    if (state != nullptr && state->family != nullptr && index < FORM2.controls.size()) {
        Gdiplus::Graphics graphics(dc);
        GdiplusCanvas canvas(graphics, *state->family,
                             static_cast<double>(state->dpi) / USER_DEFAULT_SCREEN_DPI);
        drawInWindowColours(FORM2.controls[index].drawing, canvas, state->paints.colours());
    }
    EndPaint(picture, &paint);
}

LRESULT CALLBACK pictureProc(HWND picture, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paintPicture(picture);
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND: {
        // An opaque picture fills its ground with the face colour; a transparent one leaves it.
        const Form2State* state = stateOf(GetParent(picture));
        if (state != nullptr &&
            (GetWindowLongPtrW(picture, GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0) {
            RECT area;
            GetClientRect(picture, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, state->paints.faceBrush());
        }
        return 1;
    }
    default:
        return DefWindowProcW(picture, message, wParam, lParam);
    }
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
        // An opaque picture does not paint over the pictures stacked above it; a transparent one
        // is painted after what lies under it.
        return CreateWindowExW(control.opaque ? 0 : WS_EX_TRANSPARENT, PICTURE_CLASS,
                               toWide(control.accessibleName).c_str(),
                               WS_CHILD | WS_VISIBLE | (control.opaque ? WS_CLIPSIBLINGS : 0), 0, 0,
                               0, 0, window, id, instance, nullptr);
    }
    return nullptr;
}

// The fields' names and the results' descriptions for screen readers, by dynamic annotation
// where the system has it, and as a window property that any process can read.
void annotate(Form2State& state) {
    // Without the annotation service (Windows before XP, a stripped Wine), the property remains.
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices,
                                reinterpret_cast<void**>(&state.annotations)))) {
        state.annotations = nullptr;
    }
    for (std::size_t i = 0; i < FORM2.controls.size(); ++i) {
        const Control& control = FORM2.controls[i];
        const bool named = control.kind == ControlKind::Field;
        if (!named && !control.isResult()) {
            continue;
        }
        std::wstring text = toWide(named ? control.accessibleName : control.accessibleDescription);
        if (state.annotations != nullptr) {
            state.annotations->SetHwndPropStr(
                state.controls[i], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                named ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION, text.c_str());
        }
        if (!named) {
            SetPropW(state.controls[i], DESCRIPTION_PROPERTY,
                     reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomW(text.c_str()))));
        }
    }
}

// The Win32 dialog manager moves the focus through the stacking, top first; so the focusable
// controls go in at the first of them in Tab order. They do not overlap one another, so every
// overlap is stacked as the form describes it.
void createControls(HWND window, Form2State& state) {
    bool focusablePlaced = false;
    for (std::size_t i = FORM2.controls.size(); i-- > 0;) {
        if (FORM2.controls[i].tabIndex > 0) {
            if (!focusablePlaced) {
                for (const Control* control : tabOrder(FORM2)) {
                    const std::size_t index = indexOf(*control);
                    state.controls[index] = createControl(window, state, index);
                }
                focusablePlaced = true;
            }
            continue;
        }
        state.controls[i] = createControl(window, state, i);
    }
}

void onCreate(HWND window, Form2State& state) {
    state.dpi = GetDpiForWindow(window);
    createControls(window, state);
    layOut(window, state);
}

// A label's caption at the advances of the typeface's own metrics, as every front end places it,
// rather than at the hinted advances GDI rounds each glyph to.
void drawLabel(const Form2State& state, const DRAWITEMSTRUCT& item) {
    const auto index = static_cast<std::size_t>(item.CtlID - ZIREV1_CONTROL_ID_BASE);
    if (index >= FORM2.controls.size()) {
        return;
    }
    const Control& control = FORM2.controls[index];
    FillRect(item.hDC, &item.rcItem, state.paints.faceBrush());
    const std::wstring& caption = state.captions[index];
    const std::u16string units(caption.begin(), caption.end());
    const double scale =
        static_cast<double>(fontPixels(control, state.dpi)) / STAND_IN_FONT.unitsPerEm;
    // A character of two units advances the pen at its first; the second adds nothing.
    std::vector<INT> advances(caption.size(), 0);
    double pen = 0;
    int placed = 0;
    for (std::size_t at = 0; at < units.size();) {
        const std::size_t first = at;
        pen += advanceOf(nextCodePoint(std::u16string_view(units), at)) * scale;
        advances[first] = static_cast<INT>(std::lround(pen)) - placed;
        placed += advances[first];
    }
    HGDIOBJ previous = SelectObject(item.hDC, state.fonts[index]);
    const WindowColours& colours = state.paints.colours();
    SetTextColor(item.hDC, control.ink == Ink::Blue ? colours.blueInk : colours.text);
    SetBkMode(item.hDC, TRANSPARENT);
    ExtTextOutW(item.hDC, item.rcItem.left, item.rcItem.top, ETO_CLIPPED, &item.rcItem,
                caption.c_str(), static_cast<UINT>(caption.size()), advances.data());
    SelectObject(item.hDC, previous);
}

void onDestroy(Form2State& state) {
    for (HWND control : state.controls) {
        if (HANDLE atom = RemovePropW(control, DESCRIPTION_PROPERTY)) {
            GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<UINT_PTR>(atom)));
        }
    }
    if (state.annotations != nullptr) {
        state.annotations->Release();
    }
    for (const auto& [pixels, font] : state.sizedFonts) {
        DeleteObject(font);
    }
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
    case WM_DRAWITEM:
        drawLabel(*state, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLOREDIT:
        SetBkColor(reinterpret_cast<HDC>(wParam), state->paints.colours().fieldGround);
        SetTextColor(reinterpret_cast<HDC>(wParam), state->paints.colours().text);
        return reinterpret_cast<LRESULT>(state->paints.fieldBrush());
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        state->paints.follow(window);
        return 0;
    case WM_COMMAND:
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
    state.fontCollection = std::make_unique<Gdiplus::PrivateFontCollection>();
    state.fontCollection->AddMemoryFont(typeface.data(), static_cast<INT>(typeface.size()));
    state.family = std::make_unique<Gdiplus::FontFamily>(toWide(STAND_IN_TYPEFACE).c_str(),
                                                         state.fontCollection.get());
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
    WNDCLASSEXW pictureClass{};
    pictureClass.cbSize = sizeof pictureClass;
    pictureClass.lpfnWndProc = pictureProc;
    pictureClass.hInstance = instance;
    pictureClass.lpszClassName = PICTURE_CLASS;
    if (RegisterClassExW(&formClass) == 0 || RegisterClassExW(&pictureClass) == 0) {
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
        if (isEnter(message) || !IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    state.family.reset();
    state.fontCollection.reset();
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
