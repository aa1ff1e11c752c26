// SPDX-License-Identifier: MIT
// Writes the form for the web page, at build time: Form2's description as JSON, every control in
// stacking order with its place in pixels, and each picture drawn into an SVG file that the page
// takes in as it is. It holds what the page, its tests and the window checks read, and no more.
//
//   zirev1_export_form OUTPUT_DIR    -> OUTPUT_DIR/form.json, a picture.svg by each picture's name
//                                      (Image3-0.svg... with each validity condition marked),
//                                      and behaviour.json, the form's behaviour for the page's
//                                      driver
//
// Svolgimento, the second form, is in form.json's "workingForm", in the same terms.

#include "arithmetic_fault.h"
#include "behaviour_json.h"
#include "calculate_for_window.h"
#include "drawn_extent.h"
#include "fault_box.h"
#include "form2_description.h"
#include "json_writer.h"
#include "narrow_layout.h"
#include "scale_triangle.h"
#include "side_key_filter.h"
#include "spoken_results.h"
#include "svg_canvas.h"
#include "text_metrics.h"
#include "unicode_text.h"
#include "working_form_description.h"
#include "working_rows.h"
#include "zirev1_calculate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zirev1;
using json::array;
using json::Object;
using json::quoted;

std::string fontJson(const ControlFont& font) {
    return Object().number("pixelSize", font.pixelSize()).json();
}

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::Field:
        return "field";
    case ControlKind::Button:
        return "button";
    case ControlKind::Picture:
        return "picture";
    case ControlKind::Table:
        return "table";
    }
    return "label";
}

std::string_view roleName(Role role) {
    switch (role) {
    case Role::Caption:
        return "caption";
    case Role::Heading:
        return "heading";
    case Role::SideField:
        return "sideField";
    case Role::Calculate:
        return "calculate";
    case Role::Result:
        return "result";
    case Role::Illustration:
        return "illustration";
    case Role::Message:
        return "message";
    case Role::OpenWorking:
        return "openWorking";
    case Role::Working:
        return "working";
    case Role::Copy:
        return "copy";
    case Role::Print:
        return "print";
    case Role::SavePdf:
        return "savePdf";
    }
    return "caption";
}

struct Fault {
    FaultKind kind;
    int outcome; // what zirev1_calculate returns for it
};
constexpr Fault FAULTS[] = {{FaultKind::Overflow, ZIREV1_OVERFLOW},
                            {FaultKind::DivisionByZero, ZIREV1_DIVISION_BY_ZERO}};
static_assert(std::size(FAULTS) == std::size(ALL_FAULTS));

bool write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "zirev1_export_form: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

std::string_view styleName(GroupStyle style) {
    switch (style) {
    case GroupStyle::Places:
        return "places";
    case GroupStyle::Flowing:
        return "flowing";
    case GroupStyle::Scaled:
        return "scaled";
    }
    return "places";
}

// The narrow screen's groups, each block with its controls' names and the rectangle they take in
// the window, in pixels.
std::string narrowGroupsJson(const FormDescription& form, std::span<const NarrowGroup> groups) {
    std::vector<std::string> groupsJson;
    for (const NarrowGroup& group : groups) {
        std::vector<std::string> blocks;
        for (const auto block : group.blocks) {
            std::vector<std::string> names;
            for (const std::string_view name : block) {
                names.push_back(quoted(name));
            }
            const PixelRect bounds = toPixels(blockBounds(form, block));
            blocks.push_back(Object()
                                 .add("controls", array(names))
                                 .number("left", bounds.left)
                                 .number("top", bounds.top)
                                 .number("width", bounds.width)
                                 .number("height", bounds.height)
                                 .json());
        }
        groupsJson.push_back(Object()
                                 .text("name", group.name)
                                 .text("style", styleName(group.style))
                                 .add("blocks", array(blocks, ",\n    "))
                                 .json());
    }
    return Object()
        .number("margin", twipsToPixels(NARROW_MARGIN))
        .number("formMargin", twipsToPixels(FORM_MARGIN))
        .number("touchTarget", twipsToPixels(TOUCH_TARGET))
        .number("blockGap", twipsToPixels(BLOCK_GAP))
        .number("groupGap", twipsToPixels(GROUP_GAP))
        .number("columnWidth", twipsToPixels(COLUMN_WIDTH))
        .number("flowingLines", FLOWING_LINES)
        .number("pictureGrowth", PICTURE_GROWTH)
        .add("groups", array(groupsJson, ",\n  "))
        .json();
}


// A picture's SVG, written beside form.json; the texts it shows join characters.
bool writePicture(const std::filesystem::path& path, const Control& control,
                  const DrawingInput& input, std::string& characters) {
    const PixelRect pixels = toPixels(control.startPlace());
    SvgCanvas canvas(pixels.width, pixels.height, SvgCanvas::Embedding::Inline);
    draw(control.drawing, canvas, input);
    characters += canvas.textsShown();
    return write(path, canvas.document());
}

// The validity conditions as each failing one marks them, and what a screen reader hears of it.
std::optional<std::string> marksJson(const Control& control, const std::filesystem::path& output,
                                     std::string& characters) {
    std::vector<std::string> marks;
    for (std::size_t condition = 0; condition < 3; ++condition) {
        InputReport report;
        report.problem = InputProblem::NoTriangle;
        report.condition = condition;
        const std::string file =
            std::string(control.name) + "-" + std::to_string(condition) + ".svg";
        if (!writePicture(output / file, control, {condition, std::nullopt}, characters)) {
            return std::nullopt;
        }
        marks.push_back(Object()
                            .number("condition", static_cast<double>(condition))
                            .text("svg", file)
                            .text("text", markedConditionText(report))
                            .json());
    }
    return array(marks);
}

// Every control of the form in stacking order, each picture drawn into its SVG file.
std::optional<std::string> controlsJson(const FormDescription& form,
                                        const std::filesystem::path& output,
                                        std::string& pictureCharacters) {
    std::vector<std::string> controls;
    for (const Control& control : form.controls) {
        const PixelRect pixels = toPixels(control.startPlace());
        Object json;
        json.text("name", control.name)
            .text("kind", kindName(control.kind))
            .text("role", roleName(control.role))
            .number("left", pixels.left)
            .number("top", pixels.top)
            .number("width", pixels.width)
            .number("height", pixels.height)
            .add("font", fontJson(control.font))
            .text("colour", hexColour(inkColour(control.ink)));
        if (control.kind != ControlKind::Picture) {
            json.text("background",
                      hexColour(control.kind == ControlKind::Field ? FIELD_GROUND : FACE_COLOUR));
        }
        json.text("caption", control.caption)
            .flag("autoSize", control.autoSize)
            .text("accessibleName", control.accessibleName)
            .text("accessibleDescription", control.accessibleDescription)
            .number("tabIndex", control.tabIndex);
        if (control.kind == ControlKind::Picture) {
            const std::string file = std::string(control.name) + ".svg";
            if (!writePicture(output / file, control, {}, pictureCharacters)) {
                return std::nullopt;
            }
            if (control.drawing == Drawing::ValidityConditions) {
                const std::optional<std::string> marks =
                    marksJson(control, output, pictureCharacters);
                if (!marks) {
                    return std::nullopt;
                }
                json.add("marks", *marks);
            }
            const DrawnExtent drawn = drawnExtent(control.drawing);
            const int drawnWidth = std::min(pixels.width, static_cast<int>(std::ceil(drawn.right)));
            const int drawnHeight =
                std::min(pixels.height, static_cast<int>(std::ceil(drawn.bottom)));
            json.text("svg", file)
                .add("drawn",
                     Object().number("width", drawnWidth).number("height", drawnHeight).json());
        }
        controls.push_back(json.json());
    }

    return array(controls, ",\n  ");
}

// What the calculation can write in the message and the working, beyond the form's captions:
// the texts of triangles of every kind, of a zero area, and of each problem of the sides, each
// character once.
std::string calculatedCharacters() {
    const std::string tiny = "0." + std::string(99, '0') + "1"; // a zero area, 1e-100
    const std::array<std::string_view, 3> SIDES[] = {
        {"3", "4", "5"}, {"2", "3", "4"},   {"1", "1", "1"},  {"2", "2", "3"},
        {"3", "4", "9"}, {"3", "0", "5"},   {"3", "", "5"},   {"-3", "4", "5"},
        {"x", "4", "5"}, {"2,5", "3", "4"}, {tiny, tiny, tiny}};
    std::string characters;
    for (const std::string_view separator : {".", ","}) {
        for (const auto& sides : SIDES) {
            const auto calculation = calculateForWindow(sides[0], sides[1], sides[2], separator);
            if (calculation.faulted()) {
                continue;
            }
            characters += windowMessage(calculation->report, separator);
            characters += markedConditionText(calculation->report);
            for (const WorkingSection& section : workingSections(*calculation, separator)) {
                characters += section.heading;
                for (const WorkingRow& row : section.rows) {
                    characters += row.quantity + row.working + row.value;
                }
            }
            if (calculation->results) {
                SvgCanvas canvas(static_cast<int>(scale_triangle::SIZE.x),
                                 static_cast<int>(scale_triangle::SIZE.y));
                drawScaleTriangle(canvas, calculation->sides);
                characters += canvas.textsShown();
            }
        }
    }
    std::u32string codes;
    for (std::size_t at = 0; at < characters.size();) {
        codes += nextCodePoint(characters, at);
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    std::string distinct;
    for (const char32_t code : codes) {
        appendUtf8(distinct, code);
    }
    return distinct;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zirev1_export_form OUTPUT_DIR\n");
        return 64;
    }
    const std::filesystem::path output = argv[1];
    const FormDescription& form = FORM2;

    std::string pictureCharacters;
    const std::optional<std::string> controls = controlsJson(form, output, pictureCharacters);
    const std::optional<std::string> workingControls =
        controlsJson(WORKING_FORM, output, pictureCharacters);
    if (!controls || !workingControls) {
        return 73;
    }
    std::vector<std::string> workingColumns;
    for (const std::string_view column : WORKING_COLUMNS) {
        workingColumns.push_back(quoted(column));
    }

    std::vector<std::string> resultLabels;
    for (const std::string_view name : form.resultLabels) {
        resultLabels.push_back(quoted(name));
    }
    std::vector<std::string> sideFields;
    for (const std::string_view name : form.sideFields) {
        sideFields.push_back(quoted(name));
    }
    // What a screen reader says after a calculation: these parts with the twelve texts between.
    std::vector<std::string> spokenParts;
    for (const std::string& part : spokenResults(form).parts) {
        spokenParts.push_back(quoted(std::string_view(part)));
    }
    std::vector<std::string> faults;
    for (const Fault& fault : FAULTS) {
        faults.push_back(Object()
                             .number("outcome", fault.outcome)
                             .text("name", faultName(fault.kind))
                             .text("explanation", faultExplanation(fault.kind))
                             .json());
    }

    const std::string json =
        Object()
            .text("name", form.name)
            .text("title", form.title)
            .text("typeface", STAND_IN_TYPEFACE)
            .text("background", hexColour(FACE_COLOUR))
            .add("controls", *controls)
            .add("resultLabels", array(resultLabels))
            .add("sideFields", array(sideFields))
            .add("spokenResults", array(spokenParts))
            .add("narrowLayout", narrowGroupsJson(form, FORM2_NARROW_GROUPS))
            .text("sideKeys", toUtf8(ALLOWED_SIDE_KEYS))
            .add("decimalCommaKey",
                 Object()
                     .text("typed", toUtf8(std::u16string_view(&DECIMAL_COMMA_KEY, 1)))
                     .text("entered", toUtf8(std::u16string_view(&SIDE_DECIMAL_POINT, 1)))
                     .json())
            .add("colours", Object()
                                .text("text", hexColour(DEFAULT_TEXT))
                                .text("fieldGround", hexColour(FIELD_GROUND))
                                .text("border", hexColour(CONTROL_BORDER))
                                .text("buttonFace", hexColour(BUTTON_FACE))
                                .text("focusRing", hexColour(FOCUS_RING))
                                .json())
            .add("faultBox", Object()
                                 .text("title", FAULT_BOX_TITLE)
                                 .text("button", FAULT_BOX_BUTTON)
                                 .add("ids", Object()
                                                 .text("box", FAULT_BOX_IDS.box)
                                                 .text("title", FAULT_BOX_IDS.title)
                                                 .text("name", FAULT_BOX_IDS.name)
                                                 .text("explanation", FAULT_BOX_IDS.explanation)
                                                 .text("button", FAULT_BOX_IDS.button)
                                                 .json())
                                 .json())
            .add("outcomes", Object()
                                 .number("results", ZIREV1_RESULTS)
                                 .number("noTriangle", ZIREV1_NO_TRIANGLE)
                                 .number("outTooSmall", ZIREV1_OUT_TOO_SMALL)
                                 .json())
            .add("faults", array(faults, ",\n  "))
            .text("pictureCharacters", pictureCharacters)
            .text("calculatedCharacters", calculatedCharacters())
            .add("workingForm", Object()
                                    .text("name", WORKING_FORM.name)
                                    .text("title", WORKING_FORM.title)
                                    .text("close", WORKING_FORM_CLOSE)
                                    .add("controls", *workingControls)
                                    .add("columns", array(workingColumns))
                                    .json())
            .json();
    return write(output / "form.json", json + '\n') &&
                   write(output / "behaviour.json", behaviourJson() + '\n')
               ? 0
               : 73;
}
