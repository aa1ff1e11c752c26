// SPDX-License-Identifier: MIT
#include "svg_canvas.h"

#include "text_metrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace zirev1 {
namespace {

// The numbers of the "d" attribute of the document's only path, in order.
std::vector<double> pathNumbers(const std::string& document) {
    const std::size_t start = document.find(" d=\"M") + 5;
    const std::size_t end = document.find('"', start);
    std::vector<double> numbers;
    std::string token;
    for (std::size_t i = start; i <= end; ++i) {
        const char ch = document[i];
        if ((ch >= '0' && ch <= '9') || ch == '.' || ch == '-') {
            token += ch;
        } else if (!token.empty()) {
            numbers.push_back(std::stod(token));
            token.clear();
        }
    }
    return numbers;
}

struct ArcCase {
    const char* name;
    double start, span;
    int largeArc, sweep;
};

class SvgArc : public testing::TestWithParam<ArcCase> {};

// An arc of radius 10 around (50, 50): "M x0,y0 A10,10 0 large sweep x1,y1", its ends where the
// angles put them counter-clockwise as seen (y grows downwards).
TEST_P(SvgArc, EndsAndFlagsFollowTheAnglesAsSeen) {
    const ArcCase& arc = GetParam();
    SvgCanvas canvas(100, 100);
    canvas.arc({50, 50}, 10, arc.start, arc.span, Pen{{255, 0, 0}, 1.5});
    const std::vector<double> n = pathNumbers(canvas.document());
    ASSERT_EQ(n.size(), 9u);
    const auto seen = [](double degrees) {
        const double radians = degrees * std::numbers::pi / 180;
        return std::pair{50 + 10 * std::cos(radians), 50 - 10 * std::sin(radians)};
    };
    const auto [x0, y0] = seen(arc.start);
    const auto [x1, y1] = seen(arc.start + arc.span);
    EXPECT_NEAR(n[0], x0, 0.0005);
    EXPECT_NEAR(n[1], y0, 0.0005);
    EXPECT_EQ(n[2], 10);
    EXPECT_EQ(n[3], 10);
    EXPECT_EQ(n[4], 0); // no rotation
    EXPECT_EQ(n[5], arc.largeArc);
    EXPECT_EQ(n[6], arc.sweep);
    EXPECT_NEAR(n[7], x1, 0.0005);
    EXPECT_NEAR(n[8], y1, 0.0005);
}

INSTANTIATE_TEST_SUITE_P(SpansInEachQuadrant, SvgArc,
                         testing::Values(ArcCase{"QuarterFromEastUpwards", 0, 90, 0, 0},
                                         ArcCase{"FromNorthToWest", 90, 90, 0, 0},
                                         ArcCase{"ThirdQuadrant", 180, 60, 0, 0},
                                         ArcCase{"FourthQuadrantIntoTheFirst", 300, 100, 0, 0},
                                         ArcCase{"ClockwiseQuarter", 0, -90, 0, 1},
                                         ArcCase{"ClockwiseAcrossSouth", 250, -40, 0, 1},
                                         ArcCase{"ThreeQuartersCounterClockwise", 45, 270, 1, 0},
                                         ArcCase{"ThreeQuartersClockwise", 45, -270, 1, 1},
                                         ArcCase{"JustUnderHalf", 10, 179, 0, 0},
                                         ArcCase{"JustOverHalf", 10, 181, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SvgCanvas, TheTopOfTheCircleIsUpOnTheScreen) {
    SvgCanvas canvas(100, 100);
    canvas.arc({50, 50}, 10, 0, 90, Pen{});
    const std::vector<double> n = pathNumbers(canvas.document());
    ASSERT_EQ(n.size(), 9u);
    EXPECT_EQ(n[0], 60);
    EXPECT_EQ(n[1], 50);
    EXPECT_EQ(n[7], 50);
    EXPECT_EQ(n[8], 40); // above the centre
}

// Two arc commands for a whole circle: one whose ends meet would draw nothing.
TEST(SvgCanvas, AWholeCircleIsTwoHalves) {
    SvgCanvas canvas(100, 100);
    canvas.arc({50, 50}, 10, 0, -360, Pen{});
    const std::string document = canvas.document();
    EXPECT_NE(document.find("d=\"M60,50 A10,10 0 0 1 40,50 A10,10 0 0 1 60,50\""),
              std::string::npos)
        << document;
}

TEST(SvgCanvas, NoSpanOrNoRadiusDrawsNothing) {
    SvgCanvas canvas(100, 100);
    canvas.arc({50, 50}, 10, 30, 0, Pen{});
    canvas.arc({50, 50}, 0, 30, 90, Pen{});
    EXPECT_EQ(canvas.document().find("<path"), std::string::npos);
}

TEST(SvgCanvas, TheDocumentHasThePicturesSizeAndTypeface) {
    const std::string standalone = SvgCanvas(289, 291).document();
    EXPECT_EQ(standalone.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"289\" "
                               "height=\"291\" viewBox=\"0 0 289 291\" font-family=\"DejaVu Sans\" "
                               "font-weight=\"bold\"",
                               0),
              0u)
        << standalone;
    EXPECT_EQ(standalone.substr(standalone.size() - 7), "</svg>\n");
    EXPECT_NE(standalone.find("stroke-linecap=\"butt\" stroke-linejoin=\"miter\" "
                              "stroke-miterlimit=\"4\""),
              std::string::npos);

    // Inline, the page element's box sizes it and gives it its name.
    const std::string inlined = SvgCanvas(643, 109, SvgCanvas::Embedding::Inline).document();
    EXPECT_EQ(inlined.find(" width=\"643\""), std::string::npos);
    EXPECT_NE(inlined.find(" width=\"100%\" height=\"100%\" aria-hidden=\"true\""),
              std::string::npos);
    EXPECT_NE(inlined.find(" viewBox=\"0 0 643 109\""), std::string::npos);
}

TEST(SvgCanvas, WritesEachPrimitive) {
    SvgCanvas canvas(50, 40);
    canvas.fillRect({50, 40}, {0, 0}, {255, 255, 255});
    const Point corners[] = {{33, 244}, {261, 244}, {189, 13.25}};
    canvas.polygon(corners, Pen{{0, 0, 255}, 1.5});
    canvas.polyline(std::span(corners, 2), Pen{{0, 0, 128}, 1.3});
    const std::string document = canvas.document();
    EXPECT_NE(document.find("<rect x=\"0\" y=\"0\" width=\"50\" height=\"40\" fill=\"#ffffff\" "
                            "class=\"drawn-ground\"/>"),
              std::string::npos)
        << document;
    EXPECT_NE(document.find("<polygon points=\"33,244 261,244 189,13.25\" stroke=\"#0000ff\" "
                            "class=\"drawn-text\" stroke-width=\"1.5\"/>"),
              std::string::npos)
        << document;
    EXPECT_NE(document.find("<polyline points=\"33,244 261,244\" stroke=\"#000080\" "
                            "class=\"drawn-text\" stroke-width=\"1.3\"/>"),
              std::string::npos)
        << document;
}

// Texts stand at the baseline the canvas works out from the typeface's metrics.
TEST(SvgCanvas, TextStandsAtItsBaseline) {
    SvgCanvas canvas(100, 100);
    canvas.text({10, 20}, {HorizontalAnchor::Left, VerticalAnchor::Top}, "Tg(α/2) = ", 19,
                {0, 0, 0});
    const std::string document = canvas.document();
    const std::string expected = "<text x=\"10\" y=\"" + compactNumber(20 + ascentOf(19)) +
                                 "\" font-size=\"19\" fill=\"#000000\" class=\"drawn-text\" "
                                 "xml:space=\"preserve\">"
                                 "Tg(α/2) = </text>";
    EXPECT_NE(document.find(expected), std::string::npos) << document;
    EXPECT_EQ(canvas.textsShown(), "Tg(α/2) = ");
}

// Whatever a text holds, it stays character data of its own element.
TEST(SvgCanvas, HostileTextNeverLeavesItsElement) {
    const std::string hostile = "</text><script>alert(\"x\")</script><text a='1'>&amp; \x01\xFF"
                                "\xCE";
    SvgCanvas canvas(100, 100);
    canvas.text({0, 0}, {}, hostile, 10, {0, 0, 0});
    const std::string document = canvas.document();
    const std::size_t open = document.find("<text ");
    const std::size_t contentStart = document.find('>', open) + 1;
    const std::size_t close = document.find("</text>");
    ASSERT_NE(close, std::string::npos);
    EXPECT_EQ(document.find("<text", open + 1), std::string::npos);
    EXPECT_EQ(document.find("</text>", close + 1), std::string::npos);
    const std::string content = document.substr(contentStart, close - contentStart);
    EXPECT_EQ(content.find_first_of("<>\"'\x01\xFF"), std::string::npos) << content;
    EXPECT_EQ(content, "&lt;/text&gt;&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;&lt;text "
                       "a=&apos;1&apos;&gt;&amp;amp; \uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(document.find("<script"), std::string::npos);
    // What the text shows is still the text, with what XML cannot hold replaced.
    EXPECT_EQ(canvas.textsShown(),
              "</text><script>alert(\"x\")</script><text a='1'>&amp; \uFFFD\uFFFD\uFFFD");
}

TEST(SvgCanvas, NumbersAreShortButExactToAThousandth) {
    EXPECT_EQ(compactNumber(2), "2");
    EXPECT_EQ(compactNumber(1.5), "1.5");
    EXPECT_EQ(compactNumber(0.15625), "0.156");
    EXPECT_EQ(compactNumber(140.9219), "140.922");
    EXPECT_EQ(compactNumber(-3.25), "-3.25");
    EXPECT_EQ(compactNumber(-0.0001), "0");
    EXPECT_EQ(compactNumber(1e-3), "0.001");
    EXPECT_EQ(compactNumber(16005), "16005");
    EXPECT_EQ(compactNumber(9.9996), "10");
}

TEST(SvgCanvas, ColoursAreSixHexDigits) {
    EXPECT_EQ(hexColour({0, 0, 255}), "#0000ff");
    EXPECT_EQ(hexColour({239, 239, 239}), "#efefef");
    EXPECT_EQ(hexColour({1, 16, 128}), "#011080");
}

} // namespace
} // namespace zirev1
