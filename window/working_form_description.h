// SPDX-License-Identifier: MIT
#pragma once

#include "form2_description.h"

namespace zirev1 {

// Svolgimento, the working, as data like Form2: a second window that Form2's Svolgimento button
// opens, showing the last valid triangle's working, its elements and its drawing to scale, and
// following each new calculation. The names go on from Form2's, so that both forms can share one
// page.

// clang-format off
inline constexpr Control WORKING_CONTROLS[] = {
    {"Label40", ControlKind::Label, Role::Heading, {240, 120, 3300, 585}, {"Verdana", 24},
     Ink::Blue, "Svolgimento", true},
    {"Label41", ControlKind::Label, Role::Caption, {7920, 840, 2700, 360}, SMALL_FONT,
     Ink::Default, "Il triangolo in scala", true},
    // The quantities, their formulas with the numbers put in, and their values; it scrolls.
    {"Grid1", ControlKind::Table, Role::Working, {240, 840, 7440, 9600}, SMALL_FONT,
     Ink::Default, {}, false, "Svolgimento con i numeri del triangolo", {}, 1},
    {"Image4", ControlKind::Picture, Role::Illustration, {7920, 1200, 5400, 4500}, WINDOW_FONT,
     Ink::Default, {}, false, "Il triangolo disegnato in scala dai suoi lati", {}, 0,
     Drawing::ScaleTriangle},
    {"Command3", ControlKind::Button, Role::Copy, {7920, 5940, 2055, 495}, WINDOW_FONT,
     Ink::Default, "Copia", false, {}, {}, 2},
    // The sheet of the triangle and its working: on the printer, or into a PDF file.
    {"Command4", ControlKind::Button, Role::Print, {7920, 6600, 2055, 495}, WINDOW_FONT,
     Ink::Default, "Stampa", false, {}, {}, 3},
    {"Command5", ControlKind::Button, Role::SavePdf, {10200, 6600, 3120, 495}, WINDOW_FONT,
     Ink::Default, "Salva come PDF", false, {}, {}, 4},
};
// clang-format on

// What closes Svolgimento where no window manager draws a title bar for it: the page's button.
inline constexpr std::string_view WORKING_FORM_CLOSE = "Chiudi";

inline constexpr FormDescription WORKING_FORM{
    "Svolgimento", "Svolgimento - zirev1.", {13560, 10680}, WINDOW_FONT, WORKING_CONTROLS, {}, {}};

namespace form_checks {

// No name of one form is another's: the page holds both.
constexpr bool namesApart(const FormDescription& first, const FormDescription& second) {
    return std::none_of(first.controls.begin(), first.controls.end(),
                        [&](const Control& c) { return findControl(second, c.name) != nullptr; });
}

} // namespace form_checks

static_assert(form_checks::everyControlInsideTheWindow(WORKING_FORM));
static_assert(form_checks::namesUnique(WORKING_FORM));
static_assert(form_checks::namesApart(FORM2, WORKING_FORM));
static_assert(form_checks::tabOrderComplete(WORKING_FORM));
static_assert(form_checks::picturesDrawn(WORKING_FORM));
static_assert(form_checks::countRole(WORKING_FORM, Role::Working) == 1);
static_assert(form_checks::countRole(WORKING_FORM, Role::Copy) == 1);
static_assert(form_checks::countRole(WORKING_FORM, Role::Print) == 1);
static_assert(form_checks::countRole(WORKING_FORM, Role::SavePdf) == 1);
static_assert(form_checks::resultsDescribed(WORKING_FORM));

} // namespace zirev1
