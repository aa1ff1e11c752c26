// SPDX-License-Identifier: MIT
#include "print_sheet.h"

#include "drawing.h"
#include "placed_canvas.h"
#include "recoloured_canvas.h"
#include "scale_triangle.h"
#include "text_metrics.h"
#include "unicode_text.h"
#include "working_rows.h"

#include <algorithm>

namespace zirev1 {
namespace {

using namespace print_sheet;

constexpr Colour BLACK{0, 0, 0};
constexpr Colour RULE_GREY{0x80, 0x80, 0x80};
constexpr double HEADING_SIZE = 26;
constexpr double TEXT_SIZE = 13;
constexpr double ROW_SIZE = 9.5; // the working's 62 rows fit the page at this size
constexpr double ROW_HEIGHT = 11;
constexpr double CONTENT_WIDTH = SIZE.x - 2 * MARGIN;
// The working's columns: the quantity, its formula with the numbers, its value.
constexpr double COLUMN_X[] = {MARGIN, MARGIN + 150, MARGIN + 566};
constexpr double COLUMN_WIDTH[] = {146, 412, CONTENT_WIDTH - 566};
constexpr double FIGURE_SCALE = 0.8;

class SheetWriter {
public:
    SheetWriter(Canvas& canvas, const PrintSheet& sheet) : m_canvas(canvas), m_sheet(sheet) {}

    void write() {
        m_canvas.fillRect({0, 0}, SIZE, {255, 255, 255});
        heading();
        if (!m_sheet.calculation.results) {
            text(MARGIN, m_y, "Nessun triangolo calcolato", TEXT_SIZE, CONTENT_WIDTH);
            return;
        }
        results();
        figure();
        working();
    }

private:
    void text(double x, double y, std::string_view utf8, double size, double width) {
        m_canvas.text({x, y}, {HorizontalAnchor::Left, VerticalAnchor::Top},
                      fittedText(utf8, width, size), size, BLACK);
    }

    void heading() {
        text(MARGIN, MARGIN, "Sui triangoli qualunque", HEADING_SIZE, CONTENT_WIDTH);
        const double dateWidth = textWidth(m_sheet.date, TEXT_SIZE);
        text(SIZE.x - MARGIN - dateWidth, MARGIN + 8, m_sheet.date, TEXT_SIZE, dateWidth + 1);
        m_y = MARGIN + 44;
        constexpr std::string_view NAMES[] = {"a = ", "b = ", "c = "};
        for (std::size_t side = 0; side < 3; ++side) {
            const std::string line = std::string(NAMES[side]) + m_sheet.sideTexts[side];
            text(MARGIN, m_y, line, TEXT_SIZE, RESULTS_WIDTH);
            m_y += 19;
        }
    }

    // The window's results as it shows them: the angles in degrees, minutes and seconds, then
    // the area, the altitude and the perimeter.
    void results() {
        const auto& texts = m_sheet.calculation.results->texts;
        m_y += 8;
        constexpr double UNIT_X[] = {MARGIN + 40, MARGIN + 110, MARGIN + 180};
        constexpr std::string_view UNITS[] = {"Gradi", "Primi", "Secondi"};
        for (std::size_t i = 0; i < 3; ++i) {
            text(UNIT_X[i], m_y, UNITS[i], 10, 68);
        }
        m_y += 15;
        constexpr std::string_view ANGLES[] = {"α =", "β =", "γ ="};
        for (std::size_t angle = 0; angle < 3; ++angle) {
            text(MARGIN, m_y, ANGLES[angle], TEXT_SIZE, 38);
            for (std::size_t i = 0; i < 3; ++i) {
                text(UNIT_X[i], m_y, texts[3 * angle + i], TEXT_SIZE, 68);
            }
            m_y += 19;
        }
        m_y += 6;
        constexpr std::string_view MEASURES[] = {"Sup. = ", "h = ", "2 p = "};
        constexpr std::size_t MEASURE_TEXTS[] = {10, 9, 11};
        for (std::size_t i = 0; i < 3; ++i) {
            text(MARGIN, m_y, std::string(MEASURES[i]) + texts[MEASURE_TEXTS[i]], TEXT_SIZE,
                 RESULTS_WIDTH);
            m_y += 19;
        }
    }

    void figure() {
        const double width = scale_triangle::SIZE.x * FIGURE_SCALE;
        PlacedCanvas placed(m_canvas, {SIZE.x - MARGIN - width, MARGIN + 40}, FIGURE_SCALE);
        RecolouredCanvas blackOnWhite(placed, {{255, 255, 255}, BLACK, BLACK});
        draw(Drawing::ScaleTriangle, blackOnWhite, {std::nullopt, m_sheet.calculation.sides});
        const double figureBottom = MARGIN + 40 + scale_triangle::SIZE.y * FIGURE_SCALE;
        m_y = std::max(m_y, figureBottom) + 8;
    }

    void working() {
        const auto sections = workingSections(m_sheet.calculation, m_sheet.decimalSeparator);
        row(WORKING_COLUMNS[0], WORKING_COLUMNS[1], WORKING_COLUMNS[2]);
        m_canvas.line({MARGIN, m_y}, {SIZE.x - MARGIN, m_y}, Pen{RULE_GREY, 0.75});
        for (const WorkingSection& section : sections) {
            m_y += 2;
            text(MARGIN, m_y, section.heading, ROW_SIZE + 0.5, CONTENT_WIDTH);
            m_y += ROW_HEIGHT + 1;
            for (const WorkingRow& line : section.rows) {
                row(line.quantity, line.working, line.value);
            }
        }
    }

    void row(std::string_view quantity, std::string_view working, std::string_view value) {
        const std::string_view cells[] = {quantity, working, value};
        for (std::size_t i = 0; i < 3; ++i) {
            text(COLUMN_X[i] + (i == 0 ? 8 : 0), m_y, cells[i], ROW_SIZE, COLUMN_WIDTH[i]);
        }
        m_y += ROW_HEIGHT;
    }

    static constexpr double RESULTS_WIDTH = SIZE.x - 2 * MARGIN - 300;

    Canvas& m_canvas;
    const PrintSheet& m_sheet;
    double m_y = MARGIN;
};

} // namespace

void drawPrintSheet(Canvas& canvas, const PrintSheet& sheet) {
    SheetWriter(canvas, sheet).write();
}

std::string italianDate(int day, int month, int year) {
    constexpr std::string_view MONTHS[] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                           "maggio",    "giugno",   "luglio",   "agosto",
                                           "settembre", "ottobre",  "novembre", "dicembre"};
    const std::string_view name = month >= 1 && month <= 12 ? MONTHS[month - 1] : "";
    return std::to_string(day) + " " + std::string(name) + " " + std::to_string(year);
}

std::string fittedText(std::string_view utf8, double width, double pixelSize) {
    // Measured as it goes, so that a text of megabytes costs no more than what fits.
    constexpr std::string_view ELLIPSIS = "…";
    const double room = width - textWidth(ELLIPSIS, pixelSize);
    double used = 0;
    std::size_t fits = 0; // the bytes that fit with the ellipsis after them
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t start = at;
        nextCodePoint(utf8, at);
        used += textWidth(utf8.substr(start, at - start), pixelSize);
        if (used > width) {
            std::string fitted;
            for (std::size_t copied = 0; copied < fits;) {
                appendUtf8(fitted, nextCodePoint(utf8, copied));
            }
            return fitted + std::string(ELLIPSIS);
        }
        if (used <= room) {
            fits = at;
        }
    }
    return std::string(utf8);
}

} // namespace zirev1
