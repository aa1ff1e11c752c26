// SPDX-License-Identifier: MIT
// Drives a running zirev1.exe from outside, by window messages alone, and checks what it shows:
// the results of worked triangles, invalid sides, both faults, the keystroke rule, Enter, the Tab
// order, every control's place, caption and stacking.
// With --hostile: a 10 MB paste calculated, then 10,000 clicks, within a stated memory bound.
//   zirev1_window_messages_test DPI | --hostile | --read-results | --close
#include "calculate_from_texts.h"
#include "fault_box.h"
#include "form2_description.h"
#include "form2_window.h"
#include "resource_ids.h"
#include "text_metrics.h"
#include "wide_text.h"

#include <windows.h>

#include <oleacc.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace zirev1;

int failures = 0;

void check(bool ok, const std::string& what) {
    if (!ok) {
        ++failures;
        std::printf("FAIL: %s\n", what.c_str());
    }
}

// Polls, without a deadline of its own: ctest's timeout ends a test that waits for ever.
template <typename Found> auto waitFor(Found found) {
    for (;;) {
        if (auto result = found()) {
            return result;
        }
        Sleep(20);
    }
}

HWND form = nullptr;
std::string userSeparator = ".";

HWND control(std::string_view name) {
    return GetDlgItem(form, ZIREV1_CONTROL_ID_BASE + static_cast<int>(controlIndex(FORM2, name)));
}

std::string textOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return toUtf8(text);
}

void setText(std::string_view name, std::string_view text) {
    const std::wstring wide = toWide(text);
    SendMessageW(control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void setSides(std::string_view a, std::string_view b, std::string_view c) {
    setText("Text1", a);
    setText("Text2", b);
    setText("Text4", c);
}

void click() {
    SendMessageW(control("Command1"), BM_CLICK, 0, 0);
}

std::string results() {
    std::string shown;
    for (const std::string_view label : FORM2.resultLabels) {
        shown += textOf(control(label)) + "|";
    }
    return shown;
}

void checkWorkedTriangle(std::string_view a, std::string_view b, std::string_view c) {
    setSides(a, b, c);
    click();
    const auto expected = calculateFromTexts(a, b, c, userSeparator);
    std::string texts;
    for (const std::string& text : (*expected)->texts) {
        texts += text + "|";
    }
    check(results() == texts, "results of " + std::string(a) + " " + std::string(b) + " " +
                                  std::string(c) + ": " + results() + " wanted " + texts);
}

// The fault box is modal inside the click: the click is posted, the box found, read and closed.
void checkFault(FaultKind fault, std::string_view side) {
    const std::string before = results();
    setSides(side, side, side);
    PostMessageW(control("Command1"), BM_CLICK, 0, 0);
    const std::wstring title = toWide(FAULT_BOX_TITLE);
    HWND box = waitFor([&] {
        HWND found = FindWindowW(L"#32770", title.c_str());
        return found != nullptr && GetWindow(found, GW_OWNER) == form ? found : nullptr;
    });
    const std::string text = textOf(GetDlgItem(box, 0xFFFF));
    check(text.find(faultName(fault)) == 0,
          "fault box names " + std::string(faultName(fault)) + ": " + text);
    check(text.find(faultExplanation(fault)) != std::string::npos, "fault box explains: " + text);
    SendMessageW(box, WM_COMMAND, IDOK, 0);
    waitFor([&] { return !IsWindow(box); });
    check(results() == before, "a fault leaves the results");
    check(IsWindow(form) != FALSE, "the window goes on after a fault");
}

void typeInto(std::string_view name, std::u16string_view keys) {
    for (const char16_t key : keys) {
        SendMessageW(control(name), WM_CHAR, key, 1);
    }
}

void checkKeys(bool commaLocale) {
    setText("Text1", "");
    typeInto("Text1", u"1x2,5e-\r");
    check(textOf(control("Text1")) == (commaLocale ? "12.5-" : "125-"),
          "the keystroke rule: " + textOf(control("Text1")));
    typeInto("Text1", u"\b");
    check(textOf(control("Text1")) == (commaLocale ? "12.5" : "125"), "backspace passes");
}

// Enter changes nothing, wherever the focus is; Space on Calcolo calculates.
void checkEnterAndSpace() {
    setSides("3", "4", "5");
    click();
    setSides("5", "5", "5");
    const std::string before = results();
    HWND button = control("Command1");
    SendMessageW(button, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(button, WM_KEYUP, VK_RETURN, 0);
    check(results() == before, "Enter on Calcolo does nothing");
    SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(button, WM_KEYUP, VK_SPACE, 0);
    check(results() != before, "Space on Calcolo calculates");
}

// What a screen reader reads through MSAA: the fields' names, and the results' descriptions by
// dynamic annotation where it works, else from the window property every process can read.
void checkAccessibleTexts() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (const Control& c : FORM2.controls) {
        if (c.kind != ControlKind::Field && !c.isResult()) {
            continue;
        }
        IAccessible* accessible = nullptr;
        const HRESULT found = AccessibleObjectFromWindow(
            control(c.name), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
            reinterpret_cast<void**>(&accessible));
        check(accessible != nullptr,
              std::string(c.name) + " has an accessible object: " + std::to_string(found));
        if (accessible == nullptr) {
            continue;
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        if (c.kind == ControlKind::Field) {
            accessible->get_accName(self, &text);
            const std::string name = text != nullptr ? toUtf8(text) : "";
            check(name == c.accessibleName, std::string(c.name) + " is named \"" + name + "\"");
        } else {
            accessible->get_accDescription(self, &text);
            std::string description = text != nullptr ? toUtf8(text) : "";
            if (description.empty()) {
                wchar_t property[256] = L"";
                const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(
                    GetPropW(control(c.name), L"zirev1.AccessibleDescription")));
                GlobalGetAtomNameW(atom, property, static_cast<int>(std::size(property)));
                description = toUtf8(property);
            }
            check(description == c.accessibleDescription,
                  std::string(c.name) + " is described as \"" + description + "\"");
        }
        SysFreeString(text);
        accessible->Release();
    }
    CoUninitialize();
}

// The fields show the typeface the program carries, not one Wine or Windows puts in its place:
// a row of digits in a field is as wide as the typeface's advances make it. Each advance is
// rounded to a whole pixel; another bold sans (Tahoma, Wine's own) is 8 % narrower.
void checkCarriedTypeface(int dpi) {
    const std::string digits(20, '0');
    setText("Text1", digits);
    const auto x = [](WPARAM index) {
        return static_cast<short>(LOWORD(SendMessageW(control("Text1"), EM_POSFROMCHAR, index, 0)));
    };
    const int shown = x(digits.size() - 1) - x(0);
    const Control& field = FORM2.controls[controlIndex(FORM2, "Text1")];
    const double pixels = std::lround(field.font.pointSize * dpi / POINTS_PER_INCH);
    const double wanted = textWidth(digits.substr(1), pixels);
    check(std::abs(shown - wanted) <= 0.5 * static_cast<double>(digits.size() - 1) + 1,
          "19 digits in a field are " + std::to_string(shown) + " px wide, wanted " +
              std::to_string(wanted) + " in the carried typeface");
    setText("Text1", "");
}

// The dialog manager's Tab order, read as it walks it.
void checkTabOrder() {
    HWND at = control("Command1");
    for (const Control* expected : tabOrder(FORM2)) {
        check(at == control(expected->name), "Tab reaches " + std::string(expected->name));
        at = GetNextDlgTabItem(form, at, FALSE);
    }
    check(at == control("Command1"), "Tab comes back to Calcolo");
}

void checkConformance(int dpi) {
    check(static_cast<int>(GetDpiForWindow(form)) == dpi,
          "the window's dpi is " + std::to_string(dpi));
    int zOrder[std::size(FORM2_CONTROLS)] = {};
    int position = 0;
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const int index = GetDlgCtrlID(child) - ZIREV1_CONTROL_ID_BASE;
        if (index >= 0 && index < static_cast<int>(FORM2.controls.size())) {
            zOrder[index] = ++position; // 1 is the top
        }
    }
    check(position == static_cast<int>(FORM2.controls.size()), "one window per control");
    for (std::size_t i = 0; i < FORM2.controls.size(); ++i) {
        const Control& c = FORM2.controls[i];
        const std::string name(c.name);
        HWND window = control(c.name);
        const std::string caption = textOf(window);
        TwipsRect place = c.place;
        if (c.autoSize) {
            const TwipsSize size = captionSize(caption, c.font);
            place.width = size.width;
            place.height = size.height;
        }
        RECT r;
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
        const auto px = [dpi](int twips) { return MulDiv(twips, dpi, TWIPS_PER_INCH); };
        check(r.left == px(place.left) && r.top == px(place.top) &&
                  r.right - r.left == px(place.width) && r.bottom - r.top == px(place.height),
              name + " placed at " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                  std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top));
        if (c.kind != ControlKind::Field && !c.isResult()) {
            const std::string wanted(c.kind == ControlKind::Picture ? c.accessibleName : c.caption);
            check(caption == wanted, name + " says " + caption);
        }
        for (std::size_t j = i + 1; j < FORM2.controls.size(); ++j) {
            if (FORM2.controls[j].place.intersects(c.place)) {
                check(zOrder[j] < zOrder[i],
                      std::string(FORM2.controls[j].name) + " lies above " + name);
            }
        }
    }
}

// The window's process: its commit charge, the private memory it holds, in bytes.
std::size_t commitChargeOfTheWindow() {
    DWORD id = 0;
    GetWindowThreadProcessId(form, &id);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    const BOOL read = K32GetProcessMemoryInfo(
        process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    CloseHandle(process);
    check(read != FALSE, "the window's memory can be read");
    check(counters.PagefileUsage > 0, "the window's commit charge is known");
    return counters.PagefileUsage;
}

// Through the clipboard and WM_PASTE, as a user's Ctrl+V arrives.
void pasteInto(std::string_view name, const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    waitFor([] { return OpenClipboard(nullptr); });
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(control(name), WM_PASTE, 0, 0);
}

constexpr std::size_t MiB = 1024 * 1024;

// The bounds: a paste costs the window at most 32 bytes a character while it is in the field (the
// field's buffer and its layout of the line, and the copies the calculation reads; Wine's EDIT
// takes about 22), and clicking on costs nothing that stays.
void checkHostileInput() {
    setSides("", "40", "30");
    // The blanks are skipped, so only the whole text makes 50, and 50, 40, 30 a triangle.
    const std::string huge = "5" + std::string(10'000'000 - 2, ' ') + "0";
    const std::size_t before = commitChargeOfTheWindow();
    const auto start = GetTickCount64();
    pasteInto("Text1", toWide(huge));
    std::printf("10 MB paste: %llu ms\n", GetTickCount64() - start);
    check(SendMessageW(control("Text1"), WM_GETTEXTLENGTH, 0, 0) ==
              static_cast<LRESULT>(huge.size()),
          "the 10 MB paste arrives whole");
    click();
    const auto expected = calculateFromTexts(huge, "40", "30", userSeparator);
    std::string texts;
    for (const std::string& text : (*expected)->texts) {
        texts += text + "|";
    }
    check(results() == texts, "the results of the 10 MB side: " + results() + " wanted " + texts);
    const std::size_t pasted = commitChargeOfTheWindow();
    std::printf("10 MB paste: commit charge %zu -> %zu MiB\n", before / MiB, pasted / MiB);
    check(pasted - std::min(pasted, before) <= 32 * huge.size(),
          "the paste costs at most 32 bytes a character");

    setSides("3", "4", "5");
    for (int warmUp = 0; warmUp < 100; ++warmUp) {
        click();
    }
    const std::size_t warm = commitChargeOfTheWindow();
    const auto clicking = GetTickCount64();
    for (int clicks = 0; clicks < 10'000; ++clicks) {
        click();
    }
    const std::size_t clicked = commitChargeOfTheWindow();
    std::printf("10,000 clicks: %llu ms\n", GetTickCount64() - clicking);
    std::printf("10,000 clicks: %zu -> %zu KiB\n", warm / 1024, clicked / 1024);
    check(clicked <= warm + MiB, "10,000 clicks leave at most 1 MiB more");
    checkWorkedTriangle("3", "4", "5");
}

} // namespace

int main(int argc, char** argv) {
    const int dpi = argc > 1 && argv[1][0] != '-' ? std::atoi(argv[1]) : USER_DEFAULT_SCREEN_DPI;
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    wchar_t separator[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    userSeparator = toUtf8(separator);
    form = waitFor([] { return FindWindowW(FORM2_WINDOW_CLASS, nullptr); });
    // Shown once every control exists and the focus is placed.
    waitFor([] {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        return IsWindowVisible(form) &&
               GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &gui) &&
               gui.hwndFocus != nullptr;
    });
    // Answered once the window handles messages, so once it has finished starting.
    SendMessageW(form, WM_NULL, 0, 0);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--read-results") {
        // After a click from outside: the last result written shows that all are.
        waitFor([] { return !textOf(control(FORM2.resultLabels.back())).empty(); });
        std::printf("%s\n", results().c_str());
        return 0;
    }
    if (mode == "--hostile") {
        checkHostileInput();
        PostMessageW(form, WM_CLOSE, 0, 0);
        std::printf("%s --hostile: %d failure(s)\n", argv[0], failures);
        return failures == 0 ? 0 : 1;
    }
    if (mode == "--close") {
        PostMessageW(form, WM_CLOSE, 0, 0);
        return 0;
    }

    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &gui);
    check(gui.hwndFocus == control("Command1"), "the focus starts on Calcolo");
    check(IsZoomed(form) != FALSE, "the window opens maximized");

    checkConformance(dpi);
    checkCarriedTypeface(dpi);
    checkTabOrder();
    checkAccessibleTexts();
    checkWorkedTriangle("3", "4", "5");
    checkWorkedTriangle("7", "8", "9");
    checkWorkedTriangle("1", "1", "1");
    checkWorkedTriangle("2.5", "6", "6.5");
    checkWorkedTriangle("0.0001", "0.0001", "0.00015");
    const std::string solved = results();
    setSides("1", "2", "3");
    click();
    check(results() == solved, "sides that make no triangle change nothing");
    setSides("3", "0", "4");
    click();
    check(results() == solved, "b = 0 changes nothing");
    checkFault(FaultKind::Overflow, std::string(400, '9'));
    checkFault(FaultKind::DivisionByZero, std::string("0.").append(169, '0').append("1"));
    checkKeys(userSeparator == ",");
    checkEnterAndSpace();

    PostMessageW(form, WM_CLOSE, 0, 0);
    std::printf("%s: %d failure(s)\n", argv[0], failures);
    return failures == 0 ? 0 : 1;
}
