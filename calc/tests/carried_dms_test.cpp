// SPDX-License-Identifier: MIT
#include "angle_dms.h"
#include "checked_expectations.h"

#include <gtest/gtest.h>

#include <numbers>

namespace zirev1 {
namespace {

void expectDms(const AngleDms& dms, double degrees, double minutes, int seconds) {
    EXPECT_EQ(dms.degrees, degrees);
    EXPECT_EQ(dms.minutes, minutes);
    EXPECT_EQ(dms.seconds, seconds);
}

TEST(CarriedDms, SixtySecondsBecomeAMinuteAndSixtyMinutesADegree) {
    expectDms(carriedDms({89, 59, 60}), 90, 0, 0);
    expectDms(carriedDms({53, 7, 60}), 53, 8, 0);
    expectDms(carriedDms({0, 59, 60}), 1, 0, 0);
    expectDms(carriedDms({179, 59, 60}), 180, 0, 0);
}

TEST(CarriedDms, ReadingsBelowSixtySecondsStayAsTheyAre) {
    expectDms(carriedDms({36, 52, 12}), 36, 52, 12);
    expectDms(carriedDms({0, 59, 59}), 0, 59, 59);
    expectDms(carriedDms({0, 0, 0}), 0, 0, 0);
}

TEST(CarriedDms, WholeDegreeAnglesThatTheWindowShowsBelowComeOutWhole) {
    expectDms(carriedDms(testing::valueOf(splitAngle(std::numbers::pi / 2))), 90, 0, 0);
    expectDms(carriedDms(testing::valueOf(splitAngle(std::numbers::pi / 3))), 60, 0, 0);
    expectDms(carriedDms(testing::valueOf(splitAngle(2 * std::numbers::pi / 3))), 120, 0, 0);
}

} // namespace
} // namespace zirev1
