// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace zirev1 {

// The characters a side field accepts: those of a number, and backspace (code 8).
inline constexpr std::u16string_view ALLOWED_SIDE_KEYS = u"-+.0123456789\b";

// True when the character with this code is one of ALLOWED_SIDE_KEYS; codes are compared exactly,
// with no case folding or locale rules.
//
//   isSideKeyAllowed('7') -> true     isSideKeyAllowed(',') -> false
//   isSideKeyAllowed(8)   -> true     isSideKeyAllowed(13)  -> false (Enter)
constexpr bool isSideKeyAllowed(std::int16_t keyAscii) {
    return ALLOWED_SIDE_KEYS.find(static_cast<char16_t>(keyAscii)) != std::u16string_view::npos;
}

// What each side field's keystroke handler does: a character outside ALLOWED_SIDE_KEYS becomes
// 0, which cancels it.
constexpr void cancelUnlessSideKey(std::int16_t& keyAscii) {
    if (!isSideKeyAllowed(keyAscii)) {
        keyAscii = 0;
    }
}

// The user's decimal separator, which decides what a typed comma means.
enum class DecimalSeparator { Point, Comma };

// The key typed for the decimal point where the user's separator is the comma, and the point a
// side is read with. A phone keypad in such a locale has the comma as its only separator key.
inline constexpr char16_t DECIMAL_COMMA_KEY = u',';
inline constexpr char16_t SIDE_DECIMAL_POINT = u'.';

// What each side field's keystroke handler does. Where the user's separator is the comma, a typed
// comma is entered as the point, so "3,5" reads as 3.5; elsewhere a comma more likely separates
// thousands ("1,250"), and it is cancelled like every character outside ALLOWED_SIDE_KEYS.
//
//   filterSideKey(',', Comma) -> '.'     filterSideKey(',', Point) -> 0
//   filterSideKey('7', Comma) -> '7'     filterSideKey('x', Comma) -> 0
constexpr void filterSideKey(std::int16_t& keyAscii, DecimalSeparator separator) {
    if (separator == DecimalSeparator::Comma && keyAscii == DECIMAL_COMMA_KEY) {
        keyAscii = SIDE_DECIMAL_POINT;
        return;
    }
    cancelUnlessSideKey(keyAscii);
}

} // namespace zirev1
