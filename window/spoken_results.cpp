// SPDX-License-Identifier: MIT
#include "spoken_results.h"

namespace zirev1 {
namespace {

struct SubjectAndUnit {
    std::string_view subject, unit;
};

SubjectAndUnit split(std::string_view description) {
    constexpr std::string_view SEPARATOR = ", ";
    const std::size_t at = description.find(SEPARATOR);
    if (at == std::string_view::npos) {
        return {description, {}};
    }
    return {description.substr(0, at), description.substr(at + SEPARATOR.size())};
}

// Within the sentence a capitalized description ("Superficie") reads as a common noun.
std::string inSentence(std::string_view subject) {
    std::string text(subject);
    if (!text.empty() && text.front() >= 'A' && text.front() <= 'Z') {
        text.front() = static_cast<char>(text.front() - 'A' + 'a');
    }
    return text;
}

} // namespace

SpokenResults spokenResults(const FormDescription& form) {
    SpokenResults spoken;
    std::string_view previousSubject;
    std::string_view previousUnit;
    for (std::size_t i = 0; i < ResultTexts::count; ++i) {
        const auto [subject, unit] = split(resultLabel(form, i).accessibleDescription);
        std::string& before = spoken.parts[i];
        if (!previousUnit.empty()) {
            before += ' ';
            before += previousUnit;
        }
        if (i == 0 || subject != previousSubject) {
            before += i == 0 ? "" : ", ";
            before += i == 0 ? std::string(subject) : inSentence(subject);
        }
        before += ' ';
        previousSubject = subject;
        previousUnit = unit;
    }
    if (!previousUnit.empty()) {
        spoken.parts.back() = ' ' + std::string(previousUnit);
    }
    return spoken;
}

std::string SpokenResults::sentence(std::span<const std::string, ResultTexts::count> texts) const {
    std::string said = parts.front();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        said += texts[i];
        said += parts[i + 1];
    }
    return said;
}

} // namespace zirev1
