// SPDX-License-Identifier: MIT
#include "picture_match.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zirev1 {
namespace {

constexpr int WIDTH = 100;

// White, with a black vertical bar two pixels wide at x, and a grey edge beside it.
Raster barAt(int x, int greyEdge = 255) {
    Raster raster{WIDTH, 30, std::vector<std::uint8_t>(WIDTH * 30 * 3, 255)};
    for (int y = 5; y < 25; ++y) {
        for (int column = x; column < x + 3; ++column) {
            const std::uint8_t level = column == x + 2 ? static_cast<std::uint8_t>(greyEdge) : 0;
            for (int channel = 0; channel < 3; ++channel) {
                raster.rgb[(static_cast<std::size_t>(y) * WIDTH + column) * 3 + channel] = level;
            }
        }
    }
    return raster;
}

TEST(PictureMatch, AnEdgeSmoothedOtherwiseAgrees) {
    EXPECT_TRUE(matchPictures(barAt(10), barAt(10, 90), {}).agrees({}));
    EXPECT_TRUE(matchPictures(barAt(10), barAt(11), {}).agrees({}));
}

TEST(PictureMatch, ALineMovedOrLeftOutDisagrees) {
    const PictureMatch moved = matchPictures(barAt(10), barAt(13), {});
    EXPECT_GT(moved.unmatched[0], 0);
    EXPECT_FALSE(moved.agrees({}));
    const Raster blank{WIDTH, 30, std::vector<std::uint8_t>(WIDTH * 30 * 3, 255)};
    EXPECT_FALSE(matchPictures(barAt(10), blank, {}).agrees({}));
    EXPECT_FALSE(matchPictures(blank, blank, {}).agrees({})); // nothing drawn proves nothing
}

TEST(PictureMatch, PicturesOfTwoSizesDisagree) {
    Raster wider = barAt(10);
    wider.width = 30;
    wider.height = WIDTH;
    EXPECT_FALSE(matchPictures(barAt(10), wider, {}).sameSize);
}

TEST(ReadPpm, ReadsBinaryPpmWithCommentsAndRefusesTheRest) {
    std::istringstream picture(std::string("P6\n# made by hand\n2 1\n255\n") +
                               std::string("\x01\x02\x03\x04\x05\x06", 6));
    const auto raster = readPpm(picture);
    ASSERT_TRUE(raster);
    EXPECT_EQ(raster->width, 2);
    EXPECT_EQ(raster->rgb[5], 6);
    for (const char* refused :
         {"P3\n2 1\n255\n1 2 3 4 5 6\n", "P6\n2 1\n65535\n", "P6\n2 1\n255\n\x01",
          "P6\n-2 1\n255\n", "P6\n99999 99999\n255\n"}) {
        std::istringstream in(refused);
        EXPECT_FALSE(readPpm(in)) << refused;
    }
}

} // namespace
} // namespace zirev1
