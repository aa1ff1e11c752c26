// SPDX-License-Identifier: MIT
#include "form2_description.h"
#include "text_metrics.h"

#include <gtest/gtest.h>

#include <string>

namespace zirev1 {
namespace {

std::u32string decoded(std::string_view utf8) {
    std::u32string out;
    for (std::size_t at = 0; at < utf8.size();) {
        out += nextCodePoint(utf8, at);
    }
    return out;
}

TEST(TextMetrics, DecodesUtf8AndReplacesWhatIsMalformed) {
    EXPECT_EQ(decoded("a ="), U"a =");
    EXPECT_EQ(decoded("α, gradi"), U"α, gradi");
    EXPECT_EQ(decoded("\xF0\x9F\x99\x82"), U"\U0001F642");
    // A lead byte with too few continuation bytes, a stray continuation byte, a cut-off end.
    EXPECT_EQ(decoded("\xCE"
                      "a"),
              U"\uFFFDa");
    EXPECT_EQ(decoded("\x80"
                      "b"),
              U"\uFFFDb");
    EXPECT_EQ(decoded("c\xE2\x82"), U"c\uFFFD\uFFFD");
    EXPECT_EQ(decoded("\xFF"), U"\uFFFD");
}

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
