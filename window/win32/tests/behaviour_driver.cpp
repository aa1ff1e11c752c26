// SPDX-License-Identifier: MIT
#include "behaviour_driver.h"

#include "accessible_texts.h"
#include "announcement_listener.h"
#include "arithmetic_fault.h"
#include "fault_box.h"
#include "form2_page.h"
#include "input_report.h"
#include "running_form.h"
#include "spoken_results.h"
#include "wait_for.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace zirev1 {
namespace {

std::string describe(const Step& step) {
    std::string text(nameOf(step.act));
    // Appended piece by piece: GCC 12 at -O3 takes a literal put before a temporary string for
    // an overlapping copy (-Wrestrict).
    if (step.target != Target::None) {
        text += ' ';
        text += nameOf(step.target);
    }
    if (!step.text.empty()) {
        text += " \"";
        text += step.text.substr(0, 40);
        text += step.text.size() > 40 ? "...\"" : "\"";
    }
    return text;
}

// The results as a scenario writes them: blank-separated, "" when all are blank.
std::string written(const std::vector<std::string>& results) {
    if (std::all_of(results.begin(), results.end(), [](const auto& r) { return r.empty(); })) {
        return "";
    }
    std::string text;
    for (const std::string& result : results) {
        text += (text.empty() ? "" : " ") + result;
    }
    return text;
}

std::string withSeparator(std::string_view texts, std::string_view separator) {
    std::string text;
    for (const char c : texts) {
        text += c == '.' ? std::string(separator) : std::string(1, c);
    }
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// In a sentence, a "." is the separator only between digits: the others end sentences.
std::string withSeparatorInNumbers(std::string_view texts, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool inNumber = texts[i] == '.' && i > 0 && i + 1 < texts.size() &&
                              isDigit(texts[i - 1]) && isDigit(texts[i + 1]);
        text += inNumber ? std::string(separator) : std::string(1, texts[i]);
    }
    return text;
}

// The quantity before the tab, the value after it.
std::pair<std::string_view, std::string_view> quantityAndValue(std::string_view text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, tab), text.substr(tab + 1)};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::optional<FaultKind> faultNamed(std::string_view name) {
    for (const FaultKind fault : ALL_FAULTS) {
        if (faultName(fault) == name) {
            return fault;
        }
    }
    return std::nullopt;
}

struct ScenarioRun {
    const Form2Page& page;
    AnnouncementListener& listener;
    std::string_view separator;
    std::vector<std::string> beforeClick;
};

std::string written(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

bool apart(const RECT& a, const RECT& b) {
    RECT overlap;
    return !IntersectRect(&overlap, &a, &b);
}

std::string checkResultsApart(const Form2Page& page) {
    std::vector<RECT> places;
    for (std::size_t i = 0; i < FORM2.resultLabels.size(); ++i) {
        HWND label = page.control(resultLabel(FORM2, i));
        if (Form2Page::textOf(label).empty()) {
            return std::string(resultLabel(FORM2, i).name) + " holds no text";
        }
        RECT place;
        GetWindowRect(label, &place);
        for (std::size_t j = 0; j < places.size(); ++j) {
            if (!apart(place, places[j])) {
                return std::string(resultLabel(FORM2, i).name) + " at " + written(place) +
                       " overlaps " + std::string(resultLabel(FORM2, j).name) + " at " +
                       written(places[j]);
            }
        }
        places.push_back(place);
    }
    return "";
}

// One box, shown, titled like the form, naming the fault with its explanation, with an OK
// button, the form disabled behind it.
std::string checkFault(const Form2Page& page, std::string_view name) {
    const auto fault = faultNamed(name);
    if (!fault) {
        return "no fault is named " + std::string(name);
    }
    HWND box = waitFor(
        [&] {
            const auto open = page.ownedBoxes();
            return open.size() == 1 && IsWindowVisible(open.front()) ? open.front() : HWND{};
        },
        5'000);
    if (box == nullptr) {
        return std::to_string(page.ownedBoxes().size()) + " boxes are open, not one shown";
    }
    std::string failed;
    const std::string title = Form2Page::textOf(box);
    if (title != Form2Page::textOf(page.form())) {
        failed += "the box is titled \"" + title + "\", not like the form; ";
    }
    const std::string text = Form2Page::textOf(GetDlgItem(box, 0xFFFF));
    if (text.find(name) == std::string::npos ||
        text.find(faultExplanation(*fault)) == std::string::npos) {
        failed += "the box says \"" + text + "\"; ";
    }
    HWND ok = GetDlgItem(box, IDOK);
    if (ok == nullptr || Form2Page::textOf(ok) != FAULT_BOX_BUTTON) {
        failed += "the box has no OK button" +
                  (ok != nullptr ? ", its button says \"" + Form2Page::textOf(ok) + "\"" : "") +
                  "; ";
    }
    if (IsWindowEnabled(page.form())) {
        failed += "the form takes input behind the box; ";
    }
    return failed;
}

// The message shown, and told to a screen reader once since the last click: after the results'
// sentence when there are results, alone when there are none.
std::string checkMessage(const ScenarioRun& scenario, std::string_view expected) {
    const std::string wanted = withSeparatorInNumbers(expected, scenario.separator);
    const std::string shown = scenario.page.message();
    if (shown != wanted) {
        return "the message says \"" + shown + "\"";
    }
    const auto heard =
        wanted.empty() ? scenario.listener.heard() : scenario.listener.waitForAnnouncement();
    if (heard.size() > 1 || (!wanted.empty() && heard.empty())) {
        return "a screen reader was told " + std::to_string(heard.size()) + " things";
    }
    if (heard.empty()) {
        return "";
    }
    const std::vector<std::string> results = scenario.page.results();
    const std::string sentence =
        spokenResults(FORM2).sentence(std::span<const std::string, ResultTexts::count>(results));
    const bool told =
        heard.front() == wanted || heard.front() == sentence + (wanted.empty() ? "" : " " + wanted);
    return told ? "" : "a screen reader was told \"" + heard.front() + "\"";
}

// The validity conditions' picture is described as marking the condition, or none.
std::string checkMarked(const Form2Page& page, std::string_view condition) {
    const Control* picture = nullptr;
    for (const Control& c : FORM2.controls) {
        if (c.drawing == Drawing::ValidityConditions) {
            picture = &c;
        }
    }
    std::optional<std::size_t> marked;
    for (std::size_t i = 0; i < std::size(VALIDITY_CONDITIONS); ++i) {
        if (VALIDITY_CONDITIONS[i] == condition) {
            marked = i;
        }
    }
    if (!condition.empty() && !marked) {
        return "no validity condition is " + std::string(condition);
    }
    const std::string described = Form2Page::accessibleDescription(page.control(*picture));
    return described == unmetConditionText(marked)
               ? ""
               : "the conditions' picture is described as \"" + described + "\"";
}

std::string checkWorkingShows(const ScenarioRun& scenario, std::string_view text) {
    if (scenario.page.working() == nullptr) {
        return "the working is not open";
    }
    const auto [quantity, value] = quantityAndValue(text);
    const std::string wanted = withSeparator(value, scenario.separator);
    std::string shown;
    for (const auto& row : scenario.page.workingRows()) {
        if (row[0] == quantity) {
            if (row[2] == wanted) {
                return "";
            }
            shown += " \"" + row[2] + "\"";
        }
    }
    return shown.empty() ? "the working has no row " + std::string(quantity)
                         : "the working's " + std::string(quantity) + " is" + shown;
}

std::string checkClipboardHolds(const ScenarioRun& scenario, std::string_view line) {
    const std::string wanted = withSeparator(line, scenario.separator);
    const std::vector<std::string> lines = linesOf(scenario.page.clipboardText());
    if (std::find(lines.begin(), lines.end(), wanted) != lines.end()) {
        return "";
    }
    return "the clipboard's " + std::to_string(lines.size()) + " lines do not hold it" +
           (lines.empty() ? "" : "; the first is \"" + lines.front() + "\"");
}

// What went wrong with the step, or "".
std::string run(const Step& step, ScenarioRun& scenario) {
    const Form2Page& page = scenario.page;
    HWND target = page.target(step.target);
    switch (step.act) {
    case Act::Set:
        page.setText(target, step.text);
        return "";
    case Act::Type:
        page.type(target, step.text);
        return "";
    case Act::Press:
        if (step.text == KEY_CTRL_V) {
            page.putOnClipboard("77");
        }
        if (page.focus() == nullptr) {
            return "no control has the focus";
        }
        page.press(step.text);
        return "";
    case Act::Click:
        if (target == nullptr) {
            return "there is no " + std::string(nameOf(step.target)) + " to click";
        }
        if (step.target == Target::Calculate) {
            scenario.beforeClick = page.results();
            scenario.listener.forget();
        }
        page.click(step.target);
        return "";
    case Act::Results: {
        const std::string shown = written(page.results());
        const std::string wanted = withSeparator(step.text, scenario.separator);
        return shown == wanted ? "" : "the results are \"" + shown + "\"";
    }
    case Act::Unchanged: {
        const std::string shown = written(page.results());
        const std::string before = written(scenario.beforeClick);
        return shown == before ? "" : "the results \"" + before + "\" became \"" + shown + "\"";
    }
    case Act::ResultsApart:
        return checkResultsApart(page);
    case Act::Fault:
        return checkFault(page, step.text);
    case Act::CloseFault: {
        const auto boxes = page.ownedBoxes();
        if (boxes.size() != 1) {
            return std::to_string(boxes.size()) + " boxes are open";
        }
        page.pressOk(boxes.front());
        return IsWindow(boxes.front()) ? "the box stays open" : "";
    }
    case Act::FieldHolds: {
        const std::string held = Form2Page::textOf(target);
        return held == step.text ? "" : "the field holds \"" + held + "\"";
    }
    case Act::Focus:
        return page.focus() == target ? "" : "the focus is elsewhere";
    case Act::Message:
        return checkMessage(scenario, step.text);
    case Act::Marked:
        return checkMarked(page, step.text);
    case Act::WorkingShows:
        return checkWorkingShows(scenario, step.text);
    case Act::ClipboardHolds:
        return checkClipboardHolds(scenario, step.text);
    }
    return "an act this driver does not know";
}

// Every step runs, so that one failure does not hide the next.
bool runScenario(const Scenario& scenario, const std::wstring& program,
                 std::string_view separator) {
    RunningForm running(program);
    if (running.window() == nullptr) {
        std::printf("  FAIL %s\n", running.whyNoWindow().c_str());
        return false;
    }
    Form2Page page(running.window());
    AnnouncementListener listener(page.processId());
    if (!listener.listening()) {
        std::printf("  FAIL no screen reader's hook could be set on zirev1.exe\n");
        return false;
    }
    ScenarioRun state{page, listener, separator, page.results()};
    bool passed = true;
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        std::string failure = run(scenario.steps[i], state);
        if (!page.answeredAll()) {
            failure +=
                (failure.empty() ? "" : "; ") + std::string("zirev1.exe did not answer in time");
        }
        if (!failure.empty()) {
            std::printf("  FAIL step %zu, %s: %s\n", i + 1, describe(scenario.steps[i]).c_str(),
                        failure.c_str());
            passed = false;
        }
    }
    if (!running.close()) {
        std::printf("  FAIL zirev1.exe did not end with status 0 when closed\n");
        passed = false;
    }
    return passed;
}

} // namespace

int runBehaviour(const std::wstring& program, std::string_view separator) {
    int failed = 0, passed = 0, skipped = 0;
    for (const Scenario& scenario : FORM2_BEHAVIOUR) {
        if (!holdsIn(scenario, separator == ",")) {
            continue;
        }
        std::printf("scenario: %.*s\n", static_cast<int>(scenario.name.size()),
                    scenario.name.data());
        if (const KnownDeviation* known = knownDeviation(FrontEnd::Win32, scenario)) {
            std::printf("  skipped: %.*s\n", static_cast<int>(known->reason.size()),
                        known->reason.data());
            ++skipped;
            continue;
        }
        if (runScenario(scenario, program, separator)) {
            ++passed;
        } else {
            ++failed;
        }
        std::fflush(stdout);
    }
    std::printf("behaviour: %d passed, %d failed, %d skipped\n", passed, failed, skipped);
    return failed;
}

} // namespace zirev1
