// SPDX-License-Identifier: MIT
#include "drawn_extent.h"

#include "form2_description.h"

#include <gtest/gtest.h>

#include <string>

namespace zirev1 {
namespace {

// A picture that fills its ground reaches its box exactly; none draws outside it.
TEST(DrawnExtent, OpaquePicturesFillTheirBoxAndNoneDrawsOutside) {
    for (const Control& control : FORM2.controls) {
        if (control.kind != ControlKind::Picture) {
            continue;
        }
        const PixelRect box = toPixels(control.place);
        const DrawnExtent drawn = drawnExtent(control.drawing);
        SCOPED_TRACE(std::string(control.name));
        EXPECT_LE(drawn.right, box.width);
        EXPECT_LE(drawn.bottom, box.height);
        if (control.opaque) {
            EXPECT_EQ(drawn.right, box.width);
            EXPECT_EQ(drawn.bottom, box.height);
        }
    }
}

// The validity conditions hold only the top left corner of their box, about 1560 x 1360 twips:
// five lines of text, the widest "Condizioni di " and "(p - a) > 0 ".
TEST(DrawnExtent, TheValidityConditionsTakeTheirCornerOnly) {
    const DrawnExtent drawn = drawnExtent(Drawing::ValidityConditions);
    EXPECT_NEAR(drawn.right * TWIPS_PER_PIXEL, 1560, 156);
    EXPECT_NEAR(drawn.bottom * TWIPS_PER_PIXEL, 1360, 136);
}

TEST(DrawnExtent, NothingDrawnReachesNothing) {
    const DrawnExtent drawn = drawnExtent(Drawing::None);
    EXPECT_EQ(drawn.right, 0);
    EXPECT_EQ(drawn.bottom, 0);
}

} // namespace
} // namespace zirev1
