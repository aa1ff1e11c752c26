// SPDX-License-Identifier: MIT
#include "form2_description.h"
#include "text_metrics.h"

#include <gtest/gtest.h>

#include <string>

namespace zirev1 {
namespace {

// Every character the form shows has a glyph of its own in the stand-in typeface: none is drawn
// as the replacement box.
TEST(TextMetrics, TheTypefaceHoldsEveryCaptionCharacter) {
    const auto holds = [](std::string_view text) {
        for (std::size_t at = 0; at < text.size();) {
            const char32_t code = nextCodePoint(text, at);
            const auto* glyph =
                std::lower_bound(std::begin(STAND_IN_ADVANCES), std::end(STAND_IN_ADVANCES), code,
                                 [](const GlyphAdvance& g, char32_t c) { return g.codePoint < c; });
            if (glyph == std::end(STAND_IN_ADVANCES) || glyph->codePoint != code) {
                return false;
            }
        }
        return true;
    };
    for (const Control& c : FORM2.controls) {
        EXPECT_TRUE(holds(c.caption)) << c.name;
    }
    EXPECT_TRUE(holds("0123456789-+.,"));
}

TEST(TextMetrics, WidthsAddUpAndScaleWithTheSize) {
    EXPECT_EQ(textWidth("", 18), 0);
    EXPECT_DOUBLE_EQ(textWidth("Sup.=", 18), textWidth("Sup", 18) + textWidth(".=", 18));
    EXPECT_DOUBLE_EQ(textWidth("Calcolo", 36), 2 * textWidth("Calcolo", 18));
    // The figures are tabular: every digit takes the same room, so results line up.
    for (char digit = '1'; digit <= '9'; ++digit) {
        EXPECT_EQ(advanceOf(static_cast<char32_t>(digit)), advanceOf(U'0')) << digit;
    }
    EXPECT_GT(ascentOf(18), descentOf(18));
    EXPECT_GT(descentOf(18), 0);
}

// An autosized label covers its caption, to the next whole pixel and no further.
TEST(TextMetrics, CaptionSizeCoversTheCaptionToTheNextPixel) {
    for (const Control& c : FORM2.controls) {
        if (!c.autoSize) {
            continue;
        }
        const TwipsSize size = captionSize(c.caption, c.font);
        const double width = textWidth(c.caption, c.font.pixelSize());
        EXPECT_EQ(size.width % TWIPS_PER_PIXEL, 0) << c.name;
        EXPECT_GE(size.width / TWIPS_PER_PIXEL, width) << c.name;
        EXPECT_LT(size.width / TWIPS_PER_PIXEL, width + 1) << c.name;
        EXPECT_GE(size.height / TWIPS_PER_PIXEL,
                  ascentOf(c.font.pixelSize()) + descentOf(c.font.pixelSize()))
            << c.name;
    }
    EXPECT_EQ(captionSize("", WINDOW_FONT).width, 0); // an empty label is narrow
}

} // namespace
} // namespace zirev1
