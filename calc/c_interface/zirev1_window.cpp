// SPDX-License-Identifier: MIT
#include "zirev1_window.h"

#include "calculate_for_window.h"
#include "json_text.h"
#include "lines_out.h"
#include "print_sheet.h"
#include "scale_triangle.h"
#include "svg_canvas.h"
#include "working_table.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace zirev1;

std::string textsJson(std::span<const std::string> texts) {
    std::vector<std::string> quoted;
    for (const std::string& text : texts) {
        quoted.push_back(json::quoted(text));
    }
    return json::array(quoted);
}

std::string workingJson(std::span<const WorkingSection> sections) {
    std::vector<std::string> sectionsJson;
    for (const WorkingSection& section : sections) {
        std::vector<std::string> rows;
        for (const WorkingRow& row : section.rows) {
            rows.push_back(textsJson(std::vector{row.quantity, row.working, row.value}));
        }
        sectionsJson.push_back("{\"heading\": " + json::quoted(section.heading) +
                               ", \"rows\": " + json::array(rows) + "}");
    }
    return json::array(sectionsJson);
}

// The printed sheet of a calculation with results, as an SVG document that fills its box.
std::string sheetSvg(const WindowCalculation& calculation, std::string_view separator,
                     const std::array<std::string, 3>& sides, std::string_view date) {
    // Its box is the paper's own, 210 × 297 mm at 96 px an inch, so it scales evenly onto the page.
    SvgCanvas canvas(print_sheet::SIZE.x, print_sheet::SIZE.y, SvgCanvas::Embedding::Inline);
    drawPrintSheet(canvas, {sides, calculation, std::string(date), std::string(separator)});
    return canvas.document();
}

std::string windowJson(const WindowCalculation& calculation, std::string_view separator) {
    const auto marked = markedCondition(calculation.report);
    std::string text = "{\"results\": ";
    text += calculation.results ? textsJson(calculation.results->texts) : "null";
    text += ", \"message\": " + json::quoted(windowMessage(calculation.report, separator));
    text += ", \"marked\": " + (marked ? std::to_string(*marked) : std::string("null"));
    text += ", \"markedText\": " + json::quoted(markedConditionText(calculation.report));
    const std::vector<WorkingSection> sections = workingSections(calculation, separator);
    text += ", \"working\": " + workingJson(sections);
    text += ", \"tsv\": " + json::quoted(sections.empty() ? "" : workingTabSeparated(sections));
    text += ", \"html\": " + json::quoted(sections.empty() ? "" : workingHtmlTable(sections));
    std::string drawing;
    if (calculation.results) {
        SvgCanvas canvas(static_cast<int>(scale_triangle::SIZE.x),
                         static_cast<int>(scale_triangle::SIZE.y), SvgCanvas::Embedding::Inline);
        drawScaleTriangle(canvas, calculation.sides);
        drawing = canvas.document();
    }
    text += ", \"drawing\": " + json::quoted(drawing);
    return text + "}";
}

// The out/length protocol: the text, or its length alone where it does not fit.
int answer(const std::string& text, int outcome, char* out, size_t outCapacity, size_t* outLength) {
    *outLength = text.size();
    if (text.size() > outCapacity) {
        return ZIREV1_OUT_TOO_SMALL;
    }
    std::memcpy(out, text.data(), text.size());
    return outcome;
}

} // namespace

int zirev1_window(const char* a, size_t aLength, const char* b, size_t bLength, const char* c,
                  size_t cLength, const char* decimalSeparator, size_t separatorLength, char* out,
                  size_t outCapacity, size_t* outLength) {
    *outLength = 0;
    const std::string_view separator{decimalSeparator, separatorLength};
    const auto calculation =
        calculateForWindow({a, aLength}, {b, bLength}, {c, cLength}, separator);
    if (calculation.faulted()) {
        return faultOutcome(calculation.fault());
    }
    const int outcome = calculation->results ? ZIREV1_RESULTS : ZIREV1_NO_TRIANGLE;
    return answer(windowJson(*calculation, separator), outcome, out, outCapacity, outLength);
}

int zirev1_sheet(const char* a, size_t aLength, const char* b, size_t bLength, const char* c,
                 size_t cLength, const char* decimalSeparator, size_t separatorLength,
                 const char* date, size_t dateLength, char* out, size_t outCapacity,
                 size_t* outLength) {
    *outLength = 0;
    const std::string_view separator{decimalSeparator, separatorLength};
    const auto calculation =
        calculateForWindow({a, aLength}, {b, bLength}, {c, cLength}, separator);
    if (calculation.faulted()) {
        return faultOutcome(calculation.fault());
    }
    if (!calculation->results) {
        return ZIREV1_NO_TRIANGLE;
    }
    const std::string svg =
        sheetSvg(*calculation, separator,
                 {std::string(a, aLength), std::string(b, bLength), std::string(c, cLength)},
                 {date, dateLength});
    return answer(svg, ZIREV1_RESULTS, out, outCapacity, outLength);
}
