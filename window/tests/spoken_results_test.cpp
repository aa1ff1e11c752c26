// SPDX-License-Identifier: MIT
#include "spoken_results.h"

#include "calculate_from_texts.h"

#include <gtest/gtest.h>

namespace zirev1 {
namespace {

std::string spokenFor(const char* a, const char* b, const char* c) {
    const auto results = calculateFromTexts(a, b, c, ".");
    return spokenResults(FORM2).sentence((*results)->texts);
}

// State: the 3-4-5 triangle calculated. Expected: each angle once with its three units, then
// the three measures by name, in the form's writing order.
TEST(SpokenResults, SaysEveryResultOnceWithItsNameAndUnit) {
    EXPECT_EQ(spokenFor("3", "4", "5"),
              "α 36 gradi 52 primi 12 secondi, β 53 gradi 7 primi 48 secondi, "
              "γ 89 gradi 59 primi 60 secondi, altezza h su a 4., superficie 6., perimetro 12.");
}

// Every part around the texts comes from the descriptions: none is empty but the last.
TEST(SpokenResults, PartsStandBetweenTheTexts) {
    const SpokenResults spoken = spokenResults(FORM2);
    for (std::size_t i = 0; i < ResultTexts::count; ++i) {
        EXPECT_FALSE(spoken.parts[i].empty()) << i;
    }
    EXPECT_EQ(spoken.parts.back(), "");
}

} // namespace
} // namespace zirev1
