// SPDX-License-Identifier: MIT
#include "form2_page.h"

#include "accessible_texts.h"
#include "form2_window.h"
#include "list_view_reader.h"
#include "process_windows.h"
#include "resource_ids.h"
#include "unicode_text.h"
#include "wait_for.h"
#include "wide_text.h"
#include "working_form_description.h"
#include "working_rows.h"

#include <oleacc.h>

#include <cstring>
#include <cwchar>
#include <iterator>
#include <optional>
#include <utility>

namespace zirev1 {
namespace {

struct KeyStroke {
    UINT key;
    BYTE modifier; // 0, VK_SHIFT or VK_CONTROL, held while the key is pressed
};

KeyStroke strokeOf(std::string_view key) {
    if (key == KEY_ENTER) {
        return {VK_RETURN, 0};
    }
    if (key == KEY_SPACE) {
        return {VK_SPACE, 0};
    }
    if (key == KEY_TAB) {
        return {VK_TAB, 0};
    }
    if (key == KEY_SHIFT_TAB) {
        return {VK_TAB, VK_SHIFT};
    }
    if (key == KEY_BACKSPACE) {
        return {VK_BACK, 0};
    }
    if (key == KEY_ESCAPE) {
        return {VK_ESCAPE, 0};
    }
    return {'V', VK_CONTROL};
}

// How long the program may take to answer a message or handle what was posted to it: a program
// that hangs fails the step that waits, rather than holding the test until ctest ends it.
constexpr UINT ANSWER_TIME_MS = 30'000;

// The answer, or nothing when the program gave none in time.
std::optional<LRESULT> ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, ANSWER_TIME_MS,
                            &answer) == 0) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(answer);
}

BOOL CALLBACK collectOwnedBox(HWND window, LPARAM found) {
    auto& boxes = *reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(found);
    wchar_t className[16] = L"";
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (std::wstring_view(className) == L"#32770" && GetWindow(window, GW_OWNER) == boxes.first) {
        boxes.second.push_back(window);
    }
    return TRUE;
}

// The clipboard's data of the format, as bytes; empty when there is none.
std::string clipboardBytes(UINT format) {
    std::string bytes;
    if (!waitFor([] { return OpenClipboard(nullptr); })) {
        return bytes;
    }
    if (HANDLE data = GetClipboardData(format)) {
        const auto* held = static_cast<const char*>(GlobalLock(data));
        if (held != nullptr) {
            bytes.assign(held, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

// Through MSAA, as a screen reader asks: the client object's name or description.
std::string accessibleText(HWND window, bool name) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        accessible == nullptr) {
        return "";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (name) {
        accessible->get_accName(self, &text);
    } else {
        accessible->get_accDescription(self, &text);
    }
    std::string read = text != nullptr ? toUtf8(text) : "";
    SysFreeString(text);
    accessible->Release();
    return read;
}

} // namespace

Form2Page::Form2Page(HWND form) : m_form(form), m_thread(GetWindowThreadProcessId(form, nullptr)) {}

DWORD Form2Page::processId() const {
    DWORD id = 0;
    GetWindowThreadProcessId(m_form, &id);
    return id;
}

HWND Form2Page::working() const {
    for (HWND window : windowsOfClass(processId(), WORKING_WINDOW_CLASS)) {
        if (IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND Form2Page::workingControl(const Control& control) const {
    const auto index = &control - WORKING_FORM.controls.data();
    HWND window = working();
    return window != nullptr ? GetDlgItem(window, ZIREV1_CONTROL_ID_BASE + static_cast<int>(index))
                             : nullptr;
}

HWND Form2Page::control(const Control& control) const {
    const auto index = &control - FORM2.controls.data();
    return GetDlgItem(m_form, ZIREV1_CONTROL_ID_BASE + static_cast<int>(index));
}

HWND Form2Page::target(Target target) const {
    switch (target) {
    case Target::SideA:
        return control(sideField(FORM2, 0));
    case Target::SideB:
        return control(sideField(FORM2, 1));
    case Target::SideC:
        return control(sideField(FORM2, 2));
    case Target::Calculate:
        return control(calculateButton(FORM2));
    case Target::Working:
        return control(controlOfRole(FORM2, Role::OpenWorking));
    case Target::Copy:
        return workingControl(controlOfRole(WORKING_FORM, Role::Copy));
    case Target::None:
        break;
    }
    return nullptr;
}

std::string Form2Page::textOf(HWND window) {
    const auto length = ask(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length.value_or(0)) + 1, L'\0');
    const auto copied = ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied.value_or(0)));
    return toUtf8(text);
}

std::string Form2Page::accessibleDescription(HWND window) {
    std::string description = accessibleText(window, false);
    if (description.empty()) {
        wchar_t property[256] = L"";
        const auto atom =
            static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(window, DESCRIPTION_PROPERTY)));
        if (atom != 0) {
            GlobalGetAtomNameW(atom, property, static_cast<int>(std::size(property)));
        }
        description = toUtf8(property);
    }
    return description;
}

std::string Form2Page::accessibleName(HWND window) {
    return accessibleText(window, true);
}

std::string Form2Page::message() const {
    return textOf(control(controlOfRole(FORM2, Role::Message)));
}

std::vector<std::vector<std::string>> Form2Page::workingRows() const {
    HWND list = workingControl(controlOfRole(WORKING_FORM, Role::Working));
    if (list == nullptr) {
        return {};
    }
    return ListViewReader(list).rows(static_cast<int>(std::size(WORKING_COLUMNS)));
}

std::string Form2Page::clipboardText() const {
    const std::string bytes = clipboardBytes(CF_UNICODETEXT);
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    text.resize(std::wcslen(text.c_str()));
    return toUtf8(text);
}

std::string Form2Page::clipboardHtml() const {
    std::string bytes = clipboardBytes(RegisterClipboardFormatW(L"HTML Format"));
    bytes.resize(std::strlen(bytes.c_str()));
    return bytes;
}

std::vector<std::string> Form2Page::results() const {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < FORM2.resultLabels.size(); ++i) {
        texts.push_back(textOf(control(resultLabel(FORM2, i))));
    }
    return texts;
}

HWND Form2Page::focus() const {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    return GetGUIThreadInfo(m_thread, &gui) ? gui.hwndFocus : nullptr;
}

std::vector<HWND> Form2Page::ownedBoxes() const {
    std::pair<HWND, std::vector<HWND>> found{m_form, {}};
    EnumWindows(collectOwnedBox, reinterpret_cast<LPARAM>(&found));
    return found.second;
}

void Form2Page::setText(HWND field, std::string_view text) const {
    const std::wstring wide = toWide(text);
    heard(ask(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

// The field takes the focus from a click at its right end, as from a user's; the caret then goes
// to the end of what it holds, wherever the click left it.
void Form2Page::type(HWND field, std::string_view text) const {
    RECT area;
    GetClientRect(field, &area);
    const LPARAM end = MAKELPARAM(area.right - 2, area.bottom / 2);
    postAndSettle(field, WM_LBUTTONDOWN, MK_LBUTTON, end);
    postAndSettle(field, WM_LBUTTONUP, 0, end);
    const auto length = static_cast<WPARAM>(heard(ask(field, WM_GETTEXTLENGTH, 0, 0)));
    heard(ask(field, EM_SETSEL, length, static_cast<LPARAM>(length)));
    for (const char16_t unit : toUtf16(text)) {
        PostMessageW(field, WM_CHAR, unit, 1);
    }
    settle();
}

// The key goes down and up on the focused control through the program's message loop, which
// hands it to the dialog manager and makes its character, as a key on the keyboard would; the
// key up goes where the key down has moved the focus.
void Form2Page::press(std::string_view key) const {
    const KeyStroke stroke = strokeOf(key);
    const auto scan = static_cast<LPARAM>(MapVirtualKeyW(stroke.key, MAPVK_VK_TO_VSC)) << 16;
    if (stroke.modifier != 0) {
        setModifier(stroke.modifier, true);
    }
    postAndSettle(focus(), WM_KEYDOWN, stroke.key, 1 | scan);
    postAndSettle(focus(), WM_KEYUP, stroke.key, 1 | scan | static_cast<LPARAM>(0xC0000000));
    if (stroke.modifier != 0) {
        setModifier(stroke.modifier, false);
    }
}

void Form2Page::click(Target button) const {
    PostMessageW(target(button), BM_CLICK, 0, 0);
    settle();
}

void Form2Page::pressOk(HWND box) const {
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    waitFor([&] { return !IsWindow(box); });
    settle();
}

void Form2Page::putOnClipboard(std::string_view text) const {
    const std::wstring wide = toWide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    waitFor([] { return OpenClipboard(nullptr); });
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// A mark posted after everything else: side a's text limit, which no text comes near, one less
// until the program has set it. Twice, since a key handled just before the first mark posts its
// character after it.
void Form2Page::settle() const {
    HWND field = target(Target::SideA);
    for (int round = 0; round < 2 && m_answered; ++round) {
        const auto limit = static_cast<WPARAM>(heard(ask(field, EM_GETLIMITTEXT, 0, 0)));
        PostMessageW(field, EM_SETLIMITTEXT, limit - 1, 0);
        const bool marked = waitFor(
            [&] { return ask(field, EM_GETLIMITTEXT, 0, 0) == static_cast<LRESULT>(limit - 1); },
            ANSWER_TIME_MS);
        m_answered = m_answered && marked;
        heard(ask(field, EM_SETLIMITTEXT, limit, 0));
    }
}

bool Form2Page::answeredAll() {
    return std::exchange(m_answered, true);
}

LRESULT Form2Page::heard(std::optional<LRESULT> answer) const {
    m_answered = m_answered && answer.has_value();
    return answer.value_or(0);
}

void Form2Page::postAndSettle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    PostMessageW(window, message, wParam, lParam);
    settle();
}

// A posted key changes no key's state; the program's thread sees the modifier held through the
// input state it shares with this one while they are attached.
void Form2Page::setModifier(BYTE key, bool down) const {
    AttachThreadInput(GetCurrentThreadId(), m_thread, TRUE);
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE sided = key == VK_SHIFT ? VK_LSHIFT : VK_LCONTROL;
    keys[key] = keys[sided] = down ? 0x80 : 0;
    SetKeyboardState(keys);
    AttachThreadInput(GetCurrentThreadId(), m_thread, FALSE);
}

} // namespace zirev1
