// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>

namespace zirev1 {

// How Form2 behaves, written once as scenarios that every front end's driver runs: the Qt window
// offscreen, zirev1.exe by window messages under Wine, and the page in Chromium. A scenario is a
// list of steps, each an act on a control named by its role, or a check of what the form shows.
// A driver finds the controls through the form's description, never by their names.

enum class Act {
    Set,          // the field's text becomes `text`, as a paste puts it there: not filtered
    Type,         // the field takes the focus, its caret at the end, and `text` is typed into it
                  // key by key, each character through the keystroke rule
    Press,        // the key named `text` is pressed on the control that has the focus
    Click,        // Calcolo is clicked; behind an open fault box, by the click that can still reach
                  // it there (a posted message, a script's click)
    Results,      // the twelve results in writing order, separated by blanks, a "." in them
                  // standing for the user's decimal separator; "" when all are blank
    Unchanged,    // the results are those shown before the last click
    ResultsApart, // no two result labels overlap on the screen, each holding its text
    Fault,        // one fault box is open, titled like the window, naming the fault `text` with
                  // its explanation, with an OK button; the form behind takes no input
    CloseFault,   // OK closes the box
    FieldHolds,   // the field holds `text`
    Focus,        // the control has the focus
    Message,      // the message says `text`, its problem and its notice joined by a blank; ""
                  // when it is empty; a screen reader has been told it
    Marked,       // the validity condition `text` ("p − c") is the one marked in the picture of
                  // them; "" when none is
    WorkingShows, // the working is open and shows the quantity before the tab in `text` with the
                  // value after it, a "." standing for the decimal separator
    ClipboardHolds, // the clipboard's text holds the line `text` (cells between tabs), "." as
                    // in WorkingShows
};

// Calculate is Calcolo; Working is Form2's Svolgimento button, Copy the working's Copia.
enum class Target { None, SideA, SideB, SideC, Calculate, Working, Copy };

// Their names, in the order of the enums' values, as the page's driver reads them and the drivers
// report them.
inline constexpr std::string_view ACT_NAMES[] = {
    "set",       "type",         "press",  "click",        "results",
    "unchanged", "resultsApart", "fault",  "closeFault",   "fieldHolds",
    "focus",     "message",      "marked", "workingShows", "clipboardHolds"};
inline constexpr std::string_view TARGET_NAMES[] = {"",          "a",       "b",   "c",
                                                    "calculate", "working", "copy"};
static_assert(std::size(ACT_NAMES) == static_cast<std::size_t>(Act::ClipboardHolds) + 1);
static_assert(std::size(TARGET_NAMES) == static_cast<std::size_t>(Target::Copy) + 1);
constexpr std::string_view nameOf(Act act) {
    return ACT_NAMES[static_cast<std::size_t>(act)];
}
constexpr std::string_view nameOf(Target target) {
    return TARGET_NAMES[static_cast<std::size_t>(target)];
}

// The keys Press names.
inline constexpr std::string_view KEY_ENTER = "Enter";
inline constexpr std::string_view KEY_SPACE = "Space";
inline constexpr std::string_view KEY_TAB = "Tab";
inline constexpr std::string_view KEY_SHIFT_TAB = "Shift+Tab";
inline constexpr std::string_view KEY_BACKSPACE = "Backspace";
inline constexpr std::string_view KEY_ESCAPE = "Escape";
// The paste shortcut, pressed with "77" on the clipboard.
inline constexpr std::string_view KEY_CTRL_V = "Ctrl+V";
inline constexpr std::string_view BEHAVIOUR_KEYS[] = {
    KEY_ENTER, KEY_SPACE, KEY_TAB, KEY_SHIFT_TAB, KEY_BACKSPACE, KEY_ESCAPE, KEY_CTRL_V};

struct Step {
    Act act;
    Target target = Target::None;
    std::string_view text = {};
};

// The locales a scenario holds in: where the user's decimal separator is the point, the comma,
// or either. Each driver runs the scenarios of its locale.
enum class Locales { Any, Point, Comma };

struct Scenario {
    std::string_view name;
    Locales locales;
    std::span<const Step> steps;
};

enum class FrontEnd { Qt, Win32, Page };

// A scenario a front end cannot follow, and why; its driver reports it as skipped.
struct KnownDeviation {
    FrontEnd frontEnd;
    std::string_view scenario;
    std::string_view reason;
};

namespace behaviour {

constexpr Step set(Target field, std::string_view text) {
    return {Act::Set, field, text};
}
constexpr Step type(Target field, std::string_view text) {
    return {Act::Type, field, text};
}
constexpr Step press(std::string_view key) {
    return {Act::Press, Target::None, key};
}
inline constexpr Step CLICK{Act::Click, Target::Calculate};
// Click names the button: Calcolo, Svolgimento or Copia.
constexpr Step click(Target button) {
    return {Act::Click, button};
}
constexpr Step message(std::string_view text) {
    return {Act::Message, Target::None, text};
}
constexpr Step marked(std::string_view condition) {
    return {Act::Marked, Target::None, condition};
}
constexpr Step shows(std::string_view quantityTabValue) {
    return {Act::WorkingShows, Target::None, quantityTabValue};
}
constexpr Step clipboardHolds(std::string_view line) {
    return {Act::ClipboardHolds, Target::None, line};
}
constexpr Step results(std::string_view texts) {
    return {Act::Results, Target::None, texts};
}
inline constexpr Step UNCHANGED{Act::Unchanged};
inline constexpr Step RESULTS_APART{Act::ResultsApart};
constexpr Step fault(std::string_view name) {
    return {Act::Fault, Target::None, name};
}
inline constexpr Step CLOSE_FAULT{Act::CloseFault};
constexpr Step holds(Target field, std::string_view text) {
    return {Act::FieldHolds, field, text};
}
constexpr Step focus(Target control) {
    return {Act::Focus, control};
}

constexpr Target A = Target::SideA;
constexpr Target B = Target::SideB;
constexpr Target C = Target::SideC;
constexpr Target CALCOLO = Target::Calculate;
constexpr Target SVOLGIMENTO = Target::Working;
constexpr Target COPIA = Target::Copy;

// A side that overflows a double, and one so small that Briggs' denominators underflow to zero.
template <std::size_t N> struct Digits {
    std::array<char, N> text{};
    constexpr std::string_view view() const { return {text.data(), text.size()}; }
};
constexpr Digits<400> nines() {
    Digits<400> digits;
    digits.text.fill('9');
    return digits;
}
constexpr Digits<172> tiny() {
    Digits<172> digits;
    digits.text.fill('0');
    digits.text[1] = '.';
    digits.text.back() = '1';
    return digits;
}
inline constexpr auto NINES = nines();
inline constexpr auto TINY = tiny();
inline constexpr std::string_view HUGE_SIDE = NINES.view();
inline constexpr std::string_view TINY_SIDE = TINY.view();

// The results of these sides, written once for every front end: for 3, 4, 5; 7, 8, 9; 2, 3, 4 and
// 1, 1, 1 as worked by hand, and all of them as the independent mpmath reference gives them to the
// printed digit (app/tests/independent_reference.py).
inline constexpr std::string_view R_3_4_5 = "36 52 12 53 7 48 89 59 60 4. 6. 12.";
inline constexpr std::string_view R_7_8_9 = "48 11 23 58 24 43 73 23 54 7.666519 26.832816 24.";
inline constexpr std::string_view R_2_3_4 = "28 57 18 46 34 3 104 28 39 2.904738 2.904738 9.";
inline constexpr std::string_view R_1_1_1 = "59 59 60 59 59 60 59 59 60 0.866025 0.433013 3.";
inline constexpr std::string_view R_35_30_30 =
    "71 22 14 54 18 53 54 18 53 24.366986 426.422253 95.";
inline constexpr std::string_view R_3_5_30_30 =
    "6 41 18 86 39 21 86 39 21 29.948915 52.410601 63.5";

// clang-format off
inline constexpr Step START[] = {results(""), focus(CALCOLO)};
inline constexpr Step TYPED_3_4_5[] = {
    type(A, "3"), type(B, "4"), type(C, "5"), CLICK, results(R_3_4_5)};
inline constexpr Step TYPED_7_8_9[] = {
    type(A, "7"), type(B, "8"), type(C, "9"), CLICK, results(R_7_8_9)};
inline constexpr Step EQUAL_SIDES[] = {
    set(A, "1"), set(B, "1"), set(C, "1"), CLICK, results(R_1_1_1)};
inline constexpr Step PASTED_COMMA[] = {
    set(A, "2,5"), set(B, "3"), set(C, "4"), CLICK, results(R_2_3_4)};
inline constexpr Step NO_TRIANGLE[] = {
    type(A, "3"), type(B, "4"), type(C, "5"), CLICK, results(R_3_4_5),
    set(C, "9"), CLICK, UNCHANGED,
    set(C, "5"), set(B, "0"), CLICK, UNCHANGED,
    set(A, "1"), set(B, "2"), set(C, "3"), CLICK, UNCHANGED,
    set(A, "-3"), set(B, "4"), set(C, "5"), CLICK, UNCHANGED,
    set(A, ""), set(B, ""), set(C, ""), CLICK, results(R_3_4_5)};
inline constexpr Step EMPTY_FIELDS[] = {CLICK, results("")};
inline constexpr Step ONLY_THE_BUTTON[] = {
    type(A, "3"), type(B, "4"), type(C, "5"),
    press(KEY_ENTER), holds(C, "5"), focus(C), results(""),
    press(KEY_SHIFT_TAB), press(KEY_SHIFT_TAB), press(KEY_SHIFT_TAB), focus(CALCOLO),
    press(KEY_ENTER), results(""),
    press(KEY_SPACE), results(R_3_4_5)};
inline constexpr Step TAB_ORDER[] = {
    focus(CALCOLO), press(KEY_TAB), focus(A), press(KEY_TAB), focus(B), press(KEY_TAB), focus(C),
    press(KEY_TAB), focus(SVOLGIMENTO), press(KEY_SHIFT_TAB), focus(C),
    press(KEY_SHIFT_TAB), focus(B), press(KEY_SHIFT_TAB), focus(A), press(KEY_SHIFT_TAB),
    focus(CALCOLO)};
inline constexpr Step TAB_GOES_ROUND[] = {
    type(C, "5"), press(KEY_TAB), press(KEY_TAB), focus(CALCOLO), press(KEY_SHIFT_TAB),
    focus(SVOLGIMENTO)};
inline constexpr Step KEYSTROKE_RULE[] = {
    type(A, "3e5 x"), holds(A, "35"),
    type(B, "\u0663\u00bd\uff13\u03b1\u00e9*/=()&%$#'\"_"), holds(B, ""),
    type(C, "--5+1.2.3"), holds(C, "--5+1.2.3")};
inline constexpr Step EDITING_KEYS[] = {
    type(A, "12345"), press(KEY_BACKSPACE), holds(A, "1234"),
    press(KEY_ESCAPE), press(KEY_ENTER), holds(A, "1234"), focus(A),
    press(KEY_CTRL_V), holds(A, "1234")};
inline constexpr Step COMMA_DROPPED[] = {
    type(A, "3,5"), holds(A, "35"), type(B, "1,2.3"), holds(B, "12.3"),
    set(B, "30"), set(C, "30"), CLICK, results(R_35_30_30)};
inline constexpr Step COMMA_IS_THE_POINT[] = {
    type(A, "3,5"), holds(A, "3.5"), type(B, "1,2.3"), holds(B, "1.2.3"),
    set(B, "30"), set(C, "30"), CLICK, results(R_3_5_30_30)};
inline constexpr Step FAULTS[] = {
    type(A, "3"), type(B, "4"), type(C, "5"), CLICK, results(R_3_4_5),
    set(A, HUGE_SIDE), CLICK, fault("Overflow"), UNCHANGED, CLOSE_FAULT, UNCHANGED,
    set(A, TINY_SIDE), set(B, TINY_SIDE), set(C, TINY_SIDE), CLICK,
    fault("Divisione per zero"), CLOSE_FAULT, results(R_3_4_5),
    set(A, "7"), set(B, "8"), set(C, "9"), CLICK, results(R_7_8_9)};
inline constexpr Step ONE_FAULT_BOX[] = {
    set(A, HUGE_SIDE), set(B, "4"), set(C, "5"), CLICK, fault("Overflow"),
    set(A, "3"), CLICK, CLICK, results(""), fault("Overflow"),
    CLOSE_FAULT, results(""), CLICK, results(R_3_4_5)};
inline constexpr std::string_view NOT_3_4_9 =
    "Questi lati non formano un triangolo: p − c = −1, che non è maggiore di 0 (con p = 8).";
inline constexpr std::string_view NOT_1_2_3 =
    "Questi lati non formano un triangolo: p − c = 0, che non è maggiore di 0 (con p = 3).";
inline constexpr Step ERROR_SAID[] = {
    type(A, "3"), type(B, "4"), type(C, "5"), CLICK, results(R_3_4_5), message(""), marked(""),
    set(C, "9"), CLICK, UNCHANGED, message(NOT_3_4_9), marked("p − c"),
    set(C, "5"), set(B, "0"), CLICK, UNCHANGED, marked(""),
    message("Il lato b è 0: ogni lato deve essere maggiore di 0."),
    set(B, ""), CLICK, message("Manca il lato b: ogni lato deve essere un numero maggiore di 0."),
    set(A, "-3"), set(B, "4"), CLICK, UNCHANGED,
    message("Il lato a è negativo (−3): ogni lato deve essere maggiore di 0."),
    set(A, "x"), CLICK,
    message("Il lato a «x» non è un numero: ogni lato deve essere un numero maggiore di 0."),
    set(A, "1"), set(B, "2"), set(C, "3"), CLICK, UNCHANGED, message(NOT_1_2_3), marked("p − c"),
    set(A, "3"), set(B, "4"), set(C, "5"), CLICK, results(R_3_4_5), message(""), marked("")};
inline constexpr Step PART_READ_SAID[] = {
    set(A, "2,5"), set(B, "3"), set(C, "4"), CLICK, results(R_2_3_4),
    message("Attenzione: il lato a «2,5» è letto come 2."),
    set(A, "3,5"), set(C, "10z"), CLICK, results(R_2_3_4),
    message("Questi lati non formano un triangolo: p − c = −2, che non è maggiore di 0 (con p = "
            "8). Attenzione: il lato a «3,5» è letto come 3; il lato c «10z» è letto come 10."),
    set(A, "2"), set(C, "4"), CLICK, message("")};
inline constexpr Step FAULT_CLEARS_MESSAGE[] = {
    set(A, "3"), set(B, "4"), set(C, "9"), CLICK, message(NOT_3_4_9),
    set(A, HUGE_SIDE), CLICK, fault("Overflow"), CLOSE_FAULT, message(""), marked("")};
inline constexpr Step WORKING_SHOWN[] = {
    type(A, "3"), type(B, "4"), type(C, "5"), CLICK, click(SVOLGIMENTO),
    shows("a\t3."), shows("p\t6."), shows("p − c\t1."), shows("tan(α/2)\t0.333333"),
    shows("α/2 in gradi\t18.4349"), shows("α\t36°52'12\""), shows("α in gon\t40.9666"),
    shows("γ\t89°59'60\" = 90°00'00\""), shows("γ in radianti\t1.570796"),
    shows("α + β + γ in gradi\t180.0000"), shows("α + β + γ in gon\t200.0000"),
    shows("S\t6."), shows("h\t4."), shows("2p\t12."), shows("altezza hb\t3."),
    shows("mediana ma\t4.272002"), shows("raggio inscritto r\t1."),
    shows("raggio circoscritto R\t2.5"), shows("raggio exinscritto rc\t6."),
    shows("triangolo per gli angoli\trettangolo"), shows("triangolo per i lati\tscaleno"),
    set(A, "7"), set(B, "8"), set(C, "9"), CLICK, results(R_7_8_9), shows("p\t12."),
    shows("α\t48°11'23\""), shows("S\t26.832816"),
    shows("triangolo per gli angoli\tacutangolo"),
    set(C, "21"), CLICK, message("Questi lati non formano un triangolo: p − c = −3, che non è "
                                 "maggiore di 0 (con p = 18)."),
    shows("p\t12."),
    click(COPIA), clipboardHolds("p\t(a + b + c) / 2 = (7 + 8 + 9) / 2\t12."),
    clipboardHolds("tan(α/2)\t√((p − b)(p − c) / (p(p − a))) = √(4 · 3 / (12 · 5))\t0.447214")};
inline constexpr Step LONG_RESULTS_APART[] = {
    set(A, "123456.5"), set(B, "123456.25"), set(C, "123456.75"), CLICK, RESULTS_APART};
// clang-format on

} // namespace behaviour

inline constexpr Scenario FORM2_BEHAVIOUR[] = {
    {"at start the results are blank and the focus is on Calcolo", Locales::Any, behaviour::START},
    {"3, 4, 5 typed, then Calcolo", Locales::Any, behaviour::TYPED_3_4_5},
    {"7, 8, 9 typed, then Calcolo", Locales::Any, behaviour::TYPED_7_8_9},
    {"1, 1, 1: three equal angles", Locales::Any, behaviour::EQUAL_SIDES},
    {"a pasted 2,5 is read as 2: the triangle 2, 3, 4", Locales::Any, behaviour::PASTED_COMMA},
    {"sides that make no triangle, and b = 0, change nothing", Locales::Any,
     behaviour::NO_TRIANGLE},
    {"empty fields change nothing", Locales::Any, behaviour::EMPTY_FIELDS},
    {"Enter calculates nothing, in a field or on Calcolo; Space on Calcolo does", Locales::Any,
     behaviour::ONLY_THE_BUTTON},
    {"Tab walks Calcolo, a, b, c, Svolgimento; Shift+Tab walks back", Locales::Any,
     behaviour::TAB_ORDER},
    {"Tab goes round from Svolgimento to Calcolo, and Shift+Tab back", Locales::Any,
     behaviour::TAB_GOES_ROUND},
    {"typing keeps only the characters of a number", Locales::Any, behaviour::KEYSTROKE_RULE},
    {"backspace deletes; Escape, Enter and the paste shortcut type nothing", Locales::Any,
     behaviour::EDITING_KEYS},
    {"a typed comma is dropped where the separator is the point", Locales::Point,
     behaviour::COMMA_DROPPED},
    {"a typed comma is the decimal point where the separator is the comma", Locales::Comma,
     behaviour::COMMA_IS_THE_POINT},
    {"a fault is reported in a box, the results stay and the form goes on", Locales::Any,
     behaviour::FAULTS},
    {"no calculation starts while a fault box is open", Locales::Any, behaviour::ONE_FAULT_BOX},
    {"long results lie apart", Locales::Any, behaviour::LONG_RESULTS_APART},
    {"a message says why the sides give no results, and the results stay", Locales::Any,
     behaviour::ERROR_SAID},
    {"a message says how a side text was read only in part", Locales::Any,
     behaviour::PART_READ_SAID},
    {"a fault's box stands alone, and clears the message", Locales::Any,
     behaviour::FAULT_CLEARS_MESSAGE},
    {"Svolgimento shows the working and every element, and follows each triangle", Locales::Any,
     behaviour::WORKING_SHOWN},
};

inline constexpr KnownDeviation FORM2_KNOWN_DEVIATIONS[] = {
    {FrontEnd::Page, "Tab goes round from Svolgimento to Calcolo, and Shift+Tab back",
     "a page hands Tab past its last control on to the browser's own (the address bar, the "
     "tabs), as every page does; holding it inside the form would trap the keyboard there"},
};

// Whether the scenario holds where the user's decimal separator is the comma, or the point.
constexpr bool holdsIn(const Scenario& scenario, bool commaSeparator) {
    return scenario.locales == Locales::Any ||
           (scenario.locales == Locales::Comma) == commaSeparator;
}

// The front end's known deviation from the scenario, or nullptr.
constexpr const KnownDeviation* knownDeviation(FrontEnd frontEnd, const Scenario& scenario) {
    for (const KnownDeviation& known : FORM2_KNOWN_DEVIATIONS) {
        if (known.frontEnd == frontEnd && known.scenario == scenario.name) {
            return &known;
        }
    }
    return nullptr;
}

} // namespace zirev1
