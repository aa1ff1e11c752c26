// SPDX-License-Identifier: MIT
#include "working_rows.h"

#include "format_measure.h"

#include <array>

namespace zirev1 {
namespace {

constexpr std::string_view GREEK[] = {"α", "β", "γ"};
constexpr std::string_view SIDES[] = {"a", "b", "c"};

// Where each element stands among the element texts (see element_texts.h).
constexpr std::size_t P = 0;
constexpr std::size_t angleBase(std::size_t angle) {
    return 4 + 10 * angle;
}
enum AngleText { Tan, HalfDegrees, HalfGon, HalfRadians, Degrees, Gon, Radians, CarriedD, CarriedM, CarriedS };
constexpr std::size_t DEGREES_SUM = 34, GON_SUM = 35, ALTITUDES = 36, MEDIANS = 39, BISECTORS = 42,
                      INRADIUS = 45, CIRCUMRADIUS = 46, EXRADII = 47, ANGLE_KIND = 50,
                      SIDES_KIND = 51;
// And among the twelve.
constexpr std::size_t ALTITUDE = 9, AREA = 10, PERIMETER = 11;

// Padded in place: GCC 12 at -O3 takes a literal put before a temporary string for an
// overlapping copy (-Wrestrict).
std::string twoDigits(std::string_view whole) {
    std::string digits(whole);
    if (digits.size() < 2) {
        digits.insert(digits.begin(), '0');
    }
    return digits;
}

// The other two of a, b, c, in order.
std::array<std::size_t, 2> others(std::size_t side) {
    return side == 0 ? std::array<std::size_t, 2>{1, 2}
                     : side == 1 ? std::array<std::size_t, 2>{0, 2} : std::array<std::size_t, 2>{0, 1};
}

class Writer {
public:
    Writer(const WindowCalculation& calculation, std::string_view separator)
        : m_calculation(calculation), m_separator(separator) {
        for (std::size_t side = 0; side < 3; ++side) {
            m_sides[side] = formatMeasure(calculation.sides[side], separator);
        }
    }

    std::vector<WorkingSection> sections() const {
        std::vector<WorkingSection> all;
        all.push_back(data());
        if (m_calculation.elements) {
            all.push_back(semiPerimeter());
            for (std::size_t angle = 0; angle < 3; ++angle) {
                all.push_back(angleSection(angle));
            }
            all.push_back(sums());
        }
        all.push_back(areaSection());
        if (m_calculation.elements) {
            all.push_back(otherElements());
        } else {
            all.push_back({"Altri elementi",
                           {{"Elementi", "", "non calcolabili: l'area è 0 per lati così piccoli"}}});
        }
        return all;
    }

private:
    const std::string& element(std::size_t index) const { return m_calculation.elements->texts[index]; }
    const std::string& result(std::size_t index) const { return m_calculation.results->texts[index]; }

    // A value inside a formula: the measure without its closing separator.
    std::string bare(std::string_view text) const {
        if (text.ends_with(m_separator)) {
            text.remove_suffix(m_separator.size());
        }
        return std::string(text);
    }
    std::string side(std::size_t index) const { return bare(m_sides[index]); }
    std::string p() const { return bare(element(P)); }
    std::string difference(std::size_t side) const { return bare(element(P + 1 + side)); }
    std::string area() const { return bare(result(AREA)); }

    WorkingSection data() const {
        WorkingSection section{"Dati", {}};
        for (std::size_t i = 0; i < 3; ++i) {
            section.rows.push_back({std::string(SIDES[i]), "", m_sides[i]});
        }
        return section;
    }

    WorkingSection semiPerimeter() const {
        WorkingSection section{"Semiperimetro", {}};
        section.rows.push_back({"p", "(a + b + c) / 2 = (" + side(0) + " + " + side(1) + " + " +
                                         side(2) + ") / 2",
                                element(P)});
        for (std::size_t i = 0; i < 3; ++i) {
            section.rows.push_back({"p − " + std::string(SIDES[i]), p() + " − " + side(i),
                                    element(P + 1 + i)});
        }
        return section;
    }

    WorkingSection angleSection(std::size_t angle) const {
        const std::string name(GREEK[angle]);
        const std::string half = name + "/2";
        const auto [first, second] = others(angle);
        const std::size_t base = angleBase(angle);
        const auto text = [&](AngleText which) { return element(base + which); };
        WorkingSection section{"Angolo " + name, {}};
        section.rows.push_back(
            {"tan(" + half + ")",
             "√((p − " + std::string(SIDES[first]) + ")(p − " + std::string(SIDES[second]) +
                 ") / (p(p − " + std::string(SIDES[angle]) + "))) = √(" + difference(first) +
                 " · " + difference(second) + " / (" + p() + " · " + difference(angle) + "))",
             text(Tan)});
        section.rows.push_back({half + " in gradi", "arctan " + text(Tan), text(HalfDegrees)});
        section.rows.push_back({half + " in gon", "", text(HalfGon)});
        section.rows.push_back({half + " in radianti", "", text(HalfRadians)});
        const std::size_t shown = 3 * angle;
        section.rows.push_back({name, "2 · " + half,
                                angleReading(result(shown), result(shown + 1), result(shown + 2),
                                             text(CarriedD), text(CarriedM), text(CarriedS))});
        section.rows.push_back({name + " in gradi", "", text(Degrees)});
        section.rows.push_back({name + " in gon", "", text(Gon)});
        section.rows.push_back({name + " in radianti", "", text(Radians)});
        return section;
    }

    WorkingSection sums() const {
        const auto sum = [&](AngleText which) {
            return element(angleBase(0) + which) + " + " + element(angleBase(1) + which) + " + " +
                   element(angleBase(2) + which);
        };
        return {"Verifica",
                {{"α + β + γ in gradi", sum(Degrees), element(DEGREES_SUM)},
                 {"α + β + γ in gon", sum(Gon), element(GON_SUM)}}};
    }

    WorkingSection areaSection() const {
        WorkingSection section{"Area (formula di Erone)", {}};
        if (m_calculation.elements) {
            section.rows.push_back({"S",
                                    "√(p(p − a)(p − b)(p − c)) = √(" + p() + " · " + difference(0) +
                                        " · " + difference(1) + " · " + difference(2) + ")",
                                    result(AREA)});
        } else {
            section.rows.push_back({"S", "√(p(p − a)(p − b)(p − c))", result(AREA)});
        }
        section.rows.push_back({"h", "2S / a = 2 · " + area() + " / " + side(0), result(ALTITUDE)});
        section.rows.push_back({"2p", m_calculation.elements ? "2 · " + p() : "2 · p", result(PERIMETER)});
        return section;
    }

    WorkingSection otherElements() const {
        WorkingSection section{"Altri elementi", {}};
        auto& rows = section.rows;
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string s(SIDES[i]);
            rows.push_back({"altezza h" + s, "2S / " + s + " = 2 · " + area() + " / " + side(i),
                            element(ALTITUDES + i)});
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const auto [first, second] = others(i);
            rows.push_back({"mediana m" + std::string(SIDES[i]),
                            "½√(2" + std::string(SIDES[first]) + "² + 2" +
                                std::string(SIDES[second]) + "² − " + std::string(SIDES[i]) +
                                "²) = ½√(2 · " + side(first) + "² + 2 · " + side(second) +
                                "² − " + side(i) + "²)",
                            element(MEDIANS + i)});
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const auto [first, second] = others(i);
            const std::string f(SIDES[first]), s(SIDES[second]);
            rows.push_back({"bisettrice di " + std::string(GREEK[i]),
                            "2√(" + f + s + " · p(p − " + std::string(SIDES[i]) + ")) / (" + f +
                                " + " + s + ")",
                            element(BISECTORS + i)});
        }
        rows.push_back({"raggio inscritto r", "S / p = " + area() + " / " + p(), element(INRADIUS)});
        rows.push_back({"raggio circoscritto R",
                        "abc / (4S) = " + side(0) + " · " + side(1) + " · " + side(2) + " / (4 · " +
                            area() + ")",
                        element(CIRCUMRADIUS)});
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string s(SIDES[i]);
            rows.push_back({"raggio exinscritto r" + s,
                            "S / (p − " + s + ") = " + area() + " / " + difference(i),
                            element(EXRADII + i)});
        }
        rows.push_back({"triangolo per gli angoli", "", element(ANGLE_KIND)});
        rows.push_back({"triangolo per i lati", "", element(SIDES_KIND)});
        return section;
    }

    const WindowCalculation& m_calculation;
    std::string_view m_separator;
    std::array<std::string, 3> m_sides;
};

} // namespace

std::string angleReading(std::string_view degrees, std::string_view minutes,
                         std::string_view seconds, std::string_view carriedDegrees,
                         std::string_view carriedMinutes, std::string_view carriedSeconds) {
    std::string reading =
        std::string(degrees) + "°" + std::string(minutes) + "'" + std::string(seconds) + "\"";
    if (degrees != carriedDegrees || minutes != carriedMinutes || seconds != carriedSeconds) {
        reading += " = ";
        reading += std::string(carriedDegrees) + "°" + twoDigits(carriedMinutes) + "'" +
                   twoDigits(carriedSeconds) + "\"";
    }
    return reading;
}

std::vector<WorkingSection> workingSections(const WindowCalculation& calculation,
                                            std::string_view decimalSeparator) {
    if (!calculation.results) {
        return {};
    }
    return Writer(calculation, decimalSeparator).sections();
}

} // namespace zirev1
