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

} // namespace zirev1
