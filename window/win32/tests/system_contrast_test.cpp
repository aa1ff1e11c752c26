// SPDX-License-Identifier: MIT
// The colours the Windows window draws in, from a reading of the system given to it: the design's
// in the normal setting, the system's in high contrast. Wine 8 reports high contrast off whatever
// is asked of it, so the window's reaction is checked on the window itself with a reading made up
// for it (window_messages_test --contrast).
#include "canvas.h"
#include "form_style.h"
#include "system_contrast.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

using namespace zirev1;

constexpr COLORREF BLACK = RGB(0, 0, 0), WHITE = RGB(255, 255, 255);

struct ColourOrder {
    bool operator()(Colour first, Colour second) const {
        return std::tie(first.red, first.green, first.blue) <
               std::tie(second.red, second.green, second.blue);
    }
};
using Colours = std::set<Colour, ColourOrder>;

// Every colour a drawing asks for.
class ColourRecorder final : public Canvas {
public:
    void fillRect(Point, Point, Colour colour) override { colours.insert(colour); }
    void polyline(std::span<const Point>, const Pen& pen) override { colours.insert(pen.colour); }
    void polygon(std::span<const Point>, const Pen& pen) override { colours.insert(pen.colour); }
    void arc(Point, double, double, double, const Pen& pen) override { colours.insert(pen.colour); }
    Colours colours;

protected:
    void textAtBaseline(Point, std::string_view, double, Colour colour) override {
        colours.insert(colour);
    }
};

constexpr Drawing FORM_PICTURES[] = {Drawing::TriangleFigure, Drawing::BriggsFormulas,
                                     Drawing::ValidityConditions, Drawing::ScaleTriangle};
const DrawingInput MARKED_AND_SIDES{std::size_t{2}, std::array{3.0, 4.0, 5.0}};

TEST(SystemContrast, normalSettingKeepsTheDesignsColours) {
    // Any system colours but the text's are the design's business, not the system's.
    const WindowColours colours = windowColours({false, RGB(0, 0, 0x40), RGB(1, 2, 3), WHITE});
    EXPECT_EQ(colours.face, RGB(FACE_COLOUR.red, FACE_COLOUR.green, FACE_COLOUR.blue));
    EXPECT_EQ(colours.fieldGround, WHITE);
    EXPECT_EQ(colours.text, RGB(1, 2, 3));
    EXPECT_EQ(colours.blueInk, RGB(0, 0, 255));
    EXPECT_FALSE(colours.pictures.has_value());
}

TEST(SystemContrast, highContrastTakesTheSystemsColoursForEverything) {
    const WindowColours colours = windowColours({true, BLACK, WHITE, RGB(0, 255, 255)});
    EXPECT_EQ(colours.face, BLACK);
    EXPECT_EQ(colours.fieldGround, BLACK);
    EXPECT_EQ(colours.text, WHITE);
    EXPECT_EQ(colours.blueInk, WHITE);
    ASSERT_TRUE(colours.pictures.has_value());
    EXPECT_EQ(*colours.pictures, (SystemColours{{0, 0, 0}, {255, 255, 255}, {0, 255, 255}}));
}

TEST(SystemContrast, aHighlightThatDoesNotStandOutFromTheGroundGivesWayToTheText) {
    // Light yellow on white: 1.1:1.
    const WindowColours colours = windowColours({true, WHITE, BLACK, RGB(255, 255, 160)});
    ASSERT_TRUE(colours.pictures.has_value());
    EXPECT_EQ(colours.pictures->accent, (Colour{0, 0, 0}));
    // Dark red on white stands out: 3:1 or more.
    EXPECT_EQ(windowColours({true, WHITE, BLACK, RGB(0x60, 0, 0)}).pictures->accent,
              (Colour{0x60, 0, 0}));
}

TEST(SystemContrast, inHighContrastThePicturesHoldOnlyTheSystemsColours) {
    const WindowColours colours = windowColours({true, BLACK, WHITE, RGB(0, 255, 255)});
    const Colours system{{0, 0, 0}, {255, 255, 255}, {0, 255, 255}};
    for (const Drawing drawing : FORM_PICTURES) {
        ColourRecorder recorder;
        drawInWindowColours(drawing, recorder, colours, MARKED_AND_SIDES);
        for (const Colour colour : recorder.colours) {
            EXPECT_TRUE(system.contains(colour))
                << "picture " << static_cast<int>(drawing) << " draws " << int{colour.red} << ","
                << int{colour.green} << "," << int{colour.blue};
        }
    }
    ColourRecorder conditions;
    drawInWindowColours(Drawing::ValidityConditions, conditions, colours, MARKED_AND_SIDES);
    EXPECT_TRUE(conditions.colours.contains({0, 255, 255})) << "the failing condition's mark";
}

TEST(SystemContrast, inTheNormalSettingThePicturesKeepTheDesignsWhiteAndBlue) {
    ColourRecorder recorder;
    drawInWindowColours(Drawing::TriangleFigure, recorder,
                        windowColours({false, BLACK, WHITE, RGB(0, 255, 255)}));
    EXPECT_TRUE(recorder.colours.contains({255, 255, 255}));
    EXPECT_TRUE(recorder.colours.contains({0, 0, 255}));
}

} // namespace
