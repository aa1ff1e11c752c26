// SPDX-License-Identifier: MIT
#pragma once

// JSON strings and arrays, for the C entries' answers and the build's exports alike.

#include <string>
#include <string_view>
#include <vector>

namespace zirev1::json {

// A JSON string; what is not plain printable ASCII passes as UTF-8, except the control
// characters, which JSON must escape.
//   quoted("a\tb") -> "\"a\\tb\""
inline std::string quoted(std::string_view utf8) {
    std::string out = "\"";
    for (const char ch : utf8) {
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20) {
                // By hand: printf would bring the C library's streams into the WebAssembly module.
                constexpr std::string_view DIGITS = "0123456789abcdef";
                out += "\\u00";
                out += DIGITS[static_cast<unsigned char>(ch) >> 4];
                out += DIGITS[static_cast<unsigned char>(ch) & 0xF];
            } else {
                out += ch;
            }
        }
    }
    return out + '"';
}

inline std::string array(const std::vector<std::string>& items, std::string_view separator = ", ") {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i == 0 ? "" : std::string(separator)) + items[i];
    }
    return out + ']';
}

} // namespace zirev1::json
