// SPDX-License-Identifier: MIT
#include "angle_dms.h"
#include "checked_expectations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace zirev1 {
namespace {

struct SplitCase {
    const char* name;
    double radians;
    double degrees, minutes;
    int seconds;
};

class SplitAngle : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitAngle, GivesDegreesMinutesSeconds) {
    const auto& t = GetParam();
    const AngleDms dms = testing::valueOf(splitAngle(t.radians));
    EXPECT_EQ(dms.degrees, t.degrees);
    EXPECT_EQ(dms.minutes, t.minutes);
    EXPECT_EQ(dms.seconds, t.seconds);
}

// The tie angles were found by searching ulp by ulp for radians whose seconds, after the
// multiplication by 60, are exactly the half value named.
INSTANTIATE_TEST_SUITE_P(
    Angles, SplitAngle,
    ::testing::Values(
        SplitCase{"alpha_of_3_4_5", 0.6435011087932844, 36, 52, 12},
        // PI_APPROX exceeds pi, so whole degrees land just below: no carry from 60 seconds.
        SplitCase{"right_angle_shows_60_seconds", std::numbers::pi / 2, 89, 59, 60},
        SplitCase{"sixty_degrees", std::numbers::pi / 3, 59, 59, 60}, SplitCase{"zero", 0, 0, 0, 0},
        SplitCase{"tie_30_5_rounds_to_even_30", 0.00014786817492283948, 0, 0, 30},
        SplitCase{"tie_31_5_rounds_to_even_32", 0.00015271631180555556, 0, 0, 32},
        SplitCase{"tie_29_5_rounds_to_even_30", 0.00014302003804012346, 0, 0, 30},
        SplitCase{"tie_59_5_rounds_to_60_without_carry", 0.0005793523574845679, 0, 1, 60},
        SplitCase{"tie_0_5_rounds_to_even_0", 2.4240684413580247e-06, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitAngle, PiApproxIsTheDoubleNearest3_1415927) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(PI_APPROX), 0x400921FB5A7ED197u);
}

TEST(SplitAngle, NonFiniteAngleIsAnOverflow) {
    EXPECT_EQ(testing::faultOf(splitAngle(std::numeric_limits<double>::infinity())),
              FaultKind::Overflow);
    EXPECT_EQ(testing::faultOf(splitAngle(std::numeric_limits<double>::quiet_NaN())),
              FaultKind::Overflow);
}

} // namespace
} // namespace zirev1
