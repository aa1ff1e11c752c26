// SPDX-License-Identifier: MIT
#include "input_report.h"

#include "format_measure.h"
#include "read_side_length.h"
#include "triangle_solution.h"

#include <iterator>

namespace zirev1 {
namespace {

constexpr std::string_view SIDE_NAMES[] = {"a", "b", "c"};
constexpr std::string_view DIFFERENCE_NAMES[] = {"p − a", "p − b", "p − c"};
constexpr std::string_view MINUS_SIGN = "−";

// A number in a sentence: the measure pattern without its closing separator ("8", "2,5"), and
// the minus sign a reader sees as one.
std::string numberInText(double value, std::string_view decimalSeparator) {
    std::string text = formatMeasure(value, decimalSeparator);
    if (text.ends_with(decimalSeparator)) {
        text.resize(text.size() - decimalSeparator.size());
    }
    if (text.starts_with('-')) {
        text.replace(0, 1, MINUS_SIGN);
    }
    return text;
}

// A side's text between guillemets, its start only when it is long, the cut shown.
std::string quoted(std::string_view text) {
    constexpr std::size_t SHOWN_BYTES = 24;
    std::string shown(text.substr(0, SHOWN_BYTES));
    if (shown.size() < text.size()) {
        // Back to a character's first byte, so that no character is cut in two.
        while (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0xC0) == 0x80) {
            shown.pop_back();
        }
        if (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0x80) != 0) {
            shown.pop_back();
        }
        shown += "…";
    }
    return "«" + shown + "»";
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t\n") == std::string_view::npos;
}

// The first side that is not a positive number, in the order a, b, c, into report.
bool findSideProblem(const std::array<std::string_view, 3>& texts,
                     const std::array<SideReading, 3>& readings, std::size_t sidesRead,
                     InputReport& report) {
    for (std::size_t side = 0; side < sidesRead; ++side) {
        const SideReading& reading = readings[side];
        if (reading.value > 0) {
            continue;
        }
        report.side = side;
        if (!reading.digits) {
            report.problem =
                isBlank(texts[side]) ? InputProblem::EmptySide : InputProblem::NotANumber;
            report.sideText = std::string(texts[side]);
        } else {
            report.problem =
                reading.value == 0 ? InputProblem::ZeroSide : InputProblem::NegativeSide;
            report.sideValue = reading.value;
        }
        return true;
    }
    return false;
}

} // namespace

Checked<InputReport> inputReport(std::string_view textA, std::string_view textB,
                                 std::string_view textC, bool solved) {
    const std::array<std::string_view, 3> texts{textA, textB, textC};
    std::array<SideReading, 3> readings{};
    InputReport report;
    std::size_t sidesRead = 0;
    for (std::size_t side = 0; side < texts.size(); ++side) {
        const Checked<SideReading> reading = readSide(texts[side]);
        if (reading.faulted()) {
            return reading.fault();
        }
        readings[side] = *reading;
        ++sidesRead;
        if (reading->digits && !reading->whole) {
            report.partial.push_back({side, std::string(texts[side]), reading->value});
        }
        if (side == 1 && reading->value == 0) {
            break; // the command stops at b = 0 and never reads c
        }
    }
    if (solved || findSideProblem(texts, readings, sidesRead, report)) {
        return report;
    }
    const ValidityTerms terms =
        validityTerms(readings[0].value, readings[1].value, readings[2].value);
    for (std::size_t condition = 0; condition < 3; ++condition) {
        if (!(terms.differences[condition] > 0)) {
            report.problem = InputProblem::NoTriangle;
            report.condition = condition;
            report.p = terms.p;
            report.difference = terms.differences[condition];
            break;
        }
    }
    return report;
}

std::string problemMessage(const InputReport& report, std::string_view decimalSeparator) {
    const std::string side(SIDE_NAMES[report.side]);
    switch (report.problem) {
    case InputProblem::None:
        return {};
    case InputProblem::EmptySide:
        return "Manca il lato " + side + ": ogni lato deve essere un numero maggiore di 0.";
    case InputProblem::NotANumber:
        return "Il lato " + side + " " + quoted(report.sideText) +
               " non è un numero: ogni lato deve essere un numero maggiore di 0.";
    case InputProblem::ZeroSide:
        return "Il lato " + side + " è 0: ogni lato deve essere maggiore di 0.";
    case InputProblem::NegativeSide:
        return "Il lato " + side + " è negativo (" +
               numberInText(report.sideValue, decimalSeparator) +
               "): ogni lato deve essere maggiore di 0.";
    case InputProblem::NoTriangle: {
        std::string message = "Questi lati non formano un triangolo: ";
        message += DIFFERENCE_NAMES[report.condition];
        message += " = ";
        message += numberInText(report.difference, decimalSeparator);
        message += ", che non è maggiore di 0 (con p = ";
        message += numberInText(report.p, decimalSeparator);
        message += ").";
        return message;
    }
    }
    return {};
}

std::string partialReadingNotice(const InputReport& report, std::string_view decimalSeparator) {
    std::string notice;
    for (const PartialReading& reading : report.partial) {
        notice += notice.empty() ? "Attenzione: il lato " : "; il lato ";
        notice += SIDE_NAMES[reading.side];
        notice += " ";
        notice += quoted(reading.text);
        notice += " è letto come ";
        notice += numberInText(reading.value, decimalSeparator);
    }
    return notice.empty() ? notice : notice + ".";
}

std::string windowMessage(const InputReport& report, std::string_view decimalSeparator) {
    const std::string problem = problemMessage(report, decimalSeparator);
    const std::string notice = partialReadingNotice(report, decimalSeparator);
    return problem.empty() || notice.empty() ? problem + notice : problem + " " + notice;
}

std::string markedConditionText(const InputReport& report) {
    return unmetConditionText(markedCondition(report));
}

std::string unmetConditionText(std::optional<std::size_t> condition) {
    if (!condition || *condition >= std::size(DIFFERENCE_NAMES)) {
        return {};
    }
    return "Condizione non soddisfatta: (" + std::string(DIFFERENCE_NAMES[*condition]) + ") > 0";
}

std::optional<std::size_t> markedCondition(const InputReport& report) {
    if (report.problem != InputProblem::NoTriangle) {
        return std::nullopt;
    }
    return report.condition;
}

} // namespace zirev1
