// SPDX-License-Identifier: MIT
#pragma once

#include "form2_description.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace zirev1 {

// The sentence a screen reader says after a calculation, built from the result labels'
// descriptions in writing order. A description "α, gradi" names its subject before the comma and
// its unit after: consecutive results of one subject share it, each value is followed by its
// unit, and subjects are separated by commas. For 3, 4, 5:
//   "α 36 gradi 52 primi 12 secondi, β 53 gradi 7 primi 48 secondi, γ 89 gradi 59 primi
//    60 secondi, altezza h su a 4., superficie 6., perimetro 12."
// The sentence is the fixed parts with the texts between them: parts[i] comes before text i,
// parts[count] after the last.
struct SpokenResults {
    std::array<std::string, ResultTexts::count + 1> parts;

    std::string sentence(std::span<const std::string, ResultTexts::count> texts) const;
};

SpokenResults spokenResults(const FormDescription& form);

} // namespace zirev1
