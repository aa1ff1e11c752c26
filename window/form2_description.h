// SPDX-License-Identifier: MIT
#pragma once

#include "drawing.h"
#include "form_style.h"
#include "layout_units.h"
#include "result_texts.h"
#include "text_metrics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string_view>

namespace zirev1 {

// Form2 as data: every control with its name, kind, place and size in twips, font, colours,
// caption and accessible texts, in stacking order (bottom first). Each front end (the Qt window,
// the web page, the Windows window) builds its controls by walking this table, so that a fact
// about the form is stated here once.

enum class ControlKind { Label, Field, Button, Picture, Table };

// The size an autosized label takes for its caption: the caption's width and the font's height,
// each rounded up to whole pixels at 96 dpi, in twips. "Sup.=" at 13.5 pt -> 915 x 315.
struct TwipsSize {
    int width = 0, height = 0;
    friend constexpr bool operator==(const TwipsSize&, const TwipsSize&) = default;
};
constexpr int ceilToInt(double value) {
    const int whole = static_cast<int>(value);
    return whole < value ? whole + 1 : whole;
}
constexpr TwipsSize captionSize(std::string_view caption, const ControlFont& font) {
    const double pixels = font.pixelSize();
    return {ceilToInt(textWidth(caption, pixels)) * TWIPS_PER_PIXEL,
            ceilToInt(ascentOf(pixels) + descentOf(pixels)) * TWIPS_PER_PIXEL};
}

// What a control is to the form's behaviour. Front ends and tests find controls by their role;
// the names are the controls' object names and ids, which nothing else spells.
enum class Role {
    Caption,      // a fixed text
    Heading,      // the form's heading, for screen readers
    SideField,    // a side's field; FormDescription::sideFields orders them a, b, c
    Calculate,    // the button that calculates
    Result,       // a result label; FormDescription::resultLabels orders them as they are written
    Illustration, // a picture
    Message,      // what the last calculation says about the sides; its text wraps in its box
    OpenWorking,  // the button that opens the working
    Working,      // the working's table of quantities, formulas and values
    Copy          // the button that puts the working on the clipboard
};

struct Control {
    std::string_view name;
    ControlKind kind;
    Role role;
    TwipsRect place; // where the design puts it; an autosized label's size follows its caption
    ControlFont font = WINDOW_FONT;
    Ink ink = Ink::Default;
    std::string_view caption = {}; // UTF-8; fields and result labels start empty
    bool autoSize = false;
    std::string_view accessibleName = {};        // empty: the caption, or for a result its value
    std::string_view accessibleDescription = {}; // what a result label's value is
    int tabIndex = 0;                            // 1, 2, ... in Tab order; 0 takes no focus
    Drawing drawing = Drawing::None;             // a picture's drawing, in pixels at 96 dpi
    bool opaque = true; // a picture that fills its ground; a transparent one shows what lies under

    // The rectangle the control takes at start, with its starting caption.
    constexpr TwipsRect startPlace() const {
        if (!autoSize) {
            return place;
        }
        const TwipsSize size = captionSize(caption, font);
        return {place.left, place.top, size.width, size.height};
    }
    constexpr bool isResult() const { return role == Role::Result; }
};

struct FormDescription {
    std::string_view name;
    std::string_view title;
    TwipsSize restoredClientSize; // the window opens maximized; this is its restored size
    ControlFont defaultFont;
    std::span<const Control> controls;              // stacking order, bottom first
    std::span<const std::string_view> resultLabels; // in the order their texts are written
    std::span<const std::string_view> sideFields;   // a, b, c
};

// clang-format off
inline constexpr Control FORM2_CONTROLS[] = {
    // Captions fixed at start; all autosized.
    {"Label1", ControlKind::Label, Role::Heading, {1200, 360, 12660, 1170}, {"Verdana", 48},
     Ink::Blue, "Sui triangoli qualunque", true},
    {"Label24", ControlKind::Label, Role::Caption, {1440, 1800, 8595, 555}, {WINDOW_FACE, 24},
     Ink::Blue, "Soluzioni con precisioni angolari di 1''", true},
    {"Label4", ControlKind::Label, Role::Caption, {240, 2400, 2745, 360}, WINDOW_FONT, Ink::Default,
     "Elementi dati: 3 lati ", true},
    {"Label8", ControlKind::Label, Role::Caption, {2280, 3600, 405, 360}, WINDOW_FONT, Ink::Default,
     "lati", true},
    {"Label3", ControlKind::Label, Role::Caption, {3240, 4320, 180, 360}, WINDOW_FONT, Ink::Blue,
     "a", true},
    {"Label6", ControlKind::Label, Role::Caption, {3240, 5040, 195, 360}, WINDOW_FONT, Ink::Blue,
     "b", true},
    {"Label10", ControlKind::Label, Role::Caption, {3240, 5760, 165, 345}, {"Verdana", 14.25},
     Ink::Blue, "c", true},
    {"Label5", ControlKind::Label, Role::Caption, {9240, 4440, 840, 360}, WINDOW_FONT, Ink::Default,
     "Sup.=", true},
    {"Label16", ControlKind::Label, Role::Caption, {9255, 5040, 465, 360}, WINDOW_FONT,
     Ink::Default, "h =", true},
    {"Label28", ControlKind::Label, Role::Caption, {9240, 5520, 720, 360}, WINDOW_FONT,
     Ink::Default, "2 p =", true},
    {"Label21", ControlKind::Label, Role::Caption, {9360, 6720, 3705, 240}, SMALL_FONT,
     Ink::Default, "    Gradi             Primi            Secondi", true},
    // Stored as a, b, g in the Symbol typeface, which shows them as Greek; drawn as Greek here.
    {"Label17", ControlKind::Label, Role::Caption, {9000, 7200, 465, 345}, GREEK_FONT, Ink::Default,
     "α =", true},
    {"Label25", ControlKind::Label, Role::Caption, {9000, 7800, 435, 345}, GREEK_FONT, Ink::Default,
     "β =", true},
    {"Label9", ControlKind::Label, Role::Caption, {9000, 8400, 390, 345}, GREEK_FONT, Ink::Default,
     "γ =", true},
    {"Label29", ControlKind::Label, Role::Caption, {12960, 10200, 1020, 240}, SMALL_FONT,
     Ink::Default, "KWZ 2017", true},

    // The side fields; Text1, Text2, Text4 hold a, b, c.
    {"Text1", ControlKind::Field, Role::SideField, {1920, 4200, 1215, 495}, FIELD_FONT,
     Ink::Default, {}, false, "Lato a", {}, 2},
    {"Text2", ControlKind::Field, Role::SideField, {1920, 4920, 1215, 495}, FIELD_FONT,
     Ink::Default, {}, false, "Lato b", {}, 3},
    {"Text4", ControlKind::Field, Role::SideField, {1920, 5640, 1215, 495}, FIELD_FONT,
     Ink::Default, {}, false, "Lato c", {}, 4},
    // Not the default button: Enter never presses it.
    {"Command1", ControlKind::Button, Role::Calculate, {10080, 3360, 2055, 495}, WINDOW_FONT,
     Ink::Default, "Calcolo", false, {}, {}, 1},
    // After the design's controls: below the sides it works with, and last in Tab order.
    {"Command2", ControlKind::Button, Role::OpenWorking, {1920, 6240, 2055, 495}, WINDOW_FONT,
     Ink::Default, "Svolgimento", false, {}, {}, 5},
    // Beside Calcolo, in the design's free space right of it, so that it is read where the eye
    // is after the click; empty until a calculation has something to say.
    {"Label30", ControlKind::Label, Role::Message, {12360, 2400, 6600, 1560}, SMALL_FONT,
     Ink::Default},

    // The result labels, empty at start.
    {"Label18", ControlKind::Label, Role::Result, {9720, 7200, 105, 360}, WINDOW_FONT, Ink::Default,
     {}, true,
     {}, "α, gradi"},
    {"Label19", ControlKind::Label, Role::Result, {11100, 7200, 105, 360}, WINDOW_FONT,
     Ink::Default, {}, true,
     {}, "α, primi"},
    {"Label20", ControlKind::Label, Role::Result, {12480, 7200, 1110, 360}, WINDOW_FONT,
     Ink::Default, {},
     false, {}, "α, secondi"},
    {"Label22", ControlKind::Label, Role::Result, {9720, 7800, 105, 360}, WINDOW_FONT, Ink::Default,
     {}, true,
     {}, "β, gradi"},
    {"Label23", ControlKind::Label, Role::Result, {11100, 7800, 105, 360}, WINDOW_FONT,
     Ink::Default, {}, true,
     {}, "β, primi"},
    {"Label26", ControlKind::Label, Role::Result, {12480, 7800, 1110, 360}, WINDOW_FONT,
     Ink::Default, {},
     false, {}, "β, secondi"},
    {"Label12", ControlKind::Label, Role::Result, {9720, 8400, 1110, 360}, WINDOW_FONT,
     Ink::Default, {},
     false, {}, "γ, gradi"},
    {"Label13", ControlKind::Label, Role::Result, {11100, 8400, 1110, 360}, WINDOW_FONT,
     Ink::Default, {},
     false, {}, "γ, primi"},
    {"Label14", ControlKind::Label, Role::Result, {12480, 8400, 1110, 360}, WINDOW_FONT,
     Ink::Default, {},
     false, {}, "γ, secondi"},
    {"Label7", ControlKind::Label, Role::Result, {9840, 5040, 105, 360}, WINDOW_FONT, Ink::Default,
     {}, true,
     {}, "Altezza h su a"},
    {"Label11", ControlKind::Label, Role::Result, {10200, 4440, 105, 360}, WINDOW_FONT,
     Ink::Default, {}, true,
     {}, "Superficie"},
    {"Label15", ControlKind::Label, Role::Result, {10680, 5520, 105, 360}, WINDOW_FONT,
     Ink::Default, {}, true,
     {}, "Perimetro"},

    // The pictures lie on top, in this order: the formulas above the triangle figure (their
    // heading stays whole) and the validity conditions above the angle results, which show
    // through them.
    {"Image1", ControlKind::Picture, Role::Illustration, {4560, 3000, 4335, 4365}, WINDOW_FONT,
     Ink::Default, {},
     false, "Figura: il triangolo con i lati a, b, c, gli angoli α, β, γ e l'altezza h su a", {},
     0, Drawing::TriangleFigure},
    {"Image2", ControlKind::Picture, Role::Illustration, {360, 6840, 5550, 4020}, WINDOW_FONT,
     Ink::Default, {},
     false, "Formule di Briggs: le tangenti dei mezzi angoli dai lati e dal semiperimetro p", {},
     0, Drawing::BriggsFormulas},
    {"Image3", ControlKind::Picture, Role::Illustration, {6360, 7560, 9645, 1635}, WINDOW_FONT,
     Ink::Default, {},
     false, "Condizioni di validità: p - a, p - b e p - c maggiori di zero", {}, 0,
     Drawing::ValidityConditions, false},
};
// clang-format on

// Part of the calculation's contract: the twelve texts in the order they are written.
inline constexpr std::string_view FORM2_RESULT_LABELS[] = {
    "Label18", "Label19", "Label20", "Label22", "Label23", "Label26",
    "Label12", "Label13", "Label14", "Label7",  "Label11", "Label15"};

// The fields the calculation reads the sides a, b and c from.
inline constexpr std::string_view FORM2_SIDE_FIELDS[] = {"Text1", "Text2", "Text4"};

inline constexpr FormDescription FORM2{"Form2",          "zirev1.",      {4680, 3195},
                                       WINDOW_FONT,      FORM2_CONTROLS, FORM2_RESULT_LABELS,
                                       FORM2_SIDE_FIELDS};

// The stacking index of the control of this name, or the number of controls if there is none.
// (Indices rather than pointers: GCC cannot compare addresses in constant expressions under
// -fsanitize=undefined.)
constexpr std::size_t controlIndex(const FormDescription& form, std::string_view name) {
    std::size_t index = 0;
    while (index < form.controls.size() && form.controls[index].name != name) {
        ++index;
    }
    return index;
}

// The control of this name, or nullptr.
constexpr const Control* findControl(const FormDescription& form, std::string_view name) {
    const std::size_t index = controlIndex(form, name);
    return index < form.controls.size() ? &form.controls[index] : nullptr;
}

// The controls of the form's behaviour, by role: the first of the role, which the form has.
constexpr const Control& controlOfRole(const FormDescription& form, Role role) {
    return *std::find_if(form.controls.begin(), form.controls.end(),
                         [role](const Control& c) { return c.role == role; });
}
constexpr const Control& calculateButton(const FormDescription& form) {
    return controlOfRole(form, Role::Calculate);
}
// side: 0, 1, 2 for a, b, c.
constexpr const Control& sideField(const FormDescription& form, std::size_t side) {
    return form.controls[controlIndex(form, form.sideFields[side])];
}
// index: the result's place in the order the twelve texts are written.
constexpr const Control& resultLabel(const FormDescription& form, std::size_t index) {
    return form.controls[controlIndex(form, form.resultLabels[index])];
}

// The focusable controls in Tab order.
struct TabOrder {
    std::array<const Control*, 8> controls{};
    std::size_t count = 0;
    constexpr auto begin() const { return controls.begin(); }
    constexpr auto end() const { return controls.begin() + static_cast<std::ptrdiff_t>(count); }
};
constexpr TabOrder tabOrder(const FormDescription& form) {
    TabOrder order;
    for (int tabIndex = 1; order.count < order.controls.size(); ++tabIndex) {
        std::size_t next = form.controls.size();
        for (std::size_t i = 0; i < form.controls.size(); ++i) {
            if (form.controls[i].tabIndex == tabIndex) {
                next = i;
            }
        }
        if (next == form.controls.size()) {
            break;
        }
        order.controls[order.count++] = &form.controls[next];
    }
    return order;
}

namespace form_checks {

// Where the controls may lie: the maximized window at 1280 x 1024 pixels, the smallest screen the
// form is designed for.
inline constexpr TwipsRect DESIGN_SCREEN{0, 0, 1280 * TWIPS_PER_PIXEL, 1024 * TWIPS_PER_PIXEL};

constexpr bool everyControlInsideTheWindow(const FormDescription& form) {
    return std::all_of(form.controls.begin(), form.controls.end(), [](const Control& c) {
        return DESIGN_SCREEN.contains(c.startPlace()) && c.place.width > 0 && c.place.height > 0;
    });
}

constexpr bool namesUnique(const FormDescription& form) {
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        for (std::size_t j = i + 1; j < form.controls.size(); ++j) {
            if (form.controls[i].name == form.controls[j].name) {
                return false;
            }
        }
    }
    return true;
}

// Tab positions 1, 2, ... each taken once, by fields and buttons only.
constexpr bool tabOrderComplete(const FormDescription& form) {
    int focusable = 0;
    for (const Control& c : form.controls) {
        const bool takesFocus = c.kind == ControlKind::Field || c.kind == ControlKind::Button ||
                                c.kind == ControlKind::Table;
        if (takesFocus != (c.tabIndex > 0)) {
            return false;
        }
        focusable += takesFocus ? 1 : 0;
    }
    for (int index = 1; index <= focusable; ++index) {
        int holders = 0;
        for (const Control& c : form.controls) {
            holders += c.tabIndex == index ? 1 : 0;
        }
        if (holders != 1) {
            return false;
        }
    }
    return true;
}

// Every result label named once in the writing order, one for each text the calculation writes,
// and nothing else there.
constexpr bool resultLabelsComplete(const FormDescription& form) {
    std::size_t results = 0;
    for (const Control& c : form.controls) {
        results += c.isResult() ? 1 : 0;
    }
    return results == form.resultLabels.size() && results == ResultTexts::count &&
           std::all_of(form.resultLabels.begin(), form.resultLabels.end(), [&](auto name) {
               const std::size_t i = controlIndex(form, name);
               return i < form.controls.size() && form.controls[i].isResult() &&
                      form.controls[i].kind == ControlKind::Label &&
                      std::count(form.resultLabels.begin(), form.resultLabels.end(), name) == 1;
           });
}

constexpr bool sideFieldsComplete(const FormDescription& form) {
    std::size_t fields = 0;
    for (const Control& c : form.controls) {
        fields += c.kind == ControlKind::Field ? 1 : 0;
    }
    return fields == form.sideFields.size() &&
           std::all_of(form.sideFields.begin(), form.sideFields.end(), [&](auto name) {
               const std::size_t i = controlIndex(form, name);
               return i < form.controls.size() && form.controls[i].kind == ControlKind::Field;
           });
}

constexpr bool isButtonRole(Role role) {
    return role == Role::Calculate || role == Role::OpenWorking || role == Role::Copy;
}

constexpr std::size_t countRole(const FormDescription& form, Role role) {
    return static_cast<std::size_t>(
        std::count_if(form.controls.begin(), form.controls.end(),
                      [role](const Control& c) { return c.role == role; }));
}

// One control calculates, a button; buttons only calculate, open the working or copy it.
constexpr bool oneCalculateButton(const FormDescription& form) {
    return countRole(form, Role::Calculate) == 1 &&
           std::all_of(form.controls.begin(), form.controls.end(), [](const Control& c) {
               return isButtonRole(c.role) == (c.kind == ControlKind::Button) &&
                      (c.role == Role::SideField) == (c.kind == ControlKind::Field) &&
                      (c.role == Role::Illustration) == (c.kind == ControlKind::Picture);
           });
}

// Results are described for screen readers, and nothing else is.
constexpr bool resultsDescribed(const FormDescription& form) {
    return std::all_of(form.controls.begin(), form.controls.end(), [](const Control& c) {
        return c.isResult() == !c.accessibleDescription.empty();
    });
}

// Pictures have a drawing and a name for screen readers; nothing else draws.
constexpr bool picturesDrawn(const FormDescription& form) {
    return std::all_of(form.controls.begin(), form.controls.end(), [](const Control& c) {
        return (c.kind == ControlKind::Picture) ==
                   (c.drawing != Drawing::None && !c.accessibleName.empty()) &&
               (c.kind == ControlKind::Picture || c.opaque);
    });
}

// The fields have names a screen reader says, and the button its caption.
constexpr bool focusableControlsNamed(const FormDescription& form) {
    return std::all_of(form.controls.begin(), form.controls.end(), [](const Control& c) {
        return c.kind != ControlKind::Field || !c.accessibleName.empty();
    });
}

} // namespace form_checks

static_assert(form_checks::everyControlInsideTheWindow(FORM2));
static_assert(form_checks::namesUnique(FORM2));
static_assert(form_checks::tabOrderComplete(FORM2));
static_assert(form_checks::resultLabelsComplete(FORM2));
static_assert(form_checks::sideFieldsComplete(FORM2));
static_assert(form_checks::picturesDrawn(FORM2));
static_assert(tabOrder(FORM2).count == 5);
static_assert(form_checks::countRole(FORM2, Role::Message) == 1);
static_assert(form_checks::countRole(FORM2, Role::OpenWorking) == 1);
static_assert(form_checks::focusableControlsNamed(FORM2));
static_assert(form_checks::oneCalculateButton(FORM2));
static_assert(form_checks::resultsDescribed(FORM2));

} // namespace zirev1
