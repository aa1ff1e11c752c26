// SPDX-License-Identifier: MIT
// Drives zirev1.exe from outside, by window messages alone. The form's behaviour, each scenario
// on a newly started window; then what only this front end shows: every control's place,
// caption and stacking at the window's dpi, the typeface it carries, what MSAA reads,
// characters that arrive as WM_UNICHAR, the working, and its print dialog cancelled.
// With --hostile: a 10 MB paste calculated, then 10,000 clicks, within a stated memory bound.
// With --contrast: the window in high contrast (high_contrast_check.h).
// With --print-failure: the window whose print dialog fails (print_checks.h).
//   zirev1_window_messages_test DPI ZIREV1.EXE | --hostile ZIREV1.EXE | --read-results |
//                               --read-working | --read-message | --close |
//                               --contrast ZIREV1.EXE SHIM.DLL SCREENSHOT.BMP-OR-EMPTY |
//                               --print-failure ZIREV1.EXE SHIM.DLL
#include "behaviour_driver.h"
#include "calculate_from_texts.h"
#include "check_failures.h"
#include "form2_description.h"
#include "form2_page.h"
#include "high_contrast_check.h"
#include "print_checks.h"
#include "resource_ids.h"
#include "running_form.h"
#include "text_metrics.h"
#include "wait_for.h"
#include "wide_text.h"
#include "working_checks.h"

#include <windows.h>

#include <oleacc.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace zirev1;

std::string userSeparator() {
    wchar_t separator[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return toUtf8(separator);
}

template <typename Texts> std::string joined(const Texts& texts) {
    std::string text;
    for (const std::string& t : texts) {
        text += t + "|";
    }
    return text;
}

std::string expectedResults(std::string_view a, std::string_view b, std::string_view c) {
    const auto expected = calculateFromTexts(a, b, c, userSeparator());
    return expected.faulted() || !*expected ? "" : joined((*expected)->texts);
}

// What a screen reader reads through MSAA: the fields' names, and the results' descriptions by
// dynamic annotation where it works, else from the window property every process can read.
void checkAccessibleTexts(Failures& failures, const Form2Page& page) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (const Control& c : FORM2.controls) {
        if (c.kind == ControlKind::Field) {
            const std::string name = Form2Page::accessibleName(page.control(c));
            failures.check(name == c.accessibleName,
                           std::string(c.name) + " is named \"" + name + "\"");
        } else if (c.isResult()) {
            const std::string description = Form2Page::accessibleDescription(page.control(c));
            failures.check(description == c.accessibleDescription,
                           std::string(c.name) + " is described as \"" + description + "\"");
        }
    }
    CoUninitialize();
}

// The fields show the typeface the program carries, not one Wine or Windows puts in its place:
// a row of digits in a field is as wide as the typeface's advances make it. Each advance is
// rounded to a whole pixel; another bold sans (Tahoma, Wine's own) is 8 % narrower.
void checkCarriedTypeface(Failures& failures, const Form2Page& page, int dpi) {
    const std::string digits(20, '0');
    const Control& field = sideField(FORM2, 0);
    page.setText(page.control(field), digits);
    const auto x = [&](WPARAM index) {
        return static_cast<short>(
            LOWORD(SendMessageW(page.control(field), EM_POSFROMCHAR, index, 0)));
    };
    const int shown = x(digits.size() - 1) - x(0);
    const double pixels = std::lround(field.font.pointSize * dpi / POINTS_PER_INCH);
    const double wanted = textWidth(digits.substr(1), pixels);
    failures.check(std::abs(shown - wanted) <= 0.5 * static_cast<double>(digits.size() - 1) + 1,
                   "19 digits in a field are " + std::to_string(shown) + " px wide, wanted " +
                       std::to_string(wanted) + " in the carried typeface");
    page.setText(page.control(field), "");
}

// An input method may send a character as WM_UNICHAR, past WM_CHAR; it meets the keystroke
// rule all the same. UNICODE_NOCHAR asks whether the window takes WM_UNICHAR at all.
void checkUnicodeCharacters(Failures& failures, const Form2Page& page) {
    HWND field = page.control(sideField(FORM2, 1));
    page.setText(field, "");
    failures.check(SendMessageW(field, WM_UNICHAR, UNICODE_NOCHAR, 0) == TRUE,
                   "a side field says it takes WM_UNICHAR");
    for (const WPARAM code : {WPARAM{'x'}, WPARAM{0x1D400}, WPARAM{'7'}}) {
        SendMessageW(field, WM_UNICHAR, code, 1);
    }
    const std::string held = Form2Page::textOf(field);
    failures.check(held == "7",
                   "WM_UNICHAR x, U+1D400 and 7 leave \"" + held + "\" in a side field");
    page.setText(field, "");
}

void checkConformance(Failures& failures, const Form2Page& page, int dpi) {
    HWND form = page.form();
    failures.check(static_cast<int>(GetDpiForWindow(form)) == dpi,
                   "the window's dpi is " + std::to_string(dpi));
    failures.check(IsZoomed(form) != FALSE, "the window opens maximized");
    int zOrder[std::size(FORM2_CONTROLS)] = {};
    int position = 0;
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const int index = GetDlgCtrlID(child) - ZIREV1_CONTROL_ID_BASE;
        if (index >= 0 && index < static_cast<int>(FORM2.controls.size())) {
            zOrder[index] = ++position; // 1 is the top
        }
    }
    failures.check(position == static_cast<int>(FORM2.controls.size()), "one window per control");
    for (std::size_t i = 0; i < FORM2.controls.size(); ++i) {
        const Control& c = FORM2.controls[i];
        const std::string name(c.name);
        HWND window = page.control(c);
        const std::string caption = Form2Page::textOf(window);
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
        failures.check(
            r.left == px(place.left) && r.top == px(place.top) &&
                r.right - r.left == px(place.width) && r.bottom - r.top == px(place.height),
            name + " placed at " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top));
        if (c.kind != ControlKind::Field && !c.isResult()) {
            const std::string wanted(c.kind == ControlKind::Picture ? c.accessibleName : c.caption);
            failures.check(caption == wanted, name + " says " + caption);
        }
        for (std::size_t j = i + 1; j < FORM2.controls.size(); ++j) {
            if (FORM2.controls[j].place.intersects(c.place)) {
                failures.check(zOrder[j] < zOrder[i],
                               std::string(FORM2.controls[j].name) + " lies above " + name);
            }
        }
    }
}

// The window's process: its commit charge, the private memory it holds, in bytes.
std::size_t commitChargeOf(Failures& failures, HWND form) {
    DWORD id = 0;
    GetWindowThreadProcessId(form, &id);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    const BOOL read = K32GetProcessMemoryInfo(
        process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    CloseHandle(process);
    failures.check(read != FALSE, "the window's memory can be read");
    failures.check(counters.PagefileUsage > 0, "the window's commit charge is known");
    return counters.PagefileUsage;
}

constexpr std::size_t MiB = 1024 * 1024;

// The bounds: a paste costs the window at most 32 bytes a character while it is in the field (the
// field's buffer and its layout of the line, and the copies the calculation reads; Wine's EDIT
// takes about 22), and clicking on costs nothing that stays.
void checkHostileInput(Failures& failures, const Form2Page& page) {
    HWND a = page.target(Target::SideA);
    page.setText(a, "");
    page.setText(page.target(Target::SideB), "40");
    page.setText(page.target(Target::SideC), "30");
    // The blanks are skipped, so only the whole text makes 50, and 50, 40, 30 a triangle.
    const std::string huge = "5" + std::string(10'000'000 - 2, ' ') + "0";
    const std::size_t before = commitChargeOf(failures, page.form());
    std::printf("pasting 10 MB\n");
    const auto start = GetTickCount64();
    page.putOnClipboard(huge);
    // With a bound, so that a window that stops answering says where it stopped.
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutW(a, WM_PASTE, 0, 0, SMTO_NORMAL, 120'000, &ignored) == 0) {
        failures.check(false, "zirev1.exe answers a 10 MB paste within 120 s");
        return;
    }
    std::printf("10 MB paste: %llu ms\n", GetTickCount64() - start);
    failures.check(SendMessageW(a, WM_GETTEXTLENGTH, 0, 0) == static_cast<LRESULT>(huge.size()),
                   "the 10 MB paste arrives whole");
    page.click();
    const std::string wanted = expectedResults(huge, "40", "30");
    failures.check(joined(page.results()) == wanted,
                   "the results of the 10 MB side: " + joined(page.results()) + " wanted " +
                       wanted);
    const std::size_t pasted = commitChargeOf(failures, page.form());
    std::printf("10 MB paste: commit charge %zu -> %zu MiB\n", before / MiB, pasted / MiB);
    failures.check(pasted - std::min(pasted, before) <= 32 * huge.size(),
                   "the paste costs at most 32 bytes a character");

    page.setText(a, "3");
    page.setText(page.target(Target::SideB), "4");
    page.setText(page.target(Target::SideC), "5");
    HWND calcolo = page.target(Target::Calculate);
    // Sent without a bound, as a bound costs Wine a wait on each: a hang here still shows, after
    // the paste's lines.
    for (int warmUp = 0; warmUp < 100; ++warmUp) {
        SendMessageW(calcolo, BM_CLICK, 0, 0);
    }
    const std::size_t warm = commitChargeOf(failures, page.form());
    const auto clicking = GetTickCount64();
    for (int clicks = 0; clicks < 10'000; ++clicks) {
        SendMessageW(calcolo, BM_CLICK, 0, 0);
    }
    const std::size_t clicked = commitChargeOf(failures, page.form());
    std::printf("10,000 clicks: %llu ms\n", GetTickCount64() - clicking);
    std::printf("10,000 clicks: %zu -> %zu KiB\n", warm / 1024, clicked / 1024);
    failures.check(clicked <= warm + MiB, "10,000 clicks leave at most 1 MiB more");
    failures.check(joined(page.results()) == expectedResults("3", "4", "5"),
                   "3, 4, 5 after the clicks");
}

int finish(const char* what, const Failures& failures, int failedScenarios = 0) {
    for (const std::string& failed : failures.failed) {
        std::printf("FAIL: %s\n", failed.c_str());
    }
    const auto count = static_cast<int>(failures.failed.size()) + failedScenarios;
    std::printf("%s: %d failure(s)\n", what, count);
    return count == 0 ? 0 : 1;
}

void checkAll(Failures& failures, const std::vector<std::string>& failed) {
    for (const std::string& what : failed) {
        failures.check(false, what);
    }
}

} // namespace

int main(int argc, char** argv) {
    // Each line as it is written, so that a test ended by its timeout shows how far it came.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--read-results" || mode == "--read-working" || mode == "--read-message" ||
        mode == "--close") {
        RunningForm running;
        const Form2Page page(running.window());
        if (mode == "--close") {
            return running.close() ? 0 : 1;
        }
        if (mode == "--read-working") {
            // After a click from outside: each row as its cells separated by "|".
            waitFor([&] { return page.working() != nullptr; });
            for (const auto& row : page.workingRows()) {
                std::printf("%s\n", joined(row).c_str());
            }
            return page.working() != nullptr ? 0 : 1;
        }
        if (mode == "--read-message") {
            waitFor([&] { return !page.message().empty(); });
            std::printf("%s\n", page.message().c_str());
            return 0;
        }
        // After a click from outside: the last result written shows that all are.
        waitFor([&] { return !page.results().back().empty(); });
        std::printf("%s\n", joined(page.results()).c_str());
        return 0;
    }
    if (argc < 3) {
        std::printf("usage: %s DPI ZIREV1.EXE | --hostile ZIREV1.EXE\n", argv[0]);
        return 2;
    }
    const std::wstring program = toWide(argv[2]);
    Failures failures;
    if (mode == "--hostile") {
        RunningForm running(program);
        failures.check(running.window() != nullptr, running.whyNoWindow());
        if (running.window() != nullptr) {
            checkHostileInput(failures, Form2Page(running.window()));
            failures.check(running.close(), "zirev1.exe ends with status 0");
        }
        return finish("--hostile", failures);
    }

    if (mode == "--contrast" && argc == 5) {
        checkAll(failures, checkHighContrast(program, toWide(argv[3]), toWide(argv[4])));
        return finish("--contrast", failures);
    }
    if (mode == "--print-failure" && argc == 4) {
        checkAll(failures, checkPrintFailure(program, toWide(argv[3])));
        return finish("--print-failure", failures);
    }

    const int dpi = std::atoi(argv[1]);
    const int failedScenarios = runBehaviour(program, userSeparator());
    RunningForm running(program);
    failures.check(running.window() != nullptr, running.whyNoWindow());
    if (running.window() != nullptr) {
        const Form2Page page(running.window());
        checkConformance(failures, page, dpi);
        checkCarriedTypeface(failures, page, dpi);
        checkAccessibleTexts(failures, page);
        checkUnicodeCharacters(failures, page);
        checkAll(failures, checkAnnouncement(page));
        checkAll(failures, checkWorkingWindow(page, dpi, userSeparator()));
        checkAll(failures, checkPrintCancelled(page));
        failures.check(running.close(), "zirev1.exe ends with status 0");
    }
    return finish("window messages", failures, failedScenarios);
}
