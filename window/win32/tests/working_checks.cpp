// SPDX-License-Identifier: MIT
#include "working_checks.h"

#include "announcement_listener.h"
#include "calculate_for_window.h"
#include "check_failures.h"
#include "form2_window.h"
#include "list_view_reader.h"
#include "process_windows.h"
#include "resource_ids.h"
#include "spoken_results.h"
#include "wait_for.h"
#include "wide_text.h"
#include "working_form_description.h"
#include "working_rows.h"
#include "working_table.h"

#include <cstdlib>
#include <iterator>
#include <span>

namespace zirev1 {
namespace {

// Shown or hidden.
int workingWindowsOf(const Form2Page& page) {
    return static_cast<int>(windowsOfClass(page.processId(), WORKING_WINDOW_CLASS).size());
}

void setSides(const Form2Page& page, std::string_view a, std::string_view b, std::string_view c) {
    page.setText(page.target(Target::SideA), a);
    page.setText(page.target(Target::SideB), b);
    page.setText(page.target(Target::SideC), c);
}

// The window manager of the X session gives a window shown the focus in its own time, and Wine
// follows it; so the focus is waited for.
bool focusComesTo(const Form2Page& page, HWND control) {
    return waitFor([&] { return page.focus() == control; });
}

void checkPlaces(Failures& failures, const Form2Page& page, int dpi) {
    HWND working = page.working();
    const auto px = [dpi](int twips) { return MulDiv(twips, dpi, TWIPS_PER_INCH); };
    for (const Control& c : WORKING_FORM.controls) {
        RECT r;
        GetWindowRect(page.workingControl(c), &r);
        MapWindowPoints(nullptr, working, reinterpret_cast<POINT*>(&r), 2);
        const TwipsRect place = c.startPlace();
        failures.check(r.left == px(place.left) && r.top == px(place.top) &&
                           r.right - r.left == px(place.width) &&
                           r.bottom - r.top == px(place.height),
                       std::string(c.name) + " of the working placed at " + std::to_string(r.left) +
                           "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
                           "x" + std::to_string(r.bottom - r.top));
    }
    // Unless the screen is too small for it (13560 twips are 1356 pixels at 144 dpi).
    RECT client;
    GetClientRect(working, &client);
    const bool fits = px(WORKING_FORM.restoredClientSize.width) < GetSystemMetrics(SM_CXSCREEN) &&
                      px(WORKING_FORM.restoredClientSize.height) < GetSystemMetrics(SM_CYSCREEN);
    failures.check(!fits || (client.right == px(WORKING_FORM.restoredClientSize.width) &&
                             client.bottom == px(WORKING_FORM.restoredClientSize.height)),
                   "the working's window is " + std::to_string(client.right) + "x" +
                       std::to_string(client.bottom));
}

// The offset the header gives after `name`, or the text's size when it gives none.
std::size_t headerOffset(const std::string& html, std::string_view name) {
    const std::size_t at = html.find(std::string(name) + ":");
    return at == std::string::npos
               ? html.size()
               : std::strtoull(html.c_str() + at + name.size() + 1, nullptr, 10);
}

void checkClipboardHtml(Failures& failures, const Form2Page& page, std::string_view separator) {
    const std::string html = page.clipboardHtml();
    const std::size_t startHtml = headerOffset(html, "StartHTML");
    const std::size_t endHtml = headerOffset(html, "EndHTML");
    const std::size_t startFragment = headerOffset(html, "StartFragment");
    const std::size_t endFragment = headerOffset(html, "EndFragment");
    failures.check(html.rfind("Version:0.9\r\n", 0) == 0,
                   "the HTML Format begins with its version");
    failures.check(startHtml < html.size() && html.compare(startHtml, 5, "<html") == 0,
                   "StartHTML points at the document");
    failures.check(endHtml == html.size(), "EndHTML is the end of the data");
    failures.check(startFragment >= 20 && startFragment <= endFragment && endFragment <= endHtml &&
                       html.compare(startFragment - 20, 20, "<!--StartFragment-->") == 0 &&
                       html.compare(endFragment, 18, "<!--EndFragment-->") == 0,
                   "the fragment's offsets frame it");
    const auto calculation = calculateForWindow("7", "8", "9", separator);
    const std::string wanted =
        calculation.faulted() ? "" : workingHtmlTable(workingSections(*calculation, separator));
    failures.check(startFragment <= endFragment && endFragment <= html.size() &&
                       html.substr(startFragment, endFragment - startFragment) == wanted,
                   "the HTML fragment is the working of 7, 8, 9 as a table");
}

} // namespace

std::vector<std::string> checkWorkingWindow(const Form2Page& page, int dpi,
                                            std::string_view separator) {
    Failures failures;
    setSides(page, "7", "8", "9");
    page.click();
    failures.check(workingWindowsOf(page) == 0,
                   "the working is made before Svolgimento is pressed");
    page.click(Target::Working);
    HWND working = page.working();
    failures.check(working != nullptr, "Svolgimento opens the working");
    if (working == nullptr) {
        return failures.failed;
    }
    failures.check(Form2Page::textOf(working) == WORKING_FORM.title,
                   "the working is titled \"" + Form2Page::textOf(working) + "\"");
    failures.check(GetWindow(working, GW_OWNER) == page.form(), "Form2 owns the working");
    checkPlaces(failures, page, dpi);
    HWND grid = page.workingControl(controlOfRole(WORKING_FORM, Role::Working));
    HWND copy = page.target(Target::Copy);
    std::vector<std::string> headings = ListViewReader(grid).columnHeadings();
    failures.check(headings == std::vector<std::string>(std::begin(WORKING_COLUMNS),
                                                        std::end(WORKING_COLUMNS)),
                   "the working's columns are its three");
    failures.check(focusComesTo(page, grid), "the working opens with the focus on its table");
    page.press(KEY_TAB);
    failures.check(page.focus() == copy, "Tab goes from the table to Copia");
    HWND print = page.workingControl(controlOfRole(WORKING_FORM, Role::Print));
    HWND savePdf = page.workingControl(controlOfRole(WORKING_FORM, Role::SavePdf));
    page.press(KEY_TAB);
    failures.check(page.focus() == print, "Tab goes from Copia to Stampa");
    page.press(KEY_TAB);
    failures.check(page.focus() == savePdf, "Tab goes from Stampa to Salva come PDF");
    page.press(KEY_TAB);
    failures.check(page.focus() == grid, "Tab goes round from Salva come PDF to the table");
    page.press(KEY_SHIFT_TAB);
    failures.check(page.focus() == savePdf, "Shift+Tab goes back from the table to Salva come PDF");
    page.click(Target::Copy);
    checkClipboardHtml(failures, page, separator);
    page.press(KEY_ESCAPE);
    failures.check(page.working() == nullptr, "Escape closes the working");
    failures.check(focusComesTo(page, page.target(Target::Working)),
                   "closed, the working gives the focus back to Svolgimento");
    page.click(Target::Working);
    working = page.working();
    failures.check(working != nullptr, "Svolgimento opens the working again");

    PostMessageW(working, WM_CLOSE, 0, 0);
    page.settle();
    failures.check(page.working() == nullptr, "closing the working hides it");
    failures.check(IsWindow(page.form()) && IsWindowVisible(page.form()), "Form2 goes on");
    setSides(page, "3", "4", "5");
    page.click();
    page.click(Target::Working);
    std::string six = "6";
    six += separator;
    bool showsNewTriangle = false;
    for (const auto& row : page.workingRows()) {
        showsNewTriangle = showsNewTriangle || (row[0] == "p" && row[2] == six);
    }
    failures.check(page.working() != nullptr && showsNewTriangle,
                   "opened again, the working shows the triangle calculated while it was closed");
    return failures.failed;
}

std::vector<std::string> checkAnnouncement(const Form2Page& page) {
    Failures failures;
    AnnouncementListener listener(page.processId());
    failures.check(listener.listening(), "a screen reader's hook can be set on zirev1.exe");
    setSides(page, "3", "4", "5");
    page.click();
    const std::vector<std::string> heard = listener.waitForAnnouncement();
    const std::vector<std::string> results = page.results();
    const std::string sentence =
        spokenResults(FORM2).sentence(std::span<const std::string, ResultTexts::count>(results));
    failures.check(heard.size() == 1, "3, 4, 5 is told " + std::to_string(heard.size()) + " times");
    failures.check(!heard.empty() && heard.front() == sentence,
                   "3, 4, 5 is told as \"" + (heard.empty() ? "" : heard.front()) + "\"");
    HWND announcer = GetDlgItem(page.form(), ZIREV1_ANNOUNCER_ID);
    RECT place{};
    GetWindowRect(announcer, &place);
    failures.check(announcer != nullptr && IsWindowVisible(announcer) && IsRectEmpty(&place),
                   "what is told comes from a static of no size");
    return failures.failed;
}

} // namespace zirev1
