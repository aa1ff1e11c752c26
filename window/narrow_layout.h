// SPDX-License-Identifier: MIT
#pragma once

#include "form2_description.h"

#include <span>
#include <string_view>

namespace zirev1 {

// The form on a screen narrower than the window, such as a phone's: the controls in groups, one
// under another in reading order, in a single column. A group is made of blocks, stacked
// downwards; the controls of a block keep their places relative to one another, as in the window.
// Only the grouping is stated here: every place comes from the form's description.

enum class GroupStyle {
    Places,  // the block's controls keep the window's places, the block as wide as they need
    Flowing, // each control is a paragraph that wraps to the column's width
    Scaled,  // each block is one picture, scaled to the column's width
};

struct NarrowGroup {
    std::string_view name;
    GroupStyle style;
    std::span<const std::span<const std::string_view>> blocks;
};

namespace narrow_blocks {
inline constexpr std::string_view TITLE[] = {"Label1"};
inline constexpr std::string_view SUBTITLE[] = {"Label24"};
inline constexpr std::string_view GIVEN[] = {"Label4"};
// Calcolo lies right of the fields in the window: here it goes under them.
inline constexpr std::string_view SIDES[] = {"Label8", "Label3", "Label6", "Label10",
                                             "Text1",  "Text2",  "Text4"};
inline constexpr std::string_view CALCULATE[] = {"Command1"};
inline constexpr std::string_view OPEN_WORKING[] = {"Command2"};
inline constexpr std::string_view MESSAGE[] = {"Label30"};
inline constexpr std::string_view MEASURES[] = {"Label5",  "Label16", "Label28",
                                                "Label11", "Label7",  "Label15"};
inline constexpr std::string_view ANGLES[] = {"Label21", "Label17", "Label25", "Label9",  "Label18",
                                              "Label19", "Label20", "Label22", "Label23", "Label26",
                                              "Label12", "Label13", "Label14"};
inline constexpr std::string_view FIGURE[] = {"Image1"};
inline constexpr std::string_view FORMULAS[] = {"Image2"};
inline constexpr std::string_view CONDITIONS[] = {"Image3"};
inline constexpr std::string_view CREDIT[] = {"Label29"};

inline constexpr std::span<const std::string_view> HEADING_GROUP[] = {TITLE, SUBTITLE};
inline constexpr std::span<const std::string_view> SIDES_GROUP[] = {GIVEN, SIDES, CALCULATE,
                                                                    OPEN_WORKING};
inline constexpr std::span<const std::string_view> MESSAGE_GROUP[] = {MESSAGE};
inline constexpr std::span<const std::string_view> MEASURES_GROUP[] = {MEASURES};
inline constexpr std::span<const std::string_view> ANGLES_GROUP[] = {ANGLES};
inline constexpr std::span<const std::string_view> PICTURES_GROUP[] = {FIGURE, FORMULAS,
                                                                       CONDITIONS};
inline constexpr std::span<const std::string_view> CREDIT_GROUP[] = {CREDIT};
} // namespace narrow_blocks

inline constexpr NarrowGroup FORM2_NARROW_GROUPS[] = {
    {"heading", GroupStyle::Flowing, narrow_blocks::HEADING_GROUP},
    {"sides", GroupStyle::Places, narrow_blocks::SIDES_GROUP},
    {"message", GroupStyle::Flowing, narrow_blocks::MESSAGE_GROUP},
    {"measures", GroupStyle::Places, narrow_blocks::MEASURES_GROUP},
    {"angles", GroupStyle::Places, narrow_blocks::ANGLES_GROUP},
    {"pictures", GroupStyle::Scaled, narrow_blocks::PICTURES_GROUP},
    {"credit", GroupStyle::Flowing, narrow_blocks::CREDIT_GROUP},
};

// The narrowest screen the column is made for, and the least room left and right of a block.
inline constexpr int NARROWEST_SCREEN = 320 * TWIPS_PER_PIXEL;
inline constexpr int NARROW_MARGIN = 7 * TWIPS_PER_PIXEL;

// Room right of and below the farthest controls in the window, and round the column.
inline constexpr int FORM_MARGIN = 16 * TWIPS_PER_PIXEL;
// The least size of what a finger uses (Apple's and WCAG's 44 px).
inline constexpr int TOUCH_TARGET = 44 * TWIPS_PER_PIXEL;
// The room between the blocks of a group, and between groups.
inline constexpr int BLOCK_GAP = 24 * TWIPS_PER_PIXEL;
inline constexpr int GROUP_GAP = 16 * TWIPS_PER_PIXEL;
// The widest the column gets: beyond it the lines are too long to read.
inline constexpr int COLUMN_WIDTH = 640 * TWIPS_PER_PIXEL;
// How many lines, about, a flowing caption may take at the narrowest screen.
inline constexpr double FLOWING_LINES = 1.5;
// A picture grows to the column's width, but to no more than this many times its own size.
inline constexpr double PICTURE_GROWTH = 1.5;

// The rectangle a block's controls take in the window, with their starting captions.
constexpr TwipsRect blockBounds(const FormDescription& form,
                                std::span<const std::string_view> block) {
    TwipsRect bounds = form.controls[controlIndex(form, block.front())].startPlace();
    for (const std::string_view member : block) {
        const TwipsRect place = form.controls[controlIndex(form, member)].startPlace();
        const int right = std::max(bounds.right(), place.right());
        const int bottom = std::max(bounds.bottom(), place.bottom());
        bounds.left = std::min(bounds.left, place.left);
        bounds.top = std::min(bounds.top, place.top);
        bounds.width = right - bounds.left;
        bounds.height = bottom - bounds.top;
    }
    return bounds;
}

namespace narrow_checks {

constexpr int timesPlaced(std::span<const NarrowGroup> groups, std::string_view name) {
    int count = 0;
    for (const NarrowGroup& group : groups) {
        for (const auto block : group.blocks) {
            for (const std::string_view member : block) {
                count += member == name ? 1 : 0;
            }
        }
    }
    return count;
}

// Every control of the form is in exactly one block, and every block names controls of the form.
constexpr bool everyControlPlacedOnce(const FormDescription& form,
                                      std::span<const NarrowGroup> groups) {
    std::size_t members = 0;
    for (const NarrowGroup& group : groups) {
        for (const auto block : group.blocks) {
            members += block.size();
        }
    }
    return members == form.controls.size() &&
           std::all_of(form.controls.begin(), form.controls.end(), [&](const Control& control) {
               return timesPlaced(groups, control.name) == 1;
           });
}

// A scaled block is one picture, and pictures are only scaled.
constexpr bool picturesScaledAlone(const FormDescription& form,
                                   std::span<const NarrowGroup> groups) {
    for (const NarrowGroup& group : groups) {
        for (const auto block : group.blocks) {
            for (const std::string_view member : block) {
                const bool picture =
                    form.controls[controlIndex(form, member)].kind == ControlKind::Picture;
                if (picture != (group.style == GroupStyle::Scaled) ||
                    (picture && block.size() != 1)) {
                    return false;
                }
            }
        }
    }
    return true;
}

// What wraps is a caption, never a field, a button or a result, whose places matter.
constexpr bool onlyCaptionsFlow(const FormDescription& form, std::span<const NarrowGroup> groups) {
    for (const NarrowGroup& group : groups) {
        for (const auto block : group.blocks) {
            for (const std::string_view member : block) {
                const Control& control = form.controls[controlIndex(form, member)];
                if (group.style == GroupStyle::Flowing &&
                    (control.kind != ControlKind::Label || control.isResult())) {
                    return false;
                }
            }
        }
    }
    return true;
}

// A block that keeps the window's places fits the narrowest screen.
constexpr bool placedBlocksFitTheNarrowestScreen(const FormDescription& form,
                                                 std::span<const NarrowGroup> groups) {
    for (const NarrowGroup& group : groups) {
        for (const auto block : group.blocks) {
            if (group.style == GroupStyle::Places &&
                blockBounds(form, block).width > NARROWEST_SCREEN - 2 * NARROW_MARGIN) {
                return false;
            }
        }
    }
    return true;
}

} // namespace narrow_checks

static_assert(narrow_checks::everyControlPlacedOnce(FORM2, FORM2_NARROW_GROUPS));
static_assert(narrow_checks::picturesScaledAlone(FORM2, FORM2_NARROW_GROUPS));
static_assert(narrow_checks::onlyCaptionsFlow(FORM2, FORM2_NARROW_GROUPS));
static_assert(narrow_checks::placedBlocksFitTheNarrowestScreen(FORM2, FORM2_NARROW_GROUPS));

} // namespace zirev1
