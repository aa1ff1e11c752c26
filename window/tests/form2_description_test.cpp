// SPDX-License-Identifier: MIT
// Rules of the form's layout that hold whatever the exact places: rows and columns line up, the
// letters stand beside their fields, and only the pictures overlap what lies under them.
#include "form2_description.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zirev1 {
namespace {

const Control& control(std::string_view name) {
    const Control* found = findControl(FORM2, name);
    if (found == nullptr) {
        throw std::invalid_argument(std::string(name));
    }
    return *found;
}

// A fixed text by what it says, a picture by what it draws.
const Control& captioned(std::string_view caption) {
    const auto found = std::find_if(FORM2.controls.begin(), FORM2.controls.end(),
                                    [&](const Control& c) { return c.caption == caption; });
    if (found == FORM2.controls.end()) {
        throw std::invalid_argument(std::string(caption));
    }
    return *found;
}
const Control& drawing(Drawing drawn) {
    return *std::find_if(FORM2.controls.begin(), FORM2.controls.end(),
                         [&](const Control& c) { return c.drawing == drawn; });
}

std::size_t stackIndex(const Control& c) {
    return static_cast<std::size_t>(&c - FORM2.controls.data());
}

// Result labels in writing order: three rows of degrees, minutes, seconds, then h, area, 2p.
TEST(Form2Description, AngleResultsFormThreeRowsAndThreeColumns) {
    const std::string_view rowNames[] = {"α =", "β =", "γ ="};
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t column = 0; column < 3; ++column) {
            const Control& result = control(FORM2.resultLabels[3 * row + column]);
            EXPECT_EQ(result.place.top, captioned(rowNames[row]).place.top) << result.name;
            EXPECT_EQ(result.place.left, control(FORM2.resultLabels[column]).place.left)
                << result.name;
            EXPECT_GT(result.place.left, captioned(rowNames[row]).place.left) << result.name;
        }
        if (row > 0) {
            EXPECT_GT(captioned(rowNames[row]).place.top, captioned(rowNames[row - 1]).place.top);
        }
    }
    // The column heading stands above the first row.
    EXPECT_LT(captioned("    Gradi             Primi            Secondi").place.bottom(),
              captioned("α =").place.top + 1);
}

TEST(Form2Description, MeasuresStandBesideTheirNames) {
    const std::pair<std::string_view, std::string_view> measures[] = {
        {"Sup.=", FORM2.resultLabels[10]},
        {"h =", FORM2.resultLabels[9]},
        {"2 p =", FORM2.resultLabels[11]}};
    for (const auto& [name, value] : measures) {
        EXPECT_EQ(control(value).place.top, captioned(name).place.top) << value;
        EXPECT_GE(control(value).place.left, captioned(name).startPlace().right()) << value;
    }
}

// The result labels lie apart once they hold texts: whole degrees, minutes and seconds of two or
// three digits, and measures of many. Empty autosized labels take no width, so their places alone
// would let two of them lie on each other.
TEST(Form2Description, ResultsHoldingTextsLieApart) {
    const auto held = [](std::size_t index) {
        const Control& result = resultLabel(FORM2, index);
        const bool angle = index < 9;
        const TwipsSize size = captionSize(angle ? "179" : "6599766296.774280", result.font);
        return result.autoSize
                   ? TwipsRect{result.place.left, result.place.top, size.width, size.height}
                   : result.place;
    };
    for (std::size_t i = 0; i < FORM2.resultLabels.size(); ++i) {
        for (std::size_t j = i + 1; j < FORM2.resultLabels.size(); ++j) {
            EXPECT_FALSE(held(i).intersects(held(j)))
                << FORM2.resultLabels[i] << " and " << FORM2.resultLabels[j];
        }
    }
}

// "a", "b", "c" just right of their fields, in the fields' order; "lati" above them.
TEST(Form2Description, LettersStandBesideTheSideFields) {
    const std::string_view letters[] = {"a", "b", "c"};
    for (std::size_t i = 0; i < 3; ++i) {
        const Control& field = control(FORM2.sideFields[i]);
        const Control& letter = captioned(letters[i]);
        EXPECT_GE(letter.place.left, field.place.right());
        EXPECT_LT(letter.place.left - field.place.right(), 300);
        EXPECT_TRUE(letter.place.top >= field.place.top && letter.place.top < field.place.bottom())
            << letter.name;
        EXPECT_LT(captioned("lati").place.bottom(), field.place.top + 1);
    }
}

// The fields and the button take the focus in the order Calcolo, a, b, c.
// Calcolo, the sides, and after them Svolgimento.
TEST(Form2Description, TabOrderStartsAtTheButtonThenTheSides) {
    const TabOrder order = tabOrder(FORM2);
    ASSERT_EQ(order.count, 5u);
    EXPECT_EQ(order.controls[0]->role, Role::Calculate);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(order.controls[i + 1]->name, FORM2.sideFields[i]);
    }
    EXPECT_EQ(order.controls[4]->role, Role::OpenWorking);
}

// Controls other than pictures never overlap; a picture that overlaps a control lies above it,
// and only a transparent picture may cover the labels (they show through it).
TEST(Form2Description, OnlyPicturesOverlapAndTheyLieOnTop) {
    for (std::size_t i = 0; i < FORM2.controls.size(); ++i) {
        for (std::size_t j = i + 1; j < FORM2.controls.size(); ++j) {
            const Control& below = FORM2.controls[i];
            const Control& above = FORM2.controls[j];
            if (!below.startPlace().intersects(above.startPlace())) {
                continue;
            }
            EXPECT_EQ(above.kind, ControlKind::Picture) << below.name << " under " << above.name;
            if (below.kind != ControlKind::Picture) {
                EXPECT_FALSE(above.opaque) << below.name << " hidden by " << above.name;
            }
        }
    }
    const Control& figure = drawing(Drawing::TriangleFigure);
    const Control& formulas = drawing(Drawing::BriggsFormulas);
    EXPECT_GT(stackIndex(formulas), stackIndex(figure)); // the formulas' heading stays whole
    EXPECT_TRUE(figure.place.intersects(formulas.place));
}

TEST(Form2Description, ResultsStartEmptyAndTextsAreNamed) {
    for (const Control& c : FORM2.controls) {
        if (c.isResult() || c.kind == ControlKind::Field) {
            EXPECT_TRUE(c.caption.empty()) << c.name;
        }
        if (c.kind == ControlKind::Button) {
            EXPECT_FALSE(c.caption.empty());
        }
    }
    std::size_t headings = 0;
    for (const Control& c : FORM2.controls) {
        headings += c.role == Role::Heading ? 1 : 0;
    }
    EXPECT_EQ(headings, 1u);
}

} // namespace
} // namespace zirev1
