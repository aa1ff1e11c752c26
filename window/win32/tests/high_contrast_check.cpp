// SPDX-License-Identifier: MIT
#include "high_contrast_check.h"

#include "check_failures.h"
#include "form2_description.h"
#include "form2_page.h"
#include "remote_load.h"
#include "running_form.h"
#include "screen_pixels.h"
#include "wait_for.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace zirev1 {
namespace {

constexpr COLORREF BLACK = RGB(0, 0, 0), WHITE = RGB(255, 255, 255), CYAN = RGB(0, 255, 255);
// The scheme's ground and text, and its highlight for what the design marks in red.
constexpr std::array<int, 5> SCHEME_ELEMENTS{COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                                             COLOR_BTNFACE, COLOR_BTNTEXT};
constexpr std::array<COLORREF, 5> SCHEME{BLACK, WHITE, CYAN, BLACK, WHITE};
// The design's inks that no blend of the scheme's colours makes: the blues, navy and the reds.
constexpr std::array<COLORREF, 4> DESIGN_INKS{RGB(0, 0, 255), RGB(0, 0, 128), RGB(255, 0, 0),
                                              RGB(0xc0, 0, 0)};

int distance(COLORREF first, COLORREF second) {
    return std::abs(GetRValue(first) - GetRValue(second)) +
           std::abs(GetGValue(first) - GetGValue(second)) +
           std::abs(GetBValue(first) - GetBValue(second));
}

std::map<COLORREF, int> histogram(const ScreenPixels& pixels) {
    std::map<COLORREF, int> counts;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            ++counts[pixels.at(x, y)];
        }
    }
    return counts;
}

RECT screenRect(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    return place;
}

// No design ink shows, and the most common colour, the ground, is the scheme's.
void checkOnlyTheSchemeShows(Failures& failures, const std::string& name, HWND control) {
    const auto counts = histogram(ScreenPixels(screenRect(control)));
    for (const COLORREF ink : DESIGN_INKS) {
        const auto shown = std::find_if(counts.begin(), counts.end(), [&](const auto& count) {
            return distance(count.first, ink) < 24;
        });
        failures.check(shown == counts.end(),
                       name + " shows the design's colour " + std::to_string(ink) + " in " +
                           std::to_string(shown == counts.end() ? 0 : shown->second) + " pixels");
    }
    const auto ground = std::max_element(counts.begin(), counts.end(),
                                         [](auto& a, auto& b) { return a.second < b.second; });
    failures.check(ground != counts.end() && ground->first == BLACK,
                   name + "'s ground is the scheme's window colour");
}

void checkWindow(Failures& failures, const Form2Page& page, const std::wstring& screenshot) {
    // As Windows tells every window once the user turns high contrast on.
    DWORD_PTR answer = 0;
    failures.check(SendMessageTimeoutW(page.form(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0,
                                       SMTO_ABORTIFHUNG, 10'000, &answer) != 0,
                   "the window hears of the change");
    for (std::size_t side = 0; side < 3; ++side) {
        page.setText(page.control(sideField(FORM2, side)), std::to_string(side + 3));
    }
    page.click();
    RECT client{};
    GetClientRect(page.form(), &client);
    POINT corner{client.right - 4, client.bottom - 4};
    ClientToScreen(page.form(), &corner);
    failures.check(
        waitFor([&] {
            UpdateWindow(page.form());
            return ScreenPixels({corner.x, corner.y, corner.x + 1, corner.y + 1}).at(0, 0) == BLACK;
        }),
        "the window's ground turns to the scheme's window colour");
    failures.check(page.results().back() == "12.",
                   "3, 4, 5 calculated: 2 p = " + page.results().back());

    for (const Control& control : FORM2.controls) {
        if (control.kind == ControlKind::Picture) {
            checkOnlyTheSchemeShows(failures, std::string(control.name), page.control(control));
        }
    }
    const Control& heading = controlOfRole(FORM2, Role::Heading);
    checkOnlyTheSchemeShows(failures, "the blue heading", page.control(heading));
    failures.check(histogram(ScreenPixels(screenRect(page.control(heading)))).contains(WHITE),
                   "the heading is written in the scheme's text colour");
    const Control& figure =
        *std::find_if(FORM2.controls.begin(), FORM2.controls.end(),
                      [](const Control& c) { return c.drawing == Drawing::TriangleFigure; });
    failures.check(histogram(ScreenPixels(screenRect(page.control(figure)))).contains(CYAN),
                   "the triangle's red marks take the scheme's highlight");
    const RECT field = screenRect(page.control(sideField(FORM2, 0)));
    failures.check(
        ScreenPixels({field.right - 6, field.top + 6, field.right - 5, field.top + 7}).at(0, 0) ==
            BLACK,
        "a field's ground is the scheme's window colour");
    if (!screenshot.empty()) {
        failures.check(
            ScreenPixels({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)})
                .save(screenshot),
            "the screenshot is saved");
    }
}

} // namespace

std::vector<std::string> checkHighContrast(const std::wstring& program, const std::wstring& shim,
                                           const std::wstring& screenshot) {
    Failures failures;
    std::array<COLORREF, SCHEME.size()> saved{};
    std::transform(SCHEME_ELEMENTS.begin(), SCHEME_ELEMENTS.end(), saved.begin(), GetSysColor);
    failures.check(SetSysColors(SCHEME.size(), SCHEME_ELEMENTS.data(), SCHEME.data()) != 0,
                   "the scheme's colours are set");
    {
        RunningForm running(program);
        failures.check(running.window() != nullptr, running.whyNoWindow());
        if (running.window() != nullptr) {
            failures.check(loadInto(running.window(), shim),
                           "zirev1.exe is told high contrast is on");
            const Form2Page page(running.window());
            checkWindow(failures, page, screenshot);
            failures.check(running.close(), "zirev1.exe ends with status 0");
        }
    }
    SetSysColors(saved.size(), SCHEME_ELEMENTS.data(), saved.data());
    return failures.failed;
}

} // namespace zirev1
